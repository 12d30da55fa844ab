#include "controls/core/TeHook.h"

#include "controls/core/ControlHook.h"
#include "controls/core/HookList.h"
#include "framework/Messaging.h"
#include "framework/PropInfo.h"

TTeHook::TTeHook(TComponent* owner) : TComponent(owner) {}

TTeHook::~TTeHook()
{
    Detach();
}

void TTeHook::SetActive(bool value)
{
    if (value == active_)
        return;
    active_ = value;
    if (active_)
        Attach();
    else
        Detach();
}

void TTeHook::SetControl(TComponent* control)
{
    if (control == control_)
        return;
    TComponent* old = control_;
    Detach();
    if (old != nullptr) {
        // A window that no hook watches any more is let go once the events now pending are done.
        if (TControlHook* oldHook = THookList::Instance().Find(old, false); oldHook != nullptr && oldHook->Hooks().isEmpty())
            THookList::Instance().RequestRelease(oldHook);
    }
    control_ = control;
    if (active_)
        Attach();
}

void TTeHook::Attach()
{
    if (control_ == nullptr || controlHook_ != nullptr)
        return;
    controlHook_ = THookList::Instance().Find(control_, true);
    controlHook_->Attach(this);
}

void TTeHook::Detach()
{
    if (controlHook_ == nullptr)
        return;
    TControlHook* controlHook = controlHook_;
    controlHook_ = nullptr;
    controlHook->Detach(this);
}

void TTeHook::BeforeMessage(QEvent* event, bool& handled)
{
    handled_ = handled;
    if (TMessageEvent* message = TMessageEvent::From(event))
        Dispatch(message->Message());
    else
        HookEvent(event);
    handled = handled_;
}

void TTeHook::AfterMessage(QEvent*, bool&) {}

void TTeHook::Unhooked() {}

void TTeHook::HookEvent(QEvent*) {}

void RegisterTeHookProperties()
{
    RegisterProperties<TTeHook, TComponent>().Boolean("Active", &TTeHook::Active, &TTeHook::SetActive, true);
}
