#include "controls/ComboGridComponents.h"

#include "controls/TeScrollBar.h"
#include "controls/TeSComboBox.h"
#include "controls/TeStringGrid.h"
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
