#include "graphics/Compose.h"

#include <algorithm>
#include <cstdint>

#include "graphics/RowKernels.h"
#include "graphics/StretchMap.h"

namespace {

TRowCopyProc RowRule(TteDrawMode mode)
{
    const TRowKernels& kernels = RowKernels();
    switch (mode) {
    case TteDrawMode::dmBlend:
        return kernels.Blend;
    case TteDrawMode::dmKeyCopy:
        return kernels.KeyCopy;
    case TteDrawMode::dmCopy:
        break;
    }
    return kernels.Copy;
}

void Gather(const TteColor* sourceRow, const std::vector<int>& columns, TteColor* out)
{
    for (std::size_t i = 0; i < columns.size(); ++i)
        out[i] = sourceRow[columns[i]];
}

// The column map and row buffer of a stretched composition, kept between calls: stretching
// allocates only when it is wider than ever before on this thread. A picture drawn in bands of
// rows asks for the same columns band after band, so the map is made anew only when they change.
struct TStretchRows {
    std::vector<int> Columns;
    TArrayOfteColor Row;
    int SrcLeft = 0;
    int SrcRight = 0;
    long long DestWidth = -1;
    long long FirstColumn = 0;

    const std::vector<int>& ColumnsFor(int srcLeft, int srcRight, long long destWidth, long long firstColumn, int width)
    {
        if (srcLeft == SrcLeft && srcRight == SrcRight && destWidth == DestWidth && firstColumn == FirstColumn &&
            Columns.size() == static_cast<std::size_t>(width))
            return Columns;
        Columns.resize(static_cast<std::size_t>(width));
        const TStretchMap columnMap(srcLeft, srcRight, destWidth);
        for (int i = 0; i < width; ++i)
            Columns[static_cast<std::size_t>(i)] = columnMap(firstColumn + i);
        SrcLeft = srcLeft;
        SrcRight = srcRight;
        DestWidth = destWidth;
        FirstColumn = firstColumn;
        return Columns;
    }
};

TStretchRows& StretchRows()
{
    thread_local TStretchRows rows;
    return rows;
}

}  // namespace

void ComposeView(const TtePixelView& target, const TtePixelView& source, const TRect& destRect, const TRect& srcRect,
                 TteDrawMode mode)
{
    if (srcRect.IsEmpty() || target.IsNull() || source.IsNull())
        return;
    const TRect visible{std::max(destRect.Left, 0), std::max(destRect.Top, 0), std::min(destRect.Right, target.Width),
                        std::min(destRect.Bottom, target.Height)};
    if (visible.IsEmpty())
        return;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > source.Width || srcRect.Bottom > source.Height)
        return;

    // 64-bit: a target rectangle may span more than the int range even when its visible part is small.
    const long long destWidth = static_cast<long long>(destRect.Right) - destRect.Left;
    const long long destHeight = static_cast<long long>(destRect.Bottom) - destRect.Top;
    const long long firstColumn = static_cast<long long>(visible.Left) - destRect.Left;
    const int width = visible.Width();
    const TRowCopyProc rule = RowRule(mode);

    if (destWidth == srcRect.Width() && destHeight == srcRect.Height()) {
        const int sx = srcRect.Left + static_cast<int>(firstColumn);
        for (int y = visible.Top; y < visible.Bottom; ++y) {
            const int sy = static_cast<int>(srcRect.Top + (static_cast<long long>(y) - destRect.Top));
            rule(source.Row(sy) + sx, target.Row(y) + visible.Left, static_cast<std::size_t>(width));
        }
        return;
    }

    TStretchRows& scratch = StretchRows();
    const std::vector<int>& columns = scratch.ColumnsFor(srcRect.Left, srcRect.Right, destWidth, firstColumn, width);
    const TStretchMap rowMap(srcRect.Top, srcRect.Bottom, destHeight);
    int lastRow = -1;
    if (mode == TteDrawMode::dmCopy) {
        for (int y = visible.Top; y < visible.Bottom; ++y) {
            const int sy = rowMap(static_cast<long long>(y) - destRect.Top);
            TteColor* out = target.Row(y) + visible.Left;
            if (sy == lastRow)
                rule(out - target.Stride, out, static_cast<std::size_t>(width));
            else
                Gather(source.Row(sy), columns, out);
            lastRow = sy;
        }
        return;
    }
    TArrayOfteColor& buffer = scratch.Row;
    buffer.resize(static_cast<std::size_t>(width));
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const int sy = rowMap(static_cast<long long>(y) - destRect.Top);
        if (sy != lastRow)
            Gather(source.Row(sy), columns, buffer.data());
        lastRow = sy;
        rule(buffer.data(), target.Row(y) + visible.Left, static_cast<std::size_t>(width));
    }
}

void TileView(const TtePixelView& target, const TtePixelView& source, const TRect& destRect, const TRect& srcRect,
              TteDrawMode mode)
{
    if (srcRect.IsEmpty() || target.IsNull() || source.IsNull())
        return;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > source.Width || srcRect.Bottom > source.Height)
        return;
    const TRect visible{std::max(destRect.Left, 0), std::max(destRect.Top, 0), std::min(destRect.Right, target.Width),
                        std::min(destRect.Bottom, target.Height)};
    if (visible.IsEmpty())
        return;
    const long long tw = srcRect.Width(), th = srcRect.Height();
    // The tile column that holds the first visible pixel; earlier ones cannot show.
    const long long firstX = destRect.Left + (static_cast<long long>(visible.Left) - destRect.Left) / tw * tw;
    const TRowCopyProc rule = RowRule(mode);
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const int sy = srcRect.Top + static_cast<int>((static_cast<long long>(y) - destRect.Top) % th);
        const TteColor* sourceRow = source.Row(sy) + srcRect.Left;
        TteColor* targetRow = target.Row(y);
        for (long long x = firstX; x < visible.Right; x += tw) {
            const long long from = std::max<long long>(x, visible.Left);
            const long long to = std::min<long long>(x + tw, visible.Right);
            rule(sourceRow + (from - x), targetRow + from, static_cast<std::size_t>(to - from));
        }
    }
}
