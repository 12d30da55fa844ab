#include "graphics/Bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/Canvas.h"
#include "graphics/BitmapLink.h"
#include "graphics/BitmapPainter.h"
#include "graphics/BitmapRegistry.h"
#include "graphics/RowKernels.h"

void TteBitmap::TFreeDeleter::operator()(TteColor* p) const
{
    std::free(p);
}

TteBitmap::TteBitmap() = default;

TteBitmap::~TteBitmap()
{
    ReleaseStore();
}

std::unique_ptr<TteBitmap> TteBitmap::Create() const
{
    return std::make_unique<TteBitmap>();
}

TteDrawMode TteBitmap::DrawMode() const
{
    if (alphaBlend_)
        return TteDrawMode::dmBlend;
    return transparent_ ? TteDrawMode::dmKeyCopy : TteDrawMode::dmCopy;
}

TCanvas& TteBitmap::Canvas()
{
    if (canvas_ == nullptr)
        canvas_ = std::make_unique<TCanvas>(&surface_);
    return *canvas_;
}

TteBitmapPainter TteBitmap::Paint()
{
    if (Empty())
        throw EBitmapError(QStringLiteral("Can't paint on an empty bitmap"));
    EndCanvasPainting();
    if (surface_.paintingActive())
        throw EBitmapError(QStringLiteral("The bitmap is already being painted on"));
    return TteBitmapPainter(surface_);
}

bool TteBitmap::IsSurface(const QPaintDevice* device) const
{
    return device != nullptr && device == &surface_;
}

void TteBitmap::EndCanvasPainting()
{
    // The canvas's context keeps its state and begins a painter again on its next drawing.
    if (canvas_ != nullptr && canvas_->HandleAllocated())
        canvas_->Handle()->EndPainting();
}

void TteBitmap::ReleaseStore()
{
    EndCanvasPainting();
    if (bits_ != nullptr)
        UnregisterBitmap(this);
    surface_ = QImage();
    opaque_ = QImage();
    bits_.reset();
}

void TteBitmap::CheckNotPainted()
{
    EndCanvasPainting();
    // Any other painter open on the surface would go on drawing into the released memory.
    if (surface_.paintingActive())
        throw EBitmapError(QStringLiteral("Can't resize a bitmap while it is being painted on"));
}

void TteBitmap::SetSize(int width, int height) { Resize(width, height, true); }

void TteBitmap::Resize(int width, int height, bool zeroed)
{
    // 64-bit magnitudes: the magnitude of the smallest int does not fit an int.
    const long long w = std::llabs(static_cast<long long>(width));
    const long long h = std::llabs(static_cast<long long>(height));
    if (w == 0 || h == 0)
        return;
    if (w == width_ && h == height_ && bits_ != nullptr)
        return;
    CheckNotPainted();
    ReleaseStore();
    width_ = 0;
    height_ = 0;
    if (w * h > kMaxPixels)
        throw EBitmapError(QStringLiteral("Can't allocate the DIB handle"));
    // calloc: a new store is all zero, and large stores come as untouched zero pages.
    const auto count = static_cast<std::size_t>(w * h);
    auto* memory = static_cast<TteColor*>(zeroed ? std::calloc(count, sizeof(TteColor))
                                                 : std::malloc(count * sizeof(TteColor)));
    if (memory == nullptr)
        throw EBitmapError(QStringLiteral("Can't allocate the DIB handle"));
    bits_.reset(memory);
    surface_ = QImage(reinterpret_cast<uchar*>(memory), static_cast<int>(w), static_cast<int>(h),
                      static_cast<qsizetype>(w * 4), QImage::Format_ARGB32);
    opaque_ = QImage(reinterpret_cast<uchar*>(memory), static_cast<int>(w), static_cast<int>(h),
                     static_cast<qsizetype>(w * 4), QImage::Format_RGB32);
    if (surface_.isNull() || opaque_.isNull()) {
        surface_ = QImage();
        opaque_ = QImage();
        bits_.reset();
        throw EBitmapError(QStringLiteral("Can't create compatible DC"));
    }
    RegisterBitmap(this);
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
}

TteColor TteBitmap::GetPixel(int x, int y) const
{
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return *PixelPtr(x, y);
}

void TteBitmap::SetPixel(int x, int y, TteColor pixel)
{
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    *PixelPtr(x, y) = pixel;
}

