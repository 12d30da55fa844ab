// Element objects of a visual style: section parsing, transparency of the shared bitmaps, and drawing.
#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "framework/Canvas.h"
#include "framework/Exception.h"
#include "framework/IniFile.h"
#include "framework/StringList.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/Pixel.h"
#include "tests/support/GoldenImage.h"
#include "themes/MsuxBitmapSource.h"
#include "themes/MsuxThemeObject.h"

namespace {

constexpr TteColor kBack = 0xFF123456;
constexpr TteColor kMagenta = 0xFFFF00FF;

// Colours of the nine cells of a 9 x 9 picture cut by margins of 3, row by row.
constexpr TteColor kCells[9] = {0xFF100000, 0xFF200000, 0xFF300000, 0xFF001000, 0xFF002000,
                                0xFF003000, 0xFF000010, 0xFF000020, 0xFF000030};

std::unique_ptr<TteBitmap> MakeBitmap(const QString& name, int width, int height, TteColor fill)
{
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Fill(fill);
    bitmap->SetName(name);
    return bitmap;
}

// Nine cells of 3 x 3; the centre cell holds a one-pixel column of white so tiling and stretching differ.
std::unique_ptr<TteBitmap> MakeNineCells(const QString& name)
{
    auto bitmap = MakeBitmap(name, 9, 9, 0);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            bitmap->SetPixel(x, y, kCells[(y / 3) * 3 + x / 3]);
    for (int y = 3; y < 6; ++y)
        bitmap->SetPixel(3, y, 0xFFFFFFFF);
    return bitmap;
}

// Five frames of 4 x 4 stacked; frame k (from 1) is filled with 0xFF0000k0.
std::unique_ptr<TteBitmap> MakeFiveFrames(const QString& name)
{
    auto bitmap = MakeBitmap(name, 4, 20, 0);
    for (int k = 1; k <= 5; ++k)
        bitmap->FillRect({0, (k - 1) * 4, 4, k * 4}, 0xFF000000u | (static_cast<TteColor>(k) << 4));
    return bitmap;
}

TteColor FrameColour(int k) { return 0xFF000000u | (static_cast<TteColor>(k) << 4); }

// Stands in for the theme: records which bitmaps the objects asked for.
class TRecordingSource : public TmsuxBitmapSource {
public:
    void EnsureBitmap(const QString& imageName) override { asked << imageName; }
    QStringList asked;
};

struct TStyle {
    TStyle()
    {
        bitmaps.Add(MakeNineCells(QStringLiteral("NINE_BMP")));
        bitmaps.Add(MakeFiveFrames(QStringLiteral("BRUSHED_FRAMES_BMP")));
        auto keyed = MakeBitmap(QStringLiteral("KEYED_BMP"), 4, 4, 0xFF00FF00);
        keyed->SetPixel(1, 1, kMagenta);
        bitmaps.Add(std::move(keyed));
    }
    void SetText(const QStringList& lines)
    {
        TStringList strings;
        for (const QString& line : lines)
            strings.Add(line);
        ini.SetStrings(strings);
    }
    std::unique_ptr<TmsuxThemeObject> Object(const QString& section)
    {
        return std::make_unique<TmsuxThemeObject>(ini, section, &bitmaps, &source);
    }
    // An object of one section "[E]" with the given keys.
    std::unique_ptr<TmsuxThemeObject> Element(const QStringList& keys)
    {
        SetText(QStringList{QStringLiteral("[E]")} + keys);
        return Object(QStringLiteral("E"));
    }

    TteBitmapList bitmaps;
    TRecordingSource source;
    TMemIniFile ini;
};

struct TSurface {
    TSurface(int width, int height)
    {
        bitmap.SetSize(width, height);
        bitmap.Fill(kBack);
    }
    TteBitmap bitmap;
};

}  // namespace

