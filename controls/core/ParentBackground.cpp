#include "controls/core/ParentBackground.h"

#include "controls/core/TeControl.h"
#include "framework/Canvas.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "framework/WinControl.h"
#include "graphics/CanvasDraw.h"
#include "theme/BackgroundPainters.h"

namespace {

// Keeps the painting-a-copy mark on a control while its parent draws for it.
class TPaintCopyMark {
public:
    explicit TPaintCopyMark(TControl& control) : control_(control)
    {
        control_.SetControlState(control_.ControlState() + TControlState{TControlStateFlag::csPaintCopy});
    }
    ~TPaintCopyMark()
    {
        control_.SetControlState(control_.ControlState() - TControlState{TControlStateFlag::csPaintCopy});
    }
    TPaintCopyMark(const TPaintCopyMark&) = delete;
    TPaintCopyMark& operator=(const TPaintCopyMark&) = delete;

private:
    TControl& control_;
};

class TSavedState {
public:
    explicit TSavedState(TDeviceContext& surface) : surface_(surface), level_(surface.SaveDC()) {}
    ~TSavedState() { surface_.RestoreDC(level_); }
    TSavedState(const TSavedState&) = delete;
    TSavedState& operator=(const TSavedState&) = delete;

private:
    TDeviceContext& surface_;
    int level_;
};

}  // namespace

void DrawParentBackground(TControl* control, TDeviceContext& surface)
{
    if (control == nullptr || control->ParentObject() == nullptr || control->Width() <= 0 || control->Height() <= 0 ||
        control->ControlState().Contains(TControlStateFlag::csPaintCopy))
        return;
    TComponent* parent = control->ParentObject();
    TSavedState saved(surface);
    surface.MoveWindowOrg(-control->Left(), -control->Top());
    TPaintCopyMark mark(*control);
    if (const TteBackgroundPainter* painter = FindBackgroundPainter(parent)) {
        TCanvas canvas;
        canvas.SetHandle(&surface);
        const TRect bounds = control->BoundsRect();
        (*painter)(canvas, TteBackgroundPaintInfo{bounds, bounds, control, parent});
        return;
    }
    // No painter: the parent's own drawing, its windowless children left out.
    if (auto* windowed = dynamic_cast<TWinControl*>(parent))
        windowed->PaintOn(surface);
}

void PaintControlBackground(TControl& control, TCanvas& canvas, bool transparent, const TRect& rect)
{
    if (transparent)
        DrawParentBackground(&control, *canvas.Handle());
    else
        FillRectColor(canvas, rect, control.Color());
}

void RegisterControlBackgroundPainters()
{
    if (IsBackgroundPainterRegistered(typeid(TTeControl)))
        return;
    RegisterBackgroundPainter<TTeControl>([](TCanvas& canvas, const TteBackgroundPaintInfo& info) {
        // Handed straight to the parent object: it draws its border and content, no children.
        Perform(info.Parent, WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(canvas.Handle()), 1);
        return true;
    });
}
