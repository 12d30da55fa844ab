// The program end to end on a real X server: the real executable started on the demo disc, "Start"
// clicked with real X input, the three MP3 files and " - Ready" in the caption waited for, and the
// screen checked where the frame and the grid are.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "controls/frame/TeForm.h"
#include "framework/Form.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

void Settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// xdotool's standard output, trimmed; nothing when it cannot be run or fails.
std::optional<QString> XDoTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    if (!process.waitForStarted(5000) || !process.waitForFinished(20000) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The program with its run-time libraries and pages in a folder of its own, so that its Output
// folder (beside the executable) is the test's.
bool CopyProgram(const QString& to)
{
    const QString from = QStringLiteral(TRACKWELL_PROGRAM_DIR);
    for (const char* name : {"trackwell", "libcdrip.so", "liblame_enc.so"})
        if (!QFile::copy(from + u'/' + QLatin1String(name), to + u'/' + QLatin1String(name)))
            return false;
    return QFile::setPermissions(to + QStringLiteral("/trackwell"),
                                 QFile::permissions(from + QStringLiteral("/trackwell")));
}

// The main window's frame as this process paints it: the same theme and options, for the margins
// and the border pixels.
struct TReferenceFrame {
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    TTeForm* frame = new TTeForm(form.get());

    TReferenceFrame()
    {
        SetCurrentTheme(CreateStoredTheme(QStringLiteral("OSXTiger")).release());
        frame->SetBorderIcons({TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiMinimize,
                               TTeBorderIcon::kbiRollup, TTeBorderIcon::kbiTray});
        frame->Dragging().SetSizeable(false);
        frame->Loaded();
        form->SetClientSize(642, 414);
    }
    ~TReferenceFrame() { ClearCurrentTheme(); }
};

}  // namespace

TEST(EndToEnd, StartRipsTheDemoDiscToThreeFilesAndTheWindowSaysReady)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server: ctest runs it under xvfb-run";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(CopyProgram(folder.path()));
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    // The rip log asks the AccurateRip database; a closed loopback port answers at once that it is offline.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRACKWELL_ACCURATERIP_URL"), QStringLiteral("http://127.0.0.1:9/"));
    program.setProcessEnvironment(environment);
    program.start(folder.path() + QStringLiteral("/trackwell"), {"--device", QStringLiteral(TRACKWELL_DEMO_DISC)});
    ASSERT_TRUE(program.waitForStarted(10000));
    struct TStop {
        QProcess& process;
        ~TStop()
        {
            process.kill();
            process.waitForFinished(5000);
        }
    } stop{program};

    const std::optional<QString> found =
        XDoTool({"search", "--sync", "--onlyvisible", "--name", "^Trackwell"});
    ASSERT_TRUE(found.has_value()) << "xdotool is missing or the window never showed (scripts/setup.sh installs it)";
    const QString window = found->section(u'\n', 0, 0);
    Settle(500);
    const std::optional<QString> shape = XDoTool({"getwindowgeometry", "--shell", window});
    ASSERT_TRUE(shape.has_value());
    QHash<QString, int> geometry;
    for (const QString& line : shape->split(u'\n'))
        geometry.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());

    TReferenceFrame reference;
    const TRect client = reference.form->ClientBounds();
    ASSERT_EQ(geometry.value("WIDTH"), reference.form->Width());
    ASSERT_EQ(geometry.value("HEIGHT"), reference.form->Height());
    const int left = geometry.value("X");
    const int top = geometry.value("Y");

    // "Start": 98 × 25 at (123, 377) of the client area.
    const QPoint start(left + client.Left + 123 + 49, top + client.Top + 377 + 12);
    ASSERT_TRUE(XDoTool({"mousemove", QString::number(start.x()), QString::number(start.y()), "sleep", "0.2", "click",
                         "1"}));

    const QString output = folder.path() + QStringLiteral("/Output/");
    QString caption;
    QElapsedTimer waited;
    waited.start();
    auto ripped = [&] {
        for (const char* name : {"Track01.mp3", "Track02.mp3", "Track03.mp3"})
            if (QFileInfo(output + QLatin1String(name)).size() == 0)
                return false;
        // The rip log and cue sheet are written once the run has ended.
        return QDir(output).entryList({QStringLiteral("Disc-*.log"), QStringLiteral("Disc-*.cue")}, QDir::Files).size() == 2;
    };
    while (waited.elapsed() < 90000 && !(caption.endsWith(QStringLiteral(" - Ready")) && ripped())) {
        Settle(250);
        caption = XDoTool({"getwindowname", window}).value_or(QString());
    }
    EXPECT_TRUE(caption.endsWith(QStringLiteral(" - Ready"))) << caption.toStdString();
    EXPECT_TRUE(ripped()) << QDir(output).entryList().join(u' ').toStdString();
    Settle(300);

    const QImage screen = QGuiApplication::primaryScreen()
                              ->grabWindow(0, left, top, reference.form->Width(), reference.form->Height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    // The grid's white background below its four rows (the header and three tracks).
    for (const QPoint& cell : {QPoint(200, 250), QPoint(60, 300), QPoint(400, 200)})
        EXPECT_EQ(screen.pixel(cell + QPoint(client.Left, client.Top)) & 0xFFFFFF, 0xFFFFFFu)
            << cell.x() << "," << cell.y();
    // The left, right and bottom borders are the themed frame, pixel for pixel, in one of its looks.
    const QRegion mask = reference.form->Handle()->mask();
    int matchingLooks = 0;
    for (const bool active : {true, false}) {
        QImage painted;
        reference.frame->PaintWindowImage(painted, active);
        int different = 0;
        for (int y = client.Top; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x) {
                if (client.Contains({x, y}) || (!mask.isEmpty() && !mask.contains(QPoint(x, y))))
                    continue;
                if ((screen.pixel(x, y) & 0xFFFFFF) != (painted.pixel(x, y) & 0xFFFFFF))
                    ++different;
            }
        matchingLooks += different == 0;
    }
    EXPECT_EQ(matchingLooks, 1) << "the borders on the screen are neither the active nor the inactive frame";
}