TEST(MsuxThemeObject, SectionKeysBecomeSettings)
{
    TStyle style;
    style.SetText({"[Window.Caption]", "BgType = BorderFill", "FillColor = 10 20 30", "TextColor = 255",
                   "BorderSize = 2", "SizingMargins = 1, 2, 3, 4", "ContentMargins = 1, 2, x, 4",
                   "ImageLayout = Vertical", "ImageCount = 5", "SizingType = TrueSize", "Transparent = Yes",
                   "ImageSelectType = size 1", "GlyphType = ImageGlyph", "ContentAlignment = CENTER",
                   "TextShadowType = continuous", "TextShadowOffset = 1, -2", "TextColor = 1 2 3",
                   "[Other]", "FillColor = 9 9 9"});
    const auto object = style.Object(QStringLiteral("Window.Caption"));

    EXPECT_EQ(object->SectionName, QStringLiteral("Window.Caption"));
    EXPECT_EQ(object->BgType, TmsuxThemeObject::kbgBorderFill);
    EXPECT_EQ(object->FillColor, 0x001E140Au);
    EXPECT_EQ(object->BorderSize, 2);
    EXPECT_EQ(object->SizingMargins, Rect(1, 3, 2, 4));  // written left, right, top, bottom
    EXPECT_EQ(object->ContentMargins, Rect(0, 0, 0, 0));
    EXPECT_EQ(object->ImageLayout, 0);
    EXPECT_EQ(object->ImageCount, 5);
    EXPECT_EQ(object->SizingType, TmsuxThemeObject::kstTrueSize);
    EXPECT_TRUE(object->Transparent);
    EXPECT_EQ(object->ImageSelectType, 2);
    EXPECT_EQ(object->GlyphType, 1);
    EXPECT_EQ(object->ContentAlignment, 1);
    EXPECT_EQ(object->TextShadowType, 2);
    EXPECT_EQ(object->TextShadowOffset, Point(1, -2));
    // The repeated key: the later value wins and one pair is kept, in the place of the first.
    EXPECT_EQ(object->TextColor, 0x00030201u);
    EXPECT_EQ(object->PropCount(), 15);
    EXPECT_EQ(object->Prop(2)->Name(), QStringLiteral("textcolor"));
    EXPECT_EQ(object->FindProp(QStringLiteral("TEXTCOLOR"))->Value(), QStringLiteral("1 2 3"));
    EXPECT_EQ(object->FindProp(QStringLiteral("fillcolor"))->Value(), QStringLiteral("10 20 30"));
    EXPECT_EQ(object->FindProp(QStringLiteral("glyphimagefile")), nullptr);
    EXPECT_TRUE(object->IsLoaded());
}

TEST(MsuxThemeObject, UntouchedKeysKeepDefaults)
{
    TStyle style;
    const auto object = style.Element({"Unknown = 1"});
    EXPECT_EQ(object->FillColor, clNone);
    EXPECT_EQ(object->SizingType, TmsuxThemeObject::kstStretch);
    EXPECT_EQ(object->ImageLayout, 1);
    EXPECT_EQ(object->ImageCount, 1);
    EXPECT_EQ(object->TransparentColor, 0x00FF00FFu);
    EXPECT_EQ(object->TextShadowColor, 0x00282828u);
    EXPECT_EQ(object->BgType, TmsuxThemeObject::kbgFill);
    EXPECT_EQ(object->FindProp(QStringLiteral("unknown"))->Value(), QStringLiteral("1"));
}

TEST(MsuxThemeObject, MissingSectionGivesAnObjectWithoutKeys)
{
    TStyle style;
    style.SetText({"[Present]", "FillColor = 1 2 3"});
    const auto object = style.Object(QStringLiteral("Absent"));
    ASSERT_NE(object, nullptr);
    EXPECT_FALSE(object->IsLoaded());
    EXPECT_EQ(object->SectionName, QStringLiteral("Absent"));
}

