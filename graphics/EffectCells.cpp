// The cell-displacement effects: cells of the new picture slide in from outside the grid.
#include <algorithm>

#include "graphics/EffectCatalogue.h"
#include "graphics/MulDiv.h"

namespace {

TteCellRecord Opaque(int column, int row)
{
    return {255, static_cast<std::int16_t>(column), static_cast<std::int16_t>(row)};
}

// Alternate rows slide in from opposite sides.
void InterlaceCells(TteCellRecord* cells, int w, int h, int p)
{
    const int d = MulDiv(100 - p, w, 100);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            cells[static_cast<std::ptrdiff_t>(j) * w + i] = Opaque(j % 2 == 1 ? i - d : i + d, j);
}

// The picture slides in from the top-left corner: its bottom-right part shows first.
void CornerCells(TteCellRecord* cells, int w, int h, int p)
{
    const int c = MulDiv(w - 1, p, 100);
    const int r = MulDiv(h - 1, p, 100);
    for (int j = 0; j <= std::min(r, h - 1); ++j)
        for (int i = 0; i <= std::min(c, w - 1); ++i)
            cells[static_cast<std::ptrdiff_t>(j) * w + i] = Opaque(w + i - c - 1, h + j - r - 1);
}

constexpr TteNamedEffect<TteCellProc> kCells[] = {
    {"Interlace", InterlaceCells},
    {"Corner", CornerCells},
};

}  // namespace

std::span<const TteNamedEffect<TteCellProc>> CellEffects()
{
    return kCells;
}
