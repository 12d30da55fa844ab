// The bitmap's pixel store, its pixel operations and copying.
#include <gtest/gtest.h>

#include <QPainter>
#include <climits>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapPainter.h"
#include "graphics/BitmapRegistry.h"
#include "tests/graphics/TestBitmaps.h"

namespace {

TEST(BitmapTest, SetSizeTakesMagnitudesAndKeepsOrReplacesPixels)
{
    TteBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0u);
    bitmap.SetSize(-20, -10);
    ASSERT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 20);
    EXPECT_EQ(bitmap.Height(), 10);
    bitmap.SetPixel(3, 4, 0x11223344u);
    bitmap.SetSize(0, 5);
    bitmap.SetSize(7, 0);
    bitmap.SetSize(20, 10);
    EXPECT_EQ(bitmap.Width(), 20);
    EXPECT_EQ(bitmap.GetPixel(3, 4), 0x11223344u) << "the same size keeps the pixels";
    bitmap.SetSize(21, 10);
    EXPECT_EQ(Pixels(bitmap), std::vector<TteColor>(210, 0u)) << "a new size starts all zero";
}

TEST(BitmapTest, RefusesHugeSizesAndStaysEmpty)
{
    TteBitmap bitmap;
    bitmap.SetSize(4, 4);
    const QPaintDevice* surface = bitmap.Paint()->device();
    for (auto [w, h] : {std::pair{1 << 16, 1 << 16}, std::pair{INT_MIN, 2}, std::pair{INT_MAX, INT_MAX}}) {
        try {
            bitmap.SetSize(w, h);
            ADD_FAILURE() << w << " x " << h << " was accepted";
        } catch (const EBitmapError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Can't allocate the DIB handle"));
        }
        EXPECT_TRUE(bitmap.Empty());
        EXPECT_EQ(bitmap.Width(), 0);
        EXPECT_EQ(FindBitmapBySurface(surface), nullptr);
    }
}

TEST(BitmapTest, PixelAccessIgnoresOutsideCoordinates)
{
    TteBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Fill(0x01020304u);
    for (auto [x, y] : {std::pair{3, 0}, std::pair{0, 2}, std::pair{-1, 0}, std::pair{0, -1}}) {
        EXPECT_EQ(bitmap.GetPixel(x, y), 0u);
        bitmap.SetPixel(x, y, 0xFFFFFFFFu);
    }
    EXPECT_EQ(Pixels(bitmap), std::vector<TteColor>(6, 0x01020304u));
    *bitmap.PixelPtr(2, 1) = 7;
    EXPECT_EQ(bitmap.ScanLine(1)[2], 7u);
}

TEST(BitmapTest, PainterDrawsOnTheSameMemoryWhichMapsBackToTheBitmap)
{
    TteBitmap bitmap;
    EXPECT_THROW(bitmap.Paint(), EBitmapError) << "an Empty bitmap has nothing to paint on";
    bitmap.SetSize(4, 3);
    {
        auto painter = bitmap.Paint();
        EXPECT_EQ(FindBitmapBySurface(painter->device()), &bitmap);
        EXPECT_TRUE(bitmap.IsSurface(painter->device()));
        painter->fillRect(QRect(1, 1, 2, 1), QColor(0x10, 0x20, 0x30, 0x40));
        EXPECT_THROW(bitmap.Paint(), EBitmapError) << "one painter at a time";
    }
    EXPECT_EQ(bitmap.GetPixel(1, 1), 0x40102030u) << "painting lands in the pixels, straight alpha";
    EXPECT_EQ(bitmap.GetPixel(0, 1), 0u);
    bitmap.SetSize(5, 5);
    {
        auto painter = bitmap.Paint();
        EXPECT_EQ(FindBitmapBySurface(painter->device()), &bitmap);
        EXPECT_THROW(bitmap.SetSize(6, 6), EBitmapError) << "the painter would draw into freed memory";
        bitmap.SetSize(5, 5);
        painter->fillRect(QRect(0, 0, 1, 1), QColor(0x01, 0x02, 0x03));
    }
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF010203u) << "a painter after a resize draws into the new store";
    // Painting ends the canvas's painter first; the canvas begins again on its next drawing.
    bitmap.Canvas().FillRect({0, 0, 1, 1});
    {
        auto painter = bitmap.Paint();
        painter->fillRect(QRect(4, 4, 1, 1), QColor(0x04, 0x05, 0x06));
    }
    bitmap.Canvas().FillRect({1, 0, 2, 1});
    EXPECT_EQ(bitmap.GetPixel(4, 4), 0xFF040506u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFFFFFFFFu);
    QImage other(2, 2, QImage::Format_ARGB32);
    EXPECT_EQ(FindBitmapBySurface(&other), nullptr);
}

