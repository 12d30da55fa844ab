// The visual-style theme's menus, control bars and tool bars.
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"
#include "themes/MenuImageGlyph.h"
#include "themes/MsStylesDraw.h"
#include "themes/MsStylesTheme.h"

using enum TMsElement;

namespace {

constexpr TColor kScrollArrow = 0x00808080;
constexpr TRect kScrollArrowBox{0, 0, 14, 14};

// Menu items: 0 normal, 1 hot, 2 selected, 3 disabled; hot and selected share a frame.
int MenuButtonFrame(std::uint8_t state)
{
    switch (state) {
    case 0: return 1;
    case 1: case 2: return 2;
    case 3: return 3;
    default: return 0;
    }
}

// Tool buttons: 0 normal, 1 hot, 2 pressed, 3 disabled, 4 and 5 checked, 6 hot and checked, 7 as pressed.
int ToolButtonFrame(std::uint8_t state)
{
    switch (state) {
    case 0: return 1;
    case 1: return 2;
    case 2: case 7: return 3;
    case 3: return 4;
    case 4: case 5: return 5;
    case 6: return 6;
    default: return 0;
    }
}

bool IsLit(std::uint8_t state) { return state == 1 || state == 2; }

}  // namespace

// Menu.

bool TTeThemeMsStyles::IsMenuAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsMenuTransparent(TteKind, const QString&) { return false; }

TRect TTeThemeMsStyles::GetMenuClientRect(TteKind kind, const TRect& rect, const QString&)
{
    return kind == 1 ? InflateRectBy(rect, -2) : rect;
}

void TTeThemeMsStyles::DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString&)
{
    if (kind > 1)
        return;
    FillRectColor(canvas, rect, MenuColor());
    if (kind == 1)
        DrawFrameRect(canvas, rect, MenuHilightColor());
}

void TTeThemeMsStyles::DrawMenuItem(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const TRect& r = info.Rect;
    switch (info.Part) {
    case 0: FillRectColor(canvas, r, IsLit(info.State) ? MenuHilightColor() : MenuColor()); break;
    case 1:
        FillRectColor(canvas, r, MenuColor());
        FillRectColor(canvas, r.Left + 5, r.Top + r.Height() / 2, r.Right - 5, r.Bottom - r.Height() / 2,
                      MenuHilightColor());
        break;
    case 3:
    case 4:
        FillRectColor(canvas, r, MenuColor());
        if (IsLit(info.State))
            DrawRoundFrame(canvas, r, 3, MenuHilightColor());
        DrawFrameGlyph(canvas, CenterRect(kScrollArrowBox, r), DFC_SCROLL,
                       info.Part == 3 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN, kScrollArrow);
        break;
    case 7: DrawElementFrame(Element(WindowMDIMinButton), canvas, r, MenuButtonFrame(info.State)); break;
    case 8: DrawElementFrame(Element(WindowMDIRestoreButton), canvas, r, MenuButtonFrame(info.State)); break;
    case 9: DrawElementFrame(Element(WindowMDICloseButton), canvas, r, MenuButtonFrame(info.State)); break;
    default: break;
    }
}

void TTeThemeMsStyles::DrawMenuItemGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info,
                                         const TteGlyphInfo& glyph, const QString& objectName)
{
    if (glyph.GlyphKind == TteGlyphKind::kgkShadowedImage || glyph.GlyphKind == TteGlyphKind::kgkImage)
        DrawMenuImageGlyph(canvas, info.State, glyph);
    else
        TteTheme::DrawMenuItemGlyph(kind, canvas, info, glyph, objectName);
}

// Control bar.

bool TTeThemeMsStyles::IsControlBarAvailable(TteKind, const QString&) { return true; }
TRect TTeThemeMsStyles::GetControlBarClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

void TTeThemeMsStyles::DrawControlBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(Rebar), canvas, rect, 1);
}

// Tool bar.

bool TTeThemeMsStyles::IsToolBarAvailable(TteKind, const QString&) { return Element(Rebar).IsLoaded(); }

void TTeThemeMsStyles::DrawToolBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    // Kind 2 is a tool bar that stands in for a popup menu.
    if (kind == 2)
        DrawMenu(1, canvas, rect, objectName);
    else
        DrawBevel(canvas, rect, true);
}

void TTeThemeMsStyles::DrawToolButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const auto button = [&](TMsElement element) {
        DrawElementFrame(Element(element), canvas, info.Rect, ToolButtonFrame(info.State));
    };
    switch (info.Part) {
    case 0: case 6: case 7: case 8: button(ToolbarButton); break;
    case 1: button(ToolbarSeparator); break;
    case 3: button(ToolbarSplitbutton); break;
    case 4: button(ToolbarSplitbuttondropdown); break;
    case 5: button(ToolbarDropdownbutton); break;
    case 13: DrawElementFrame(Element(RebarGripper), canvas, info.Rect, 1); break;
    case 14: DrawElementFrame(Element(RebarGrippervert), canvas, info.Rect, 1); break;
    default: break;
    }
}
