// The visual-style theme's scroll boxes, roll panels, tabs, lists, trees and grids.
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "themes/MsStylesDraw.h"
#include "themes/MsStylesTheme.h"
#include "themes/TabTextRotation.h"

using enum TMsElement;

namespace {

// Roll-panel buttons: 0 normal, 1 hot, 2 pressed, 3 disabled (drawn as normal).
int RollButtonFrame(std::uint8_t state)
{
    switch (state) {
    case 0: case 3: return 1;
    case 1: return 2;
    case 2: return 3;
    default: return 0;
    }
}

// Tabs: 0 normal, 1 hot, 2 disabled, 3 selected, 4 selected hot, 5 selected disabled.
int TabFrame(std::uint8_t state)
{
    switch (state) {
    case 0: return 1;
    case 1: return 2;
    case 2: case 5: return 4;
    case 3: case 4: return 5;
    default: return 0;
    }
}

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
    TmsuxThemeObject* button = nullptr;
    switch (info.Part) {
    case 1: button = &Element(ExplorerbarNormalGroupCollapse); break;
    case 2: button = &Element(ExplorerbarNormalGroupExpand); break;
    case 3:
        // A style without a close button of its own lends the window's.
        button = Element(ExplorerbarHeaderclose).IsLoaded() ? &Element(ExplorerbarHeaderclose)
                                                             : &Element(WindowCloseButton);
        break;
    default: return;
    }
    DrawElementFrame(*button, canvas, info.Rect, RollButtonFrame(info.State));
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
    // Position code 1 is the first tab on top, which has a left edge of its own.
    DrawElementFrame(Element(info.Part == 1 ? TabToptabitemleftedge : TabToptabitem), canvas, info.Rect,
                     TabFrame(info.State));
}

void TTeThemeMsStyles::DrawTabScrollButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // The scroll bar's arrow strip: rows up, down, left, right of the states normal, hot, pressed, disabled.
    if (info.State > 3)
        return;
    int row = 0;
    switch (info.Part) {
    case 1: row = 2; break;
    case 2: row = 1; break;
    case 4: row = 3; break;
    default: break;
    }
    DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, info.State + 1 + 4 * row);
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
    // 0 normal, 1 hot, 2 selected, 3 focused, 4 disabled.
    switch (info.State) {
    case 0: case 1: case 4: FillRectColor(canvas, info.Rect, SysColor(clWindow)); break;
    case 2: case 3: FillRectColor(canvas, info.Rect, SysColor(clHighlight)); break;
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
    // Here State tells a fixed cell (1) and Part carries the cell's state.
    if (info.State == 1) {
        FillRectColor(canvas, info.Rect, SysColor(clBtnFace));
        DrawBevel(canvas, info.Rect, true);
        return;
    }
    switch (info.Part) {
    case 0: case 4: FillRectColor(canvas, info.Rect, SysColor(clWindow)); break;
    case 1: FillRectColor(canvas, info.Rect, SysColor(clBtnFace)); break;
    case 2: case 3: FillRectColor(canvas, info.Rect, SysColor(clHighlight)); break;
    default: break;
    }
}
