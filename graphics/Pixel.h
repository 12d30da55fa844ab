#pragma once
// The 32-bit straight-alpha pixel and the colour arithmetic that theme tinting goes through.
#include <cstdint>
#include <span>
#include <vector>

#include "framework/Colors.h"

// 0xAARRGGBB; in memory the bytes blue, green, red, alpha. Never premultiplied.
using TteColor = std::uint32_t;
using TArrayOfteColor = std::vector<TteColor>;

// Marks holes for key-transparent drawing; only the low 24 bits are compared.
constexpr TteColor TransparentKey = 0x007F007F;
constexpr TteColor kRgbMask = 0x00FFFFFF;

constexpr bool IsKeyPixel(TteColor p) { return (p & kRgbMask) == TransparentKey; }
constexpr int AlphaOf(TteColor p) { return static_cast<int>(p >> 24); }
constexpr int RedOf(TteColor p) { return static_cast<int>((p >> 16) & 0xFF); }
constexpr int GreenOf(TteColor p) { return static_cast<int>((p >> 8) & 0xFF); }
constexpr int BlueOf(TteColor p) { return static_cast<int>(p & 0xFF); }

// Hue in [0, 1), saturation and lightness in [0, 1], as 32-bit floats.
struct THsl {
    float H = 0;
    float S = 0;
    float L = 0;
};

TteColor ColorToPixel(TColor color);
TteColor ColorToPixelAlpha(TColor color, int alpha);
TColor PixelToColor(TteColor pixel);
// Colour arguments are clamped to 0-255.
TteColor MakePixel(std::int16_t red, std::int16_t green, std::int16_t blue, std::uint8_t alpha);
// Colour channels clamp; alpha wraps modulo 256.
TteColor OffsetPixel(TteColor pixel, int redDelta, int greenDelta, int blueDelta, int alphaDelta);
TteColor OffsetPixelRGB(TteColor pixel, int delta);
TColor OffsetColor(TColor color, int redDelta, int greenDelta, int blueDelta);
TColor OffsetColorRGB(TColor color, int delta);

THsl PixelToHSL(TteColor pixel);
TteColor HSLToPixel(float hue, float saturation, float lightness);
// delta in steps of a 255-step hue circle; the result is opaque.
TteColor HueShiftPixel(TteColor pixel, int delta);
TteColor BrightnessShiftPixel(TteColor pixel, int delta);
// The same on a framework colour (system colours resolved first); the result is RGB.
TColor HueShiftColor(TColor color, int delta);
TColor BrightnessShiftColor(TColor color, int delta);
// Every colour of a table through shift; a delta of 0 leaves the table as it is, system colours
// unresolved.
void ShiftColors(std::span<TColor> colors, TColor (*shift)(TColor, int), int delta);

// Top over bottom on all four channels: (t * a + b * (256 - a)) >> 8, a = alpha(top).
constexpr TteColor BlendPixel(TteColor top, TteColor bottom)
{
    const std::uint32_t a = top >> 24;
    const std::uint32_t ia = 256 - a;
    const std::uint32_t rb = (((top & 0x00FF00FF) * a + (bottom & 0x00FF00FF) * ia) >> 8) & 0x00FF00FF;
    const std::uint32_t ag = ((((top >> 8) & 0x00FF00FF) * a + ((bottom >> 8) & 0x00FF00FF) * ia)) & 0xFF00FF00;
    return rb | ag;
}
