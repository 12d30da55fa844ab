// A skin from arbitrary bytes through one filter (TRACKWELL_SKIN_FILTER: 0 uncompressed, 1 compressed,
// 2 ultra, 3 maximum): loading must take it or raise an error, never crash, and whatever loads must
// draw. Input that starts with the filter's header is read as it stands (for the compressed filters:
// damaged compressed data); anything else is taken as the body and given the header, packed first
// by the compressed filters, so mutations reach the strings, bitmaps and objects rather than dying
// at zlib's checksum. Nothing here draws text.
#include <cstddef>
#include <cstdint>

#include "framework/Exception.h"
#include "framework/HeadlessGui.h"
#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/ZlibCompression.h"
#include "theme/Theme.h"
#include "themes/SkinFileTheme.h"
#include "themes/SkinFilters.h"

namespace {

const TSeSkinFilter& Filter()
{
    return *SkinFilters().at(TRACKWELL_SKIN_FILTER);
}

void Frame(TMemoryStream& stream, const std::uint8_t* data, std::size_t size)
{
    const TSeSkinFilter& filter = Filter();
    const QByteArray header = filter.Header();
    const auto bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.startsWith(header)) {
        stream.WriteBuffer(data, static_cast<std::int64_t>(size));
        return;
    }
    stream.WriteBuffer(header.constData(), header.size());
    if (&filter == &UncompressedSkinFilter()) {
        stream.WriteBuffer(data, static_cast<std::int64_t>(size));
        return;
    }
    stream.WriteBuffer(TSeSkinFilterCompressed::kMarker, sizeof TSeSkinFilterCompressed::kMarker);
    const TCompressionLevel level =
        &filter == &CompressedSkinFilter() ? TCompressionLevel::lvFastest : TCompressionLevel::lvDefault;
    TCompressionStream deflater(level, stream);
    deflater.WriteBuffer(data, static_cast<std::int64_t>(size));
    deflater.Finish();
}

void DrawSome(TTeSkinFile& theme)
{
    TteBitmap picture;
    picture.SetSize(96, 64);
    TCanvas& canvas = picture.Canvas();
    const QString object = QStringLiteral("default");
    TteWindowInfo window;
    window.Rect = {0, 0, 96, 64};
    window.Active = true;
    window.Buttons = TteFormButtons{TteFormButton::kfbClose, TteFormButton::kfbMaximize, TteFormButton::kfbSysMenu};
    // No caption: drawing text loads the fonts, whose library keeps caches that the leak check
    // would report at exit.
    const auto kind = TteFormKind::kfkStandard;
    theme.DrawForm(kind, canvas, window, object);
    theme.DrawFormBackground(kind, canvas, theme.GetFormClientRect(kind, window, object), object);
    theme.DrawFormCaptionText(kind, canvas, window, theme.GetFormCaptionRect(kind, window, object), object);
    theme.DrawFormButton(kind, canvas, {theme.GetFormButtonRect(kind, window, TteFormButton::kfbClose, object),
                                        TteFormButton::kfbClose, TteFormButtonState::kfbsHot, nullptr},
                         object);
    theme.FormHitTest(kind, window, 40, 4, object);
    theme.GetFormRegion(kind, window.Rect, object);
    for (std::uint8_t state = 0; state < 9; ++state) {
        theme.DrawButton(0, canvas, {{2, 2, 40, 20}, state}, object);
        theme.DrawCheckBox(0, canvas, {{2, 22, 20, 40}, std::uint8_t(state + 5)}, object);
        theme.DrawScrollBarPart(0, canvas, {{44, 2, 60, 18}, 0, std::uint8_t(state % 4)}, object);
        theme.DrawMenuItem(1, canvas, {{2, 44, 90, 60}, std::uint8_t(state % 2), std::uint8_t(state % 4)}, object);
        theme.DrawTab(0, canvas, {{60, 20, 90, 40}, std::uint8_t(state), std::uint8_t(state % 4)}, object);
    }
    theme.DrawProgressBar(0, canvas, {{2, 2, 90, 14}, 3, 0}, object);
    theme.DrawGroupBox(0, canvas, {{2, 2, 90, 60}, {10, 2, 40, 10}, 0}, object);
    theme.SetDeltas(90, -20);
    theme.DrawButton(0, canvas, {{2, 2, 40, 20}, 5}, object);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureGuiApplication();
    TMemoryStream stream;
    Frame(stream, data, size);
    stream.SetPosition(0);
    TteBuiltTheme<TTeSkinFile> theme;
    try {
        if (!theme.LoadFromStream(stream))
            return 0;
    } catch (const Exception&) {
        return 0;
    }
    DrawSome(theme);
    return 0;
}
