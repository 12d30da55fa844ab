#include "graphics/Pixel.h"

#include <algorithm>
#include <cmath>

namespace {

int ClampByte(int v) { return std::clamp(v, 0, 255); }

// Halves go to even, as every rounding of the theme arithmetic does.
int RoundEven(float v) { return static_cast<int>(std::nearbyint(v)); }

float HueChannel(float m1, float m2, float h)
{
    h = h - std::floor(h);
    if (6.0f * h < 1.0f)
        return m1 + (m2 - m1) * h * 6.0f;
    if (2.0f * h < 1.0f)
        return m2;
    if (3.0f * h < 2.0f)
        return m1 + (m2 - m1) * (2.0f / 3.0f - h) * 6.0f;
    return m1;
}

}  // namespace

TteColor ColorToPixel(TColor color)
{
    return ColorToPixelAlpha(color, 255);
}

TteColor ColorToPixelAlpha(TColor color, int alpha)
{
    const TColor rgb = ColorToRGB(color);
    return (static_cast<TteColor>(alpha & 0xFF) << 24) | (static_cast<TteColor>(GetRValue(rgb)) << 16) |
           (static_cast<TteColor>(GetGValue(rgb)) << 8) | static_cast<TteColor>(GetBValue(rgb));
}

TColor PixelToColor(TteColor pixel)
{
    return RGB(RedOf(pixel), GreenOf(pixel), BlueOf(pixel));
}

TteColor MakePixel(std::int16_t red, std::int16_t green, std::int16_t blue, std::uint8_t alpha)
{
    return (static_cast<TteColor>(alpha) << 24) | (static_cast<TteColor>(ClampByte(red)) << 16) |
           (static_cast<TteColor>(ClampByte(green)) << 8) | static_cast<TteColor>(ClampByte(blue));
}

TteColor OffsetPixel(TteColor pixel, int redDelta, int greenDelta, int blueDelta, int alphaDelta)
{
    const TteColor a = static_cast<TteColor>((AlphaOf(pixel) + alphaDelta) & 0xFF);
    return (a << 24) | (static_cast<TteColor>(ClampByte(RedOf(pixel) + redDelta)) << 16) |
           (static_cast<TteColor>(ClampByte(GreenOf(pixel) + greenDelta)) << 8) |
           static_cast<TteColor>(ClampByte(BlueOf(pixel) + blueDelta));
}

TteColor OffsetPixelRGB(TteColor pixel, int delta)
{
    return OffsetPixel(pixel, delta, delta, delta, 0);
}

TColor OffsetColor(TColor color, int redDelta, int greenDelta, int blueDelta)
{
    return PixelToColor(OffsetPixel(ColorToPixel(color), redDelta, greenDelta, blueDelta, 0));
}

TColor OffsetColorRGB(TColor color, int delta)
{
    return OffsetColor(color, delta, delta, delta);
}

THsl PixelToHSL(TteColor pixel)
{
    const float r = static_cast<float>(RedOf(pixel)) / 255.0f;
    const float g = static_cast<float>(GreenOf(pixel)) / 255.0f;
    const float b = static_cast<float>(BlueOf(pixel)) / 255.0f;
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    THsl hsl;
    hsl.L = (max + min) / 2.0f;
    if (max == min)
        return hsl;
    const float d = max - min;
    hsl.S = hsl.L < 0.5f ? d / (max + min) : d / (2.0f - max - min);
    float h;
    if (max == r)
        h = (g - b) / d;
    else if (max == g)
        h = (b - r) / d + 2.0f;
    else
        h = (r - g) / d + 4.0f;
    h = h / 6.0f;
    if (h < 0.0f)
        h = h + 1.0f;
    hsl.H = h;
    return hsl;
}

TteColor HSLToPixel(float hue, float saturation, float lightness)
{
    int red, green, blue;
    if (saturation == 0.0f) {
        red = green = blue = RoundEven(lightness * 255.0f);
    } else {
        const float m2 = lightness <= 0.5f ? lightness * (1.0f + saturation)
                                           : lightness + saturation - lightness * saturation;
        const float m1 = 2.0f * lightness - m2;
        red = RoundEven(HueChannel(m1, m2, hue + 1.0f / 3.0f) * 255.0f);
        green = RoundEven(HueChannel(m1, m2, hue) * 255.0f);
        blue = RoundEven(HueChannel(m1, m2, hue - 1.0f / 3.0f) * 255.0f);
    }
    return MakePixel(static_cast<std::int16_t>(red), static_cast<std::int16_t>(green),
                     static_cast<std::int16_t>(blue), 255);
}

TteColor HueShiftPixel(TteColor pixel, int delta)
{
    const THsl hsl = PixelToHSL(pixel);
    int h = RoundEven(hsl.H * 255.0f) + delta;
    if (h > 255)
        h -= 255;
    if (h < 0)
        h += 255;
    return HSLToPixel(static_cast<float>(h) / 255.0f, hsl.S, hsl.L);
}

TteColor BrightnessShiftPixel(TteColor pixel, int delta)
{
    return MakePixel(static_cast<std::int16_t>(std::clamp(RedOf(pixel) + delta, -32768, 32767)),
                     static_cast<std::int16_t>(std::clamp(GreenOf(pixel) + delta, -32768, 32767)),
                     static_cast<std::int16_t>(std::clamp(BlueOf(pixel) + delta, -32768, 32767)), 255);
}

TColor HueShiftColor(TColor color, int delta)
{
    return PixelToColor(HueShiftPixel(ColorToPixelAlpha(color, 255), delta));
}

TColor BrightnessShiftColor(TColor color, int delta)
{
    return PixelToColor(BrightnessShiftPixel(ColorToPixelAlpha(color, 255), delta));
}

void ShiftColors(std::span<TColor> colors, TColor (*shift)(TColor, int), int delta)
{
    if (delta == 0)
        return;
    for (TColor& color : colors)
        color = shift(color, delta);
}
