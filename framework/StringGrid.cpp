#include "framework/StringGrid.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <algorithm>

#include "framework/Brush.h"
#include "framework/CanvasBinding.h"
#include "framework/DeviceContext.h"
#include "framework/PropInfo.h"
#include "framework/Reader.h"
#include "framework/Writer.h"

namespace {

constexpr int kSizingMargin = 2;
constexpr int kMinimumColWidth = 3;
constexpr int kFrameWidth = 2;

void Fill(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

// Left and top lines in first, right and bottom in second.
void Frame3D(TCanvas& canvas, const TRect& r, TColor first, TColor second)
{
    Fill(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), first);
    Fill(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), first);
    Fill(canvas, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), second);
    Fill(canvas, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), second);
}

// A stored window that asks for an option the grid does not do is refused, naming the option, rather
// than shown with a behaviour missing.
void SetStoredOptions(TStringGrid& grid, TGridOptions options)
{
    for (int i = 0; i < GridOptionNames().size(); ++i) {
        const auto option = static_cast<TGridOption>(i);
        if (options.Contains(option) && !GridOptionsDone().Contains(option))
            InvalidPropertyValue(QStringLiteral("the grid has no %1").arg(GridOptionNames()[i]));
    }
    grid.SetOptions(options);
}

bool Meets(const TRect& a, const TRect& b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

}  // namespace

const QStringList& GridOptionNames()
{
    static const QStringList names{"goFixedVertLine", "goFixedHorzLine", "goVertLine",  "goHorzLine",
                                   "goRangeSelect",   "goDrawFocusSelected", "goRowSizing", "goColSizing",
                                   "goRowMoving",     "goColMoving",     "goEditing",   "goTabs",
                                   "goRowSelect",     "goAlwaysShowEditor", "goThumbTracking"};
    return names;
}

TGridOptions GridOptionsDone()
{
    using O = TGridOption;
    return {O::goFixedVertLine, O::goFixedHorzLine, O::goVertLine, O::goHorzLine, O::goRangeSelect,
            O::goDrawFocusSelected, O::goColSizing, O::goTabs, O::goRowSelect, O::goThumbTracking};
}

