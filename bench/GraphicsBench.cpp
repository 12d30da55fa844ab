// Pixel throughput of the row rules and of the drawing built on them, over a full-HD frame,
// against memcpy (the ceiling) and pixman's OVER (the usual yardstick for a blend).
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <QPainter>
#include <cstring>
#include <random>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapPainter.h"
#include "graphics/NineLattice.h"
#include "graphics/RowKernels.h"
#include "graphics/WidgetBlit.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::int64_t kPixels = static_cast<std::int64_t>(kWidth) * kHeight;

enum class TFill { fOpaque, fRandomAlpha, fSomeKeys };

void FillRandom(TteBitmap& bitmap, int width, int height, TFill fill, unsigned seed)
{
    bitmap.SetSize(width, height);
    std::mt19937 random(seed);
    TteColor* p = bitmap.Bits();
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(width) * height; ++i) {
        TteColor c = static_cast<TteColor>(random());
        if (fill == TFill::fOpaque || fill == TFill::fSomeKeys)
            c |= 0xFF000000u;
        if (fill == TFill::fSomeKeys && random() % 8 == 0)
            c = TransparentKey;
        p[i] = c;
    }
}

// Arg 0: the kernels picked at start-up; 1 scalar; 2 SSE2; 3 AVX2.
const TRowKernels* KernelsFor(benchmark::State& state)
{
    const TRowKernels* kernels = nullptr;
    switch (state.range(0)) {
    case 0:
        kernels = &RowKernels();
        break;
    case 1:
        kernels = &ScalarRowKernels();
        break;
    case 2:
        kernels = Sse2RowKernels();
        break;
    default:
        kernels = Avx2RowKernels();
        break;
    }
    if (kernels == nullptr)
        state.SkipWithError("not available on this processor");
    else
        state.SetLabel(kernels->Name);
    return kernels;
}

void RunRows(benchmark::State& state, TRowCopyProc TRowKernels::*rule, TFill sourceFill)
{
    const TRowKernels* kernels = KernelsFor(state);
    if (kernels == nullptr)
        return;
    TteBitmap source, target;
    FillRandom(source, kWidth, kHeight, sourceFill, 1);
    FillRandom(target, kWidth, kHeight, TFill::fOpaque, 2);
    const TRowCopyProc proc = kernels->*rule;
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y)
            proc(source.ScanLine(y), target.ScanLine(y), kWidth);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}

void BM_Memcpy(benchmark::State& state)
{
    TteBitmap source, target;
    FillRandom(source, kWidth, kHeight, TFill::fRandomAlpha, 1);
    FillRandom(target, kWidth, kHeight, TFill::fOpaque, 2);
    for (auto _ : state) {
        std::memcpy(target.Bits(), source.Bits(), kPixels * sizeof(TteColor));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMicrosecond);

void BM_RowCopy(benchmark::State& state)
{
    RunRows(state, &TRowKernels::Copy, TFill::fRandomAlpha);
}
BENCHMARK(BM_RowCopy)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_RowKeyCopy(benchmark::State& state)
{
    RunRows(state, &TRowKernels::KeyCopy, TFill::fSomeKeys);
}
BENCHMARK(BM_RowKeyCopy)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Every source alpha is random, so nearly every pixel takes the full blend.
void BM_RowBlend(benchmark::State& state)
{
    RunRows(state, &TRowKernels::Blend, TFill::fRandomAlpha);
}
BENCHMARK(BM_RowBlend)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_PixmanOver(benchmark::State& state)
{
    TteBitmap source, target;
    FillRandom(source, kWidth, kHeight, TFill::fRandomAlpha, 1);
    FillRandom(target, kWidth, kHeight, TFill::fOpaque, 2);
    // pixman wants premultiplied pixels; premultiply so it blends real data.
    for (std::int64_t i = 0; i < kPixels; ++i) {
        const TteColor c = source.Bits()[i];
        const TteColor a = c >> 24;
        source.Bits()[i] = (a << 24) | (((c >> 16 & 0xFF) * a / 255) << 16) | (((c >> 8 & 0xFF) * a / 255) << 8) |
                           ((c & 0xFF) * a / 255);
    }
    pixman_image_t* src = pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight,
                                                   reinterpret_cast<uint32_t*>(source.Bits()), kWidth * 4);
    pixman_image_t* dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight,
                                                   reinterpret_cast<uint32_t*>(target.Bits()), kWidth * 4);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, src, nullptr, dst, 0, 0, 0, 0, 0, 0, kWidth, kHeight);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(src);
    pixman_image_unref(dst);
    state.SetItemsProcessed(state.iterations() * kPixels);
}
BENCHMARK(BM_PixmanOver)->Unit(benchmark::kMicrosecond);

