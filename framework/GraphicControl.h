#pragma once
// A windowless control: its parent's paint draws it onto the parent's surface at its bounds, and
// its mouse input comes through the parent's widget. It has no focus and no keys.
#include "framework/Canvas.h"
#include "framework/Control.h"

class TDeviceContext;

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);

    // Bound to the parent's surface (origin at the control's top-left, clipped to it) while
    // Paint runs.
    TCanvas& Canvas() { return canvas_; }

    void Invalidate() override;
    void Repaint() override;

    // Paints the control onto surface, whose origin the caller has put at the control's top-left.
    void PaintOn(TDeviceContext& surface);

protected:
    virtual void Paint() {}

private:
    TCanvas canvas_;
};
