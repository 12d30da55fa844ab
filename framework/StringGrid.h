#pragma once
// The framework's cell grid: rows and columns of strings (and objects) with fixed rows and columns
// at the top and left, a current cell and a selection, scrolling by whole rows and columns through
// the platform scroll bars of a QAbstractScrollArea, keyboard and wheel navigation, and column sizing
// with the mouse on the fixed rows. Cells are not edited in place, rows not sized, and neither rows
// nor columns moved. Subclasses draw cells, background and frame in
// their own style by overriding DrawCell, PaintBackground and PaintFrame.
#include <QStringList>
#include <memory>
#include <vector>

#include "framework/BorderStyle.h"
#include "framework/CustomControl.h"
#include "framework/Set.h"

class QAbstractScrollArea;
class QScrollBar;

// The grid's options. Kept with every name a stored window may carry, but goRowSizing, goRowMoving,
// goColMoving, goEditing and goAlwaysShowEditor are refused by the stored Options property
// (GridOptionsDone): the grid has none of these behaviours.
enum class TGridOption : std::uint8_t {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
};
using TGridOptions = TSet<TGridOption>;
const QStringList& GridOptionNames();
// The options the grid acts on.
TGridOptions GridOptionsDone();

enum class TGridDrawStateFlag : std::uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
const QStringList& ScrollStyleNames();

// Columns Left..Right and rows Top..Bottom, all inclusive.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
    bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
};

using TDrawCellEvent = TMethod<void(TObject* sender, int col, int row, const TRect& rect, TGridDrawState state)>;
using TSelectCellEvent = TMethod<void(TObject* sender, int col, int row, bool& canSelect)>;

class TStringGrid : public TCustomControl {
public:
    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    void SetColCount(int count);
    int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return defaultColWidth_; }
    // Sets every column to the width.
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const { return colWidths_.at(col); }
    void SetColWidths(int col, int width);
    int RowHeights(int row) const { return rowHeights_.at(row); }
    // 1 when any grid line is drawn, else 0.
    int GridLineWidth() const;

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    // The current cell; setting either asks OnSelectCell, selects the cell and scrolls it into view.
    int Col() const { return col_; }
    void SetCol(int col) { FocusCell(col, row_, true); }
    int Row() const { return row_; }
    void SetRow(int row) { FocusCell(col_, row, true); }
    TGridRect Selection() const;
    // The first scrollable row / column shown.
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    int LeftCol() const { return leftCol_; }
    // Scrollable rows that fit wholly below the fixed rows (at least 1).
    int VisibleRowCount() const;
    int VisibleColCount() const;

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);

    // The cell's rectangle in the grid's client coordinates (empty when it is scrolled out of view).
    TRect CellRect(int col, int row) const;
    // The cell at a client point; false outside every cell.
    bool MouseToCell(int x, int y, int& col, int& row) const;

    // The platform scroll bars and the area they belong to.
    QScrollBar* PlatformScrollBar(Qt::Orientation orientation) const;
    QAbstractScrollArea* ScrollArea() const;
    // The cells' area (the viewport) within the grid's client area.
    TRect CellArea() const;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;

    void SetBounds(int left, int top, int width, int height) override;
    // Column widths that differ from DefaultColWidth are stored as the list "ColWidths".
    void DefineProperties(TFiler& filer) override;
    void Invalidate() override;
    void Repaint() override;

protected:
    // One cell: with DefaultDrawing the framework's look, then OnDrawCell with the cell's rectangle.
    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);
    // The frame drawn around the cells' area when BorderStyle is bsSingle (rect is the whole grid).
    virtual void PaintFrame(const TRect& rect);
    // What lies outside every cell within the cells' area.
    virtual void PaintBackground(const TRect& rect);
    // The platform bars' range, page or position were set anew.
    virtual void ScrollRangesChanged() {}
    // Fires OnSelectCell; false keeps the current cell.
    virtual bool SelectCell(int col, int row);
    // The grid's widget (not the cells) paints the frame.
    void Paint() override;
    bool WidgetEvent(QEvent* event) override;
    void ColorChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;

    // The cells' canvas is Canvas(), bound to the viewport while the cells are drawn.
    bool PaintingCells() const { return paintingCells_; }

private:
    class TArea;
    friend class TArea;

    void PaintCells(QPaintEvent* event);
    void CellMouseEvent(QMouseEvent* event);
    bool NavigationKey(QKeyEvent* event);
    void FocusCell(int col, int row, bool moveAnchor);
    void MoveCurrent(int col, int row, bool extend);
    void ScrollToCurrent();
    void UpdateScrollRanges();
    void ScrollBarMoved();
    void ScrollCellsTo(int topRow, int leftCol);
    void LayOutArea();
    void Resized();
    void ClampCounts();
    int SizingColumnAt(int x, int y) const;
    int RowTop(int row) const;
    int ColLeft(int col) const;
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void CellsChanged();

    std::unique_ptr<TArea> area_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    // Row-major; grown to the counts on first write.
    std::vector<std::vector<QString>> cells_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int col_ = 1;
    int row_ = 1;
    int anchorCol_ = 1;
    int anchorRow_ = 1;
    int topRow_ = 1;
    int leftCol_ = 1;
    TGridOptions options_;
    bool defaultDrawing_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TColor fixedColor_ = clBtnFace;
    bool paintingCells_ = false;
    bool settingScrollBars_ = false;
    // Column being sized with the mouse (-1: none), and where its sizing started.
    int sizingCol_ = -1;
    int sizingOrigin_ = 0;
    bool selecting_ = false;
};

void RegisterStringGridProperties();
