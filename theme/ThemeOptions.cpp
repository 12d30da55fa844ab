#include "theme/ThemeOptions.h"

#include "framework/Stream.h"
#include "theme/ThemeError.h"

TteThemeOptions::TteThemeOptions(TteTheme* theme) : theme_(theme) {}

std::uint8_t TteThemeOptions::GetOption(int index) const
{
    if (index < 0 || index >= kCount)
        throw EThemeError(QStringLiteral("Theme option index %1 out of range").arg(index));
    return options_[static_cast<std::size_t>(index)];
}

void TteThemeOptions::SetOption(int index, std::uint8_t value)
{
    if (index < 0 || index >= kCount)
        throw EThemeError(QStringLiteral("Theme option index %1 out of range").arg(index));
    options_[static_cast<std::size_t>(index)] = value;
}

void TteThemeOptions::ReadOptions(TStream& stream)
{
    std::uint8_t last = 0;
    stream.ReadBuffer(&last, 1);
    for (int i = 0; i <= last; ++i) {
        std::uint8_t value = 0;
        stream.ReadBuffer(&value, 1);
        if (i < kCount)
            options_[static_cast<std::size_t>(i)] = value;
    }
}

void TteThemeOptions::WriteOptions(TStream& stream) const
{
    const std::uint8_t last = kCount - 1;
    stream.WriteBuffer(&last, 1);
    stream.WriteBuffer(options_.data(), kCount);
}

void TteThemeOptions::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TteThemeOptions*>(source)) {
        options_ = other->options_;
        return;
    }
    TPersistent::Assign(source);
}
