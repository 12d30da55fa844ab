#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "framework/Monitors.h"
#include "framework/Shell.h"
#include "framework/SystemMetrics.h"
#include "framework/TrayIcon.h"
#include "tests/support/PlatformFakes.h"

TEST(SystemMetrics, ClassicValues)
{
    const struct {
        int index;
        int value;
    } cases[] = {
        {SM_CYCAPTION, 19}, {SM_CYSMCAPTION, 16}, {SM_CXSIZE, 18},   {SM_CYSIZE, 18},     {SM_CXFRAME, 4},
        {SM_CYFRAME, 4},    {SM_CXDLGFRAME, 3},   {SM_CXVSCROLL, 16}, {SM_CYVTHUMB, 16},   {SM_CYMENU, 19},
        {SM_CXICON, 32},    {SM_CYICON, 32},      {SM_CXSMICON, 16},  {SM_CYSMICON, 16},   {SM_CXEDGE, 2},
        {SM_CXBORDER, 1},   {SM_CXMINIMIZED, 160}, {SM_CXMENUCHECK, 13}, {9999, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetSystemMetrics(c.index), c.value) << "index " << c.index;
    const TNonClientMetrics nonClient = SystemMetrics().NonClientMetrics();
    EXPECT_EQ(nonClient.CaptionHeight, 18);
    EXPECT_EQ(nonClient.SmCaptionHeight, 15);
    EXPECT_EQ(nonClient.MenuHeight, 18);
    EXPECT_TRUE(nonClient.CaptionFont.Bold);
    EXPECT_EQ(SystemMetrics().KeyboardDelay(), 1);
    EXPECT_EQ(SystemMetrics().KeyboardSpeed(), 31);
    EXPECT_TRUE(SystemMetrics().DragFullWindows());
}

TEST(Monitors, ScreensAndTheirWorkAreas)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(PrimaryMonitor().Bounds, TRect::FromQRect(screen->geometry()));
    EXPECT_EQ(PrimaryMonitor().WorkArea, TRect::FromQRect(screen->availableGeometry()));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen->geometry().width());
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), static_cast<int>(QGuiApplication::screens().size()));
}

TEST(Monitors, PointAndRectangleFindTheirMonitor)
{
    const TMonitorInfo left{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 740), true};
    const TMonitorInfo right{Rect(1024, 0, 2304, 1024), Rect(1024, 0, 2304, 1024), false};
    TFakeMonitors monitors({left, right});
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(MonitorFromPoint(Point(1023, 10)), left);
    EXPECT_EQ(MonitorFromPoint(Point(1024, 10)), right);
    // Below the left monitor's bottom, but nearer the right one's.
    EXPECT_EQ(MonitorFromPoint(Point(1000, 900)), right);
    EXPECT_EQ(MonitorFromPoint(Point(-50, -50)), left);
    EXPECT_EQ(MonitorFromRect(Rect(900, 0, 1200, 100)), right);
    EXPECT_EQ(MonitorFromRect(Rect(800, 0, 1100, 100)), left);
    EXPECT_EQ(MonitorFromRect(Rect(3000, 10, 3100, 20)), right);
}

TEST(Platform, StandInsAreReplacedAndPutBack)
{
    {
        TFakeSystemMetrics metrics;
        metrics.metrics[SM_CYCAPTION] = 26;
        metrics.keyboardDelay = 0;
        EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 26);
        EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
        EXPECT_EQ(SystemMetrics().KeyboardDelay(), 0);
    }
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);

    TShell* desktop = &Shell();
    {
        TRecordingShell shell;
        EXPECT_EQ(&Shell(), &shell);
        Shell().OpenUrl("mailto:support@example.com");
        Shell().StartProgram("/opt/trackwell/trackwell", {"--device", "/dev/sr1"}, "/opt/trackwell");
        EXPECT_EQ(shell.calls, QStringList({"open mailto:support@example.com",
                                            "start /opt/trackwell/trackwell --device /dev/sr1 in /opt/trackwell"}));
    }
    EXPECT_EQ(&Shell(), desktop);

    {
        TRecordingTrayFactory factory;
        auto icon = CreateTrayIcon();
        ASSERT_EQ(factory.icons.size(), 1);
        EXPECT_EQ(icon.get(), factory.icons.first());
    }
    auto system = CreateTrayIcon();
    EXPECT_EQ(dynamic_cast<TRecordingTrayIcon*>(system.get()), nullptr);
    EXPECT_FALSE(system->Visible());
}
