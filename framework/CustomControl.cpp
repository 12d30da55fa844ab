#include "framework/CustomControl.h"

#include "framework/CanvasBinding.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(TControlStyle{TControlStyleFlag::csAcceptsControls});
    Handle()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCustomControl::PaintWindow(TDeviceContext& surface)
{
    const TCanvasBinding binding(canvas_, surface);
    canvas_.SetFont(Font());
    Paint();
}