TEST(MsuxThemeObject, KeysBeyondTheLaidOutRoomAreKept)
{
    TStyle style;
    QStringList keys;
    for (int i = 0; i < 60; ++i)
        keys << QStringLiteral("key%1 = %1").arg(i);
    const auto object = style.Element(keys);
    ASSERT_EQ(object->PropCount(), 60);
    EXPECT_EQ(object->Prop(59)->Value(), QStringLiteral("59"));
    EXPECT_EQ(object->FindProp(QStringLiteral("KEY55"))->Value(), QStringLiteral("55"));
}

TEST(MsuxThemeObject, NonNumericIntegersRaiseTheConversionError)
{
    for (const char* key : {"BorderSize = thick", "ImageCount = five", "TextShadowOffset = 1", "TextShadowOffset = a, 2"}) {
        SCOPED_TRACE(key);
        TStyle style;
        EXPECT_THROW(style.Element({key}), EConvertError);
    }
}

TEST(MsuxThemeObject, ImageKeyNamesTheResourceBitmap)
{
    TStyle style;
    const auto object = style.Element({"ImageFile = Brushed\\Frames.bmp", "ImageCount = 5"});
    EXPECT_EQ(style.source.asked, QStringList{QStringLiteral("Brushed_Frames_bmp")});
    EXPECT_EQ(object->BgType, TmsuxThemeObject::kbgImage);
    ASSERT_TRUE(object->ImageFile.Valid());
    EXPECT_EQ(object->ImageFile.Bitmap(), style.bitmaps.GetBitmap(1));
    EXPECT_EQ(object->ImageFile.Rect(), Rect(0, 0, 4, 20));
    EXPECT_EQ(object->FindProp(QStringLiteral("imagefile"))->Value(), QStringLiteral("Brushed_Frames_bmp"));

    // A later bgtype overrides the image background; a bitmap the style lacks gives an invalid link.
    const auto overridden = style.Element({"ImageFile = nine.bmp", "ImageFile1 = lost.bmp", "BgType = none"});
    EXPECT_EQ(overridden->BgType, TmsuxThemeObject::kbgNone);
    EXPECT_TRUE(overridden->ImageFile.Valid());
    EXPECT_FALSE(overridden->ImageFile1.Valid());
}

TEST(MsuxThemeObject, LoadingKeysTheSharedBitmap)
{
    TStyle style;
    style.SetText({"[A]", "ImageFile = keyed.bmp", "SizingType = truesize", "[B]", "ImageFile = keyed.bmp"});
    const auto a = style.Object(QStringLiteral("A"));
    const TteBitmap& keyed = *style.bitmaps.GetBitmap(2);
    EXPECT_TRUE(keyed.Transparent());
    EXPECT_EQ(keyed.GetPixel(1, 1) & 0x00FFFFFF, TransparentKey);
    EXPECT_TRUE(a->Transparent);
    EXPECT_TRUE(a->DrawTransparent);
    // The second section finds the bitmap keyed already.
    const auto b = style.Object(QStringLiteral("B"));
    EXPECT_TRUE(b->DrawTransparent);

    TSurface surface(4, 4);
    a->Draw(surface.bitmap.Canvas(), Rect(0, 0, 4, 4), 1, {});
    EXPECT_EQ(surface.bitmap.GetPixel(1, 1), kBack);
    EXPECT_EQ(surface.bitmap.GetPixel(0, 0), 0xFF00FF00u);
}

