#include "graphics/NineLattice.h"

#include "graphics/Bitmap.h"

namespace {

// A cell cut down to no width or height takes the pixel row or column of whole beside it.
void Widen(TRect& cell, const TRect& whole)
{
    if (cell.Width() == 0) {
        if (cell.Right < whole.Right)
            ++cell.Right;
        else if (cell.Left > whole.Left)
            --cell.Left;
    }
    if (cell.Height() == 0) {
        if (cell.Bottom < whole.Bottom)
            ++cell.Bottom;
        else if (cell.Top > whole.Top)
            --cell.Top;
    }
}

}  // namespace

TteNineLattice::TteNineLattice(const TRect& w, const TRect& m)
{
    const TRect inner{w.Left + m.Left, w.Top + m.Top, w.Right - m.Right, w.Bottom - m.Bottom};
    cells_ = {{
        inner,
        {inner.Left, w.Top, inner.Right, inner.Top},
        {inner.Left, inner.Bottom, inner.Right, w.Bottom},
        {w.Left, inner.Top, inner.Left, inner.Bottom},
        {inner.Right, inner.Top, w.Right, inner.Bottom},
        {w.Left, w.Top, inner.Left, inner.Top},
        {inner.Right, w.Top, w.Right, inner.Top},
        {w.Left, inner.Bottom, inner.Left, w.Bottom},
        {inner.Right, inner.Bottom, w.Right, w.Bottom},
    }};
}

TteNineLattice TteNineLattice::KeepingSlivers(const TRect& whole, const TRect& margins)
{
    TteNineLattice lattice(whole, margins);
    for (std::size_t i = 0; i < kCells; ++i)
        if (!IsCorner(static_cast<TteLatticeCell>(i)))
            Widen(lattice.cells_[i], whole);
    return lattice;
}

void DrawLatticeCell(TCanvas& canvas, const TteBitmap& bitmap, const TRect& dest, const TRect& src, TteCellFill fill)
{
    if (dest.IsEmpty() || src.IsEmpty())
        return;
    switch (fill) {
    case TteCellFill::kcfStretch: bitmap.Draw(canvas, dest, src); break;
    case TteCellFill::kcfTile: bitmap.Tile(canvas, dest, src); break;
    case TteCellFill::kcfOneToOne: bitmap.Draw(canvas, dest.Left, dest.Top, src); break;
    }
}
