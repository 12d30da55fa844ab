// The value forms of visual-style keys.
#include <gtest/gtest.h>

#include "framework/Exception.h"
#include "framework/Font.h"
#include "themes/MsuxValueForms.h"

TEST(MsuxValueForms, Colours)
{
    struct {
        const char* text;
        TColor expected;
    } const cases[] = {{"255 0 128", 0x008000FF}, {" 1,2,3 ", 0x00030201}, {"10", 10},      {"", 0},
                       {"1 x 3", 0x00030001},     {"300 -5 7", 0x000700FF}, {"0 255", 0x0000FF00}};
    for (const auto& c : cases)
        EXPECT_EQ(MsuxColor(QLatin1String(c.text)), c.expected) << c.text;
}

TEST(MsuxValueForms, MarginsAndPoints)
{
    EXPECT_EQ(MsuxMargins(QStringLiteral("1, 2, 3, 4")), Rect(1, 3, 2, 4));
    for (const char* bad : {"1, 2, 3", "1, 2, x, 4", "", "a b c d"})
        EXPECT_EQ(MsuxMargins(QLatin1String(bad)), Rect(0, 0, 0, 0)) << bad;
    EXPECT_EQ(MsuxPoint(QStringLiteral("3, -1")), Point(3, -1));
    EXPECT_THROW(MsuxPoint(QStringLiteral("3")), EConvertError);
    EXPECT_THROW(MsuxInteger(QStringLiteral("4px")), EConvertError);
}

TEST(MsuxValueForms, Words)
{
    struct {
        std::uint8_t (*form)(const QString&);
        const char* text;
        int expected;
    } const cases[] = {
        {MsuxBgType, "ImageFile", 2},          {MsuxBgType, "none", 3},
        {MsuxBgType, "borderfill", 1},         {MsuxBgType, "solid", 0},
        {MsuxSizingType, "TileVertical", 2},   {MsuxSizingType, "BorderStretchClientTile", 6},
        {MsuxSizingType, "truesize", 4},       {MsuxSizingType, "fit", 0},
        {MsuxImageSelectType, "dpi 96", 1},    {MsuxImageSelectType, "SIZE", 2},
        {MsuxImageSelectType, "other", 0},     {MsuxContentAlignment, "right", 2},
        {MsuxTextShadowType, "single", 1},     {MsuxImageLayout, "Horizontal", 1},
        {MsuxImageLayout, "vertical", 0},      {MsuxGlyphType, "imageglyph", 1},
        {MsuxGlyphType, "fontglyph", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.form(QLatin1String(c.text)), c.expected) << c.text;
    for (const char* yes : {"true", "TRUE", "1", "yes"})
        EXPECT_TRUE(MsuxBoolean(QLatin1String(yes))) << yes;
    for (const char* no : {"false", "0", "y", ""})
        EXPECT_FALSE(MsuxBoolean(QLatin1String(no))) << no;
}

TEST(MsuxValueForms, ResourceImageNames)
{
    struct {
        const char* value;
        const char* expected;
    } const cases[] = {{"Brushed\\CHECKM2.bmp", "Brushed_CHECKM2_bmp"},
                       {"Brushed\\FrameCaption.bmp", "Brushed_FrameCaption_bmp"},
                       {"a.txt", "a.txt"},
                       {"a.b", "a.b"},
                       {"x.BM", "x_BM"},
                       {" dir\\a.b.bmp ", "dir_a_b_bmp"}, {"a.bb", "a_bb"}};
    for (const auto& c : cases)
        EXPECT_EQ(ResourceImageName(QLatin1String(c.value)), QLatin1String(c.expected)) << c.value;
}

TEST(MsuxValueForms, Fonts)
{
    struct {
        const char* text;
        const char* face;
        int size;
        TFontStyles style;
    } const cases[] = {{"Lucida Grande, 9", "Lucida Grande", 9, {}},
                       {"Tahoma, 8, bold", "Tahoma", 8, {TFontStyle::fsBold}},
                       {"Tahoma, 8, , italic, , strike", "Tahoma", 8, {TFontStyle::fsItalic, TFontStyle::fsStrikeOut}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TFont font;
        MsuxFont(QLatin1String(c.text), font);
        EXPECT_EQ(font.Name(), QLatin1String(c.face));
        EXPECT_EQ(font.Size(), c.size);
        EXPECT_TRUE(font.Style() == c.style);
    }
    TFont font;
    EXPECT_THROW(MsuxFont(QStringLiteral("Tahoma, big"), font), EConvertError);
}
