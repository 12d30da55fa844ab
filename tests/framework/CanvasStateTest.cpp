// The device-context state a canvas draws through: binding, clipping, saved states, window origin,
// background mode, and copying pictures in and out.
#include <QWidget>
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "tests/framework/PixelMask.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
const QList<QPair<QRgb, QChar>> kLegend{{kRed, u'R'}, {kBlue, u'B'}};

class CanvasState : public testing::Test {
protected:
    QStringList Drawn() { return Mask(image, kWhite, kLegend); }
    void Fill(TColor color, const TRect& rect)
    {
        canvas.Brush()->SetColor(color);
        canvas.FillRect(rect);
    }

    QImage image = FilledImage(8, 4);
    TCanvas canvas{&image};
};

TEST_F(CanvasState, UnboundCanvasRefusesToDraw)
{
    TCanvas unbound;
    EXPECT_FALSE(unbound.HandleAllocated());
    EXPECT_EQ(unbound.Image(), nullptr);
    try {
        unbound.FillRect(Rect(0, 0, 1, 1));
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "Canvas does not allow drawing");
    }
    EXPECT_THROW(unbound.TextExtent("x"), EInvalidGraphicOperation);
}

TEST_F(CanvasState, CanvasesShareTheStateOfTheContextTheyAreBoundTo)
{
    EXPECT_EQ(canvas.Image(), &image);
    TDeviceContext* own = canvas.Handle();
    own->SetWindowOrg({-2, 0});
    own->IntersectClipRect(Rect(0, 0, 4, 4));

    TCanvas other;
    other.SetHandle(own);
    other.Brush()->SetColor(clRed);
    other.FillRect(Rect(0, 0, 8, 1));  // moved right by 2, cut at the clip (device 2 to 6)

    QImage second = FilledImage(8, 4);
    TDeviceContext buffer(&second);
    canvas.SetHandle(&buffer);
    Fill(clBlue, Rect(0, 0, 8, 1));
    canvas.SetHandle(own);
    Fill(clBlue, Rect(0, 1, 8, 2));

    EXPECT_EQ(Drawn(), QStringList({"..RRRR..", "..BBBB..", "........", "........"}));
    EXPECT_EQ(Mask(second, kWhite, kLegend)[0], "BBBBBBBB");
}

TEST_F(CanvasState, ClipsNestWithSaveAndRestore)
{
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 8, 4));
    EXPECT_EQ(canvas.SaveDC(), 1);
    canvas.IntersectClipRect(Rect(1, 0, 7, 4));
    EXPECT_EQ(canvas.SaveDC(), 2);
    canvas.ExcludeClipRect(Rect(3, 0, 5, 4));
    EXPECT_EQ(canvas.ClipRect(), Rect(1, 0, 7, 4));
    Fill(clRed, Rect(0, 0, 8, 1));
    ASSERT_TRUE(canvas.RestoreDC(-1));
    Fill(clRed, Rect(0, 1, 8, 2));
    EXPECT_EQ(canvas.SaveDC(), 2);
    canvas.IntersectClipRect(Rect(0, 0, 2, 4));
    ASSERT_TRUE(canvas.RestoreDC(1));  // drops the later state too
    Fill(clRed, Rect(0, 2, 8, 3));
    EXPECT_FALSE(canvas.RestoreDC(1));
    EXPECT_FALSE(canvas.RestoreDC(-1));
    EXPECT_FALSE(canvas.RestoreDC(0));
    EXPECT_EQ(Drawn(), QStringList({".RR..RR.", ".RRRRRR.", "RRRRRRRR", "........"}));
}

TEST_F(CanvasState, ClipRegionStaysOnTheDeviceWhenTheOriginMoves)
{
    canvas.IntersectClipRect(Rect(0, 0, 3, 4));
    canvas.SetWindowOrg(-2, -1);  // logical (0, 0) is drawn at device (2, 1)
    EXPECT_EQ(canvas.WindowOrg(), Point(-2, -1));
    EXPECT_EQ(canvas.ClipRect(), Rect(-2, -1, 1, 3));
    Fill(clRed, Rect(0, 0, 3, 1));
    canvas.MoveWindowOrg(3, 1);
    EXPECT_EQ(canvas.WindowOrg(), Point(-5, -2));
    canvas.RestoreDC(-1);  // nothing saved: no change
    canvas.ExcludeClipRect(Rect(-5, -2, 0, 0));
    Fill(clBlue, Rect(-5, -2, 5, 5));
    EXPECT_EQ(Drawn(), QStringList({"........", "..R.....", "BBB.....", "BBB....."}));
}

TEST_F(CanvasState, SavedStateKeepsOriginPenPositionAndBackground)
{
    canvas.MoveTo(3, 3);
    canvas.SetBkMode(TBackgroundMode::bmTransparent);
    const int level = canvas.SaveDC();
    canvas.SetWindowOrg(4, 4);
    canvas.MoveTo(1, 1);
    canvas.SetBkMode(TBackgroundMode::bmOpaque);
    canvas.SetBkColor(clRed);
    canvas.RestoreDC(level);
    EXPECT_EQ(canvas.WindowOrg(), Point(0, 0));
    EXPECT_EQ(canvas.PenPos(), Point(3, 3));
    EXPECT_EQ(canvas.BkMode(), TBackgroundMode::bmTransparent);
    EXPECT_EQ(canvas.BkColor(), clWhite);
}

TEST_F(CanvasState, TheBrushSetsTheBackgroundWhenItChanges)
{
    EXPECT_EQ(canvas.BkMode(), TBackgroundMode::bmOpaque);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    EXPECT_EQ(canvas.BkMode(), TBackgroundMode::bmTransparent);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.SetBkMode(TBackgroundMode::bmTransparent);  // set after the brush: it stays
    canvas.TextOut(0, 0, "x");
    EXPECT_EQ(canvas.BkMode(), TBackgroundMode::bmTransparent);
    EXPECT_EQ(canvas.BkColor(), ColorToRGB(clBtnFace));
}

