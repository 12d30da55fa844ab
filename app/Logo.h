#pragma once
// The program's logo, drawn from code: the about window shows it and the build makes the desktop
// icons from it, so there is one picture and no artwork file to keep in step.
#include <QIcon>
#include <QImage>

class QPainter;
class QRectF;

// Draws the logo (a disc with its sheen, tracks and hole) filling square, anti-aliased.
void DrawTrackwellLogo(QPainter& painter, const QRectF& square);

// The logo on a transparent square picture of size × size pixels.
QImage TrackwellLogo(int size);

// The logo as the icon of a window (32 × 32 pixels), drawn once for the process.
QIcon TrackwellIcon();
