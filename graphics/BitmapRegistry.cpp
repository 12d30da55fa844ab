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
    // Newest first: the bitmaps drawn on most are the paint buffers made for the paint under way,
    // behind the long-lived bitmaps of the themes.
    const auto& bitmaps = Registry();
    const auto found = std::find_if(bitmaps.rbegin(), bitmaps.rend(),
                                    [device](const TteBitmap* bitmap) { return bitmap->IsSurface(device); });
    return found != bitmaps.rend() ? *found : nullptr;
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
