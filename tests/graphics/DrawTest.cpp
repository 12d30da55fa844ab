// Drawing bitmaps onto bitmaps and painter surfaces: stretch maps, modes, tiling, regions.
#include <gtest/gtest.h>

#include <QPainter>

#include "graphics/Bitmap.h"
#include "graphics/BitmapPainter.h"
#include "graphics/StretchMap.h"
#include "tests/graphics/TestBitmaps.h"
#include "tests/support/GoldenImage.h"

namespace {

TEST(StretchMapTest, SamplesNearestWithBothEndsAligned)
{
    struct Case {
        int source, dest;
        std::vector<int> expected;
    } cases[] = {
        {3, 5, {0, 0, 1, 1, 2}},
        {3, 2, {0, 2}},
        {3, 1, {1}},
        {4, 1, {1}},  // (0 + 4 - 1) div 2
        {5, 3, {0, 2, 4}},
        // 7 / 10 as a float is just below 0.7: 10 * ratio truncates to 6, column 7 is never reached.
        {8, 11, {0, 0, 1, 2, 2, 3, 4, 4, 5, 6, 6}},
    };
    for (const Case& c : cases) {
        const TStretchMap map(0, c.source, c.dest);
        std::vector<int> columns;
        for (int i = 0; i < c.dest; ++i)
            columns.push_back(map(i));
        EXPECT_EQ(columns, c.expected) << c.source << " to " << c.dest;
    }
    // A source span that does not start at 0.
    const TStretchMap map(10, 13, 5);
    EXPECT_EQ((std::vector<int>{map(2), map(3), map(4)}), (std::vector<int>{11, 11, 12}));
}

class DrawTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Three opaque columns A B C, one row.
        Make(abc, {{A, B, C}});
        target.SetSize(6, 2);
        target.Fill(Z);
    }
    static constexpr TteColor A = 0xFF0000AAu, B = 0xFF0000BBu, C = 0xFF0000CCu, Z = 0xFF000000u;
    TteBitmap abc;
    TteBitmap target;
};

TEST_F(DrawTest, StretchesIntoTheVisiblePartOnly)
{
    abc.Draw(target, {0, 0, 5, 1}, {0, 0, 3, 1});
    EXPECT_EQ(Row(target, 0), (std::vector<TteColor>{A, A, B, B, C, Z}));
    target.Fill(Z);
    abc.Draw(target, {-3, 1, 2, 2}, {0, 0, 3, 1});  // the map starts at column 3 of five
    EXPECT_EQ(Row(target, 1), (std::vector<TteColor>{B, C, Z, Z, Z, Z}));
    target.Fill(Z);
    abc.Draw(target, {4, 0, 5, 2}, {0, 0, 3, 1});  // one column wide, two rows from one
    EXPECT_EQ(Row(target, 0), (std::vector<TteColor>{Z, Z, Z, Z, B, Z}));
    EXPECT_EQ(Row(target, 1), (std::vector<TteColor>{Z, Z, Z, Z, B, Z}));
}

TEST_F(DrawTest, DrawsNothingForBadRectangles)
{
    TteBitmap square;
    square.SetSize(10, 10);
    square.Fill(A);
    TteBitmap big;
    big.SetSize(12, 12);
    big.Fill(Z);
    square.Draw(big, {0, 0, 11, 10}, {0, 0, 11, 10});  // source rectangle leaves the source
    square.Draw(big, {0, 0, 5, 5}, {3, 3, 3, 8});      // empty source rectangle
    square.Draw(big, {20, 0, 30, 10}, {0, 0, 10, 10}); // outside the target
    square.Draw(big, {5, 5, 2, 9}, {0, 0, 10, 10});    // inverted target rectangle
    EXPECT_EQ(Pixels(big), std::vector<TteColor>(144, Z));
    TteBitmap empty;
    empty.Draw(big, 0, 0);
    square.Draw(empty, 0, 0);
    EXPECT_EQ(Pixels(big), std::vector<TteColor>(144, Z));
}

