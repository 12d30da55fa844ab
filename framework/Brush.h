#pragma once
// The framework brush: a solid colour, nothing (clear), or an 8 × 8 colour pattern repeated from the
// device's top-left pixel.
#include <QImage>

#include "framework/Colors.h"
#include "framework/Component.h"

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
public:
    static constexpr int kPatternSize = 8;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

    // The pattern fills in place of the colour while it is set (the style stays as it is, as with a
    // pattern bitmap). Pixels are framework colours; system colours are resolved when they are set.
    bool HasPattern() const { return !pattern_.isNull(); }
    TColor PatternPixel(int x, int y) const;
    void SetPatternPixel(int x, int y, TColor color);
    // Takes the first 8 × 8 pixels of image (opaque); a smaller or null image raises EConvertError.
    void SetPattern(const QImage& image);
    void ClearPattern();
    // The pattern as an opaque 8 × 8 image, null without a pattern.
    const QImage& Pattern() const { return pattern_; }

    // Called after any property changed.
    TNotifyEvent OnChange;

    void Assign(const TPersistent* source) override;

private:
    void Changed();

    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    QImage pattern_;
};
