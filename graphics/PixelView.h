#pragma once
// A plain view of 32-bit pixel rows: address, row stride and size. It owns nothing.
#include "graphics/Pixel.h"

struct TtePixelView {
    TteColor* Bits = nullptr;
    int Width = 0;
    int Height = 0;
    // Pixels from one row to the next.
    int Stride = 0;

    TteColor* Row(int y) const { return Bits + static_cast<std::ptrdiff_t>(y) * Stride; }
    bool IsNull() const { return Bits == nullptr || Width <= 0 || Height <= 0; }
};
