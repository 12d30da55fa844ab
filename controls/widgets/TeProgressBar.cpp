#include "controls/widgets/TeProgressBar.h"

#include <algorithm>

#include "controls/core/ParentBackground.h"
#include "controls/core/ThemeSelection.h"
#include "controls/widgets/RoundEven.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "theme/ThemeParts.h"
#include "theme/ThemedElements.h"

namespace {

// The classic blocks: a block is 64 % of the bar's thickness long, with 2 pixels between blocks.
constexpr double kBlockToThickness = 0.64;
constexpr int kBlockGap = 2;
// Below this fraction the classic blocks show nothing (1 of 100 lies just below it at single
// precision, so it shows nothing too).
constexpr double kFirstBlockFraction = 0.01;

}  // namespace

const QStringList& ProgressOrientationNames()
{
    static const QStringList names{"kpoHorizontal", "kpoVertical"};
    return names;
}

float ProgressFraction(int min, int max, int position)
{
    if (min < 0 || position < min || position > max || min == max)
        return 0.0f;
    return static_cast<float>(static_cast<double>(position - min) / static_cast<double>(max - min));
}

TTeProgressBar::TTeProgressBar(TComponent* owner) : TTeControl(owner)
{
    SetPerformance(TTePerformance::kspDoubleBuffer);
    SetBounds(Left(), Top(), 140, 16);
}

void TTeProgressBar::SetMin(int min)
{
    if (min == min_)
        return;
    min_ = min;
    Invalidate();
}

void TTeProgressBar::SetMax(int max)
{
    if (max == max_)
        return;
    max_ = max;
    Invalidate();
}

void TTeProgressBar::SetPosition(int position)
{
    if (position == position_)
        return;
    const float before = Fraction();
    position_ = position;
    // Only a bar that looks different is drawn again, and then at once, so that a long job that
    // reports often costs nothing between visible steps and never shows a stale bar.
    if (Fraction() != before)
        Repaint();
}

void TTeProgressBar::SetStep(int step)
{
    step_ = step > max_ ? max_ : step;
}

void TTeProgressBar::SetOrientation(TTeProgressOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    Invalidate();
}

void TTeProgressBar::SetSmooth(bool smooth)
{
    if (smooth == smooth_)
        return;
    smooth_ = smooth;
    Invalidate();
}

void TTeProgressBar::SetShowBorder(bool show)
{
    if (show == showBorder_)
        return;
    showBorder_ = show;
    Invalidate();
}

void TTeProgressBar::Dispatch(TMessage& message)
{
    // Every theme notification that concerns the bar only repaints it: it takes no bounds.
    if (ThemeReactionTo(message, ThemeLink()) != TThemeReaction::ktrNone) {
        Invalidate();
        return;
    }
    TTeControl::Dispatch(message);
}

TRect TTeProgressBar::BarRect() const
{
    TRect bar = Rect(0, 0, PaintWidth(), PaintHeight());
    if (showBorder_)
        bar = InsetRect(bar, 2, 2);
    return InsetRect(bar, BorderWidth(), BorderWidth());
}

TRect TTeProgressBar::FilledPart(const TRect& bar, int length) const
{
    if (Horizontal())
        return Rect(bar.Left, bar.Top, bar.Left + length, bar.Bottom);
    return Rect(bar.Left, bar.Bottom - length, bar.Right, bar.Bottom);
}

void TTeProgressBar::PaintControl()
{
    if (IsProgressBarThemed(0, ThemeObject(), ThemeLink()))
        PaintThemed();
    else
        PaintClassic();
}

void TTeProgressBar::PaintThemed()
{
    TteTheme& theme = *Theme();
    TCanvas& canvas = Canvas();
    if (theme.IsProgressBarTransparent(0, ThemeObject()))
        DrawParentBackground(this, *canvas.Handle());
    const TRect whole = Rect(0, 0, PaintWidth(), PaintHeight());
    const TteProgressBarPart frame = Horizontal() ? TteProgressBarPart::kpbpHorzFrame : TteProgressBarPart::kpbpVertFrame;
    theme.DrawProgressBar(0, canvas, TtePartInfo{whole, ThemeByte(frame), 0}, ThemeObject());

    const TRect bar = BarRect();
    const int length = RoundEven(static_cast<double>(Fraction()) * (Horizontal() ? bar.Width() : bar.Height()));
    if (length <= 0)
        return;
    TteProgressBarPart fill;
    if (Horizontal())
        fill = smooth_ ? TteProgressBarPart::kpbpHorzSmooth : TteProgressBarPart::kpbpHorzChunks;
    else
        fill = smooth_ ? TteProgressBarPart::kpbpVertSmooth : TteProgressBarPart::kpbpVertChunks;
    theme.DrawProgressBar(0, canvas, TtePartInfo{FilledPart(bar, length), ThemeByte(fill), 0}, ThemeObject());
}

void TTeProgressBar::PaintClassic()
{
    TCanvas& canvas = Canvas();
    TRect inside = Rect(0, 0, PaintWidth(), PaintHeight());
    if (showBorder_) {
        Draw3DFrame(canvas, inside, clBtnShadow, clBtnHighlight);
        inside = InsetRect(inside, 1, 1);
    }
    FillRectColor(canvas, inside, Color());

    const TRect bar = BarRect();
    const int length = Horizontal() ? bar.Width() : bar.Height();
    const double fraction = Fraction();
    if (smooth_) {
        const int filled = RoundEven(fraction * length);
        if (filled > 0)
            FillRectColor(canvas, FilledPart(bar, filled), clHighlight);
        return;
    }
    if (fraction < kFirstBlockFraction)
        return;
    const int block = RoundEven((Horizontal() ? bar.Height() : bar.Width()) * kBlockToThickness);
    const int pitch = block + kBlockGap;
    if (block <= 0)
        return;
    // One block more than the fraction covers, the last cut off at the bar's end.
    const int blocks = RoundEven(fraction * (length / pitch)) + 1;
    for (int i = 0; i < blocks; ++i) {
        const int start = i * pitch;
        if (start >= length)
            break;
        const int end = std::min(start + block, length);
        const TRect piece = Horizontal() ? Rect(bar.Left + start, bar.Top, bar.Left + end, bar.Bottom)
                                         : Rect(bar.Left, bar.Bottom - end, bar.Right, bar.Bottom - start);
        FillRectColor(canvas, piece, clHighlight);
    }
}
