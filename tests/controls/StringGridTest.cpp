// The themed string grid through its input: keyboard, wheel, the themed thumb and resizing keep the
// grid and its themed scroll bar in step; row selection, column sizing, refused cells, the
// in-place bars' place and background, the theme's colour, and painting only what is visible.
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/widgets/TeStringGrid.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/VirtualKeys.h"
#include "tests/controls/ControlFixtures.h"
#include "theme/BackgroundPainters.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeManager.h"
#include "themes/FlatTheme.h"

namespace {

void Flush()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A grid of 2 columns and the given data rows under one fixed row, rows of 20 pixels, on a form.
struct TGridOnForm {
    TShownForm shown{400, 300};
    TTeStringGrid grid{nullptr};
    explicit TGridOnForm(int rows = 40)
    {
        grid.SetParent(&shown.form);
        grid.SetBounds(20, 10, 200, 150);
        grid.SetColCount(2);
        grid.SetRowCount(rows + 1);
        grid.SetFixedCols(0);
        grid.SetDefaultRowHeight(20);
        grid.SetScrollBars(TScrollStyle::ssVertical);
        for (int row = 1; row <= rows; ++row)
            grid.SetCells(1, row, QString::number(row));
        Flush();
    }
    QScrollBar* Platform() { return grid.PlatformScrollBar(Qt::Vertical); }
    TTeInplaceScrollBar* Inplace() { return grid.SubScrollBar()->Vertical(); }
    TTeScrollBar* Themed() { return Inplace()->Bar(); }
    QWidget* Cells() { return grid.ScrollArea()->viewport(); }
    // The grid's rows shown, the platform bar and the themed bar all say the same.
    void ExpectInStep()
    {
        EXPECT_EQ(Platform()->value(), grid.TopRow() - grid.FixedRows());
        EXPECT_EQ(Themed()->Position(), Platform()->value());
        EXPECT_EQ(Themed()->PageSize(), Platform()->pageStep());
        EXPECT_EQ(Themed()->Max(), Platform()->maximum() + Platform()->pageStep() - 1);
    }
    // The in-place window covers the platform bar exactly.
    void ExpectOverPlatformBar()
    {
        ASSERT_TRUE(Inplace()->Visible());
        const QPoint at = Platform()->mapTo(shown.form.ClientWidget(), QPoint(0, 0));
        EXPECT_EQ(Inplace()->BoundsRect(), Rect(at.x(), at.y(), at.x() + Platform()->width(),
                                                at.y() + Platform()->height()));
        EXPECT_EQ(Inplace()->Handle()->geometry(), QRect(at, Platform()->size()));
    }
};

}  // namespace

TEST(StringGrid, KeyboardNavigationKeepsTheRowInViewAndTheThemedBarInStep)
{
    TGridOnForm f;
    f.grid.SetFocus();
    QWidget* keys = f.grid.Handle();
    struct TStep {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row;
    };
    const int visible = f.grid.VisibleRowCount();
    const TStep steps[] = {
        {Qt::Key_Down, Qt::NoModifier, 2},
        {Qt::Key_PageDown, Qt::NoModifier, 2 + visible},
        {Qt::Key_End, Qt::ControlModifier, 40},
        {Qt::Key_Up, Qt::NoModifier, 39},
        {Qt::Key_Home, Qt::ControlModifier, 1},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.row);
        QTest::keyClick(keys, step.key, step.modifiers);
        EXPECT_EQ(f.grid.Row(), step.row);
        EXPECT_GE(step.row, f.grid.TopRow());
        EXPECT_LT(step.row, f.grid.TopRow() + f.grid.VisibleRowCount());
        f.ExpectInStep();
    }
}

// A handler that clears a key keeps it from the grid's navigation; other keys still move.
TEST(StringGrid, OnKeyDownSeesKeysFirstAndMayKeepThemFromTheNavigation)
{
    TGridOnForm f;
    f.grid.SetFocus();
    int keys = 0;
    f.grid.OnKeyDown = [&keys](TObject*, std::uint16_t& key, TShiftState) {
        ++keys;
        if (key == VK_NEXT)
            key = 0;
    };
    QTest::keyClick(f.grid.Handle(), Qt::Key_PageDown);
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(f.grid.Row(), 1);
    EXPECT_EQ(f.grid.TopRow(), 1);
    QTest::keyClick(f.grid.Handle(), Qt::Key_Down);
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(f.grid.Row(), 2);
}