const QStringList& ScrollStyleNames()
{
    static const QStringList names{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
    return names;
}

// The cells' viewport and the platform scroll bars; it hands paint, mouse and scrolling to the grid.
class TStringGrid::TArea : public QAbstractScrollArea {
public:
    TArea(TStringGrid* grid, QWidget* parent) : QAbstractScrollArea(parent), grid_(grid)
    {
        setFrameStyle(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        viewport()->setFocusPolicy(Qt::NoFocus);
        viewport()->setMouseTracking(true);
        viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        viewport()->setAutoFillBackground(false);
    }
    void Detach() { grid_ = nullptr; }

protected:
    bool viewportEvent(QEvent* event) override
    {
        if (grid_ == nullptr)
            return QAbstractScrollArea::viewportEvent(event);
        switch (event->type()) {
        case QEvent::Paint:
            grid_->PaintCells(static_cast<QPaintEvent*>(event));
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            grid_->CellMouseEvent(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::Resize:
            grid_->UpdateScrollRanges();
            return QAbstractScrollArea::viewportEvent(event);
        default:
            return QAbstractScrollArea::viewportEvent(event);
        }
    }
    void scrollContentsBy(int, int) override
    {
        if (grid_ != nullptr)
            grid_->ScrollBarMoved();
    }

private:
    TStringGrid* grid_;
};

TStringGrid::TStringGrid(TComponent* owner)
    : TCustomControl(owner), area_(std::make_unique<TArea>(this, Handle()))
{
    options_ = {TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine,
                TGridOption::goHorzLine, TGridOption::goRangeSelect};
    colWidths_.assign(5, defaultColWidth_);
    rowHeights_.assign(5, defaultRowHeight_);
    SetColor(clWindow);
    SetTabStop(true);
    for (QScrollBar* bar : {area_->verticalScrollBar(), area_->horizontalScrollBar()}) {
        bar->setSingleStep(1);
        // Without goThumbTracking the cells move when the thumb is let go.
        bar->setTracking(false);
    }
    SetBounds(0, 0, 320, 120);
    UpdateScrollRanges();
}

TStringGrid::~TStringGrid()
{
    area_->Detach();
}

QAbstractScrollArea* TStringGrid::ScrollArea() const
{
    return area_.get();
}

QScrollBar* TStringGrid::PlatformScrollBar(Qt::Orientation orientation) const
{
    return orientation == Qt::Vertical ? area_->verticalScrollBar() : area_->horizontalScrollBar();
}

TRect TStringGrid::CellArea() const
{
    const QRect viewport = area_->viewport()->geometry();
    const QPoint at = area_->viewport()->mapTo(Handle(), QPoint(0, 0));
    return Rect(at.x(), at.y(), at.x() + viewport.width(), at.y() + viewport.height());
}

void TStringGrid::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    LayOutArea();
}

void TStringGrid::LayOutArea()
{
    const int inset = borderStyle_ == TBorderStyle::bsSingle ? kFrameWidth : 0;
    area_->setGeometry(inset, inset, std::max(0, Width() - 2 * inset), std::max(0, Height() - 2 * inset));
    UpdateScrollRanges();
}

void TStringGrid::Invalidate()
{
    TCustomControl::Invalidate();
    area_->viewport()->update();
}

void TStringGrid::Repaint()
{
    TCustomControl::Repaint();
    area_->viewport()->repaint();
}

void TStringGrid::CellsChanged()
{
    ClampCounts();
    UpdateScrollRanges();
    area_->viewport()->update();
}

void TStringGrid::ClampCounts()
{
    fixedCols_ = std::clamp(fixedCols_, 0, std::max(0, ColCount() - 1));
    fixedRows_ = std::clamp(fixedRows_, 0, std::max(0, RowCount() - 1));
    const auto inside = [](int value, int low, int count) { return std::clamp(value, low, std::max(low, count - 1)); };
    col_ = inside(col_, fixedCols_, ColCount());
    row_ = inside(row_, fixedRows_, RowCount());
    anchorCol_ = inside(anchorCol_, fixedCols_, ColCount());
    anchorRow_ = inside(anchorRow_, fixedRows_, RowCount());
    topRow_ = inside(topRow_, fixedRows_, RowCount());
    leftCol_ = inside(leftCol_, fixedCols_, ColCount());
}

void TStringGrid::SetColCount(int count)
{
    count = std::max(1, count);
    if (count == ColCount())
        return;
    colWidths_.resize(count, defaultColWidth_);
    for (auto& row : cells_)
        if (static_cast<int>(row.size()) > count)
            row.resize(count);
    CellsChanged();
}

void TStringGrid::SetRowCount(int count)
{
    count = std::max(1, count);
    if (count == RowCount())
        return;
    rowHeights_.resize(count, defaultRowHeight_);
    if (static_cast<int>(cells_.size()) > count)
        cells_.resize(count);
    CellsChanged();
}

void TStringGrid::SetFixedCols(int count)
{
    if (count < 0 || count >= ColCount() || count == fixedCols_)
        return;
    fixedCols_ = count;
    col_ = std::max(col_, count);
    anchorCol_ = std::max(anchorCol_, count);
    // The cells start again right after the fixed ones: fewer fixed columns must not leave the
    // freed ones scrolled out of view.
    leftCol_ = count;
    CellsChanged();
}

void TStringGrid::SetFixedRows(int count)
{
    if (count < 0 || count >= RowCount() || count == fixedRows_)
        return;
    fixedRows_ = count;
    row_ = std::max(row_, count);
    anchorRow_ = std::max(anchorRow_, count);
    topRow_ = std::max(topRow_, count);
    CellsChanged();
}

void TStringGrid::SetDefaultColWidth(int width)
{
    defaultColWidth_ = std::max(0, width);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    CellsChanged();
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = std::max(0, height);
    std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
    CellsChanged();
}

void TStringGrid::SetColWidths(int col, int width)
{
    colWidths_.at(col) = std::max(0, width);
    CellsChanged();
}

int TStringGrid::GridLineWidth() const
{
    const bool lines = options_.Contains(TGridOption::goFixedVertLine) ||
                       options_.Contains(TGridOption::goFixedHorzLine) ||
                       options_.Contains(TGridOption::goVertLine) || options_.Contains(TGridOption::goHorzLine);
    return lines ? 1 : 0;
}

QString TStringGrid::Cells(int col, int row) const
{
    if (row < 0 || row >= static_cast<int>(cells_.size()) || col < 0 || col >= static_cast<int>(cells_[row].size()))
        return {};
    return cells_[row][col];
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return;
    if (static_cast<int>(cells_.size()) <= row)
        cells_.resize(row + 1);
    auto& cells = cells_[row];
    if (static_cast<int>(cells.size()) <= col)
        cells.resize(col + 1);
    cells[col] = text;
    const TRect rect = CellRect(col, row);
    if (!rect.IsEmpty()) {
        const TRect area = CellArea();
        area_->viewport()->update(QRect(rect.Left - area.Left, rect.Top - area.Top, rect.Width(), rect.Height()));
    }
}

TGridRect TStringGrid::Selection() const
{
    if (options_.Contains(TGridOption::goRowSelect))
        return TGridRect{fixedCols_, std::min(anchorRow_, row_), ColCount() - 1, std::max(anchorRow_, row_)};
    return TGridRect{std::min(anchorCol_, col_), std::min(anchorRow_, row_), std::max(anchorCol_, col_),
                     std::max(anchorRow_, row_)};
}

void TStringGrid::SetOptions(TGridOptions options)
{
    if (options == options_)
        return;
    options_ = options;
    const bool tracking = options_.Contains(TGridOption::goThumbTracking);
    area_->verticalScrollBar()->setTracking(tracking);
    area_->horizontalScrollBar()->setTracking(tracking);
    CellsChanged();
}

void TStringGrid::SetDefaultDrawing(bool value)
{
    if (value == defaultDrawing_)
        return;
    defaultDrawing_ = value;
    area_->viewport()->update();
}

void TStringGrid::SetScrollBars(TScrollStyle style)
{
    if (style == scrollBars_)
        return;
    scrollBars_ = style;
    UpdateScrollRanges();
}

void TStringGrid::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    LayOutArea();
    Invalidate();
}

void TStringGrid::SetFixedColor(TColor color)
{
    fixedColor_ = color;
    area_->viewport()->update();
}

void TStringGrid::ColorChanged()
{
    Invalidate();
}

void TStringGrid::FontChanged()
{
    Invalidate();
}

void TStringGrid::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    area_->setEnabled(Enabled());
    Invalidate();
}

