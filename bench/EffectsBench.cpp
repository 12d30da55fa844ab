// One frame of each transition effect on a 642 × 414 picture (the window the frame animates),
// stepped by the engine's own tick: the old picture copied, the effect composed, the frame drawn
// onto the target. The shared timer ticks every 20 ms, so every effect needs 50 frames a second.
#include <benchmark/benchmark.h>

#include <QLinearGradient>
#include <QPainter>

#include "framework/HeadlessGui.h"
#include "graphics/Animation.h"
#include "graphics/AnimationRec.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapPainter.h"
#include "graphics/EffectRegistry.h"

namespace {

constexpr int kWidth = 642;
constexpr int kHeight = 414;

void PaintPicture(TteBitmap& picture, QColor from, QColor to)
{
    picture.SetSize(kWidth, kHeight);
    TteBitmapPainter painter = picture.Paint();
    QLinearGradient ground(0, 0, kWidth, kHeight);
    ground.setColorAt(0, from);
    ground.setColorAt(1, to);
    painter->fillRect(0, 0, kWidth, kHeight, ground);
}

// Arg: the index in the effect name list after the random choice (0 is the bitmap effect).
void BM_EffectFrame(benchmark::State& state)
{
    EnsureGuiApplication();
    const QString name = EffectNames().at(static_cast<int>(state.range(0)) + 1);
    state.SetLabel(name.toStdString());
    TteBitmap oldPicture, newPicture, target;
    PaintPicture(oldPicture, QColor(30, 60, 140), QColor(120, 190, 230));
    PaintPicture(newPicture, QColor(250, 236, 200), QColor(220, 70, 20));
    target.SetSize(kWidth, kHeight);
    const TOwned<TteAnimationRec> rec = MakeOwned<TteAnimationRec>(nullptr);
    rec->SetEffect(name);
    QImage mask(64, 64, QImage::Format_ARGB32);
    mask.fill(Qt::gray);
    rec->SetBitmap(mask);

    int slot = -1;
    for (auto _ : state) {
        if (!IsAnimating(slot)) {
            state.PauseTiming();
            slot = StartAnimation(target.Canvas(), 0, 0, -1, *rec, newPicture, oldPicture);
            state.ResumeTiming();
        }
        AnimationTick();
    }
    FinishAnimation(slot, false);
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EffectFrame)->DenseRange(0, 58)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
