// Repainting a themed control in each buffering mode: a 400 × 300 control drawing the stored
// theme's window background, with a transparent windowless child that shows it. The yardstick is a
// plain widget of the same size whose paint is one drawImage of a prepared picture.
#include <QCoreApplication>
#include <QPainter>
#include <QWindow>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench/BenchWindows.h"
#include "controls/core/ParentBackground.h"
#include "controls/core/TeControl.h"
#include "controls/core/TeGraphicControl.h"
#include "framework/Brush.h"
#include "framework/Form.h"
#include "framework/HeadlessGui.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

class TBackgroundControl : public TTeControl {
public:
    using TTeControl::TTeControl;
    long long Paints = 0;

protected:
    void PaintControl() override
    {
        ++Paints;
        if (TteTheme* theme = Theme())
            theme->DrawFormBackground(TteFormKind::kfkStandard, Canvas(), GetInnerRect(), QStringLiteral("default"));
    }
};

class TTransparentMark : public TTeGraphicControl {
public:
    using TTeGraphicControl::TTeGraphicControl;

protected:
    void PaintControl() override
    {
        DrawParentBackground(this, *Canvas().Handle());
        Canvas().Brush()->SetColor(clRed);
        Canvas().FillRect(Rect(4, 4, 12, 12));
    }
};

void BM_ControlRepaint(benchmark::State& state, TTePerformance performance)
{
    EnsureGuiApplication();
    UseStoredTheme();
    const TOwned<TForm> owned = MakeOwned<TForm>(nullptr);
    TForm& form = *owned;
    form.SetClientSize(kWidth, kHeight);
    TBackgroundControl control(nullptr);
    control.SetParent(&form);
    control.SetBounds(0, 0, kWidth, kHeight);
    control.SetPerformance(performance);
    TTransparentMark child(nullptr);
    child.SetParent(&control);
    child.SetBounds(150, 130, 100, 40);
    child.SetPerformance(performance);
    if (!ShowExposed(form.Handle())) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const long long paints = control.Paints;
    for (auto _ : state)
        control.Handle()->repaint();
    if (control.Paints - paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("repaint did not paint");
    state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_ControlRepaint, NoBuffer, TTePerformance::kspNoBuffer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ControlRepaint, Shared, TTePerformance::kspSharedBuffer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ControlRepaint, Double, TTePerformance::kspDoubleBuffer)->Unit(benchmark::kMicrosecond);

class TPictureWidget : public QWidget {
public:
    explicit TPictureWidget(QImage picture) : picture_(std::move(picture)) { setAttribute(Qt::WA_OpaquePaintEvent); }
    long long Paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++Paints;
        QPainter painter(this);
        painter.drawImage(0, 0, picture_);
    }

private:
    QImage picture_;
};

void BM_PlainWidgetRepaint(benchmark::State& state)
{
    EnsureGuiApplication();
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(QColor(214, 214, 214));
    TPictureWidget widget(picture);
    widget.resize(kWidth, kHeight);
    if (!ShowExposed(&widget)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const long long paints = widget.Paints;
    for (auto _ : state)
        widget.repaint();
    if (widget.Paints - paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("repaint did not paint");
    state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlainWidgetRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
