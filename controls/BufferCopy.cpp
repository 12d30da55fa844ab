#include "controls/BufferCopy.h"

#include <algorithm>

#include "framework/DeviceContext.h"
#include "graphics/WidgetBlit.h"

void CopyBufferTo(TDeviceContext& destination, const TteBitmap& buffer, const TRect& source, TPoint at)
{
    BlitToWidget(destination.Painter(), buffer, source, destination.ToDevice(at));
}

void CopyBufferInStrips(TDeviceContext& destination, const TteBitmap& buffer, const TRect& source, TPoint at)
{
    // Qt splits a blend over its threads from about 64 spans (rows) on.
    constexpr int kRows = 32;
    for (int top = source.Top; top < source.Bottom; top += kRows) {
        const int bottom = std::min(source.Bottom, top + kRows);
        CopyBufferTo(destination, buffer, {source.Left, top, source.Right, bottom}, {at.X, at.Y + top - source.Top});
    }
}
