// Links to rectangles of bitmaps, their transparency scan, and the owning bitmap list.
#include <gtest/gtest.h>

#include "graphics/Bitmap.h"
#include "graphics/BitmapLink.h"
#include "graphics/BitmapList.h"
#include "graphics/Pixel.h"

namespace {

struct Flags {
    bool corner, border, center;
    bool operator==(const Flags&) const = default;
};

Flags Scan(TteColor pixel, int u, int v, const TRect& margins)
{
    // A 20 x 20 link at (100, 0) of an opaque bitmap, with one pixel at (u, v) inside the link.
    TteBitmap bitmap;
    bitmap.SetSize(130, 20);
    bitmap.Fill(0xFF808080u);
    bitmap.SetPixel(100 + u, v, pixel);
    auto link = bitmap.CreateLink({100, 0, 120, 20});
    link->DetectTransparency(margins);
    return {link->CornerTransparent(), link->BorderTransparent(), link->CenterTransparent()};
}

TEST(BitmapLinkTest, TransparencyLandsInTheCellOfThePixel)
{
    const TRect four{4, 4, 4, 4};
    struct Case {
        TteColor pixel;
        int u, v;
        TRect margins;
        Flags expected;
    } cases[] = {
        {0x80FFFFFFu, 18, 1, four, {true, false, false}},
        {0x80FFFFFFu, 10, 1, four, {false, true, false}},
        {0x80FFFFFFu, 10, 10, four, {false, false, true}},
        {0x80FFFFFFu, 1, 10, four, {false, true, false}},
        {0x80FFFFFFu, 19, 19, four, {true, false, false}},
        {0x007F007Fu, 10, 10, four, {false, false, true}},   // key value with alpha 0
        {0xFF7F007Fu, 10, 10, four, {false, false, false}},  // key colour but opaque
        {0x33333333u, 10, 10, four, {false, false, false}},  // never counts
        {0xFF808080u, 10, 10, four, {false, false, false}},
        {0x80FFFFFFu, 1, 1, {}, {false, false, true}},              // no margins: all centre
        {0x80FFFFFFu, 10, 17, {0, 0, 0, 5}, {false, true, false}},  // a bottom margin alone counts
        {0x80FFFFFFu, 10, 10, {0, 0, 0, 5}, {false, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Scan(c.pixel, c.u, c.v, c.margins), c.expected)
            << std::hex << c.pixel << std::dec << " at " << c.u << "," << c.v;
}

// Rows are scanned several pixels at a time: a transparent pixel is found wherever it falls in a
// group, after a fill pixel of the same group, and a second one in the same group is found too.
TEST(BitmapLinkTest, EveryPixelOfARowIsLookedAt)
{
    for (int u = 0; u < 20; ++u) {
        TteBitmap bitmap;
        bitmap.SetSize(130, 20);
        bitmap.Fill(0xFF808080u);
        if (u > 0)
            bitmap.SetPixel(100 + u - 1, 10, 0x33333333u);
        bitmap.SetPixel(100 + u, 10, 0x00000000u);
        auto link = bitmap.CreateLink({100, 0, 120, 20});
        link->DetectTransparency({});
        EXPECT_TRUE(link->CenterTransparent()) << u;
    }
    // A corner pixel and a border pixel side by side in the first row.
    TteBitmap bitmap;
    bitmap.SetSize(130, 20);
    bitmap.Fill(0xFF808080u);
    bitmap.SetPixel(101, 0, TransparentKey);
    bitmap.SetPixel(102, 0, TransparentKey);
    auto link = bitmap.CreateLink({100, 0, 120, 20});
    link->DetectTransparency({2, 2, 2, 2});
    EXPECT_TRUE(link->CornerTransparent());
    EXPECT_TRUE(link->BorderTransparent());
    EXPECT_FALSE(link->CenterTransparent());
}

TEST(BitmapLinkTest, PixelsOutsideTheBitmapCountAsTransparent)
{
    TteBitmap bitmap;
    bitmap.SetSize(10, 10);
    bitmap.Fill(0xFF000000u);
    auto link = bitmap.CreateLink({5, 5, 15, 10});
    link->DetectTransparency({2, 2, 2, 2});
    EXPECT_TRUE(link->BorderTransparent());
    EXPECT_TRUE(link->CornerTransparent());
    EXPECT_TRUE(link->CenterTransparent());
}

TEST(BitmapLinkTest, LinksCarryTheBitmapNameAndCopy)
{
    TteBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.SetName(QStringLiteral("Frame"));
    auto link = bitmap.CreateLink({1, 2, 3, 4});
    EXPECT_EQ(link->Bitmap(), &bitmap);
    EXPECT_EQ(link->Name(), QStringLiteral("Frame"));
    EXPECT_EQ(link->Rect(), (TRect{1, 2, 3, 4}));
    EXPECT_TRUE(link->Valid());
    link->SetRight(1);
    EXPECT_FALSE(link->Valid());
    link->SetRight(3);
    link->DetectTransparency();
    TteBitmapLink copy;
    copy.Assign(link.get());
    EXPECT_EQ(copy.Bitmap(), &bitmap);
    EXPECT_EQ(copy.Rect(), link->Rect());
    EXPECT_TRUE(copy.CenterTransparent());
    EXPECT_FALSE(TteBitmapLink().Valid());
    TteBitmap other;
    EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(BitmapListTest, FindsByNameIgnoringCaseAndOwnsItsBitmaps)
{
    TteBitmapList list;
    for (const char* name : {"Button", "Caption", "button"}) {
        auto bitmap = std::make_unique<TteBitmap>();
        bitmap->SetName(QString::fromLatin1(name));
        bitmap->SetSize(2, 2);
        list.Add(std::move(bitmap));
    }
    EXPECT_EQ(list.FindBitmap(QStringLiteral("BUTTON")), list.GetBitmap(0));
    EXPECT_EQ(list.FindBitmap(QStringLiteral("caption")), list.GetBitmap(1));
    EXPECT_EQ(list.FindBitmap(QStringLiteral("Buttons")), nullptr);
    EXPECT_EQ(list.GetBitmap(3), nullptr);
    EXPECT_EQ(list.GetBitmap(-1), nullptr);
    auto link = list.GetLink(QStringLiteral("CAPTION"), {0, 0, 2, 1});
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Bitmap(), list.GetBitmap(1));
    EXPECT_EQ(list.GetLink(QStringLiteral("none"), {0, 0, 1, 1}), nullptr);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