int TStringGrid::RowTop(int row) const
{
    const int line = GridLineWidth();
    int y = 0;
    if (row < fixedRows_) {
        for (int r = 0; r < row; ++r)
            y += rowHeights_[r] + line;
        return y;
    }
    if (row < topRow_)
        return -1;
    for (int r = 0; r < fixedRows_; ++r)
        y += rowHeights_[r] + line;
    for (int r = topRow_; r < row; ++r)
        y += rowHeights_[r] + line;
    return y;
}

int TStringGrid::ColLeft(int col) const
{
    const int line = GridLineWidth();
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c)
            x += colWidths_[c] + line;
        return x;
    }
    if (col < leftCol_)
        return -1;
    for (int c = 0; c < fixedCols_; ++c)
        x += colWidths_[c] + line;
    for (int c = leftCol_; c < col; ++c)
        x += colWidths_[c] + line;
    return x;
}

TRect TStringGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return {};
    const int x = ColLeft(col);
    const int y = RowTop(row);
    const TRect area = CellArea();
    if (x < 0 || y < 0 || x >= area.Width() || y >= area.Height())
        return {};
    return Rect(area.Left + x, area.Top + y, area.Left + x + colWidths_[col], area.Top + y + rowHeights_[row]);
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const
{
    const TRect area = CellArea();
    const int line = GridLineWidth();
    x -= area.Left;
    y -= area.Top;
    if (x < 0 || y < 0 || x >= area.Width() || y >= area.Height())
        return false;
    const auto find = [line](int at, int fixed, int first, const std::vector<int>& sizes, int& found) {
        int pos = 0;
        const int count = static_cast<int>(sizes.size());
        for (int i = 0; i < count; ++i) {
            if (i == fixed)
                i = first;
            if (i >= count)
                break;
            const int next = pos + sizes[i] + line;
            if (at < next) {
                found = i;
                return true;
            }
            pos = next;
        }
        return false;
    };
    return find(x, fixedCols_, leftCol_, colWidths_, col) && find(y, fixedRows_, topRow_, rowHeights_, row);
}

