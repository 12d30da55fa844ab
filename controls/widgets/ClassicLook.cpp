#include "controls/widgets/ClassicLook.h"

#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"

TRect DrawClassicButtonFace(TCanvas& canvas, const TRect& rect, TColor face, bool pressed, bool framed)
{
    TRect r = rect;
    if (framed) {
        DrawFrameRect(canvas, r, clBlack);
        r = InflateRectBy(r, -1);
    }
    FillRectColor(canvas, r, face);
    if (pressed) {
        DrawFrameRect(canvas, r, clBtnShadow);
        return InflateRectBy(r, -1);
    }
    Draw3DFrame(canvas, r, clBtnHighlight, clBlack);
    r = InflateRectBy(r, -1);
    Draw3DFrame(canvas, r, face, clBtnShadow);
    return InflateRectBy(r, -1);
}

void DrawClassicCheckBox(TCanvas& canvas, const TRect& rect, TTeCheckBoxState state, bool disabled)
{
    const bool grey = disabled || state == TTeCheckBoxState::kcbsMixed;
    Draw3DFrame(canvas, rect, clBtnShadow, clBtnHighlight);
    const TRect inner = InflateRectBy(rect, -1);
    Draw3DFrame(canvas, inner, cl3DDkShadow, cl3DLight);
    FillRectColor(canvas, InflateRectBy(inner, -1), grey ? clBtnFace : clWindow);
    if (state != TTeCheckBoxState::kcbsUnChecked)
        DrawFrameGlyph(canvas, rect, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, grey ? clBtnShadow : clWindowText);
}

void DrawEmbossedText(TCanvas& canvas, const QString& text, const TRect& rect, unsigned format)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect shifted = OffsetRectBy(rect, 1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, format);
    TRect plain = rect;
    canvas.Font()->SetColor(clBtnShadow);
    canvas.DrawText(text, plain, format);
}

void DrawControlText(TCanvas& canvas, const QString& text, const TRect& rect, unsigned format, bool disabled)
{
    if (disabled) {
        DrawEmbossedText(canvas, text, rect, format);
        return;
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect r = rect;
    canvas.DrawText(text, r, format);
}

void DrawEtchedFrame(TCanvas& canvas, const TRect& rect, int gapLeft, int gapRight)
{
    const int level = canvas.SaveDC();
    if (gapRight > gapLeft)
        canvas.ExcludeClipRect(Rect(gapLeft, rect.Top - 1, gapRight, rect.Top + 1));
    DrawFrameRect(canvas, rect, clBtnHighlight);
    DrawFrameRect(canvas, OffsetRectBy(rect, -1, -1), clBtnShadow);
    canvas.RestoreDC(level);
}
