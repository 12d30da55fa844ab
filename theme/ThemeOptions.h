#pragma once
// Two option bytes a theme carries and stores; nothing in the program reads their values.
#include <array>
#include <cstdint>

#include "framework/Persistent.h"

class TStream;
class TteTheme;

class TteThemeOptions : public TPersistent {
public:
    static constexpr int kCount = 2;

    explicit TteThemeOptions(TteTheme* theme = nullptr);

    TteTheme* Theme() const { return theme_; }
    // Raise EThemeError for an index outside 0-1.
    std::uint8_t GetOption(int index) const;
    void SetOption(int index, std::uint8_t value);

    // One byte count - 1, then the bytes; reading skips bytes beyond the table.
    void ReadOptions(TStream& stream);
    void WriteOptions(TStream& stream) const;

    void Assign(const TPersistent* source) override;

private:
    TteTheme* theme_;
    std::array<std::uint8_t, kCount> options_{};
};
