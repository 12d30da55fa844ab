#include "framework/DeviceContext.h"

namespace {

bool IsRasterOperation(QPainter::CompositionMode mode)
{
    return mode >= QPainter::RasterOp_SourceOrDestination;
}

// One raster operation on the colour bits of a pixel (source s, destination d).
quint32 Combine(QPainter::CompositionMode mode, quint32 s, quint32 d)
{
    switch (mode) {
    case QPainter::RasterOp_SourceOrDestination: return s | d;
    case QPainter::RasterOp_SourceAndDestination: return s & d;
    case QPainter::RasterOp_SourceXorDestination: return s ^ d;
    case QPainter::RasterOp_NotSourceAndNotDestination: return ~(s | d);
    case QPainter::RasterOp_NotSourceOrNotDestination: return ~(s & d);
    case QPainter::RasterOp_NotSourceXorDestination: return ~(s ^ d);
    case QPainter::RasterOp_NotSource: return ~s;
    case QPainter::RasterOp_NotSourceAndDestination: return ~s & d;
    case QPainter::RasterOp_SourceAndNotDestination: return s & ~d;
    case QPainter::RasterOp_NotSourceOrDestination: return ~s | d;
    case QPainter::RasterOp_SourceOrNotDestination: return s | ~d;
    case QPainter::RasterOp_ClearDestination: return 0;
    case QPainter::RasterOp_SetDestination: return 0xFFFFFFu;
    case QPainter::RasterOp_NotDestination: return ~d;
    default: return s;
    }
}

// Raster operations straight on 32-bit image pixels: Qt would first premultiply the destination,
// which spoils pixels that are not opaque (transparent-key pixels among them). Here the colour bits
// are combined and the alpha byte kept, so an operation that undoes itself (XOR, NOT) restores any
// pixel.
void CombineSpans(QImage& image, const TSpans& spans, const QBrush& brush, QPainter::CompositionMode mode)
{
    const QImage texture = brush.style() == Qt::TexturePattern ? brush.textureImage() : QImage();
    const quint32 solid = brush.color().rgb();
    for (const TSpan& span : spans) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(span.Y));
        for (int x = span.X1; x < span.X2; ++x) {
            const quint32 source = texture.isNull()
                                       ? solid
                                       : texture.pixel(x % texture.width(), span.Y % texture.height());
            row[x] = (row[x] & 0xFF000000u) | (Combine(mode, source, row[x]) & 0xFFFFFFu);
        }
    }
}

}  // namespace

TDeviceContext::TDeviceContext(QPaintDevice* device) : device_(device) {}

TDeviceContext::~TDeviceContext()
{
    EndPainting();
}

QImage* TDeviceContext::Image() const
{
    return device_ != nullptr && device_->devType() == QInternal::Image ? static_cast<QImage*>(device_) : nullptr;
}

QImage* TDeviceContext::DirectImage() const
{
    QImage* image = Image();
    if (image == nullptr || image->devicePixelRatio() != 1.0)
        return nullptr;
    return !painter_.isActive() || painter_.deviceTransform().isIdentity() ? image : nullptr;
}

TRect TDeviceContext::DeviceRect() const
{
    return device_ != nullptr ? TRect{0, 0, device_->width(), device_->height()} : TRect{};
}

QPainter& TDeviceContext::Painter(const TRect* limit)
{
    if (!painter_.isActive()) {
        // Another painter on the device (a second context, or the device changed under this one).
        if (device_ == nullptr || !painter_.begin(device_))
            throw EInvalidGraphicOperation(QStringLiteral("Canvas does not allow drawing"));
        // The classic platform draws lines and shapes aliased, pixel by pixel.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        clipApplied_ = false;
    }
    if (limit != nullptr) {
        QRegion region = ClipRegion().intersected(limit->ToQRect());
        painter_.setClipRegion(region);
        clipApplied_ = false;
    } else if (!clipApplied_) {
        // A clip set after clipping was switched off is not always honoured by Qt's raster engine
        // (a narrowed text clip, switched off, then a new region): the device rectangle stands for
        // "no clip" instead, so clipping stays on.
        painter_.setClipRegion(ClipRegion());
        clipApplied_ = true;
    }
    return painter_;
}

