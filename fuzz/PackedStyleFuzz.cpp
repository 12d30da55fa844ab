// A visual style from arbitrary bytes: loading must take it or raise an error, never crash, and
// whatever loads must draw. Input that starts with the magic is read as it stands (damaged
// compressed data); anything else is taken as the inflated body and packed first, so mutations
// reach the name, the INI text and the bitmap records rather than dying at zlib's checksum.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "framework/Exception.h"
#include "framework/HeadlessGui.h"
#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/ZlibCompression.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"

namespace {

void Pack(const std::uint8_t* body, std::size_t size, TMemoryStream& packed)
{
    packed.WriteBuffer(TTeThemeMsStyles::kMagic, sizeof TTeThemeMsStyles::kMagic);
    TCompressionStream deflater(TCompressionLevel::lvFastest, packed);
    deflater.WriteBuffer(body, static_cast<std::int64_t>(size));
    deflater.Finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureGuiApplication();
    TMemoryStream packed;
    if (size >= sizeof TTeThemeMsStyles::kMagic &&
        std::memcmp(data, TTeThemeMsStyles::kMagic, sizeof TTeThemeMsStyles::kMagic) == 0)
        packed.WriteBuffer(data, static_cast<std::int64_t>(size));
    else
        Pack(data, size, packed);
    packed.SetPosition(0);

    TteBuiltTheme<TTeThemeMsStyles> theme;
    try {
        theme.LoadFromStream(packed);
    } catch (const Exception&) {
        return 0;
    }
    // Every element into a small picture, with a frame past the last and a hue shift on top.
    TteBitmap picture;
    picture.SetSize(48, 32);
    for (std::size_t i = 0; i < kMsElementCount; ++i)
        theme.Element(static_cast<TMsElement>(i)).Draw(picture.Canvas(), {2, 2, 46, 30}, 1 + int(i % 3), {});
    theme.SetDeltas(90, -20);
    theme.Element(TMsElement::WindowCaption).Draw(picture.Canvas(), {0, 0, 48, 32}, 7, {});
    return 0;
}
