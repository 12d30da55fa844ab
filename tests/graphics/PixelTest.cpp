// Colour arithmetic: conversions, clamping, HSL and the hue and brightness shifts.
#include <gtest/gtest.h>

#include "graphics/Pixel.h"

namespace {

TEST(PixelTest, ConvertsBetweenFrameworkColoursAndPixels)
{
    EXPECT_EQ(ColorToPixelAlpha(clRed, 100), 0x64FF0000u);
    EXPECT_EQ(ColorToPixel(RGB(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(PixelToColor(0x64FF0000u), clRed);
    // System colours are resolved before the byte order is turned round.
    EXPECT_EQ(ColorToPixel(clBtnFace), ColorToPixel(ColorToRGB(clBtnFace)));
    EXPECT_NE(ColorToPixel(clBtnFace) & 0x00FFFFFFu, 0x0000000Fu);
}

TEST(PixelTest, ClampsAndOffsetsChannels)
{
    struct Case {
        TteColor actual;
        TteColor expected;
    } cases[] = {
        {MakePixel(300, -4, 128, 7), 0x07FF0080u},
        {OffsetPixel(0xFE102030u, 250, -40, 5, 3), 0x01FF0035u},  // alpha wraps, colours clamp
        {OffsetPixelRGB(0x80102030u, -0x18), 0x80000818u},
        {BrightnessShiftPixel(0x40102030u, -32), 0xFF000010u},
        {BrightnessShiftPixel(0x00F0F0F0u, 100000), 0xFFFFFFFFu},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << std::hex << c.expected;
    EXPECT_EQ(OffsetColor(RGB(10, 20, 30), 5, -30, 300), RGB(15, 0, 255));
    EXPECT_EQ(OffsetColorRGB(RGB(10, 20, 250), 10), RGB(20, 30, 255));
}

TEST(PixelTest, ConvertsToHslAndBack)
{
    const THsl red = PixelToHSL(0xFFFF0000u);
    EXPECT_FLOAT_EQ(red.H, 0.0f);
    EXPECT_FLOAT_EQ(red.S, 1.0f);
    EXPECT_FLOAT_EQ(red.L, 0.5f);
    const THsl blue = PixelToHSL(0x000000FFu);
    EXPECT_FLOAT_EQ(blue.H, 4.0f / 6.0f);
    // Magenta: (r - g) / d is negative, so the hue wraps below 1.
    EXPECT_FLOAT_EQ(PixelToHSL(0xFFFF00FFu).H, 5.0f / 6.0f);
    const THsl grey = PixelToHSL(0xFF808080u);
    EXPECT_EQ(grey.S, 0.0f);
    EXPECT_EQ(HSLToPixel(grey.H, grey.S, grey.L), 0xFF808080u);
    // Every opaque primary and secondary colour survives the round trip.
    for (TteColor c : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u, 0xFF00FFFFu, 0xFFFF00FFu, 0xFF336699u}) {
        const THsl hsl = PixelToHSL(c);
        EXPECT_EQ(HSLToPixel(hsl.H, hsl.S, hsl.L), c) << std::hex << c;
    }
}

TEST(PixelTest, ShiftsHueOnA255StepCircle)
{
    struct Case {
        TteColor pixel;
        int delta;
        TteColor expected;
    } cases[] = {
        {0xFFFF0000u, 85, 0xFF00FF00u},   // a third of the circle: red to green
        {0x80FF0000u, 170, 0xFF0000FFu},  // the result is opaque
        {0xFFFF0000u, 255, 0xFFFF0000u},  // a full turn is 255 steps, not 256
        // Hue 0 + 300 wraps to 45: red 240 by the falling slope of the red channel.
        {0xFFFF0000u, 300, 0xFFF0FF00u},
        {0xFFFF0000u, -85, 0xFF0000FFu},  // below 0 wraps up by 255
        {0xFF7F7F7Fu, 123, 0xFF7F7F7Fu},  // grey has no hue to turn
    };
    for (const auto& c : cases)
        EXPECT_EQ(HueShiftPixel(c.pixel, c.delta), c.expected) << std::hex << c.pixel << " by " << std::dec << c.delta;
    EXPECT_EQ(HueShiftPixel(0xFFFF0000u, 300), HSLToPixel(45.0f / 255.0f, 1.0f, 0.5f));
}

TEST(PixelTest, BlendsWhiteHalfOverBlack)
{
    // (255 * 128) >> 8 = 127 for the colours, (128 * 128 + 255 * 128) >> 8 = 191 for alpha.
    EXPECT_EQ(BlendPixel(0x80FFFFFFu, 0xFF000000u), 0xBF7F7F7Fu);
    EXPECT_EQ(BlendPixel(0x00123456u, 0x89ABCDEFu), 0x89ABCDEFu);
}

// Every pair of top and bottom bytes under every alpha, against the formula one channel at a time.
TEST(PixelTest, BlendFormulaHoldsForAllBytePairs)
{
    for (unsigned a = 0; a < 256; ++a) {
        for (unsigned t = 0; t < 256; ++t) {
            const TteColor top = (a << 24) | (t << 16) | ((255 - t) << 8) | t;
            for (unsigned b = 0; b < 256; b += 1) {
                const TteColor bottom = (b << 24) | (b << 16) | (b << 8) | (255 - b);
                const TteColor got = BlendPixel(top, bottom);
                const unsigned alpha = (a * a + b * (256 - a)) >> 8;
                const unsigned red = (t * a + b * (256 - a)) >> 8;
                const unsigned green = ((255 - t) * a + b * (256 - a)) >> 8;
                const unsigned blue = (t * a + (255 - b) * (256 - a)) >> 8;
                const TteColor want = (alpha << 24) | (red << 16) | (green << 8) | blue;
                if (got != want) {
                    ADD_FAILURE() << "a " << a << " t " << t << " b " << b << std::hex << ": " << got << " != " << want;
                    return;
                }
            }
        }
    }
}

}  // namespace