TEST(MsuxThemeObject, FrameChoice)
{
    struct {
        int index;
        TteColor expected;
    } const cases[] = {{3, FrameColour(3)}, {7, FrameColour(5)}, {1, FrameColour(1)}, {0, FrameColour(1)}};
    TStyle style;
    const auto object = style.Element({"ImageFile = brushed\\frames.bmp", "ImageCount = 5",
                                       "ImageLayout = vertical", "SizingType = truesize"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        TSurface surface(8, 8);
        object->Draw(surface.bitmap.Canvas(), Rect(0, 0, 8, 8), c.index, {});
        EXPECT_EQ(surface.bitmap.GetPixel(4, 4), c.expected);
        EXPECT_EQ(object->LastImage, &object->ImageFile);
    }
    // Index 0 before any frame was chosen draws the whole strip.
    const auto fresh = style.Element({"ImageFile = brushed\\frames.bmp", "ImageCount = 5", "ImageLayout = vertical",
                                      "SizingType = truesize"});
    TSurface surface(4, 20);
    fresh->Draw(surface.bitmap.Canvas(), Rect(0, 0, 4, 20), 0, {});
    EXPECT_EQ(surface.bitmap.GetPixel(0, 0), FrameColour(1));
    EXPECT_EQ(surface.bitmap.GetPixel(0, 19), FrameColour(5));
}

TEST(MsuxThemeObject, TrueSizeDrawsTheFrameUnscaledAndCentred)
{
    TStyle style;
    const auto object = style.Element({"ImageFile = nine.bmp", "SizingType = truesize", "SizingMargins = 3,3,3,3"});
    TSurface surface(15, 13);
    object->Draw(surface.bitmap.Canvas(), Rect(0, 0, 15, 13), 1, {});
    // (15 - 9) / 2 = 3, (13 - 9) / 2 = 2
    EXPECT_EQ(surface.bitmap.GetPixel(2, 2), kBack);
    EXPECT_EQ(surface.bitmap.GetPixel(3, 2), kCells[0]);
    EXPECT_EQ(surface.bitmap.GetPixel(11, 10), kCells[8]);
    EXPECT_EQ(surface.bitmap.GetPixel(12, 10), kBack);
    EXPECT_EQ(surface.bitmap.GetPixel(11, 11), kBack);
}

TEST(MsuxThemeObject, TooSmallDestinationStillShowsFullCorners)
{
    TStyle style;
    const auto object = style.Element({"ImageFile = nine.bmp", "SizingMargins = 3,3,3,3"});
    TSurface surface(6, 6);
    object->Draw(surface.bitmap.Canvas(), Rect(1, 1, 5, 5), 1, {});
    // Corners of 3 x 3 drawn at (1,1), (2,1), (1,2), (2,2): each later one covers the overlap.
    EXPECT_EQ(surface.bitmap.GetPixel(1, 1), kCells[0]);
    EXPECT_EQ(surface.bitmap.GetPixel(4, 1), kCells[2]);
    EXPECT_EQ(surface.bitmap.GetPixel(1, 4), kCells[6]);
    EXPECT_EQ(surface.bitmap.GetPixel(4, 4), kCells[8]);
    EXPECT_EQ(surface.bitmap.GetPixel(0, 0), kBack);
    EXPECT_EQ(surface.bitmap.GetPixel(5, 5), kBack);
}

TEST(MsuxThemeObject, NinePartsStretchAndTile)
{
    struct {
        const char* sizing;
        const char* golden;
    } const cases[] = {{"stretch", "themes/golden/msux_stretch.png"},
                       {"tile", "themes/golden/msux_tile.png"},
                       {"bordertileclientstretch", "themes/golden/msux_bordertile.png"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sizing);
        TStyle style;
        const auto object = style.Element({"ImageFile = nine.bmp", "SizingMargins = 3,3,3,3",
                                           QStringLiteral("SizingType = %1").arg(QLatin1String(c.sizing))});
        TSurface surface(20, 14);
        object->Draw(surface.bitmap.Canvas(), Rect(1, 1, 19, 13), 1, {});
        EXPECT_TRUE(MatchesGolden(surface.bitmap.ToImage(), QLatin1String(c.golden)));
        // Corners one to one, whatever the sizing.
        EXPECT_EQ(surface.bitmap.GetPixel(1, 1), kCells[0]);
        EXPECT_EQ(surface.bitmap.GetPixel(18, 12), kCells[8]);
        EXPECT_EQ(surface.bitmap.GetPixel(0, 0), kBack);
    }
}

TEST(MsuxThemeObject, TilingRepeatsTheCentreWhereStretchingWidensIt)
{
    // The centre runs from x 3 to 15 (12 pixels) from a 3-pixel source whose first column is white:
    // tiled, the white column comes back every 3 pixels; stretched (ends aligned), it fills the first half.
    struct {
        const char* sizing;
        TteColor at4, at9;
    } const cases[] = {{"tile", kCells[4], 0xFFFFFFFF}, {"stretch", 0xFFFFFFFF, kCells[4]}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sizing);
        TStyle style;
        const auto object = style.Element({"ImageFile = nine.bmp", "SizingMargins = 3,3,3,3",
                                           QStringLiteral("SizingType = %1").arg(QLatin1String(c.sizing))});
        TSurface surface(18, 9);
        object->Draw(surface.bitmap.Canvas(), Rect(0, 0, 18, 9), 1, {});
        EXPECT_EQ(surface.bitmap.GetPixel(3, 4), 0xFFFFFFFFu);
        EXPECT_EQ(surface.bitmap.GetPixel(4, 4), c.at4);
        EXPECT_EQ(surface.bitmap.GetPixel(9, 4), c.at9);
    }
}

