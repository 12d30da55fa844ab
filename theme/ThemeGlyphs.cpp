// The abstract theme's glyphs: bitmaps placed unscaled, the shared check mark, menu and tool
// glyph kinds, and the check boxes of check-list items.
#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"

namespace {

constexpr TRect kGlyphBox{0, 0, 16, 16};
constexpr TRect kRadioDot{0, 0, 6, 6};
constexpr TColor kListCheckFace = 0x000000FF;

bool HasGlyph(const TteBitmap* glyph)
{
    return glyph != nullptr && !glyph->Empty();
}

// The bitmap at rect's top-left, unscaled, with its own transparency.
void PlaceGlyph(TCanvas& canvas, const TteGlyphInfo& glyph)
{
    if (HasGlyph(glyph.Glyph))
        glyph.Glyph->Draw(canvas, glyph.Rect.Left, glyph.Rect.Top);
}

void CenterGlyph(TCanvas& canvas, const TteBitmap* glyph, const TRect& rect)
{
    if (HasGlyph(glyph))
        glyph->Draw(canvas, CenterRect(glyph->BoundsRect(), rect));
}

// Check mark, radio dot, sub-menu arrow or image, by glyph kind.
void DrawKindGlyph(TCanvas& canvas, const TteGlyphInfo& glyph)
{
    switch (glyph.GlyphKind) {
    case TteGlyphKind::kgkCheck:
        TteTheme::DrawCheckMark(canvas, glyph.Rect);
        break;
    case TteGlyphKind::kgkRadio:
        FillRoundRect(canvas, CenterRect(kRadioDot, glyph.Rect), 3, clBlack);
        break;
    case TteGlyphKind::kgkSubMenuArrow:
        DrawFrameGlyph(canvas, CenterRect(kGlyphBox, glyph.Rect), DFC_MENU, DFCS_MENUARROW, canvas.Font()->Color());
        break;
    case TteGlyphKind::kgkShadowedImage:
        CenterGlyph(canvas, glyph.Glyph, glyph.Rect);
        break;
    case TteGlyphKind::kgkImage:
        break;
    }
}

}  // namespace

void TteTheme::DrawCheckMark(TCanvas& canvas, const TRect& rect)
{
    const TRect box = CenterRect(kGlyphBox, rect);
    const int cx = (box.Left + box.Right) / 2 - 2;
    const int cy = (box.Top + box.Bottom) / 2 + 1;
    auto at = [&](int dx, int dy) { return TPoint{cx + dx, cy + dy}; };
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetColor(canvas.Font()->Color());
    canvas.Polyline({at(-2, -2), at(0, 0), at(4, -4), at(4, -3), at(0, 1), at(-2, -1), at(-2, -2)});
    canvas.Polyline({at(-3, -2), at(-3, -1), at(0, 2), at(5, -3), at(5, -5)});
}

void TteTheme::DrawButtonGlyph(TteKind, TCanvas& canvas, const TteElementInfo&, const TteGlyphInfo& glyph,
                               const QString&)
{
    PlaceGlyph(canvas, glyph);
}

void TteTheme::DrawHeaderSectionGlyph(TteKind, TCanvas& canvas, const TtePartInfo&, const TteGlyphInfo& glyph,
                                      const QString&)
{
    PlaceGlyph(canvas, glyph);
}

void TteTheme::DrawStatusPanelGlyph(TteKind, TCanvas& canvas, const TteElementInfo&, const TteGlyphInfo& glyph,
                                    const QString&)
{
    PlaceGlyph(canvas, glyph);
}

void TteTheme::DrawTabGlyph(TteKind, TCanvas& canvas, const TtePartInfo&, const TteGlyphInfo& glyph, const QString&)
{
    PlaceGlyph(canvas, glyph);
}

void TteTheme::DrawTreeItemGlyph(TteKind, TCanvas&, const TteElementInfo&, const TteGlyphInfo&, const QString&) {}

void TteTheme::DrawGridCellGlyph(TteKind, TCanvas&, const TtePartInfo&, const TteGlyphInfo&, const QString&) {}

void TteTheme::DrawMenuItemGlyph(TteKind, TCanvas& canvas, const TtePartInfo&, const TteGlyphInfo& glyph,
                                 const QString&)
{
    DrawKindGlyph(canvas, glyph);
}

void TteTheme::DrawToolButtonGlyph(TteKind, TCanvas& canvas, const TtePartInfo&, const TteGlyphInfo& glyph,
                                   const QString&)
{
    DrawKindGlyph(canvas, glyph);
}

void TteTheme::DrawListBoxItemCheck(TteKind, TCanvas& canvas, const TteElementInfo&, const TteListCheckInfo& check,
                                    const QString&)
{
    if (check.Check == TteListCheck::klcGlyph) {
        CenterGlyph(canvas, check.Glyph, check.Rect);
        return;
    }
    const TRect box = CenterRect(kGlyphBox, check.Rect);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(kListCheckFace);
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetColor(clBlack);
    canvas.Rectangle(box);
    if (check.Check == TteListCheck::klcChecked)
        FillRectColor(canvas, InflateRectBy(box, -3), clBlack);
    else if (check.Check == TteListCheck::klcMixed)
        FillRectColor(canvas, InflateRectBy(box, -3), clGray);
}
