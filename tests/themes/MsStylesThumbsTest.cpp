// Scroll-bar thumbs shorter than their frame are drawn at full length and scaled down whole; grippers
// show only where they fit; a track-bar thumb drawn at its true size tells its size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/themes/MsStylesFixture.h"
#include "tests/themes/ThemeFixture.h"

namespace {

using enum TMsElement;

// Thumb frames 20 long: an 8-pixel cap, a 4-pixel middle and an 8-pixel cap, each in its own colour.
constexpr TColor CapStart(int frame) { return 0x00100000u | static_cast<TColor>(frame); }
constexpr TColor Middle(int frame) { return 0x00200000u | static_cast<TColor>(frame); }
constexpr TColor CapEnd(int frame) { return 0x00300000u | static_cast<TColor>(frame); }

TColor ThumbColour(int frame, int along)
{
    return along < 8 ? CapStart(frame) : along < 12 ? Middle(frame) : CapEnd(frame);
}

// Caps kept whole by the sizing margins; no grippers.
std::unique_ptr<TTeThemeMsStyles> CappedThumbStyle()
{
    std::vector<std::unique_ptr<TteBitmap>> bitmaps;
    bitmaps.push_back(StripBitmap(QStringLiteral("THUMBH_BMP"), 4, 20, 6,
                                  [](int frame, int x, int) { return ThumbColour(frame, x); }));
    bitmaps.push_back(StripBitmap(QStringLiteral("THUMBV_BMP"), 4, 6, 20,
                                  [](int frame, int, int y) { return ThumbColour(frame, y); }));
    return MakeFrameStyle(
        {{ScrollBarThumbBtnHorz, QStringLiteral("imagefile=ThumbH.bmp\r\nimagecount=4\r\nsizingmargins=8, 8, 0, 0")},
         {ScrollBarThumbBtnVert, QStringLiteral("imagefile=ThumbV.bmp\r\nimagecount=4\r\nsizingmargins=0, 0, 8, 8")},
         {ScrollBarGripperHorz, QString()},
         {ScrollBarGripperVert, QString()}},
        std::move(bitmaps));
}

TEST(MsStylesThumbs, ShortThumbIsScaledDownWholeLongThumbKeepsItsCaps)
{
    auto theme = CappedThumbStyle();
    struct Probe {
        int x, y;
        TColor colour;
    };
    struct {
        const char* name;
        std::uint8_t part;
        TRect rect;
        std::uint8_t state;
        std::vector<Probe> probes;
    } const cases[] = {
        // Half the frame's length: each piece at half its length, the middle still showing.
        {"short horizontal", 8, {10, 10, 20, 16}, 0,
         {{10, 12, CapStart(1)}, {13, 12, CapStart(1)}, {14, 12, Middle(1)}, {15, 12, Middle(1)}, {19, 12, CapEnd(1)}}},
        {"short vertical", 9, {10, 10, 16, 20}, 1,
         {{12, 10, CapStart(3)}, {12, 14, Middle(3)}, {12, 15, Middle(3)}, {12, 19, CapEnd(3)}}},
        // Longer than the frame: caps at their size, the middle stretched.
        {"long horizontal", 8, {4, 10, 44, 16}, 2,
         {{4, 12, CapStart(2)}, {11, 12, CapStart(2)}, {12, 12, Middle(2)}, {35, 12, Middle(2)}, {36, 12, CapEnd(2)}}},
        {"long vertical", 9, {10, 4, 16, 44}, 3,
         {{12, 11, CapStart(4)}, {12, 20, Middle(4)}, {12, 43, CapEnd(4)}}},
        // Only the length counts: a thin but long horizontal thumb is drawn straight.
        {"thin horizontal", 8, {4, 10, 44, 12}, 0, {{20, 11, Middle(1)}, {40, 11, CapEnd(1)}}},
    };
    for (const auto& c : cases) {
        TThemeSurface surface(48, 48);
        theme->DrawScrollBarPart(0, surface.Canvas(), {c.rect, c.part, c.state}, kObject);
        for (const Probe& p : c.probes)
            EXPECT_EQ(surface.At(p.x, p.y), p.colour) << c.name << " at " << p.x << "," << p.y;
        EXPECT_EQ(surface.At(c.rect.Left - 1, c.rect.Top), kUntouched) << c.name;
        EXPECT_EQ(surface.At(c.rect.Right, c.rect.Bottom - 1), kUntouched) << c.name;
    }
}

constexpr TColor Grip(int frame) { return 0x00500000u | static_cast<TColor>(frame); }

// Plain thumbs and a 4 x 4 gripper drawn at its true size; imageCount as given.
std::unique_ptr<TTeThemeMsStyles> GripperStyle(int imageCount)
{
    std::vector<std::unique_ptr<TteBitmap>> bitmaps;
    bitmaps.push_back(StripBitmap(QStringLiteral("GRIP_BMP"), 4, 4, 4, [](int frame, int, int) { return Grip(frame); }));
    const QString gripper =
        QStringLiteral("imagefile=Grip.bmp\r\nsizingtype=truesize\r\nimagecount=%1").arg(imageCount);
    return MakeFrameStyle({{ScrollBarGripperHorz, gripper}, {ScrollBarGripperVert, gripper}}, std::move(bitmaps));
}

TEST(MsStylesThumbs, GripperShowsOnlyWhenSmallerThanTheThumbBothWays)
{
    auto theme = GripperStyle(4);
    struct {
        std::uint8_t part;
        TRect rect;
        bool gripper;
    } const cases[] = {
        {8, {10, 10, 20, 16}, true},  {8, {10, 10, 15, 15}, true}, {8, {10, 10, 20, 14}, false},
        {8, {10, 10, 14, 20}, false}, {9, {10, 10, 16, 20}, true}, {9, {10, 10, 14, 30}, false},
    };
    for (const auto& c : cases) {
        TThemeSurface surface(32, 32);
        theme->DrawScrollBarPart(0, surface.Canvas(), {c.rect, c.part, 2}, kObject);
        const TMsElement thumb = c.part == 8 ? ScrollBarThumbBtnHorz : ScrollBarThumbBtnVert;
        const int cx = (c.rect.Left + c.rect.Right) / 2, cy = (c.rect.Top + c.rect.Bottom) / 2;
        // Hot is the second frame of both strips.
        EXPECT_EQ(surface.At(cx, cy), c.gripper ? Grip(2) : FrameColour(thumb, 2))
            << int(c.part) << " " << c.rect.Width() << "x" << c.rect.Height();
        EXPECT_EQ(surface.At(c.rect.Right - 1, c.rect.Bottom - 1), FrameColour(thumb, 2));
    }
}

TEST(MsStylesThumbs, GripperWithoutAFrameCountIsItsWholePicture)
{
    // A frame count of 0 leaves the picture whole (16 x 4 here); it must not be divided by.
    auto theme = GripperStyle(0);
    TThemeSurface wide(32, 32);
    theme->DrawScrollBarPart(0, wide.Canvas(), {{4, 10, 28, 16}, 8, 0}, kObject);
    EXPECT_EQ(wide.At(16, 12), Grip(3));
    EXPECT_EQ(wide.At(7, 12), FrameColour(ScrollBarThumbBtnHorz, 1));
    TThemeSurface narrow(32, 32);
    theme->DrawScrollBarPart(0, narrow.Canvas(), {{4, 10, 20, 16}, 8, 0}, kObject);
    EXPECT_EQ(narrow.At(12, 12), FrameColour(ScrollBarThumbBtnHorz, 1));
}

TEST(MsStylesThumbs, TrackBarThumbSizeIsTheTrueSizeFrame)
{
    std::vector<std::unique_ptr<TteBitmap>> bitmaps;
    bitmaps.push_back(StripBitmap(QStringLiteral("TB_BMP"), 5, 7, 11, [](int frame, int, int) { return Grip(frame); }));
    auto theme = MakeFrameStyle({{TrackBarThumb, QStringLiteral("imagefile=TB.bmp\r\nimagecount=5\r\nsizingtype=truesize")},
                                 {TrackBarThumbTop, QStringLiteral("sizingtype=truesize\r\nfillcolor=1 2 3")}},
                                std::move(bitmaps));
    TThemeSurface surface;
    TCanvas& canvas = surface.Canvas();
    const TRect rect{0, 0, 40, 40};
    struct {
        std::uint8_t part;
        TPoint size;
    } const cases[] = {
        {3, {7, 11}},  // true size
        {0, {0, 0}},   // stretched
        {5, {0, 0}},   // true size, but no picture to measure
        {6, {0, 0}},   // no such part
    };
    for (const auto& c : cases) {
        EXPECT_EQ(theme->GetTrackBarThumbSize(0, canvas, {rect, c.part, 2}, kObject), c.size) << int(c.part);
        EXPECT_EQ(surface.At(20, 20), kUntouched) << int(c.part);
    }
    // Drawn at its true size, centred.
    theme->DrawTrackBarThumb(0, canvas, {{0, 0, 17, 21}, 3, 4}, kObject);
    EXPECT_EQ(surface.At(5, 5), Grip(5));
    EXPECT_EQ(surface.At(4, 4), kUntouched);
    EXPECT_EQ(surface.At(11, 15), Grip(5));
    EXPECT_EQ(surface.At(12, 16), kUntouched);
}

}  // namespace
