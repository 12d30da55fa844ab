#include "controls/core/TeScrollBar.h"

#include <algorithm>
#include <cmath>

#include "controls/core/ParentBackground.h"
#include "controls/core/Performance.h"
#include "controls/core/TeControl.h"
#include "framework/Canvas.h"
#include "framework/PropInfo.h"
#include "framework/SystemMetrics.h"
#include "framework/Timer.h"
#include "theme/Theme.h"
#include "theme/ThemedElements.h"

const QStringList& ScrollOrientationNames()
{
    static const QStringList names{"ksoHorizontal", "ksoVertical"};
    return names;
}

TTeScrollBar::TTeScrollBar(TComponent* owner) : TTeGraphicControl(owner)
{
    SetPerformance(TTePerformance::kspDoubleBuffer);
    SetBounds(Left(), Top(), 121, Thickness());
    repeat_ = new TTimer(this);
    repeat_->SetEnabled(false);
    repeat_->OnTimer = [this](TObject*) { RepeatTick(); };
}

int TTeScrollBar::RepeatDelay()
{
    return SystemMetrics().KeyboardDelay() * 200 + 200;
}

int TTeScrollBar::RepeatInterval()
{
    return static_cast<int>(std::lrint(1000.0 / ((SystemMetrics().KeyboardSpeed() + 1) * 2.3)));
}

int TTeScrollBar::Thickness() const
{
    return GetSystemMetrics(SM_CYVTHUMB) + 2 * borderWidth_;
}

void TTeScrollBar::SetMin(int value)
{
    if (value == range_.Min)
        return;
    range_.Min = std::min(value, range_.Max);
    RangeChanged();
}

void TTeScrollBar::SetMax(int value)
{
    if (value == range_.Max)
        return;
    range_.Max = std::max(value, range_.Min);
    RangeChanged();
}

void TTeScrollBar::SetPageSize(int value)
{
    if (value == range_.PageSize || value < 0)
        return;
    range_.PageSize = std::min(value, range_.Max - range_.Min + 1);
    Invalidate();
}

void TTeScrollBar::RangeChanged()
{
    range_.PageSize = std::min(range_.PageSize, range_.Max - range_.Min + 1);
    const int inside = std::clamp(range_.Position, range_.Min, range_.Max);
    if (inside != range_.Position) {
        range_.Position = inside;
        Changed();
    }
    Invalidate();
}

void TTeScrollBar::SetPosition(int value)
{
    value = std::clamp(value, range_.Min, range_.Max);
    if (value == range_.Position)
        return;
    range_.Position = value;
    Repaint();
    Changed();
}

void TTeScrollBar::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TTeScrollBar::SetOrientation(TTeScrollOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    if (!ComponentState().Contains(TComponentStateFlag::csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTeScrollBar::SetShowButtons(bool value)
{
    if (value == showButtons_)
        return;
    showButtons_ = value;
    Invalidate();
}

void TTeScrollBar::SetBorderWidth(int value)
{
    if (value == borderWidth_)
        return;
    borderWidth_ = value;
    Invalidate();
}

TScrollBarLayout TTeScrollBar::Layout() const
{
    return LayOutScrollBar(Rect(0, 0, Width(), Height()), orientation_, borderWidth_, showButtons_,
                           GetSystemMetrics(SM_CYVTHUMB), range_);
}

TScrollBarPart TTeScrollBar::PartAt(const TScrollBarLayout& layout, TPoint point) const
{
    if (layout.Thumb.Contains(point))
        return TScrollBarPart::ksbpThumb;
    if (showButtons_ && layout.FirstButton.Contains(point))
        return TScrollBarPart::ksbpFirstButton;
    if (showButtons_ && layout.SecondButton.Contains(point))
        return TScrollBarPart::ksbpSecondButton;
    if (layout.PageBefore.Contains(point))
        return TScrollBarPart::ksbpPageBefore;
    if (layout.PageAfter.Contains(point))
        return TScrollBarPart::ksbpPageAfter;
    return TScrollBarPart::ksbpNone;
}

int TTeScrollBar::Scroll(TScrollCode code, int position)
{
    if (OnScroll)
        OnScroll(this, code, position);
    return position;
}

void TTeScrollBar::Act()
{
    // A part acts only while the mouse is still over it: a page area shrinks as the thumb comes closer.
    const TScrollBarPart under = PartAt(Layout(), mouse_);
    if (pressed_ != under)
        return;
    const int page = range_.PageSize < 1 ? largeChange_ : range_.PageSize;
    switch (pressed_) {
    case TScrollBarPart::ksbpFirstButton:
        SetPosition(Scroll(TScrollCode::scLineUp, range_.Position - smallChange_));
        break;
    case TScrollBarPart::ksbpSecondButton:
        SetPosition(Scroll(TScrollCode::scLineDown, range_.Position + smallChange_));
        break;
    case TScrollBarPart::ksbpPageBefore:
        SetPosition(Scroll(TScrollCode::scPageUp, range_.Position - page));
        break;
    case TScrollBarPart::ksbpPageAfter:
        SetPosition(Scroll(TScrollCode::scPageDown, range_.Position + page));
        break;
    default:
        break;
    }
}

void TTeScrollBar::RepeatTick()
{
    repeat_->SetInterval(RepeatInterval());
    if (pressed_ == TScrollBarPart::ksbpNone) {
        repeat_->SetEnabled(false);
        return;
    }
    Act();
}

void TTeScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TTeGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    mouse_ = Point(x, y);
    const TScrollBarLayout layout = Layout();
    const TScrollBarPart part = PartAt(layout, mouse_);
    if (part == TScrollBarPart::ksbpThumb) {
        dragOffset_ = Along(x, y) - Along(layout.Thumb.Left, layout.Thumb.Top);
        SetPosition(Scroll(TScrollCode::scTrack, range_.Position));
        Invalidate();
        return;
    }
    if (part == TScrollBarPart::ksbpNone)
        return;
    pressed_ = part;
    Repaint();
    Act();
    repeat_->SetInterval(RepeatDelay());
    repeat_->SetEnabled(true);
}

void TTeScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    TTeGraphicControl::MouseMove(shift, x, y);
    mouse_ = Point(x, y);
    TScrollBarLayout layout = Layout();
    if (Dragging()) {
        const int p = std::clamp(Along(x, y) - dragOffset_, layout.TrackStart, layout.TrackEnd - layout.ThumbLength);
        const int position = ScrollPositionAt(layout, range_, p);
        Scroll(TScrollCode::scTrack, position);
        // The thumb follows the mouse whatever the owner did.
        SetPosition(position);
        layout = Layout();
    }
    const TScrollBarPart hot = Dragging() ? TScrollBarPart::ksbpThumb : PartAt(layout, mouse_);
    if (hot != hot_) {
        hot_ = hot;
        Invalidate();
    }
}

void TTeScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TTeGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    if (Dragging())
        SetPosition(Scroll(TScrollCode::scPosition, range_.Position));
    dragOffset_ = -1;
    pressed_ = TScrollBarPart::ksbpNone;
    repeat_->SetEnabled(false);
    SetPosition(Scroll(TScrollCode::scEndScroll, range_.Position));
    hot_ = PartAt(Layout(), Point(x, y));
    Invalidate();
}

