// trackwell-make-osxtiger: draws the stored theme "OSXTiger" and writes it as a packed .theme file;
// with --preview it also writes a proof sheet of every element and a mock of the main window.
#include <QGuiApplication>
#include <cstdio>

#include "framework/Exception.h"
#include "framework/Stream.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "tools/osxtiger/OsxTiger.h"
#include "tools/osxtiger/TigerPreview.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool preview = args.size() == 4 && args[2] == QLatin1String("--preview");
    if (args.size() != 2 && !preview) {
        std::fputs("usage: trackwell-make-osxtiger FILE.theme [--preview FILE.png]\n", stderr);
        return 2;
    }
    try {
        int status = 0;
        {
            TteBuiltTheme<TTeThemeMsStyles> theme;
            MakeOsxTiger(theme);
            {
                TFileStream file(args[1], TFileMode::fmCreate);
                theme.SavePacked(file);
            }
            if (preview) {
                // Judged as the program will see it: read back from the file just written.
                TteBuiltTheme<TTeThemeMsStyles> loaded;
                if (!loaded.LoadFromFile(args[1])) {
                    std::fprintf(stderr, "cannot read back %s\n", qPrintable(args[1]));
                    status = 1;
                } else {
                    SaveElementPreview(loaded, args[3]);
                    QString mock = args[3];
                    mock.chop(mock.endsWith(QStringLiteral(".png")) ? 4 : 0);
                    SaveWindowMock(loaded, mock + QStringLiteral("-window.png"));
                }
            }
        }
        FinalizeThemeManager();
        return status;
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
}
