// Skin files: loading our own skin through each filter (inflate, bitmaps and their keying, objects,
// tables, the theme's working copy and object table) against zlib inflating the same body alone,
// and one whole gallery sheet drawn with the skin against the same sheet drawn with OSXTiger.
#include <benchmark/benchmark.h>

#include "framework/HeadlessGui.h"
#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/ZlibDecompression.h"
#include "themes/MsStylesTheme.h"
#include "themes/SkinFileTheme.h"
#include "themes/SkinFilters.h"
#include "themes/SkinSource.h"
#include "themes/StoredThemes.h"
#include "tools/gallery/GallerySheet.h"
#include "tools/skin/SkinArt.h"

namespace {

// The skin as each filter writes it, in filter order.
const QByteArray& SkinFile(int filter)
{
    static const std::vector<QByteArray> files = [] {
        EnsureGuiApplication();
        const auto skin = BuildTrackwellSkin();
        std::vector<QByteArray> written;
        for (const TSeSkinFilter* each : SkinFilters()) {
            TMemoryStream stream;
            skin->SaveToStream(stream, *each);
            written.push_back(stream.Bytes());
        }
        return written;
    }();
    return files.at(filter);
}

void Fill(TMemoryStream& stream, const QByteArray& bytes) { stream.WriteBuffer(bytes.constData(), bytes.size()); }

void BM_SkinLoad(benchmark::State& state, int filter)
{
    EnsureGuiApplication();
    TMemoryStream stream;
    Fill(stream, SkinFile(filter));
    TteBuiltTheme<TTeSkinFile> theme;
    for (auto _ : state) {
        stream.SetPosition(0);
        benchmark::DoNotOptimize(theme.LoadFromStream(stream));
    }
    state.SetBytesProcessed(state.iterations() * SkinFile(filter).size());
}
BENCHMARK_CAPTURE(BM_SkinLoad, uskn, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SkinLoad, zvkn, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SkinLoad, xskn, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SkinLoad, mskn, 3)->Unit(benchmark::kMillisecond);

// The yardstick: zlib alone inflating the same body into memory (after the header and marker).
void BM_SkinInflate(benchmark::State& state, int filter)
{
    TMemoryStream stream;
    Fill(stream, SkinFile(filter));
    char buffer[65536];
    for (auto _ : state) {
        stream.SetPosition(5 + sizeof TSeSkinFilterCompressed::kMarker);
        TMemoryStream body;
        TDecompressionStream inflater(stream);
        for (std::int64_t got; (got = inflater.Read(buffer, sizeof buffer)) > 0;)
            body.WriteBuffer(buffer, got);
        benchmark::DoNotOptimize(body.Memory());
    }
    state.SetBytesProcessed(state.iterations() * SkinFile(filter).size());
}
BENCHMARK_CAPTURE(BM_SkinInflate, zvkn, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SkinInflate, xskn, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SkinInflate, mskn, 3)->Unit(benchmark::kMillisecond);

void Render(benchmark::State& state, TteTheme& theme)
{
    for (auto _ : state) {
        TteBitmap sheet;
        TGallerySheet::Render(theme, sheet);
        benchmark::DoNotOptimize(sheet.Bits());
    }
}

void BM_SkinGalleryRender(benchmark::State& state)
{
    EnsureGuiApplication();
    TMemoryStream stream;
    Fill(stream, SkinFile(3));
    stream.SetPosition(0);
    TteBuiltTheme<TTeSkinFile> theme;
    theme.LoadFromStream(stream);
    Render(state, theme);
}
BENCHMARK(BM_SkinGalleryRender)->Unit(benchmark::kMillisecond);

void BM_TigerGalleryRender(benchmark::State& state)
{
    EnsureGuiApplication();
    auto theme = CreateStoredTheme(QStringLiteral("OSXTiger"));
    Render(state, *theme);
}
BENCHMARK(BM_TigerGalleryRender)->Unit(benchmark::kMillisecond);

}  // namespace
