#pragma once
// A non-visual component that sees the events and messages of another component's window before and
// after the window itself, and may keep them from it: how the form skinner takes over a window it
// does not own.
#include <QEvent>

#include "framework/Component.h"
#include "framework/ComponentRef.h"

class TControlHook;

class TTeHook : public TComponent {
public:
    explicit TTeHook(TComponent* owner);
    ~TTeHook() override;

    // Attached to the control's window while true (the default).
    bool Active() const { return active_; }
    virtual void SetActive(bool value);
    // The component whose window is hooked (a form or a windowed control); a hook outlives it and
    // is detached when it goes.
    TComponent* Control() const { return control_; }
    void SetControl(TComponent* control);

    // Keeps the event on its way from the hooks attached earlier and from the window.
    void MarkHandled() { handled_ = true; }

protected:
    friend class TControlHook;
    // Before the window: numbered messages go to the hook's own handlers (Dispatch, unknown numbers
    // do nothing), other events to HookEvent; handled says whether a later-attached hook has taken it.
    virtual void BeforeMessage(QEvent* event, bool& handled);
    // After the window handled an event no hook had taken, latest hook first.
    virtual void AfterMessage(QEvent* event, bool& handled);
    // The window stopped being hooked (it went away, or this hook was the last).
    virtual void Unhooked();
    // The hook's handler of the window's Qt events; calls MarkHandled to keep one from the window.
    virtual void HookEvent(QEvent* event);

private:
    void Attach();
    void Detach();

    bool active_ = true;
    // Detaches the hook when the control is freed.
    TComponentRef<TComponent> control_{[this] { Detach(); }};
    TControlHook* controlHook_ = nullptr;
    bool handled_ = false;
};

void RegisterTeHookProperties();