TEST(MsuxThemeObject, TilingAlongOneAxisOnlyDrawsNoImage)
{
    for (const char* sizing : {"tilevertical", "tilehorizontal"}) {
        SCOPED_TRACE(sizing);
        TStyle style;
        const auto object = style.Element({"ImageFile = nine.bmp", "SizingMargins = 3,3,3,3",
                                           QStringLiteral("SizingType = %1").arg(QLatin1String(sizing))});
        TSurface surface(14, 12);
        object->Draw(surface.bitmap.Canvas(), Rect(1, 1, 13, 11), 1, {});
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 14; ++x)
                ASSERT_EQ(surface.bitmap.GetPixel(x, y), kBack) << x << "," << y;
        EXPECT_EQ(object->LastImage, &object->ImageFile);
    }
}

TEST(MsuxThemeObject, ClipRectSkipsPartsButNeverCorners)
{
    TStyle style;
    const auto object = style.Element({"ImageFile = nine.bmp", "SizingMargins = 3,3,3,3"});
    TSurface surface(20, 20);
    object->Draw(surface.bitmap.Canvas(), Rect(0, 0, 20, 20), 1, Rect(0, 0, 2, 2));
    EXPECT_EQ(surface.bitmap.GetPixel(10, 10), kBack);  // centre
    EXPECT_EQ(surface.bitmap.GetPixel(10, 1), kBack);   // top band
    EXPECT_EQ(surface.bitmap.GetPixel(1, 10), kBack);   // left band
    EXPECT_EQ(surface.bitmap.GetPixel(0, 0), kCells[0]);
    EXPECT_EQ(surface.bitmap.GetPixel(19, 0), kCells[2]);
    EXPECT_EQ(surface.bitmap.GetPixel(19, 19), kCells[8]);

    TSurface meeting(20, 20);
    object->Draw(meeting.bitmap.Canvas(), Rect(0, 0, 20, 20), 1, Rect(9, 9, 11, 11));
    EXPECT_EQ(meeting.bitmap.GetPixel(10, 10), kCells[4]);
    EXPECT_EQ(meeting.bitmap.GetPixel(10, 1), kBack);
}

