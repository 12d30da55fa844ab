#include "controls/ControlComponents.h"

#include "controls/ComboGridComponents.h"
#include "controls/FontOptions.h"
#include "controls/MenuComponents.h"
#include "controls/TeButton.h"
#include "controls/TeCheckBox.h"
#include "controls/TeControl.h"
#include "controls/TeDefaultForm.h"
#include "controls/TeForm.h"
#include "controls/TeGraphicControl.h"
#include "controls/TeGroupBox.h"
#include "controls/TeLabel.h"
#include "controls/TeProgressBar.h"
#include "controls/TeSComboBox.h"
#include "controls/TeStringGrid.h"
#include "controls/TeTrackBar.h"
#include "framework/Action.h"
#include "framework/ClassRegistry.h"
#include "framework/ImageList.h"

void RegisterControlComponents()
{
    RegisterControlProperties();
    RegisterImageListProperties();
    RegisterActionProperties();
    RegisterProperties<TTeControl, TWinControl>()
        .Enumeration("Performance", &TTeControl::Performance, &TTeControl::SetPerformance, PerformanceNames(),
                     TTePerformance::kspNoBuffer)
        .Event("OnMouseEnter", &TTeControl::OnMouseEnter)
        .Event("OnMouseLeave", &TTeControl::OnMouseLeave);
    RegisterProperties<TTeGraphicControl, TControl>()
        .Enumeration("Performance", &TTeGraphicControl::Performance, &TTeGraphicControl::SetPerformance,
                     PerformanceNames(), TTePerformance::kspNoBuffer)
        .Event("OnMouseEnter", &TTeGraphicControl::OnMouseEnter)
        .Event("OnMouseLeave", &TTeGraphicControl::OnMouseLeave);

    auto progress = RegisterProperties<TTeProgressBar, TTeControl>()
                        .Integer("Min", &TTeProgressBar::Min, &TTeProgressBar::SetMin, 0)
                        .Integer("Max", &TTeProgressBar::Max, &TTeProgressBar::SetMax, 100)
                        .Integer("Position", &TTeProgressBar::Position, &TTeProgressBar::SetPosition, 0)
                        .Integer("Step", &TTeProgressBar::Step, &TTeProgressBar::SetStep, 10)
                        .Enumeration("Orientation", &TTeProgressBar::Orientation, &TTeProgressBar::SetOrientation,
                                     ProgressOrientationNames(), TTeProgressOrientation::kpoHorizontal)
                        .Boolean("Smooth", &TTeProgressBar::Smooth, &TTeProgressBar::SetSmooth, false)
                        .Boolean("ShowBorder", &TTeProgressBar::ShowBorder, &TTeProgressBar::SetShowBorder, true)
                        .Integer("BorderWidth", &TTeProgressBar::BorderWidth, &TTeProgressBar::SetBorderWidth, 0)
                        .Enumeration("Performance", &TTeProgressBar::Performance, &TTeProgressBar::SetPerformance,
                                     PerformanceNames(), TTePerformance::kspDoubleBuffer);
    AddThemeSelectionProperties(progress);
    auto track = RegisterProperties<TTeTrackBar, TTeControl>()
                     .Integer("Min", &TTeTrackBar::Min, &TTeTrackBar::SetMin, 0)
                     .Integer("Max", &TTeTrackBar::Max, &TTeTrackBar::SetMax, 10)
                     .Integer("Position", &TTeTrackBar::Position, &TTeTrackBar::SetPosition, 3)
                     .Enumeration("Orientation", &TTeTrackBar::Orientation, &TTeTrackBar::SetOrientation,
                                  TrackOrientationNames(), TTeTrackOrientation::ktoHorizontal)
                     .Integer("LineSize", &TTeTrackBar::LineSize, &TTeTrackBar::SetLineSize, 1)
                     .Integer("PageSize", &TTeTrackBar::PageSize, &TTeTrackBar::SetPageSize, 2)
                     .Integer("Frequency", &TTeTrackBar::Frequency, &TTeTrackBar::SetFrequency, 1)
                     .Boolean("ShowTicks", &TTeTrackBar::ShowTicks, &TTeTrackBar::SetShowTicks, true)
                     .Enumeration("TickMarks", &TTeTrackBar::TickMarks, &TTeTrackBar::SetTickMarks, TickMarkNames(),
                                  TTeTickMark::ktbmBottomRight)
                     .Boolean("ThumbVisible", &TTeTrackBar::ThumbVisible, &TTeTrackBar::SetThumbVisible, true)
                     .Integer("ThumbHalfWidth", &TTeTrackBar::ThumbHalfWidth, &TTeTrackBar::SetThumbHalfWidth, 4)
                     .Enumeration("IntervalHighlightType", &TTeTrackBar::IntervalHighlightType,
                                  &TTeTrackBar::SetIntervalHighlightType, IntervalHighlightNames(),
                                  TIntervalHighlightType::htNone)
                     .Boolean("JumpByClick", &TTeTrackBar::JumpByClick, &TTeTrackBar::SetJumpByClick, false)
                     .Boolean("Transparent", &TTeTrackBar::Transparent, &TTeTrackBar::SetTransparent, true)
                     .Enumeration("Performance", &TTeTrackBar::Performance, &TTeTrackBar::SetPerformance,
                                  PerformanceNames(), TTePerformance::kspDoubleBuffer)
                     .Boolean("TabStop", &TTeTrackBar::TabStop, &TTeTrackBar::SetTabStop, true);
    AddThemeSelectionProperties(track).Event("OnChange", &TTeTrackBar::OnChange);
    RegisterComboGridComponents();
    RegisterFontOptionsProperties();
    RegisterButtonProperties();
    RegisterCheckBoxProperties();
    RegisterLabelProperties();
    RegisterGroupBoxProperties();
    RegisterClass<TTeButton>();
    RegisterClass<TTeCheckBox>();
    RegisterClass<TTeLabel>();
    RegisterClass<TTeGroupBox>();
    RegisterClass<TTeProgressBar>();
    RegisterClass<TTeTrackBar>();
    RegisterClass<TTeSComboBox>();
    RegisterClass<TTeStringGrid>();
    RegisterClass<TTeForm>();
    RegisterTeFormProperties();
    RegisterMenuComponents();
}
