#include "controls/widgets/TeTrackBar.h"

#include <QWheelEvent>
#include <algorithm>

#include "controls/core/ParentBackground.h"
#include "controls/widgets/ClassicTrackThumb.h"
#include "framework/VirtualKeys.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "theme/ThemeParts.h"
#include "theme/ThemedElements.h"

namespace {

// One notch of an ordinary mouse wheel.
constexpr int kWheelNotch = 120;

TteTrackBarThumb ThumbKind(bool vertical, TTeTickMark marks)
{
    switch (marks) {
    case TTeTickMark::ktbmBoth:
        return vertical ? TteTrackBarThumb::ktbtVertBoth : TteTrackBarThumb::ktbtHorzBoth;
    case TTeTickMark::ktbmBottomRight:
        return vertical ? TteTrackBarThumb::ktbtVertRight : TteTrackBarThumb::ktbtHorzDown;
    case TTeTickMark::ktbmTopLeft:
        break;
    }
    return vertical ? TteTrackBarThumb::ktbtVertLeft : TteTrackBarThumb::ktbtHorzUp;
}

}  // namespace

const QStringList& IntervalHighlightNames()
{
    static const QStringList names{"htLowInterval", "htHighInterval", "htNone"};
    return names;
}

TTeTrackBar::TTeTrackBar(TComponent* owner) : TTeControl(owner)
{
    SetPerformance(TTePerformance::kspDoubleBuffer);
    SetBounds(Left(), Top(), 150, 45);
    SetTabStop(true);
}

// Properties.

void TTeTrackBar::SetMin(int min)
{
    if (min == min_ || min >= max_)
        return;
    min_ = min;
    Invalidate();
    if (position_ < min_)
        SetPosition(min_);
}

void TTeTrackBar::SetMax(int max)
{
    if (max == max_ || max <= min_)
        return;
    max_ = max;
    Invalidate();
    if (position_ > max_)
        SetPosition(max_);
}

void TTeTrackBar::SetPosition(int position)
{
    position = std::clamp(position, min_, max_);
    if (position == position_)
        return;
    position_ = position;
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TTeTrackBar::SetOrientation(TTeTrackOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    // While a window is being designed, a bar turned upright (or flat) that no longer fits its
    // shape is turned with it.
    const bool fits = Vertical() ? Height() >= Width() : Width() >= Height();
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) && !fits)
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTeTrackBar::SetFrequency(int frequency)
{
    if (frequency == frequency_)
        return;
    frequency_ = frequency;
    Invalidate();
}

void TTeTrackBar::SetShowTicks(bool show)
{
    if (show == showTicks_)
        return;
    showTicks_ = show;
    Invalidate();
}

void TTeTrackBar::SetTickMarks(TTeTickMark marks)
{
    if (marks == tickMarks_)
        return;
    tickMarks_ = marks;
    Invalidate();
}

void TTeTrackBar::SetThumbVisible(bool visible)
{
    if (visible == thumbVisible_)
        return;
    thumbVisible_ = visible;
    Invalidate();
}

void TTeTrackBar::SetThumbHalfWidth(std::uint16_t halfWidth)
{
    if (halfWidth == thumbHalfWidth_)
        return;
    thumbHalfWidth_ = halfWidth;
    Invalidate();
}

void TTeTrackBar::SetIntervalHighlightType(TIntervalHighlightType type)
{
    if (type == highlight_)
        return;
    highlight_ = type;
    Invalidate();
}

void TTeTrackBar::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Invalidate();
}

TTrackBarLayout TTeTrackBar::Layout() const
{
    TTrackBarLayout layout;
    layout.Vertical = Vertical();
    layout.Length = Vertical() ? PaintHeight() : PaintWidth();
    layout.Min = min_;
    layout.Max = max_;
    layout.ThumbHalfWidth = thumbHalfWidth_;
    layout.TickMarks = tickMarks_;
    layout.ShowTicks = showTicks_;
    return layout;
}

bool TTeTrackBar::ThumbHitTest(int x, int y) const
{
    return thumbVisible_ && Layout().ThumbRect(position_).Contains(Point(x, y));
}

// Input.

void TTeTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (ThumbHitTest(x, y)) {
            dragging_ = true;
            Invalidate();
        } else {
            const int value = Layout().ValueAt(AlongOf(x, y), frequency_);
            if (jumpByClick_)
                SetPosition(value);
            else if (value > position_)
                SetPosition(position_ + pageSize_);
            else if (value < position_)
                SetPosition(position_ - pageSize_);
        }
    }
    TTeControl::MouseDown(button, shift, x, y);
}

void TTeTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    if (dragging_) {
        const TTrackBarLayout layout = Layout();
        SetPosition(layout.ValueAt(std::clamp(AlongOf(x, y), 0, layout.Length), frequency_));
    }
    SetThumbHot(ThumbHitTest(x, y));
    TTeControl::MouseMove(shift, x, y);
}

void TTeTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && dragging_) {
        dragging_ = false;
        Invalidate();
    }
    TTeControl::MouseUp(button, shift, x, y);
}

void TTeTrackBar::MouseLeave()
{
    SetThumbHot(false);
    TTeControl::MouseLeave();
}

void TTeTrackBar::SetThumbHot(bool hot)
{
    if (hot == thumbHot_)
        return;
    thumbHot_ = hot;
    Invalidate();
}

void TTeTrackBar::FocusLeave()
{
    // A drag ends when the focus goes elsewhere.
    dragging_ = false;
    TTeControl::FocusLeave();
}

