// Canvas drawing in framework colours: frames, fills, checker patterns, gradients, icons,
// frame-control symbols and silhouettes, on exact pixels and a golden sheet.
#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>
#include <set>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "tests/graphics/TestBitmaps.h"
#include "tests/support/GoldenImage.h"

namespace {

constexpr TColor kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

class CanvasDrawTest : public testing::Test {
protected:
    void Start(int width, int height, TteColor background = 0xFFFFFFFF)
    {
        target.SetSize(width, height);
        target.Fill(background);
    }
    TCanvas& Canvas() { return target.Canvas(); }
    // The target as one character per pixel: '.' white, 'r' red, 'b' blue, 'k' black, '?' anything else.
    std::vector<std::string> Map()
    {
        Canvas().Handle()->EndPainting();
        std::vector<std::string> rows;
        for (int y = 0; y < target.Height(); ++y) {
            std::string row;
            for (int x = 0; x < target.Width(); ++x) {
                const TteColor p = target.GetPixel(x, y);
                row += p == 0xFFFFFFFF ? '.' : p == 0xFFFF0000 ? 'r' : p == 0xFF0000FF ? 'b' : p == 0xFF000000 ? 'k' : '?';
            }
            rows.push_back(row);
        }
        return rows;
    }

    TteBitmap target;
};

TEST_F(CanvasDrawTest, FramesAndFills)
{
    struct Case {
        const char* name;
        void (*draw)(TCanvas&);
        std::vector<std::string> expected;
    } cases[] = {
        {"3-D frame", [](TCanvas& c) { Draw3DFrame(c, {1, 1, 5, 5}, kRed, kBlue); },
         {"......", ".rrrb.", ".r..b.", ".r..b.", ".bbbb.", "......"}},
        {"frame", [](TCanvas& c) { DrawFrameRect(c, 1, 0, 5, 3, kRed); },
         {".rrrr.", ".r..r.", ".rrrr.", "......", "......", "......"}},
        {"fill", [](TCanvas& c) { FillRectColor(c, 2, 1, 4, 6, kBlue); },
         {"......", "..bb..", "..bb..", "..bb..", "..bb..", "..bb.."}},
        {"line", [](TCanvas& c) {
             MoveToPoint(c, 0, 2);
             DrawLine(c, 4, 2, kRed);
         },
         {"......", "......", "rrrr..", "......", "......", "......"}},
        {"checker", [](TCanvas& c) { FillChecker(c, {-3, -1, 4, 3}, kRed, kBlue); },
         {"brbr..", "rbrb..", "brbr..", "......", "......", "......"}},
        {"polygon", [](TCanvas& c) { FillPolygon(c, {{0, 0}, {4, 0}, {4, 4}}, kBlue); },
         {"bbbbb.", ".bbbb.", "..bbb.", "...bb.", "....b.", "......"}},
        {"polygon frame", [](TCanvas& c) { DrawPolygonFrame(c, {{0, 0}, {4, 0}, {4, 4}}, kRed); },
         {"rrrrr.", ".r..r.", "..r.r.", "...rr.", "....r.", "......"}},
        // Without a pen the polygon's interior is one pixel short on the right and bottom.
        {"polygon checker", [](TCanvas& c) { FillPolygonChecker(c, {{0, 0}, {5, 0}, {5, 5}, {0, 5}}, kRed, kBlue); },
         {"brbrb.", "rbrbr.", "brbrb.", "rbrbr.", "brbrb.", "......"}},
        // Inverted dots, white on white turning black, every other pixel of the edge.
        {"focus frame", [](TCanvas& c) { DrawFocusFrame(c, {0, 0, 5, 4}, kRed); },
         {"k.k.k.", "......", "k...k.", ".k.k..", "......", "......"}},
        {"round frame", [](TCanvas& c) { DrawRoundFrame(c, {0, 0, 6, 6}, 4, kRed); },
         {".rrrr.", "r....r", "r....r", "r....r", "r....r", ".rrrr."}},
        {"filled round rect", [](TCanvas& c) { FillRoundRect(c, {0, 0, 6, 6}, 4, kBlue); },
         {".bbbb.", "bbbbbb", "bbbbbb", "bbbbbb", "bbbbbb", ".bbbb."}},
    };
    for (const Case& c : cases) {
        Start(6, 6);
        c.draw(Canvas());
        EXPECT_EQ(Map(), c.expected) << c.name;
    }
}

TEST_F(CanvasDrawTest, CheckerLeavesThePlainBrushBehind)
{
    Start(4, 1);
    FillChecker(Canvas(), {0, 0, 2, 1}, kRed, kBlue);
    Canvas().FillRect({2, 0, 4, 1});  // the brush colour set before, not the pattern
    EXPECT_EQ(Map(), (std::vector<std::string>{"br.."}));
}

TEST_F(CanvasDrawTest, GradientBandsRoundHalvesToEven)
{
    Start(10, 1);
    FillGradient(Canvas(), {0, 0, 10, 1}, RGB(0, 0, 0), RGB(100, 200, 255), false);
    // 255 × k / 10: 25.5 → 26, 76.5 → 76, 127.5 → 128, 178.5 → 178, 229.5 → 230.
    const int blue[] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(target.GetPixel(k, 0), MakePixel(10 * k, 20 * k, blue[k], 255)) << k;
}

TEST_F(CanvasDrawTest, WideGradientsUse255BandsAndKeepToTheRectangle)
{
    for (bool vertical : {false, true}) {
        Start(vertical ? 3 : 602, vertical ? 602 : 3, 0xFF00FF00);
        FillGradient(Canvas(), vertical ? TRect{1, 1, 2, 601} : TRect{1, 1, 601, 2}, RGB(0, 0, 0), RGB(0, 0, 255),
                     vertical);
        Canvas().Handle()->EndPainting();
        std::vector<TteColor> line;
        for (int i = 0; i < 602; ++i)
            line.push_back(vertical ? target.GetPixel(1, i) : target.GetPixel(i, 1));
        EXPECT_EQ(line.front(), 0xFF00FF00u);
        EXPECT_EQ(line.back(), 0xFF00FF00u);
        EXPECT_EQ(line[1], 0xFF000000u);
        EXPECT_EQ(line[600], 0xFF0000FEu);  // 254 of 255 steps
        const std::set<TteColor> bands(line.begin() + 1, line.end() - 1);
        EXPECT_EQ(bands.size(), 255u);
        EXPECT_EQ(vertical ? target.GetPixel(0, 5) : target.GetPixel(5, 0), 0xFF00FF00u);
    }
}

TEST_F(CanvasDrawTest, SmallIconIsCentredAtItsOwnSize)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    Start(40, 30);
    DrawSmallIcon(Canvas(), {4, 2, 36, 28}, QIcon(pixmap));
    DrawSmallIcon(Canvas(), {0, 0, 40, 30}, QIcon());
    Canvas().Handle()->EndPainting();
    const TRect expected{12, 7, 28, 23};
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(target.GetPixel(x, y), expected.Contains({x, y}) ? 0xFFFF0000u : 0xFFFFFFFFu) << x << "," << y;
}

