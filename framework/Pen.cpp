#include "framework/Pen.h"

void TPen::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == mode_)
        return;
    mode_ = mode;
    Changed();
}

void TPen::Assign(const TPersistent* source)
{
    if (const auto* pen = dynamic_cast<const TPen*>(source)) {
        color_ = pen->color_;
        width_ = pen->width_;
        style_ = pen->style_;
        mode_ = pen->mode_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}
