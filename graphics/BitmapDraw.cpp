// TteBitmap: drawing onto bitmaps and painter surfaces, tiling, drawing underneath, regions.
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapRegistry.h"
#include "graphics/RowKernels.h"

namespace {

// Saturating, so a vast rectangle moved by the painter's origin stays a vast rectangle.
int Shift(int v, int d)
{
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(v) + d, INT_MIN, INT_MAX));
}

TRect Offset(const TRect& r, int dx, int dy)
{
    return {Shift(r.Left, dx), Shift(r.Top, dy), Shift(r.Right, dx), Shift(r.Bottom, dy)};
}

TRect Intersect(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

bool Intersects(const TRect& a, const TRect& b)
{
    return !Intersect(a, b).IsEmpty();
}

// Where a painter's device is addressed pixel by pixel: a live bitmap's surface, or any other
// straight-alpha 32-bit image (the counterpart of a 32-bit section with its own memory).
struct TDirectTarget {
    TtePixelView View;
    // Logical to device pixels: the painter's translation (minus its window origin).
    int Dx = 0;
    int Dy = 0;
    // The painter's clip in device pixels, when it clips.
    std::optional<QRegion> Clip;
};

// Composes into each rectangle of the target's clip as a view of its own, so the composition
// (stretched or tiled alike) writes only inside the clip.
template <typename Compose>
void ComposeClipped(const TDirectTarget& target, const TRect& deviceRect, Compose compose)
{
    if (!target.Clip) {
        compose(target.View, deviceRect);
        return;
    }
    const QRect bounds(0, 0, target.View.Width, target.View.Height);
    for (const QRect& r : target.Clip->intersected(bounds)) {
        const TtePixelView part{target.View.Row(r.top()) + r.left(), r.width(), r.height(), target.View.Stride};
        compose(part, Offset(deviceRect, -r.left(), -r.top()));
    }
}

void PainterOffset(const QPainter& painter, int& dx, int& dy)
{
    const QTransform t = painter.deviceTransform();
    dx = static_cast<int>(t.dx());
    dy = static_cast<int>(t.dy());
}

bool FindDirectTarget(QPainter& painter, TDirectTarget& target)
{
    QPaintDevice* device = painter.device();
    if (device == nullptr)
        return false;
    if (TteBitmap* bitmap = FindBitmapBySurface(device)) {
        target.View = bitmap->View();
    } else if (device->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(device);
        if (image->format() != QImage::Format_ARGB32)
            return false;
        target.View = {reinterpret_cast<TteColor*>(image->bits()), image->width(), image->height(),
                       static_cast<int>(image->bytesPerLine() / 4)};
    } else {
        return false;
    }
    PainterOffset(painter, target.Dx, target.Dy);
    if (painter.hasClipping())
        target.Clip = painter.deviceTransform().map(painter.clipRegion());
    return true;
}

// The device's area in the painter's logical coordinates; nothing outside it can show.
TRect LogicalDeviceRect(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (device == nullptr)
        return {};
    const QRectF bounds = painter.deviceTransform().inverted().mapRect(QRectF(0, 0, device->width(), device->height()));
    const QRect r = bounds.toAlignedRect();
    return TRect::FromQRect(r);
}

// The painter route for devices without addressable pixels: the visible part of destRect is
// composed into a temporary bitmap that carries the result's alpha, then painted over.
void DrawThroughPainter(const TteBitmap& source, QPainter& painter, const TRect& destRect, const TRect& srcRect)
{
    const TRect part = Intersect(destRect, LogicalDeviceRect(painter));
    if (part.IsEmpty() || srcRect.IsEmpty())
        return;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > source.Width() || srcRect.Bottom > source.Height())
        return;
    TteBitmap buffer;
    buffer.SetSize(part.Width(), part.Height());
    const TRect inBuffer = Offset(destRect, -part.Left, -part.Top);
    QImage picture;
    switch (source.DrawMode()) {
    case TteDrawMode::dmCopy:
        // A plain copy onto a window carries no alpha: the pixels are shown as they are.
        ComposeView(buffer.View(), source.View(), inBuffer, srcRect, TteDrawMode::dmCopy);
        picture = QImage(reinterpret_cast<const uchar*>(buffer.Bits()), buffer.Width(), buffer.Height(),
                         buffer.Width() * 4, QImage::Format_RGB32);
        break;
    case TteDrawMode::dmKeyCopy:
        // Holes stay transparent; everything else is written opaque.
        buffer.Fill(TransparentKey);
        ComposeView(buffer.View(), source.View(), inBuffer, srcRect, TteDrawMode::dmKeyCopy);
        picture = buffer.Surface();
        break;
    case TteDrawMode::dmBlend:
        // Straight alpha over the device through Qt's own blending.
        ComposeView(buffer.View(), source.View(), inBuffer, srcRect, TteDrawMode::dmCopy);
        picture = buffer.Surface();
        break;
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(part.Left, part.Top), picture);
    painter.restore();
}

