// The flat theme's menus, control bars and tool bars.
#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/RectUtils.h"
#include "themes/FlatTheme.h"
#include "themes/FlatThemeDraw.h"
#include "themes/MenuImageGlyph.h"

using enum TteThemeColor;

namespace {

constexpr TColor kGray = 0x00808080;
constexpr TRect kBox16{0, 0, 16, 16};

// Glyph kinds 2, 3 and 4, which menus and tool bars draw alike.
void DrawSharedGlyph(TCanvas& canvas, bool lit, const TteGlyphInfo& glyph)
{
    if (glyph.GlyphKind == TteGlyphKind::kgkSubMenuArrow)
        DrawFrameGlyph(canvas, CenterRect(kBox16, glyph.Rect), DFC_MENU, DFCS_MENUARROW, canvas.Font()->Color());
    else
        DrawMenuImageGlyph(canvas, lit, glyph);
}

} // namespace

// Menu.

bool TTeFlatTheme::IsMenuAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsMenuTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetMenuClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString&)
{
    const TColor face = Color(ktcButtonNormal);
    const auto menu = ThemeEnum<TteMenuKind>(kind);
    if (menu == TteMenuKind::kmkBar) {
        FillRectColor(canvas, rect, face);
    } else if (menu == TteMenuKind::kmkPopup) {
        FillRectColor(canvas, rect, clWhite);
        FillRectColor(canvas, rect.Left, rect.Top, rect.Left + popupGutterWidth_ + 2, rect.Bottom, face);
        DrawFrameRect(canvas, rect, kGray);
    }
}

void TTeFlatTheme::DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteMenuItemPart;
    using enum TteMenuItemState;
    const TRect& r = info.Rect;
    const TColor face = Color(ktcButtonNormal);
    const auto state = ThemeEnum<TteMenuItemState>(info.State);
    const bool lit = IsLit(state);
    const auto whiteWithGutter = [&] {
        FillRectColor(canvas, r, clWhite);
        FillRectColor(canvas, r.Left, r.Top, r.Left + popupGutterWidth_, r.Bottom, face);
    };
    const auto part = ThemeEnum<TteMenuItemPart>(info.Part);
    switch (part) {
    case kmipItem:
        if (ThemeEnum<TteMenuKind>(kind) == TteMenuKind::kmkPopup) {
            if (lit)
                DrawBoxIn(canvas, r, Color(ktcButtonHot));
            else
                whiteWithGutter();
        } else if (state == kmisHot) {
            DrawBoxIn(canvas, r, Color(ktcButtonHot));
        } else {
            FillRectColor(canvas, r, face);
            if (state == kmisSelected)
                DrawFrameRect(canvas, r, kGray);
        }
        break;
    case kmipSeparator: {
        whiteWithGutter();
        TRect line = InsetRect(r, 5, r.Height() / 2);
        line.Left += popupGutterWidth_ + 2;
        FillRectColor(canvas, line, kGray);
        break;
    }
    case kmipScrollUp:
    case kmipScrollDown:
        whiteWithGutter();
        if (lit)
            DrawFrameRect(canvas, r, kGray);
        DrawArrow(canvas, CenterRect(TRect{0, 0, 14, 14}, r), part == kmipScrollUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN,
                  kGray);
        break;
    case kmipMinimize: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONMIN, clBlack); break;
    case kmipRestore: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONRESTORE, clBlack); break;
    case kmipClose: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONCLOSE, clBlack); break;
    default: break;
    }
}

void TTeFlatTheme::DrawMenuItemGlyph(TteKind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                     const QString&)
{
    switch (glyph.GlyphKind) {
    case TteGlyphKind::kgkCheck:
        DrawBoxIn(canvas, InflateRectBy(glyph.Rect, -1), Color(ktcButtonHot));
        DrawCheckMark(canvas, glyph.Rect);
        break;
    case TteGlyphKind::kgkRadio:
        FillRoundRect(canvas, CenterRect(TRect{0, 0, 6, 6}, glyph.Rect), 3, clBlack);
        break;
    default: DrawSharedGlyph(canvas, IsLit(ThemeEnum<TteMenuItemState>(info.State)), glyph); break;
    }
}

// Control bar.

bool TTeFlatTheme::IsControlBarAvailable(TteKind, const QString&) { return true; }
TRect TTeFlatTheme::GetControlBarClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

void TTeFlatTheme::DrawControlBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, Color(ktcButtonNormal));
}

// Tool bar.

bool TTeFlatTheme::IsToolBarAvailable(TteKind, const QString&) { return true; }

void TTeFlatTheme::DrawToolBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString&)
{
    if (ThemeEnum<TteToolBarKind>(kind) == TteToolBarKind::ktbkPopupMenu) {
        FillRectColor(canvas, rect, clWhite);
        DrawFrameRect(canvas, rect, kGray);
        return;
    }
    const TColor face = Color(ktcButtonNormal);
    FillRectColor(canvas, rect, OffsetColorRGB(face, 10));
    Draw3DFrame(canvas, rect, OffsetColorRGB(face, 30), OffsetColorRGB(face, -30));
}

void TTeFlatTheme::DrawToolButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteToolButtonPart;
    using enum TteToolButtonState;
    const TRect& r = info.Rect;
    const auto background = [&] {
        switch (ThemeEnum<TteToolButtonState>(info.State)) {
        case ktbsHot:
        case ktbsHotChecked: DrawBoxIn(canvas, r, Color(ktcButtonHot)); break;
        case ktbsPressed: DrawBoxIn(canvas, r, Color(ktcButtonPressed)); break;
        case ktbsAlsoChecked: DrawBoxIn(canvas, r, OffsetColorRGB(Color(ktcButtonPressed), 10)); break;
        default: break;
        }
    };
    const auto part = ThemeEnum<TteToolButtonPart>(info.Part);
    switch (part) {
    case ktbpButton:
    case ktbpSplitButton:
    case ktbpSplitDropDown:
    case ktbpDropDown:
    case ktbpNotProduced8:
        background();
        if (part == ktbpSplitDropDown)
            DrawArrow(canvas, InsetRect(r, -2, 0), DFCS_SCROLLDOWN, Color(ktcBorder));
        break;
    case ktbpSeparator: {
        TRect line = InsetRect(r, 5, r.Width() / 2);
        line.Right = line.Left + 1;
        FillRectColor(canvas, line, kGray);
        break;
    }
    case ktbpMinimize: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONMIN, clBlack); break;
    case ktbpRestore: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONRESTORE, clBlack); break;
    case ktbpClose: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONCLOSE, clBlack); break;
    case ktbpGripper:
    case ktbpVertGripper: DrawBoxIn(canvas, InflateRectBy(r, -1), Color(ktcButtonHot)); break;
    default: break;
    }
}

void TTeFlatTheme::DrawToolButtonGlyph(TteKind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                       const QString&)
{
    DrawSharedGlyph(canvas, IsLit(ThemeEnum<TteToolButtonState>(info.State)), glyph);
}
