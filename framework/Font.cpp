#include "framework/Font.h"

#include <cmath>

TFont::TFont() = default;

void TFont::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TFont::SetName(const QString& name)
{
    if (name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetSize(int points)
{
    if (points == size_)
        return;
    size_ = points;
    Changed();
}

int TFont::Height() const
{
    // Rounds halves away from zero, as the platform's MulDiv does.
    return -static_cast<int>(std::lround(size_ * static_cast<double>(kPixelsPerInch) / 72.0));
}

void TFont::SetHeight(int height)
{
    SetSize(-static_cast<int>(std::lround(height * 72.0 / kPixelsPerInch)));
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetCharset(TFontCharset charset)
{
    if (charset == charset_)
        return;
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TPersistent* source)
{
    if (const auto* font = dynamic_cast<const TFont*>(source)) {
        name_ = font->name_;
        size_ = font->size_;
        color_ = font->color_;
        style_ = font->style_;
        charset_ = font->charset_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

bool TFont::operator==(const TFont& other) const
{
    return name_ == other.name_ && size_ == other.size_ && color_ == other.color_ && style_ == other.style_ &&
           charset_ == other.charset_;
}

bool TFont::SameQFont(const TFont& other) const
{
    return name_ == other.name_ && Height() == other.Height() && style_ == other.style_;
}

QFont TFont::ToQFont() const
{
    QFont font(name_);
    font.setPixelSize(std::max(1, std::abs(Height())));
    font.setBold(style_.Contains(TFontStyle::fsBold));
    font.setItalic(style_.Contains(TFontStyle::fsItalic));
    font.setUnderline(style_.Contains(TFontStyle::fsUnderline));
    font.setStrikeOut(style_.Contains(TFontStyle::fsStrikeOut));
    // Hinting changes glyph widths with the screen; drawings must measure the same everywhere.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
