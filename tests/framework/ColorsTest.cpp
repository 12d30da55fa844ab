#include <gtest/gtest.h>

#include "framework/Colors.h"
#include "framework/Exception.h"

TEST(Colors, SystemColoursResolveThroughTheClassicPalette)
{
    struct Case {
        TColor color;
        TColor rgb;
    } cases[] = {
        {clBtnFace, RGB(212, 208, 200)}, {clWindow, RGB(255, 255, 255)}, {clHighlight, RGB(10, 36, 106)},
        {clInfoBk, RGB(255, 255, 225)},  {clBtnShadow, RGB(128, 128, 128)}, {0x00123456, 0x00123456},
        {0x7F123456, 0x00123456},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToRGB(c.color), c.rgb) << std::hex << c.color;
}

TEST(Colors, TextFormsRoundTrip)
{
    struct Case {
        TColor color;
        const char* text;
    } cases[] = {
        {clBtnFace, "clBtnFace"}, {clNone, "clNone"},         {clDefault, "clDefault"},
        {clWhite, "clWhite"},     {0x00123456, "$00123456"},  {0x8000001F, "$8000001F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToString(c.color), c.text);
        EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
    }
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("255"), clRed);
}

TEST(Colors, BadTextIsAConversionError)
{
    for (const char* text : {"", "clNoSuch", "$12G", "$123456789", "red"})
        EXPECT_THROW(StringToColor(text), EConvertError) << text;
}
