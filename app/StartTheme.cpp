#include "app/StartTheme.h"

#include <QFileInfo>
#include <memory>

#include "framework/Exception.h"
#include "theme/Theme.h"
#include "theme/ThemeBuilding.h"
#include "theme/ThemeEngine.h"
#include "theme/ThemeLink.h"
#include "theme/ThemeManager.h"

namespace {

bool IsStoredTheme(const QString& name)
{
    return name.isEmpty() || name.compare(QLatin1String("OSXTiger"), Qt::CaseInsensitive) == 0;
}

bool IsNoTheme(const QString& name)
{
    return name.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0;
}

// The abstract theme's own look, which no built-in kind offers by name.
bool IsDefaultTheme(const QString& name)
{
    return name.compare(ThemeClassOf<TteTheme>().GetThemeKindName(), Qt::CaseInsensitive) == 0;
}

}  // namespace

void CheckStartTheme(const QString& name)
{
    if (IsStoredTheme(name) || IsNoTheme(name) || IsDefaultTheme(name) || FindBuiltInThemeClass(name) != nullptr)
        return;
    if (!QFileInfo::exists(name))
        throw Exception(QStringLiteral("Unknown theme \"%1\": neither Default, Flat, OfficeXP, OSXTiger, None nor a file")
                            .arg(name));
    // Read once to tell a damaged file from a good one before either component drops its theme.
    if (!std::unique_ptr<TteTheme>(LoadThemeFromFile(name)))
        throw Exception(QStringLiteral("Cannot load the theme file \"%1\": it is damaged, or no theme kind reads it")
                            .arg(name));
}

void ApplyStartTheme(const QString& name, TTeThemeEngine& engine, TTeThemeLink& link)
{
    CheckStartTheme(name);
    if (IsStoredTheme(name))
        return;
    // The window's controls bound to the link follow the application theme once the link has none.
    link.SetThemeIndex(-1);
    if (IsNoTheme(name))
        engine.SetThemeIndex(-1);
    else if (IsDefaultTheme(name))
        SetCurrentTheme(ThemeClassOf<TteTheme>().Create().release());
    else if (FindBuiltInThemeClass(name) != nullptr)
        engine.SetThemeBuilding(name);
    else
        engine.SetThemeFile(name);
}
