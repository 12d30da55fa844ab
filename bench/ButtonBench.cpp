// A hover repaint of a themed push button (98 × 25, OSXTiger, double-buffered as buttons are)
// against a QPushButton of the same size in Qt's Fusion style: each iteration moves the mouse onto
// or off the button and repaints it at once.
#include <QCoreApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench/BenchWindows.h"
#include "controls/widgets/TeButton.h"
#include "framework/Form.h"
#include "framework/HeadlessGui.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

constexpr int kWidth = 98;
constexpr int kHeight = 25;

// Counts the paints, so that a repaint that painted nothing cannot pass for a fast one.
class TCountedButton : public TTeButton {
public:
    using TTeButton::TTeButton;
    long long Paints = 0;

protected:
    void PaintControl() override
    {
        ++Paints;
        TTeButton::PaintControl();
    }
};

void BM_ButtonHoverRepaint(benchmark::State& state)
{
    EnsureGuiApplication();
    UseStoredTheme();
    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(kWidth + 20, kHeight + 20);
    TCountedButton button(nullptr);
    button.SetParent(form.get());
    button.SetBounds(10, 10, kWidth, kHeight);
    button.SetCaption(QStringLiteral("Start"));
    if (!ShowExposed(form->Handle())) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const long long paints = button.Paints;
    bool hot = false;
    for (auto _ : state) {
        hot = !hot;
        if (hot)
            button.MouseEnter();
        else
            button.MouseLeave();
        button.Handle()->repaint();
    }
    if (button.Paints - paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("repaint did not paint");
}
BENCHMARK(BM_ButtonHoverRepaint)->Unit(benchmark::kMicrosecond);

class TCountedPushButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    long long Paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++Paints;
        QPushButton::paintEvent(event);
    }
};

void BM_FusionButtonHoverRepaint(benchmark::State& state)
{
    EnsureGuiApplication();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.resize(kWidth + 20, kHeight + 20);
    TCountedPushButton button(QStringLiteral("Start"), &window);
    button.setStyle(fusion.get());
    button.setGeometry(10, 10, kWidth, kHeight);
    if (!ShowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const long long paints = button.Paints;
    bool hot = false;
    for (auto _ : state) {
        // The mouse over the widget is what the style draws as hover.
        hot = !hot;
        button.setAttribute(Qt::WA_UnderMouse, hot);
        button.repaint();
    }
    if (button.Paints - paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("repaint did not paint");
}
BENCHMARK(BM_FusionButtonHoverRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
