#include "graphics/EffectCompose.h"

#include <algorithm>

#include "graphics/Bitmap.h"
#include "graphics/MulDiv.h"
#include "graphics/RectUtils.h"
#include "graphics/RowKernels.h"

TSize RotatedGridSize(int columns, int rows, TteRotation rotation)
{
    const bool quarter = rotation == TteRotation::krRotate90 || rotation == TteRotation::krRotate270;
    return quarter ? TSize{rows, columns} : TSize{columns, rows};
}

TPoint RotateCell(int a, int b, int columns, int rows, TteRotation rotation)
{
    switch (rotation) {
    case TteRotation::krRotate90:
        return {b, rows - 1 - a};
    case TteRotation::krRotate180:
        return {columns - 1 - a, rows - 1 - b};
    case TteRotation::krRotate270:
        return {columns - 1 - b, a};
    case TteRotation::krNone:
        break;
    }
    return {a, b};
}

namespace {

template <typename T, typename Place>
void RotateGrid(const T* filled, T* grid, int columns, int rows, TteRotation rotation, Place place)
{
    const TSize size = RotatedGridSize(columns, rows, rotation);
    for (int b = 0; b < size.cy; ++b)
        for (int a = 0; a < size.cx; ++a) {
            const TPoint to = RotateCell(a, b, columns, rows, rotation);
            grid[static_cast<std::ptrdiff_t>(to.Y) * columns + to.X] =
                place(filled[static_cast<std::ptrdiff_t>(b) * size.cx + a]);
        }
}

}  // namespace

void RotateMask(const std::uint8_t* filled, std::uint8_t* mask, int columns, int rows, TteRotation rotation)
{
    RotateGrid(filled, mask, columns, rows, rotation, [](std::uint8_t v) { return v; });
}

void RotateCells(const TteCellRecord* filled, TteCellRecord* cells, int columns, int rows, TteRotation rotation)
{
    RotateGrid(filled, cells, columns, rows, rotation, [&](const TteCellRecord& record) {
        const TPoint source = RotateCell(record.Column, record.Row, columns, rows, rotation);
        return TteCellRecord{record.Alpha, static_cast<std::int16_t>(source.X), static_cast<std::int16_t>(source.Y)};
    });
}

void SetMaskAlpha(TteBitmap& picture, const std::uint8_t* mask, int columns, int rows, int resolution, int tileCount)
{
    const int tileWidth = resolution * columns;
    const int tileHeight = resolution * rows;
    // 16.16 fixed-point steps through the mask per pixel (64 bits: grids may be wider than 32767).
    const std::int64_t stepX = static_cast<std::int64_t>(columns) * 65536 / tileWidth;
    const std::int64_t stepY = static_cast<std::int64_t>(rows) * 65536 / tileHeight;
    for (int t = 0; t < tileCount; ++t)
        for (int c = 0; c < tileCount; ++c) {
            const TRect tile{c * tileWidth, t * tileHeight, (c + 1) * tileWidth, (t + 1) * tileHeight};
            const TRect visible = IntersectRects(tile, picture.BoundsRect());
            if (RectIsEmpty(visible))
                continue;
            const std::int64_t startX = MulDiv(columns * (visible.Left - tile.Left), 65535, tileWidth);
            std::int64_t cellY = MulDiv(rows * (visible.Top - tile.Top), 65535, tileHeight);
            for (int y = visible.Top; y < visible.Bottom; ++y, cellY += stepY) {
                const std::uint8_t* maskRow = mask + std::min<std::int64_t>(cellY >> 16, rows - 1) * columns;
                TteColor* pixel = picture.PixelPtr(visible.Left, y);
                std::int64_t cellX = startX;
                for (int x = visible.Left; x < visible.Right; ++x, ++pixel, cellX += stepX)
                    *pixel = (*pixel & kRgbMask) | static_cast<TteColor>(maskRow[std::min<std::int64_t>(cellX >> 16, columns - 1)]) << 24;
            }
        }
}

void ComposeCells(TteBitmap& work, const TteBitmap& newPicture, const TteCellRecord* cells, int columns, int rows,
                  int resolution, int tileCount)
{
    // A cell that sticks out of its tile is cut at the tile's edge, so tiles never draw over each other.
    const int tileWidth = work.Width() / tileCount + 1;
    const int tileHeight = work.Height() / tileCount + 1;
    const int r = resolution;
    for (int t = 0; t < tileCount; ++t)
        for (int m = 0; m < tileCount; ++m) {
            const TPoint origin{tileWidth * m, tileHeight * t};
            // What this tile may write (the work picture) and read (the new picture), tile-relative.
            const int writeRight = std::min(tileWidth, work.Width() - origin.X);
            const int writeBottom = std::min(tileHeight, work.Height() - origin.Y);
            const int readRight = std::min(tileWidth, newPicture.Width() - origin.X);
            const int readBottom = std::min(tileHeight, newPicture.Height() - origin.Y);
            if (writeRight <= 0 || writeBottom <= 0 || readRight <= 0 || readBottom <= 0)
                continue;
            for (int j = 0; j < rows && j * r < writeBottom; ++j)
                for (int i = 0; i < columns && i * r < writeRight; ++i) {
                    const TteCellRecord& record = cells[static_cast<std::ptrdiff_t>(j) * columns + i];
                    if (record.Alpha == 0)
                        continue;
                    const int dx = r * (record.Column - i);
                    const int dy = r * (record.Row - j);
                    for (int l = j * r; l < std::min((j + 1) * r, writeBottom); ++l) {
                        const int sy = l + dy;
                        if (sy < 0 || sy >= readBottom)
                            continue;
                        TteColor* target = work.PixelPtr(origin.X, origin.Y + l);
                        const TteColor* source = newPicture.PixelPtr(origin.X, origin.Y + sy);
                        for (int k = i * r; k < std::min((i + 1) * r, writeRight); ++k) {
                            const int sx = k + dx;
                            if (sx < 0 || sx >= readRight || AlphaOf(source[sx]) == 0)
                                continue;
                            target[k] = record.Alpha >= 255
                                            ? source[sx]
                                            : BlendPixel((source[sx] & kRgbMask) | static_cast<TteColor>(record.Alpha) << 24,
                                                         target[k]);
                        }
                    }
                }
        }
}

void ClearKeyAlpha(TteBitmap& picture)
{
    for (int y = 0; y < picture.Height(); ++y)
        RowKernels().ClearKeyAlpha(picture.ScanLine(y), static_cast<std::size_t>(picture.Width()), TransparentKey);
}
