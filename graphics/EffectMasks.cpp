// The mask effects: growing shapes under three value rules, and the random, rain and plasma
// masks. Each writes only cells of its width × height grid and returns at percent 0.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "graphics/EffectCatalogue.h"
#include "graphics/EffectRandom.h"
#include "graphics/MulDiv.h"

namespace {

using TMask = std::uint8_t*;

int RoundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// How covered cells are valued: Slide 255 (hard edge), Fade the percent's opacity, Smooth a ramp
// from opaque at the oldest stroke down to 0 at the front.
enum class TRule { Slide, Fade, Smooth };

// Fills the grid from a stroke number per cell: stroke 0 is covered first, the highest stroke in
// the grid last. Slide and Fade cover the strokes up to MulDiv(p, highest, 100) unless the shape
// gives its own limit; Smooth lays n = MulDiv(round(1.5 × strokes), p, 100) strokes with values
// falling from 2p to 0 percent.
template <typename Stroke>
void FillStrokes(TMask mask, int w, int h, int p, TRule rule, Stroke stroke, int ownLimit = -1)
{
    int highest = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            highest = std::max(highest, stroke(x, y));
    std::vector<std::uint8_t> values(static_cast<std::size_t>(highest) + 1);
    int covered = 0;
    if (rule == TRule::Smooth) {
        const int n = MulDiv(RoundEven(1.5 * (highest + 1)), p, 100);
        covered = std::min(n, highest);
        for (int k = 0; k <= covered; ++k) {
            const int level = n == 0 ? 2 * p : RoundEven(2.0 * p - k * 2.0 * p / n);
            const int v = MulDiv(level, 255, 100);
            values[k] = static_cast<std::uint8_t>(v >= 256 || p == 100 ? 255 : std::max(v, 0));
        }
    } else {
        covered = std::min(ownLimit >= 0 ? ownLimit : MulDiv(p, highest, 100), highest);
        const int v = rule == TRule::Slide ? 255 : MulDiv(p, 255, 100);
        std::fill_n(values.begin(), covered + 1, static_cast<std::uint8_t>(v));
    }
    for (int y = 0; y < h; ++y) {
        TMask row = mask + static_cast<std::ptrdiff_t>(y) * w;
        for (int x = 0; x < w; ++x) {
            const int s = stroke(x, y);
            if (s <= covered)
                row[x] = values[s];
        }
    }
}

// The …In variants of the centred shapes: the …Out mask for 100 − p, every cell inverted.
void Complement(TMask mask, int w, int h, int p, TRule rule, TteMaskProc out)
{
    out(mask, w, h, 100 - p);
    const auto fade = static_cast<std::uint8_t>(MulDiv(p, 255, 100));
    for (std::ptrdiff_t i = 0; i < static_cast<std::ptrdiff_t>(w) * h; ++i) {
        switch (rule) {
        case TRule::Slide:
            mask[i] = mask[i] != 0 ? 0 : 255;
            break;
        case TRule::Fade:
            mask[i] = mask[i] != 0 ? 0 : fade;
            break;
        case TRule::Smooth:
            mask[i] = static_cast<std::uint8_t>(255 - mask[i]);
            break;
        }
    }
}

// The shapes, as stroke numbers of cells.
auto Diagonal(int, int)
{
    return [](int x, int y) { return x + y; };
}
auto DiagonalIn(int w, int h)
{
    return [last = w + h - 2](int x, int y) { return std::min(x + y, last - x - y); };
}
auto DiagonalOut(int w, int h)
{
    return [middle = (w + h - 2) / 2](int x, int y) { return std::abs(x + y - middle); };
}
auto Down(int, int)
{
    return [](int, int y) { return y; };
}
auto RowsIn(int, int h)
{
    return [h](int, int y) { return std::min(y, h - 1 - y); };
}
auto RowsOut(int, int h)
{
    return [middle = h / 2](int, int y) { return std::abs(y - middle); };
}
auto Cross(int w, int h)
{
    return [cx = w / 2, cy = h / 2](int x, int y) { return std::min(std::abs(x - cx), std::abs(y - cy)); };
}
// Distances from the centre scaled so that both half sides count the same number of strokes: the
// outlines keep the grid's aspect.
struct TScaledCentre {
    int cx, cy, hw, hh, span;
    TScaledCentre(int w, int h) : cx(w / 2), cy(h / 2), hw(std::max(w / 2, 1)), hh(std::max(h / 2, 1)), span(std::max(hw, hh)) {}
    int Dx(int x) const { return std::abs(x - cx) * span / hw; }
    int Dy(int y) const { return std::abs(y - cy) * span / hh; }
};
auto Rect(int w, int h)
{
    return [c = TScaledCentre(w, h)](int x, int y) { return std::max(c.Dx(x), c.Dy(y)); };
}
auto Diamond(int w, int h)
{
    return [c = TScaledCentre(w, h)](int x, int y) { return c.Dx(x) + c.Dy(y); };
}
int Distance(int dx, int dy)
{
    return static_cast<int>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}
auto CircleOut(int w, int h)
{
    return [cx = w / 2, cy = h / 2](int x, int y) { return Distance(x - cx, y - cy); };
}
// Half the grid's diagonal, which no cell's distance from the centre exceeds (floored).
int HalfDiagonal(int w, int h)
{
    return RoundEven(std::sqrt(static_cast<double>(w) * w + static_cast<double>(h) * h)) / 2;
}
int CircleRadius(int w, int h, int p)
{
    return MulDiv(RoundEven(std::sqrt(static_cast<double>(w) * w + static_cast<double>(h) * h)), p, 100) / 2;
}
auto CircleIn(int w, int h)
{
    return [cx = w / 2, cy = h / 2, r = HalfDiagonal(w, h)](int x, int y) {
        return std::max(r - Distance(x - cx, y - cy), 0);
    };
}
auto Quarter(int, int h)
{
    return [bottom = h - 1](int x, int y) { return Distance(x, bottom - y); };
}
// The line from the bottom-left corner to a point that walks up the right edge, then left along
// the top: a cell's stroke is where the ray through it meets that path.
auto Rotate(int w, int h)
{
    return [right = w - 1, bottom = h - 1](int x, int y) {
        const long long dx = x;
        const long long dy = bottom - y;
        if (dx == 0 && dy == 0)
            return 0;
        if (dx == 0)  // straight up: on the right edge of a one-column grid, else at the top's far end
            return static_cast<int>(right == 0 ? dy : bottom + right);
        if (dy * right <= dx * bottom)
            return static_cast<int>(dy * right / dx);
        return static_cast<int>(bottom + right - dx * bottom / dy);
    };
}

template <auto Shape, TRule rule>
void ShapeMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    FillStrokes(mask, w, h, p, rule, Shape(w, h));
}