int TStringGrid::VisibleRowCount() const
{
    const int line = GridLineWidth();
    int available = area_->viewport()->height();
    for (int r = 0; r < fixedRows_; ++r)
        available -= rowHeights_[r] + line;
    int count = 0;
    for (int r = topRow_; r < RowCount() && available >= rowHeights_[r]; ++r) {
        available -= rowHeights_[r] + line;
        ++count;
    }
    return std::max(1, count);
}

int TStringGrid::VisibleColCount() const
{
    const int line = GridLineWidth();
    int available = area_->viewport()->width();
    for (int c = 0; c < fixedCols_; ++c)
        available -= colWidths_[c] + line;
    int count = 0;
    for (int c = leftCol_; c < ColCount() && available >= colWidths_[c]; ++c) {
        available -= colWidths_[c] + line;
        ++count;
    }
    return std::max(1, count);
}

int TStringGrid::MaxTopRow() const
{
    const int line = GridLineWidth();
    int available = area_->viewport()->height();
    for (int r = 0; r < fixedRows_; ++r)
        available -= rowHeights_[r] + line;
    int top = RowCount();
    while (top > fixedRows_ && available >= rowHeights_[top - 1]) {
        available -= rowHeights_[top - 1] + line;
        --top;
    }
    return std::clamp(top, fixedRows_, std::max(fixedRows_, RowCount() - 1));
}

int TStringGrid::MaxLeftCol() const
{
    const int line = GridLineWidth();
    int available = area_->viewport()->width();
    for (int c = 0; c < fixedCols_; ++c)
        available -= colWidths_[c] + line;
    int left = ColCount();
    while (left > fixedCols_ && available >= colWidths_[left - 1]) {
        available -= colWidths_[left - 1] + line;
        --left;
    }
    return std::clamp(left, fixedCols_, std::max(fixedCols_, ColCount() - 1));
}

void TStringGrid::UpdateScrollRanges()
{
    if (settingScrollBars_)
        return;
    settingScrollBars_ = true;
    const bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
    const bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
    area_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    topRow_ = std::clamp(topRow_, fixedRows_, MaxTopRow());
    leftCol_ = std::clamp(leftCol_, fixedCols_, MaxLeftCol());
    QScrollBar* vbar = area_->verticalScrollBar();
    vbar->setRange(0, MaxTopRow() - fixedRows_);
    vbar->setPageStep(VisibleRowCount());
    vbar->setValue(topRow_ - fixedRows_);
    QScrollBar* hbar = area_->horizontalScrollBar();
    hbar->setRange(0, MaxLeftCol() - fixedCols_);
    hbar->setPageStep(VisibleColCount());
    hbar->setValue(leftCol_ - fixedCols_);
    settingScrollBars_ = false;
    ScrollRangesChanged();
}

