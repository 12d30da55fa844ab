#pragma once
// The 22 named colours a theme draws with, rebuilt from base values and then tinted.
#include <QString>
#include <array>

#include "framework/Colors.h"
#include "framework/Persistent.h"

class TStream;
class TteTheme;

enum class TteThemeColor {
    ktcCaptionNormal,
    ktcCaptionInactive,
    ktcWindowBorder,
    ktcWindow,
    ktcBorder,
    ktcPanelNormal,
    ktcPanelDisabled,
    ktcButtonNormal,
    ktcButtonHot,
    ktcButtonPressed,
    ktcButtonFocused,
    ktcButtonDisabled,
    ktcEditNormal,
    ktcEditHot,
    ktcEditFocused,
    ktcEditDisabled,
    ktcEditSelection,
    ktcHint,
    ktcList,
    ktcTree,
    ktcGrid,
    ktcBarDock,
};

class TteThemeColors : public TPersistent {
public:
    static constexpr int kCount = 22;

    explicit TteThemeColors(TteTheme* theme = nullptr);

    TteTheme* Theme() const { return theme_; }

    // Raise EThemeError for an index outside 0-21.
    TColor GetColor(int index) const;
    void SetColor(int index, TColor color);
    TColor GetColor(TteThemeColor color) const { return GetColor(static_cast<int>(color)); }
    void SetColor(TteThemeColor color, TColor value) { SetColor(static_cast<int>(color), value); }
    // The name the stream form carries ("CaptionNormal", ...).
    static QString Name(int index);
    // The values the abstract theme starts from.
    void SetDefaults();

    // Every entry resolved to RGB, turned round the hue circle (or shifted in brightness) by
    // delta; a delta of 0 leaves the entries as they are (system colours unresolved).
    void ApplyHue(int delta);
    void ApplyBrightness(int delta);

    // One byte count - 1, then per entry name, ":" and colour text. Reading ignores the names,
    // fills entries in order as far as the count says and skips entries beyond the table.
    void ReadColors(TStream& stream);
    void WriteColors(TStream& stream) const;

    void Assign(const TPersistent* source) override;

private:
    TteTheme* theme_;
    std::array<TColor, kCount> colors_{};
};
