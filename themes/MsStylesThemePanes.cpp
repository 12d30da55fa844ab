// The visual-style theme's scroll boxes, roll panels, tabs, lists, trees and grids.
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "themes/MsStylesDraw.h"
#include "themes/MsStylesTheme.h"
#include "themes/TabTextRotation.h"

using enum TMsElement;

namespace {

// Roll-panel buttons; disabled is drawn as normal.
constexpr TteEnumTable<TteSmallButtonState, int> kRollButtonFrames{0,
                                                                   {{TteSmallButtonState::ksbsNormal, 1},
                                                                    {TteSmallButtonState::ksbsDisabled, 1},
                                                                    {TteSmallButtonState::ksbsHot, 2},
                                                                    {TteSmallButtonState::ksbsPressed, 3}}};

constexpr TteEnumTable<TteTabState, int> kTabFrames{0,
                                                    {{TteTabState::ktsNormal, 1},
                                                     {TteTabState::ktsHot, 2},
                                                     {TteTabState::ktsDisabled, 4},
                                                     {TteTabState::ktsSelectedDisabled, 4},
                                                     {TteTabState::ktsSelected, 5},
                                                     {TteTabState::ktsSelectedHot, 5}}};

// The rows of the scroll bar's arrow strip that the tab-row scroll buttons show; the close button
// and other bytes show the first.
constexpr TteEnumTable<TteTabScrollButton, int> kTabScrollRows{
    0, {{TteTabScrollButton::ktsbLeft, 2}, {TteTabScrollButton::ktsbDown, 1}, {TteTabScrollButton::ktsbRight, 3}}};

// The strip's frames of the small-button states in order.
constexpr TteEnumTable<TteSmallButtonState, int> kSmallButtonFrames{0,
                                                                    {{TteSmallButtonState::ksbsNormal, 1},
                                                                     {TteSmallButtonState::ksbsHot, 2},
                                                                     {TteSmallButtonState::ksbsPressed, 3},
                                                                     {TteSmallButtonState::ksbsDisabled, 4}}};

}  // namespace

// Scroll box and roll panel.

bool TTeThemeMsStyles::IsScrollBoxAvailable(TteKind, const QString&) { return true; }

TRect TTeThemeMsStyles::GetScrollBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeThemeMsStyles::DrawScrollBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, SysColor(clBtnFace));
    DrawBevel(canvas, rect, false);
}

bool TTeThemeMsStyles::IsRollPanelAvailable(TteKind, const QString&) { return Element(Explorerbar).IsLoaded(); }

bool TTeThemeMsStyles::IsRollPanelTransparent(TteKind, const QString&)
{
    return Element(ExplorerbarNormalGroupHead).Transparent;
}

TRect TTeThemeMsStyles::GetRollPanelClientRect(TteKind, TCanvas&, const TRect& rect, const QString&) { return rect; }

void TTeThemeMsStyles::DrawRollPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(ExplorerbarSpecialGroupBackground), canvas, rect, 1);
}

void TTeThemeMsStyles::DrawRollPanelCaption(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    DrawElementFrame(Element(ExplorerbarNormalGroupHead), canvas, InflateRectBy(info.Rect, 1), 1);
}

void TTeThemeMsStyles::DrawRollPanelButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteRollPanelButton;
    TmsuxThemeObject* button = nullptr;
    switch (ThemeEnum<TteRollPanelButton>(info.Part)) {
    case krpbRollUp: button = &Element(ExplorerbarNormalGroupCollapse); break;
    case krpbRollDown: button = &Element(ExplorerbarNormalGroupExpand); break;
    case krpbHide:
        // A style without a close button of its own lends the window's.
        button = Element(ExplorerbarHeaderclose).IsLoaded() ? &Element(ExplorerbarHeaderclose)
                                                             : &Element(WindowCloseButton);
        break;
    default: return;
    }
    DrawElementFrame(*button, canvas, info.Rect, kRollButtonFrames[ThemeEnum<TteSmallButtonState>(info.State)]);
}

// Tab.

bool TTeThemeMsStyles::IsTabAvailable(TteKind, const QString&) { return Element(Tab).IsLoaded(); }
TRect TTeThemeMsStyles::GetTabClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -1); }

void TTeThemeMsStyles::DrawTabPane(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(TabPane), canvas, rect, 1);
}

