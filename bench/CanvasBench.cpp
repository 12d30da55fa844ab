// Canvas drawing that every control paint goes through: fills, XOR outlines, round shapes and text.
#include <benchmark/benchmark.h>

#include "framework/HeadlessGui.h"
#include "framework/Canvas.h"

namespace {

void BM_CanvasFillRect(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    QImage image(size, size, QImage::Format_ARGB32);
    TCanvas canvas(&image);
    canvas.Brush()->SetColor(clBtnFace);
    for (auto _ : state)
        canvas.FillRect(Rect(0, 0, size, size));
    state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(BM_CanvasFillRect)->Arg(16)->Arg(256);

void BM_CanvasXorRectangle(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(0xFF808080);
    TCanvas canvas(&image);
    canvas.Pen()->SetMode(TPenMode::pmXor);
    canvas.Pen()->SetColor(clWhite);
    canvas.Pen()->SetWidth(2);
    canvas.Pen()->SetStyle(TPenStyle::psInsideFrame);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    for (auto _ : state)
        canvas.Rectangle(0, 0, size, size);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CanvasXorRectangle)->Arg(64)->Arg(512);

void BM_CanvasRoundRect(benchmark::State& state)
{
    QImage image(100, 30, QImage::Format_ARGB32);
    TCanvas canvas(&image);
    canvas.Brush()->SetColor(clBtnFace);
    for (auto _ : state)
        canvas.RoundRect(0, 0, 100, 30, 10, 10);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CanvasRoundRect);

void BM_CanvasDrawTextCentred(benchmark::State& state)
{
    EnsureGuiApplication();
    QImage image(100, 25, QImage::Format_ARGB32);
    TCanvas canvas(&image);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    for (auto _ : state) {
        TRect r = Rect(0, 0, 100, 25);
        benchmark::DoNotOptimize(canvas.DrawText("&Open Folder", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CanvasDrawTextCentred);

}  // namespace
