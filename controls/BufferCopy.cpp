#include "controls/BufferCopy.h"

#include <QImage>
#include <QPainter>

#include "framework/DeviceContext.h"
#include "graphics/Bitmap.h"

void CopyBufferTo(TDeviceContext& destination, const TteBitmap& buffer, const TRect& source, TPoint at)
{
    if (buffer.Empty() || source.IsEmpty())
        return;
    // A view on the buffer's memory as opaque pixels, as a blit to a window copies them.
    const QImage opaque(reinterpret_cast<const uchar*>(buffer.Bits()), buffer.Width(), buffer.Height(),
                        static_cast<qsizetype>(buffer.Width()) * 4, QImage::Format_RGB32);
    QPainter& painter = destination.Painter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(destination.ToDevice(at).ToQPoint(), opaque, source.ToQRect());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
