// Gravitation of owned forms: the framed windows docked to a window dragged with live feedback
// travel with it, so a group of snapped windows moves as one.
#include "controls/frame/FormBackground.h"
#include "controls/frame/SnapBounds.h"
#include "controls/frame/TeDefaultForm.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "graphics/RectUtils.h"

void TTeDefaultForm::MoveDockedFrames(const TRect& from, const TRect& to)
{
    const int dx = to.Left - from.Left;
    const int dy = to.Top - from.Top;
    if (!gravitation_.OwnedForm() || (dx == 0 && dy == 0))
        return;
    // Found first, moved after: a window that moved must not make another one docked to it.
    QList<TTeDefaultForm*> docked;
    for (int i = 0; i < Application->FormCount(); ++i) {
        TForm* other = Application->Forms(i);
        if (other == Form() || !other->Visible())
            continue;
        TTeDefaultForm* frame = ActiveFrameOf(other);
        if (frame != nullptr && frame->Gravitation().SnapToForms() && EdgeToEdge(from, other->BoundsRect()))
            docked.append(frame);
    }
    for (TTeDefaultForm* frame : docked)
        frame->SetFormBounds(OffsetRectBy(frame->Form()->BoundsRect(), dx, dy));
}
