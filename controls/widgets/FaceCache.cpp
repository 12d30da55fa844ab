#include "controls/widgets/FaceCache.h"

#include <QImage>
#include <cstring>

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"

namespace {

// Faces larger than this are drawn each time: they are rare, and keeping them costs memory.
constexpr int kMaxPixels = 256 * 64;

void Read(const QImage& image, const TRect& r, std::vector<std::uint32_t>& into)
{
    const int width = r.Width();
    into.resize(static_cast<std::size_t>(width) * r.Height());
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(into.data() + static_cast<std::size_t>(y) * width,
                    reinterpret_cast<const std::uint32_t*>(image.constScanLine(r.Top + y)) + r.Left, width * 4);
}

bool Same(const QImage& image, const TRect& r, const std::vector<std::uint32_t>& pixels)
{
    const int width = r.Width();
    for (int y = 0; y < r.Height(); ++y) {
        if (std::memcmp(pixels.data() + static_cast<std::size_t>(y) * width,
                        reinterpret_cast<const std::uint32_t*>(image.constScanLine(r.Top + y)) + r.Left, width * 4) != 0)
            return false;
    }
    return true;
}

void Write(QImage& image, const TRect& r, const std::vector<std::uint32_t>& pixels)
{
    const int width = r.Width();
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(reinterpret_cast<std::uint32_t*>(image.scanLine(r.Top + y)) + r.Left,
                    pixels.data() + static_cast<std::size_t>(y) * width, width * 4);
}

}  // namespace

void TFaceCache::Paint(TCanvas& canvas, int width, int height, std::uint8_t state, const std::function<void()>& draw)
{
    TDeviceContext& context = *canvas.Handle();
    QImage* image = context.DirectImage();
    const TRect r = context.ToDevice(TRect{0, 0, width, height});
    const bool keepable = image != nullptr && !context.HasClip() && width > 0 && height > 0 &&
                          width * height <= kMaxPixels && image->format() == QImage::Format_ARGB32 &&
                          image->rect().contains(r.ToQRect());
    if (!keepable) {
        draw();
        return;
    }
    // One entry per state, of the latest size.
    TEntry* entry = nullptr;
    for (TEntry& e : entries_) {
        if (e.State == state)
            entry = &e;
    }
    if (entry != nullptr && entry->Width == width && entry->Height == height && Same(*image, r, entry->Before)) {
        Write(*image, r, entry->After);
        return;
    }
    if (entry == nullptr) {
        entries_.append(TEntry{state, width, height, {}, {}});
        entry = &entries_.last();
    }
    entry->Width = width;
    entry->Height = height;
    Read(*image, r, entry->Before);
    draw();
    Read(*image, r, entry->After);
}
