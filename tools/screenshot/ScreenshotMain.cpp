// trackwell-screenshot: what the X screen shows, read as one plain image of the root window.
// Reviewers use it to see the real program under Xvfb. It exists because `xwd -root` composes
// the picture window by window once windows carry colormaps of their own (every Qt window does),
// and then paints a window lying wholly over another window of the same program black: open
// menus, the about window and message boxes looked unpainted although they were drawn.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr const char* kUsage = "usage: trackwell-screenshot --out FILE.png [--rect X,Y,WIDTH,HEIGHT]\n";

int Fail(const QString& text)
{
    QTextStream(stderr) << "trackwell-screenshot: " << text << "\n" << kUsage << Qt::flush;
    return 2;
}

// "X,Y,WIDTH,HEIGHT" with a positive size, else an empty rectangle.
QRect ParseRect(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return {};
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok)
            return {};
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Offscreen would answer with a blank picture of no screen at all.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QString out;
    QRect area;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size()) {
            out = args[++i];
        } else if (args[i] == QLatin1String("--rect") && i + 1 < args.size()) {
            area = ParseRect(args[++i]);
            if (area.isEmpty())
                return Fail(QStringLiteral("bad --rect \"%1\"").arg(args[i]));
        } else {
            return Fail(QStringLiteral("unknown argument \"%1\"").arg(args[i]));
        }
    }
    if (out.isEmpty())
        return Fail(QStringLiteral("--out is missing"));
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return Fail(QStringLiteral("no screen"));
    if (area.isEmpty())
        area = screen->geometry();
    const QImage image = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    if (image.isNull())
        return Fail(QStringLiteral("the screen could not be read"));
    if (!image.save(out, "PNG"))
        return Fail(QStringLiteral("cannot write \"%1\"").arg(out));
    return 0;
}