void TTeScrollBar::MouseLeave()
{
    TTeGraphicControl::MouseLeave();
    if (Dragging() || hot_ == TScrollBarPart::ksbpNone)
        return;
    hot_ = TScrollBarPart::ksbpNone;
    Invalidate();
}

void TTeScrollBar::EnabledChanged()
{
    hot_ = TScrollBarPart::ksbpNone;
    TTeGraphicControl::EnabledChanged();
}

void TTeScrollBar::PaintControl()
{
    const bool themed = IsScrollBarThemed(0, ThemeObject(), ThemeLink());
    TScrollBarLook look;
    look.Bounds = Rect(0, 0, Width(), Height());
    look.Orientation = orientation_;
    look.BorderWidth = borderWidth_;
    look.ShowButtons = showButtons_;
    look.Enabled = Enabled() || ComponentState().Contains(TComponentStateFlag::csDesigning);
    look.Hot = hot_;
    // A held part looks pressed only while the mouse is over it.
    look.Pressed = Dragging() ? TScrollBarPart::ksbpThumb : (pressed_ == hot_ ? pressed_ : TScrollBarPart::ksbpNone);
    if (themed) {
        look.Theme = Theme();
        look.ThemeObject = ThemeObject();
        if (look.Theme->IsScrollBarTransparent(0, ThemeObject()))
            DrawParentBackground(this, *Canvas().Handle());
    }
    PaintScrollBar(Canvas(), look, Layout());
}

void RegisterScrollBarProperties()
{
    auto properties = RegisterProperties<TTeScrollBar, TTeGraphicControl>();
    AddThemeSelectionProperties(properties)
        .Integer("Min", &TTeScrollBar::Min, &TTeScrollBar::SetMin, 0)
        .Integer("Max", &TTeScrollBar::Max, &TTeScrollBar::SetMax, 100)
        .Integer("PageSize", &TTeScrollBar::PageSize, &TTeScrollBar::SetPageSize, 0)
        .Integer("Position", &TTeScrollBar::Position, &TTeScrollBar::SetPosition, 0)
        .Integer("LargeChange", &TTeScrollBar::LargeChange, &TTeScrollBar::SetLargeChange, 1)
        .Integer("SmallChange", &TTeScrollBar::SmallChange, &TTeScrollBar::SetSmallChange, 1)
        .Enumeration("Orientation", &TTeScrollBar::Orientation, &TTeScrollBar::SetOrientation,
                     ScrollOrientationNames(), TTeScrollOrientation::ksoHorizontal)
        .Boolean("ShowButtons", &TTeScrollBar::ShowButtons, &TTeScrollBar::SetShowButtons, true)
        .Integer("BorderWidth", &TTeScrollBar::BorderWidth, &TTeScrollBar::SetBorderWidth, 0)
        // The bar buffers its painting from birth, so only another mode is worth writing.
        .Enumeration("Performance", &TTeScrollBar::Performance, &TTeScrollBar::SetPerformance, PerformanceNames(),
                     TTePerformance::kspDoubleBuffer)
        .Event("OnChange", &TTeScrollBar::OnChange);
}
