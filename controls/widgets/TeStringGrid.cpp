#include "controls/widgets/TeStringGrid.h"

#include "controls/core/TeControl.h"
#include "controls/core/ThemeSelection.h"
#include "framework/Canvas.h"
#include "theme/CustomThemeLink.h"
#include "theme/Theme.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeManager.h"
#include "theme/ThemeParts.h"
#include "theme/ThemedElements.h"

namespace {

TteGridCellState CellState(const TStringGrid& grid, TGridDrawState state)
{
    if (!grid.Enabled())
        return TteGridCellState::kgcsDisabled;
    if (state.Contains(TGridDrawStateFlag::gdFocused))
        return TteGridCellState::kgcsHighlighted;
    if (state.Contains(TGridDrawStateFlag::gdSelected))
        return grid.Options().Contains(TGridOption::goRowSelect) ||
                       grid.Options().Contains(TGridOption::goDrawFocusSelected)
                   ? TteGridCellState::kgcsHighlighted
                   : TteGridCellState::kgcsSelected;
    return TteGridCellState::kgcsNormal;
}

}  // namespace

TTeStringGrid::TTeStringGrid(TComponent* owner) : TStringGrid(owner)
{
    subScrollBar_ = new TTeSubScrollBar(this);
    // Tells reason 3 at once when a theme is current, which takes the theme's look.
    AddThemeNotification(this);
}

TTeStringGrid::~TTeStringGrid()
{
    RemoveThemeNotification(this);
}

void TTeStringGrid::SetThemeLink(TteCustomThemeLink* link)
{
    if (!theme_.SetLink(link))
        return;
    // The themed bars draw with the grid's theme.
    if (subScrollBar_ != nullptr)
        for (TTeInplaceScrollBar* inplace : {subScrollBar_->Vertical(), subScrollBar_->Horizontal()})
            if (inplace != nullptr)
                inplace->Bar()->SetThemeLink(link);
    Invalidate();
}

void TTeStringGrid::SetThemeObject(const QString& name)
{
    if (theme_.SetObject(name))
        Invalidate();
}

void TTeStringGrid::TakeThemeLook()
{
    TteTheme* theme = GetLinkTheme(ThemeLink());
    if (theme == nullptr)
        return;
    SetColor(theme->Colors()->GetColor(TteThemeColor::ktcGrid));
    SetDefaultDrawing(!theme->IsGridAvailable(0, DefaultThemeObject()));
}

void TTeStringGrid::Loaded()
{
    TStringGrid::Loaded();
    TakeThemeLook();
}

void TTeStringGrid::Dispatch(TMessage& message)
{
    if (message.Msg == TE_THEMECHANGE) {
        ThemeChanged(message);
        return;
    }
    if (message.Msg == TE_THEMELINKCHANGE) {
        Invalidate();
        return;
    }
    TStringGrid::Dispatch(message);
}

void TTeStringGrid::ThemeChanged(const TMessage& message)
{
    switch (static_cast<TteThemeChange>(message.WParam)) {
    case TteThemeChange::ktcReplaced:
    case TteThemeChange::ktcAssigned:
        SetDefaultDrawing(false);
        TakeThemeLook();
        Invalidate();
        break;
    case TteThemeChange::ktcRemoved:
        SetDefaultDrawing(true);
        SetColor(clWindow);
        Invalidate();
        break;
    case TteThemeChange::ktcColors:
        Invalidate();
        break;
    default:
        break;
    }
}

void TTeStringGrid::SetBounds(int left, int top, int width, int height)
{
    TStringGrid::SetBounds(left, top, width, height);
    if (subScrollBar_ != nullptr)
        subScrollBar_->Synchronise();
}

void TTeStringGrid::ParentChanged()
{
    TStringGrid::ParentChanged();
    if (subScrollBar_ != nullptr)
        subScrollBar_->GridParentChanged();
}

void TTeStringGrid::ScrollRangesChanged()
{
    if (subScrollBar_ != nullptr)
        subScrollBar_->Synchronise();
}

void TTeStringGrid::MouseEnter()
{
    hot_ = true;
    TStringGrid::MouseEnter();
}

void TTeStringGrid::MouseLeave()
{
    hot_ = false;
    TStringGrid::MouseLeave();
}

void TTeStringGrid::PaintFrame(const TRect& rect)
{
    if (IsGridThemed(0, ThemeObject(), ThemeLink()))
        Theme()->DrawGrid(0, Canvas(), rect, DefaultThemeObject());
    else
        TStringGrid::PaintFrame(rect);
}

void TTeStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state)
{
    if (!IsGridThemed(0, ThemeObject(), ThemeLink())) {
        TStringGrid::DrawCell(col, row, rect, state);
        return;
    }
    TteTheme* theme = Theme();
    TCanvas& canvas = Canvas();
    const TteGridCellKind kind =
        state.Contains(TGridDrawStateFlag::gdFixed) ? TteGridCellKind::kgckFixed : TteGridCellKind::kgckOrdinary;
    TtePartInfo info{rect, ThemeByte(CellState(*this, state)), ThemeByte(kind)};
    theme->DrawGridCell(0, canvas, info, ThemeObject());
    info.Rect = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
    theme->DrawGridCellText(0, canvas, info,
                            MakeTextInfo(info.Rect, Cells(col, row), TteTextAlignment::ktaTopLeft, kTextSingleLine,
                                         TteTextRotation::ktrNone),
                            ThemeObject());
    if (OnDrawCell)
        OnDrawCell(this, col, row, info.Rect, state);
}

void RegisterThemedGridProperties()
{
    auto properties = RegisterProperties<TTeStringGrid, TStringGrid>();
    AddThemeSelectionProperties(properties);
}
