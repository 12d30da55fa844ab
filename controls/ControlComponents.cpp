#include "controls/ControlComponents.h"

#include "controls/FontOptions.h"
#include "controls/TeButton.h"
#include "controls/TeCheckBox.h"
#include "controls/TeControl.h"
#include "controls/TeGraphicControl.h"
#include "controls/TeGroupBox.h"
#include "controls/TeLabel.h"
#include "framework/ClassRegistry.h"

void RegisterControlComponents()
{
    RegisterControlProperties();
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
    RegisterFontOptionsProperties();
    RegisterButtonProperties();
    RegisterCheckBoxProperties();
    RegisterLabelProperties();
    RegisterGroupBoxProperties();
    RegisterClass<TTeButton>();
    RegisterClass<TTeCheckBox>();
    RegisterClass<TTeLabel>();
    RegisterClass<TTeGroupBox>();
}
