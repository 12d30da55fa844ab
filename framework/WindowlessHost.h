#pragma once
// The holder of the windowless controls placed straight on a form: a see-through windowed control
// under all the others that covers the form's client area, paints those controls over the client
// background and hands them their mouse input.
#include "framework/WinControl.h"

class TWindowlessHost : public TWinControl {
public:
    explicit TWindowlessHost(TForm& form);

    // Follows the client area's size.
    void FitClientArea();

private:
    TForm& form_;
};
