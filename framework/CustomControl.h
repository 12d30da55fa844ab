#pragma once
// A windowed control that draws itself: its Canvas is bound to the widget's surface while Paint runs.
#include "framework/Canvas.h"
#include "framework/WinControl.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);

    // Bound only while Paint (or a caller that binds it) runs; drawing outside raises.
    TCanvas& Canvas() { return canvas_; }

protected:
    // Draws the control in client coordinates; the base draws nothing.
    virtual void Paint() {}
    void PaintWindow(TDeviceContext& surface) override;

private:
    TCanvas canvas_;
};