void TDeviceContext::EndPainting()
{
    if (painter_.isActive())
        painter_.end();
    clipApplied_ = false;
}

TRect TDeviceContext::ToDevice(const TRect& r) const
{
    return {r.Left - origin_.X, r.Top - origin_.Y, r.Right - origin_.X, r.Bottom - origin_.Y};
}

TRect TDeviceContext::ToLogical(const TRect& r) const
{
    return {r.Left + origin_.X, r.Top + origin_.Y, r.Right + origin_.X, r.Bottom + origin_.Y};
}

QRegion TDeviceContext::ClipRegion() const
{
    return clip_ ? *clip_ : QRegion(DeviceRect().ToQRect());
}

void TDeviceContext::SelectClipRegion(const QRegion& deviceRegion)
{
    clip_ = deviceRegion;
    clipApplied_ = false;
}

void TDeviceContext::RemoveClip()
{
    clip_.reset();
    clipApplied_ = false;
}

void TDeviceContext::ExcludeClipRect(const TRect& rect)
{
    clip_ = ClipRegion().subtracted(ToDevice(rect).ToQRect());
    clipApplied_ = false;
}

void TDeviceContext::IntersectClipRect(const TRect& rect)
{
    // Without a clip region the rectangle itself becomes the region, as on the classic platform.
    const QRect r = ToDevice(rect).ToQRect();
    clip_ = clip_ ? clip_->intersected(r) : QRegion(r);
    clipApplied_ = false;
}

TRect TDeviceContext::ClipBox() const
{
    const QRegion visible = ClipRegion().intersected(DeviceRect().ToQRect());
    return visible.isEmpty() ? TRect{} : ToLogical(TRect::FromQRect(visible.boundingRect()));
}

bool TDeviceContext::RectVisible(const TRect& rect) const
{
    return ClipRegion().intersects(ToDevice(rect).ToQRect());
}

int TDeviceContext::SaveDC()
{
    saved_.push_back({origin_, penPos_, bkMode_, bkColor_, clip_});
    return static_cast<int>(saved_.size());
}

bool TDeviceContext::RestoreDC(int level)
{
    const int depth = static_cast<int>(saved_.size());
    const int target = level < 0 ? depth + 1 + level : level;
    if (level == 0 || target < 1 || target > depth)
        return false;
    const TState state = saved_[static_cast<std::size_t>(target - 1)];
    saved_.resize(static_cast<std::size_t>(target - 1));
    origin_ = state.origin;
    penPos_ = state.penPos;
    bkMode_ = state.bkMode;
    bkColor_ = state.bkColor;
    clip_ = state.clip;
    clipApplied_ = false;
    return true;
}

void TDeviceContext::FillSpans(const TSpans& spans, const QBrush& brush, QPainter::CompositionMode mode)
{
    if (spans.empty() || device_ == nullptr || (clip_ && clip_->isEmpty()))
        return;
    QImage* image = DirectImage();
    if (IsRasterOperation(mode) && image != nullptr &&
        (image->format() == QImage::Format_ARGB32 || image->format() == QImage::Format_RGB32)) {
        const TSpans drawn = NormalizeSpans(spans);
        const QRect area = SpansBounds(drawn).ToQRect().intersected(DeviceRect().ToQRect());
        CombineSpans(*image, IntersectSpans(drawn, RegionSpans(ClipRegion().intersected(area))), brush, mode);
        return;
    }
    QPainter& painter = Painter();
    painter.setCompositionMode(mode);
    // Rows with the same run are filled as one rectangle.
    std::size_t i = 0;
    while (i < spans.size()) {
        const TSpan& first = spans[i];
        std::size_t j = i + 1;
        while (j < spans.size() && spans[j].X1 == first.X1 && spans[j].X2 == first.X2 &&
               spans[j].Y == spans[j - 1].Y + 1)
            ++j;
        painter.fillRect(QRect(first.X1, first.Y, first.X2 - first.X1, static_cast<int>(j - i)), brush);
        i = j;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
