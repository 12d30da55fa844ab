#pragma once
// The top-down 32-bit bitmap every themed picture passes through: it owns its pixel memory and
// lets Qt paint on the same memory (its canvas, or a scoped painter), so code can both address
// pixels and paint on them. The QImage over the memory never leaves the bitmap: a copy of it would
// make the next painter draw into a detached copy instead of Bits().
#include <QImage>
#include <QRegion>
#include <QString>
#include <memory>
#include <optional>

#include "framework/Exception.h"
#include "framework/Persistent.h"
#include "framework/Types.h"
#include "graphics/Compose.h"
#include "graphics/PixelView.h"

class QPainter;
class QPaintDevice;
class TCanvas;
class TStream;
class TteBitmapLink;
class TteBitmapPainter;

// A pixel store that cannot be provided ("Can't allocate the DIB handle"), or that is in use.
class EBitmapError : public Exception {
public:
    using Exception::Exception;
};

class TteBitmap : public TPersistent {
public:
    TteBitmap();
    ~TteBitmap() override;

    // Lets a class reference create bitmaps of its own kind.
    virtual std::unique_ptr<TteBitmap> Create() const;

    TteColor* Bits() const { return bits_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    // Some pixel has 0 < alpha < 255: draw by blending.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    // Key pixels are present: draw by key copy (unless AlphaBlend).
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    TteDrawMode DrawMode() const;

    // A painter on the pixels until the returned object goes (Qt's painting lands in Bits(), straight
    // alpha kept). The canvas's own painter is ended first. Raises EBitmapError on an Empty bitmap or
    // while another painter is open on the pixels.
    TteBitmapPainter Paint();
    // Whether device is the surface that Paint() and Canvas() draw on (the registry's look-up).
    bool IsSurface(const QPaintDevice* device) const;
    // A canvas of the bitmap's own on its pixels, made on first request. Resizing, emptying and
    // destroying the bitmap end its painter first; its next drawing begins one on the new store.
    TCanvas& Canvas();
    TtePixelView View() const { return {bits_.get(), width_, height_, width_}; }

    // Negative sizes count by their magnitude; a zero side or the current size changes nothing.
    // A new store is all zero. Raises EBitmapError and leaves the bitmap Empty when the store
    // cannot be had (also for sizes beyond kMaxPixels); raises EBitmapError and changes nothing
    // while a painter other than Canvas()'s is open on the pixels.
    void SetSize(int width, int height);
    bool Empty() const { return bits_ == nullptr; }

    // No bounds checks: only for coordinates inside the bitmap.
    TteColor* ScanLine(int y) const { return bits_.get() + static_cast<std::ptrdiff_t>(y) * width_; }
    TteColor* PixelPtr(int x, int y) const { return ScanLine(y) + x; }
    // 0 outside the bitmap or while Empty; SetPixel ignores such writes.
    TteColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TteColor pixel);

    void Fill(TteColor pixel);
    // Clipped to the bitmap; blended by the pixel's own alpha when AlphaBlend is set.
    void FillRect(const TRect& rect, TteColor pixel);
    void SetAlpha(int alpha);
    void SetAlphaRect(int alpha, const TRect& rect);
    void DetectAlpha();
    // Pixels within 5 of the colour on each of red, green, blue become TransparentKey.
    void SetTransparentColor(TteColor color);
    // Shift every pixel with alpha != 0, keeping its alpha.
    void ChangeBrightness(int delta);
    void ChangeHue(int delta);
    void FlipVertical();
    // A new link to the rectangle of this bitmap, named like it; the caller owns it.
    std::unique_ptr<TteBitmapLink> CreateLink(const TRect& rect) const;

    void Assign(const TPersistent* source) override;
    void AssignTo(TPersistent* destination) const override;
    // Copies another bitmap's pixels, size, name and flags; an Empty source makes this Empty.
    void Assign(const TteBitmap& source);
    // A 32-bit image with alpha keeps it (AlphaBlend detected); any other becomes opaque.
    void Assign(const QImage& image);
    // A copy of the pixels as an independent image (Format_ARGB32).
    QImage ToImage() const;