TEST(MsuxThemeObject, FillAndBorderBackgrounds)
{
    TStyle style;
    const auto border = style.Element({"BgType = borderfill", "BorderSize = 2", "BorderColor = 255 0 0",
                                       "FillColor = 0 0 255"});
    TSurface surface(8, 8);
    border->Draw(surface.bitmap.Canvas(), Rect(1, 1, 7, 7), 1, {});
    EXPECT_EQ(surface.bitmap.GetPixel(0, 0), kBack);
    EXPECT_EQ(surface.bitmap.GetPixel(1, 1) & 0x00FFFFFF, 0x00FF0000u);
    EXPECT_EQ(surface.bitmap.GetPixel(2, 4) & 0x00FFFFFF, 0x00FF0000u);
    EXPECT_EQ(surface.bitmap.GetPixel(3, 3) & 0x00FFFFFF, 0x000000FFu);

    // A fill background without a fill colour, and a "none" background, leave the pixels alone.
    for (const char* keys : {"TextColor = 1 1 1", "BgType = none"}) {
        SCOPED_TRACE(keys);
        const auto object = style.Element({keys});
        TSurface untouched(4, 4);
        object->Draw(untouched.bitmap.Canvas(), Rect(0, 0, 4, 4), 1, {});
        EXPECT_EQ(untouched.bitmap.GetPixel(2, 2), kBack);
    }
}

TEST(MsuxThemeObject, OpaqueImagesCopyEvenKeyAndAlphaPixels)
{
    TStyle style;
    auto half = MakeBitmap(QStringLiteral("HALF_BMP"), 2, 2, 0x80FF0000);
    half->SetAlphaBlend(true);
    style.bitmaps.Add(std::move(half));
    const auto object = style.Element({"ImageFile = half.bmp", "SizingType = truesize"});
    ASSERT_TRUE(object->DrawTransparent);
    object->DrawTransparent = false;
    TSurface surface(2, 2);
    object->Draw(surface.bitmap.Canvas(), Rect(0, 0, 2, 2), 1, {});
    EXPECT_EQ(surface.bitmap.GetPixel(0, 0), 0x80FF0000u);
    // The shared bitmap keeps its own flags for other sections.
    EXPECT_TRUE(style.bitmaps.FindBitmap(QStringLiteral("HALF_BMP"))->AlphaBlend());
}

TEST(MsuxThemeObject, SizeSelectedImagesAndGlyphs)
{
    TStyle style;
    style.bitmaps.Add(MakeBitmap(QStringLiteral("SMALL_BMP"), 2, 2, 0xFF0000AA));
    style.bitmaps.Add(MakeBitmap(QStringLiteral("LARGE_BMP"), 6, 6, 0xFF0000BB));
    // The image that is narrower than the room left by the content margins wins, the later one first.
    struct {
        int width;
        TteColor centre;
    } const cases[] = {{5, 0xFF0000AA}, {10, 0xFF0000BB}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const auto object = style.Element({"ImageFile1 = small.bmp", "ImageFile2 = large.bmp", "ImageSelectType = dpi",
                                           "ContentMargins = 1, 1, 0, 0", "SizingType = truesize"});
        TSurface surface(10, 10);
        object->Draw(surface.bitmap.Canvas(), Rect(0, 0, c.width, 10), 1, {});
        EXPECT_EQ(surface.bitmap.GetPixel(c.width / 2, 5), c.centre);
    }

    // An image glyph: the background fill, then the glyph frame unscaled in the middle.
    const auto glyph = style.Element({"FillColor = 0 255 0", "GlyphType = imageglyph",
                                      "GlyphImageFile = brushed\\frames.bmp", "ImageCount = 5", "ImageLayout = vertical"});
    TSurface surface(8, 8);
    glyph->Draw(surface.bitmap.Canvas(), Rect(0, 0, 8, 8), 4, {});
    EXPECT_EQ(glyph->BgType, TmsuxThemeObject::kbgFill);
    EXPECT_EQ(surface.bitmap.GetPixel(0, 0) & 0x00FFFFFF, 0x0000FF00u);
    EXPECT_EQ(surface.bitmap.GetPixel(2, 2), FrameColour(4));
    EXPECT_EQ(surface.bitmap.GetPixel(5, 5), FrameColour(4));
    EXPECT_EQ(surface.bitmap.GetPixel(6, 6) & 0x00FFFFFF, 0x0000FF00u);
}