template <TRule rule>
void RowsInMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    FillStrokes(mask, w, h, p, rule, RowsIn(w, h), rule == TRule::Smooth ? -1 : MulDiv(p, h / 2, 100));
}

template <TRule rule>
void CircleOutMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    FillStrokes(mask, w, h, p, rule, CircleOut(w, h), rule == TRule::Smooth ? -1 : CircleRadius(w, h, p));
}

template <TRule rule>
void CircleInMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    FillStrokes(mask, w, h, p, rule, CircleIn(w, h), CircleRadius(w, h, p));
}

template <TteMaskProc Out, TRule rule>
void ComplementMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    Complement(mask, w, h, p, rule, Out);
}

void FadeMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    std::fill_n(mask, static_cast<std::ptrdiff_t>(w) * h, static_cast<std::uint8_t>(RoundEven(p / 100.0 * 255)));
}

// round(N × p / 100) of the N units chosen by random draws that skip units already chosen; the
// generator is seeded with the grid size, so every step repeats the same sequence.
template <typename Mark>
void ChooseRandomly(int units, int w, int h, int p, Mark mark)
{
    const int count = RoundEven(static_cast<double>(units) * p / 100.0);
    if (count >= units) {
        for (int i = 0; i < units; ++i)
            mark(i);
        return;
    }
    TteRandom random(static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h));
    std::vector<bool> chosen(static_cast<std::size_t>(units));
    for (int n = 0; n < count;) {
        const int i = random.Next(units);
        if (chosen[i])
            continue;
        chosen[i] = true;
        mark(i);
        ++n;
    }
}

