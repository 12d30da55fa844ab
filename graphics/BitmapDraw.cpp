// TteBitmap: drawing onto bitmaps and painter surfaces, tiling, drawing underneath, regions.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <vector>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapRegistry.h"
#include "graphics/NearestImageDrawing.h"
#include "graphics/RectUtils.h"
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

bool Intersects(const TRect& a, const TRect& b)
{
    return !IntersectRects(a, b).IsEmpty();
}

// Where drawing is composed pixel by pixel by the row kernels: a live bitmap's pixels, or any other
// straight-alpha 32-bit image (the counterpart of a 32-bit section with its own memory).
struct TDirectTarget {
    TtePixelView View;
    // Logical to device pixels: a pure translation.
    int Dx = 0;
    int Dy = 0;
    // The clip in device pixels, when Clipped.
    QRegion Clip;
    bool Clipped = false;
};

// Composes into each rectangle of the target's clip as a view of its own, so the composition
// (stretched or tiled alike) writes only inside the clip.
template <typename Compose>
void ComposeClipped(const TDirectTarget& target, const TRect& deviceRect, Compose compose)
{
    if (!target.Clipped) {
        compose(target.View, deviceRect);
        return;
    }
    const QRect bounds(0, 0, target.View.Width, target.View.Height);
    for (const QRect& clipRect : target.Clip) {
        const QRect r = clipRect.intersected(bounds);
        if (r.isEmpty())
            continue;
        const TtePixelView part{target.View.Row(r.top()) + r.left(), r.width(), r.height(), target.View.Stride};
        compose(part, Offset(deviceRect, -r.left(), -r.top()));
    }
}

// The pixels of an image device that the kernels may write: a bitmap's own store, or an image of
// the kernels' pixel format.
bool PixelsOf(QImage* image, TtePixelView& view)
{
    if (image == nullptr)
        return false;
    if (const TteBitmap* bitmap = FindBitmapBySurface(image)) {
        view = bitmap->View();
        return true;
    }
    if (image->format() != QImage::Format_ARGB32)
        return false;
    view = {reinterpret_cast<TteColor*>(image->bits()), image->width(), image->height(),
            static_cast<int>(image->bytesPerLine() / 4)};
    return true;
}

bool IsWholePixelTranslation(const QTransform& t)
{
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy()) &&
           std::abs(t.dx()) <= INT_MAX && std::abs(t.dy()) <= INT_MAX;
}

// A painter's device is composed into only when it is an image and the painter's whole transform
// (its own, and a device pixel ratio of the image) moves by whole pixels; a scaled painter or a
// widget gets the picture through the painter.
bool DirectTargetOf(QPainter& painter, TDirectTarget& target)
{
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image)
        return false;
    const QTransform t = painter.deviceTransform();
    if (!IsWholePixelTranslation(t) || !PixelsOf(static_cast<QImage*>(device), target.View))
        return false;
    target.Dx = static_cast<int>(t.dx());
    target.Dy = static_cast<int>(t.dy());
    if (painter.hasClipping()) {
        target.Clip = painter.clipRegion().translated(target.Dx, target.Dy);
        target.Clipped = true;
    }
    return true;
}

// A canvas's device is composed into straight from its context's origin and clip, without its
// painter, by the same rule.
bool DirectTargetOf(TDeviceContext& context, TDirectTarget& target)
{
    if (!PixelsOf(context.DirectImage(), target.View))
        return false;
    const TPoint origin = context.WindowOrg();
    target.Dx = -origin.X;
    target.Dy = -origin.Y;
    if (context.HasClip()) {
        target.Clip = context.ClipRegion();
        target.Clipped = true;
    }
    return true;
}

// The area the painter can reach, in its logical coordinates: the pixels of the device its engine
// draws on (a widget's backing store, a grab's pixmap) mapped back through its whole transform.
TRect LogicalDeviceRect(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine != nullptr ? engine->paintDevice() : nullptr;
    const QTransform t = painter.deviceTransform();
    if (device == nullptr || !t.isInvertible())
        return {};
    const QRectF bounds = t.inverted().mapRect(QRectF(0, 0, device->width(), device->height()));
    return TRect::FromQRect(bounds.toAlignedRect());
}

