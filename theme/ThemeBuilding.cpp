#include "theme/ThemeBuilding.h"

#include "theme/Theme.h"
#include "theme/ThemeManager.h"

namespace {

// Only ASCII letters fold, as kind names are plain ASCII.
QString AsciiLower(const QString& text)
{
    QString lower = text;
    for (QChar& c : lower) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lower;
}

}  // namespace

const QString& NoThemeText()
{
    static const QString text = QStringLiteral("No theme");
    return text;
}

const TteThemeClass* FindBuiltInThemeClass(const QString& name)
{
    const QString wanted = AsciiLower(name);
    for (int i = 0; i < GetThemeClassCount(); ++i) {
        const TteThemeClass* themeClass = GetThemeClass(i);
        if (themeClass->GetThemeConfig().BuiltIn && AsciiLower(themeClass->GetThemeKindName()) == wanted)
            return themeClass;
    }
    return nullptr;
}
