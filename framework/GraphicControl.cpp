#include "framework/GraphicControl.h"

#include "framework/WinControl.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Invalidate()
{
    if (Parent() != nullptr && Visible())
        Parent()->InvalidateRect(BoundsRect());
}

void TGraphicControl::Repaint()
{
    if (Parent() == nullptr || !Visible())
        return;
    // The parent's widget paints the dirty part at once, this control with it.
    Parent()->Handle()->repaint(BoundsRect().ToQRect());
}

void TGraphicControl::PaintOn(TDeviceContext& surface)
{
    TDeviceContext* previous = canvas_.HandleAllocated() ? canvas_.Handle() : nullptr;
    canvas_.SetHandle(&surface);
    canvas_.SetFont(Font());
    try {
        Paint();
    } catch (...) {
        canvas_.SetHandle(previous);
        throw;
    }
    canvas_.SetHandle(previous);
}
