#pragma once
// The 66 named fonts a theme draws text with, and a scratch font for per-object adjustments.
#include <QString>
#include <array>
#include <memory>

#include "framework/Font.h"
#include "framework/Persistent.h"

class TStream;
class TteTheme;

enum class TteThemeFont {
    ktfCaptionTextNormal,
    ktfCaptionTextInactive,
    ktfSmCaptionTextNormal,
    ktfSmCaptionTextInactive,
    ktfStaticTextNormal,
    ktfStaticTextHot,
    ktfStaticTextFocused,
    ktfStaticTextDisabled,
    ktfPanelTextNormal,
    ktfPanelTextDisabled,
    ktfButtonTextNormal,
    ktfButtonTextPressed,
    ktfButtonTextHot,
    ktfButtonTextFocused,
    ktfButtonTextDisabled,
    ktfCheckBoxTextNormal,
    ktfCheckBoxTextPressed,
    ktfCheckBoxTextHot,
    ktfCheckBoxTextFocused,
    ktfCheckBoxTextDisabled,
    ktfRadioButtonTextNormal,
    ktfRadioButtonTextPressed,
    ktfRadioButtonTextHot,
    ktfRadioButtonTextFocused,
    ktfRadioButtonTextDisabled,
    ktfGroupBoxTextNormal,
    ktfGroupBoxTextDisabled,
    ktfWindowTextNormal,
    ktfWindowTextDisabled,
    ktfEditBoxTextNormal,
    ktfEditBoxTextFocused,
    ktfEditBoxTextHot,
    ktfEditBoxTextDisabled,
    ktfEditBoxTextSelected,
    ktfMenuItemTextNormal,
    ktfMenuItemTextSelected,
    ktfMenuItemTextHot,
    ktfMenuItemTextDisabled,
    ktfToolItemTextNormal,
    ktfToolItemTextSelected,
    ktfToolItemTextHot,
    ktfToolItemTextDisabled,
    ktfHeaderSectionTextNormal,
    ktfHeaderSectionTextPressed,
    ktfHeaderSectionTextDraggedOut,
    ktfHeaderSectionTextDragging,
    ktfHeaderSectionTextHot,
    ktfHeaderSectionTextUnderDrag,
    ktfHeaderSectionTextDisabled,
    ktfStatusPanelTextNormal,
    ktfStatusPanelTextDisabled,
    ktfTabTextInactiveNormal,
    ktfTabTextInactiveHot,
    ktfTabTextInactiveDisabled,
    ktfTabTextActiveNormal,
    ktfTabTextActiveHot,
    ktfTabTextActiveDisabled,
    ktfListItemTextNormal,
    ktfListItemTextHot,
    ktfListItemTextSelected,
    ktfListItemTextFocused,
    ktfListItemTextDisabled,
    ktfPopupMenuItemTextNormal,
    ktfPopupMenuItemTextSelected,
    ktfPopupMenuItemTextHot,
    ktfPopupMenuItemTextDisabled,
};

class TteThemeFonts : public TPersistent {
public:
    static constexpr int kCount = 66;

    // Every font starts as "Tahoma".
    explicit TteThemeFonts(TteTheme* theme = nullptr);
    ~TteThemeFonts() override;

    TteTheme* Theme() const { return theme_; }

    // Raise EThemeError for an index outside 0-65.
    TFont* GetFont(int index) const;
    TFont* GetFont(TteThemeFont font) const { return GetFont(static_cast<int>(font)); }
    // For ObjectName other than "default" (and a theme to ask), a copy of the font that the theme
    // adjusted for the object, valid until the next call; otherwise the font itself.
    TFont* GetObjectFont(int index, const QString& objectName);
    static QString Name(int index);
    // The faces, sizes, colours and styles the abstract theme writes; the others keep theirs.
    void SetDefaults();

    // Font colours resolved to RGB and shifted; applied also for a delta of 0.
    void ApplyHue(int delta);
    void ApplyBrightness(int delta);

    // One byte count - 1, then per entry name, ":" and font text
    // ("Tahoma,8,1,0,0,0,bold": face, size, character set, red, green, blue, styles).
    void ReadFonts(TStream& stream);
    void WriteFonts(TStream& stream) const;
    static QString FontToText(const TFont& font);
    // The character set is not read back.
    static void TextToFont(const QString& text, TFont& font);

    void Assign(const TPersistent* source) override;

private:
    TteTheme* theme_;
    std::array<std::unique_ptr<TFont>, kCount> fonts_;
    TFont scratch_;
};
