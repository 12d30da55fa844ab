#pragma once
// The framework canvas: a pen, a brush and a font, and the classic drawing operations with their
// pixel rules, drawn through a device context onto an image or a widget.
#include <QImage>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

#include "framework/Brush.h"
#include "framework/DeviceContext.h"
#include "framework/Font.h"
#include "framework/Pen.h"
#include "framework/TextLayout.h"
#include "framework/Types.h"

// What Pixel answers outside the device or the clip region, or on a device it cannot read.
constexpr TColor CLR_INVALID = 0xFFFFFFFFu;

class TCanvas : public TPersistent {
public:
    // Unbound: every drawing raises EInvalidGraphicOperation until SetHandle binds it.
    TCanvas();
    // Bound to a device context of its own on device, which must outlive the canvas.
    explicit TCanvas(QPaintDevice* device);
    ~TCanvas() override;

    // The device context drawn through; raises when unbound. Like every drawing operation, it first
    // puts the brush's background into the context when the brush changed: a solid brush makes
    // the background opaque in the brush colour, a clear one transparent.
    TDeviceContext* Handle();
    // Binds to another context (not owned; nullptr unbinds). A canvas made on a device keeps its
    // own context and can be bound back to it.
    void SetHandle(TDeviceContext* context);
    bool HandleAllocated() const { return context_ != nullptr; }
    QPaintDevice* Device() const { return context_ != nullptr ? context_->Device() : nullptr; }
    // The image drawn on, or nullptr when the device is not an image (or the canvas is unbound).
    QImage* Image() const { return context_ != nullptr ? context_->Image() : nullptr; }

    TPen* Pen() const { return pen_.get(); }
    TBrush* Brush() const { return brush_.get(); }
    TFont* Font() const { return font_.get(); }
    void SetPen(const TPen* pen) { pen_->Assign(pen); }
    void SetBrush(const TBrush* brush) { brush_->Assign(brush); }
    void SetFont(const TFont* font) { font_->Assign(font); }

    // Lines: the end point is not drawn; the pen's mode applies; a pen wider than one pixel draws
    // solid with round ends; the gaps of a styled pen take the background colour when opaque.
    TPoint PenPos();
    void SetPenPos(TPoint pos);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Segments through the points; the last point is not drawn and the pen position is kept.
    void Polyline(const QList<TPoint>& points);

    // Shapes: the pen outlines the figure inside [left, right - 1] × [top, bottom - 1] (a wider pen
    // is centred on that edge, psInsideFrame keeps it inside) and the brush fills the interior under
    // the pen's mode; with psClear the filled figure is one pixel smaller to the right and bottom.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Corners are quarters of an ellipse cornerWidth × cornerHeight.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight)
    {
        RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
    }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Closed outline through the points, interior filled alternately (even-odd).
    void Polygon(const QList<TPoint>& points);

    // Brush only, copied whatever the pen's mode: the rectangle's pixels, right and bottom exclusive.
    void FillRect(const TRect& rect);
    // A one-pixel frame on the rectangle's edge pixels, in the brush.
    void FrameRect(const TRect& rect);
    // Inverts every other pixel of the rectangle's edge (those with an even x + y on the device);
    // drawing it again restores the pixels.
    void DrawFocusRect(const TRect& rect);

    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Text in the font's colour with its cell's top-left at (x, y), as it stands (no prefixes, no
    // tabs); the cell takes the background colour when opaque. The pen moves to the text's end.
    void TextOut(int x, int y, const QString& text);
    // TextOut at (x, y) limited to rect; unless the brush is clear, rect is filled with the
    // background colour first.
    void TextRect(const TRect& rect, int x, int y, const QString& text);
    TSize TextExtent(const QString& text);
    int TextWidth(const QString& text) { return TextExtent(text).cx; }
    int TextHeight(const QString& text) { return TextExtent(text).cy; }
    // The platform's DrawText with its DT_ format flags (TextLayout.h). Horizontal alignment per
    // line; DT_VCENTER and DT_BOTTOM act with DT_SINGLELINE only; clipped to rect unless DT_NOCLIP.
    // DT_CALCRECT draws nothing and sets rect's right and bottom to bound the text. Answers the
    // height of the text, or with DT_VCENTER/DT_BOTTOM the distance from rect's top to the text's
    // bottom.
    int DrawText(const QString& text, TRect& rect, unsigned format);

    TBackgroundMode BkMode() { return Context().BkMode(); }
    void SetBkMode(TBackgroundMode mode) { Context().SetBkMode(mode); }
    TColor BkColor() { return Context().BkColor(); }
    void SetBkColor(TColor color) { Context().SetBkColor(color); }

    // Clipping and origin of the bound context (see TDeviceContext); rectangles are logical.
    TRect ClipRect() { return Context().ClipBox(); }
    int SaveDC() { return Context().SaveDC(); }
    bool RestoreDC(int level) { return Context().RestoreDC(level); }
    void ExcludeClipRect(const TRect& rect) { Context().ExcludeClipRect(rect); }
    void IntersectClipRect(const TRect& rect) { Context().IntersectClipRect(rect); }
    TPoint WindowOrg() { return Context().WindowOrg(); }
    void SetWindowOrg(int x, int y) { Context().SetWindowOrg({x, y}); }
    void MoveWindowOrg(int dx, int dy) { Context().MoveWindowOrg(dx, dy); }

    // Pictures are copied pixel for pixel (alpha included), stretched by nearest pixels.
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& dest, const QImage& image);
    void DrawImage(const TRect& dest, const QImage& image, const TRect& source);
    // The pixels under rect (Format_ARGB32; zero outside the device); a null image when the device
    // cannot be read (a widget).
    QImage CopyImage(const TRect& rect);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

private:
    TDeviceContext& Context();
    const QFont& QtFont();
    bool PenDraws() const;
    void DrawPenSpans(const TSpans& on, const TSpans& off);
    void FillInterior(const TSpans& interior);
    // Outline and interior of a filled figure; the interior is the shape less the pen's width
    // unless the caller knows it.
    void DrawShape(const TSpans& shape, const TSpans* knownInterior = nullptr);
    void PenLines(const QList<TPoint>& points, bool closed, TSpans* covered);
    TRect ShapeBounds(int left, int top, int right, int bottom) const;
    void DrawTextRun(int x, int y, const QString& text, int width, bool rtl, const TRect* limit);

    std::unique_ptr<TDeviceContext> owned_;
    TDeviceContext* context_ = nullptr;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    std::unique_ptr<TFont> font_;
    std::optional<std::pair<TBrushStyle, TColor>> realizedBrush_;
    TFont fontOfQtFont_;
    QFont qfont_ = fontOfQtFont_.ToQFont();
};
