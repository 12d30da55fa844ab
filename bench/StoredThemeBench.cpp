// The stored theme OSXTiger: loading it (inflate, bitmaps, element objects, tables) against zlib
// inflating the same body alone, and one whole gallery sheet drawn with it.
#include <benchmark/benchmark.h>

#include "framework/HeadlessGui.h"
#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/ZlibDecompression.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"
#include "tools/gallery/GallerySheet.h"

namespace {

const QByteArray& TigerData()
{
    static const QByteArray data = StoredThemeData(QStringLiteral("OSXTiger"));
    return data;
}

void FillWithTiger(TMemoryStream& stream)
{
    stream.WriteBuffer(TigerData().constData(), TigerData().size());
}

void BM_StoredThemeLoad(benchmark::State& state)
{
    EnsureGuiApplication();
    TMemoryStream stream;
    FillWithTiger(stream);
    TteBuiltTheme<TTeThemeMsStyles> theme;
    for (auto _ : state) {
        stream.Seek(0, TSeekOrigin::soBeginning);
        theme.LoadFromStream(stream);
        benchmark::DoNotOptimize(theme.CaptionBarHeight());
    }
    state.SetBytesProcessed(state.iterations() * TigerData().size());
}
BENCHMARK(BM_StoredThemeLoad)->Unit(benchmark::kMillisecond);

// The yardstick: only the inflate of the packed body, into memory.
void BM_StoredThemeInflateOnly(benchmark::State& state)
{
    TMemoryStream stream;
    FillWithTiger(stream);
    char buffer[65536];
    for (auto _ : state) {
        stream.Seek(sizeof TTeThemeMsStyles::kMagic, TSeekOrigin::soBeginning);
        TMemoryStream body;
        TDecompressionStream inflater(stream);
        for (std::int64_t got; (got = inflater.Read(buffer, sizeof buffer)) > 0;)
            body.WriteBuffer(buffer, got);
        benchmark::DoNotOptimize(body.Memory());
    }
    state.SetBytesProcessed(state.iterations() * TigerData().size());
}
BENCHMARK(BM_StoredThemeInflateOnly)->Unit(benchmark::kMillisecond);

void BM_GalleryRenderOsxTiger(benchmark::State& state)
{
    EnsureGuiApplication();
    auto theme = CreateStoredTheme(QStringLiteral("OSXTiger"));
    for (auto _ : state) {
        TteBitmap sheet;
        TGallerySheet::Render(*theme, sheet);
        benchmark::DoNotOptimize(sheet.Bits());
    }
}
BENCHMARK(BM_GalleryRenderOsxTiger)->Unit(benchmark::kMillisecond);

}  // namespace