void TTeThemeMsStyles::DrawTab(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // The first tab on top has a left edge of its own.
    const bool firstOnTop = ThemeEnum<TteTabPart>(info.Part) == TteTabPart::ktpTopFirst;
    DrawElementFrame(Element(firstOnTop ? TabToptabitemleftedge : TabToptabitem), canvas, info.Rect,
                     kTabFrames[ThemeEnum<TteTabState>(info.State)]);
}

void TTeThemeMsStyles::DrawTabScrollButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // The scroll bar's arrow strip: rows up, down, left, right of the states normal, hot, pressed, disabled.
    const int frame = kSmallButtonFrames[ThemeEnum<TteSmallButtonState>(info.State)];
    if (frame == 0)
        return;
    DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect,
                     frame + 4 * kTabScrollRows[ThemeEnum<TteTabScrollButton>(info.Part)]);
}

void TTeThemeMsStyles::DrawTabText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                                   const QString& objectName)
{
    TteTheme::DrawTabText(kind, canvas, info, TabTextTurned(info, text), objectName);
}

// List box and tree.

bool TTeThemeMsStyles::IsListBoxAvailable(TteKind, const QString&) { return Element(Edit).IsLoaded(); }

void TTeThemeMsStyles::DrawListBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(Listview), canvas, rect, 1);
}

void TTeThemeMsStyles::DrawItem(TCanvas& canvas, const TteElementInfo& info) const
{
    using enum TteListItemState;
    switch (ThemeEnum<TteListItemState>(info.State)) {
    case klisNormal: case klisHot: case klisDisabled: FillRectColor(canvas, info.Rect, SysColor(clWindow)); break;
    case klisSelected: case klisFocused: FillRectColor(canvas, info.Rect, SysColor(clHighlight)); break;
    default: break;
    }
}

void TTeThemeMsStyles::DrawListBoxItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    DrawItem(canvas, info);
}

void TTeThemeMsStyles::DrawListBoxItemCheck(TteKind, TCanvas& canvas, const TteElementInfo&,
                                            const TteListCheckInfo& check, const QString&)
{
    // The check box strip's normal frames: unchecked 1, checked 5, mixed 9.
    switch (check.Check) {
    case TteListCheck::klcChecked: DrawElementFrame(Element(ButtonCheckbox), canvas, check.Rect, 5); break;
    case TteListCheck::klcUnchecked: DrawElementFrame(Element(ButtonCheckbox), canvas, check.Rect, 1); break;
    case TteListCheck::klcMixed: DrawElementFrame(Element(ButtonCheckbox), canvas, check.Rect, 9); break;
    case TteListCheck::klcGlyph:
        if (check.Glyph != nullptr && !check.Glyph->Empty()) {
            const TRect place = CenterRect(check.Glyph->BoundsRect(), check.Rect);
            check.Glyph->Draw(canvas, place.Left, place.Top);
        }
        break;
    }
}

bool TTeThemeMsStyles::IsTreeAvailable(TteKind, const QString&) { return Element(Edit).IsLoaded(); }

void TTeThemeMsStyles::DrawTree(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(Listview), canvas, rect, 1);
}

void TTeThemeMsStyles::DrawTreeItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    DrawItem(canvas, info);
}

// Grid.

bool TTeThemeMsStyles::IsGridAvailable(TteKind, const QString&) { return Element(Edit).IsLoaded(); }

void TTeThemeMsStyles::DrawGrid(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(Listview), canvas, rect, 1);
}

void TTeThemeMsStyles::DrawGridCell(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Here State tells a fixed cell and Part carries the cell's state.
    using enum TteGridCellState;
    if (ThemeEnum<TteGridCellKind>(info.State) == TteGridCellKind::kgckFixed) {
        FillRectColor(canvas, info.Rect, SysColor(clBtnFace));
        DrawBevel(canvas, info.Rect, true);
        return;
    }
    switch (ThemeEnum<TteGridCellState>(info.Part)) {
    case kgcsNormal: case kgcsDisabled: FillRectColor(canvas, info.Rect, SysColor(clWindow)); break;
    case kgcsSelected: FillRectColor(canvas, info.Rect, SysColor(clBtnFace)); break;
    case kgcsNotProduced2: case kgcsHighlighted: FillRectColor(canvas, info.Rect, SysColor(clHighlight)); break;
    default: break;
    }
}
