// The screen behind a window: read once, carried along when the window moves (only the uncovered
// part is read again), and the window's own picture where the screen cannot be read.
#include <QImage>
#include <gtest/gtest.h>

#include "controls/frame/BackgroundCapture.h"

namespace {

// A made-up screen whose pixel at (x, y) is x * 1000 + y; it records what was read.
struct TFakeScreen {
    QList<TRect> reads;
    bool readable = true;
    // Added to every pixel: what the screen shows changed (the window is drawn there now).
    int shown = 0;
    QImage Grab(const TRect& rect)
    {
        reads.append(rect);
        if (!readable)
            return {};
        QImage image(rect.Width(), rect.Height(), QImage::Format_RGB32);
        for (int y = 0; y < rect.Height(); ++y)
            for (int x = 0; x < rect.Width(); ++x)
                image.setPixel(x, y, 0xFF000000u | static_cast<unsigned>((rect.Left + x) * 1000 + rect.Top + y + shown));
        return image;
    }
};

unsigned Screen(int x, int y, int shown = 0)
{
    return static_cast<unsigned>(x * 1000 + y + shown) & 0xFFFFFF;
}

unsigned At(const TBackgroundCapture& capture, int x, int y)
{
    return capture.Picture().GetPixel(x, y) & 0xFFFFFF;
}

}  // namespace

TEST(BackgroundCapture, AMovedWindowKeepsWhatItCoveredAndReadsOnlyTheNewPart)
{
    TFakeScreen screen;
    TBackgroundCapture capture([&](const TRect& r) { return screen.Grab(r); });
    const auto noFallback = [] { return QImage(); };
    capture.Capture({10, 10, 30, 20}, noFallback);
    ASSERT_EQ(screen.reads.size(), 1);
    EXPECT_EQ(At(capture, 0, 0), Screen(10, 10));
    EXPECT_EQ(At(capture, 19, 9), Screen(29, 19));

    capture.Capture({10, 10, 30, 20}, noFallback);
    EXPECT_EQ(screen.reads.size(), 1) << "an unchanged rectangle is not read again";

    // Moved right by 5: the screen under the old rectangle now shows the window, so the old
    // picture is kept there; the uncovered column comes from the screen.
    screen.shown = 500000;
    capture.Capture({15, 10, 35, 20}, noFallback);
    EXPECT_EQ(capture.Bounds(), (TRect{15, 10, 35, 20}));
    EXPECT_EQ(At(capture, 0, 0), Screen(15, 10));
    EXPECT_EQ(At(capture, 14, 9), Screen(29, 19));
    EXPECT_EQ(At(capture, 15, 0), Screen(30, 10, 500000));
    EXPECT_EQ(At(capture, 19, 9), Screen(34, 19, 500000));
}

TEST(BackgroundCapture, TheWindowsOwnPictureStandsInForAnUnreadableScreen)
{
    TFakeScreen screen;
    screen.readable = false;
    TBackgroundCapture capture([&](const TRect& r) { return screen.Grab(r); });
    QImage own(8, 6, QImage::Format_RGB32);
    own.fill(QColor(1, 2, 3));
    capture.Capture({0, 0, 8, 6}, [&] { return own; });
    ASSERT_FALSE(capture.Empty());
    EXPECT_EQ(At(capture, 7, 5), 0x010203u);
}
