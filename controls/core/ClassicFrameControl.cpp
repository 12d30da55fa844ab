#include "controls/core/ClassicFrameControl.h"

#include "framework/Colors.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"

void DrawClassicFrameControl(TCanvas& canvas, const TRect& rect, unsigned frameType, unsigned frameState)
{
    if (rect.IsEmpty())
        return;
    FillRectColor(canvas, rect, clBtnFace);
    const bool pushed = (frameState & DFCS_PUSHED) != 0;
    if (pushed && (frameState & DFCS_FLAT) != 0) {
        DrawFrameRect(canvas, rect, clBtnShadow);
    } else if (pushed) {
        Draw3DFrame(canvas, rect, clBtnShadow, clBtnHighlight);
        Draw3DFrame(canvas, InflateRectBy(rect, -1), cl3DDkShadow, cl3DLight);
    } else {
        Draw3DFrame(canvas, rect, cl3DLight, cl3DDkShadow);
        Draw3DFrame(canvas, InflateRectBy(rect, -1), clBtnHighlight, clBtnShadow);
    }
    if (frameType == DFC_BUTTON)
        return;
    const unsigned symbol = frameState & ~(DFCS_PUSHED | DFCS_FLAT | DFCS_INACTIVE);
    TRect glyph = rect;
    if (pushed)
        glyph = Rect(rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1);
    if ((frameState & DFCS_INACTIVE) != 0) {
        DrawFrameGlyph(canvas, Rect(glyph.Left + 1, glyph.Top + 1, glyph.Right + 1, glyph.Bottom + 1), frameType,
                       symbol, clBtnHighlight);
        DrawFrameGlyph(canvas, glyph, frameType, symbol, clBtnShadow);
    } else {
        DrawFrameGlyph(canvas, glyph, frameType, symbol, clBtnText);
    }
}

void DrawClassicSunkenFrame(TCanvas& canvas, const TRect& rect)
{
    Draw3DFrame(canvas, rect, clBtnShadow, clBtnHighlight);
    Draw3DFrame(canvas, InflateRectBy(rect, -1), cl3DDkShadow, clBtnFace);
}