TEST_F(DrawTest, ModeComesFromTheSourceFlags)
{
    TteBitmap source;
    Make(source, {{0x80FFFFFFu, TransparentKey, 0x00123456u, 0xFF7F007Fu}});
    struct Case {
        bool alphaBlend, transparent;
        std::vector<TteColor> expected;
    } cases[] = {
        {false, false, {0x80FFFFFFu, TransparentKey, 0x00123456u, 0xFF7F007Fu}},
        {false, true, {0xFFFFFFFFu, Z, 0xFF123456u, Z}},
        {true, false, {0xBF7F7F7Fu, Z, Z, 0xFF7F007Fu}},
        {true, true, {0xBF7F7F7Fu, Z, Z, 0xFF7F007Fu}},  // blending wins over the key
    };
    for (const Case& c : cases) {
        source.SetAlphaBlend(c.alphaBlend);
        source.SetTransparent(c.transparent);
        target.SetSize(4, 1);
        target.Fill(Z);
        source.Draw(target, 0, 0);
        EXPECT_EQ(Row(target, 0), c.expected) << c.alphaBlend << c.transparent;
        target.Fill(Z);
        source.Draw(target, {0, 0, 4, 3}, {0, 0, 4, 1});
        EXPECT_EQ(Row(target, 0), c.expected) << "stretched " << c.alphaBlend << c.transparent;
    }
}

TEST_F(DrawTest, DrawingThroughABitmapSurfaceComposesPixelsAtTheOrigin)
{
    TteBitmap source;
    Make(source, {{0x80FFFFFFu, 0x80FFFFFFu}});
    source.SetAlphaBlend(true);
    {
        auto painter = target.Paint();
        painter->translate(-5, -5);  // a window origin of (5, 5)
        source.Draw(*painter, 8, 6);
    }
    EXPECT_EQ(Row(target, 0), (std::vector<TteColor>{Z, Z, Z, Z, Z, Z}));
    EXPECT_EQ(Row(target, 1), (std::vector<TteColor>{Z, Z, Z, 0xBF7F7F7Fu, 0xBF7F7F7Fu, Z}));
}

TEST_F(DrawTest, DrawingOntoAnOpaqueDeviceGoesThroughThePainter)
{
    TteBitmap source;
    Make(source, {{TransparentKey, 0x00112233u}, {0x80FFFFFFu, 0xFF445566u}});
    QImage device(4, 2, QImage::Format_RGB32);
    const struct {
        bool alphaBlend, transparent;
        std::vector<QRgb> row0, row1;
    } cases[] = {
        // A plain copy shows colours as they are, alpha dropped; key and blend keep the background.
        {false, false, {0xFF7F007Fu, 0xFF112233u, 0xFF000000u, 0xFF000000u},
         {0xFFFFFFFFu, 0xFF445566u, 0xFF000000u, 0xFF000000u}},
        {false, true, {0xFF000000u, 0xFF112233u, 0xFF000000u, 0xFF000000u},
         {0xFFFFFFFFu, 0xFF445566u, 0xFF000000u, 0xFF000000u}},
    };
    for (const auto& c : cases) {
        device.fill(0xFF000000u);
        source.SetAlphaBlend(c.alphaBlend);
        source.SetTransparent(c.transparent);
        {
            QPainter painter(&device);
            source.Draw(painter, {0, 0, 2, 2}, {0, 0, 2, 2});
        }
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(device.pixel(x, 0), c.row0[static_cast<std::size_t>(x)]) << x;
            EXPECT_EQ(device.pixel(x, 1), c.row1[static_cast<std::size_t>(x)]) << x;
        }
    }
    // Qt blends premultiplied: within one step of the bitmap formula.
    device.fill(0xFF000000u);
    source.SetAlphaBlend(true);
    {
        QPainter painter(&device);
        source.Draw(painter, 2, 0);
    }
    EXPECT_EQ(device.pixel(2, 0), 0xFF000000u);
    EXPECT_EQ(device.pixel(3, 1), 0xFF445566u);
    EXPECT_NEAR(qRed(device.pixel(2, 1)), 127, 1);
}