void TStringGrid::ScrollBarMoved()
{
    if (settingScrollBars_)
        return;
    ScrollCellsTo(area_->verticalScrollBar()->value() + fixedRows_,
                  area_->horizontalScrollBar()->value() + fixedCols_);
}

void TStringGrid::SetTopRow(int row)
{
    ScrollCellsTo(row, leftCol_);
}

void TStringGrid::ScrollCellsTo(int topRow, int leftCol)
{
    topRow = std::clamp(topRow, fixedRows_, MaxTopRow());
    leftCol = std::clamp(leftCol, fixedCols_, MaxLeftCol());
    if (topRow == topRow_ && leftCol == leftCol_)
        return;
    const int line = GridLineWidth();
    const auto distance = [line](const std::vector<int>& sizes, int from, int to) {
        int d = 0;
        for (int i = std::min(from, to); i < std::max(from, to); ++i)
            d += sizes[i] + line;
        return from < to ? -d : d;
    };
    QWidget* viewport = area_->viewport();
    int fixedHeight = 0;
    for (int r = 0; r < fixedRows_; ++r)
        fixedHeight += rowHeights_[r] + line;
    int fixedWidth = 0;
    for (int c = 0; c < fixedCols_; ++c)
        fixedWidth += colWidths_[c] + line;
    const int dy = distance(rowHeights_, topRow_, topRow);
    const int dx = distance(colWidths_, leftCol_, leftCol);
    topRow_ = topRow;
    leftCol_ = leftCol;
    // The moving part is shifted on the screen; only what comes into view is drawn.
    if (dx == 0 && std::abs(dy) < viewport->height())
        viewport->scroll(0, dy, QRect(0, fixedHeight, viewport->width(), viewport->height() - fixedHeight));
    else if (dy == 0 && std::abs(dx) < viewport->width())
        viewport->scroll(dx, 0, QRect(fixedWidth, 0, viewport->width() - fixedWidth, viewport->height()));
    else
        viewport->update();
    settingScrollBars_ = true;
    area_->verticalScrollBar()->setValue(topRow_ - fixedRows_);
    area_->horizontalScrollBar()->setValue(leftCol_ - fixedCols_);
    settingScrollBars_ = false;
    ScrollRangesChanged();
}

bool TStringGrid::SelectCell(int col, int row)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

void TStringGrid::FocusCell(int col, int row, bool moveAnchor)
{
    col = std::clamp(col, fixedCols_, std::max(fixedCols_, ColCount() - 1));
    row = std::clamp(row, fixedRows_, std::max(fixedRows_, RowCount() - 1));
    if ((col != col_ || row != row_) && !SelectCell(col, row))
        return;
    col_ = col;
    row_ = row;
    if (moveAnchor) {
        anchorCol_ = col;
        anchorRow_ = row;
    }
    ScrollToCurrent();
    area_->viewport()->update();
}

void TStringGrid::MoveCurrent(int col, int row, bool extend)
{
    FocusCell(col, row, !(extend && options_.Contains(TGridOption::goRangeSelect)));
}

void TStringGrid::ScrollToCurrent()
{
    const int line = GridLineWidth();
    // Whether the cells first..last fit after the fixed ones into the room.
    const auto fits = [line](const std::vector<int>& sizes, int fixed, int first, int last, int room) {
        int used = 0;
        for (int i = 0; i < fixed; ++i)
            used += sizes[i] + line;
        for (int i = first; i <= last; ++i)
            used += sizes[i] + line;
        return used - line <= room;
    };
    int top = std::min(topRow_, row_);
    while (top < row_ && !fits(rowHeights_, fixedRows_, top, row_, area_->viewport()->height()))
        ++top;
    // With whole rows selected the current column is not what the user looks at: no sideways scroll.
    int left = options_.Contains(TGridOption::goRowSelect) ? leftCol_ : std::min(leftCol_, col_);
    if (!options_.Contains(TGridOption::goRowSelect))
        while (left < col_ && !fits(colWidths_, fixedCols_, left, col_, area_->viewport()->width()))
            ++left;
    ScrollCellsTo(top, left);
}

