#include "themes/MenuImageGlyph.h"

#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"

namespace {

constexpr TColor kShadow = 0x00808080;

}  // namespace

void DrawMenuImageGlyph(TCanvas& canvas, bool lit, const TteGlyphInfo& glyph)
{
    if (glyph.GlyphKind != TteGlyphKind::kgkShadowedImage && glyph.GlyphKind != TteGlyphKind::kgkImage)
        return;
    if (glyph.Glyph == nullptr || glyph.Glyph->Empty())
        return;
    TRect place = CenterRect(glyph.Glyph->BoundsRect(), glyph.Rect);
    if (glyph.GlyphKind == TteGlyphKind::kgkShadowedImage && lit) {
        // The shadow is cut from an opaque copy, so the caller's image keeps its own alpha.
        place = {place.Left - 1, place.Top - 1, place.Right - 1, place.Bottom - 1};
        TteBitmap shadow;
        shadow.Assign(*glyph.Glyph);
        shadow.SetAlpha(255);
        DrawSilhouette(canvas, place.Left + 2, place.Top + 2, kShadow, shadow);
    }
    glyph.Glyph->Draw(canvas, place.Left, place.Top);
}
