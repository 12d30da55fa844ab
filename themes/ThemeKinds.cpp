#include "themes/ThemeKinds.h"

#include "theme/ThemeManager.h"
#include "themes/FlatTheme.h"
#include "themes/MsStylesTheme.h"
#include "themes/OfficeXPTheme.h"
#include "themes/SkinFileTheme.h"

void RegisterThemeKinds()
{
    RegisterThemeClass(ThemeClassOf<TTeFlatTheme>());
    RegisterThemeClass(ThemeClassOf<TTeOfficeXPTheme>());
    RegisterThemeClass(ThemeClassOf<TTeThemeMsStyles>());
    RegisterThemeClass(ThemeClassOf<TTeSkinFile>());
}

void UnregisterThemeKinds()
{
    UnregisterThemeClass(ThemeClassOf<TTeSkinFile>());
    UnregisterThemeClass(ThemeClassOf<TTeThemeMsStyles>());
    UnregisterThemeClass(ThemeClassOf<TTeOfficeXPTheme>());
    UnregisterThemeClass(ThemeClassOf<TTeFlatTheme>());
}
