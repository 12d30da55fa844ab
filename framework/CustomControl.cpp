#include "framework/CustomControl.h"

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(TControlStyle{TControlStyleFlag::csAcceptsControls});
    Handle()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCustomControl::PaintWindow(TDeviceContext& surface)
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
