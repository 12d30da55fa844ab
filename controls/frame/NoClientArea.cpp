// A frame without a non-client area (DisabledNCArea): the client area covers the whole window, the
// frame is painted into it beneath the controls, and the frame takes the mouse input of the client
// background, except over windowless controls, which keep theirs.
#include <QMouseEvent>

#include "controls/frame/TeDefaultForm.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/WinControl.h"
#include "framework/WindowHook.h"
#include "graphics/RectUtils.h"

namespace {

// Whether a windowless control of host lies under point (host coordinates).
bool WindowlessControlAt(const TWinControl& host, QPoint point)
{
    for (int i = host.ControlCount() - 1; i >= 0; --i) {
        const TControl* control = host.Controls(i);
        if (dynamic_cast<const TGraphicControl*>(control) != nullptr && control->Showing() &&
            control->BoundsRect().Contains({point.x(), point.y()}))
            return true;
    }
    return false;
}

}  // namespace

// Sits on the form's windowless host, which lies under every windowed control and covers the
// client area: what reaches it is the client background or a windowless control.
class TTeDefaultForm::TClientAreaMouse : public TWindowHook {
public:
    TClientAreaMouse(TTeDefaultForm& frame, TWinControl& host) : frame_(frame), host_(host) { HookWindow(host.Handle()); }

protected:
    bool BeforeEvent(QEvent* event) override { return frame_.ClientMouse(event, *host_.Handle(), &host_); }

private:
    TTeDefaultForm& frame_;
    TWinControl& host_;
};

bool TTeDefaultForm::ClientMouse(QEvent* event, QWidget& widget, const TWinControl* host)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Leave) {
        if (drag_.Pressed() == TteFormHit::kfhNothing)
            SetHot(TteFormHit::kfhNothing);
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove)
        return false;
    const QPoint local = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QPoint inWindow = widget.mapTo(Form()->Handle(), local);
    const TPoint point{inWindow.x(), inWindow.y()};
    // A press held on the frame keeps the mouse until it is released, wherever it goes.
    if (drag_.ButtonDown()) {
        FrameMouseEvent(event, point);
        return true;
    }
    const bool overControl = host != nullptr && WindowlessControlAt(*host, local);
    // Without a non-client area the frame has the client background; else only the size grip.
    const bool frameHere =
        !overControl && (disabledNCArea_ || WithSizeGrip(TteFormHit::kfhNothing, point) == TteFormHit::kfhBottomRight);
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!frameHere)
            return false;
        FrameMouseEvent(event, point);
        return true;
    case QEvent::MouseButtonRelease:
        return false;
    default:
        // The widget still follows the mouse over its controls (their enter and leave).
        if (disabledNCArea_ && frameHere)
            FrameMouseEvent(event, point);
        else
            SetHot(TteFormHit::kfhNothing);
        return false;
    }
}

void TTeDefaultForm::HookClientArea()
{
    TForm* form = Form();
    if ((!disabledNCArea_ && sizeGripRect_.IsEmpty()) || form == nullptr || !takenOver_) {
        clientAreaMouse_.reset();
        return;
    }
    if (!clientAreaMouse_)
        clientAreaMouse_ = std::make_unique<TClientAreaMouse>(*this, *form->WindowlessHost());
}

TteFormHit TTeDefaultForm::FramePartAt(TPoint point)
{
    const TteFormHit part = HitTest(point);
    if (disabledNCArea_ && part == TteFormHit::kfhNothing)
        return TteFormHit::kfhCaption;
    return part;
}

void TTeDefaultForm::PaintClientLayers(TCanvas& canvas, const TRect& rect)
{
    const TRect client = Form()->ClientBounds();
    if (!disabledNCArea_) {
        PaintClientArea(canvas, rect);
    } else {
        // The client area starts at the window's corner: window and client coordinates agree.
        const TRect inner = GetFrameClientRect();
        const int level = canvas.SaveDC();
        canvas.IntersectClipRect(rect);
        canvas.ExcludeClipRect(inner);
        PaintFrame(canvas);
        canvas.RestoreDC(level);
        const int innerLevel = canvas.SaveDC();
        canvas.IntersectClipRect(IntersectRects(rect, inner));
        PaintClientArea(canvas, inner);
        canvas.RestoreDC(innerLevel);
    }
    const TRect grip = OffsetRectBy(GetSizeGripRect(), -client.Left, -client.Top);
    if (!IntersectRects(grip, rect).IsEmpty())
        PaintSizeGrip(canvas, grip);
}