// Arg: 0 copy, 1 key copy, 2 blend. A 640 x 360 picture stretched to the full frame.
void SetMode(TteBitmap& bitmap, std::int64_t mode)
{
    bitmap.SetTransparent(mode == 1);
    bitmap.SetAlphaBlend(mode == 2);
}

const char* ModeName(std::int64_t mode)
{
    return mode == 0 ? "copy" : mode == 1 ? "key copy" : "blend";
}

void BM_StretchDraw(benchmark::State& state)
{
    TteBitmap source, target;
    const std::int64_t mode = state.range(0);
    FillRandom(source, 640, 360, mode == 2 ? TFill::fRandomAlpha : TFill::fSomeKeys, 1);
    FillRandom(target, kWidth, kHeight, TFill::fOpaque, 2);
    SetMode(source, mode);
    state.SetLabel(ModeName(mode));
    for (auto _ : state) {
        source.Draw(target, {0, 0, kWidth, kHeight}, source.BoundsRect());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}
BENCHMARK(BM_StretchDraw)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A 32 x 32 tile over the full frame of a bitmap, through a painter on its surface.
void BM_Tile(benchmark::State& state)
{
    TteBitmap tile, target;
    const std::int64_t mode = state.range(0);
    FillRandom(tile, 32, 32, mode == 2 ? TFill::fRandomAlpha : TFill::fSomeKeys, 1);
    FillRandom(target, kWidth, kHeight, TFill::fOpaque, 2);
    SetMode(tile, mode);
    state.SetLabel(ModeName(mode));
    auto painter = target.Paint();
    for (auto _ : state) {
        tile.Tile(*painter, {0, 0, kWidth, kHeight}, tile.BoundsRect());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPixels);
}
BENCHMARK(BM_Tile)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A button-sized nine-part element through the lattice both picture-drawing theme kinds use, onto a
// bitmap's canvas as they draw: corners one to one, edges and centre stretched, blended.
void BM_NinePartDraw(benchmark::State& state)
{
    TteBitmap element, target;
    FillRandom(element, 30, 21, TFill::fRandomAlpha, 1);
    element.SetAlphaBlend(true);
    FillRandom(target, 200, 30, TFill::fOpaque, 2);
    constexpr int w = 200, h = 30;
    constexpr TRect margins{5, 5, 5, 5};
    const TteNineLattice source(element.BoundsRect(), margins);
    TCanvas& canvas = target.Canvas();
    for (auto _ : state) {
        DrawNineLattice(canvas, element, TteNineLattice({0, 0, w, h}, margins), source,
                        {TteCellFill::kcfStretch, TteCellFill::kcfStretch});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * w * h);
}
BENCHMARK(BM_NinePartDraw);

// A 400 x 300 control buffer copied onto a window's backing store (an RGB32 image of the window's
// device pixels) at device pixel ratio 1 and 2, beside the peer: QPainter::drawImage of a prepared
// image of the same size, the floor for any copy onto a window.
void BM_BlitToWidget(benchmark::State& state)
{
    const int ratio = static_cast<int>(state.range(0));
    TteBitmap buffer;
    FillRandom(buffer, 400, 300, TFill::fOpaque, 1);
    QImage store(400 * ratio, 300 * ratio, QImage::Format_RGB32);
    store.setDevicePixelRatio(ratio);
    QPainter painter(&store);
    for (auto _ : state) {
        BlitToWidget(painter, buffer, buffer.BoundsRect(), {0, 0});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 400 * 300);
}
BENCHMARK(BM_BlitToWidget)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PlainDrawImage(benchmark::State& state)
{
    const int ratio = static_cast<int>(state.range(0));
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(0xFF336699u);
    QImage store(400 * ratio, 300 * ratio, QImage::Format_RGB32);
    store.setDevicePixelRatio(ratio);
    QPainter painter(&store);
    for (auto _ : state) {
        painter.drawImage(QPoint(0, 0), picture);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 400 * 300);
}
BENCHMARK(BM_PlainDrawImage)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
