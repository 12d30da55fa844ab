#pragma once
// The themed scroll bar: a windowless control with two arrow buttons, a track and a thumb. It
// keeps Min, Max, PageSize and Position, turns presses on its buttons and page areas into steps
// that repeat while held, and a drag of the thumb into positions; each move is first offered to its
// owner through OnScroll with the platform's scroll code.
#include <QStringList>

#include "controls/core/ScrollBarGeometry.h"
#include "controls/core/ScrollBarPainter.h"
#include "controls/core/TeGraphicControl.h"
#include "framework/ComponentRef.h"

class TTimer;

// The scroll codes of WM_HSCROLL / WM_VSCROLL.
enum class TScrollCode : std::uint8_t {
    scLineUp = 0,
    scLineDown = 1,
    scPageUp = 2,
    scPageDown = 3,
    scPosition = 4,
    scTrack = 5,
    scTop = 6,
    scBottom = 7,
    scEndScroll = 8,
};

// The owner may change the proposed position; the bar then takes it (but see thumb tracking).
using TScrollEvent = TMethod<void(TObject* sender, TScrollCode code, int& position)>;

const QStringList& ScrollOrientationNames();

class TTeScrollBar : public TTeGraphicControl {
public:
    explicit TTeScrollBar(TComponent* owner);

    int Min() const { return range_.Min; }
    void SetMin(int value);
    int Max() const { return range_.Max; }
    void SetMax(int value);
    int PageSize() const { return range_.PageSize; }
    void SetPageSize(int value);
    int Position() const { return range_.Position; }
    // Clamped to Min..Max; a change repaints at once and fires OnChange.
    void SetPosition(int value);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    TTeScrollOrientation Orientation() const { return orientation_; }
    // Turns the bar: width and height change places.
    void SetOrientation(TTeScrollOrientation orientation);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    // SM_CYVTHUMB and the border on both sides.
    int Thickness() const;

    // The parts at the current size and range.
    TScrollBarLayout Layout() const;
    bool Dragging() const { return dragOffset_ >= 0; }
    TScrollBarPart HotPart() const { return hot_; }

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;

    // The first delay and the interval of the auto-repeat, from the keyboard settings.
    static int RepeatDelay();
    static int RepeatInterval();

protected:
    void PaintControl() override;
    void EnabledChanged() override;

private:
    int Along(int x, int y) const { return orientation_ == TTeScrollOrientation::ksoVertical ? y : x; }
    TScrollBarPart PartAt(const TScrollBarLayout& layout, TPoint point) const;
    // Offers the move to OnScroll and answers the position the owner left.
    int Scroll(TScrollCode code, int position);
    void Act();
    void RepeatTick();
    void RangeChanged();
    void Changed();

    TScrollBarRange range_;
    int largeChange_ = 1;
    int smallChange_ = 1;
    TTeScrollOrientation orientation_ = TTeScrollOrientation::ksoHorizontal;
    bool showButtons_ = true;
    int borderWidth_ = 0;
    int dragOffset_ = -1;
    TScrollBarPart hot_ = TScrollBarPart::ksbpNone;
    TScrollBarPart pressed_ = TScrollBarPart::ksbpNone;
    TPoint mouse_;
    TComponentRef<TTimer> repeat_;
};

// Registers the stored properties of the scroll bar.
void RegisterScrollBarProperties();
