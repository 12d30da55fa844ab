#pragma once
// Decoding the device-independent bitmaps that bitmap resources hold.
#include <QByteArray>

class TteBitmap;

// A device-independent bitmap as stored in a bitmap resource (info header, optional masks and
// palette, pixels) into bitmap: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with bit
// fields, either row order. 32-bit pixels keep their alpha (AlphaBlend detected); others are
// opaque. Raises EModuleError for a damaged or unsupported one, leaving bitmap untouched.
void DecodeDib(const QByteArray& dib, TteBitmap& bitmap);
