// Opening the main window's "Operation" popup from its bar and painting it once, in OSXTiger,
// against a Fusion QMenu with the same items opened at the same place. Both run their modal loop
// and end it as soon as the popup's first paint is done.
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench/BenchWindows.h"
#include "controls/menus/TeItemView.h"
#include "controls/menus/TeMenuBar.h"
#include "framework/Form.h"
#include "framework/HeadlessGui.h"

namespace {

// Counts the paints of the popup (told by its object name) and ends the open menu after each,
// through end.
class TFirstPaint : public QObject {
public:
    TFirstPaint(QString popupName, std::function<void()> end) : popupName_(std::move(popupName)), end_(std::move(end))
    {
        qApp->installEventFilter(this);
    }
    ~TFirstPaint() override { qApp->removeEventFilter(this); }
    long long Paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == popupName_) {
            ++Paints;
            QTimer::singleShot(0, qApp, end_);
        }
        return false;
    }

private:
    QString popupName_;
    std::function<void()> end_;
};

TTeItem* AddItem(TComponent* owner, TTeItem* parent, const char* caption)
{
    auto* item = new TTeItem(owner);
    item->SetCaption(QString::fromUtf8(caption));
    parent->Add(item);
    return item;
}

void BM_MenuOpen(benchmark::State& state)
{
    EnsureGuiApplication();
    UseStoredTheme();
    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(400, 300);
    auto* bar = new TTeMenuBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(0, 0, 400, bar->Height());
    AddItem(form.get(), AddItem(form.get(), bar->Items(), "&File"), "E&xit");
    TTeItem* operation = AddItem(form.get(), bar->Items(), "&Operation");
    AddItem(form.get(), operation, "&Open CD");
    TTeItem* rip = AddItem(form.get(), operation, "&Rip");
    AddItem(form.get(), rip, "To &MP3");
    AddItem(form.get(), rip, "To &WAV");
    AddItem(form.get(), operation, "&Stop");
    AddItem(form.get(), operation, "Open &folder");
    AddItem(form.get(), bar->Items(), "&Help");
    if (!ShowExposed(form->Handle())) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    TFirstPaint painted(QStringLiteral("TTePopupWindow"), [] {
        if (TTeItemView* open = TTeItemView::Innermost())
            open->CloseAll();
    });
    for (auto _ : state)
        bar->Enter(operation);
    state.counters["paints/iteration"] = static_cast<double>(painted.Paints) / static_cast<double>(state.iterations());
    if (painted.Paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("the popup was not painted each time");
}
BENCHMARK(BM_MenuOpen)->Unit(benchmark::kMicrosecond);

void BM_QMenuOpen(benchmark::State& state)
{
    EnsureGuiApplication();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.resize(400, 300);
    if (!ShowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    QMenu menu(&window);
    menu.setStyle(fusion.get());
    menu.addAction(QStringLiteral("&Open CD"));
    QMenu* rip = menu.addMenu(QStringLiteral("&Rip"));
    rip->setStyle(fusion.get());
    rip->addAction(QStringLiteral("To &MP3"));
    rip->addAction(QStringLiteral("To &WAV"));
    menu.addAction(QStringLiteral("&Stop"));
    menu.addAction(QStringLiteral("Open &folder"));
    menu.setObjectName(QStringLiteral("OperationMenu"));
    TFirstPaint painted(QStringLiteral("OperationMenu"), [&menu] { menu.close(); });
    const QPoint at = window.mapToGlobal(QPoint(40, 19));
    for (auto _ : state)
        menu.exec(at);
    state.counters["paints/iteration"] = static_cast<double>(painted.Paints) / static_cast<double>(state.iterations());
    if (painted.Paints < static_cast<long long>(state.iterations()))
        state.SkipWithError("the menu was not painted each time");
}
BENCHMARK(BM_QMenuOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
