#include "controls/frame/FormBackground.h"

#include "controls/frame/TeDefaultForm.h"
#include "framework/Brush.h"
#include "framework/Form.h"
#include "theme/BackgroundPainters.h"
#include "theme/ThemeManager.h"

namespace {

struct TFramePainter {
    bool operator()(TCanvas& canvas, const TteBackgroundPaintInfo& info) const
    {
        const auto* form = static_cast<const TForm*>(info.Parent);
        TTeDefaultForm* frame = ActiveFrameOf(form);
        if (frame != nullptr && !form->ComponentState().Contains(TComponentStateFlag::csDesigning)) {
            frame->PaintChildBackground(canvas, info.ChildBounds);
            return true;
        }
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(form->Color());
        canvas.FillRect(info.ChildBounds);
        return true;
    }
};

}  // namespace

TTeDefaultForm* ActiveFrameOf(const TForm* form)
{
    if (form == nullptr)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* frame = dynamic_cast<TTeDefaultForm*>(form->Components(i));
        if (frame != nullptr && frame->Active() && frame->Hooked())
            return frame;
    }
    return nullptr;
}

void RegisterFormBackgroundPainter(const TForm* form)
{
    // The manager registers the framework's painters when it starts; ours must come after them.
    ThemeManager();
    if (form != nullptr) {
        const TteBackgroundPainter* found = FindBackgroundPainter(form);
        if (found != nullptr && found->target_type() == typeid(TFramePainter))
            return;
    }
    RegisterBackgroundPainter<TForm>(TFramePainter{});
}
