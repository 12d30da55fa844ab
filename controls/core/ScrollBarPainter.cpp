#include "controls/core/ScrollBarPainter.h"

#include "controls/core/ClassicFrameControl.h"
#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "theme/ThemeParts.h"

namespace {

bool Vertical(const TScrollBarLook& look)
{
    return look.Orientation == TTeScrollOrientation::ksoVertical;
}

TteScrollBarState ThemedState(const TScrollBarLook& look, TScrollBarPart part)
{
    if (!look.Enabled)
        return TteScrollBarState::ksbsDisabled;
    if (look.Pressed == part)
        return TteScrollBarState::ksbsPressed;
    if (look.Hot == part)
        return TteScrollBarState::ksbsHot;
    return TteScrollBarState::ksbsNormal;
}

void ThemedPart(TCanvas& canvas, const TScrollBarLook& look, const TRect& rect, TteScrollBarPart themePart,
                TScrollBarPart part)
{
    look.Theme->DrawScrollBarPart(0, canvas,
                                  TtePartInfo{rect, ThemeByte(themePart), ThemeByte(ThemedState(look, part))},
                                  look.ThemeObject);
}

void ClassicButton(TCanvas& canvas, const TScrollBarLook& look, const TRect& rect, unsigned symbol, TScrollBarPart part)
{
    unsigned state = symbol;
    if (look.Pressed == part)
        state |= DFCS_PUSHED | DFCS_FLAT;
    if (!look.Enabled)
        state |= DFCS_INACTIVE;
    DrawClassicFrameControl(canvas, rect, DFC_SCROLL, state);
}

void PaintThemed(TCanvas& canvas, const TScrollBarLook& look, const TScrollBarLayout& layout)
{
    const bool vertical = Vertical(look);
    if (look.ShowButtons) {
        ThemedPart(canvas, look, layout.FirstButton,
                   vertical ? TteScrollBarPart::ksbpUpArrow : TteScrollBarPart::ksbpLeftArrow,
                   TScrollBarPart::ksbpFirstButton);
        ThemedPart(canvas, look, layout.SecondButton,
                   vertical ? TteScrollBarPart::ksbpDownArrow : TteScrollBarPart::ksbpRightArrow,
                   TScrollBarPart::ksbpSecondButton);
    }
    const TteScrollBarTrack track = vertical ? TteScrollBarTrack::ksbtVertical : TteScrollBarTrack::ksbtHorizontal;
    // A disabled bar, and one without room for the thumb, shows only the track.
    look.Theme->DrawScrollBarTrack(0, canvas,
                                   TtePartInfo{layout.Track, ThemeByte(track), ThemeByte(TteScrollBarState::ksbsNormal)},
                                   look.ThemeObject);
    if (look.Enabled && !layout.Thumb.IsEmpty())
        ThemedPart(canvas, look, layout.Thumb,
                   vertical ? TteScrollBarPart::ksbpVertThumb : TteScrollBarPart::ksbpHorzThumb,
                   TScrollBarPart::ksbpThumb);
}

void PaintClassic(TCanvas& canvas, const TScrollBarLook& look, const TScrollBarLayout& layout)
{
    const bool vertical = Vertical(look);
    const TRect inside = InflateRectBy(look.Bounds, -look.BorderWidth);
    if (look.BorderWidth > 0)
        Draw3DFrame(canvas, look.Bounds, clBtnShadow, clBtnHighlight);
    FillChecker(canvas, inside, clScrollBar, clBtnHighlight);
    // The pressed page area is shown dark, as the classic bar does.
    if (look.Pressed == TScrollBarPart::ksbpPageBefore)
        FillRectColor(canvas, layout.PageBefore, cl3DDkShadow);
    if (look.Pressed == TScrollBarPart::ksbpPageAfter)
        FillRectColor(canvas, layout.PageAfter, cl3DDkShadow);
    if (look.ShowButtons) {
        ClassicButton(canvas, look, layout.FirstButton, vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT,
                      TScrollBarPart::ksbpFirstButton);
        ClassicButton(canvas, look, layout.SecondButton, vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT,
                      TScrollBarPart::ksbpSecondButton);
    }
    if (look.Enabled && !layout.Thumb.IsEmpty())
        DrawClassicFrameControl(canvas, layout.Thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

}  // namespace

void PaintScrollBar(TCanvas& canvas, const TScrollBarLook& look, const TScrollBarLayout& layout)
{
    if (look.Theme != nullptr)
        PaintThemed(canvas, look, layout);
    else
        PaintClassic(canvas, look, layout);
}
