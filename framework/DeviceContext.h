#pragma once
// A drawing surface with the state the classic platform keeps per device context: the paint device
// with its painter, a window origin, a clip region, the background mode and colour, the current
// pen position, and a stack of saved states. Several canvases may draw through one context in turn.
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <optional>
#include <vector>

#include "framework/Colors.h"
#include "framework/Exception.h"
#include "framework/Spans.h"
#include "framework/Types.h"

// Drawing without a device, or on a device that another painter holds.
class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

enum class TBackgroundMode { bmTransparent, bmOpaque };

class TDeviceContext {
public:
    // The device must outlive the context. A widget is only a valid device during its paint event:
    // create the context there and let it go before the event returns.
    explicit TDeviceContext(QPaintDevice* device);
    ~TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    QPaintDevice* Device() const { return device_; }
    // The device when it is an image (pixels can be read and written directly), else nullptr.
    QImage* Image() const;
    // The image when its pixels may be written straight for what is drawn through this context: a
    // device pixel ratio of 1 and a painter (if begun) without a transform of its own. Null for
    // other devices and transforms (a widget, a hi-dpi image, a scaled painter), which are drawn
    // on through the painter.
    QImage* DirectImage() const;
    // (0, 0, width, height) of the device, in device pixels.
    TRect DeviceRect() const;

    // The painter, begun on first use, with the clip applied; with limit (device pixels) the clip
    // is further narrowed until the next call. Raises EInvalidGraphicOperation when the device
    // cannot be painted on.
    QPainter& Painter(const TRect* limit = nullptr);
    // Ends the painter so that the device is free (before an image's memory changes or a paint
    // event ends). Drawing begins it again; the context's state is kept.
    void EndPainting();
    bool Painting() const { return painter_.isActive(); }

    // The logical point that is drawn at the device's (0, 0); logical = device + origin.
    TPoint WindowOrg() const { return origin_; }
    void SetWindowOrg(TPoint origin) { origin_ = origin; }
    // Shifts what is drawn afterwards by (dx, dy) device pixels.
    void MoveWindowOrg(int dx, int dy) { origin_ = {origin_.X - dx, origin_.Y - dy}; }
    TPoint ToDevice(TPoint logical) const { return {logical.X - origin_.X, logical.Y - origin_.Y}; }
    TRect ToDevice(const TRect& r) const;
    TRect ToLogical(const TRect& r) const;

    // Current position of line drawing, logical.
    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint pos) { penPos_ = pos; }

    // Opaque: text cells and the gaps of styled lines are filled with the background colour.
    TBackgroundMode BkMode() const { return bkMode_; }
    void SetBkMode(TBackgroundMode mode) { bkMode_ = mode; }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color) { bkColor_ = color; }

    // Clipping. Without a clip region the whole device is drawn on. Rectangles are logical; the
    // region itself is kept in device pixels, so a later origin change does not move it.
    bool HasClip() const { return clip_.has_value(); }
    QRegion ClipRegion() const;  // device pixels; the device rectangle when there is no clip
    void SelectClipRegion(const QRegion& deviceRegion);
    void RemoveClip();
    void ExcludeClipRect(const TRect& rect);
    void IntersectClipRect(const TRect& rect);
    // Bounds of what can be drawn, logical.
    TRect ClipBox() const;
    bool RectVisible(const TRect& rect) const;

    // Saves origin, clip, background mode and colour and pen position; answers the new depth (1 for
    // the first save).
    int SaveDC();
    // Restores the state saved at depth level (positive), or level states back (negative, -1 the
    // latest); states saved after it are dropped. False, with nothing changed, for a level not saved.
    bool RestoreDC(int level);

    // Fills device-pixel spans with brush under mode; nothing when everything is clipped away.
    void FillSpans(const TSpans& spans, const QBrush& brush, QPainter::CompositionMode mode);

private:
    struct TState {
        TPoint origin;
        TPoint penPos;
        TBackgroundMode bkMode;
        TColor bkColor;
        std::optional<QRegion> clip;
    };

    QPaintDevice* device_;
    QPainter painter_;
    bool clipApplied_ = false;
    TPoint origin_;
    TPoint penPos_;
    TBackgroundMode bkMode_ = TBackgroundMode::bmOpaque;
    TColor bkColor_ = clWhite;
    std::optional<QRegion> clip_;
    std::vector<TState> saved_;
};
