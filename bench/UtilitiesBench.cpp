// The canvas helpers that theme text and glyph drawing lean on: gradients, turned text, glyphs.
#include <benchmark/benchmark.h>

#include "framework/HeadlessGui.h"
#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/WideText.h"

namespace {

void BM_FillGradient(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    TteBitmap target;
    target.SetSize(width, 24);
    for (auto _ : state)
        FillGradient(target.Canvas(), {0, 0, width, 24}, clNavy, clAqua, false);
    state.SetItemsProcessed(state.iterations() * width * 24);
}
BENCHMARK(BM_FillGradient)->Arg(64)->Arg(600);

// A vertical tab caption.
void BM_DrawRotatedText(benchmark::State& state)
{
    EnsureGuiApplication();
    TteBitmap target;
    target.SetSize(24, 120);
    target.Fill(TransparentKey);
    for (auto _ : state)
        DrawRotatedText(target.Canvas(), QStringLiteral("Encoder settings"), {0, 0, 24, 120}, true,
                        DT_SINGLELINE | DT_VCENTER);
}
BENCHMARK(BM_DrawRotatedText);

void BM_DrawFrameGlyph(benchmark::State& state)
{
    TteBitmap target;
    target.SetSize(16, 14);
    for (auto _ : state)
        DrawFrameGlyph(target.Canvas(), {0, 0, 16, 14}, DFC_CAPTION, DFCS_CAPTIONCLOSE, clBlack);
}
BENCHMARK(BM_DrawFrameGlyph);

}  // namespace
