#include "graphics/BitmapLink.h"

#include "graphics/Bitmap.h"

namespace {

bool IsTransparentPixel(TteColor p)
{
    // 0x33333333 is a fill value of some skins that must not make a part transparent.
    return p != 0x33333333u && (p == TransparentKey || AlphaOf(p) < 255);
}

bool InCell(int u, int v, int left, int top, int right, int bottom)
{
    return u >= left && u < right && v >= top && v < bottom;
}

}  // namespace

bool TteBitmapLink::Valid() const
{
    return bitmap_ != nullptr && static_cast<long long>(rect_.Width()) * rect_.Height() > 0;
}

void TteBitmapLink::DetectTransparency(const TRect& margins)
{
    borderTransparent_ = cornerTransparent_ = centerTransparent_ = false;
    if (bitmap_ == nullptr || rect_.IsEmpty())
        return;
    const bool noMargins = margins.Left == 0 && margins.Top == 0 && margins.Right == 0 && margins.Bottom == 0;
    const int w = rect_.Width(), h = rect_.Height();
    const int mL = margins.Left, mT = margins.Top, mR = margins.Right, mB = margins.Bottom;
    const bool hasBits = bitmap_->Bits() != nullptr;
    for (int y = rect_.Top; y < rect_.Bottom; ++y) {
        // Read in place: skins bind thousands of links on every load. Outside the bitmap reads as 0.
        const TteColor* row = hasBits && y >= 0 && y < bitmap_->Height() ? bitmap_->ScanLine(y) : nullptr;
        for (int x = rect_.Left; x < rect_.Right; ++x) {
            const TteColor pixel = row != nullptr && x >= 0 && x < bitmap_->Width() ? row[x] : 0;
            if (!IsTransparentPixel(pixel))
                continue;
            if (noMargins) {
                centerTransparent_ = true;
                return;
            }
            const int u = x - rect_.Left, v = y - rect_.Top;
            if (InCell(u, v, 0, 0, mL, mT) || InCell(u, v, w - mR, 0, w, mT) || InCell(u, v, w - mR, h - mB, w, h) ||
                InCell(u, v, 0, h - mB, mL, h))
                cornerTransparent_ = true;
            if (InCell(u, v, mL, 0, w - mR, mT) || InCell(u, v, mL, h - mB, w - mR, h) ||
                InCell(u, v, 0, mT, mL, h - mB) || InCell(u, v, w - mR, mT, w, h - mB))
                borderTransparent_ = true;
            if (InCell(u, v, mL, mT, w - mR, h - mB))
                centerTransparent_ = true;
            if (cornerTransparent_ && borderTransparent_ && centerTransparent_)
                return;
        }
    }
}

void TteBitmapLink::Assign(const TPersistent* source)
{
    if (const auto* link = dynamic_cast<const TteBitmapLink*>(source)) {
        bitmap_ = link->bitmap_;
        rect_ = link->rect_;
        name_ = link->name_;
        borderTransparent_ = link->borderTransparent_;
        cornerTransparent_ = link->cornerTransparent_;
        centerTransparent_ = link->centerTransparent_;
        return;
    }
    TPersistent::Assign(source);
}
