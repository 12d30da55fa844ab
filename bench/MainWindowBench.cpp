// A full repaint of the program's main window against the same window built from stock widgets in
// Qt's Fusion style: each iteration paints the whole window (frame, menu bar, grid, settings,
// buttons) through every widget's paint event into one picture, as the backing store gets it after
// an expose.
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/MainForm.h"
#include "bench/BenchWindows.h"
#include "bench/peer/FusionPeerWindow.h"
#include "controls/widgets/TeStringGrid.h"
#include "framework/Application.h"
#include "framework/HeadlessGui.h"
#include "themes/ThemeKinds.h"

namespace {

// Counts the paints a widget gets, so that a repaint that drew nothing cannot pass for a fast one.
class TPaintCount : public QObject {
public:
    long long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void BM_FusionMainWindowRepaint(benchmark::State& state)
{
    EnsureGuiApplication();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    if (!fusion) {
        state.SkipWithError("no Fusion style");
        return;
    }
    TFusionPeerWindow window;
    // The style of this window only: the other benchmarks in the process keep theirs.
    window.setStyle(fusion.get());
    for (QWidget* child : window.findChildren<QWidget*>())
        child->setStyle(fusion.get());
    if (!ShowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    TPaintCount grid;
    window.Tracks()->viewport()->installEventFilter(&grid);
    QImage frame(window.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        window.render(&frame);
    if (grid.paints < state.iterations())
        state.SkipWithError(("the grid was not painted on every repaint: " + std::to_string(grid.paints)).c_str());
}
BENCHMARK(BM_FusionMainWindowRepaint)->Unit(benchmark::kMicrosecond);

// The program's own window as it starts: read from its stored description in its stored theme
// (OSXTiger), the demo disc listed in the grid, the frame drawn by the theme.
void BM_MainWindowRepaint(benchmark::State& state)
{
    EnsureGuiApplication();
    setenv("TRACKWELL_DEVICE", TRACKWELL_DEMO_DISC, 1);
    RegisterThemeKinds();
    RegisterWindowClasses();
    Application->SetTitle(QStringLiteral("Trackwell"));
    auto* form = new TForm1(nullptr);
    form->DoCreate();
    form->Show();
    QWidget* window = form->Handle();
    if (form->StringGrid1->Cells(1, 1).isEmpty() || !ShowExposed(window)) {
        form->Free();
        state.SkipWithError("the demo disc was not listed or the window was never exposed");
        return;
    }
    TPaintCount grid;
    form->StringGrid1->Handle()->installEventFilter(&grid);
    QImage frame(window->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        window->render(&frame);
    const long long paints = grid.paints;
    form->Free();
    if (paints < state.iterations())
        state.SkipWithError(("the grid was not painted on every repaint: " + std::to_string(paints)).c_str());
}
BENCHMARK(BM_MainWindowRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
