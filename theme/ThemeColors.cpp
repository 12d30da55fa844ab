#include "theme/ThemeColors.h"

#include <array>

#include "framework/Stream.h"
#include "graphics/Pixel.h"
#include "theme/ThemeError.h"
#include "theme/ThemeTableStream.h"

namespace {

constexpr std::array<const char*, TteThemeColors::kCount> kNames = {
    "CaptionNormal", "CaptionInactive", "WindowBorder", "Window",      "Border",        "PanelNormal",
    "PanelDisabled", "ButtonNormal",    "ButtonHot",    "ButtonPressed", "ButtonFocused", "ButtonDisabled",
    "EditNormal",    "EditHot",         "EditFocused",  "EditDisabled", "EditSelection", "Hint",
    "List",          "Tree",            "Grid",         "BarDock",
};

constexpr std::array<TColor, TteThemeColors::kCount> kDefaults = {
    0x00FF0000, 0x00C0C0C0, 0x00808080, 0x00C0C0C0, 0,         clBtnFace, clBtnFace,   clBtnFace,
    clBtnFace,  clBtnFace,  clBtnFace,  clBtnFace,  clWindow,  clWindow,  clWindow,    clBtnFace,
    clHighlight, clInfoBk,  clWindow,   clWindow,   clWindow,  clBtnFace,
};

void CheckIndex(int index)
{
    if (index < 0 || index >= TteThemeColors::kCount)
        throw EThemeError(QStringLiteral("Theme colour index %1 out of range").arg(index));
}

}  // namespace

TteThemeColors::TteThemeColors(TteTheme* theme) : theme_(theme) {}

TColor TteThemeColors::GetColor(int index) const
{
    CheckIndex(index);
    return colors_[static_cast<std::size_t>(index)];
}

void TteThemeColors::SetColor(int index, TColor color)
{
    CheckIndex(index);
    colors_[static_cast<std::size_t>(index)] = color;
}

QString TteThemeColors::Name(int index)
{
    CheckIndex(index);
    return QString::fromLatin1(kNames[static_cast<std::size_t>(index)]);
}

void TteThemeColors::SetDefaults()
{
    colors_ = kDefaults;
}

void TteThemeColors::ApplyHue(int delta)
{
    ShiftColors(colors_, HueShiftColor, delta);
}

void TteThemeColors::ApplyBrightness(int delta)
{
    ShiftColors(colors_, BrightnessShiftColor, delta);
}

void TteThemeColors::ReadColors(TStream& stream)
{
    std::uint8_t last = 0;
    stream.ReadBuffer(&last, 1);
    for (int i = 0; i <= last; ++i) {
        const TColor color = StringToColor(ReadTableEntry(stream));
        // Entries past the table are read to stay in step with the stream, and dropped.
        if (i < kCount)
            colors_[static_cast<std::size_t>(i)] = color;
    }
}

void TteThemeColors::WriteColors(TStream& stream) const
{
    const std::uint8_t last = kCount - 1;
    stream.WriteBuffer(&last, 1);
    for (int i = 0; i < kCount; ++i)
        WriteTableEntry(stream, Name(i), ColorToString(colors_[static_cast<std::size_t>(i)]));
}

void TteThemeColors::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TteThemeColors*>(source)) {
        colors_ = other->colors_;
        return;
    }
    TPersistent::Assign(source);
}
