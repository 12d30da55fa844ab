// The frame's painting: the frame bands on the window (straight or through a buffer, copied in four
// bands so the client area is never drawn over), the built-in classic frame and caption, the
// shadow band, the client background and the whole window's picture.
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QWidget>

#include "controls/core/BufferCopy.h"
#include "controls/core/SharedBuffer.h"
#include "controls/frame/ShowAnimation.h"
#include "controls/frame/TeDefaultForm.h"
#include "framework/Brush.h"
#include "framework/Exception.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/SystemMetrics.h"
#include "framework/TextLayout.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/Pixel.h"
#include "graphics/RectUtils.h"
#include "graphics/WideText.h"

namespace {

constexpr TteColor kShadowColor = 0x803F3F3F;

// A classic push-button face: raised, or sunken while pushed.
void DrawButtonFace(TCanvas& canvas, const TRect& rect, bool pushed)
{
    FillRectColor(canvas, rect, clBtnFace);
    if (pushed) {
        Draw3DFrame(canvas, rect, clBtnShadow, clBtnHighlight);
        Draw3DFrame(canvas, InsetRect(rect, 1, 1), cl3DDkShadow, cl3DLight);
    } else {
        Draw3DFrame(canvas, rect, cl3DLight, cl3DDkShadow);
        Draw3DFrame(canvas, InsetRect(rect, 1, 1), clBtnHighlight, clBtnShadow);
    }
}

void DrawCaptionSymbol(TCanvas& canvas, const TRect& rect, unsigned symbol, bool pushed)
{
    try {
        DrawFrameGlyph(canvas, rect, DFC_CAPTION, symbol | (pushed ? DFCS_PUSHED : 0), clBlack);
    } catch (const Exception&) {
        // A button too large for the scratch bitmap shows no symbol rather than failing the paint.
    }
}

void SetCaptionFont(TFont& font, bool small)
{
    const TNonClientMetrics metrics = SystemMetrics().NonClientMetrics();
    const TLogFont& log = small ? metrics.SmCaptionFont : metrics.CaptionFont;
    font.SetName(log.FaceName);
    font.SetHeight(log.Height);
    font.SetStyle(log.Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

}  // namespace

void TTeDefaultForm::DrawSmallWindowIcon(TCanvas& canvas, const TRect& rect)
{
    // The window's icon falls back to the application's by itself; the stock one is read once.
    QIcon icon = Form()->Handle()->windowIcon();
    if (icon.isNull()) {
        static const QIcon stock = QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton);
        icon = stock;
    }
    // Rendered once per icon, and blended by its own alpha so that the frame shows through its
    // transparent pixels on every surface.
    const TteBitmap& bitmap = paintCache_.SmallIcon(icon, GetSystemMetrics(SM_CXSMICON));
    if (bitmap.Empty())
        return;
    bitmap.Draw(canvas, rect.Left + (rect.Width() - bitmap.Width()) / 2, rect.Top + (rect.Height() - bitmap.Height()) / 2);
}

TFrameKey TTeDefaultForm::FrameKey() const
{
    const TForm* form = Form();
    return {form->Width(), form->Height(), active_, drag_.Hot(), drag_.Pressed(), LeftDownOnFrame(), drag_.Moving(), WindowState(),
            borderIcons_, borderStyle_, form->Caption(), form->Handle()->windowIcon().cacheKey(), paintCache_.Generation()};
}

void TTeDefaultForm::PaintFrame(TCanvas& canvas)
{
    if (borderStyle_ == TTeBorderStyle::kbsNone)
        return;
    const TRect w = VisibleRect();
    // A raised edge around the window, the border bands in the face colour, then the caption.
    Draw3DFrame(canvas, w, cl3DLight, cl3DDkShadow);
    Draw3DFrame(canvas, InsetRect(w, 1, 1), clBtnHighlight, clBtnShadow);
    FillRectColor(canvas, InsetRect(w, 2, 2), clBtnFace);
    PaintBuiltInCaption(canvas);
}

void TTeDefaultForm::PaintBuiltInCaption(TCanvas& canvas)
{
    const TFrameLook look = Look();
    const TRect client = BuiltInClientRect(look);
    const TRect band{client.Left, look.Window.Top + GetSystemMetrics(SM_CXFRAME), client.Right, client.Top};
    if (band.IsEmpty())
        return;
    FillGradient(canvas, band, active_ ? clActiveCaption : clInactiveCaption,
                 active_ ? clGradientActiveCaption : clGradientInactiveCaption, false);

    const bool toolWindow = borderStyle_ == TTeBorderStyle::kbsToolWindow;
    SetCaptionFont(*canvas.Font(), toolWindow);
    canvas.Font()->SetColor(active_ ? clCaptionText : clInactiveCaptionText);
    TRect textRect = BuiltInCaptionTextRect(look);
    const QString text = EllipsisText(canvas, Caption(), BuiltInCaptionTextWidth(look));
    DrawWideText(canvas, text, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);

    const auto pushed = [this](TteFormHit part) {
        return drag_.LeftDown() && drag_.Pressed() == part && drag_.Hot() == part;
    };
    const TTeBorderIcon order[] = {TTeBorderIcon::kbiClose,  TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiMinimize,
                                   TTeBorderIcon::kbiMaximize, TTeBorderIcon::kbiRollup,   TTeBorderIcon::kbiTray,
                                   TTeBorderIcon::kbiHelp};
    for (TTeBorderIcon icon : order) {
        if (toolWindow && icon != TTeBorderIcon::kbiClose)
            continue;
        const TRect r = GetButtonRect(icon);
        if (r.IsEmpty())
            continue;
        const bool down = pushed(HitOfIcon(icon));
        switch (icon) {
        case TTeBorderIcon::kbiSystemMenu:
            DrawSmallWindowIcon(canvas, r);
            continue;
        case TTeBorderIcon::kbiRollup: {
            DrawButtonFace(canvas, r, down);
            TRect t = InsetRect(r, 4, 5);
            if (!down)
                t = OffsetRectBy(t, -1, -1);
            const int mid = (t.Left + t.Right) / 2;
            const bool up = WindowState() != TTeWindowState::kwsRollup;
            const QList<TPoint> triangle = up ? QList<TPoint>{{t.Left, t.Bottom}, {mid, t.Top}, {t.Right, t.Bottom}}
                                              : QList<TPoint>{{t.Left, t.Top}, {mid, t.Bottom}, {t.Right, t.Top}};
            FillPolygon(canvas, triangle, clBlack);
            continue;
        }
        case TTeBorderIcon::kbiTray: {
            DrawButtonFace(canvas, r, down);
            TRect dot = OffsetRectBy(InsetRect(r, 5, 5), 0, 2);
            if (down)
                dot = OffsetRectBy(dot, 1, 1);
            canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
            canvas.Brush()->SetColor(clBlack);
            canvas.Pen()->SetColor(clBlack);
            canvas.Ellipse(dot);
            continue;
        }
        default:
            break;
        }
        DrawButtonFace(canvas, r, down);
        unsigned symbol = DFCS_CAPTIONCLOSE;
        if (icon == TTeBorderIcon::kbiMinimize)
            symbol = WindowState() == TTeWindowState::kwsMinimized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
        else if (icon == TTeBorderIcon::kbiMaximize)
            symbol = WindowState() == TTeWindowState::kwsMaximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
        else if (icon == TTeBorderIcon::kbiHelp)
            symbol = DFCS_CAPTIONHELP;
        DrawCaptionSymbol(canvas, down ? OffsetRectBy(r, 1, 1) : r, symbol, down);
    }
}

void TTeDefaultForm::PaintClient(TCanvas& canvas, const TRect& rect)
{
    FillRectColor(canvas, rect, Form()->Color());
}

void TTeDefaultForm::PaintClientArea(TCanvas& canvas, const TRect& rect)
{
    if (OnPaint && !ComponentState().Contains(TComponentStateFlag::csLoading)) {
        OnPaint(this);
        return;
    }
    PaintClient(canvas, rect);
}

void TTeDefaultForm::PaintChildBackground(TCanvas& canvas, const TRect& rect)
{
    if (disabledNCArea_ && OnPaintBackground) {
        OnPaintBackground(this, canvas, rect);
        return;
    }
    if (suspended_ > 0)
        return;
    // Without a non-client area the frame lies beneath the children in its zone.
    if (disabledNCArea_)
        PaintClientLayers(canvas, rect);
    else
        PaintClient(canvas, rect);
}

void TTeDefaultForm::PaintShadow(TteBitmap& buffer)
{
    TteBitmap* bitmap = &buffer;
    const TRect v = VisibleRect();
    const int size = Shadow().Size();
    const TRect right{v.Right, v.Top + size, v.Right + size, v.Bottom + size};
    const TRect bottom{v.Left + size, v.Bottom, v.Right, v.Bottom + size};
    bitmap->FillRect(right, kShadowColor);
    bitmap->FillRect(bottom, kShadowColor);
    // The corners beyond the shadow stay holes.
    bitmap->FillRect({v.Right, v.Top, v.Right + size, v.Top + size}, TransparentKey);
    bitmap->FillRect({v.Left, v.Bottom, v.Left + size, v.Bottom + size}, TransparentKey);
    // The outermost lines fade, each a pixel shorter at its ends, so the shadow looks rounded.
    const int fades[] = {120, 70, 20};
    for (int i = 0; i < 3 && i < size; ++i) {
        const TteColor faded = (kShadowColor & 0x00FFFFFF) | (static_cast<TteColor>(0x80 - fades[i]) << 24);
        const int line = size - 1 - i;
        bitmap->FillRect({v.Right + line, v.Top + size + i + 1, v.Right + line + 1, v.Bottom + size - i - 1}, faded);
        bitmap->FillRect({v.Left + size + i + 1, v.Bottom + line, v.Right + size - i - 1, v.Bottom + line + 1}, faded);
    }
}

void TTeDefaultForm::PaintOnBuffer(TteBitmap& buffer)
{
    TCanvas& canvas = buffer.Canvas();
    TDeviceContext& context = *canvas.Handle();
    const int level = context.SaveDC();
    context.SetWindowOrg(Point(0, 0));
    context.RemoveClip();
    buffer.SetAlphaBlend(false);
    try {
        if (Shadow().Shows() && WindowState() != TTeWindowState::kwsMaximized)
            PaintShadow(buffer);
        context.ExcludeClipRect(Form()->ClientBounds());
        PaintFrame(canvas);
    } catch (...) {
        context.RestoreDC(level);
        context.EndPainting();
        throw;
    }
    context.RestoreDC(level);
    context.EndPainting();
    const TRect whole = Rect(0, 0, Form()->Width(), Form()->Height());
    if (Shadow().Shows() && WindowState() != TTeWindowState::kwsMaximized) {
        const TRect v = VisibleRect();
        PutBackgroundUnder(buffer, {v.Right, v.Top, whole.Right, whole.Bottom});
        PutBackgroundUnder(buffer, {v.Left, v.Bottom, v.Right, whole.Bottom});
    }
    if (BlendsOffScreen()) {
        const TRect client = Form()->ClientBounds();
        const TRect v = VisibleRect();
        const TRect bands[] = {{0, 0, v.Right, client.Top},
                               {0, client.Top, client.Left, client.Bottom},
                               {client.Right, client.Top, v.Right, client.Bottom},
                               {0, client.Bottom, v.Right, v.Bottom}};
        for (const TRect& band : bands) {
            buffer.SetAlphaRect(Blending().Value(), band);
            PutBackgroundUnder(buffer, band);
        }
    }
}

void TTeDefaultForm::CaptureBackground()
{
    TForm* form = Form();
    if (form == nullptr || !(BlendsOffScreen() || Shadow().Shows()) ||
        ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    // Where the screen cannot be read, the window's own last picture stands in for it.
    capture_.Capture(form->BoundsRect(), [this] {
        QImage image;
        PaintWindowImage(image, active_);
        return image;
    });
}

void TTeDefaultForm::AnimateShow()
{
    TForm* form = Form();
    if (form == nullptr || !Animation().Enabled() || ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    QImage picture;
    PaintWindowImage(picture, true);
    // Where the screen cannot be read there is nothing to come in over: the window simply shows.
    StartShowAnimation(*form->Handle(), Animation(), picture, GrabScreen(form->BoundsRect()));
}

void TTeDefaultForm::PutBackgroundUnder(TteBitmap& buffer, const TRect& rect)
{
    if (capture_.Empty() || rect.IsEmpty())
        return;
    buffer.DrawUnder(capture_.Picture(), rect.Left, rect.Top, rect);
}

void TTeDefaultForm::PaintNonClient(QWidget& window, const QRegion& dirty)
{
    TForm* form = Form();
    const int width = form->Width();
    const int height = form->Height();
    const TRect whole = Rect(0, 0, width, height);
    const TRect client = form->ClientBounds();
    if (suspended_ > 0 || width <= 0 || height <= 0 || (client == whole && !Shadow().Shows()))
        return;
    TDeviceContext surface(&window);
    const bool buffered = performance_ != TTeFormPerformance::ksfpNoBuffer || Shadow().Shows() || BlendsOffScreen();
    if (!buffered) {
        surface.SelectClipRegion((QRegion(whole.ToQRect()) - client.ToQRect()) & dirty);
        TCanvas canvas;
        canvas.SetHandle(&surface);
        PaintFrame(canvas);
        canvas.SetHandle(nullptr);
        return;
    }
    std::optional<TSharedBufferLease> lease;
    TteBitmap own;
    TteBitmap* buffer = &own;
    if (performance_ == TTeFormPerformance::ksfpSharedBuffer) {
        lease.emplace();
        if (lease->Buffer() != nullptr)
            buffer = lease->Buffer();
    } else if (performance_ == TTeFormPerformance::ksfpPersistentBuffer) {
        buffer = &paintCache_.Persistent();
    }
    if (buffer->Width() < width || buffer->Height() < height)
        buffer->SetSize(width, height);
    // The persistent buffer is painted once per change of the frame's look and copied otherwise.
    if (buffer == &paintCache_.Persistent()) {
        paintCache_.PaintPersistent(FrameKey(), [this](TteBitmap& persistent) { PaintOnBuffer(persistent); });
    } else {
        PaintOnBuffer(*buffer);
    }
    // The four bands around the client area.
    const TRect bands[] = {{0, 0, width, client.Top},
                           {0, client.Top, client.Left, client.Bottom},
                           {client.Right, client.Top, width, client.Bottom},
                           {0, client.Bottom, width, height}};
    // Each band is copied as the rectangle of it that needs painting: a blit under a rectangular
    // clip is a plain copy, where a clip of several rectangles makes Qt blend span by span.
    const QRect needed = dirty.boundingRect();
    for (const TRect& band : bands) {
        const TRect part = TRect::FromQRect(band.ToQRect().intersected(needed));
        if (!part.IsEmpty())
            CopyBufferInStrips(surface, *buffer, part, {part.Left, part.Top});
    }
}

void TTeDefaultForm::PaintWindowImage(QImage& image, bool active)
{
    TForm* form = Form();
    if (form == nullptr)
        return;
    const bool wasActive = active_;
    active_ = active;
    TteBitmap frame;
    frame.SetSize(form->Width(), form->Height());
    frame.Fill(TransparentKey);
    try {
        PaintOnBuffer(frame);
    } catch (...) {
        active_ = wasActive;
        throw;
    }
    active_ = wasActive;
    image = frame.ToImage().convertToFormat(QImage::Format_ARGB32);
    // The client area through its widgets' own painting.
    QPainter painter(&image);
    const TRect client = form->ClientBounds();
    form->ClientWidget()->render(&painter, QPoint(client.Left, client.Top));
}
