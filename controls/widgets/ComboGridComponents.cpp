#include "controls/widgets/ComboGridComponents.h"

#include "controls/core/TeScrollBar.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "framework/ComboBox.h"
#include "framework/StringGrid.h"

void RegisterComboGridComponents()
{
    RegisterScrollBarProperties();
    RegisterStringGridProperties();
    RegisterComboBoxProperties();
    RegisterThemedGridProperties();
    RegisterThemedComboBoxProperties();
}
