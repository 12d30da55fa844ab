// The band of the progress and track bars on the controls sheet: progress at 0, 37 and 100 % in
// blocks and smooth, across and upwards; track bars across and upright with ticks on either side,
// both or none, focused, disabled and with a highlighted interval.
#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeTrackBar.h"
#include "tools/gallery/ControlSections.h"

namespace {

TTeProgressBar* AddProgress(TWinControl& host, const TRect& bounds, int position, bool smooth)
{
    auto* bar = new TTeProgressBar(&host);
    bar->SetParent(&host);
    bar->SetBoundsRect(bounds);
    bar->SetSmooth(smooth);
    bar->SetPosition(position);
    if (bounds.Height() > bounds.Width())
        bar->SetOrientation(TTeProgressOrientation::kpoVertical);
    return bar;
}

TTeTrackBar* AddTrack(TWinControl& host, const TRect& bounds, TTeTickMark marks)
{
    auto* bar = new TTeTrackBar(&host);
    bar->SetParent(&host);
    bar->SetBoundsRect(bounds);
    bar->SetTickMarks(marks);
    if (bounds.Height() > bounds.Width())
        bar->SetOrientation(TTeTrackOrientation::ktoVertical);
    return bar;
}

void BuildBars(TWinControl& host)
{
    // Two rows of progress bars (blocks, then smooth) at 0, 37 and 100 %, and four upright ones.
    const int percents[] = {0, 37, 100};
    for (int column = 0; column < 3; ++column) {
        const int left = 8 + column * 152;
        AddProgress(host, Rect(left, 8, left + 140, 24), percents[column], false);
        AddProgress(host, Rect(left, 32, left + 140, 48), percents[column], true);
    }
    AddProgress(host, Rect(470, 8, 486, 68), 37, false);
    AddProgress(host, Rect(494, 8, 510, 68), 37, true);
    AddProgress(host, Rect(518, 8, 534, 68), 100, false);
    AddProgress(host, Rect(542, 8, 558, 68), 0, true);

    // Track bars across: ticks below, above (the thin thumb the encoder settings use), on both
    // sides; focused, disabled, without ticks; at the ends with a highlighted interval.
    AddTrack(host, Rect(8, 80, 158, 125), TTeTickMark::ktbmBottomRight);
    AddTrack(host, Rect(160, 80, 310, 125), TTeTickMark::ktbmTopLeft)->SetThumbHalfWidth(2);
    AddTrack(host, Rect(312, 80, 462, 125), TTeTickMark::ktbmBoth);
    // The focus goes to this one when the sheet's window is activated; a sheet that never is
    // still shows it focused.
    TTeTrackBar* focused = AddTrack(host, Rect(8, 128, 158, 173), TTeTickMark::ktbmBottomRight);
    focused->SetFocus();
    focused->FocusEnter();
    AddTrack(host, Rect(160, 128, 310, 173), TTeTickMark::ktbmBottomRight)->SetEnabled(false);
    AddTrack(host, Rect(312, 128, 462, 173), TTeTickMark::ktbmBottomRight)->SetShowTicks(false);
    TTeTrackBar* low = AddTrack(host, Rect(8, 176, 158, 221), TTeTickMark::ktbmBottomRight);
    low->SetIntervalHighlightType(TIntervalHighlightType::htLowInterval);
    low->SetPosition(7);
    TTeTrackBar* high = AddTrack(host, Rect(160, 176, 310, 221), TTeTickMark::ktbmBoth);
    high->SetIntervalHighlightType(TIntervalHighlightType::htHighInterval);
    high->SetPosition(high->Max());
    TTeTrackBar* fine = AddTrack(host, Rect(312, 176, 462, 221), TTeTickMark::ktbmTopLeft);
    fine->SetMax(20);
    fine->SetFrequency(5);
    fine->SetPosition(0);

    // Upright: ticks right, left, both.
    AddTrack(host, Rect(470, 80, 515, 221), TTeTickMark::ktbmBottomRight);
    AddTrack(host, Rect(517, 80, 562, 221), TTeTickMark::ktbmTopLeft);
    AddTrack(host, Rect(564, 80, 609, 221), TTeTickMark::ktbmBoth);
}

}  // namespace

extern const TControlSection kBarsSection = {"Progress and track bars", QSize(616, 228), &BuildBars};
