// Every class the program's stored windows name, registered once before the first window is read.
#include "app/MainForm.h"

#include "cdrip/CDRIP.h"
#include "coder/LameCoder.h"
#include "controls/window/ControlComponents.h"
#include "framework/ClassRegistry.h"
#include "framework/StandardComponents.h"
#include "theme/ThemeList.h"

void RegisterWindowClasses()
{
    RegisterStandardComponents();
    RegisterControlComponents();
    RegisterThemeComponents();
    RegisterCDRIPComponents();
    RegisterLameCoderComponents();
    RegisterClass<TForm1>(QStringLiteral("TForm1"));
}
