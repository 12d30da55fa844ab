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

// The child-window buttons of the menu bar: hot and selected share a frame.
constexpr TteEnumTable<TteMenuItemState, int> kMenuButtonFrames{0,
                                                                {{TteMenuItemState::kmisNormal, 1},
                                                                 {TteMenuItemState::kmisHot, 2},
                                                                 {TteMenuItemState::kmisSelected, 2},
                                                                 {TteMenuItemState::kmisDisabled, 3}}};

constexpr TteEnumTable<TteToolButtonState, int> kToolButtonFrames{0,
                                                                  {{TteToolButtonState::ktbsNormal, 1},
                                                                   {TteToolButtonState::ktbsHot, 2},
                                                                   {TteToolButtonState::ktbsPressed, 3},
                                                                   {TteToolButtonState::ktbsAsPressed, 3},
                                                                   {TteToolButtonState::ktbsDisabled, 4},
                                                                   {TteToolButtonState::ktbsChecked, 5},
                                                                   {TteToolButtonState::ktbsAlsoChecked, 5},
                                                                   {TteToolButtonState::ktbsHotChecked, 6}}};

}  // namespace

// Menu.

bool TTeThemeMsStyles::IsMenuAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsMenuTransparent(TteKind, const QString&) { return false; }

TRect TTeThemeMsStyles::GetMenuClientRect(TteKind kind, const TRect& rect, const QString&)
{
    return ThemeEnum<TteMenuKind>(kind) == TteMenuKind::kmkPopup ? InflateRectBy(rect, -2) : rect;
}

void TTeThemeMsStyles::DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString&)
{
    const auto menu = ThemeEnum<TteMenuKind>(kind);
    if (menu > TteMenuKind::kmkPopup)
        return;
    FillRectColor(canvas, rect, MenuColor());
    if (menu == TteMenuKind::kmkPopup)
        DrawFrameRect(canvas, rect, MenuHilightColor());
}

void TTeThemeMsStyles::DrawMenuItem(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteMenuItemPart;
    const TRect& r = info.Rect;
    const auto state = ThemeEnum<TteMenuItemState>(info.State);
    const int frame = kMenuButtonFrames[state];
    const auto part = ThemeEnum<TteMenuItemPart>(info.Part);
    switch (part) {
    case kmipItem: FillRectColor(canvas, r, IsLit(state) ? MenuHilightColor() : MenuColor()); break;
    case kmipSeparator:
        FillRectColor(canvas, r, MenuColor());
        FillRectColor(canvas, r.Left + 5, r.Top + r.Height() / 2, r.Right - 5, r.Bottom - r.Height() / 2,
                      MenuHilightColor());
        break;
    case kmipScrollUp:
    case kmipScrollDown:
        FillRectColor(canvas, r, MenuColor());
        if (IsLit(state))
            DrawRoundFrame(canvas, r, 3, MenuHilightColor());
        DrawFrameGlyph(canvas, CenterRect(kScrollArrowBox, r), DFC_SCROLL,
                       part == kmipScrollUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN, kScrollArrow);
        break;
    case kmipMinimize: DrawElementFrame(Element(WindowMDIMinButton), canvas, r, frame); break;
    case kmipRestore: DrawElementFrame(Element(WindowMDIRestoreButton), canvas, r, frame); break;
    case kmipClose: DrawElementFrame(Element(WindowMDICloseButton), canvas, r, frame); break;
    default: break;
    }
}

void TTeThemeMsStyles::DrawMenuItemGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info,
                                         const TteGlyphInfo& glyph, const QString& objectName)
{
    if (glyph.GlyphKind == TteGlyphKind::kgkShadowedImage || glyph.GlyphKind == TteGlyphKind::kgkImage)
        DrawMenuImageGlyph(canvas, IsLit(ThemeEnum<TteMenuItemState>(info.State)), glyph);
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
    if (ThemeEnum<TteToolBarKind>(kind) == TteToolBarKind::ktbkPopupMenu)
        DrawMenu(ThemeByte(TteMenuKind::kmkPopup), canvas, rect, objectName);
    else
        DrawBevel(canvas, rect, true);
}

void TTeThemeMsStyles::DrawToolButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteToolButtonPart;
    const auto button = [&](TMsElement element) {
        DrawElementFrame(Element(element), canvas, info.Rect,
                         kToolButtonFrames[ThemeEnum<TteToolButtonState>(info.State)]);
    };
    switch (ThemeEnum<TteToolButtonPart>(info.Part)) {
    case ktbpButton: case ktbpNotProduced6: case ktbpNotProduced7: case ktbpNotProduced8: button(ToolbarButton); break;
    case ktbpSeparator: button(ToolbarSeparator); break;
    case ktbpSplitButton: button(ToolbarSplitbutton); break;
    case ktbpSplitDropDown: button(ToolbarSplitbuttondropdown); break;
    case ktbpDropDown: button(ToolbarDropdownbutton); break;
    case ktbpGripper: DrawElementFrame(Element(RebarGripper), canvas, info.Rect, 1); break;
    case ktbpVertGripper: DrawElementFrame(Element(RebarGrippervert), canvas, info.Rect, 1); break;
    default: break;
    }
}
