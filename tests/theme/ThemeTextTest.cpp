// The shared text renderer: where each alignment puts the text, right-to-left mirroring, and
// quarter-turned text, checked on the ink it leaves.
#include <QImage>
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "framework/TextLayout.h"
#include "theme/Theme.h"

namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;

class ThemeText : public testing::Test {
protected:
    ThemeText() : image_(200, 200, QImage::Format_ARGB32), canvas_(&image_)
    {
        image_.fill(kPaper);
        canvas_.Font()->SetName(QStringLiteral("DejaVu Sans"));
        canvas_.Font()->SetSize(10);
        canvas_.Font()->SetColor(clBlack);
    }

    void Draw(TteTextAlignment alignment, std::uint8_t flags = kTextSingleLine,
              TteTextRotation rotation = TteTextRotation::ktrNone, const TRect& rect = kBox)
    {
        theme_.DrawText(canvas_, MakeTextInfo(rect, text_, alignment, flags, rotation));
        canvas_.Handle()->EndPainting();
    }

    // Bounds of every pixel the text changed; empty when nothing was drawn.
    TRect Ink() const
    {
        TRect ink{image_.width(), image_.height(), 0, 0};
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                if (image_.pixel(x, y) != kPaper) {
                    ink.Left = std::min(ink.Left, x);
                    ink.Top = std::min(ink.Top, y);
                    ink.Right = std::max(ink.Right, x + 1);
                    ink.Bottom = std::max(ink.Bottom, y + 1);
                }
        return ink;
    }

    // The text's own rectangle as the platform measures it, at (0, 0).
    TSize Measure()
    {
        TRect r{0, 0, kBox.Width(), kBox.Height()};
        canvas_.DrawText(text_, r, DT_SINGLELINE | DT_CALCRECT);
        return {r.Width(), r.Height()};
    }

    static constexpr TRect kBox{20, 30, 180, 170};
    QString text_ = QStringLiteral("Hg");
    QImage image_;
    TCanvas canvas_;
    TteBuiltTheme<TteTheme> theme_;
};

bool Inside(const TRect& inner, const TRect& outer)
{
    return !inner.IsEmpty() && inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

}  // namespace

TEST_F(ThemeText, EachAlignmentMovesTheMeasuredRectangle)
{
    const TSize size = Measure();
    const int freeX = kBox.Width() - size.cx;
    const int freeY = kBox.Height() - size.cy;
    struct Case {
        TteTextAlignment alignment;
        int dx;
        int dy;
    } cases[] = {
        {TteTextAlignment::ktaTopLeft, 0, 0},
        {TteTextAlignment::ktaMiddleLeft, 0, freeY / 2},
        {TteTextAlignment::ktaBottomLeft, 0, freeY},
        {TteTextAlignment::ktaTopCenter, freeX / 2, 0},
        {TteTextAlignment::ktaCenter, freeX / 2, freeY / 2},
        {TteTextAlignment::ktaBottomCenter, freeX / 2, freeY},
        {TteTextAlignment::ktaTopRight, freeX, 0},
        {TteTextAlignment::ktaMiddleRight, freeX, freeY / 2},
        {TteTextAlignment::ktaBottomRight, freeX, freeY},
    };
    for (const Case& c : cases) {
        image_.fill(kPaper);
        Draw(c.alignment);
        const TRect expected{kBox.Left + c.dx, kBox.Top + c.dy, kBox.Left + c.dx + size.cx,
                             kBox.Top + c.dy + size.cy};
        const TRect ink = Ink();
        EXPECT_TRUE(Inside(ink, expected)) << static_cast<int>(c.alignment);
        // Tight on the sides the text is pushed to: the ink reaches within a few pixels of them.
        EXPECT_LE(ink.Left - expected.Left, 3) << static_cast<int>(c.alignment);
        EXPECT_LE(expected.Bottom - ink.Bottom, 6) << static_cast<int>(c.alignment);
    }
}

TEST_F(ThemeText, RightToLeftReadingMirrorsTheLeftColumn)
{
    Draw(TteTextAlignment::ktaTopLeft, kTextSingleLine | kTextRtlReading);
    const QImage mirrored = image_.copy();
    image_.fill(kPaper);
    Draw(TteTextAlignment::ktaTopRight, kTextSingleLine | kTextRtlReading);
    EXPECT_EQ(mirrored, image_);
    EXPECT_GT(Ink().Left, kBox.Left + kBox.Width() / 2);
}

TEST_F(ThemeText, TurnedTextCentredOrAtTheTopLeftOnly)
{
    text_ = QStringLiteral("MMMM....");
    const TRect column{90, 10, 120, 190};
    Draw(TteTextAlignment::ktaCenter, kTextSingleLine, TteTextRotation::ktrClockwise, column);
    const TRect centred = Ink();
    ASSERT_TRUE(Inside(centred, column));
    EXPECT_GT(centred.Height(), centred.Width());
    EXPECT_NEAR((centred.Top + centred.Bottom) / 2, 100, 3);
    EXPECT_NEAR((centred.Left + centred.Right) / 2, 105, 4);

    // Measured across the turned rectangle: a text that fits its length stays on one line even
    // where it is far from the canvas origin.
    image_.fill(kPaper);
    text_ = QStringLiteral("MMMM MMMM");
    Draw(TteTextAlignment::ktaCenter, kTextWordBreak, TteTextRotation::ktrCounterClockwise, {150, 10, 190, 190});
    EXPECT_LT(Ink().Width(), 20);
    EXPECT_GT(Ink().Height(), 80);

    // The other alignments draw nothing.
    image_.fill(kPaper);
    Draw(TteTextAlignment::ktaMiddleLeft, kTextSingleLine, TteTextRotation::ktrClockwise, column);
    EXPECT_TRUE(Ink().IsEmpty());
}

TEST_F(ThemeText, ClockwiseReadsDownwardsAndCounterClockwiseUpwards)
{
    // Heavy letters first, light dots last: the ink's weight shows where the text starts.
    text_ = QStringLiteral("MMMM....");
    auto topHeavy = [&] {
        const TRect ink = Ink();
        const int middle = (ink.Top + ink.Bottom) / 2;
        int top = 0;
        int bottom = 0;
        for (int y = ink.Top; y < ink.Bottom; ++y)
            for (int x = ink.Left; x < ink.Right; ++x)
                if (image_.pixel(x, y) != kPaper)
                    (y < middle ? top : bottom)++;
        return top > bottom;
    };
    Draw(TteTextAlignment::ktaTopLeft, kTextSingleLine, TteTextRotation::ktrClockwise, {10, 10, 40, 190});
    EXPECT_LT(Ink().Top, 20);
    EXPECT_TRUE(topHeavy());
    image_.fill(kPaper);
    Draw(TteTextAlignment::ktaTopLeft, kTextSingleLine, TteTextRotation::ktrCounterClockwise, {10, 10, 40, 190});
    EXPECT_GT(Ink().Bottom, 180);
    EXPECT_FALSE(topHeavy());
}
