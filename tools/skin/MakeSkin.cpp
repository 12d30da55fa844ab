// trackwell-make-skin BASENAME: writes Trackwell's own skin as BASENAME.uskn, .zvkn, .xskn and .mskn,
// one file per skin filter, for tests and for theme reviewers.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

#include "framework/Exception.h"
#include "framework/Stream.h"
#include "themes/SkinFilters.h"
#include "themes/SkinSource.h"
#include "tools/skin/SkinArt.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: trackwell-make-skin BASENAME\n", stderr);
        return 2;
    }
    try {
        const auto skin = BuildTrackwellSkin();
        for (const TSeSkinFilter* filter : SkinFilters()) {
            const QString name = args[1] + QLatin1Char('.') + filter->Extension();
            TFileStream file(name, TFileMode::fmCreate);
            skin->SaveToStream(file, *filter);
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    return 0;
}
