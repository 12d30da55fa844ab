#pragma once
// Changes a themed control makes to the font it draws its text in, on top of the font it got from
// the theme or its own Font: styles added, size shifted, face and colour replaced.
#include <QString>
#include <functional>

#include "framework/Colors.h"
#include "framework/Persistent.h"

class TFont;

class TTeFontOptions : public TPersistent {
public:
    // changed runs after every change of a value.
    explicit TTeFontOptions(std::function<void()> changed = {});

    bool Bold() const { return bold_; }
    void SetBold(bool value) { Set(bold_, value); }
    bool Italic() const { return italic_; }
    void SetItalic(bool value) { Set(italic_, value); }
    bool Underline() const { return underline_; }
    void SetUnderline(bool value) { Set(underline_, value); }
    bool StrikeOut() const { return strikeOut_; }
    void SetStrikeOut(bool value) { Set(strikeOut_, value); }
    int SizeDelta() const { return sizeDelta_; }
    void SetSizeDelta(int value) { Set(sizeDelta_, value); }
    const QString& FontName() const { return fontName_; }
    void SetFontName(const QString& value) { Set(fontName_, value); }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value) { Set(fontColor_, value); }

    // Adds the styles that are set (never removes one), adds SizeDelta to the size, and replaces
    // the face when FontName is not empty and the colour when FontColor is not clNone.
    void ApplyTo(TFont& font) const;
    // From another TTeFontOptions: all seven values.
    void Assign(const TPersistent* source) override;

private:
    template <typename V>
    void Set(V& field, const V& value)
    {
        if (field == value)
            return;
        field = value;
        if (changed_)
            changed_();
    }

    std::function<void()> changed_;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool strikeOut_ = false;
    int sizeDelta_ = 0;
    QString fontName_;
    TColor fontColor_ = clNone;
};

void RegisterFontOptionsProperties();