void TteBitmap::Fill(TteColor pixel)
{
    if (bits_ != nullptr)
        std::fill_n(bits_.get(), static_cast<std::size_t>(width_) * height_, pixel);
}

void TteBitmap::FillRect(const TRect& rect, TteColor pixel)
{
    const TRect r{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, width_),
                  std::min(rect.Bottom, height_)};
    if (bits_ == nullptr || r.IsEmpty())
        return;
    const auto width = static_cast<std::size_t>(r.Width());
    if (alphaBlend_) {
        const TArrayOfteColor row(width, pixel);
        const TRowCopyProc blend = RowKernels().Blend;
        for (int y = r.Top; y < r.Bottom; ++y)
            blend(row.data(), PixelPtr(r.Left, y), width);
        return;
    }
    // One row filled, the others copied from it: the copy is vectorised where a fill loop is not.
    TteColor* first = PixelPtr(r.Left, r.Top);
    std::fill_n(first, width, pixel);
    for (int y = r.Top + 1; y < r.Bottom; ++y)
        std::memcpy(PixelPtr(r.Left, y), first, width * sizeof(TteColor));
}

void TteBitmap::SetAlpha(int alpha)
{
    SetAlphaRect(alpha, BoundsRect());
}

void TteBitmap::SetAlphaRect(int alpha, const TRect& rect)
{
    if (rect.Width() == 0 || rect.Height() == 0)
        return;
    const TRect r{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, width_),
                  std::min(rect.Bottom, height_)};
    if (bits_ == nullptr || r.IsEmpty())
        return;
    const TteColor a = static_cast<TteColor>(alpha & 0xFF) << 24;
    for (int y = r.Top; y < r.Bottom; ++y) {
        TteColor* p = PixelPtr(r.Left, y);
        for (int x = r.Left; x < r.Right; ++x, ++p)
            *p = (*p & kRgbMask) | a;
    }
}

void TteBitmap::DetectAlpha()
{
    if (bits_ == nullptr)
        return;
    const TteColor* p = bits_.get();
    const TteColor* end = p + static_cast<std::size_t>(width_) * height_;
    alphaBlend_ = std::any_of(p, end, [](TteColor c) {
        const int a = AlphaOf(c);
        return a != 0 && a != 255;
    });
}

void TteBitmap::SetTransparentColor(TteColor color)
{
    if (bits_ == nullptr)
        return;
    transparent_ = false;
    const int r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
    TteColor* p = bits_.get();
    TteColor* end = p + static_cast<std::size_t>(width_) * height_;
    for (; p != end; ++p) {
        if (std::abs(RedOf(*p) - r) < 6 && std::abs(GreenOf(*p) - g) < 6 && std::abs(BlueOf(*p) - b) < 6) {
            *p = TransparentKey;
            transparent_ = true;
        }
    }
}

// Shifts the colour of every pixel that shows, keeping its alpha.
void TteBitmap::ShiftColours(TteColor (*shift)(TteColor, int), int delta)
{
    if (delta == 0 || bits_ == nullptr)
        return;
    TteColor* p = bits_.get();
    TteColor* end = p + static_cast<std::size_t>(width_) * height_;
    for (; p != end; ++p)
        if (AlphaOf(*p) != 0)
            *p = (shift(*p, delta) & kRgbMask) | (*p & 0xFF000000u);
}

void TteBitmap::ChangeBrightness(int delta)
{
    ShiftColours(BrightnessShiftPixel, delta);
}

void TteBitmap::ChangeHue(int delta)
{
    ShiftColours(HueShiftPixel, delta);
}

void TteBitmap::FlipVertical()
{
    if (bits_ == nullptr)
        return;
    const auto width = static_cast<std::size_t>(width_);
    TArrayOfteColor row(width);
    for (int i = 0; i < height_ / 2; ++i) {
        TteColor* a = ScanLine(i);
        TteColor* b = ScanLine(height_ - 1 - i);
        std::memcpy(row.data(), a, width * sizeof(TteColor));
        std::memcpy(a, b, width * sizeof(TteColor));
        std::memcpy(b, row.data(), width * sizeof(TteColor));
    }
}

std::unique_ptr<TteBitmapLink> TteBitmap::CreateLink(const TRect& rect) const
{
    auto link = std::make_unique<TteBitmapLink>();
    link->SetBitmap(const_cast<TteBitmap*>(this));
    link->SetName(name_);
    link->SetRect(rect);
    return link;
}
