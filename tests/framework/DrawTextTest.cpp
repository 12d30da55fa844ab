// Text on the canvas: cells, DrawText alignment, measuring, accelerator prefixes, line breaking,
// tabs, ellipses and clipping. Glyph shapes are the font's; the tests hold rectangles and ink.
#include <QPainter>
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "tests/framework/PixelMask.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;

bool Inside(const TRect& inner, const TRect& outer)
{
    return !inner.IsEmpty() && inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

class DrawTextTest : public testing::Test {
protected:
    DrawTextTest()
    {
        canvas.Font()->SetName("MS Sans Serif");
        canvas.Font()->SetHeight(-11);
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        lineHeight = canvas.TextHeight("Wg");
    }

    TRect CalcRect(const QString& text, unsigned format, int width = 0)
    {
        TRect r{10, 5, 10 + width, 5};
        const int height = canvas.DrawText(text, r, format | DT_CALCRECT);
        EXPECT_EQ(height, r.Height());
        return r;
    }

    QImage image = FilledImage(120, 40);
    TCanvas canvas{&image};
    int lineHeight = 0;
};

TEST_F(DrawTextTest, TextOutFillsItsCellWhenOpaqueAndMovesThePen)
{
    const TSize extent = canvas.TextExtent("Hg");
    const QFontMetrics metrics(canvas.Font()->ToQFont());
    EXPECT_EQ(extent.cx, metrics.horizontalAdvance("Hg"));
    EXPECT_EQ(extent.cy, metrics.ascent() + metrics.descent());

    canvas.TextOut(3, 2, "Hg");
    EXPECT_EQ(canvas.PenPos(), Point(3 + extent.cx, 2));
    EXPECT_TRUE(Inside(InkBounds(image), Rect(3, 2, 3 + extent.cx, 2 + extent.cy)));

    image.fill(kWhite);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clRed);
    canvas.TextOut(3, 2, "Hg");
    EXPECT_EQ(InkBounds(image), Rect(3, 2, 3 + extent.cx, 2 + extent.cy));
    EXPECT_EQ(image.pixel(3, 2), kRed);
}

TEST_F(DrawTextTest, TextRectFillsTheRectangleAndKeepsTheTextInside)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clRed);
    canvas.TextRect(Rect(20, 10, 30, 14), 15, 8, "Wide text here");
    EXPECT_EQ(InkBounds(image), Rect(20, 10, 30, 14));
}

TEST_F(DrawTextTest, SingleLineAlignmentPlacesTheCell)
{
    const int w = canvas.TextWidth("Wg");
    const TRect box = Rect(10, 5, 110, 35);
    const struct {
        unsigned format;
        TRect cell;
        int answer;
    } cases[] = {
        {DT_LEFT | DT_TOP, Rect(10, 5, 10 + w, 5 + lineHeight), lineHeight},
        {DT_CENTER, Rect((120 - w) / 2, 5, (120 - w) / 2 + w, 5 + lineHeight), lineHeight},
        {DT_RIGHT, Rect(110 - w, 5, 110, 5 + lineHeight), lineHeight},
        {DT_VCENTER, Rect(10, 5 + (30 - lineHeight) / 2, 10 + w, 5 + (30 - lineHeight) / 2 + lineHeight),
         (30 - lineHeight) / 2 + lineHeight},
        {DT_BOTTOM | DT_RIGHT, Rect(110 - w, 35 - lineHeight, 110, 35), 30},
    };
    for (const auto& c : cases) {
        image.fill(kWhite);
        // Opaque, so that the painted cell shows exactly where the text went.
        canvas.SetBkMode(TBackgroundMode::bmOpaque);
        canvas.SetBkColor(clRed);
        TRect r = box;
        EXPECT_EQ(canvas.DrawText("Wg", r, c.format | DT_SINGLELINE), c.answer) << c.format;
        EXPECT_EQ(r, box);
        EXPECT_EQ(InkBounds(image), c.cell) << c.format;
    }
}

TEST_F(DrawTextTest, VerticalAlignmentNeedsSingleLine)
{
    TRect r = Rect(10, 5, 110, 35);
    EXPECT_EQ(canvas.DrawText("Wg", r, DT_BOTTOM), lineHeight);
    EXPECT_TRUE(Inside(InkBounds(image), Rect(10, 5, 110, 5 + lineHeight)));
}

TEST_F(DrawTextTest, CalcRectMeasuresAndDrawsNothing)
{
    EXPECT_EQ(CalcRect("Track 01", DT_SINGLELINE), Rect(10, 5, 10 + canvas.TextWidth("Track 01"), 5 + lineHeight));
    EXPECT_EQ(CalcRect("ab\r\ncdef", 0), Rect(10, 5, 10 + canvas.TextWidth("cdef"), 5 + 2 * lineHeight));
    EXPECT_EQ(CalcRect("ab\ncdef", DT_SINGLELINE), Rect(10, 5, 10 + canvas.TextWidth("abcdef"), 5 + lineHeight));
    EXPECT_EQ(CalcRect("", DT_SINGLELINE), Rect(10, 5, 10, 5 + lineHeight));
    EXPECT_EQ(InkBounds(image), TRect{});
}

