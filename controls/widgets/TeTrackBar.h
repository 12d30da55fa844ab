#pragma once
// The themed track bar: picks an integer in Min..Max with a thumb dragged along a track, by clicks
// on the track, by the arrow, page, Home and End keys and by the mouse wheel. Every change of
// Position, however it comes, passes the one setter that clamps it, repaints and fires OnChange
// once.
#include <QList>
#include <QStringList>
#include <cstdint>

#include "controls/core/TeControl.h"
#include "controls/widgets/TrackBarLayout.h"

// The part of the track shown highlighted (classic look only).
enum class TIntervalHighlightType : std::uint8_t { htLowInterval, htHighInterval, htNone };

const QStringList& IntervalHighlightNames();

class TTeTrackBar : public TTeControl {
public:
    explicit TTeTrackBar(TComponent* owner);

    // A Max not above Min (or a Min not below Max) is ignored; Position is pulled inside.
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    // Clamped to Min..Max; a change repaints and fires OnChange.
    int Position() const { return position_; }
    void SetPosition(int position);

    // While designing, a turn that no longer fits the bar's shape swaps its width and height.
    TTeTrackOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTeTrackOrientation orientation);
    // The step of the arrow keys and the wheel / of the page keys and of clicks on the track.
    int LineSize() const { return lineSize_; }
    void SetLineSize(int size) { lineSize_ = size; }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int size) { pageSize_ = size; }
    // Tick spacing, and the step a dragged or clicked value snaps to.
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    bool ShowTicks() const { return showTicks_; }
    void SetShowTicks(bool show);
    TTeTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTeTickMark marks);
    bool ThumbVisible() const { return thumbVisible_; }
    void SetThumbVisible(bool visible);
    // The thumb is 2 × ThumbHalfWidth + 1 pixels long along the axis.
    std::uint16_t ThumbHalfWidth() const { return thumbHalfWidth_; }
    void SetThumbHalfWidth(std::uint16_t halfWidth);
    TIntervalHighlightType IntervalHighlightType() const { return highlight_; }
    void SetIntervalHighlightType(TIntervalHighlightType type);
    // A click on the track jumps there instead of stepping a page towards it.
    bool JumpByClick() const { return jumpByClick_; }
    void SetJumpByClick(bool jump) { jumpByClick_ = jump; }
    // Without a theme: show what lies beneath instead of Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    bool Dragging() const { return dragging_; }
    bool ThumbHot() const { return thumbHot_; }
    // Whether (x, y) lies on the (visible) thumb.
    virtual bool ThumbHitTest(int x, int y) const;
    // The bar's geometry at its current size and settings.
    TTrackBarLayout Layout() const;

    TNotifyEvent OnChange;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void FocusLeave() override;

protected:
    void PaintControl() override;
    virtual void PaintTrack(const TTrackBarLayout& layout, bool themed);
    virtual void PaintTicks(const TTrackBarLayout& layout);
    virtual void PaintTick(const TTrackBarLayout& layout, int value, bool end);
    virtual void PaintThumb(const TTrackBarLayout& layout, bool themed);
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    bool WidgetEvent(QEvent* event) override;

private:
    bool Themed() const;
    bool Vertical() const { return orientation_ == TTeTrackOrientation::ktoVertical; }
    // The coordinate along the axis of a point.
    int AlongOf(int x, int y) const { return Vertical() ? y : x; }
    void SetThumbHot(bool hot);

    int min_ = 0;
    int max_ = 10;
    int position_ = 3;
    TTeTrackOrientation orientation_ = TTeTrackOrientation::ktoHorizontal;
    int lineSize_ = 1;
    int pageSize_ = 2;
    int frequency_ = 1;
    bool showTicks_ = true;
    TTeTickMark tickMarks_ = TTeTickMark::ktbmBottomRight;
    bool thumbVisible_ = true;
    std::uint16_t thumbHalfWidth_ = 4;
    TIntervalHighlightType highlight_ = TIntervalHighlightType::htNone;
    bool jumpByClick_ = false;
    bool transparent_ = true;
    bool dragging_ = false;
    bool thumbHot_ = false;
    // Wheel turns not yet worth a whole notch.
    int wheelDelta_ = 0;
};