int TStringGrid::SizingColumnAt(int x, int y) const
{
    if (!options_.Contains(TGridOption::goColSizing))
        return -1;
    const int line = GridLineWidth();
    int fixedHeight = 0;
    for (int r = 0; r < fixedRows_; ++r)
        fixedHeight += rowHeights_[r] + line;
    if (y < 0 || y >= fixedHeight)
        return -1;
    for (int c = 0; c < ColCount(); ++c) {
        const int left = ColLeft(c);
        if (left < 0)
            continue;
        const int right = left + colWidths_[c];
        if (std::abs(x - right) <= kSizingMargin)
            return c;
    }
    return -1;
}

void TStringGrid::CellMouseEvent(QMouseEvent* event)
{
    const QPoint local = event->position().toPoint();
    const TRect area = CellArea();
    const int x = local.x() + area.Left;
    const int y = local.y() + area.Top;
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const bool left = event->button() == Qt::LeftButton;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (CanFocus() && !Focused())
            SetFocus();
        if (left) {
            const int sizing = SizingColumnAt(local.x(), local.y());
            if (sizing >= 0) {
                sizingCol_ = sizing;
                sizingOrigin_ = ColLeft(sizing);
            } else {
                int col = 0;
                int row = 0;
                if (MouseToCell(x, y, col, row) && col >= fixedCols_ && row >= fixedRows_) {
                    MoveCurrent(col, row, shift.Contains(TShiftStateFlag::ssShift));
                    selecting_ = true;
                }
            }
        }
        if (event->type() == QEvent::MouseButtonDblClick)
            DblClick();
        else if (left || event->button() == Qt::RightButton || event->button() == Qt::MiddleButton)
            MouseDown(left ? TMouseButton::mbLeft
                           : (event->button() == Qt::RightButton ? TMouseButton::mbRight : TMouseButton::mbMiddle),
                      shift, x, y);
        break;
    }
    case QEvent::MouseMove: {
        if (sizingCol_ >= 0) {
            SetColWidths(sizingCol_, std::max(kMinimumColWidth, local.x() - sizingOrigin_));
        } else if (selecting_ && options_.Contains(TGridOption::goRangeSelect)) {
            int col = 0;
            int row = 0;
            if (MouseToCell(x, y, col, row))
                FocusCell(col, row, false);
        }
        const bool sizingCursor = sizingCol_ >= 0 || SizingColumnAt(local.x(), local.y()) >= 0;
        area_->viewport()->setCursor(sizingCursor ? Qt::SplitHCursor : Qt::ArrowCursor);
        MouseMove(shift, x, y);
        break;
    }
    case QEvent::MouseButtonRelease: {
        sizingCol_ = -1;
        selecting_ = false;
        if (left)
            MouseUp(TMouseButton::mbLeft, shift, x, y);
        break;
    }
    default:
        break;
    }
}

bool TStringGrid::NavigationKey(QKeyEvent* event)
{
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    const bool rowSelect = options_.Contains(TGridOption::goRowSelect);
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    const int page = VisibleRowCount();
    int col = col_;
    int row = row_;
    switch (event->key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        if (rowSelect)
            return false;
        --col;
        break;
    case Qt::Key_Right:
        if (rowSelect)
            return false;
        ++col;
        break;
    case Qt::Key_PageUp:
        row -= page;
        // The page moves with the current row.
        ScrollCellsTo(topRow_ - page, leftCol_);
        break;
    case Qt::Key_PageDown:
        row += page;
        ScrollCellsTo(topRow_ + page, leftCol_);
        break;
    case Qt::Key_Home:
        if (ctrl || rowSelect)
            row = fixedRows_;
        if (!rowSelect)
            col = fixedCols_;
        break;
    case Qt::Key_End:
        if (ctrl || rowSelect)
            row = lastRow;
        if (!rowSelect)
            col = lastCol;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (!options_.Contains(TGridOption::goTabs))
            return false;
        const bool back = event->key() == Qt::Key_Backtab || shift;
        if (rowSelect) {
            row += back ? -1 : 1;
        } else if (back) {
            if (--col < fixedCols_) {
                col = lastCol;
                --row;
            }
        } else if (++col > lastCol) {
            col = fixedCols_;
            ++row;
        }
        if (row < fixedRows_ || row > lastRow)
            return false;
        FocusCell(col, row, true);
        return true;
    }
    default:
        return false;
    }
    MoveCurrent(std::clamp(col, fixedCols_, std::max(fixedCols_, lastCol)),
                std::clamp(row, fixedRows_, std::max(fixedRows_, lastRow)), shift);
    return true;
}

