// The themed frame on a real X server without a window manager: the screen shows the frame the
// form paints, and a drag on the caption (real X input through xdotool) moves the window by the
// frame's own fallback path.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>
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

// Runs xdotool with args while the event loop goes on; false when it cannot be run or fails.
bool XDoTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    if (!process.waitForStarted(5000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (process.state() != QProcess::NotRunning && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

struct TTigerWindow {
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    TTeForm* frame = new TTeForm(form.get());

    TTigerWindow()
    {
        SetCurrentTheme(CreateStoredTheme(QStringLiteral("OSXTiger")).release());
        form->SetBounds(100, 100, 320, 160);
        form->SetCaption(QStringLiteral("Trackwell"));
        frame->Gravitation().SetEnabled(false);
        frame->Loaded();
        form->Show();
    }
    ~TTigerWindow() { ClearCurrentTheme(); }
};

}  // namespace

TEST(RealWindow, TheScreenShowsTheThemedFrameAndTheCaptionDragsTheWindow)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server: ctest runs it under xvfb-run";
    TTigerWindow window;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.form->Handle()));
    Settle(300);
    ASSERT_TRUE(window.frame->Themed());

    // The frame on the screen is the frame the form paints, pixel for pixel, inside its shape.
    QImage painted;
    window.frame->PaintWindowImage(painted, window.frame->ActiveLook());
    const TRect bounds = window.form->BoundsRect();
    const QImage screen = QGuiApplication::primaryScreen()
                              ->grabWindow(0, bounds.Left, bounds.Top, bounds.Width(), bounds.Height())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), painted.size());
    const QRegion shape = window.form->Handle()->mask();
    const TRect client = window.form->ClientBounds();
    int compared = 0;
    int different = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            if (client.Contains({x, y}) || (!shape.isEmpty() && !shape.contains(QPoint(x, y))))
                continue;
            ++compared;
            if ((screen.pixel(x, y) & 0xFFFFFF) != (painted.pixel(x, y) & 0xFFFFFF))
                ++different;
        }
    EXPECT_GT(compared, 1000);
    EXPECT_EQ(different, 0) << "of " << compared << " frame pixels";
    // Outside the rounded corners the screen's own background shows (black on a bare Xvfb).
    if (!shape.isEmpty() && !shape.contains(QPoint(0, 0))) {
        EXPECT_NE(screen.pixel(0, 0) & 0xFFFFFF, painted.pixel(1, 4) & 0xFFFFFF);
    }

    // A drag on the caption with real X input moves the window.
    const int x = bounds.Left + bounds.Width() / 2 - 40;
    const int y = bounds.Top + client.Top / 2;
    ASSERT_TRUE(XDoTool({"mousemove", QString::number(x), QString::number(y), "sleep", "0.2", "mousedown", "1",
                         "sleep", "0.2", "mousemove", QString::number(x + 30), QString::number(y + 20), "sleep", "0.2",
                         "mousemove", QString::number(x + 60), QString::number(y + 40), "sleep", "0.2", "mouseup", "1"}))
        << "xdotool is missing or failed (scripts/setup.sh installs it)";
    Settle(300);
    EXPECT_EQ(window.form->Left(), bounds.Left + 60);
    EXPECT_EQ(window.form->Top(), bounds.Top + 40);
}
