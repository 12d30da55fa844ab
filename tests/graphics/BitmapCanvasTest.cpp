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
    bitmap.reset();  // a painter left open would be ended on freed memory here: the run crashes
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

// A canvas whose painter scales by 2 (its own transform, or an image's device pixel ratio) gets the
// picture at the scaled place and size, each pixel doubled, whatever the device: the row kernels
// cannot scale, so such a device is drawn on through the painter.
TEST(BitmapCanvasTest, DrawingThroughAScaledCanvasLandsAtTheScaledPlaceAndSize)
{
    TteBitmap opaque, keyed;
    Make(opaque, {{A, B}, {B, A}});
    Make(keyed, {{A, K}, {K, B}});
    keyed.SetTransparent(true);
    enum class TDevice { dBitmapScaledPainter, dImageScaledPainter, dImageRatio2 };
    for (TDevice kind : {TDevice::dBitmapScaledPainter, TDevice::dImageScaledPainter, TDevice::dImageRatio2}) {
        for (const TteBitmap* source : {&opaque, &keyed}) {
            TteBitmap bitmap;
            bitmap.SetSize(12, 12);
            bitmap.Fill(Z);
            QImage image(12, 12, QImage::Format_ARGB32);
            image.fill(Z);
            std::unique_ptr<TCanvas> own;
            TCanvas* canvas = &bitmap.Canvas();
            if (kind != TDevice::dBitmapScaledPainter) {
                if (kind == TDevice::dImageRatio2)
                    image.setDevicePixelRatio(2);
                own = std::make_unique<TCanvas>(&image);
                canvas = own.get();
            }
            if (kind != TDevice::dImageRatio2)
                canvas->Handle()->Painter().scale(2, 2);
            source->Draw(*canvas, 1, 2);
            source->Draw(*canvas, TRect{3, 0, 5, 1}, TRect{0, 0, 2, 1});  // the top row stretched
            canvas->Handle()->EndPainting();
            const auto device = [&](int x, int y) {
                return kind == TDevice::dBitmapScaledPainter ? bitmap.GetPixel(x, y) : TteColor(image.pixel(x, y));
            };
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 12; ++x) {
                    const int lx = x / 2, ly = y / 2;
                    TteColor expected = Z;
                    if (lx >= 1 && lx < 3 && ly >= 2 && ly < 4)
                        expected = source->GetPixel(lx - 1, ly - 2);
                    else if (lx >= 3 && lx < 5 && ly == 0)
                        expected = source->GetPixel(lx - 3, 0);
                    if (IsKeyPixel(expected))
                        expected = Z;
                    ASSERT_EQ(device(x, y), expected) << static_cast<int>(kind) << " keyed " << (source == &keyed)
                                                      << " at " << x << "," << y;
                }
        }
    }
}

}  // namespace
