#include "controls/ControlComponents.h"

#include "controls/ComboGridComponents.h"
#include "controls/TeControl.h"
#include "controls/TeGraphicControl.h"

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
    RegisterComboGridComponents();
}
