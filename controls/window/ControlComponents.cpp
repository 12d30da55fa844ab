#include "controls/window/ControlComponents.h"

#include "controls/core/TeControl.h"
#include "controls/core/TeGraphicControl.h"
#include "controls/frame/TeDefaultForm.h"
#include "controls/frame/TeForm.h"
#include "controls/menus/MenuComponents.h"
#include "controls/widgets/ComboGridComponents.h"
#include "controls/widgets/FontOptions.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeGroupBox.h"
#include "controls/widgets/TeLabel.h"
#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "controls/widgets/TeTrackBar.h"
#include "controls/window/FormProperties.h"
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
