#include "framework/StandardComponents.h"

#include "framework/Button.h"
#include "framework/ClassRegistry.h"
#include "framework/ComboBox.h"
#include "framework/Control.h"
#include "framework/Form.h"
#include "framework/GroupBox.h"
#include "framework/Label.h"
#include "framework/ListBox.h"
#include "framework/OpenDialog.h"
#include "framework/StringGrid.h"


void RegisterStandardComponents()
{
    RegisterControlProperties();
    RegisterStringGridProperties();
    RegisterComboBoxProperties();
    RegisterClass<TGroupBox>(QStringLiteral("TGroupBox"));
    RegisterClass<TComboBox>(QStringLiteral("TComboBox"));
    RegisterClass<TStringGrid>(QStringLiteral("TStringGrid"));
    RegisterLabelComponent();
    RegisterButtonComponent();
    RegisterListBoxComponent();
    RegisterOpenDialogComponent();
}
