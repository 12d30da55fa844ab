#include "framework/WindowlessHost.h"

#include "framework/Form.h"

TWindowlessHost::TWindowlessHost(TForm& form) : TWinControl(nullptr), form_(form)
{
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csAcceptsControls});
    // The widget fills nothing itself, so the client background (the frame's or the form's
    // colour) shows through between the controls.
    Handle()->setAttribute(Qt::WA_NoSystemBackground);
    SetParent(&form_);
    SetParentColor(true);
    FitClientArea();
    // Windowed controls placed on the form later come above it; those placed earlier too.
    Handle()->lower();
}

void TWindowlessHost::FitClientArea()
{
    SetBounds(0, 0, form_.ClientWidth(), form_.ClientHeight());
}
