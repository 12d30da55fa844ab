#pragma once
// The framework font: face, size in points at 96 dots per inch, colour, style and character set.
#include <QFont>
#include <QString>
#include <cstdint>

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/Set.h"

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

using TFontCharset = std::uint8_t;
constexpr TFontCharset DEFAULT_CHARSET = 1;

// Windows draws at 96 dots per inch whatever the screen; sizes convert through this.
constexpr int kPixelsPerInch = 96;

class TFont : public TPersistent {
public:
    TFont();

    const QString& Name() const { return name_; }
    void SetName(const QString& name);
    int Size() const { return size_; }
    void SetSize(int points);
    // Character height in pixels (negative, as Windows stores it): -round(Size * 96 / 72).
    int Height() const;
    void SetHeight(int height);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);

    // Called after any property changed.
    TNotifyEvent OnChange;

    void Assign(const TPersistent* source) override;
    bool operator==(const TFont& other) const;

    // The font as Qt draws it: pixel size from Height, so drawing does not depend on the screen.
    QFont ToQFont() const;
    // other's ToQFont equals this one's: the colour and the charset shape no glyph.
    bool SameQFont(const TFont& other) const;

private:
    void Changed();

    QString name_ = QStringLiteral("MS Sans Serif");
    int size_ = 8;
    TColor color_ = clWindowText;
    TFontStyles style_;
    TFontCharset charset_ = DEFAULT_CHARSET;
};
