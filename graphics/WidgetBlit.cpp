#include "graphics/WidgetBlit.h"

#include "graphics/Bitmap.h"
#include "graphics/NearestImageDrawing.h"

void BlitToWidget(QPainter& widgetPainter, const TteBitmap& buffer, const TRect& sourceRect, TPoint destination)
{
    const QRect source = sourceRect.ToQRect().intersected(QRect(0, 0, buffer.Width(), buffer.Height()));
    if (buffer.Empty() || source.isEmpty())
        return;
    const TNearestImageDrawing nearest(widgetPainter);
    const QPoint at(destination.X + source.left() - sourceRect.Left, destination.Y + source.top() - sourceRect.Top);
    widgetPainter.drawImage(at, buffer.opaque_, source);
}