bool TStringGrid::WidgetEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // OnKeyDown sees the key first; a handler that clears it keeps it from the navigation.
        auto* key = static_cast<QKeyEvent*>(event);
        if (DeliverKeyPress(key))
            NavigationKey(key);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        area_->viewport()->update();
        return TCustomControl::WidgetEvent(event);
    default:
        return TCustomControl::WidgetEvent(event);
    }
}

void TStringGrid::Paint()
{
    if (borderStyle_ == TBorderStyle::bsSingle)
        PaintFrame(Rect(0, 0, Width(), Height()));
}

void TStringGrid::PaintFrame(const TRect& rect)
{
    Frame3D(Canvas(), rect, clBtnShadow, clBtnHighlight);
    Frame3D(Canvas(), Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1), cl3DDkShadow, clBtnFace);
}

void TStringGrid::PaintBackground(const TRect& rect)
{
    Fill(Canvas(), rect, Color());
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state)
{
    if (defaultDrawing_) {
        TCanvas& canvas = Canvas();
        const bool fixed = state.Contains(TGridDrawStateFlag::gdFixed);
        const bool focused = state.Contains(TGridDrawStateFlag::gdFocused);
        const bool highlighted = state.Contains(TGridDrawStateFlag::gdSelected) &&
                                 (!focused || options_.Contains(TGridOption::goDrawFocusSelected) ||
                                  options_.Contains(TGridOption::goRowSelect));
        TColor fill = Color();
        TColor text = Font()->Color();
        if (fixed)
            fill = fixedColor_;
        else if (highlighted) {
            fill = clHighlight;
            text = clHighlightText;
        }
        Fill(canvas, rect, fill);
        canvas.Font()->SetColor(text);
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
        if (fixed)
            Frame3D(canvas, rect, clBtnHighlight, clBtnShadow);
        if (focused && !options_.Contains(TGridOption::goRowSelect))
            canvas.DrawFocusRect(rect);
    }
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}

