#include "themes/FlatThemeDraw.h"

#include "graphics/Bitmap.h"

void DrawSymbol(TCanvas& canvas, const TRect& rect, unsigned frameType, unsigned frameState, TColor colour)
{
    try {
        DrawFrameGlyph(canvas, rect, frameType, frameState, colour);
    } catch (const EBitmapError&) {
    }
}
