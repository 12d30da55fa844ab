// A bitmap's own canvas, and bitmaps drawn onto canvases with their window origin and clip.
#include <gtest/gtest.h>

#include <QPainter>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapPainter.h"
#include "tests/graphics/TestBitmaps.h"

namespace {

constexpr TteColor A = 0xFF102030, B = 0xFF405060, C = 0x80A0B0C0, K = TransparentKey, Z = 0xFF000000;

TEST(BitmapCanvasTest, CanvasPaintsTheBitmapsOwnPixels)
{
    TteBitmap bitmap;
    bitmap.SetSize(4, 3);
    TCanvas& canvas = bitmap.Canvas();
    EXPECT_EQ(&canvas, &bitmap.Canvas());
    canvas.Brush()->SetColor(RGB(0x10, 0x20, 0x30));
    canvas.FillRect({1, 1, 3, 2});
    EXPECT_EQ(Row(bitmap, 1), (std::vector<TteColor>{0, A, A, 0}));
}

TEST(BitmapCanvasTest, ResizingAndEmptyingEndTheCanvasPainterWhichBeginsAgainOnTheNewStore)
{
    TteBitmap bitmap;
    bitmap.SetSize(2, 2);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({0, 0, 2, 2});
    ASSERT_TRUE(canvas.Handle()->Painting());

    bitmap.SetSize(3, 1);
    EXPECT_FALSE(canvas.Handle()->Painting());
    canvas.Brush()->SetColor(RGB(0x10, 0x20, 0x30));
    canvas.FillRect({0, 0, 3, 1});
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{A, A, A}));

    TteBitmap empty;
    bitmap.Assign(empty);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_THROW(canvas.FillRect({0, 0, 1, 1}), EInvalidGraphicOperation);
    bitmap.SetSize(1, 1);
    canvas.FillRect({0, 0, 1, 1});
    EXPECT_EQ(bitmap.GetPixel(0, 0), A);
}

TEST(BitmapCanvasTest, AnotherPainterStillBlocksResizing)
{
    TteBitmap bitmap;
    bitmap.SetSize(2, 2);
    auto painter = bitmap.Paint();
    EXPECT_THROW(bitmap.SetSize(3, 3), EBitmapError);
}

TEST(BitmapCanvasTest, DestroyingTheBitmapEndsAnOpenCanvasPainter)
{
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetSize(8, 8);
    bitmap->Canvas().FillRect({0, 0, 8, 8});
    ASSERT_TRUE(bitmap->Canvas().Handle()->Painting());
    bitmap.reset();  // under the sanitizers a painter left open would touch freed memory here
}

// Every drawing form through a canvas with a window origin lands where the same drawing goes
// straight into the bitmap at the moved position.
TEST(BitmapCanvasTest, DrawingThroughACanvasWithAnOriginEqualsDrawingStraightIn)
{
    TteBitmap source;
    Make(source, {{A, K, C}, {B, A, K}});
    for (bool transparent : {false, true}) {
        for (bool blend : {false, true}) {
            source.SetTransparent(transparent);
            source.SetAlphaBlend(blend);
            TteBitmap viaCanvas, straight;
            viaCanvas.SetSize(12, 9);
            straight.SetSize(12, 9);
            viaCanvas.Fill(Z);
            straight.Fill(Z);
            TCanvas& canvas = viaCanvas.Canvas();
            canvas.SetWindowOrg(3, -2);

            source.Draw(canvas, 4, 1);
            source.Draw(straight, 1, 3);
            source.Draw(canvas, TRect{8, 0, 14, 2}, TRect{0, 0, 3, 1});
            source.Draw(straight, TRect{5, 2, 11, 4}, TRect{0, 0, 3, 1});
            source.Tile(canvas, TRect{3, 4, 11, 7}, source.BoundsRect());
            {
                auto painter = straight.Paint();
                source.Tile(*painter, TRect{0, 6, 8, 9}, source.BoundsRect());
            }
            EXPECT_EQ(Pixels(viaCanvas), Pixels(straight)) << transparent << blend;
        }
    }
}

TEST(BitmapCanvasTest, DrawingThroughACanvasKeepsToItsClipRegion)
{
    TteBitmap source;
    source.SetSize(6, 1);
    source.Fill(A);
    TteBitmap target;
    target.SetSize(6, 2);
    TCanvas& canvas = target.Canvas();
    canvas.SetWindowOrg(1, 0);
    canvas.ExcludeClipRect({3, 0, 5, 2});  // device columns 2 and 3
    source.Draw(canvas, TRect{1, 0, 7, 1}, source.BoundsRect());
    source.TileClipped(canvas, TRect{1, 1, 7, 2}, TRect{0, 0, 2, 1}, TRect{});
    const std::vector<TteColor> row{A, A, 0, 0, A, A};
    EXPECT_EQ(Row(target, 0), row);
    EXPECT_EQ(Row(target, 1), row);
}

}  // namespace