void TStringGrid::PaintCells(QPaintEvent* event)
{
    QWidget* viewport = area_->viewport();
    TDeviceContext surface(viewport);
    surface.IntersectClipRect(TRect::FromQRect(event->rect()));
    TCanvas& canvas = Canvas();
    const TCanvasBinding binding(canvas, surface);
    canvas.SetFont(Font());
    paintingCells_ = true;
    const TRect clip = TRect::FromQRect(event->rect());
    const int width = viewport->width();
    const int height = viewport->height();
    const int line = GridLineWidth();
    const bool focused = Focused();
    const TGridRect selection = Selection();
    const TColor lineColor = clSilver;
    const TColor fixedLineColor = clBlack;

    // The rows and columns on the screen: the fixed ones, then the scrolled ones from the top / left.
    std::vector<int> cols;
    for (int c = 0, x = 0; c < ColCount() && x < width; ++c) {
        if (c == fixedCols_)
            c = leftCol_;
        if (c >= ColCount())
            break;
        cols.push_back(c);
        x += colWidths_[c] + line;
    }
    int right = 0;
    for (int c : cols)
        right += colWidths_[c] + line;
    int y = 0;
    for (int r = 0; r < RowCount() && y < height; ++r) {
        if (r == fixedRows_)
            r = topRow_;
        if (r >= RowCount())
            break;
        const int h = rowHeights_[r];
        const TRect rowRect = Rect(0, y, width, y + h + line);
        if (Meets(rowRect, clip)) {
            int x = 0;
            for (int c : cols) {
                const TRect rect = Rect(x, y, x + colWidths_[c], y + h);
                x += colWidths_[c] + line;
                if (!Meets(Rect(rect.Left, rect.Top, rect.Right + line, rect.Bottom + line), clip))
                    continue;
                const bool fixed = c < fixedCols_ || r < fixedRows_;
                TGridDrawState state;
                if (fixed)
                    state.Include(TGridDrawStateFlag::gdFixed);
                else if (selection.Contains(c, r))
                    state.Include(TGridDrawStateFlag::gdSelected);
                if (!fixed && focused && c == col_ && r == row_)
                    state.Include(TGridDrawStateFlag::gdFocused);
                DrawCell(c, r, rect, state);
                if (line > 0) {
                    const bool vert = options_.Contains(fixed ? TGridOption::goFixedVertLine : TGridOption::goVertLine);
                    const bool horz = options_.Contains(fixed ? TGridOption::goFixedHorzLine : TGridOption::goHorzLine);
                    const TColor color = fixed ? fixedLineColor : lineColor;
                    Fill(canvas, Rect(rect.Right, rect.Top, rect.Right + 1, rect.Bottom + 1),
                         vert ? color : Color());
                    Fill(canvas, Rect(rect.Left, rect.Bottom, rect.Right, rect.Bottom + 1), horz ? color : Color());
                }
            }
        }
        y += h + line;
    }
    if (right < width)
        PaintBackground(Rect(right, 0, width, height));
    if (y < height)
        PaintBackground(Rect(0, y, std::min(right, width), height));
    paintingCells_ = false;
}

void TStringGrid::DefineProperties(TFiler& filer)
{
    TCustomControl::DefineProperties(filer);
    const bool custom = std::any_of(colWidths_.begin(), colWidths_.end(),
                                    [this](int width) { return width != defaultColWidth_; });
    filer.DefineProperty(
        "ColWidths",
        [this](TReader& reader) {
            reader.ReadListBegin();
            for (int col = 0; !reader.EndOfList(); ++col) {
                const std::int64_t width = reader.ReadInteger();
                if (col < ColCount())
                    SetColWidths(col, static_cast<int>(std::clamp<std::int64_t>(width, 0, INT32_MAX)));
            }
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int width : colWidths_)
                writer.WriteInteger(width);
            writer.WriteListEnd();
        },
        custom);
}

void RegisterStringGridProperties()
{
    RegisterProperties<TStringGrid, TWinControl>()
        .Integer("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount, 5)
        .Integer("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount, 5)
        .Integer("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth, 64)
        .Integer("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight, 24)
        .Integer("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols, 1)
        .Integer("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows, 1)
        .Color("FixedColor", &TStringGrid::FixedColor, &TStringGrid::SetFixedColor, clBtnFace)
        .SetOf("Options", &TStringGrid::Options, SetStoredOptions, GridOptionNames(),
               TGridOptions{TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine,
                            TGridOption::goHorzLine, TGridOption::goRangeSelect})
        .Boolean("DefaultDrawing", &TStringGrid::DefaultDrawing, &TStringGrid::SetDefaultDrawing, true)
        .Enumeration("ScrollBars", &TStringGrid::ScrollBars, &TStringGrid::SetScrollBars, ScrollStyleNames(),
                     TScrollStyle::ssBoth)
        .Enumeration("BorderStyle", &TStringGrid::BorderStyle, &TStringGrid::SetBorderStyle, BorderStyleNames(),
                     TBorderStyle::bsSingle)
        .Event("OnDrawCell", &TStringGrid::OnDrawCell)
        .Event("OnSelectCell", &TStringGrid::OnSelectCell);
}
