#include "controls/core/ControlHook.h"

#include "controls/core/HookList.h"
#include "controls/core/TeHook.h"
#include "framework/Application.h"
#include "framework/Windowed.h"

TControlHook::TControlHook(TComponent* control) : TComponent(nullptr)
{
    control_ = control;
}

TControlHook::~TControlHook()
{
    Uninstall();
    const QList<TTeHook*> hooks = hooks_;
    for (TTeHook* hook : hooks)
        hook->SetActive(false);
}

void TControlHook::Attach(TTeHook* hook)
{
    if (!hooks_.contains(hook)) {
        hooks_.append(hook);
        latest_ = hook;
    }
    Install();
}

void TControlHook::Detach(TTeHook* hook)
{
    hooks_.removeOne(hook);
    latest_ = nullptr;
    if (hooks_.isEmpty())
        Uninstall();
}

void TControlHook::Install()
{
    if (control_ == nullptr || control_->ComponentState().Contains(TComponentStateFlag::csDestroying) ||
        ComponentState().Contains(TComponentStateFlag::csDestroying) || hooks_.isEmpty())
        return;
    if (auto* windowed = dynamic_cast<TWindowed*>(control_.Get()); windowed != nullptr && windowed->Handle() != nullptr)
        HookWindow(windowed->Handle());
}

void TControlHook::Uninstall()
{
    if (!Installed())
        return;
    uninstalling_ = true;
    HookWindow(nullptr);
    uninstalling_ = false;
    if (!hooks_.isEmpty())
        hooks_.last()->Unhooked();
}

void TControlHook::ControlFreed()
{
    // The hooks let go of the control through their own references.
    Uninstall();
    THookList::Instance().RequestRelease(this);
}

bool TControlHook::Offer(QEvent* event, TPass pass)
{
    bool handled = false;
    // A hook may detach itself or others while it runs; one that fails is shown and the rest go on.
    const QList<TTeHook*> hooks = hooks_;
    for (auto it = hooks.crbegin(); it != hooks.crend() && !handled; ++it)
        if (TTeHook* hook = *it; hooks_.contains(hook))
            Application->Guard(hook, [&] { (hook->*pass)(event, handled); });
    return handled;
}

bool TControlHook::BeforeEvent(QEvent* event)
{
    return Offer(event, &TTeHook::BeforeMessage);
}

bool TControlHook::AfterEvent(QEvent* event)
{
    return Offer(event, &TTeHook::AfterMessage);
}

void TControlHook::Unhooked()
{
    if (uninstalling_)
        return;
    // The window went away under a living control: the hooks come back when it has a window again.
    if (!hooks_.isEmpty())
        hooks_.last()->Unhooked();
    if (control_ != nullptr && !control_->ComponentState().Contains(TComponentStateFlag::csDestroying) &&
        THookList::Instance().Contains(this))
        THookList::Instance().RequestReinstall(this);
}
