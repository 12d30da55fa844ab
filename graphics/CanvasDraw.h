#pragma once
// Canvas drawing in framework colours: lines, frames, 3-D frames, fills, focus frames, rounded and
// polygon shapes, checker patterns, gradients, small icons, frame-control symbols and silhouettes.
// The canvas's pen and brush are changed as each operation says and left so.
#include <QList>

#include "framework/Colors.h"
#include "framework/Types.h"

class QIcon;
class TCanvas;
class TteBitmap;

void MoveToPoint(TCanvas& canvas, int x, int y);
// Solid pen of colour, from the pen position to (x, y), the end point not drawn.
void DrawLine(TCanvas& canvas, int x, int y, TColor colour);
// Clear brush, solid pen of colour: the rectangle's edge pixels.
void DrawFrameRect(TCanvas& canvas, const TRect& rect, TColor colour);
void DrawFrameRect(TCanvas& canvas, int left, int top, int right, int bottom, TColor colour);
// Left and top edges in topLeft (but the bottom-left pixel), right and bottom edges in bottomRight.
void Draw3DFrame(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);
void FillRectColor(TCanvas& canvas, const TRect& rect, TColor colour);
void FillRectColor(TCanvas& canvas, int left, int top, int right, int bottom, TColor colour);
// Solid brush of colour, then the inverting dotted focus frame.
void DrawFocusFrame(TCanvas& canvas, const TRect& rect, TColor colour);
// Rounded rectangles with corner ellipses radius × radius.
void DrawRoundFrame(TCanvas& canvas, const TRect& rect, int radius, TColor colour);
void FillRoundRect(TCanvas& canvas, const TRect& rect, int radius, TColor colour);
void DrawPolygonFrame(TCanvas& canvas, const QList<TPoint>& points, TColor colour);
void FillPolygon(TCanvas& canvas, const QList<TPoint>& points, TColor colour);
// A one-pixel checkerboard: colour2 where x and y are both even or both odd (on the device),
// colour1 elsewhere. The rectangle's left and top are raised to 0 first. The pattern is taken off
// the brush again afterwards, so later fills are plain.
void FillChecker(TCanvas& canvas, const TRect& rect, TColor colour1, TColor colour2);
// The checker pattern in a polygon, without outline.
void FillPolygonChecker(TCanvas& canvas, const QList<TPoint>& points, TColor colour1, TColor colour2);
// Up to 255 bands from start to end, top to bottom when vertical, else left to right; band k of n
// has start + (end - start) × k / n on each channel, halves to even.
void FillGradient(TCanvas& canvas, const TRect& rect, TColor start, TColor end, bool vertical);
// The icon at its own size (the size it offers for a small icon) from the top-left corner of a
// small-icon square centred in rect; nothing for a null icon.
void DrawSmallIcon(TCanvas& canvas, const TRect& rect, const QIcon& icon);
// The black symbol of a classic frame control (FrameGlyphs.h) in colour, at rect's top-left;
// the pixels around it are untouched.
void DrawFrameGlyph(TCanvas& canvas, const TRect& rect, unsigned frameType, unsigned frameState, TColor colour);
// The visible pixels of bitmap in colour at alpha 100 of 255, drawn at (x, y).
void DrawSilhouette(TCanvas& canvas, int x, int y, TColor colour, const TteBitmap& bitmap);