void TTeTrackBar::KeyDown(std::uint16_t& key, TShiftState shift)
{
    TTeControl::KeyDown(key, shift);
    if (key == VK_PRIOR)
        SetPosition(position_ - pageSize_);
    else if (key == VK_NEXT)
        SetPosition(position_ + pageSize_);
    else if (key == VK_END)
        SetPosition(max_);
    else if (key == VK_HOME)
        SetPosition(min_);
    else if (key == VK_LEFT || key == VK_UP)
        SetPosition(position_ - lineSize_);
    else if (key == VK_RIGHT || key == VK_DOWN)
        SetPosition(position_ + lineSize_);
}

bool TTeTrackBar::WidgetEvent(QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        // Turning the wheel away from the user moves towards Min (up the screen on a vertical
        // bar), a line per notch; a fine-grained wheel adds up to whole notches first.
        const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
        wheelDelta_ += delta.y() != 0 ? delta.y() : delta.x();
        const int notches = wheelDelta_ / kWheelNotch;
        wheelDelta_ -= notches * kWheelNotch;
        if (notches != 0)
            SetPosition(position_ - notches * lineSize_);
        return true;
    }
    return TTeControl::WidgetEvent(event);
}

// Painting.

bool TTeTrackBar::Themed() const
{
    return IsTrackBarThemed(0, ThemeObject(), ThemeLink());
}

void TTeTrackBar::PaintControl()
{
    const bool themed = Themed();
    TCanvas& canvas = Canvas();
    const bool transparent = themed ? Theme()->IsTrackBarTransparent(0, ThemeObject()) : transparent_;
    PaintControlBackground(*this, canvas, transparent, Rect(0, 0, PaintWidth(), PaintHeight()));

    const TTrackBarLayout layout = Layout();
    PaintTrack(layout, themed);
    PaintTicks(layout);
    PaintThumb(layout, themed);
    if (IsFocused())
        canvas.DrawFocusRect(Rect(0, 0, PaintWidth(), PaintHeight()));
}

void TTeTrackBar::PaintTrack(const TTrackBarLayout& layout, bool themed)
{
    TCanvas& canvas = Canvas();
    const TRect track = layout.TrackRect();
    if (themed) {
        const TteTrackBarTrack part =
            track.Width() > track.Height() ? TteTrackBarTrack::ktbtHorizontal : TteTrackBarTrack::ktbtVertical;
        const TteTrackBarTrackState state =
            Enabled() ? TteTrackBarTrackState::ktbtsEnabled : TteTrackBarTrackState::ktbtsDisabled;
        Theme()->DrawTrackBarTrack(0, canvas, TtePartInfo{track, ThemeByte(part), ThemeByte(state)}, ThemeObject());
        return;
    }
    FillRectColor(canvas, track, Enabled() ? clBtnHighlight : clBtnFace);
    if (Enabled() && highlight_ != TIntervalHighlightType::htNone) {
        // From the track's start to the thumb, or from the thumb to the track's end.
        const int thumb = layout.PixelOf(position_);
        const bool low = highlight_ == TIntervalHighlightType::htLowInterval;
        const int start = layout.Vertical ? track.Top : track.Left;
        const int end = layout.Vertical ? track.Bottom : track.Right;
        const int acrossStart = layout.Vertical ? track.Left : track.Top;
        const int acrossEnd = layout.Vertical ? track.Right : track.Bottom;
        FillRectColor(canvas, layout.Oriented(low ? start : thumb, low ? thumb : end, acrossStart, acrossEnd), clHighlight);
    }
    Draw3DFrame(canvas, track, clBtnShadow, clBtnHighlight);
    Draw3DFrame(canvas, InsetRect(track, 1, 1), cl3DDkShadow, cl3DLight);
}

void TTeTrackBar::PaintTicks(const TTrackBarLayout& layout)
{
    if (!showTicks_)
        return;
    const QList<int> values = layout.TickValues(frequency_);
    for (int value : values)
        PaintTick(layout, value, value == min_ || value == max_);
}

void TTeTrackBar::PaintTick(const TTrackBarLayout& layout, int value, bool end)
{
    TCanvas& canvas = Canvas();
    const int along = layout.PixelOf(value);
    const auto line = [&](int from, int to) {
        const TPoint start = layout.Oriented(along, from);
        const TPoint stop = layout.Oriented(along, to);
        MoveToPoint(canvas, start.X, start.Y);
        DrawLine(canvas, stop.X, stop.Y, clBlack);
    };
    const int o = TTrackBarLayout::kTrackOffset;
    const int b = layout.ThumbBreadth();
    if (layout.TicksTopLeft())
        line(o + 3, end ? o - 1 : o);
    if (layout.TicksBottomRight()) {
        const int start = o + b + (tickMarks_ == TTeTickMark::ktbmBoth ? 6 : 2);
        line(start, start + (end ? 4 : 3));
    }
}

void TTeTrackBar::PaintThumb(const TTrackBarLayout& layout, bool themed)
{
    if (!thumbVisible_)
        return;
    const TRect thumb = layout.ThumbRect(position_);
    if (!themed) {
        DrawClassicTrackThumb(Canvas(), thumb, layout.Vertical, tickMarks_, dragging_);
        return;
    }
    TteTrackBarThumbState state = TteTrackBarThumbState::ktbtsNormal;
    if (!Enabled())
        state = TteTrackBarThumbState::ktbtsDisabled;
    else if (dragging_)
        state = TteTrackBarThumbState::ktbtsPressed;
    else if (thumbHot_)
        state = TteTrackBarThumbState::ktbtsHot;
    else if (IsFocused())
        state = TteTrackBarThumbState::ktbtsFocused;
    const TteTrackBarThumb kind = ThumbKind(layout.Vertical, tickMarks_);
    Theme()->DrawTrackBarThumb(0, Canvas(), TtePartInfo{thumb, ThemeByte(kind), ThemeByte(state)}, ThemeObject());
}
