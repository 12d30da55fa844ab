#include "theme/ThemeSysColors.h"

#include <array>

#include "framework/Stream.h"
#include "graphics/Pixel.h"
#include "theme/ThemeError.h"
#include "theme/ThemeTableStream.h"

namespace {

// Row 10 repeats row 1: lookups by identifier always land on row 1.
constexpr std::array<TColor, TteThemeSysColors::kCount> kRows = {
    clActiveBorder,
    clActiveCaption,
    clAppWorkSpace,
    clBackground,
    clBtnFace,
    clBtnHighlight,
    clBtnShadow,
    clBtnText,
    clCaptionText,
    clDefault,
    clActiveCaption,
    clGrayText,
    clHighlight,
    clHighlightText,
    clInactiveBorder,
    clInactiveCaption,
    clInactiveCaptionText,
    clInfoBk,
    clInfoText,
    clMenu,
    clMenuText,
    clScrollBar,
    cl3DDkShadow,
    cl3DLight,
    clWindow,
    clWindowFrame,
};

void CheckIndex(int index)
{
    if (index < 0 || index >= TteThemeSysColors::kCount)
        throw EThemeError(QStringLiteral("System colour index %1 out of range").arg(index));
}

int RowOf(TColor identifier)
{
    for (int i = 0; i < TteThemeSysColors::kCount; ++i)
        if (kRows[static_cast<std::size_t>(i)] == identifier)
            return i;
    return -1;
}

}  // namespace

TteThemeSysColors::TteThemeSysColors(TteTheme* theme) : theme_(theme)
{
    for (int i = 0; i < kCount; ++i)
        colors_[static_cast<std::size_t>(i)] = ColorToRGB(kRows[static_cast<std::size_t>(i)]);
}

TColor TteThemeSysColors::Identifier(int index)
{
    CheckIndex(index);
    return kRows[static_cast<std::size_t>(index)];
}

QString TteThemeSysColors::Name(int index)
{
    CheckIndex(index);
    return ColorToString(kRows[static_cast<std::size_t>(index)]);
}

TColor TteThemeSysColors::GetSysColor(TColor identifier) const
{
    const int row = RowOf(identifier);
    return row < 0 ? clNone : colors_[static_cast<std::size_t>(row)];
}

void TteThemeSysColors::SetSysColor(TColor identifier, TColor color)
{
    const int row = RowOf(identifier);
    if (row >= 0)
        colors_[static_cast<std::size_t>(row)] = color;
}

TColor TteThemeSysColors::Entry(int index) const
{
    CheckIndex(index);
    return colors_[static_cast<std::size_t>(index)];
}

void TteThemeSysColors::SetEntry(int index, TColor color)
{
    CheckIndex(index);
    colors_[static_cast<std::size_t>(index)] = color;
}

void TteThemeSysColors::ApplyHue(int delta)
{
    ShiftColors(colors_, HueShiftColor, delta);
}

void TteThemeSysColors::ApplyBrightness(int delta)
{
    ShiftColors(colors_, BrightnessShiftColor, delta);
}

void TteThemeSysColors::ReadColors(TStream& stream)
{
    const std::int32_t count = ReadInt32(stream);
    for (qint32 i = 0; i < count; ++i) {
        const TColor color = StringToColor(ReadTableEntry(stream));
        if (i < kCount)
            colors_[static_cast<std::size_t>(i)] = color;
    }
}

void TteThemeSysColors::WriteColors(TStream& stream) const
{
    WriteInt32(stream, kCount);
    for (int i = 0; i < kCount; ++i)
        WriteTableEntry(stream, Name(i), ColorToString(colors_[static_cast<std::size_t>(i)]));
}

void TteThemeSysColors::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TteThemeSysColors*>(source)) {
        colors_ = other->colors_;
        return;
    }
    TPersistent::Assign(source);
}
