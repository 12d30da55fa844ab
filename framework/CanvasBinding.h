#pragma once
// A canvas bound to another surface for a scope: it is put back on the surface it had when the scope
// ends, also when painting fails.
#include "framework/Canvas.h"

class TCanvasBinding {
public:
    TCanvasBinding(TCanvas& canvas, TDeviceContext& surface)
        : canvas_(canvas), previous_(canvas.HandleAllocated() ? canvas.Handle() : nullptr)
    {
        canvas_.SetHandle(&surface);
    }
    ~TCanvasBinding() { canvas_.SetHandle(previous_); }
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& canvas_;
    TDeviceContext* previous_;
};