// Key-transparent and stretched pictures for the painter route are composed here first, a band of
// rows at a time. The memory is kept, so the route allocates only for a wider picture than before.
class TPictureBands {
public:
    // Every picture reaches the painter at most this many rows at a time: Qt's raster engine hands
    // a blend of many spans (a band under a clip that cuts its rows) to its thread pool, and waking
    // the pool costs more than blending a band of a window's control. Rows are drawn alike alone
    // or together, so the bands change no pixel.
    static constexpr int kRows = 16;

    // width x rows pixels (rows <= kRows), shown by both images from their top-left corner.
    TtePixelView Band(int width, int rows)
    {
        if (width > width_)
            Grow(width);
        return {pixels_.data(), width, rows, width_};
    }
    const QImage& Straight() const { return straight_; }
    const QImage& Opaque() const { return opaque_; }

private:
    void Grow(int width)
    {
        straight_ = QImage();
        opaque_ = QImage();
        pixels_.assign(static_cast<std::size_t>(width) * kRows, 0);
        width_ = width;
        auto* bits = reinterpret_cast<uchar*>(pixels_.data());
        const qsizetype stride = static_cast<qsizetype>(width) * 4;
        straight_ = QImage(bits, width, kRows, stride, QImage::Format_ARGB32);
        opaque_ = QImage(bits, width, kRows, stride, QImage::Format_RGB32);
    }

    TArrayOfteColor pixels_;
    int width_ = 0;
    QImage straight_;
    QImage opaque_;
};

TPictureBands& PictureBands()
{
    static TPictureBands bands;
    return bands;
}

// The tiles of tw x th laid from destRect's top-left corner that can touch bounds, each with
// its target rectangle and the top-left part of srcRect of the same size.
template <typename Visit>
void ForEachTile(const TRect& destRect, const TRect& srcRect, const TRect& bounds, Visit visit)
{
    const long long tw = srcRect.Width(), th = srcRect.Height();
    const TRect area = IntersectRects(destRect, bounds);
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

// The canvas's painter with its window origin as the painter's translation, which is how the
// painter forms read a window origin; the painter's transform is put back afterwards.
template <typename Paint>
void OnCanvasPainter(TDeviceContext& context, Paint paint)
{
    QPainter& painter = context.Painter();
    const TPoint origin = context.WindowOrg();
    const QTransform saved = painter.worldTransform();
    painter.translate(-origin.X, -origin.Y);
    try {
        paint(painter);
    } catch (...) {
        painter.setWorldTransform(saved);
        throw;
    }
    painter.setWorldTransform(saved);
}

// Draws destRect on a canvas: straight into its pixels by compose(view, device rectangle) where the
// row kernels may, else through the canvas's painter.
template <typename Compose, typename ThroughPainter>
void OnCanvas(TCanvas& canvas, const TRect& destRect, Compose compose, ThroughPainter throughPainter)
{
    TDeviceContext& context = *canvas.Handle();
    TDirectTarget target;
    if (DirectTargetOf(context, target))
        ComposeClipped(target, Offset(destRect, target.Dx, target.Dy), compose);
    else
        OnCanvasPainter(context, throughPainter);
}

}  // namespace