TEST_F(CanvasDrawTest, SilhouetteShowsTheVisiblePixelsAtAlpha100)
{
    TteBitmap shape;
    // Opaque, key, near-key (within 5 of it), half transparent, fully transparent.
    Make(shape, {{0xFF123456, TransparentKey, 0xFF7C0283, 0x80FFFFFF, 0x00ABCDEF}});
    Start(5, 1, 0xFF204060);
    DrawSilhouette(Canvas(), 0, 0, kRed, shape);
    const TteColor shade = BlendPixel(ColorToPixelAlpha(kRed, 100), 0xFF204060);
    EXPECT_EQ(Row(target, 0), (std::vector<TteColor>{shade, 0xFF204060, 0xFF204060, shade, 0xFF204060}));
    EXPECT_EQ(shape.GetPixel(0, 0), 0xFF123456u);  // the caller's bitmap is left as it was
}

// Every classic symbol at its classic size, black on white, pushed and scaled forms at the end.
TEST_F(CanvasDrawTest, FrameGlyphSheet)
{
    struct Cell {
        unsigned type, state;
        int width, height;
    };
    const std::vector<std::vector<Cell>> rows{
        {{DFC_CAPTION, DFCS_CAPTIONCLOSE, 16, 14},
         {DFC_CAPTION, DFCS_CAPTIONMIN, 16, 14},
         {DFC_CAPTION, DFCS_CAPTIONMAX, 16, 14},
         {DFC_CAPTION, DFCS_CAPTIONRESTORE, 16, 14},
         {DFC_CAPTION, DFCS_CAPTIONHELP, 16, 14},
         {DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED, 16, 14}},
        {{DFC_SCROLL, DFCS_SCROLLUP, 16, 16},
         {DFC_SCROLL, DFCS_SCROLLDOWN, 16, 16},
         {DFC_SCROLL, DFCS_SCROLLLEFT, 16, 16},
         {DFC_SCROLL, DFCS_SCROLLRIGHT, 16, 16},
         {DFC_SCROLL, DFCS_SCROLLCOMBOBOX, 16, 16},
         {DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED, 16, 16}},
        {{DFC_MENU, DFCS_MENUARROW, 13, 13},
         {DFC_MENU, DFCS_MENUCHECK, 13, 13},
         {DFC_MENU, DFCS_MENUBULLET, 13, 13},
         {DFC_MENU, DFCS_MENUARROWRIGHT, 13, 13},
         {DFC_MENU, DFCS_MENUCHECK | DFCS_INACTIVE, 13, 13}},
        {{DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, 13, 13},
         {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, 12, 12},
         {DFC_BUTTON, DFCS_BUTTONRADIOMASK, 12, 12},
         {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, 26, 26}},
    };
    Start(6 * 18, 16 + 18 + 15 + 28);
    int top = 0;
    for (const auto& row : rows) {
        int left = 0, height = 0;
        for (const Cell& cell : row) {
            FillRectColor(Canvas(), {left, top, left + cell.width, top + cell.height}, RGB(0xC0, 0xC0, 0xC0));
            DrawFrameGlyph(Canvas(), {left, top, left + cell.width, top + cell.height}, cell.type, cell.state, clBlack);
            left += cell.width + 2;
            height = std::max(height, cell.height);
        }
        top += height + 2;
    }
    Canvas().Handle()->EndPainting();
    EXPECT_TRUE(MatchesGolden(target.ToImage(), "graphics/golden/frame_glyphs.png"));
}

