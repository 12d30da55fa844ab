// A full repaint of a themed window frame (a 642 x 414 client in OSXTiger) against the frame of a
// Fusion-styled MDI sub-window around a client of the same size, both repainting only their frame.
// The themed frame paints once per change of its look and copies that picture otherwise; the
// Changed runs change the look (the hot caption button) before every repaint.
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench/BenchWindows.h"
#include "controls/frame/TeForm.h"
#include "framework/Form.h"
#include "framework/HeadlessGui.h"
#include "framework/WindowHook.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

constexpr int kClientWidth = 642;
constexpr int kClientHeight = 414;

// Counts the paints of the window it watches, ahead of the frame's hook (which takes them).
class TPaintCounter : public TWindowHook {
public:
    long long Paints = 0;

protected:
    bool BeforeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// Counts the paints of a plain widget.
class TPaintFilter : public QObject {
public:
    long long Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// changing: the hot part moves between the close button and the caption before each repaint, so
// every repaint paints the whole frame anew instead of showing the frame painted last.
void FrameRepaint(benchmark::State& state, TTeFormPerformance performance, bool changing)
{
    EnsureGuiApplication();
    std::unique_ptr<TteTheme> tiger = CreateStoredTheme(QStringLiteral("OSXTiger"));
    if (!tiger) {
        state.SkipWithError("no OSXTiger carried");
        return;
    }
    SetCurrentTheme(tiger.release());
    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(kClientWidth, kClientHeight);
    form->SetCaption(QStringLiteral("Trackwell"));
    auto* frame = new TTeForm(form.get());
    frame->SetBorderIcons({TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiMinimize,
                           TTeBorderIcon::kbiRollup, TTeBorderIcon::kbiTray});
    frame->SetPerformance(performance);
    frame->Loaded();
    QWidget* window = form->Handle();
    if (!ShowExposed(window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    TPaintCounter counter;
    counter.HookWindow(window);
    const QRegion frameRegion = QRegion(window->rect()) - form->ClientBounds().ToQRect();
    const TRect close = frame->GetButtonRect(TTeBorderIcon::kbiClose);
    const TPoint points[] = {{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2}, {60, 8}};
    int turn = 0;
    for (auto _ : state) {
        if (changing) {
            turn ^= 1;
            frame->NCMouseMove({}, points[turn], points[turn]);
        }
        window->repaint(frameRegion);
    }
    counter.HookWindow(nullptr);
    if (counter.Paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("repaint did not paint");
    state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    ClearCurrentTheme();
}
void BM_FrameRepaint(benchmark::State& state, TTeFormPerformance performance)
{
    FrameRepaint(state, performance, false);
}
void BM_FrameRepaintChanged(benchmark::State& state, TTeFormPerformance performance)
{
    FrameRepaint(state, performance, true);
}
BENCHMARK_CAPTURE(BM_FrameRepaint, NoBuffer, TTeFormPerformance::ksfpNoBuffer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FrameRepaint, Persistent, TTeFormPerformance::ksfpPersistentBuffer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FrameRepaintChanged, NoBuffer, TTeFormPerformance::ksfpNoBuffer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FrameRepaintChanged, Persistent, TTeFormPerformance::ksfpPersistentBuffer)
    ->Unit(benchmark::kMicrosecond);

void BM_FusionDecoratedRepaint(benchmark::State& state)
{
    EnsureGuiApplication();
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    if (!fusion) {
        state.SkipWithError("no Fusion style");
        return;
    }
    QMdiArea area;
    area.resize(kClientWidth + 200, kClientHeight + 200);
    auto* client = new QWidget;
    client->setFixedSize(kClientWidth, kClientHeight);
    QMdiSubWindow* sub = area.addSubWindow(client);
    sub->setStyle(fusion.get());
    sub->setWindowTitle(QStringLiteral("Trackwell"));
    sub->adjustSize();
    if (!ShowExposed(&area)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    sub->show();
    QCoreApplication::processEvents();
    TPaintFilter counter;
    sub->installEventFilter(&counter);
    const QRegion frameRegion = QRegion(sub->rect()) - client->geometry();
    for (auto _ : state)
        sub->repaint(frameRegion);
    sub->removeEventFilter(&counter);
    if (counter.Paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("repaint did not paint");
    state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FusionDecoratedRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
