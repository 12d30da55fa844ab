#include "graphics/Dib.h"

#include <cstdint>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/ModuleResources.h"
#include "graphics/Pixel.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    throw EModuleError(QStringLiteral("Invalid bitmap resource: ") + QString::fromLatin1(what));
}

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint32_t Field(const QByteArray& data, qint64 offset, int count)
{
    if (offset < 0 || offset > data.size() - count)
        Fail("header out of range");
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData() + offset);
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

// One channel of a bit-field pixel, scaled to 0..255.
struct TChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit TChannel(std::uint32_t m) : mask(m)
    {
        if (mask == 0)
            return;
        while (!((mask >> shift) & 1))
            ++shift;
        max = mask >> shift;
    }
    std::uint32_t Of(std::uint32_t pixel, std::uint32_t absent) const
    {
        if (mask == 0)
            return absent;
        return std::uint32_t(((std::uint64_t(pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

}  // namespace

void DecodeDib(const QByteArray& dib, TteBitmap& bitmap)
{
    const std::uint32_t headerSize = Field(dib, 0, 4);
    if (headerSize < 40 || headerSize > std::uint32_t(dib.size()))
        Fail("unknown header");
    const std::int32_t width = std::int32_t(Field(dib, 4, 4));
    const std::int32_t rawHeight = std::int32_t(Field(dib, 8, 4));
    const int bits = int(Field(dib, 14, 2));
    const std::uint32_t compression = Field(dib, 16, 4);
    const std::uint32_t used = Field(dib, 32, 4);
    // A negative height stores the top row first.
    const bool topDown = rawHeight < 0;
    const qint64 height = topDown ? -qint64(rawHeight) : qint64(rawHeight);
    if (width <= 0 || height == 0)
        Fail("empty or negative size");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        Fail("unsupported bit count");
    if (compression != kBiRgb && !(compression == kBiBitfields && (bits == 16 || bits == 32)))
        Fail("unsupported compression");

    qint64 at = headerSize;
    // Bit-field masks sit after a plain info header, inside the longer headers.
    std::uint32_t masks[4] = {0, 0, 0, 0};
    if (compression == kBiBitfields) {
        const qint64 maskAt = headerSize == 40 ? at : 40;
        for (int i = 0; i < 3; ++i)
            masks[i] = Field(dib, maskAt + 4 * i, 4);
        if (headerSize >= 56)
            masks[3] = Field(dib, 52, 4);
        if (headerSize == 40)
            at += 12;
    } else if (bits == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    }

    const qint64 paletteMax = bits <= 8 ? (qint64(1) << bits) : 0;
    if (bits <= 8 && used > paletteMax)
        Fail("palette too large");
    const qint64 paletteCount = bits <= 8 ? (used ? used : paletteMax) : used;
    if (paletteCount > dib.size() / 4 || at > dib.size() - paletteCount * 4)
        Fail("palette out of range");
    std::vector<TteColor> palette(static_cast<std::size_t>(bits <= 8 ? paletteMax : 0), 0xFF000000u);
    for (qint64 i = 0; i < paletteCount && i < paletteMax; ++i)
        palette[std::size_t(i)] = 0xFF000000u | (Field(dib, at + 4 * i, 4) & 0x00FFFFFFu);
    at += paletteCount * 4;

    const qint64 stride = ((qint64(width) * bits + 31) / 32) * 4;
    if (height > (dib.size() - at) / stride)
        Fail("pixels out of range");

    TteBitmap decoded;
    decoded.SetSize(width, int(height));
    const TChannel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    for (qint64 row = 0; row < height; ++row) {
        const auto* src = reinterpret_cast<const unsigned char*>(dib.constData() + at + row * stride);
        TteColor* dst = decoded.ScanLine(int(topDown ? row : height - 1 - row));
        for (std::int32_t x = 0; x < width; ++x) {
            TteColor pixel = 0;
            switch (bits) {
            case 1:
                pixel = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                pixel = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
                break;
            case 8:
                pixel = palette[src[x]];
                break;
            case 16: {
                const std::uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
                pixel = (alpha.Of(v, 255) << 24) | (red.Of(v, 0) << 16) | (green.Of(v, 0) << 8) | blue.Of(v, 0);
                break;
            }
            case 24:
                pixel = 0xFF000000u | (src[3 * x + 2] << 16) | (src[3 * x + 1] << 8) | src[3 * x];
                break;
            default: {
                const std::uint32_t v = std::uint32_t(src[4 * x]) | (std::uint32_t(src[4 * x + 1]) << 8) |
                                        (std::uint32_t(src[4 * x + 2]) << 16) | (std::uint32_t(src[4 * x + 3]) << 24);
                // Plain 32-bit pixels keep their fourth byte as alpha.
                pixel = compression == kBiRgb ? v
                                              : (alpha.Of(v, 255) << 24) | (red.Of(v, 0) << 16) | (green.Of(v, 0) << 8) | blue.Of(v, 0);
                break;
            }
            }
            dst[x] = pixel;
        }
    }
    if (bits == 32)
        decoded.DetectAlpha();
    decoded.SetName(bitmap.Name());
    bitmap.Assign(decoded);
}
