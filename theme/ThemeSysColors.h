#pragma once
// A theme's substitutes for the platform's system colours, looked up by system-colour identifier.
#include <QString>
#include <array>

#include "framework/Colors.h"
#include "framework/Persistent.h"

class TStream;
class TteTheme;

class TteThemeSysColors : public TPersistent {
public:
    static constexpr int kCount = 26;

    // Each entry starts as the current RGB value of its identifier.
    explicit TteThemeSysColors(TteTheme* theme = nullptr);

    TteTheme* Theme() const { return theme_; }

    // The system-colour identifier entry index substitutes, and its name.
    static TColor Identifier(int index);
    static QString Name(int index);

    // The entry of the first row with this identifier; clNone for an identifier not in the table.
    TColor GetSysColor(TColor identifier) const;
    // Sets the first row with this identifier; an unknown identifier changes nothing.
    void SetSysColor(TColor identifier, TColor color);
    // By row (raise EThemeError outside 0-25); rows 1 and 10 share one identifier.
    TColor Entry(int index) const;
    void SetEntry(int index, TColor color);

    void ApplyHue(int delta);
    void ApplyBrightness(int delta);

    // An int32 count, then per entry name, ":" and colour text; reading as the colour table.
    void ReadColors(TStream& stream);
    void WriteColors(TStream& stream) const;

    void Assign(const TPersistent* source) override;

private:
    TteTheme* theme_;
    std::array<TColor, kCount> colors_{};
};
