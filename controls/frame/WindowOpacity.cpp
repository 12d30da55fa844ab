#include "controls/frame/WindowOpacity.h"

#include <QGuiApplication>
#include <QString>

namespace {

std::optional<bool> forced;

}  // namespace

bool PlatformHasWindowOpacity()
{
    if (forced)
        return *forced;
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows") ||
           platform == QLatin1String("cocoa");
}

void ForceWindowOpacity(std::optional<bool> value)
{
    forced = value;
}
