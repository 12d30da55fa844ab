#pragma once
// Copying a finished paint buffer onto the surface it was painted for.
#include "framework/Types.h"

class TDeviceContext;
class TteBitmap;

// Copies source of buffer to destination with its top-left at the logical point at, opaquely,
// inside destination's clip. A widget's painter scales the copy by the device pixel ratio with
// nearest-neighbour sampling. A blend leaves in the buffer the alpha it mixed in, which the copy
// would carry into a device that keeps alpha (a grab of a window): for such a device the buffer's
// alpha over source is set to 255 first.
void CopyBufferTo(TDeviceContext& destination, TteBitmap& buffer, const TRect& source, TPoint at);
