#include "app/WindowOptions.h"

#include "app/JobOptions.h"

QStringList TWindowOptions::Arguments() const
{
    QStringList arguments;
    if (!Device.isEmpty())
        arguments << QStringLiteral("--device") << Device;
    if (!Theme.isEmpty())
        arguments << QStringLiteral("--theme") << Theme;
    if (!OutputFolder.isEmpty())
        arguments << QStringLiteral("--output") << OutputFolder;
    return arguments;
}

TWindowOptions ParseWindowOptions(const QStringList& arguments)
{
    TWindowOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        QString* value = option == QLatin1String("--device")   ? &options.Device
                         : option == QLatin1String("--theme")  ? &options.Theme
                         : option == QLatin1String("--output") ? &options.OutputFolder
                                                               : nullptr;
        if (value == nullptr)
            throw EUsageError(QStringLiteral("Unknown option %1").arg(option));
        if (i + 1 == arguments.size() || arguments.at(i + 1).isEmpty())
            throw EUsageError(QStringLiteral("%1 needs a value").arg(option));
        *value = arguments.at(++i);
    }
    return options;
}

namespace {

TWindowOptions& Options()
{
    static TWindowOptions options;
    return options;
}

}  // namespace

const TWindowOptions& WindowOptions()
{
    return Options();
}

void SetWindowOptions(const TWindowOptions& options)
{
    Options() = options;
}