template <bool fade>
void PixelMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    const auto value = static_cast<std::uint8_t>(fade ? RoundEven(p / 100.0 * 255) : 255);
    ChooseRandomly(w * h, w, h, p, [&](int i) { mask[i] = value; });
}

// Whole rows at random.
void PixelLineMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    ChooseRandomly(h, w, h, p, [&](int y) { std::fill_n(mask + static_cast<std::ptrdiff_t>(y) * w, w, 255); });
}

// Rain: every column starts after its own delay (random, smoothed over its neighbours) and then
// fills downwards one cell per step.
void StreamMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    constexpr int kMaxDelay = 79;
    TteRandom random(static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h));
    std::vector<int> delay(static_cast<std::size_t>(w));
    for (int& d : delay)
        d = random.Next(kMaxDelay + 1);
    std::vector<int> smoothed(delay.size());
    for (int pass = 0; pass < 8; ++pass) {
        for (int x = 0; x < w; ++x) {
            const int left = delay[std::max(x - 1, 0)];
            const int right = delay[std::min(x + 1, w - 1)];
            smoothed[x] = (left + 2 * delay[x] + right) / 4;
        }
        delay.swap(smoothed);
    }
    const int steps = MulDiv(h + kMaxDelay, p, 100) + 1;
    for (int x = 0; x < w; ++x) {
        const int filled = std::clamp(steps - delay[x], 0, h);
        for (int y = 0; y < filled; ++y)
            mask[static_cast<std::ptrdiff_t>(y) * w + x] = 255;
    }
}

// Sine and cosine tables of 512 entries scaled by 256 and a palette ramp of 512 entries.
struct TPlasmaTables {
    std::array<int, 512> Sine{}, Cosine{}, Palette{};
    TPlasmaTables()
    {
        for (int i = 0; i < 512; ++i) {
            const double angle = i * 2 * std::numbers::pi / 512;
            Sine[i] = RoundEven(std::sin(angle) * 256);
            Cosine[i] = RoundEven(std::cos(angle) * 256);
            Palette[i] = i / 2;
        }
    }
};

// A cell appears when the rising level passes its palette value: soft blobs that grow and merge.
void PlasmaMask(TMask mask, int w, int h, int p)
{
    if (p <= 0)
        return;
    static const TPlasmaTables tables;
    const int level = MulDiv(2 * p, 255, 100);
    for (int y = 0; y < h; ++y) {
        const int ty = y * 1024 / std::max(h, 1);
        for (int x = 0; x < w; ++x) {
            const int tx = x * 1024 / std::max(w, 1);
            const int sum = tables.Sine[tx & 511] + tables.Cosine[ty & 511] + tables.Sine[((tx + ty) / 2) & 511];
            const int index = (sum + 768) * 511 / 1536;
            mask[static_cast<std::ptrdiff_t>(y) * w + x] =
                static_cast<std::uint8_t>(std::clamp(level - tables.Palette[index], 0, 255));
        }
    }
}

constexpr TRule kSlide = TRule::Slide;
constexpr TRule kFade = TRule::Fade;
constexpr TRule kSmooth = TRule::Smooth;

constexpr TteMaskProc kSmoothCrossOut = ShapeMask<Cross, kSmooth>;
constexpr TteMaskProc kSlideCrossOut = ShapeMask<Cross, kSlide>;
constexpr TteMaskProc kFadeCrossOut = ShapeMask<Cross, kFade>;
constexpr TteMaskProc kSmoothRectOut = ShapeMask<Rect, kSmooth>;
constexpr TteMaskProc kSlideRectOut = ShapeMask<Rect, kSlide>;
constexpr TteMaskProc kFadeRectOut = ShapeMask<Rect, kFade>;
constexpr TteMaskProc kCircleSmoothOut = CircleOutMask<kSmooth>;
constexpr TteMaskProc kDiamondSlideOut = ShapeMask<Diamond, kSlide>;
constexpr TteMaskProc kDiamondFadeOut = ShapeMask<Diamond, kFade>;
constexpr TteMaskProc kDiamondSmoothOut = ShapeMask<Diamond, kSmooth>;

