// trackwell-make-icons DIR: the desktop icons of the program, drawn from its logo, as
// DIR/<size>x<size>/apps/trackwell.png in the icon theme's layout.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/Logo.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: trackwell-make-icons DIR\n", stderr);
        return 2;
    }
    for (const int size : {16, 32, 48, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        const QString file = folder + QStringLiteral("/trackwell.png");
        if (!QDir().mkpath(folder) || !TrackwellLogo(size).save(file)) {
            std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
