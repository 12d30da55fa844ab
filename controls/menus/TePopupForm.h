#pragma once
// The frame skinner of a menu's popup window: no border and no caption buttons, neither moved nor
// sized, unbuffered. Its client area is the menu level, which the popup window paints; what the
// frame adds is the popup options' shadow, blending and show animation.
#include "controls/frame/TeForm.h"

class TTePopupMenuOptions;

class TTePopupForm : public TTeForm {
public:
    explicit TTePopupForm(TComponent* owner);

    // Takes the blending and the shadow of options, and its animation when animate (the first level
    // a menu opens); nullptr: none of them.
    void ApplyOptions(const TTePopupMenuOptions* options, bool animate);

    // Nothing: the level covers the whole client area.
    void PaintClient(TCanvas& canvas, const TRect& rect) override;

protected:
    // The mouse belongs to the menu's loop: a popup has no frame parts to press.
    void HookEvent(QEvent* event) override;
};