    // One stored bitmap record: name, width, height, pixels top row first.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    // Transparent, then AlphaBlend, one byte each, as packed themes and skins store them beside a
    // record; any byte but 0 reads as set.
    void LoadDrawFlags(TStream& stream);
    void SaveDrawFlags(TStream& stream) const;
    // Loads the image named resourceName (".png" or ".bmp") from the folder or Qt resource
    // prefix moduleName; a missing image changes nothing.
    void LoadFromResource(const QString& moduleName, const QString& resourceName);

    // Drawing onto a painter's device. A device addressed pixel by pixel (a live bitmap's surface, or
    // another Format_ARGB32 image at a device pixel ratio of 1) under a transform that is a pure
    // integer translation is composed into by the row kernels, DestRect moved by that translation
    // and kept to the painter's clip. Every other device or transform (a widget in its paint event,
    // a scaled painter) gets the picture through QPainter::drawImage, placed and scaled by the
    // painter, sampled by nearest pixels; that route allocates nothing per call once it has drawn
    // its widest picture (key-transparent and stretched pictures are composed through a kept buffer).
    // A painter on an image that clips costs a copy of its clip region per call; the canvas forms
    // below read the clip without one.
    void Draw(QPainter& surface, int x, int y) const;
    void Draw(QPainter& surface, int x, int y, const TRect& srcRect) const;
    void Draw(QPainter& surface, const TRect& destRect) const;
    void Draw(QPainter& surface, const TRect& destRect, const TRect& srcRect) const;
    // Drawing onto a canvas, by the same rule on its device: the canvas's window origin and clip
    // region in force; into a bitmap or image (no transform set on the canvas's painter) straight
    // by the row kernels, without the painter. This is the one drawing call of a control, whether
    // its canvas is on the shared buffer, on its own double buffer or on its widget.
    void Draw(TCanvas& canvas, int x, int y) const;
    void Draw(TCanvas& canvas, int x, int y, const TRect& srcRect) const;
    void Draw(TCanvas& canvas, const TRect& destRect) const;
    void Draw(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const;
    void Tile(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const;
    void TileClipped(TCanvas& canvas, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const;
    // Drawing onto another bitmap: always pixel composition.
    void Draw(TteBitmap& target, int x, int y) const;
    void Draw(TteBitmap& target, int x, int y, const TRect& srcRect) const;
    void Draw(TteBitmap& target, const TRect& destRect, const TRect& srcRect) const;
    // srcRect repeated one to one over destRect from its top-left corner; cut tiles take the
    // top-left part of srcRect.
    void Tile(QPainter& surface, const TRect& destRect, const TRect& srcRect) const;
    // As Tile, drawing only the tiles that meet clipRect (whole); an empty clipRect clips nothing.
    void TileClipped(QPainter& surface, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const;
    // Puts source beneath this bitmap's not fully opaque pixels at (x, y).
    void DrawUnder(const TteBitmap& source, int x, int y, const TRect& srcRect);
    // The non-key pixels as a region offset by (x, y); none for an Empty bitmap.
    std::optional<QRegion> CreateRegion(int x, int y) const;

    TRect BoundsRect() const { return {0, 0, width_, height_}; }

    // Largest pixel store handed out (1 GiB); larger requests fail like a failed allocation.
    static constexpr long long kMaxPixels = 1LL << 28;

private:
    friend void BlitToWidget(QPainter&, const TteBitmap&, const TRect&, TPoint);

    // The painter route of drawing (see Draw onto a painter).
    void DrawThroughPainter(QPainter& painter, const TRect& destRect, const TRect& srcRect) const;
    void ShiftColours(TteColor (*shift)(TteColor, int), int delta);
    struct TFreeDeleter {
        void operator()(TteColor* p) const;
    };

    // SetSize; with zeroed false a new store is left as it comes, for callers that fill it whole.
    void Resize(int width, int height, bool zeroed);
    void CheckNotPainted();
    void EndCanvasPainting();
    void ReleaseStore();
    void CopyFromImage(const QImage& image);

    std::unique_ptr<TteColor, TFreeDeleter> bits_;
    int width_ = 0;
    int height_ = 0;
    QString name_;
    // Both over bits_: surface_ is what painters draw on and what blended pictures are drawn from
    // (straight alpha); opaque_ shows the colours as they are, for copies onto windows.
    QImage surface_;
    QImage opaque_;
    std::unique_ptr<TCanvas> canvas_;
    bool alphaBlend_ = false;
    bool transparent_ = false;
};
