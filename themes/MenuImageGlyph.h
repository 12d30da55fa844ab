#pragma once
// The image glyphs of menu items and tool buttons (glyph kinds 3 and 4), drawn alike by every theme kind
// that lifts a hot image over its shadow.
#include <cstdint>

#include "theme/ThemeRecords.h"

class TCanvas;

// The glyph centred in glyph.Rect; a shadowed image (kind 3) of a hot or selected item (state 1 or 2) is
// lifted one pixel up and left over a grey silhouette two pixels down and right. Nothing without a
// glyph bitmap or for the other glyph kinds.
void DrawMenuImageGlyph(TCanvas& canvas, std::uint8_t state, const TteGlyphInfo& glyph);
