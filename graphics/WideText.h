#pragma once
// Measuring and drawing text in a canvas's font: DrawText with its format flags, text shortened
// with "...", and text turned by 90 degrees.
#include <QString>

#include "framework/Types.h"

class TCanvas;

// Transparent background, then the canvas's DrawText; answers its result.
int DrawWideText(TCanvas& canvas, const QString& text, TRect& rect, unsigned format);
// With format 0 the text's extent; else the right edge DrawText calculates from an empty rectangle.
int WideTextWidth(TCanvas& canvas, const QString& text, unsigned format = 0);
int WideTextHeight(TCanvas& canvas, const QString& text);
// text when it fits maxWidth, else as many leading characters as fit with "..." after them.
QString EllipsisText(TCanvas& canvas, const QString& text, int maxWidth);
// The text drawn horizontally into an (rect height × rect width) rectangle with format, then turned
// into rect: clockwise it reads from top to bottom, else from bottom to top. The text is drawn in
// the canvas's font and font colour, its smoothed edges made ink or nothing, so the picture has
// only ink and untouched pixels. Only the part the canvas can show is drawn; when none is, nothing
// is and 0 is answered. Else answers DrawText's result.
int DrawRotatedText(TCanvas& canvas, const QString& text, const TRect& rect, bool clockwise, unsigned format);
