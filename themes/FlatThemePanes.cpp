// The flat theme's scroll boxes, roll panels, tabs, lists, trees and grids.
#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/RectUtils.h"
#include "themes/FlatTheme.h"
#include "themes/FlatThemeDraw.h"
#include "themes/TabTextRotation.h"

using enum TteThemeColor;

namespace {

// Fill colour of small buttons (roll-panel and tab-row scroll buttons) by state.
constexpr TteEnumTable<TteSmallButtonState, TteThemeColor> kSmallButtonFaces{
    ktcButtonNormal,
    {{TteSmallButtonState::ksbsHot, ktcButtonHot},
     {TteSmallButtonState::ksbsPressed, ktcButtonPressed},
     {TteSmallButtonState::ksbsDisabled, ktcButtonDisabled}}};

TteThemeColor SmallButtonFace(std::uint8_t state) { return kSmallButtonFaces[ThemeEnum<TteSmallButtonState>(state)]; }

} // namespace

// Scroll box and roll panel.

bool TTeFlatTheme::IsScrollBoxAvailable(TteKind, const QString&) { return true; }

TRect TTeFlatTheme::GetScrollBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeFlatTheme::DrawScrollBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcButtonNormal));
}

bool TTeFlatTheme::IsRollPanelAvailable(TteKind, const QString&) { return true; }

TRect TTeFlatTheme::GetRollPanelClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeFlatTheme::DrawRollPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawRollPanelCaption(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    DrawBoxIn(canvas, info.Rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawRollPanelButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteRollPanelButton;
    const TColor border = Color(ktcBorder);
    DrawBoxIn(canvas, info.Rect, Color(SmallButtonFace(info.State)));
    switch (ThemeEnum<TteRollPanelButton>(info.Part)) {
    case krpbRollUp: DrawArrow(canvas, info.Rect, DFCS_SCROLLUP, border); break;
    case krpbRollDown: DrawArrow(canvas, info.Rect, DFCS_SCROLLDOWN, border); break;
    case krpbHide: DrawCaptionGlyph(canvas, info.Rect, DFCS_CAPTIONCLOSE, border); break;
    default: break;
    }
}

// Tab.

bool TTeFlatTheme::IsTabAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsTabTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetTabClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

void TTeFlatTheme::DrawTabPane(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawTab(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteTabPart;
    using enum TteTabState;
    const TRect& r = info.Rect;
    const auto state = ThemeEnum<TteTabState>(info.State);
    FillRectColor(canvas, r, Color(state == ktsHot ? ktcButtonHot : ktcButtonNormal));
    // A selected tab opens into the pane: its outline leaves out the edge that faces the pane. The
    // exclusion is undone afterwards, so later drawing on a shared buffer is not clipped by it.
    const int saved = canvas.SaveDC();
    if (state >= ktsSelected && state <= ktsSelectedDisabled) {
        const auto part = ThemeEnum<TteTabPart>(info.Part);
        if (part <= ktpTopLast)
            canvas.ExcludeClipRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
        else if (part <= ktpLeftLast)
            canvas.ExcludeClipRect({r.Right - 1, r.Top, r.Right, r.Bottom});
        else if (part <= ktpRightLast)
            canvas.ExcludeClipRect({r.Left, r.Top, r.Left + 1, r.Bottom});
        else if (part <= ktpBottomLast)
            canvas.ExcludeClipRect({r.Left, r.Top, r.Right, r.Top + 1});
    }
    DrawFrameRect(canvas, r, Color(ktcBorder));
    canvas.RestoreDC(saved);
}

void TTeFlatTheme::DrawTabScrollButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteTabScrollButton;
    const TColor border = Color(ktcBorder);
    DrawBoxIn(canvas, info.Rect, Color(SmallButtonFace(info.State)));
    switch (ThemeEnum<TteTabScrollButton>(info.Part)) {
    case ktsbClose: DrawCaptionGlyph(canvas, info.Rect, DFCS_CAPTIONCLOSE, border); break;
    case ktsbLeft: DrawArrow(canvas, info.Rect, DFCS_SCROLLLEFT, border); break;
    case ktsbDown: DrawArrow(canvas, info.Rect, DFCS_SCROLLDOWN, border); break;
    case ktsbUp: DrawArrow(canvas, info.Rect, DFCS_SCROLLUP, border); break;
    case ktsbRight: DrawArrow(canvas, info.Rect, DFCS_SCROLLRIGHT, border); break;
    default: break;
    }
}

void TTeFlatTheme::DrawTabText(TteKind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                               const QString&)
{
    DrawText(canvas, TabTextTurned(info, text));
}

// List box.

bool TTeFlatTheme::IsListBoxAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsListBoxTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetListBoxClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawListBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcList));
}

