// Platform probes, monitor rectangles, keyboard timing, rectangles and tokens.
#include <gtest/gtest.h>

#include <QWidget>

#include "graphics/Platform.h"
#include "graphics/RectUtils.h"
#include "graphics/Tokens.h"
#include "tests/support/PlatformFakes.h"

namespace {

TEST(RectUtilsTest, CentringMovesWithoutResizingAndMayStickOut)
{
    struct Case {
        TRect r, within, centred, vertical;
    } cases[] = {
        {{0, 0, 10, 10}, {0, 0, 15, 15}, {2, 2, 12, 12}, {0, 2, 10, 12}},
        {{0, 0, 10, 10}, {0, 0, 5, 5}, {-2, -2, 8, 8}, {0, -2, 10, 8}},
        {{7, 7, 10, 11}, {20, 30, 26, 31}, {21, 29, 24, 33}, {20, 29, 23, 33}},  // -3 div 2 is -1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CenterRect(c.r, c.within), c.centred);
        EXPECT_EQ(CenterRectVert(c.r, c.within), c.vertical);
    }
}

TEST(RectUtilsTest, ArithmeticAndContainment)
{
    EXPECT_EQ(InflateRectBy({5, 5, 8, 9}, 2), (TRect{3, 3, 10, 11}));
    EXPECT_EQ(InflateRectBy({5, 5, 8, 9}, -2), (TRect{7, 7, 6, 7}));
    EXPECT_TRUE(RectIsEmpty({7, 7, 6, 7}));
    EXPECT_TRUE(RectIsEmpty({0, 0, 5, 0}));
    EXPECT_FALSE(RectIsEmpty({0, 0, 1, 1}));
    EXPECT_TRUE(RectInRect({0, 0, 10, 10}, {0, 0, 10, 10}));
    EXPECT_FALSE(RectInRect({0, 0, 11, 10}, {0, 0, 10, 10}));
    EXPECT_FALSE(RectInRect({-1, 0, 5, 5}, {0, 0, 10, 10}));
}

TEST(RectUtilsTest, PointInPolygonUsesTheWindingRule)
{
    // A pentagram: its centre is enclosed twice, which the even-odd rule would call outside.
    const QList<TPoint> star{{50, 0}, {79, 90}, {2, 35}, {97, 35}, {21, 90}};
    EXPECT_TRUE(PointInPolygon({50, 50}, star));
    EXPECT_TRUE(PointInPolygon({50, 10}, star));
    EXPECT_FALSE(PointInPolygon({5, 80}, star));
    EXPECT_FALSE(PointInPolygon({0, 0}, {}));
}

TEST(TokensTest, ExtractTokenTakesTheFirstTokenAndItsDelimiter)
{
    struct Case {
        QString text, token, rest, delimiters;
    } cases[] = {
        {"Tahoma, 8", "Tahoma", "8", ""},
        {"bold", "bold", "", ""},
        {"(a=b)", "", "a=b)", ""},
        {"left ; right \t", "left", "; right", ""},
        // A leading blank is a delimiter too: the token is empty and the rest trimmed.
        {"  left", "", "left", ""},
        {"a:b", "a", "b", ""},
        {"\x01name\x02=x", "name", "x", ""},
        {"", "", "", ""},
        {"a b|c d", "a b", "c d", "|"},
        {"a b c", "a b c", "", "|"},
    };
    for (const Case& c : cases) {
        QString text = c.text;
        const QString token = c.delimiters.isEmpty() ? ExtractToken(text) : ExtractTokenBy(text, c.delimiters);
        EXPECT_EQ(token, c.token) << c.text.toStdString();
        EXPECT_EQ(text, c.rest) << c.text.toStdString();
    }
}

TEST(PlatformTest, OptionalFeaturesAreAbsent)
{
    EXPECT_FALSE(LayeredWindowsAvailable());
    EXPECT_FALSE(VisualStylesLoaded());
    EXPECT_FALSE(UpdateVisualStylesActive());
    EXPECT_FALSE(TransparentBltAvailable());
    TScrollBarInfo info;
    EXPECT_EQ(GetScrollBarInfoSafe(nullptr, 0, info), 0);
    EXPECT_EQ(info.rgstate[0], STATE_SYSTEM_INVISIBLE);
}

TEST(PlatformTest, KeyboardTiming)
{
    TFakeSystemMetrics metrics;
    struct Case {
        int delay, speed, delayMs, repeatMs;
    } cases[] = {{0, 0, 200, 435}, {3, 31, 800, 14}, {1, 15, 400, 27}};
    for (const Case& c : cases) {
        metrics.keyboardDelay = c.delay;
        metrics.keyboardSpeed = c.speed;
        EXPECT_EQ(KeyboardDelayMs(), c.delayMs);
        EXPECT_EQ(KeyboardRepeatMs(), c.repeatMs);
    }
}

TEST(PlatformTest, MonitorRectangles)
{
    const TMonitorInfo primary{{0, 0, 1280, 1024}, {0, 0, 1280, 994}, true};
    const TMonitorInfo second{{1280, 0, 2304, 768}, {1280, 30, 2304, 768}, false};
    {
        TFakeMonitors one({primary});
        EXPECT_FALSE(HasMultipleMonitors());
        EXPECT_EQ(GetWorkArea(true), primary.WorkArea);
        EXPECT_EQ(GetWorkArea(false), primary.Bounds);
        // One monitor: the primary work area (or screen) whatever the point or window.
        EXPECT_EQ(GetMonitorRectFromPoint({2000, 10}, true), primary.WorkArea);
        QWidget window;
        window.setGeometry(1400, 100, 200, 100);
        EXPECT_EQ(GetMonitorRectFromWindow(&window, true), primary.WorkArea);
        EXPECT_EQ(GetMonitorRectFromWindow(&window, false), primary.Bounds);
    }
    TFakeMonitors two({primary, second});
    EXPECT_TRUE(HasMultipleMonitors());
    EXPECT_EQ(GetMonitorRectFromPoint({2000, 10}, true), second.WorkArea);
    EXPECT_EQ(GetMonitorRectFromPoint({5000, 10}, false), second.Bounds);  // the nearest
    EXPECT_EQ(GetMonitorRectFromPoint({10, 10}, false), primary.Bounds);
    QWidget window;
    window.setGeometry(1400, 100, 200, 100);
    EXPECT_EQ(GetMonitorRectFromWindow(&window, true), second.WorkArea);
    EXPECT_EQ(GetMonitorRectFromWindow(nullptr, true), primary.WorkArea);
}

}  // namespace
