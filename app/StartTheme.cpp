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

}  // namespace

void CheckStartTheme(const QString& name)
{
    if (IsStoredTheme(name) || IsNoTheme(name) || FindBuiltInThemeClass(name) != nullptr)
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
    if (IsNoTheme(name)) {
        engine.SetThemeIndex(-1);
        link.SetThemeIndex(-1);
        return;
    }
    if (FindBuiltInThemeClass(name) != nullptr) {
        engine.SetThemeBuilding(name);
        link.SetThemeBuilding(name);
        return;
    }
    engine.SetThemeFile(name);
    link.SetThemeFile(name);
}
