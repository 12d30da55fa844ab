#pragma once
// Composition of a rectangle of one pixel view into a rectangle of another, one to one or
// stretched by nearest-pixel sampling, with the row rule of a drawing mode.
#include "framework/Types.h"
#include "graphics/PixelView.h"

// Which row rule applies: a bitmap's AlphaBlend flag means blend, else Transparent means key
// copy, else plain copy.
enum class TteDrawMode { dmCopy, dmKeyCopy, dmBlend };

// Draws nothing for an empty source rectangle, a source rectangle that leaves the source, or a
// target rectangle outside the target.
void ComposeView(const TtePixelView& target, const TtePixelView& source, const TRect& destRect, const TRect& srcRect,
                 TteDrawMode mode);

// srcRect repeated one to one over destRect from its top-left corner (tiles cut by destRect's
// right or bottom edge take the top-left part of srcRect), row by row across all tiles so the
// target is written in memory order. Draws nothing when srcRect is empty or leaves the source.
void TileView(const TtePixelView& target, const TtePixelView& source, const TRect& destRect, const TRect& srcRect,
              TteDrawMode mode);
