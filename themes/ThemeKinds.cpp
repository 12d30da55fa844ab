#include "themes/ThemeKinds.h"

#include "theme/ThemeManager.h"
#include "themes/FlatTheme.h"
#include "themes/MsStylesTheme.h"
#include "themes/OfficeXPTheme.h"

void RegisterThemeKinds()
{
    RegisterThemeClass(ThemeClassOf<TTeFlatTheme>());
    RegisterThemeClass(ThemeClassOf<TTeOfficeXPTheme>());
    RegisterThemeClass(ThemeClassOf<TTeThemeMsStyles>());
}

void UnregisterThemeKinds()
{
    UnregisterThemeClass(ThemeClassOf<TTeThemeMsStyles>());
    UnregisterThemeClass(ThemeClassOf<TTeOfficeXPTheme>());
    UnregisterThemeClass(ThemeClassOf<TTeFlatTheme>());
}
