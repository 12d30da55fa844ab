#pragma once
// Small bitmaps spelled out pixel by pixel, and their pixels read back, for the graphics tests.
#include <initializer_list>
#include <vector>

#include "graphics/Bitmap.h"

inline void Make(TteBitmap& bitmap, std::initializer_list<std::initializer_list<TteColor>> rows)
{
    bitmap.SetSize(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (TteColor p : row)
            bitmap.SetPixel(x++, y, p);
        ++y;
    }
}

inline std::vector<TteColor> Pixels(const TteBitmap& bitmap)
{
    if (bitmap.Empty())
        return {};
    return {bitmap.Bits(), bitmap.Bits() + static_cast<std::ptrdiff_t>(bitmap.Width()) * bitmap.Height()};
}

inline std::vector<TteColor> Row(const TteBitmap& bitmap, int y)
{
    return {bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Width()};
}
