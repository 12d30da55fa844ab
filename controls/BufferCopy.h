#pragma once
// Copying a finished paint buffer onto the surface it was painted for.
#include "framework/Types.h"

class TDeviceContext;
class TteBitmap;

// Copies source of buffer to destination with its top-left at the logical point at, opaquely (the
// buffer's alpha is not looked at), inside destination's clip. A widget's painter scales the copy
// by the device pixel ratio with nearest-neighbour sampling.
void CopyBufferTo(TDeviceContext& destination, const TteBitmap& buffer, const TRect& source, TPoint at);
