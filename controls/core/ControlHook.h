#pragma once
// The hooks of one component's window, in the order they were attached. It watches the window through
// the framework's window hook and offers each event to its hooks, the latest attached first.
#include <QEvent>
#include <QList>

#include "framework/Component.h"
#include "framework/ComponentRef.h"
#include "framework/WindowHook.h"

class TTeHook;

class TControlHook : public TComponent, private TWindowHook {
public:
    // control must be a TWindowed component.
    explicit TControlHook(TComponent* control);
    ~TControlHook() override;

    TComponent* Control() const { return control_; }
    const QList<TTeHook*>& Hooks() const { return hooks_; }
    bool Installed() const { return HookedWindow() != nullptr; }

    // Appends hook (once) and installs on the control's window.
    void Attach(TTeHook* hook);
    // Takes hook off; the window is left alone when none remains.
    void Detach(TTeHook* hook);
    // Watches the control's window again, when the control has one and is not going away.
    void Install();
    void Uninstall();

private:
    bool BeforeEvent(QEvent* event) override;
    bool AfterEvent(QEvent* event) override;
    void Unhooked() override;
    // The control is being freed: nothing is left to watch.
    void ControlFreed();
    using TPass = void (TTeHook::*)(QEvent*, bool&);
    bool Offer(QEvent* event, TPass pass);

    TComponentRef<TComponent> control_{[this] { ControlFreed(); }};
    QList<TTeHook*> hooks_;
    TTeHook* latest_ = nullptr;
    bool uninstalling_ = false;
};
