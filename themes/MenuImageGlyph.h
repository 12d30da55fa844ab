#pragma once
// The image glyphs of menu items and tool buttons (glyph kinds 3 and 4), drawn alike by every theme kind
// that lifts a hot image over its shadow.
#include "theme/ThemeParts.h"
#include "theme/ThemeRecords.h"

class TCanvas;

// A menu item the pointer or its open popup lights, and a tool button the pointer or a press lights.
constexpr bool IsLit(TteMenuItemState state)
{
    return state == TteMenuItemState::kmisHot || state == TteMenuItemState::kmisSelected;
}
constexpr bool IsLit(TteToolButtonState state)
{
    return state == TteToolButtonState::ktbsHot || state == TteToolButtonState::ktbsPressed;
}

// The glyph centred in glyph.Rect; a shadowed image (kind 3) of a lit item (hot, or selected or
// pressed) is lifted one pixel up and left over a grey silhouette two pixels down and right. Nothing
// without a glyph bitmap or for the other glyph kinds.
void DrawMenuImageGlyph(TCanvas& canvas, bool lit, const TteGlyphInfo& glyph);