TEST(StringGrid, TheWheelScrollsTheGridAndTheThemedBarFollows)
{
    TGridOnForm f;
    const QPoint middle = f.Cells()->rect().center();
    QWheelEvent down(middle, f.Cells()->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(f.Cells(), &down);
    Flush();
    EXPECT_GT(f.grid.TopRow(), 1);
    f.ExpectInStep();
}

TEST(StringGrid, DraggingTheThemedThumbScrollsTheGrid)
{
    for (bool tracking : {true, false}) {
        SCOPED_TRACE(tracking ? "thumb tracking" : "no thumb tracking");
        TGridOnForm f;
        if (tracking)
            f.grid.SetOptions(f.grid.Options() + TGridOptions{TGridOption::goThumbTracking});
        QWidget* bar = f.Inplace()->Handle();
        const TRect thumb = f.Themed()->Layout().Thumb;
        const QPoint grip(thumb.Left + 4, thumb.Top + 2);
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        QTest::mouseMove(bar, grip + QPoint(0, 40));
        const int dragged = f.Themed()->Position();
        EXPECT_GT(dragged, 0);
        EXPECT_EQ(f.grid.TopRow() - 1, tracking ? dragged : 0);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(0, 40));
        Flush();
        EXPECT_EQ(f.grid.TopRow() - 1, dragged);
        f.ExpectInStep();

        // An arrow click steps the grid by one row.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(4, f.Inplace()->Height() - 4));
        Flush();
        EXPECT_EQ(f.grid.TopRow() - 1, dragged + 1);
        f.ExpectInStep();
    }
}

TEST(StringGrid, InplaceBarsLieExactlyOverThePlatformBarsAfterMovesAndResizes)
{
    TGridOnForm f;
    f.ExpectOverPlatformBar();
    f.grid.SetBounds(40, 30, 260, 200);
    Flush();
    f.ExpectOverPlatformBar();
    f.ExpectInStep();
    f.grid.SetScrollBars(TScrollStyle::ssBoth);
    f.grid.SetColWidths(1, 400);
    Flush();
    ASSERT_TRUE(f.grid.SubScrollBar()->Horizontal()->Visible());
    QScrollBar* horizontal = f.grid.PlatformScrollBar(Qt::Horizontal);
    const QPoint at = horizontal->mapTo(f.shown.form.ClientWidget(), QPoint(0, 0));
    EXPECT_EQ(f.grid.SubScrollBar()->Horizontal()->Handle()->geometry(), QRect(at, horizontal->size()));
    f.grid.SetVisible(false);
    Flush();
    EXPECT_FALSE(f.Inplace()->Visible());
}

TEST(StringGrid, AGridWithOnlyTheFixedRowHasNoScrollBarToShow)
{
    TGridOnForm f(0);
    EXPECT_FALSE(f.Platform()->isVisibleTo(f.grid.Handle()));
    EXPECT_FALSE(f.Inplace()->Visible());
}

