// Pixel rules of the canvas's lines, shapes, fills and raster operations.
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "tests/framework/PixelMask.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
const QList<QPair<QRgb, QChar>> kLegend{{kBlack, u'K'}, {kRed, u'R'}, {kBlue, u'B'}};

class CanvasShapes : public testing::Test {
protected:
    QStringList Drawn() { return Mask(image, kWhite, kLegend); }

    QImage image = FilledImage(8, 6);
    TCanvas canvas{&image};
};

TEST_F(CanvasShapes, RectangleOutlinesInsideAndFillsTheInterior)
{
    canvas.Brush()->SetColor(clRed);
    canvas.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Drawn(), QStringList({"........",
                                    ".KKKKK..",
                                    ".KRRRK..",
                                    ".KRRRK..",
                                    ".KKKKK..",
                                    "........"}));
}

TEST_F(CanvasShapes, RectangleWithClearPenFillsOnePixelLessRightAndBottom)
{
    canvas.Pen()->SetStyle(TPenStyle::psClear);
    canvas.Brush()->SetColor(clRed);
    canvas.Rectangle(6, 5, 1, 1);  // corners in either order
    EXPECT_EQ(Drawn(), QStringList({"........",
                                    ".RRRR...",
                                    ".RRRR...",
                                    ".RRRR...",
                                    "........",
                                    "........"}));
}

TEST_F(CanvasShapes, WidePenInsideFrameStaysInsideTheRectangle)
{
    canvas.Pen()->SetWidth(2);
    canvas.Pen()->SetStyle(TPenStyle::psInsideFrame);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(0, 0, 7, 6);
    EXPECT_EQ(Drawn(), QStringList({"KKKKKKK.",
                                    "KKKKKKK.",
                                    "KK...KK.",
                                    "KK...KK.",
                                    "KKKKKKK.",
                                    "KKKKKKK."}));
}

TEST_F(CanvasShapes, FillRectAndFrameRectUseTheBrushRightAndBottomExclusive)
{
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(1, 1, 4, 3));
    canvas.Brush()->SetColor(clBlue);
    canvas.FrameRect(Rect(4, 1, 8, 6));
    canvas.FrameRect(Rect(0, 5, 0, 6));  // empty: nothing
    EXPECT_EQ(Drawn(), QStringList({"........",
                                    ".RRRBBBB",
                                    ".RRRB..B",
                                    "....B..B",
                                    "....B..B",
                                    "....BBBB"}));
}

TEST_F(CanvasShapes, FillRectIgnoresThePenModeAndAClearBrush)
{
    canvas.Pen()->SetMode(TPenMode::pmXor);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 2, 1));
    canvas.FillRect(Rect(0, 0, 2, 1));
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.FillRect(Rect(0, 2, 8, 6));
    EXPECT_EQ(Drawn()[0], "RR......");
    EXPECT_EQ(InkBounds(image), Rect(0, 0, 2, 1));
}

TEST_F(CanvasShapes, LineToLeavesOutTheEndPointAndMovesThePen)
{
    canvas.MoveTo(1, 0);
    canvas.LineTo(5, 0);
    EXPECT_EQ(canvas.PenPos(), Point(5, 0));
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 5);
    canvas.MoveTo(7, 5);
    canvas.LineTo(7, 2);
    canvas.LineTo(7, 2);  // zero length: nothing
    EXPECT_EQ(Drawn(), QStringList({".KKKK...",
                                    "K.......",
                                    ".K......",
                                    "..K....K",
                                    "...K...K",
                                    ".......K"}));
}

TEST_F(CanvasShapes, PolylineDrawsEverySegmentButTheLastPoint)
{
    canvas.MoveTo(6, 5);
    canvas.Polyline({Point(0, 0), Point(3, 0), Point(3, 3), Point(0, 3)});
    EXPECT_EQ(canvas.PenPos(), Point(6, 5));
    EXPECT_EQ(Drawn(), QStringList({"KKKK....",
                                    "...K....",
                                    "...K....",
                                    ".KKK....",
                                    "........",
                                    "........"}));
}