TEST(BitmapTest, FillRectClipsAndBlendsWhenAlphaBlended)
{
    TteBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Fill(0xFF000000u);
    bitmap.FillRect({-5, 1, 2, 9}, 0x80FFFFFFu);
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{0xFF000000u, 0xFF000000u, 0xFF000000u, 0x80FFFFFFu,
                                                     0x80FFFFFFu, 0xFF000000u}));
    bitmap.Fill(0xFF000000u);
    bitmap.SetAlphaBlend(true);
    bitmap.FillRect({1, 0, 3, 1}, 0x80FFFFFFu);
    bitmap.FillRect({0, 1, 3, 2}, 0x00FFFFFFu);
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{0xFF000000u, 0xBF7F7F7Fu, 0xBF7F7F7Fu, 0xFF000000u,
                                                     0xFF000000u, 0xFF000000u}));
    bitmap.FillRect({2, 0, 2, 5}, 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.GetPixel(2, 0), 0xBF7F7F7Fu) << "an empty rectangle fills nothing";
}

TEST(BitmapTest, SetsAlphaOnlyInsideTheClippedRectangle)
{
    TteBitmap bitmap;
    bitmap.SetSize(3, 1);
    bitmap.Fill(0x12345678u);
    bitmap.SetAlphaRect(0xAB, {2, 0, 10, 10});
    bitmap.SetAlphaRect(0xCD, {0, 0, 0, 1});
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{0x12345678u, 0x12345678u, 0xAB345678u}));
    bitmap.SetAlpha(0);
    EXPECT_EQ(Pixels(bitmap), std::vector<TteColor>(3, 0x00345678u));
}

TEST(BitmapTest, DetectsAlphaOnlyBetweenTheExtremes)
{
    TteBitmap bitmap;
    Make(bitmap, {{0x00FFFFFFu, 0xFF000000u}});
    bitmap.SetAlphaBlend(true);
    bitmap.DetectAlpha();
    EXPECT_FALSE(bitmap.AlphaBlend());
    bitmap.SetPixel(1, 0, 0xFE000000u);
    bitmap.DetectAlpha();
    EXPECT_TRUE(bitmap.AlphaBlend());
}

TEST(BitmapTest, TurnsNearColoursIntoKeyPixels)
{
    TteBitmap bitmap;
    Make(bitmap, {{0xFFFA05FAu, 0xFFF900FFu, 0x00FF00FFu}});
    bitmap.SetTransparentColor(0x00FF00FFu);
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{TransparentKey, 0xFFF900FFu, TransparentKey}));
    EXPECT_TRUE(bitmap.Transparent());
    bitmap.SetTransparentColor(0x00000000u);
    EXPECT_FALSE(bitmap.Transparent()) << "nothing replaced";
}

TEST(BitmapTest, ShiftsHueAndBrightnessOfVisiblePixelsOnly)
{
    TteBitmap bitmap;
    Make(bitmap, {{0x80FF0000u, 0x00FF0000u, TransparentKey, 0xFF102030u}});
    bitmap.ChangeHue(0);
    bitmap.ChangeHue(85);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0x8000FF00u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0x00FF0000u);
    EXPECT_EQ(bitmap.GetPixel(2, 0), TransparentKey);
    bitmap.ChangeBrightness(-32);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0x8000DF00u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0x00FF0000u);
    EXPECT_EQ(bitmap.GetPixel(2, 0), TransparentKey);
}

TEST(BitmapTest, FlipsRows)
{
    TteBitmap bitmap;
    Make(bitmap, {{1, 2}, {3, 4}, {5, 6}});
    bitmap.FlipVertical();
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{5, 6, 3, 4, 1, 2}));
}

TEST(BitmapTest, AssignCopiesPixelsNameAndFlags)
{
    TteBitmap source;
    Make(source, {{1, 2, 3}});
    source.SetName(QStringLiteral("Button"));
    source.SetTransparent(true);
    source.SetAlphaBlend(true);
    TteBitmap copy;
    copy.Assign(&source);
    EXPECT_EQ(Pixels(copy), Pixels(source));
    EXPECT_NE(copy.Bits(), source.Bits());
    EXPECT_EQ(copy.Name(), QStringLiteral("Button"));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_TRUE(copy.AlphaBlend());

    TteBitmap empty;
    copy.Assign(empty);
    EXPECT_TRUE(copy.Empty()) << "an empty source leaves no stale pixels";
    EXPECT_EQ(copy.Name(), QString());

    TPersistent other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(BitmapTest, AssignFromImagesKeepsAlphaOnlyFromAlphaImages)
{
    QImage withAlpha(2, 1, QImage::Format_ARGB32);
    withAlpha.setPixel(0, 0, 0x80102030u);
    withAlpha.setPixel(1, 0, 0xFF405060u);
    TteBitmap bitmap;
    bitmap.Assign(withAlpha);
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{0x80102030u, 0xFF405060u}));
    EXPECT_TRUE(bitmap.AlphaBlend());

    QImage opaque(2, 1, QImage::Format_RGB888);
    opaque.fill(QColor(1, 2, 3));
    bitmap.Assign(opaque);
    EXPECT_EQ(Pixels(bitmap), (std::vector<TteColor>{0xFF010203u, 0xFF010203u}));
    EXPECT_EQ(bitmap.ToImage().pixel(1, 0), 0xFF010203u);
}

}  // namespace