// The tiles of tw x th laid from destRect's top-left corner that can touch bounds, each with
// its target rectangle and the top-left part of srcRect of the same size.
template <typename Visit>
void ForEachTile(const TRect& destRect, const TRect& srcRect, const TRect& bounds, Visit visit)
{
    const long long tw = srcRect.Width(), th = srcRect.Height();
    const TRect area = Intersect(destRect, bounds);
    if (tw <= 0 || th <= 0 || area.IsEmpty())
        return;
    // Start at the first tile that reaches the visible area; tiles before it could not show.
    const long long firstX = destRect.Left + (static_cast<long long>(area.Left) - destRect.Left) / tw * tw;
    const long long firstY = destRect.Top + (static_cast<long long>(area.Top) - destRect.Top) / th * th;
    // Tiles never overlap, so their order does not change the picture; a band of tiles at a
    // time keeps the target rows in cache, where a column at a time would not.
    for (long long y = firstY; y < area.Bottom; y += th) {
        for (long long x = firstX; x < area.Right; x += tw) {
            const int w = static_cast<int>(std::min<long long>(tw, destRect.Right - x));
            const int h = static_cast<int>(std::min<long long>(th, destRect.Bottom - y));
            const TRect tile{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x) + w, static_cast<int>(y) + h};
            visit(tile, TRect{srcRect.Left, srcRect.Top, srcRect.Left + w, srcRect.Top + h});
        }
    }
}

}  // namespace

void TteBitmap::Draw(QPainter& surface, int x, int y) const
{
    Draw(surface, x, y, BoundsRect());
}

void TteBitmap::Draw(QPainter& surface, int x, int y, const TRect& srcRect) const
{
    Draw(surface, TRect{x, y, x + srcRect.Width(), y + srcRect.Height()}, srcRect);
}

void TteBitmap::Draw(QPainter& surface, const TRect& destRect) const
{
    Draw(surface, destRect, BoundsRect());
}

void TteBitmap::Draw(QPainter& surface, const TRect& destRect, const TRect& srcRect) const
{
    if (Empty())
        return;
    TDirectTarget target;
    if (FindDirectTarget(surface, target))
        ComposeClipped(target, Offset(destRect, target.Dx, target.Dy), [&](const TtePixelView& view, const TRect& dest) {
            ComposeView(view, View(), dest, srcRect, DrawMode());
        });
    else
        DrawThroughPainter(*this, surface, destRect, srcRect);
}

void TteBitmap::Draw(TteBitmap& target, int x, int y) const
{
    Draw(target, x, y, BoundsRect());
}

void TteBitmap::Draw(TteBitmap& target, int x, int y, const TRect& srcRect) const
{
    Draw(target, TRect{x, y, x + srcRect.Width(), y + srcRect.Height()}, srcRect);
}

void TteBitmap::Draw(TteBitmap& target, const TRect& destRect, const TRect& srcRect) const
{
    ComposeView(target.View(), View(), destRect, srcRect, DrawMode());
}

void TteBitmap::Tile(QPainter& surface, const TRect& destRect, const TRect& srcRect) const
{
    if (Empty())
        return;
    TDirectTarget target;
    if (FindDirectTarget(surface, target)) {
        ComposeClipped(target, Offset(destRect, target.Dx, target.Dy), [&](const TtePixelView& view, const TRect& dest) {
            TileView(view, View(), dest, srcRect, DrawMode());
        });
        return;
    }
    ForEachTile(destRect, srcRect, LogicalDeviceRect(surface),
                [&](const TRect& tile, const TRect& part) { DrawThroughPainter(*this, surface, tile, part); });
}

