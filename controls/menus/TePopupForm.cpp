#include "controls/menus/TePopupForm.h"

#include <QEvent>

namespace {

constexpr int kUnlimited = 32767;

}  // namespace

TTePopupForm::TTePopupForm(TComponent* owner) : TTeForm(owner)
{
    SetBorderIcons({});
    SetBorderStyle(TTeBorderStyle::kbsNone);
    Dragging().SetMoveable(false);
    Dragging().SetSizeable(false);
    Gravitation().SetEnabled(false);
    SetMinimizeApplication(false);
    // A level is as large as its items, whatever a window's usual limits: one taller than the
    // screen must measure so to start scrolling.
    Constraints().SetMinWidth(1);
    Constraints().SetMinHeight(1);
    Constraints().SetMaxWidth(kUnlimited);
    Constraints().SetMaxHeight(kUnlimited);
}

void TTePopupForm::ApplyOptions(const TTePopupMenuOptions* options, bool animate)
{
    const TTePopupMenuOptions none;
    const TTePopupMenuOptions& from = options != nullptr ? *options : none;
    if (Blending().Enabled() != from.Blending().Enabled() || Blending().Value() != from.Blending().Value())
        Blending().Assign(&from.Blending());
    if (Shadow().Enabled() != from.Shadow().Enabled() || Shadow().Size() != from.Shadow().Size())
        Shadow().Assign(&from.Shadow());
    Animation().Assign(&from.Animation());
    Animation().SetEnabled(animate && from.Animation().Enabled());
}

void TTePopupForm::PaintClient(TCanvas&, const TRect&) {}

void TTePopupForm::HookEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return;
    default:
        TTeForm::HookEvent(event);
    }
}
