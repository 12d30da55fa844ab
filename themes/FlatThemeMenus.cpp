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
void DrawSharedGlyph(TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph)
{
    if (glyph.GlyphKind == TteGlyphKind::kgkSubMenuArrow)
        DrawFrameGlyph(canvas, CenterRect(kBox16, glyph.Rect), DFC_MENU, DFCS_MENUARROW, canvas.Font()->Color());
    else
        DrawMenuImageGlyph(canvas, info.State, glyph);
}

} // namespace

// Menu.

bool TTeFlatTheme::IsMenuAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsMenuTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetMenuClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString&)
{
    const TColor face = Color(ktcButtonNormal);
    if (kind == 0) {
        FillRectColor(canvas, rect, face);
    } else if (kind == 1) {
        FillRectColor(canvas, rect, clWhite);
        FillRectColor(canvas, rect.Left, rect.Top, rect.Left + popupGutterWidth_ + 2, rect.Bottom, face);
        DrawFrameRect(canvas, rect, kGray);
    }
}

void TTeFlatTheme::DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const TRect& r = info.Rect;
    const TColor face = Color(ktcButtonNormal);
    const bool lit = info.State == 1 || info.State == 2;
    const auto whiteWithGutter = [&] {
        FillRectColor(canvas, r, clWhite);
        FillRectColor(canvas, r.Left, r.Top, r.Left + popupGutterWidth_, r.Bottom, face);
    };
    switch (info.Part) {
    case 0:
        if (kind == 1) {
            if (lit)
                DrawBoxIn(canvas, r, Color(ktcButtonHot));
            else
                whiteWithGutter();
        } else if (info.State == 1) {
            DrawBoxIn(canvas, r, Color(ktcButtonHot));
        } else {
            FillRectColor(canvas, r, face);
            if (info.State == 2)
                DrawFrameRect(canvas, r, kGray);
        }
        break;
    case 1: {
        whiteWithGutter();
        TRect line = InsetRect(r, 5, r.Height() / 2);
        line.Left += popupGutterWidth_ + 2;
        FillRectColor(canvas, line, kGray);
        break;
    }
    case 3:
    case 4:
        whiteWithGutter();
        if (lit)
            DrawFrameRect(canvas, r, kGray);
        DrawArrow(canvas, CenterRect(TRect{0, 0, 14, 14}, r), info.Part == 3 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN, kGray);
        break;
    case 7: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONMIN, clBlack); break;
    case 8: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONRESTORE, clBlack); break;
    case 9: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONCLOSE, clBlack); break;
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
    default: DrawSharedGlyph(canvas, info, glyph); break;
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
    if (kind == 2) {
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
    const TRect& r = info.Rect;
    const auto background = [&] {
        switch (info.State) {
        case 1:
        case 6: DrawBoxIn(canvas, r, Color(ktcButtonHot)); break;
        case 2: DrawBoxIn(canvas, r, Color(ktcButtonPressed)); break;
        case 5: DrawBoxIn(canvas, r, OffsetColorRGB(Color(ktcButtonPressed), 10)); break;
        default: break;
        }
    };
    switch (info.Part) {
    case 0:
    case 3:
    case 4:
    case 5:
    case 8:
        background();
        if (info.Part == 4)
            DrawArrow(canvas, InsetRect(r, -2, 0), DFCS_SCROLLDOWN, Color(ktcBorder));
        break;
    case 1: {
        TRect line = InsetRect(r, 5, r.Width() / 2);
        line.Right = line.Left + 1;
        FillRectColor(canvas, line, kGray);
        break;
    }
    case 10: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONMIN, clBlack); break;
    case 11: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONRESTORE, clBlack); break;
    case 12: DrawCaptionGlyph(canvas, r, DFCS_CAPTIONCLOSE, clBlack); break;
    case 13:
    case 14: DrawBoxIn(canvas, InflateRectBy(r, -1), Color(ktcButtonHot)); break;
    default: break;
    }
}

void TTeFlatTheme::DrawToolButtonGlyph(TteKind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                       const QString&)
{
    DrawSharedGlyph(canvas, info, glyph);
}
