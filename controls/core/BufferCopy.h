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

// The same, a few rows at a time: under a widget paint's clip of several rectangles Qt blends a
// large image span by span on its thread pool, which costs more than the copy itself for the thin
// bands of a window frame; copies of fewer rows stay on the painting thread.
void CopyBufferInStrips(TDeviceContext& destination, TteBitmap& buffer, const TRect& source, TPoint at);
