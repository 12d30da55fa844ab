#pragma once
// The top-down 32-bit bitmap every themed picture passes through: it owns its pixel memory and
// shows the same memory to Qt as a QImage surface, so code can both address pixels and paint on it.
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
class TCanvas;
class TStream;
class TteBitmapLink;

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

    // The same pixels as a QImage (Format_ARGB32, straight alpha); a null image while Empty.
    // Painting on it changes the bitmap; the registry maps it back to this bitmap. It is
    // replaced by SetSize, so no other painter may stay open on it across a resize.
    QImage& Surface() { return surface_; }
    const QImage& Surface() const { return surface_; }
    // A canvas of the bitmap's own on Surface(), made on first request. Resizing, emptying and
    // destroying the bitmap end its painter first; its next drawing begins one on the new store.
    TCanvas& Canvas();
    TtePixelView View() const { return {bits_.get(), width_, height_, width_}; }

    // Negative sizes count by their magnitude; a zero side or the current size changes nothing.
    // A new store is all zero. Raises EBitmapError and leaves the bitmap Empty when the store
    // cannot be had (also for sizes beyond kMaxPixels); raises EBitmapError and changes nothing
    // while a painter other than Canvas()'s is open on the surface.
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
    // Loads the image named resourceName (".png" or ".bmp") from the folder or Qt resource
    // prefix moduleName; a missing image changes nothing.
    void LoadFromResource(const QString& moduleName, const QString& resourceName);

    // Drawing onto a painter's device. A device that is a live bitmap's surface (or another
    // Format_ARGB32 image) is composed into pixel for pixel, DestRect moved by the painter's
    // translation and kept to its clip; any other device receives the composed picture through
    // the painter.
    void Draw(QPainter& surface, int x, int y) const;
    void Draw(QPainter& surface, int x, int y, const TRect& srcRect) const;
    void Draw(QPainter& surface, const TRect& destRect) const;
    void Draw(QPainter& surface, const TRect& destRect, const TRect& srcRect) const;
    // Drawing onto a canvas: the painter forms on its device, with the canvas's window origin and
    // clip region in force.
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
    void ShiftColours(TteColor (*shift)(TteColor, int), int delta);
    struct TFreeDeleter {
        void operator()(TteColor* p) const;
    };

    void CheckNotPainted();
    void EndCanvasPainting();
    void ReleaseStore();
    void CopyFromImage(const QImage& image);

    std::unique_ptr<TteColor, TFreeDeleter> bits_;
    int width_ = 0;
    int height_ = 0;
    QString name_;
    QImage surface_;
    std::unique_ptr<TCanvas> canvas_;
    bool alphaBlend_ = false;
    bool transparent_ = false;
};
