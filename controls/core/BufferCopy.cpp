#include "controls/core/BufferCopy.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "framework/DeviceContext.h"
#include "graphics/Bitmap.h"
#include "graphics/WidgetBlit.h"

namespace {

// Whether the pixels the painter's engine writes (a window's backing store, a grab's pixmap) keep
// an alpha channel; a device of another kind is taken to keep one.
bool KeepsAlpha(QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine != nullptr ? engine->paintDevice() : nullptr;
    if (device == nullptr)
        return true;
    if (device->devType() == QInternal::Image)
        return static_cast<const QImage*>(device)->hasAlphaChannel();
    if (device->devType() == QInternal::Pixmap)
        return static_cast<const QPixmap*>(device)->hasAlphaChannel();
    return true;
}

}  // namespace

void CopyBufferTo(TDeviceContext& destination, TteBitmap& buffer, const TRect& source, TPoint at)
{
    QPainter& painter = destination.Painter();
    if (KeepsAlpha(painter))
        buffer.SetAlphaRect(255, source);
    BlitToWidget(painter, buffer, source, destination.ToDevice(at));
}

void CopyBufferInStrips(TDeviceContext& destination, TteBitmap& buffer, const TRect& source, TPoint at)
{
    // Qt splits a blend over its threads from about 64 spans (rows) on.
    constexpr int kRows = 32;
    for (int top = source.Top; top < source.Bottom; top += kRows) {
        const int bottom = std::min(source.Bottom, top + kRows);
        CopyBufferTo(destination, buffer, {source.Left, top, source.Right, bottom}, {at.X, at.Y + top - source.Top});
    }
}
