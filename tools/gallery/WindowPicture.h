#pragma once
// A shown window as it looks on the screen: its picture clipped to its shape on a neutral ground.
#include <QImage>
#include <QString>

class QWidget;

// The window's picture with margin pixels of ground around it.
QImage WindowOnGround(QWidget& window, int margin);
// Writes a sheet as PNG; answers the exit status (after saying what went wrong).
int SaveSheet(const QImage& sheet, const QString& outFile);