void TteBitmap::DrawThroughPainter(QPainter& painter, const TRect& destRect, const TRect& srcRect) const
{
    if (srcRect.IsEmpty() || srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > width_ || srcRect.Bottom > height_)
        return;
    const TRect part = IntersectRects(destRect, LogicalDeviceRect(painter));
    if (part.IsEmpty())
        return;
    const TNearestImageDrawing nearest(painter);
    const TteDrawMode mode = DrawMode();
    const bool oneToOne = static_cast<long long>(destRect.Right) - destRect.Left == srcRect.Width() &&
                          static_cast<long long>(destRect.Bottom) - destRect.Top == srcRect.Height();
    if (oneToOne && mode != TteDrawMode::dmKeyCopy) {
        // Straight from the bitmap's memory: a plain copy shows the colours as they are (alpha
        // dropped), a blended picture goes over the device through Qt's own blending.
        const QImage& image = mode == TteDrawMode::dmCopy ? opaque_ : surface_;
        const int left = srcRect.Left + part.Left - destRect.Left;
        for (int top = part.Top; top < part.Bottom; top += TPictureBands::kRows) {
            const int rows = std::min(TPictureBands::kRows, part.Bottom - top);
            painter.drawImage(QPoint(part.Left, top), image,
                              QRect(left, srcRect.Top + top - destRect.Top, part.Width(), rows));
        }
        return;
    }
    // Key holes stay transparent and everything else is written opaque; stretching follows the
    // bitmap's own nearest-pixel map.
    TPictureBands& bands = PictureBands();
    for (int top = part.Top; top < part.Bottom; top += TPictureBands::kRows) {
        const int rows = std::min(TPictureBands::kRows, part.Bottom - top);
        const TtePixelView band = bands.Band(part.Width(), rows);
        const TRect inBand = Offset(destRect, -part.Left, -top);
        if (mode == TteDrawMode::dmKeyCopy) {
            for (int y = 0; y < rows; ++y)
                std::fill_n(band.Row(y), band.Width, TransparentKey);
            ComposeView(band, View(), inBand, srcRect, TteDrawMode::dmKeyCopy);
        } else {
            ComposeView(band, View(), inBand, srcRect, TteDrawMode::dmCopy);
        }
        painter.drawImage(QPoint(part.Left, top), mode == TteDrawMode::dmCopy ? bands.Opaque() : bands.Straight(),
                          QRect(0, 0, part.Width(), rows));
    }
}

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
    if (DirectTargetOf(surface, target))
        ComposeClipped(target, Offset(destRect, target.Dx, target.Dy), [&](const TtePixelView& view, const TRect& dest) {
            ComposeView(view, View(), dest, srcRect, DrawMode());
        });
    else
        DrawThroughPainter(surface, destRect, srcRect);
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
    if (DirectTargetOf(surface, target)) {
        ComposeClipped(target, Offset(destRect, target.Dx, target.Dy), [&](const TtePixelView& view, const TRect& dest) {
            TileView(view, View(), dest, srcRect, DrawMode());
        });
        return;
    }
    ForEachTile(destRect, srcRect, LogicalDeviceRect(surface),
                [&](const TRect& tile, const TRect& part) { DrawThroughPainter(surface, tile, part); });
}

void TteBitmap::TileClipped(QPainter& surface, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const
{
    if (Empty())
        return;
    TDirectTarget target;
    const TRect device = DirectTargetOf(surface, target)
        ? TRect{-target.Dx, -target.Dy, target.View.Width - target.Dx, target.View.Height - target.Dy}
        : LogicalDeviceRect(surface);
    const bool clip = !clipRect.IsEmpty();
    ForEachTile(destRect, srcRect, device, [&](const TRect& tile, const TRect& part) {
        if (!clip || Intersects(tile, clipRect))
            Draw(surface, tile, part);
    });
}

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
    if (Empty())
        return;
    OnCanvas(
        canvas, destRect,
        [&](const TtePixelView& view, const TRect& dest) { ComposeView(view, View(), dest, srcRect, DrawMode()); },
        [&](QPainter& painter) { Draw(painter, destRect, srcRect); });
}

void TteBitmap::Tile(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const
{
    if (Empty())
        return;
    OnCanvas(
        canvas, destRect,
        [&](const TtePixelView& view, const TRect& dest) { TileView(view, View(), dest, srcRect, DrawMode()); },
        [&](QPainter& painter) { Tile(painter, destRect, srcRect); });
}

void TteBitmap::TileClipped(TCanvas& canvas, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const
{
    if (Empty())
        return;
    TDeviceContext& context = *canvas.Handle();
    TDirectTarget target;
    if (!DirectTargetOf(context, target)) {
        OnCanvasPainter(context, [&](QPainter& painter) { TileClipped(painter, destRect, srcRect, clipRect); });
        return;
    }
    const TRect device{-target.Dx, -target.Dy, target.View.Width - target.Dx, target.View.Height - target.Dy};
    const bool clip = !clipRect.IsEmpty();
    ForEachTile(destRect, srcRect, device, [&](const TRect& tile, const TRect& part) {
        if (!clip || Intersects(tile, clipRect))
            ComposeClipped(target, Offset(tile, target.Dx, target.Dy), [&](const TtePixelView& view, const TRect& dest) {
                ComposeView(view, View(), dest, part, DrawMode());
            });
    });
}

void TteBitmap::DrawUnder(const TteBitmap& source, int x, int y, const TRect& srcRect)
{
    if (Empty() || source.Empty())
        return;
    const TRect src = IntersectRects(srcRect, source.BoundsRect());
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