TEST_F(CanvasShapes, StyledPenGapsTakeTheBackgroundOnlyWhenOpaque)
{
    QImage wide = FilledImage(14, 2);
    TCanvas c(&wide);
    c.Pen()->SetStyle(TPenStyle::psDot);
    c.Brush()->SetColor(clRed);  // a solid brush makes the background opaque in its colour
    c.MoveTo(0, 0);
    c.LineTo(14, 0);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.MoveTo(0, 1);
    c.LineTo(14, 1);
    EXPECT_EQ(Mask(wide, kWhite, kLegend), QStringList({"KKKRRRKKKRRRKK", "KKK...KKK...KK"}));
}

TEST_F(CanvasShapes, WidePenLinesAreSolidAndCentred)
{
    canvas.Pen()->SetWidth(3);
    canvas.Pen()->SetStyle(TPenStyle::psDash);
    canvas.MoveTo(2, 2);
    canvas.LineTo(5, 2);
    const QStringList drawn = Drawn();
    for (int y = 1; y <= 3; ++y)
        EXPECT_EQ(drawn[y].mid(2, 4), "KKKK") << y;
    EXPECT_EQ(drawn[0], "........");
    EXPECT_EQ(drawn[4], "........");
}

TEST_F(CanvasShapes, EllipseStaysInsideItsRectangleAndIsSymmetric)
{
    QImage big = FilledImage(20, 20);
    TCanvas c(&big);
    c.Brush()->SetColor(clRed);
    c.Ellipse(Rect(2, 3, 17, 14));
    EXPECT_EQ(InkBounds(big), Rect(2, 3, 17, 14));
    const QStringList drawn = Mask(big, kWhite, kLegend);
    for (int y = 3; y < 14; ++y) {
        QString mirrored = drawn[y];
        std::reverse(mirrored.begin(), mirrored.end());
        EXPECT_EQ(drawn[y].mid(2, 15), mirrored.mid(3, 15)) << y;
    }
    EXPECT_EQ(drawn[8].mid(2, 15), "KRRRRRRRRRRRRRK");
    EXPECT_EQ(big.pixel(2, 3), kWhite);  // corners untouched
    c.Pen()->SetStyle(TPenStyle::psClear);
    big.fill(kWhite);
    c.Ellipse(Rect(2, 3, 17, 14));
    EXPECT_EQ(InkBounds(big), Rect(2, 3, 16, 13));
}

TEST_F(CanvasShapes, RoundRectKeepsItsCornersAndEdges)
{
    QImage big = FilledImage(12, 10);
    TCanvas c(&big);
    c.Brush()->SetColor(clRed);
    c.RoundRect(Rect(0, 0, 12, 10), 6, 6);
    const QStringList drawn = Mask(big, kWhite, kLegend);
    EXPECT_EQ(InkBounds(big), Rect(0, 0, 12, 10));
    EXPECT_EQ(drawn[0][0], u'.');
    EXPECT_EQ(drawn[9][11], u'.');
    EXPECT_EQ(drawn[0].mid(4, 4), "KKKK");
    EXPECT_EQ(drawn[5], "KRRRRRRRRRRK");
}

TEST_F(CanvasShapes, PolygonOutlinesAndFillsEachPixelOnce)
{
    canvas.Brush()->SetColor(clRed);
    canvas.Polygon({Point(1, 0), Point(6, 0), Point(6, 5), Point(1, 5)});
    EXPECT_EQ(Drawn(), QStringList({".KKKKKK.",
                                    ".KRRRRK.",
                                    ".KRRRRK.",
                                    ".KRRRRK.",
                                    ".KRRRRK.",
                                    ".KKKKKK."}));
    // Without a pen the polygon's right and bottom edges stay outside.
    image.fill(kWhite);
    canvas.Pen()->SetStyle(TPenStyle::psClear);
    canvas.Polygon({Point(1, 0), Point(6, 0), Point(1, 5)});
    EXPECT_EQ(Drawn(), QStringList({".RRRRR..",
                                    ".RRRR...",
                                    ".RRR....",
                                    ".RR.....",
                                    ".R......",
                                    "........"}));
}

