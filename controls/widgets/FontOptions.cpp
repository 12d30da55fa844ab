#include "controls/widgets/FontOptions.h"

#include "framework/Font.h"
#include "framework/PropInfo.h"

TTeFontOptions::TTeFontOptions(std::function<void()> changed) : changed_(std::move(changed)) {}

void TTeFontOptions::ApplyTo(TFont& font) const
{
    TFontStyles style = font.Style();
    if (bold_)
        style.Include(TFontStyle::fsBold);
    if (italic_)
        style.Include(TFontStyle::fsItalic);
    if (underline_)
        style.Include(TFontStyle::fsUnderline);
    if (strikeOut_)
        style.Include(TFontStyle::fsStrikeOut);
    if (style != font.Style())
        font.SetStyle(style);
    if (sizeDelta_ != 0)
        font.SetSize(font.Size() + sizeDelta_);
    if (!fontName_.isEmpty())
        font.SetName(fontName_);
    if (fontColor_ != clNone)
        font.SetColor(fontColor_);
}

void TTeFontOptions::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TTeFontOptions*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    bold_ = other->bold_;
    italic_ = other->italic_;
    underline_ = other->underline_;
    strikeOut_ = other->strikeOut_;
    sizeDelta_ = other->sizeDelta_;
    fontName_ = other->fontName_;
    fontColor_ = other->fontColor_;
    if (changed_)
        changed_();
}

void RegisterFontOptionsProperties()
{
    RegisterProperties<TTeFontOptions>()
        .Boolean("Bold", &TTeFontOptions::Bold, &TTeFontOptions::SetBold, false)
        .Boolean("Italic", &TTeFontOptions::Italic, &TTeFontOptions::SetItalic, false)
        .Boolean("Underline", &TTeFontOptions::Underline, &TTeFontOptions::SetUnderline, false)
        .Boolean("StrikeOut", &TTeFontOptions::StrikeOut, &TTeFontOptions::SetStrikeOut, false)
        .Integer("SizeDelta", &TTeFontOptions::SizeDelta, &TTeFontOptions::SetSizeDelta, 0)
        .String("FontName", &TTeFontOptions::FontName, &TTeFontOptions::SetFontName, QString())
        .Color("FontColor", &TTeFontOptions::FontColor, &TTeFontOptions::SetFontColor, clNone);
}
