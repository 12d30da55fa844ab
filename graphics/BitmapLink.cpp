#include "graphics/BitmapLink.h"

#include "graphics/Bitmap.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool IsTransparentPixel(TteColor p)
{
    // 0x33333333 is a fill value of some skins that must not make a part transparent.
    return p != 0x33333333u && (p == TransparentKey || AlphaOf(p) < 255);
}

// The first transparent pixel of row from from on, or to when there is none. Most links are
// opaque nearly throughout, so the scan goes four pixels at a time.
int FindTransparentPixel(const TteColor* row, int from, int to)
{
    int x = from;
#if defined(__SSE2__)
    const __m128i key = _mm_set1_epi32(static_cast<int>(TransparentKey));
    const __m128i fill = _mm_set1_epi32(0x33333333);
    const __m128i opaqueAlpha = _mm_set1_epi32(255);
    for (; x + 4 <= to; x += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        const __m128i opaque = _mm_cmpeq_epi32(_mm_srli_epi32(p, 24), opaqueAlpha);
        const __m128i seeThrough = _mm_or_si128(_mm_cmpeq_epi32(p, key), _mm_xor_si128(opaque, _mm_set1_epi32(-1)));
        const int found = _mm_movemask_ps(_mm_castsi128_ps(_mm_andnot_si128(_mm_cmpeq_epi32(p, fill), seeThrough)));
        if (found != 0)
            return x + __builtin_ctz(static_cast<unsigned>(found));
    }
#endif
    for (; x < to; ++x)
        if (IsTransparentPixel(row[x]))
            return x;
    return to;
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
    // Marks the cell of a transparent pixel; true once nothing is left to find.
    auto note = [&](int x, int y) {
        if (noMargins) {
            centerTransparent_ = true;
            return true;
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
        return cornerTransparent_ && borderTransparent_ && centerTransparent_;
    };
    const bool hasBits = bitmap_->Bits() != nullptr;
    const bool columnsInside = rect_.Left >= 0 && rect_.Right <= bitmap_->Width();
    for (int y = rect_.Top; y < rect_.Bottom; ++y) {
        // Read in place: skins bind thousands of links on every load. Outside the bitmap reads as 0.
        const TteColor* row = hasBits && y >= 0 && y < bitmap_->Height() ? bitmap_->ScanLine(y) : nullptr;
        if (row != nullptr && columnsInside) {
            for (int x = FindTransparentPixel(row, rect_.Left, rect_.Right); x < rect_.Right;
                 x = FindTransparentPixel(row, x + 1, rect_.Right))
                if (note(x, y))
                    return;
            continue;
        }
        for (int x = rect_.Left; x < rect_.Right; ++x) {
            const TteColor pixel = row != nullptr && x >= 0 && x < bitmap_->Width() ? row[x] : 0;
            if (IsTransparentPixel(pixel) && note(x, y))
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
