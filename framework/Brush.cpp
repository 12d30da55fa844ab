#include "framework/Brush.h"

#include "framework/Exception.h"

void TBrush::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TBrush::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

TColor TBrush::PatternPixel(int x, int y) const
{
    if (pattern_.isNull())
        return color_;
    const QRgb rgb = pattern_.pixel(x & (kPatternSize - 1), y & (kPatternSize - 1));
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TBrush::SetPatternPixel(int x, int y, TColor color)
{
    if (pattern_.isNull()) {
        pattern_ = QImage(kPatternSize, kPatternSize, QImage::Format_RGB32);
        pattern_.fill(ToQColor(color_));
    }
    pattern_.setPixelColor(x & (kPatternSize - 1), y & (kPatternSize - 1), ToQColor(color));
    Changed();
}

void TBrush::SetPattern(const QImage& image)
{
    if (image.width() < kPatternSize || image.height() < kPatternSize)
        throw EConvertError(QStringLiteral("A brush pattern needs 8 x 8 pixels"));
    pattern_ = image.copy(0, 0, kPatternSize, kPatternSize).convertToFormat(QImage::Format_RGB32);
    Changed();
}

void TBrush::ClearPattern()
{
    if (pattern_.isNull())
        return;
    pattern_ = QImage();
    Changed();
}

void TBrush::Assign(const TPersistent* source)
{
    if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
        color_ = brush->color_;
        style_ = brush->style_;
        pattern_ = brush->pattern_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}
