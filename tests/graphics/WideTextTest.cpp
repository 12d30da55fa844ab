// Text measured and drawn in a canvas's font: widths, ellipses, and text turned by 90 degrees
// into key-filled bitmaps without fringes.
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/WideText.h"

namespace {

class WideTextTest : public testing::Test {
protected:
    void SetUp() override
    {
        target.SetSize(40, 120);
        target.Fill(TransparentKey);
        TFont& font = *target.Canvas().Font();
        font.SetName(QStringLiteral("DejaVu Sans"));
        font.SetSize(12);
        font.SetColor(RGB(0x20, 0x40, 0xC0));
    }
    TCanvas& Canvas() { return target.Canvas(); }
    TteColor Ink() const { return 0xFF2040C0; }

    // Rows (top to bottom) that hold ink, and whether every pixel is the key or the ink.
    std::pair<int, int> InkRows(bool& onlyKeyOrInk)
    {
        Canvas().Handle()->EndPainting();
        int first = -1, last = -1;
        onlyKeyOrInk = true;
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x) {
                const TteColor p = target.GetPixel(x, y);
                if (p == TransparentKey)
                    continue;
                onlyKeyOrInk = onlyKeyOrInk && p == Ink();
                if (first < 0)
                    first = y;
                last = y;
            }
        return {first, last};
    }

    TteBitmap target;
};

TEST_F(WideTextTest, RotatedTextReadsFromTheTopClockwiseAndFromTheBottomOtherwise)
{
    bool clean = false;
    const int result = DrawRotatedText(Canvas(), QStringLiteral("Wg"), {0, 0, 40, 120}, true, DT_SINGLELINE);
    EXPECT_GT(result, 0);
    const auto [cwFirst, cwLast] = InkRows(clean);
    EXPECT_TRUE(clean);
    ASSERT_GE(cwFirst, 0);
    EXPECT_LT(cwLast, 40);  // a short text near the top

    TteBitmap clockwise;
    clockwise.Assign(target);
    target.Fill(TransparentKey);
    DrawRotatedText(Canvas(), QStringLiteral("Wg"), {0, 0, 40, 120}, false, DT_SINGLELINE);
    const auto [ccwFirst, ccwLast] = InkRows(clean);
    EXPECT_TRUE(clean);
    EXPECT_GT(ccwFirst, 80);  // ... and near the bottom
    // The two turns are each other's half-turn.
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(clockwise.GetPixel(x, y), target.GetPixel(39 - x, 119 - y)) << x << "," << y;
}

TEST_F(WideTextTest, RotatedTextLandsInItsRectangleOnTheCanvasOrigin)
{
    Canvas().SetWindowOrg(-5, -7);
    DrawRotatedText(Canvas(), QStringLiteral("Hi"), {0, 0, 20, 50}, true, DT_SINGLELINE | DT_VCENTER);
    Canvas().Handle()->EndPainting();
    int inside = 0;
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x)
            if (target.GetPixel(x, y) != TransparentKey) {
                ASSERT_TRUE(TRect({5, 7, 25, 57}).Contains({x, y})) << x << "," << y;
                ++inside;
            }
    EXPECT_GT(inside, 10);
}

// Only the visible part is drawn, and it is the same part of the whole picture.
TEST_F(WideTextTest, RotatedTextCutByTheClipIsPartOfTheWholePicture)
{
    for (bool clockwise : {true, false}) {
        target.Fill(TransparentKey);
        Canvas().SetWindowOrg(0, 0);
        const TRect rect{2, 3, 30, 100};
        DrawRotatedText(Canvas(), QStringLiteral("Wg Hi"), rect, clockwise, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        Canvas().Handle()->EndPainting();
        TteBitmap whole;
        whole.Assign(target);

        target.Fill(TransparentKey);
        Canvas().SetWindowOrg(-1, 2);
        Canvas().IntersectClipRect({5, 30, 20, 60});  // logical; device (6, 28)-(21, 58)
        DrawRotatedText(Canvas(), QStringLiteral("Wg Hi"), {1, 5, 29, 102}, clockwise,
                        DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        Canvas().Handle()->EndPainting();
        Canvas().Handle()->RemoveClip();
        int ink = 0;
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x) {
                const bool shown = TRect{6, 28, 21, 58}.Contains({x, y});
                ASSERT_EQ(target.GetPixel(x, y), shown ? whole.GetPixel(x, y) : TransparentKey)
                    << clockwise << " " << x << "," << y;
                ink += shown && whole.GetPixel(x, y) != TransparentKey;
            }
        EXPECT_GT(ink, 10);
    }
    // A rectangle far larger than any store: only what shows is made.
    EXPECT_NO_THROW(DrawRotatedText(Canvas(), QStringLiteral("Wg"), {-1000000000, -1000000000, 1000000000, 1000000000},
                                    true, DT_SINGLELINE));
}

TEST_F(WideTextTest, HorizontalTextOnATransparentBackground)
{
    Canvas().Brush()->SetColor(clRed);  // a solid brush would make the background opaque
    TRect rect{0, 0, 40, 30};
    EXPECT_EQ(DrawWideText(Canvas(), QStringLiteral("A"), rect, DT_SINGLELINE), Canvas().TextHeight("A"));
    Canvas().Handle()->EndPainting();
    EXPECT_EQ(target.GetPixel(39, 0), TransparentKey);
    EXPECT_EQ(target.GetPixel(0, 29), TransparentKey);
}

TEST_F(WideTextTest, WidthsAndHeights)
{
    const QString text = QStringLiteral("Trackwell");
    EXPECT_EQ(WideTextWidth(Canvas(), text), Canvas().TextWidth(text));
    EXPECT_EQ(WideTextWidth(Canvas(), text, DT_SINGLELINE), Canvas().TextWidth(text));
    // Word breaks in an empty rectangle put each word on its own line: the widest word counts.
    EXPECT_EQ(WideTextWidth(Canvas(), QStringLiteral("ab Trackwell"), DT_WORDBREAK), Canvas().TextWidth(text));
    EXPECT_EQ(WideTextHeight(Canvas(), text), Canvas().TextHeight(text));
}

TEST_F(WideTextTest, EllipsisKeepsWhatFitsBeforeTheDots)
{
    const QString text = QStringLiteral("Track01.mp3");
    const int full = Canvas().TextWidth(text);
    EXPECT_EQ(EllipsisText(Canvas(), text, full), text);
    const QString cut = EllipsisText(Canvas(), text, full - 1);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("..."))) << cut.toStdString();
    EXPECT_TRUE(text.startsWith(cut.chopped(3)));
    EXPECT_LE(Canvas().TextWidth(cut), full - 1);
    EXPECT_GT(Canvas().TextWidth(text.left(cut.size() - 3 + 1) + "..."), full - 1);  // one more would not fit
    EXPECT_EQ(EllipsisText(Canvas(), text, 1), QStringLiteral("..."));
    EXPECT_EQ(EllipsisText(Canvas(), QString(), 0), QString());
}

}  // namespace
