#pragma once
// A picture cut into nine cells by margins: four corners of the margins' size, four edges between
// them and the centre. The same cut of a source picture and of a destination draws the picture into
// any size, corners kept whole and edges and centre stretched or tiled.
#include <array>
#include <cstdint>

#include "framework/Types.h"

class TCanvas;
class TteBitmap;

// The cells in the order they are drawn: the centre, the edges, then the corners over whatever an
// edge of a destination smaller than its margins overhangs.
enum class TteLatticeCell : std::uint8_t {
    klcCentre,
    klcTop,
    klcBottom,
    klcLeft,
    klcRight,
    klcTopLeft,
    klcTopRight,
    klcBottomLeft,
    klcBottomRight,
};

// How a source cell fills its destination cell; one to one sits at the destination's top-left.
enum class TteCellFill : std::uint8_t { kcfStretch, kcfTile, kcfOneToOne };

// How the centre and the edges are filled; corners are always copied one to one.
struct TteLatticeFills {
    TteCellFill Centre;
    TteCellFill Edges;
};

class TteNineLattice {
public:
    static constexpr std::size_t kCells = 9;

    // whole cut by margins, whose Left, Top, Right and Bottom are the widths of the four sides.
    TteNineLattice(const TRect& whole, const TRect& margins);
    // As the plain cut, but a centre or edge cut down to no width or height keeps one pixel row or
    // column of whole, so a picture no larger than its margins still shows its edges.
    static TteNineLattice KeepingSlivers(const TRect& whole, const TRect& margins);

    const TRect& Cell(TteLatticeCell cell) const { return cells_[static_cast<std::size_t>(cell)]; }
    static constexpr bool IsCorner(TteLatticeCell cell) { return cell >= TteLatticeCell::klcTopLeft; }
    static constexpr TteCellFill FillOf(TteLatticeCell cell, TteLatticeFills fills)
    {
        return cell == TteLatticeCell::klcCentre ? fills.Centre
               : IsCorner(cell)                  ? TteCellFill::kcfOneToOne
                                                 : fills.Edges;
    }

private:
    std::array<TRect, kCells> cells_;
};

// The source cell into the destination cell; nothing when either is empty (a destination smaller
// than the margins turns cells inside out, and they have nothing to show).
void DrawLatticeCell(TCanvas& canvas, const TteBitmap& bitmap, const TRect& dest, const TRect& src, TteCellFill fill);

// Every cell of src into the same cell of dest, in drawing order. ready(cell, destCell) runs before
// each and answers whether to draw it: the caller's place to clip or to set the picture's flags.
template <class Ready>
void DrawNineLattice(TCanvas& canvas, const TteBitmap& bitmap, const TteNineLattice& dest, const TteNineLattice& src,
                     TteLatticeFills fills, Ready&& ready)
{
    for (std::size_t i = 0; i < TteNineLattice::kCells; ++i) {
        const auto cell = static_cast<TteLatticeCell>(i);
        if (ready(cell, dest.Cell(cell)))
            DrawLatticeCell(canvas, bitmap, dest.Cell(cell), src.Cell(cell), TteNineLattice::FillOf(cell, fills));
    }
}

inline void DrawNineLattice(TCanvas& canvas, const TteBitmap& bitmap, const TteNineLattice& dest,
                            const TteNineLattice& src, TteLatticeFills fills)
{
    DrawNineLattice(canvas, bitmap, dest, src, fills, [](TteLatticeCell, const TRect&) { return true; });
}