TEST_F(CanvasShapes, RasterOperationsTwiceRestoreThePicture)
{
    // Alphas of every kind: raster operations combine the colour bits and keep the alpha byte.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 30, y * 40, 200 - x * 10, (x + y) % 3 == 0 ? 255 : x * 20));
    image.setPixel(3, 2, 0x007F007F);
    const QImage before = image.copy();
    canvas.Pen()->SetMode(TPenMode::pmXor);
    canvas.Pen()->SetColor(RGB(0x12, 0x34, 0x56));
    canvas.Brush()->SetColor(RGB(0xF0, 0x0F, 0x55));
    const auto drawAll = [&] {
        canvas.MoveTo(0, 0);
        canvas.LineTo(7, 5);
        canvas.Rectangle(1, 1, 7, 5);
        canvas.Polygon({Point(0, 5), Point(4, 1), Point(7, 5)});
        canvas.Ellipse(0, 0, 8, 6);
        canvas.DrawFocusRect(Rect(0, 0, 8, 6));
    };
    drawAll();
    EXPECT_NE(image, before);
    drawAll();
    EXPECT_EQ(image, before);

    canvas.Pen()->SetMode(TPenMode::pmNot);
    canvas.MoveTo(0, 2);
    canvas.LineTo(8, 2);
    EXPECT_EQ(image.pixel(3, 2), 0x0080FF80u);
    canvas.MoveTo(0, 2);
    canvas.LineTo(8, 2);
    EXPECT_EQ(image, before);
}

TEST_F(CanvasShapes, FocusRectInvertsEveryOtherEdgePixel)
{
    canvas.DrawFocusRect(Rect(1, 1, 6, 5));
    EXPECT_EQ(Drawn(), QStringList({"........",
                                    ".K.K.K..",
                                    "........",
                                    ".K...K..",
                                    "..K.K...",
                                    "........"}));
}

TEST_F(CanvasShapes, PatternBrushIsAlignedToTheDevice)
{
    // Checker as FillChecker builds it: colour 2 where x and y are both odd or both even.
    for (int y = 0; y < TBrush::kPatternSize; ++y)
        for (int x = 0; x < TBrush::kPatternSize; ++x)
            canvas.Brush()->SetPatternPixel(x, y, (x + y) % 2 == 0 ? clBlue : clRed);
    canvas.FillRect(Rect(1, 0, 4, 2));
    canvas.MoveWindowOrg(1, 3);  // a moved origin does not move the pattern
    canvas.FillRect(Rect(2, 0, 7, 2));
    EXPECT_EQ(Drawn(), QStringList({".RBR....",
                                    ".BRB....",
                                    "........",
                                    "...BRBRB",
                                    "...RBRBR",
                                    "........"}));
}

TEST_F(CanvasShapes, PixelsReadAndWriteFrameworkColours)
{
    canvas.SetPixel(2, 3, RGB(1, 2, 3));
    canvas.SetPixel(3, 3, clNone);
    canvas.SetPixel(-1, 3, clRed);
    EXPECT_EQ(canvas.Pixel(2, 3), RGB(1, 2, 3));
    EXPECT_EQ(image.pixel(2, 3), qRgb(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(3, 3), clWhite);
    EXPECT_EQ(canvas.Pixel(8, 0), CLR_INVALID);
    canvas.ExcludeClipRect(Rect(2, 3, 3, 4));
    EXPECT_EQ(canvas.Pixel(2, 3), CLR_INVALID);
}

TEST_F(CanvasShapes, NoColourDrawsNothing)
{
    canvas.Pen()->SetColor(clNone);
    canvas.Brush()->SetColor(clNone);
    canvas.Rectangle(0, 0, 8, 6);
    canvas.FillRect(Rect(0, 0, 8, 6));
    canvas.LineTo(7, 5);
    EXPECT_EQ(InkBounds(image), TRect{});
}

TEST_F(CanvasShapes, SystemColoursAreResolved)
{
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(canvas.Pixel(0, 0), ColorToRGB(clBtnFace));
}

}  // namespace
