// The themed grid and combo box against Qt's own widgets in the Fusion style: scrolling a track
// list by one row with the repaint that follows, and opening and painting a drop-down list.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench/BenchWindows.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "framework/Form.h"
#include "framework/HeadlessGui.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

constexpr int kGridWidth = 410;
constexpr int kGridHeight = 296;
constexpr int kTracks = 99;
constexpr int kComboItems = 20;

QString TrackFile(int track)
{
    return QStringLiteral("Track%1.mp3").arg(track, 2, 10, QLatin1Char('0'));
}

// Moves one step at a time from one end to the other and back.
class TBounce {
public:
    explicit TBounce(int last) : last_(last) {}
    int Next()
    {
        if (value_ + step_ < 0 || value_ + step_ > last_)
            step_ = -step_;
        value_ += step_;
        return value_;
    }

private:
    int last_;
    int value_ = 0;
    int step_ = 1;
};

// Qt's own item drawing, counted, so that a run that never painted shows up.
class TCountingDelegate : public QStyledItemDelegate {
public:
    mutable long long Painted = 0;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        ++Painted;
        QStyledItemDelegate::paint(painter, option, index);
    }
};

void BM_GridScroll(benchmark::State& state)
{
    EnsureGuiApplication();
    UseStoredTheme();
    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(kGridWidth + 20, kGridHeight + 20);
    TTeStringGrid grid(nullptr);
    grid.SetParent(form.get());
    grid.SetBounds(10, 10, kGridWidth, kGridHeight);
    grid.SetColCount(2);
    grid.SetRowCount(kTracks + 1);
    grid.SetFixedCols(0);
    grid.SetColWidths(0, 60);
    grid.SetColWidths(1, 320);
    grid.SetScrollBars(TScrollStyle::ssVertical);
    grid.SetOptions(grid.Options() + TGridOptions{TGridOption::goRowSelect});
    for (int track = 1; track <= kTracks; ++track) {
        grid.SetCells(0, track, QString::number(track));
        grid.SetCells(1, track, TrackFile(track));
    }
    if (!ShowExposed(form->Handle())) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    long long cells = 0;
    grid.OnDrawCell = [&cells](TObject*, int, int, const TRect&, TGridDrawState) { ++cells; };
    QScrollBar* bar = grid.PlatformScrollBar(Qt::Vertical);
    TBounce rows(bar->maximum());
    for (auto _ : state) {
        grid.SetTopRow(grid.FixedRows() + rows.Next());
        QCoreApplication::processEvents();
    }
    // At least the row that came into view, each time.
    if (cells < 2 * static_cast<long long>(state.iterations()))
        state.SkipWithError("the cells were not painted");
}
BENCHMARK(BM_GridScroll)->Unit(benchmark::kMicrosecond);

void BM_QTableWidgetScroll(benchmark::State& state)
{
    EnsureGuiApplication();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.resize(kGridWidth + 20, kGridHeight + 20);
    QTableWidget table(kTracks, 2, &window);
    table.setStyle(fusion.get());
    table.setGeometry(10, 10, kGridWidth, kGridHeight);
    table.setHorizontalHeaderLabels({QStringLiteral("Track"), QStringLiteral("File")});
    table.verticalHeader()->hide();
    table.setColumnWidth(0, 60);
    table.setColumnWidth(1, 320);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TCountingDelegate delegate;
    table.setItemDelegate(&delegate);
    for (int track = 1; track <= kTracks; ++track) {
        table.setItem(track - 1, 0, new QTableWidgetItem(QString::number(track)));
        table.setItem(track - 1, 1, new QTableWidgetItem(TrackFile(track)));
    }
    if (!ShowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    QScrollBar* bar = table.verticalScrollBar();
    TBounce rows(bar->maximum());
    const long long painted = delegate.Painted;
    for (auto _ : state) {
        bar->setValue(rows.Next());
        QCoreApplication::processEvents();
    }
    if (delegate.Painted - painted < 2 * static_cast<long long>(state.iterations()))
        state.SkipWithError("the cells were not painted");
}
BENCHMARK(BM_QTableWidgetScroll)->Unit(benchmark::kMicrosecond);

// Counts the items it draws, so that a run that never painted the list shows up.
class TCountingCombo : public TTeSComboBox {
public:
    using TTeSComboBox::TTeSComboBox;
    long long ItemsDrawn = 0;

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState drawState) override
    {
        ++ItemsDrawn;
        TTeSComboBox::DrawItem(index, rect, drawState);
    }
};

void BM_ComboDropDown(benchmark::State& state)
{
    EnsureGuiApplication();
    UseStoredTheme();
    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(200, 60);
    TCountingCombo combo(nullptr);
    combo.SetParent(form.get());
    combo.SetStyle(TComboBoxStyle::csDropDownList);
    combo.SetBounds(10, 10, 120, 21);
    for (int i = 0; i < kComboItems; ++i)
        combo.Items()->Add(QStringLiteral("%1 kbit/s").arg(32 + 16 * i));
    combo.SetItemIndex(0);
    if (!ShowExposed(form->Handle())) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const long long drawn = combo.ItemsDrawn;
    for (auto _ : state) {
        // The popup is painted once the platform has exposed it.
        combo.SetDroppedDown(true);
        QCoreApplication::processEvents();
        combo.SetDroppedDown(false);
    }
    // Each opening draws the rows the list shows.
    if (combo.ItemsDrawn - drawn < static_cast<long long>(state.iterations()) * combo.DropDownCount())
        state.SkipWithError("the list was not painted");
}
BENCHMARK(BM_ComboDropDown)->Unit(benchmark::kMicrosecond);

void BM_QComboBoxDropDown(benchmark::State& state)
{
    EnsureGuiApplication();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.resize(200, 60);
    QComboBox combo(&window);
    combo.setStyle(fusion.get());
    combo.setGeometry(10, 10, 120, 21);
    for (int i = 0; i < kComboItems; ++i)
        combo.addItem(QStringLiteral("%1 kbit/s").arg(32 + 16 * i));
    TCountingDelegate delegate;
    combo.setItemDelegate(&delegate);
    if (!ShowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    const long long painted = delegate.Painted;
    for (auto _ : state) {
        combo.showPopup();
        QCoreApplication::processEvents();
        combo.hidePopup();
    }
    if (delegate.Painted - painted < static_cast<long long>(state.iterations()) * combo.maxVisibleItems())
        state.SkipWithError("the list was not painted");
}
BENCHMARK(BM_QComboBoxDropDown)->Unit(benchmark::kMicrosecond);

}  // namespace