TEST(StringGrid, InplaceBarsPaintNothingOfTheirOwnBackground)
{
    TGridOnForm f;
    const TteBackgroundPainter* painter = FindBackgroundPainter(f.Inplace());
    ASSERT_NE(painter, nullptr);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    {
        TDeviceContext surface(&image);
        TCanvas canvas;
        canvas.SetHandle(&surface);
        (*painter)(canvas, TteBackgroundPaintInfo{Rect(0, 0, 20, 20), Rect(0, 0, 20, 20), f.Themed(), f.Inplace()});
        canvas.SetHandle(nullptr);
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(image.pixel(x, y), QColor(Qt::green).rgb());
}

TEST(StringGrid, RowSelectKeepsTheWholeRowSelected)
{
    TGridOnForm f;
    f.grid.SetColCount(4);
    f.grid.SetFixedCols(1);
    f.grid.SetOptions(f.grid.Options() + TGridOptions{TGridOption::goRowSelect});
    const TRect cell = f.grid.CellRect(2, 3);
    QTest::mouseClick(f.Cells(), Qt::LeftButton, {}, QPoint(cell.Left + 3, cell.Top + 3) - f.Cells()->pos());
    EXPECT_EQ(f.grid.Selection(), (TGridRect{1, 3, 3, 3}));
    QTest::keyClick(f.grid.Handle(), Qt::Key_Down);
    QTest::keyClick(f.grid.Handle(), Qt::Key_Left);
    EXPECT_EQ(f.grid.Selection(), (TGridRect{1, 4, 3, 4}));
}

// Columns wider than the cells' area (a thick themed frame): whole-row selection shows the rows from
// their first column whatever cell is clicked or keyed to.
TEST(StringGrid, RowSelectNeverScrollsSidewaysToTheCurrentColumn)
{
    TShownForm shown{500, 300};
    TTeStringGrid grid{nullptr};
    grid.SetParent(&shown.form);
    // As a stored grid is read: the column widths, then no fixed column, then whole-row selection.
    grid.SetBounds(20, 10, 410, 150);
    grid.SetColCount(2);
    grid.SetRowCount(13);
    grid.SetColWidths(0, 68);
    grid.SetColWidths(1, 346);
    grid.SetFixedCols(0);
    grid.SetScrollBars(TScrollStyle::ssVertical);
    grid.SetOptions(grid.Options() + TGridOptions{TGridOption::goRowSelect});
    Flush();
    QWidget* cells = grid.ScrollArea()->viewport();
    ASSERT_LT(cells->width(), 68 + 346 + 2 * grid.GridLineWidth());
    EXPECT_EQ(grid.LeftCol(), 0);
    const TRect cell = grid.CellRect(1, 3);
    QTest::mouseClick(cells, Qt::LeftButton, {}, QPoint(cell.Right - 3, cell.Top + 3) - cells->pos());
    QTest::keyClick(grid.Handle(), Qt::Key_Right);
    QTest::keyClick(grid.Handle(), Qt::Key_Down);
    grid.SetCol(1);
    EXPECT_EQ(grid.LeftCol(), 0);
    EXPECT_EQ(grid.CellRect(0, grid.Row()).Width(), 68);
}

TEST(StringGrid, DraggingAColumnEdgeInTheFixedRowSizesTheColumn)
{
    TGridOnForm f;
    f.grid.SetOptions(f.grid.Options() + TGridOptions{TGridOption::goColSizing});
    const int before = f.grid.ColWidths(0);
    const QPoint edge(before, 10);  // the right edge of column 0 in the fixed row, viewport coordinates
    QTest::mousePress(f.Cells(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(f.Cells(), edge + QPoint(25, 0));
    QTest::mouseRelease(f.Cells(), Qt::LeftButton, {}, edge + QPoint(25, 0));
    EXPECT_EQ(f.grid.ColWidths(0), before + 25);
    EXPECT_EQ(f.grid.Row(), 1);  // sizing selects nothing
}

TEST(StringGrid, ACellRefusedByOnSelectCellIsNotSelected)
{
    TGridOnForm f;
    f.grid.OnSelectCell = [](TObject*, int, int row, bool& canSelect) { canSelect = row != 2; };
    f.grid.SetRow(2);
    EXPECT_EQ(f.grid.Row(), 1);
    f.grid.SetRow(3);
    EXPECT_EQ(f.grid.Row(), 3);
}

TEST(StringGrid, PaintingVisitsOnlyTheVisibleCells)
{
    TGridOnForm f(5000);
    f.grid.SetTopRow(2500);
    int calls = 0;
    int lowest = 5001;
    f.grid.OnDrawCell = [&](TObject*, int, int row, const TRect&, TGridDrawState) {
        ++calls;
        if (row > 0)
            lowest = std::min(lowest, row);
    };
    f.Cells()->repaint();
    // 150 pixels of rows of 21 (with the line): at most 8 rows of 2 cells.
    EXPECT_GT(calls, 0);
    EXPECT_LE(calls, 16);
    EXPECT_EQ(lowest, 2500);
}

TEST(StringGrid, TheThemeGivesTheColourAndRemovingItGivesTheWindowColourBack)
{
    SetCurrentTheme(new TteBuiltTheme<TTeFlatTheme>());
    TGridOnForm f;
    EXPECT_EQ(f.grid.Color(), CurrentTheme()->Colors()->GetColor(TteThemeColor::ktcGrid));
    EXPECT_FALSE(f.grid.DefaultDrawing());
    ClearCurrentTheme();
    EXPECT_EQ(f.grid.Color(), clWindow);
    EXPECT_TRUE(f.grid.DefaultDrawing());
}

TEST(StringGrid, TheThemedBarsDrawWithTheGridsLink)
{
    TGridOnForm f;
    TFixedLink link;
    f.grid.SetThemeLink(&link);
    EXPECT_EQ(f.Themed()->ThemeLink(), &link);
    EXPECT_EQ(f.grid.SubScrollBar()->Horizontal()->Bar()->ThemeLink(), &link);
}