TEST_F(CanvasDrawTest, FrameGlyphsWithoutBlackPartsDrawNothing)
{
    const struct {
        unsigned type, state;
    } cases[] = {
        {DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_INACTIVE},
        {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE},
        {DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
        {DFC_BUTTON, DFCS_BUTTONCHECK},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_BUTTON3STATE | DFCS_CHECKED},
        {DFC_BUTTON, DFCS_BUTTONRADIO},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED},
        {0, 0},
    };
    for (const auto& c : cases) {
        Start(16, 16);
        DrawFrameGlyph(Canvas(), {0, 0, 16, 16}, c.type, c.state, kRed);
        EXPECT_EQ(Map(), std::vector<std::string>(16, std::string(16, '.'))) << c.type << " " << c.state;
    }
}

TEST_F(CanvasDrawTest, FrameGlyphKeepsToItsRectangleAndTheCanvasOrigin)
{
    Start(20, 20);
    Canvas().SetWindowOrg(-2, -3);
    DrawFrameGlyph(Canvas(), {0, 0, 6, 6}, DFC_MENU, DFCS_MENUBULLET, kRed);
    const std::vector<std::string> map = Map();
    EXPECT_EQ(map[4].substr(0, 10), "....rr....");
    EXPECT_EQ(map[5].substr(0, 10), "...rrrr...");
    EXPECT_EQ(map[6].substr(0, 10), "...rrrr...");
    EXPECT_EQ(map[7].substr(0, 10), "....rr....");
}

TEST_F(CanvasDrawTest, FrameGlyphCutByTheClipIsPartOfTheWholeGlyph)
{
    Start(30, 30);
    DrawFrameGlyph(Canvas(), {2, 2, 28, 28}, DFC_CAPTION, DFCS_CAPTIONRESTORE, kRed);
    const std::vector<std::string> whole = Map();

    Start(30, 30);
    target.Fill(0xFFFFFFFF);
    Canvas().SetWindowOrg(3, 1);
    Canvas().IntersectClipRect({10, 6, 20, 17});  // device (7, 5)-(17, 16)
    DrawFrameGlyph(Canvas(), {5, 3, 31, 29}, DFC_CAPTION, DFCS_CAPTIONRESTORE, kRed);
    const std::vector<std::string> part = Map();
    Canvas().Handle()->RemoveClip();
    Canvas().SetWindowOrg(0, 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(part[y][x], TRect({7, 5, 17, 16}).Contains({x, y}) ? whole[y][x] : '.') << x << "," << y;
    EXPECT_NO_THROW(DrawFrameGlyph(Canvas(), {-1000000000, -1000000000, 1000000000, 1000000000}, DFC_BUTTON,
                                   DFCS_BUTTONRADIOMASK, kRed));
    EXPECT_EQ(Map(), std::vector<std::string>(30, std::string(30, 'r')));  // a giant dot covers it all
}

}  // namespace
