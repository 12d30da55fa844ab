#pragma once
// The themed progress bar: how far a job has gone, as a filled part of a frame, smooth or in
// blocks, across or upwards. A position change repaints at once, but only when the drawn fraction
// changes, so a job may report its progress as often as it likes.
#include <QStringList>
#include <cstdint>

#include "controls/core/TeControl.h"

enum class TTeProgressOrientation : std::uint8_t { kpoHorizontal, kpoVertical };

const QStringList& ProgressOrientationNames();

// The filled fraction of a bar: 0 for a negative Min, a position outside Min..Max or an empty
// range; single precision, as positions are compared by it.
float ProgressFraction(int min, int max, int position);

class TTeProgressBar : public TTeControl {
public:
    explicit TTeProgressBar(TComponent* owner);

    // Taken as given: an empty or reversed range shows an empty bar.
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    // What StepIt adds; never more than Max.
    int Step() const { return step_; }
    void SetStep(int step);
    void StepIt() { SetPosition(position_ + step_); }
    void StepBy(int delta) { SetPosition(position_ + delta); }

    TTeProgressOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTeProgressOrientation orientation);
    // A solid bar instead of blocks.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth);
    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool show);

    void Dispatch(TMessage& message) override;

protected:
    // The frame covers the whole control and BorderWidth is a margin inside it, so there is no
    // border outside the bar's own drawing.
    TRect GetInnerRect() const override { return Rect(0, 0, PaintWidth(), PaintHeight()); }
    void PaintControl() override;
    // A bar takes no bounds from the theme: a new link or object only repaints.
    void ThemeSelectionChanged() override { Invalidate(); }

private:
    bool Horizontal() const { return orientation_ == TTeProgressOrientation::kpoHorizontal; }
    float Fraction() const { return ProgressFraction(min_, max_, position_); }
    // The bar's area: the control less the frame and BorderWidth.
    TRect BarRect() const;
    // The first length pixels of bar from its start edge (left, or bottom when vertical).
    TRect FilledPart(const TRect& bar, int length) const;
    void PaintThemed();
    void PaintClassic();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    TTeProgressOrientation orientation_ = TTeProgressOrientation::kpoHorizontal;
    bool smooth_ = false;
    bool showBorder_ = true;
};
