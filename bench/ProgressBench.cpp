// A rip's progress reports on a 409 × 16 bar: 1000 position updates, of which 100 move the bar
// (a percentage reported ten times per percent, wrapping from 99 back to 0). The themed bar in
// the stored theme, horizontal in blocks as the main window has it, against Qt's QProgressBar in
// the Fusion style given the same updates, as it comes (percentage text shown) and without text.
#include <QCoreApplication>
#include <QProgressBar>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench/BenchWindows.h"
#include "controls/widgets/TeProgressBar.h"
#include "framework/Form.h"
#include "framework/HeadlessGui.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

constexpr int kWidth = 409;
constexpr int kHeight = 16;
constexpr int kUpdates = 1000;
constexpr int kUpdatesPerPercent = 10;

class TCountedProgressBar : public TTeProgressBar {
public:
    using TTeProgressBar::TTeProgressBar;
    long long Paints = 0;

protected:
    void PaintControl() override
    {
        ++Paints;
        TTeProgressBar::PaintControl();
    }
};

class TCountedQProgressBar : public QProgressBar {
public:
    long long Paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++Paints;
        QProgressBar::paintEvent(event);
    }
};

// Reports the paints per iteration, which must be the 100 visible steps.
void CountPaints(benchmark::State& state, long long paints)
{
    state.counters["paints/iteration"] = static_cast<double>(paints) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * kUpdates);
}

void BM_ProgressStep(benchmark::State& state)
{
    EnsureGuiApplication();
    if (CurrentTheme() == nullptr)
        SetCurrentTheme(CreateStoredTheme(QStringLiteral("OSXTiger")).release());
    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(kWidth + 8, kHeight + 8);
    auto* bar = new TCountedProgressBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(4, 4, kWidth, kHeight);
    bar->SetPosition(kUpdates / kUpdatesPerPercent - 1);
    if (!ShowExposed(form->Handle())) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    QCoreApplication::processEvents();
    const long long paints = bar->Paints;
    for (auto _ : state)
        for (int i = 0; i < kUpdates; ++i)
            bar->SetPosition(i / kUpdatesPerPercent);
    CountPaints(state, bar->Paints - paints);
}
BENCHMARK(BM_ProgressStep)->Unit(benchmark::kMicrosecond);

void BM_QProgressBarStep(benchmark::State& state, bool text)
{
    EnsureGuiApplication();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    TCountedQProgressBar bar;
    bar.setStyle(fusion.get());
    bar.setTextVisible(text);
    bar.setRange(0, 100);
    bar.resize(kWidth, kHeight);
    bar.setValue(kUpdates / kUpdatesPerPercent - 1);
    if (!ShowExposed(&bar)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    QCoreApplication::processEvents();
    const long long paints = bar.Paints;
    for (auto _ : state)
        for (int i = 0; i < kUpdates; ++i)
            bar.setValue(i / kUpdatesPerPercent);
    CountPaints(state, bar.Paints - paints);
}
BENCHMARK_CAPTURE(BM_QProgressBarStep, WithText, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QProgressBarStep, NoText, false)->Unit(benchmark::kMicrosecond);

}  // namespace