void TteBitmap::TileClipped(QPainter& surface, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const
{
    if (Empty())
        return;
    TDirectTarget target;
    const TRect device = FindDirectTarget(surface, target)
        ? TRect{-target.Dx, -target.Dy, target.View.Width - target.Dx, target.View.Height - target.Dy}
        : LogicalDeviceRect(surface);
    const bool clip = !clipRect.IsEmpty();
    ForEachTile(destRect, srcRect, device, [&](const TRect& tile, const TRect& part) {
        if (!clip || Intersects(tile, clipRect))
            Draw(surface, tile, part);
    });
}

namespace {

// The canvas's painter with its clip in force and its window origin as the painter's translation,
// which is how the painter forms read a window origin.
template <typename Paint>
void OnCanvas(TCanvas& canvas, Paint paint)
{
    TDeviceContext* context = canvas.Handle();
    QPainter& painter = context->Painter();
    const TPoint origin = context->WindowOrg();
    painter.save();
    painter.translate(-origin.X, -origin.Y);
    paint(painter);
    painter.restore();
}

}  // namespace

void TteBitmap::Draw(TCanvas& canvas, int x, int y) const
{
    Draw(canvas, x, y, BoundsRect());
}

void TteBitmap::Draw(TCanvas& canvas, int x, int y, const TRect& srcRect) const
{
    Draw(canvas, TRect{x, y, x + srcRect.Width(), y + srcRect.Height()}, srcRect);
}

void TteBitmap::Draw(TCanvas& canvas, const TRect& destRect) const
{
    Draw(canvas, destRect, BoundsRect());
}

void TteBitmap::Draw(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const
{
    if (!Empty())
        OnCanvas(canvas, [&](QPainter& painter) { Draw(painter, destRect, srcRect); });
}

void TteBitmap::Tile(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const
{
    if (!Empty())
        OnCanvas(canvas, [&](QPainter& painter) { Tile(painter, destRect, srcRect); });
}

void TteBitmap::TileClipped(TCanvas& canvas, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const
{
    if (!Empty())
        OnCanvas(canvas, [&](QPainter& painter) { TileClipped(painter, destRect, srcRect, clipRect); });
}

void TteBitmap::DrawUnder(const TteBitmap& source, int x, int y, const TRect& srcRect)
{
    if (Empty() || source.Empty())
        return;
    const TRect src = Intersect(srcRect, source.BoundsRect());
    for (int sy = src.Top; sy < src.Bottom; ++sy) {
        const long long ty = static_cast<long long>(y) + sy - src.Top;
        if (ty < 0 || ty >= height_)
            continue;
        for (int sx = src.Left; sx < src.Right; ++sx) {
            const long long tx = static_cast<long long>(x) + sx - src.Left;
            if (tx < 0 || tx >= width_)
                continue;
            TteColor& d = *PixelPtr(static_cast<int>(tx), static_cast<int>(ty));
            const int a = AlphaOf(d);
            if (a == 0)
                d = *source.PixelPtr(sx, sy);
            else if (a != 255)
                d = BlendPixel(d, *source.PixelPtr(sx, sy));
        }
    }
}

std::optional<QRegion> TteBitmap::CreateRegion(int x, int y) const
{
    if (Empty())
        return std::nullopt;
    // Runs of one row form a band; a row with the same runs as the band above extends it, which
    // is the banded form QRegion keeps internally.
    std::vector<QRect> rects;
    std::vector<std::pair<int, int>> runs, bandRuns;
    std::size_t bandStart = 0;
    for (int row = 0; row < height_; ++row) {
        runs.clear();
        const TteColor* line = ScanLine(row);
        for (int col = 0; col < width_;) {
            if (IsKeyPixel(line[col])) {
                ++col;
                continue;
            }
            const int start = col;
            while (col < width_ && !IsKeyPixel(line[col]))
                ++col;
            runs.emplace_back(start, col);
        }
        if (!runs.empty() && runs == bandRuns && rects.size() > bandStart) {
            for (std::size_t i = bandStart; i < rects.size(); ++i)
                rects[i].setBottom(rects[i].bottom() + 1);
            continue;
        }
        bandStart = rects.size();
        bandRuns = runs;
        for (const auto& [from, to] : runs)
            rects.emplace_back(x + from, y + row, to - from, 1);
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}