void TTeFlatTheme::DrawListBoxPart(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeFlatTheme::DrawListBoxItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    using enum TteListItemState;
    switch (ThemeEnum<TteListItemState>(info.State)) {
    case klisNormal: case klisHot: case klisDisabled: FillRectColor(canvas, info.Rect, Color(ktcList)); break;
    case klisSelected: case klisFocused: DrawBoxIn(canvas, info.Rect, Color(ktcButtonHot)); break;
    default: break;
    }
}

void TTeFlatTheme::DrawListBoxItemCheck(TteKind, TCanvas& canvas, const TteElementInfo& info,
                                        const TteListCheckInfo& check, const QString&)
{
    if (check.Check == TteListCheck::klcGlyph) {
        if (check.Glyph != nullptr && !check.Glyph->Empty()) {
            const TRect place = CenterRect(check.Glyph->BoundsRect(), check.Rect);
            check.Glyph->Draw(canvas, place.Left, place.Top);
        }
        return;
    }
    using enum TteListItemState;
    const auto state = ThemeEnum<TteListItemState>(info.State);
    TteThemeColor face = ktcButtonNormal;
    if (state == klisHot)
        face = ktcButtonHot;
    else if (state == klisSelected || state == klisFocused)
        face = ktcButtonFocused;
    const TRect box = CenterRect(TRect{0, 0, 13, 13}, check.Rect);
    const TColor border = Color(ktcBorder);
    DrawBoxIn(canvas, box, Color(face));
    if (check.Check == TteListCheck::klcChecked)
        DrawCheckMarkAt(canvas, {(box.Left + box.Right) / 2 - 1, (box.Top + box.Bottom) / 2 + 1}, border);
    else if (check.Check == TteListCheck::klcMixed)
        FillRectColor(canvas, InflateRectBy(box, -3), border);
}

// Tree.

bool TTeFlatTheme::IsTreeAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsTreeTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetTreeClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawTree(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcTree));
}

void TTeFlatTheme::DrawTreeItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    using enum TteListItemState;
    const auto state = ThemeEnum<TteListItemState>(info.State);
    if (state == klisSelected || state == klisFocused)
        FillRectColor(canvas, info.Rect, Color(ktcButtonHot));
    else if (state == klisNormal || state == klisHot || state == klisDisabled)
        FillRectColor(canvas, info.Rect, Color(ktcTree));
    DrawFrameRect(canvas, info.Rect, Color(ktcBorder));
}

// Grid.

bool TTeFlatTheme::IsGridAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsGridTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetGridClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawGrid(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcGrid));
}

void TTeFlatTheme::DrawGridCell(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Here Part carries the cell's state and State whether it is a fixed cell.
    using enum TteGridCellState;
    if (ThemeEnum<TteGridCellKind>(info.State) == TteGridCellKind::kgckFixed) {
        FillRectColor(canvas, info.Rect, Color(ktcButtonNormal));
        return;
    }
    switch (ThemeEnum<TteGridCellState>(info.Part)) {
    case kgcsNormal: case kgcsDisabled: FillRectColor(canvas, info.Rect, Color(ktcGrid)); break;
    case kgcsSelected: FillRectColor(canvas, info.Rect, Color(ktcButtonHot)); break;
    case kgcsNotProduced2: case kgcsHighlighted: DrawBoxIn(canvas, info.Rect, Color(ktcButtonFocused)); break;
    default: break;
    }
}