constexpr TteNamedEffect<TteMaskProc> kMasks[] = {
    {"SmoothDiagonal", ShapeMask<Diagonal, kSmooth>},
    {"SmoothDiagonalIn", ShapeMask<DiagonalIn, kSmooth>},
    {"SmoothDiagonalOut", ShapeMask<DiagonalOut, kSmooth>},
    {"SmoothDown", ShapeMask<Down, kSmooth>},
    {"SmoothIn", RowsInMask<kSmooth>},
    {"SmoothOut", ShapeMask<RowsOut, kSmooth>},
    {"SmoothCrossOut", kSmoothCrossOut},
    {"SmoothCrossIn", ComplementMask<kSmoothCrossOut, kSmooth>},
    {"SmoothRectIn", ComplementMask<kSmoothRectOut, kSmooth>},
    {"SmoothRectOut", kSmoothRectOut},
    {"SlideDiagonal", ShapeMask<Diagonal, kSlide>},
    {"SlideDiagonalIn", ShapeMask<DiagonalIn, kSlide>},
    {"SlideDiagonalOut", ShapeMask<DiagonalOut, kSlide>},
    {"SlideDown", ShapeMask<Down, kSlide>},
    {"SlideIn", RowsInMask<kSlide>},
    {"SlideOut", ShapeMask<RowsOut, kSlide>},
    {"SlideCrossOut", kSlideCrossOut},
    {"SlideCrossIn", ComplementMask<kSlideCrossOut, kSlide>},
    {"SlideRectOut", kSlideRectOut},
    {"SlideRectIn", ComplementMask<kSlideRectOut, kSlide>},
    {"Fade", FadeMask},
    {"FadeDiagonal", ShapeMask<Diagonal, kFade>},
    {"FadeDiagonalIn", ShapeMask<DiagonalIn, kFade>},
    {"FadeDiagonalOut", ShapeMask<DiagonalOut, kFade>},
    {"FadeDown", ShapeMask<Down, kFade>},
    {"FadeIn", RowsInMask<kFade>},
    {"FadeOut", ShapeMask<RowsOut, kFade>},
    {"FadeCrossOut", kFadeCrossOut},
    {"FadeCrossIn", ComplementMask<kFadeCrossOut, kFade>},
    {"FadeRectOut", kFadeRectOut},
    {"FadeRectIn", ComplementMask<kFadeRectOut, kFade>},
    {"Pixel", PixelMask<false>},
    {"Pixel fade", PixelMask<true>},
    {"Pixel line", PixelLineMask},
    {"CircleSlideOut", CircleOutMask<kSlide>},
    {"CircleFadeOut", CircleOutMask<kFade>},
    {"CircleSmoothOut", kCircleSmoothOut},
    {"CircleSlideIn", CircleInMask<kSlide>},
    {"CircleFadeIn", CircleInMask<kFade>},
    {"CircleSmoothIn", ComplementMask<kCircleSmoothOut, kSmooth>},
    {"CircleSlide", ShapeMask<Quarter, kSlide>},
    {"CircleFade", ShapeMask<Quarter, kFade>},
    {"CircleSmooth", ShapeMask<Quarter, kSmooth>},
    {"DiamondSlideIn", ComplementMask<kDiamondSlideOut, kSlide>},
    {"DiamondFadeIn", ComplementMask<kDiamondFadeOut, kFade>},
    {"DiamondSmoothIn", ComplementMask<kDiamondSmoothOut, kSmooth>},
    {"DiamondSlideOut", kDiamondSlideOut},
    {"DiamondFadeOut", kDiamondFadeOut},
    {"DiamondSmoothOut", kDiamondSmoothOut},
    {"RotateSlide", ShapeMask<Rotate, kSlide>},
    {"RotateFade", ShapeMask<Rotate, kFade>},
    {"RotateSmooth", ShapeMask<Rotate, kSmooth>},
    {"Stream", StreamMask},
    {"Plasma", PlasmaMask},
};

}  // namespace

std::span<const TteNamedEffect<TteMaskProc>> MaskEffects()
{
    return kMasks;
}