// Pictures taller than the bands in which the painter route hands them to Qt, one to one and
// stretched, under a clip that cuts their rows, each pixel as the stretch maps pick it; a stretch
// of the same width over other source columns right after another gets its own column map.
TEST_F(DrawTest, PainterRouteDrawsEveryBandFromItsOwnRows)
{
    TteBitmap source;
    source.SetSize(7, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 7; ++x)
            source.SetPixel(x, y, (x + y) % 9 == 4 ? TransparentKey : 0xFF000000u | (x * 30u) << 16 | (y * 6u) << 8 | 0x5Au);
    const QRegion clip = QRegion(0, 0, 24, 64) - QRegion(5, 0, 3, 64) - QRegion(0, 20, 24, 2);
    const struct {
        TRect dest, src;
        bool transparent;
    } cases[] = {
        {{1, 2, 8, 42}, {0, 0, 7, 40}, false},
        {{1, -6, 8, 34}, {0, 0, 7, 40}, false},  // starts above the device
        {{0, 0, 23, 61}, {0, 0, 7, 40}, false},
        {{0, 0, 23, 61}, {1, 0, 6, 40}, false},
        {{-5, 3, 20, 50}, {2, 5, 7, 40}, false},
        {{1, 2, 8, 42}, {0, 0, 7, 40}, true},
        {{0, 0, 23, 61}, {0, 0, 7, 40}, true},
    };
    for (const auto& c : cases) {
        source.SetTransparent(c.transparent);
        QImage device(24, 64, QImage::Format_RGB32);
        device.fill(Z);
        {
            QPainter painter(&device);
            painter.setClipRegion(clip);
            source.Draw(painter, c.dest, c.src);
        }
        const TStretchMap columns(c.src.Left, c.src.Right, c.dest.Width());
        const TStretchMap rows(c.src.Top, c.src.Bottom, c.dest.Height());
        int wrong = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 24; ++x) {
                QRgb expected = Z;
                if (clip.contains(QPoint(x, y)) && x >= c.dest.Left && x < c.dest.Right && y >= c.dest.Top &&
                    y < c.dest.Bottom) {
                    const TteColor p = source.ScanLine(rows(y - c.dest.Top))[columns(x - c.dest.Left)];
                    if (!c.transparent || p != TransparentKey)
                        expected = p | 0xFF000000u;
                }
                wrong += device.pixel(x, y) != expected;
            }
        }
        EXPECT_EQ(wrong, 0) << c.dest.Left << "," << c.dest.Top << " from " << c.src.Left << "," << c.src.Top
                            << (c.transparent ? " keyed" : "");
    }
}

TEST_F(DrawTest, TilesFromTheTopLeftAndCutTheLastTile)
{
    TteBitmap tile;
    tile.SetSize(10, 10);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            tile.SetPixel(x, y, 0xFF000000u | static_cast<TteColor>(x << 8 | y));
    TteBitmap area;
    area.SetSize(30, 10);
    area.Fill(Z);
    {
        auto painter = area.Paint();
        tile.Tile(*painter, {0, 0, 25, 10}, {0, 0, 10, 10});
    }
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(area.GetPixel(x, 3), x < 25 ? 0xFF000003u | static_cast<TteColor>((x % 10) << 8) : Z) << x;

    area.Fill(Z);
    {
        auto painter = area.Paint();
        tile.TileClipped(*painter, {0, 0, 25, 10}, {0, 0, 10, 10}, {12, 0, 13, 10});
    }
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(area.GetPixel(x, 9), x >= 10 && x < 20 ? 0xFF000009u | static_cast<TteColor>((x - 10) << 8) : Z)
            << "only the tile at 10, whole: " << x;

    // Tiles that cannot show are skipped, not walked: a vast area stays cheap.
    area.Fill(Z);
    {
        auto painter = area.Paint();
        tile.Tile(*painter, {-2000000000, 0, 2000000000, 10}, {0, 0, 1, 1});
    }
    EXPECT_EQ(Pixels(area), std::vector<TteColor>(300, 0xFF000000u));
}

// Tiling row by row must give what drawing each tile on its own gives, for every mode and for
// areas that start before the target, end inside a tile or reach past the target.
TEST_F(DrawTest, TilingMatchesDrawingEachTile)
{
    TteBitmap tile;
    Make(tile, {{0x80FF0000u, TransparentKey, 0xFF00FF00u, 0x00000000u, 0x40123456u},
                {0xFF0000FFu, 0xC0ABCDEFu, TransparentKey, 0xFF777777u, 0x01FFFFFFu},
                {0x7F7F7F7Fu, 0xFF000001u, 0x80808080u, TransparentKey, 0xFEFEFEFEu}});
    const TRect srcRects[] = {{0, 0, 5, 3}, {1, 1, 4, 3}};
    const TRect areas[] = {{-7, -2, 13, 9}, {2, 1, 9, 4}, {0, 0, 20, 10}, {3, 3, 3, 8}};
    for (int mode = 0; mode < 3; ++mode) {
        tile.SetTransparent(mode == 1);
        tile.SetAlphaBlend(mode == 2);
        for (const TRect& src : srcRects) {
            for (const TRect& area : areas) {
                TteBitmap tiled, expected;
                tiled.SetSize(16, 8);
                tiled.Fill(0xFF204060u);
                expected.Assign(tiled);
                {
                    auto painter = tiled.Paint();
                    painter->translate(1, -1);
                    tile.Tile(*painter, area, src);
                }
                for (int y = area.Top; y < area.Bottom; y += src.Height())
                    for (int x = area.Left; x < area.Right; x += src.Width()) {
                        const int w = std::min(src.Width(), area.Right - x), h = std::min(src.Height(), area.Bottom - y);
                        tile.Draw(expected, {x + 1, y - 1, x + 1 + w, y - 1 + h},
                                  {src.Left, src.Top, src.Left + w, src.Top + h});
                    }
                EXPECT_EQ(Pixels(tiled), Pixels(expected))
                    << "mode " << mode << " area " << area.Left << "," << area.Top << "," << area.Right << ","
                    << area.Bottom << " src " << src.Left << "," << src.Top;
            }
        }
    }
}

