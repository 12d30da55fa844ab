#include "framework/GraphicControl.h"

#include "framework/CanvasBinding.h"
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
    const TCanvasBinding binding(canvas_, surface);
    canvas_.SetFont(Font());
    Paint();
}