TEST_F(CanvasState, PicturesAreCopiedInAndOutWithTheOrigin)
{
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(kRed);
    picture.setPixel(1, 1, 0x80123456);  // alpha is copied, not blended
    canvas.SetWindowOrg(-1, 0);
    canvas.Draw(0, 1, picture);
    EXPECT_EQ(image.pixel(2, 2), 0x80123456u);
    EXPECT_EQ(Drawn(), QStringList({"........", ".RR.....", ".R#.....", "........"}));

    const QImage copied = canvas.CopyImage(Rect(-1, 0, 2, 2));
    EXPECT_EQ(Mask(copied, kWhite, kLegend), QStringList({"...", ".RR"}));
    EXPECT_EQ(canvas.CopyImage(Rect(6, 3, 8, 4)).pixel(1, 0), 0u);  // outside the device

    canvas.SetWindowOrg(0, 0);
    canvas.CopyRect(Rect(4, 0, 8, 4), canvas, Rect(1, 1, 3, 3));  // stretched 2×
    EXPECT_EQ(Drawn(), QStringList({"....RRRR", ".RR.RRRR", ".R#.RR##", "....RR##"}));
    canvas.StretchDraw(Rect(0, 3, 3, 4), picture);
    EXPECT_EQ(Drawn()[3].left(4), "RRR.");
}

TEST_F(CanvasState, DrawingWaitsForADeviceThatAnotherPainterHolds)
{
    QPainter holder(&image);
    QImage* device = canvas.Image();
    EXPECT_EQ(device, &image);
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidGraphicOperation);
    holder.end();
    Fill(clRed, Rect(0, 0, 1, 1));
    canvas.Handle()->EndPainting();
    EXPECT_FALSE(canvas.Handle()->Painting());
    EXPECT_EQ(image.pixel(0, 0), kRed);
}

TEST(PenBrush, AssignCopiesEveryPropertyAndTellsOfTheChange)
{
    TPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(3);
    pen.SetStyle(TPenStyle::psDot);
    pen.SetMode(TPenMode::pmXor);
    TPen copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&pen);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Style(), TPenStyle::psDot);
    EXPECT_EQ(copy.Mode(), TPenMode::pmXor);
    copy.SetWidth(3);
    EXPECT_EQ(changes, 1);  // no change, no event

    TBrush brush;
    brush.SetColor(clBlue);
    brush.SetStyle(TBrushStyle::bsClear);
    brush.SetPatternPixel(9, 1, clRed);  // wraps to (1, 1)
    TBrush brushCopy;
    brushCopy.Assign(&brush);
    EXPECT_EQ(brushCopy.Style(), TBrushStyle::bsClear);
    EXPECT_EQ(brushCopy.PatternPixel(1, 1), clRed);
    EXPECT_EQ(brushCopy.PatternPixel(0, 0), clBlue);
    brushCopy.ClearPattern();
    EXPECT_FALSE(brushCopy.HasPattern());
}

TEST(PenBrush, BadSourcesAreRefused)
{
    TPen pen;
    TBrush brush;
    try {
        pen.Assign(&brush);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TBrush to a TPen");
    }
    EXPECT_THROW(brush.SetPattern(QImage(4, 8, QImage::Format_RGB32)), EConvertError);
    EXPECT_FALSE(brush.HasPattern());
}

}  // namespace

namespace {

// A widget that paints through a context made for its paint event.
class PaintedWidget : public QWidget {
public:
    void paintEvent(QPaintEvent*) override
    {
        TDeviceContext dc(this);
        TCanvas canvas;
        canvas.SetHandle(&dc);
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(Rect(0, 0, width(), height()));
        canvas.ExcludeClipRect(Rect(0, 0, 2, 2));
        canvas.Brush()->SetColor(clBlue);
        canvas.FillRect(Rect(0, 0, 3, 3));
        sawImage = canvas.Image() != nullptr;
        readBack = canvas.Pixel(2, 2);
    }
    bool sawImage = true;
    TColor readBack = 0;
};

TEST(CanvasOnWidget, DrawsDuringThePaintEvent)
{
    PaintedWidget widget;
    widget.resize(4, 4);
    const QImage shot = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_FALSE(widget.sawImage);
    EXPECT_EQ(widget.readBack, CLR_INVALID);  // a widget's pixels cannot be read back
    EXPECT_EQ(Mask(shot, kRed, {{kBlue, u'B'}}), QStringList({"..B.", "..B.", "BBB.", "...."}));

    TDeviceContext outside(&widget);
    TCanvas canvas;
    canvas.SetHandle(&outside);
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidGraphicOperation);
}

TEST_F(CanvasState, ExclusionHoldsAfterTextNarrowedTheClip)
{
    // Text narrows the clip to its rectangle for one call; the next drawing lifts that again, and a
    // clip region set after it must still be honoured.
    TRect text = Rect(0, 0, 8, 1);
    canvas.DrawText(QStringLiteral("i"), text, DT_SINGLELINE | DT_NOPREFIX);
    Fill(clBlue, Rect(0, 1, 8, 2));
    const int saved = canvas.SaveDC();
    canvas.ExcludeClipRect(Rect(2, 2, 6, 4));
    Fill(clRed, Rect(0, 2, 8, 4));
    canvas.RestoreDC(saved);
    const QStringList drawn = Drawn();
    EXPECT_EQ(drawn[2], QStringLiteral("RR....RR"));
    EXPECT_EQ(drawn[3], QStringLiteral("RR....RR"));
}

}  // namespace
