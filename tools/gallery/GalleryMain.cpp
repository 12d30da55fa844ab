// trackwell-gallery: renders one theme's gallery sheet into a PNG file.
#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/Logo.h"
#include "framework/Exception.h"
#include "framework/QtApplication.h"
#include "graphics/Bitmap.h"
#include "graphics/PngWriter.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"
#include "themes/ThemeKinds.h"
#include "tools/gallery/AboutSheet.h"
#include "tools/gallery/MessageBoxSheet.h"
#include "tools/gallery/ControlSheet.h"
#include "tools/gallery/EffectsSheet.h"
#include "tools/gallery/GallerySheet.h"
#include "tools/gallery/MainWindowSheet.h"
#include "tools/gallery/MenuSheet.h"
#include "tools/gallery/WindowSheet.h"

namespace {

constexpr const char* kUsage =
    "usage: trackwell-gallery --theme Default|Flat|OfficeXP|OSXTiger|FILE.theme|FILE.msstyles|\n"
    "                                 FILE.uskn|FILE.zvkn|FILE.xskn|FILE.mskn\n"
    "                         [--hue N] [--brightness N] --out FILE.png\n"
    "       trackwell-gallery --export-theme OSXTiger --out FILE.theme\n"
    "       trackwell-gallery --effects --out FILE.png\n"
    "       trackwell-gallery --controls --theme None|Default|OSXTiger|... --out FILE.png\n"
    "       trackwell-gallery --window --theme None|NAME --out FILE.png\n"
    "       trackwell-gallery --menu --theme None|NAME --out FILE.png\n"
    "       trackwell-gallery --main-window --theme None|NAME|FILE --out FILE.png (the disc of $TRACKWELL_DEVICE, else the demo disc)\n"
    "       trackwell-gallery --about --theme None|NAME --out FILE.png\n"
    "       trackwell-gallery --message-box --theme None|NAME --out FILE.png\n";

// A registered kind that needs no data (the abstract theme and the built-in kinds), by kind name
// (case ignored).
std::unique_ptr<TteTheme> CreateTheme(const QString& name)
{
    for (int i = 0; i < GetThemeClassCount(); ++i) {
        const TteThemeClass* kind = GetThemeClass(i);
        const bool needsNoData = kind == &ThemeClassOf<TteTheme>() || kind->GetThemeConfig().BuiltIn;
        if (needsNoData && name.compare(kind->GetThemeKindName(), Qt::CaseInsensitive) == 0)
            return kind->Create();
    }
    return nullptr;
}

struct TOptions {
    QString Theme;
    // A carried theme to write out as a packed file instead of drawing a sheet.
    QString ExportTheme;
    // The effects contact sheet instead of a theme's sheet.
    bool Effects = false;
    int Hue = 0;
    int Brightness = 0;
    QString Out;
    // Live controls instead of the theme's elements; theme "None" is the classic look.
    bool Controls = false;
    // A framed window instead of the element sheet.
    bool Window = false;
    // The menu bar with a popup and its submenu open; theme "None" is the classic look.
    bool Menu = false;
    // The program's main window in the theme as the program's --theme names it.
    bool MainWindow = false;
    // The program's about window; theme "None" is the classic look.
    bool About = false;
    // The themed message box that tells errors; theme "None" is the classic look.
    bool MessageBox = false;
};

// Nothing on a usage error (after saying what is wrong).
std::optional<TOptions> ParseOptions(const QStringList& args)
{
    TOptions options;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--main-window")) {
            options.MainWindow = true;
            continue;
        }
        if (arg == QLatin1String("--about") || arg == QLatin1String("--message-box")) {
            (arg == QLatin1String("--about") ? options.About : options.MessageBox) = true;
            continue;
        }
        if (arg == QLatin1String("--effects") || arg == QLatin1String("--controls") ||
            arg == QLatin1String("--window") || arg == QLatin1String("--menu")) {
            (arg == QLatin1String("--effects") ? options.Effects
             : arg == QLatin1String("--controls") ? options.Controls
             : arg == QLatin1String("--menu")     ? options.Menu
                                                  : options.Window) = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "%s needs a value\n", qPrintable(arg));
            return std::nullopt;
        }
        const QString value = args[++i];
        bool number = true;
        if (arg == QLatin1String("--theme"))
            options.Theme = value;
        else if (arg == QLatin1String("--export-theme"))
            options.ExportTheme = value;
        else if (arg == QLatin1String("--out"))
            options.Out = value;
        else if (arg == QLatin1String("--hue"))
            options.Hue = value.toInt(&number);
        else if (arg == QLatin1String("--brightness"))
            options.Brightness = value.toInt(&number);
        else {
            std::fprintf(stderr, "unknown option %s\n", qPrintable(arg));
            return std::nullopt;
        }
        if (!number) {
            std::fprintf(stderr, "%s needs a whole number, not \"%s\"\n", qPrintable(arg), qPrintable(value));
            return std::nullopt;
        }
    }
    const int modes = !options.Theme.isEmpty() + !options.ExportTheme.isEmpty() + options.Effects;
    if (modes != 1 || options.Out.isEmpty() || ((options.Controls || options.Window || options.Menu || options.About || options.MessageBox) && options.Theme.isEmpty())) {
        std::fprintf(stderr, "--out and one of --theme, --export-theme or --effects are required (--controls and --window go with --theme)\n");
        return std::nullopt;
    }
    return options;
}

