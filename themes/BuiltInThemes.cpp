#include "themes/BuiltInThemes.h"

#include "theme/ThemeManager.h"
#include "themes/FlatTheme.h"
#include "themes/OfficeXPTheme.h"

void RegisterBuiltInThemes()
{
    RegisterThemeClass(ThemeClassOf<TTeFlatTheme>());
    RegisterThemeClass(ThemeClassOf<TTeOfficeXPTheme>());
}

void UnregisterBuiltInThemes()
{
    UnregisterThemeClass(ThemeClassOf<TTeOfficeXPTheme>());
    UnregisterThemeClass(ThemeClassOf<TTeFlatTheme>());
}
