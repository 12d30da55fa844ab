#pragma once
// The framework pen: colour, width, line style and the raster operation lines are drawn with.
#include "framework/Colors.h"
#include "framework/Component.h"

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The binary raster operations of lines and shape interiors (the pen is "source", the pixel "destination").
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

class TPen : public TPersistent {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Width in pixels; values below 1 draw one pixel wide.
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

    // Called after any property changed.
    TNotifyEvent OnChange;

    void Assign(const TPersistent* source) override;

private:
    void Changed();

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    TPenMode mode_ = TPenMode::pmCopy;
};