// A file name rather than a theme name: it exists, or it names a theme file by its extension.
bool IsThemeFile(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    static const QStringList kThemeSuffixes = {"theme", "msstyles", "uskn", "zvkn", "xskn", "mskn"};
    return QFileInfo::exists(name) || kThemeSuffixes.contains(suffix);
}

// The packed file of a carried theme; answers the exit status.
int ExportTheme(const TOptions& options)
{
    std::unique_ptr<TTeThemeMsStyles> theme = CreateStoredTheme(options.ExportTheme);
    if (!theme) {
        std::fprintf(stderr, "no stored theme \"%s\" (carried: %s)\n", qPrintable(options.ExportTheme),
                     qPrintable(StoredThemeNames().join(QStringLiteral(", "))));
        return 2;
    }
    if (!theme->SaveToFile(options.Out)) {
        std::fprintf(stderr, "a stored theme is written only to a .theme file, not \"%s\"\n", qPrintable(options.Out));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Headless: the sheet is drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's application object: the window sheet's frames hook their windows through it.
    TQtApplication app(argc, argv);
    // The sheets' windows wear the program's icon, as the program's own windows do.
    QApplication::setWindowIcon(TrackwellIcon());

    const std::optional<TOptions> options = ParseOptions(QCoreApplication::arguments());
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options->Effects)
        return WriteEffectsSheet(options->Out);
    RegisterThemeKinds();
    std::unique_ptr<TteTheme> theme;
    try {
        if (!options->ExportTheme.isEmpty()) {
            const int status = ExportTheme(*options);
            FinalizeThemeManager();
            return status;
        }
        if (options->MainWindow) {
            const int status = RenderMainWindowSheet(options->Theme, options->Out);
            FinalizeThemeManager();
            return status;
        }
        if (options->Controls && options->Theme.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) {
            const int status = WriteControlSheet(nullptr, options->Out);
            FinalizeThemeManager();
            return status;
        }
        if ((options->Menu || options->About || options->Window || options->MessageBox) &&
            options->Theme.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0) {
            const int status = options->About        ? RenderAboutSheet(options->Out)
                               : options->MessageBox ? RenderMessageBoxSheet(options->Out)
                               : options->Menu       ? RenderMenuSheet(options->Out)
                                                     : RenderWindowSheet(options->Out);
            FinalizeThemeManager();
            return status;
        }
        theme = CreateTheme(options->Theme);
        if (!theme)
            theme = CreateStoredTheme(options->Theme);
        if (!theme && IsThemeFile(options->Theme)) {
            theme.reset(LoadThemeFromFile(options->Theme));
            if (!theme) {
                std::fprintf(stderr, "cannot load the theme file \"%s\": it is missing, damaged, or no theme kind reads it\n",
                             qPrintable(options->Theme));
                return 1;
            }
        }
        if (!theme) {
            std::fprintf(stderr, "unknown theme \"%s\"\n%s", qPrintable(options->Theme), kUsage);
            return 2;
        }
        theme->SetDeltas(options->Hue, options->Brightness);
        if (options->Window || options->Menu || options->About || options->MessageBox) {
            SetCurrentTheme(theme.release());
            const int status = options->About        ? RenderAboutSheet(options->Out)
                               : options->MessageBox ? RenderMessageBoxSheet(options->Out)
                               : options->Menu ? RenderMenuSheet(options->Out)
                                               : RenderWindowSheet(options->Out);
            FinalizeThemeManager();
            return status;
        }
        if (options->Controls) {
            const int status = WriteControlSheet(std::move(theme), options->Out);
            FinalizeThemeManager();
            return status;
        }
        TteBitmap sheet;
        TGallerySheet::Render(*theme, sheet);
        SaveBitmapToPng(sheet, options->Out);
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    theme.reset();
    FinalizeThemeManager();
    return 0;
}
