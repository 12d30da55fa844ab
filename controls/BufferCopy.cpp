#include "controls/BufferCopy.h"

#include "framework/DeviceContext.h"
#include "graphics/WidgetBlit.h"

void CopyBufferTo(TDeviceContext& destination, const TteBitmap& buffer, const TRect& source, TPoint at)
{
    BlitToWidget(destination.Painter(), buffer, source, destination.ToDevice(at));
}
