// The frame's size grip: where a layout puts it, the window is sized from its bottom-right corner.
#include <algorithm>

#include "controls/frame/TeDefaultForm.h"
#include "framework/Form.h"
#include "graphics/CanvasDraw.h"

TRect TTeDefaultForm::GetSizeGripRect()
{
    return sizeGripRect_;
}

void TTeDefaultForm::SetSizeGripRect(const TRect& rect)
{
    if (rect == sizeGripRect_)
        return;
    sizeGripRect_ = rect;
    if (Hooked()) {
        HookClientArea();
        Form()->Handle()->update();
    }
}

void TTeDefaultForm::PaintSizeGrip(TCanvas& canvas, const TRect& rect)
{
    FillRectColor(canvas, rect, clBtnFace);
    if (!Dragging().Sizeable())
        return;
    // Three ridges across the corner, each a light line and two dark ones, counted from the
    // bottom-right pixel along the diagonals.
    const int reach = std::min({rect.Width(), rect.Height(), 13});
    for (int ridge = 0; ridge < 3; ++ridge) {
        for (int line = 0; line < 3; ++line) {
            const int n = ridge * 4 + line + 1;
            if (n >= reach)
                return;
            const TColor colour = line == 0 ? clBtnHighlight : clBtnShadow;
            for (int i = 0; i <= n; ++i)
                FillRectColor(canvas, rect.Right - 1 - i, rect.Bottom - 1 - (n - i), rect.Right - i,
                              rect.Bottom - (n - i), colour);
        }
    }
}

TteFormHit TTeDefaultForm::WithSizeGrip(TteFormHit part, TPoint point)
{
    if (part != TteFormHit::kfhNothing || !Dragging().Sizeable() || WindowState() != TTeWindowState::kwsNormal)
        return part;
    return GetSizeGripRect().Contains(point) ? TteFormHit::kfhBottomRight : part;
}
