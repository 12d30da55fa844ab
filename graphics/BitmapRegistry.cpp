#include "graphics/BitmapRegistry.h"

#include <algorithm>
#include <vector>

#include "graphics/Bitmap.h"

namespace {

std::vector<TteBitmap*>& Registry()
{
    static std::vector<TteBitmap*> bitmaps;
    return bitmaps;
}

}  // namespace

TteBitmap* FindBitmapBySurface(const QPaintDevice* device)
{
    if (device == nullptr)
        return nullptr;
    for (TteBitmap* bitmap : Registry())
        if (bitmap->IsSurface(device))
            return bitmap;
    return nullptr;
}

int LiveBitmapCount()
{
    return static_cast<int>(Registry().size());
}

void RegisterBitmap(TteBitmap* bitmap)
{
    Registry().push_back(bitmap);
}

void UnregisterBitmap(TteBitmap* bitmap)
{
    auto& bitmaps = Registry();
    bitmaps.erase(std::remove(bitmaps.begin(), bitmaps.end(), bitmap), bitmaps.end());
}
