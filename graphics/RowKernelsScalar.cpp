// The reference kernels: one pixel at a time, the rules exactly as stated.
#include "graphics/RowKernels.h"

namespace {

void CopyRowScalar(const TteColor* source, TteColor* destination, std::size_t count)
{
    if (source == destination)
        return;
    if (destination > source && destination < source + count) {
        for (std::size_t i = count; i-- > 0;)
            destination[i] = source[i];
    } else {
        for (std::size_t i = 0; i < count; ++i)
            destination[i] = source[i];
    }
}

void KeyCopyRowScalar(const TteColor* source, TteColor* destination, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (!IsKeyPixel(source[i]))
            destination[i] = source[i] | 0xFF000000u;
}

void BlendRowScalar(const TteColor* source, TteColor* destination, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const TteColor s = source[i];
        const TteColor a = s >> 24;
        if (a == 255)
            destination[i] = s;
        else if (a != 0)
            destination[i] = BlendPixel(s, destination[i]);
    }
}

void ClearKeyAlphaRowScalar(TteColor* row, std::size_t count, TteColor color)
{
    const TteColor key = color & kRgbMask;
    for (std::size_t i = 0; i < count; ++i)
        if ((row[i] & kRgbMask) == key)
            row[i] &= kRgbMask;
}

unsigned KeyNearRowScalar(TteColor* row, std::size_t count)
{
    unsigned found = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const TteColor pixel = row[i];
        const int red = RedOf(pixel);
        const int blue = BlueOf(pixel);
        const bool magenta = red > 249 && blue > 249;
        const bool keyColour = red > 121 && red < 133 && blue > 121 && blue < 133;
        if (GreenOf(pixel) < 6 && (magenta || keyColour)) {
            row[i] = TransparentKey;
            found |= kRowKeyed;
        }
        const int alpha = AlphaOf(row[i]);
        if (alpha != 0 && alpha != 255)
            found |= kRowBlended;
    }
    return found;
}

}  // namespace

const TRowKernels& ScalarRowKernels()
{
    static const TRowKernels kernels{"scalar", CopyRowScalar, KeyCopyRowScalar, BlendRowScalar, ClearKeyAlphaRowScalar,
                                     KeyNearRowScalar};
    return kernels;
}