TEST_F(DrawTest, TilesStraightIntoAnImageAndThroughAPainter)
{
    TteBitmap tile;
    Make(tile, {{A, TransparentKey}});
    tile.SetTransparent(true);
    for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB32}) {
        QImage image(5, 1, format);
        image.fill(0xFF000000u);
        {
            QPainter painter(&image);
            painter.translate(1, 0);
            tile.Tile(painter, {0, 0, 3, 1}, {0, 0, 2, 1});
        }
        const std::vector<QRgb> expected{Z, A, Z, A, Z};
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.pixel(x, 0), expected[static_cast<std::size_t>(x)]) << format << " " << x;
    }
}

TEST_F(DrawTest, DrawUnderFillsOnlyWhatIsNotOpaque)
{
    TteBitmap shadow;
    Make(shadow, {{0x00000000u, 0x80FFFFFFu, 0xFF123456u, 0x00000000u}});
    TteBitmap background;
    Make(background, {{0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFFABCDEFu}});
    shadow.DrawUnder(background, 0, 0, {-5, 0, 3, 9});  // limited to the source
    EXPECT_EQ(Pixels(shadow), (std::vector<TteColor>{0xFF000000u, 0xBF7F7F7Fu, 0xFF123456u, 0x00000000u}));
    shadow.DrawUnder(background, 3, 0, {3, 0, 4, 1});
    EXPECT_EQ(shadow.GetPixel(3, 0), 0xFFABCDEFu);
    shadow.DrawUnder(background, 4, 0, {0, 0, 4, 1});  // all outside: nothing
    EXPECT_EQ(shadow.GetPixel(3, 0), 0xFFABCDEFu);
}

TEST_F(DrawTest, RegionsLeaveOutKeyPixels)
{
    TteBitmap bitmap;
    Make(bitmap, {{0xFF000000u, 0xFF7F007Fu, 0x00000000u}});
    const auto region = bitmap.CreateRegion(10, 20);
    ASSERT_TRUE(region.has_value());
    const std::vector<QRect> rects(region->begin(), region->end());
    EXPECT_EQ(rects, (std::vector<QRect>{QRect(10, 20, 1, 1), QRect(12, 20, 1, 1)}));

    Make(bitmap, {{1, TransparentKey, 1}, {1, TransparentKey, 1}, {TransparentKey, 1, 1}});
    const auto shape = bitmap.CreateRegion(0, 0);
    QRegion expected;
    expected += QRect(0, 0, 1, 2);
    expected += QRect(2, 0, 1, 2);
    expected += QRect(1, 2, 2, 1);
    EXPECT_EQ(*shape, expected);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(shape->contains(QPoint(x, y)), !IsKeyPixel(bitmap.GetPixel(x, y))) << x << "," << y;

    bitmap.Fill(TransparentKey);
    EXPECT_TRUE(bitmap.CreateRegion(0, 0)->isEmpty());
    EXPECT_FALSE(TteBitmap().CreateRegion(0, 0).has_value());
}

// A nine-part frame stretched both ways, with a blended shadow, as a reviewer sees it.
TEST_F(DrawTest, NinePartFrameMatchesGolden)
{
    TteBitmap frame;
    frame.SetSize(9, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool edge = x < 3 || x > 5 || y < 3 || y > 5;
            frame.SetPixel(x, y, edge ? 0xC0204080u + static_cast<TteColor>((x * 20) << 16) : 0xFFE0E0E0u);
        }
    frame.SetPixel(0, 0, 0x00000000u);
    frame.SetAlphaBlend(true);
    TteBitmap canvas;
    canvas.SetSize(40, 24);
    canvas.Fill(0xFFFFFFFFu);
    const int w = 40, h = 24, m = 3;
    const int xs[] = {0, m, w - m, w}, ys[] = {0, m, h - m, h};
    const int sx[] = {0, m, 9 - m, 9}, sy[] = {0, m, 9 - m, 9};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            frame.Draw(canvas, {xs[c], ys[r], xs[c + 1], ys[r + 1]}, {sx[c], sy[r], sx[c + 1], sy[r + 1]});
    EXPECT_TRUE(MatchesGolden(canvas.ToImage(), QStringLiteral("graphics/golden/nine_part.png")));
}

}  // namespace