TEST_F(DrawTextTest, PrefixesAreResolvedUnlessSwitchedOff)
{
    const struct {
        const char* text;
        unsigned format;
        const char* shown;
    } cases[] = {
        {"&File", 0, "File"},
        {"A&&B", 0, "A&B"},
        {"End&", 0, "End&"},
        {"&File", DT_NOPREFIX, "&File"},
        {"A&&B", DT_NOPREFIX, "A&&B"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcRect(c.text, c.format | DT_SINGLELINE).Width(), canvas.TextWidth(c.shown)) << c.text;
}

TEST_F(DrawTextTest, TheAcceleratorIsUnderlinedBelowTheBaseline)
{
    canvas.Font()->SetColor(clRed);
    const int ascent = QFontMetrics(canvas.Font()->ToQFont()).ascent();
    const int from = 10 + canvas.TextWidth("Fi");
    const int to = 10 + canvas.TextWidth("Fil");
    TRect r = Rect(10, 5, 110, 35);
    canvas.DrawText("Fi&le", r, DT_SINGLELINE);
    const int row = 5 + ascent + 1;
    for (int x = 0; x < image.width(); ++x)
        EXPECT_EQ(image.pixel(x, row), x >= from && x < to ? kRed : kWhite) << x;

    image.fill(kWhite);
    canvas.DrawText("Fi&le", r, DT_SINGLELINE | DT_NOPREFIX);
    for (int x = 0; x < image.width(); ++x)
        EXPECT_EQ(image.pixel(x, row), kWhite) << x;
}

TEST_F(DrawTextTest, WordBreakWrapsAtSpacesAndKeepsLongWordsWhole)
{
    const int twoWords = canvas.TextWidth("one two");
    EXPECT_EQ(CalcRect("one two three", DT_WORDBREAK, twoWords + 2),
              Rect(10, 5, 10 + std::max(twoWords, canvas.TextWidth("three")), 5 + 2 * lineHeight));
    EXPECT_EQ(CalcRect("one two three", DT_WORDBREAK | DT_SINGLELINE, twoWords).Height(), lineHeight);
    EXPECT_EQ(CalcRect("abcdefghijkl x", DT_WORDBREAK, 10),
              Rect(10, 5, 10 + canvas.TextWidth("abcdefghijkl"), 5 + 2 * lineHeight));
    EXPECT_EQ(CalcRect("one\ntwo three", DT_WORDBREAK, 1000).Height(), 2 * lineHeight);

    const TTextMeasure measure(canvas.Font()->ToQFont(), false);
    const QList<TTextLine> lines = LayoutText("one two  three", DT_WORDBREAK, twoWords + 2, measure);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].Text, "one two");
    EXPECT_EQ(lines[1].Text, "three");  // the spaces at the break are dropped
}

TEST_F(DrawTextTest, TabsStopEveryEightAverageCharacters)
{
    const int stop = 8 * QFontMetrics(canvas.Font()->ToQFont()).averageCharWidth();
    EXPECT_EQ(CalcRect("a\tb", DT_EXPANDTABS | DT_SINGLELINE).Width(), stop + canvas.TextWidth("b"));
    EXPECT_EQ(CalcRect("a\tb", DT_SINGLELINE).Width(), canvas.TextWidth("a b"));
}

TEST_F(DrawTextTest, TextIsClippedToItsRectangleUnlessNoClip)
{
    const TRect box = Rect(20, 10, 40, 16);
    TRect r = box;
    canvas.DrawText("Wide text, longer than the box", r, DT_CENTER | DT_WORDBREAK);
    EXPECT_TRUE(Inside(InkBounds(image), box));
    image.fill(kWhite);
    canvas.DrawText("Wide text, longer than the box", r, DT_NOCLIP | DT_SINGLELINE);
    EXPECT_GT(InkBounds(image).Right, box.Right);
}

TEST_F(DrawTextTest, EndEllipsisShortensLinesThatDoNotFit)
{
    const TTextMeasure measure(canvas.Font()->ToQFont(), false);
    const QList<TTextLine> lines = LayoutText("Beginning of a long line", DT_SINGLELINE | DT_END_ELLIPSIS, 50, measure);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].Text.endsWith("...")) << lines[0].Text.toStdString();
    EXPECT_LE(lines[0].Width, 50);
    EXPECT_EQ(LayoutText("Short", DT_END_ELLIPSIS, 50, measure)[0].Text, "Short");
}

TEST_F(DrawTextTest, RightToLeftReadingStaysInTheRectangle)
{
    const TRect box = Rect(10, 5, 110, 35);
    TRect r = box;
    canvas.DrawText(QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd abc"), r, DT_RIGHT | DT_RTLREADING | DT_SINGLELINE);
    const TRect ink = InkBounds(image);
    EXPECT_TRUE(Inside(ink, box));
    EXPECT_GT(ink.Right, 100);
}

TEST_F(DrawTextTest, AnOriginMovesTextLikeEverythingElse)
{
    canvas.SetWindowOrg(-50, 0);
    TRect r = Rect(0, 5, 40, 35);
    canvas.DrawText("Wg", r, DT_SINGLELINE);
    EXPECT_TRUE(Inside(InkBounds(image), Rect(50, 5, 90, 35)));
}

}  // namespace

// A line of text is laid out once and kept between paints; what it draws, plain or underlined, and
// drawn again from what was kept, is what Qt draws for the same run from its baseline.
TEST_F(DrawTextTest, KeptLinesDrawWhatTheRunDraws)
{
    for (const bool underlined : {false, true}) {
        canvas.Font()->SetStyle(underlined ? TFontStyles{TFontStyle::fsUnderline} : TFontStyles{});
        QImage expected = FilledImage(120, 40);
        {
            QPainter painter(&expected);
            const QFont font = canvas.Font()->ToQFont();
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(4, 6 + QFontMetrics(font).ascent()), QStringLiteral("www.example.org"));
        }
        for (int pass = 0; pass < 2; ++pass) {
            image.fill(kWhite);
            canvas.TextOut(4, 6, "www.example.org");
            EXPECT_EQ(image, expected) << "underlined " << underlined << ", pass " << pass;
        }
    }
}
