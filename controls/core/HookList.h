#pragma once
// The process-wide list of hooked components' TControlHooks, with the two requests that reach it as
// posted messages: re-install a TControlHook whose window was made anew, release one that has no
// hooks left. Requests for a TControlHook no longer in the list are dropped.
#include <QList>

#include "framework/Component.h"

class TControlHook;

// Private messages of the list: lParam carries the TControlHook.
constexpr std::uint32_t kHookReinstall = 0xB0DE;
constexpr std::uint32_t kHookRelease = 0xB0DF;

class THookList : public TComponent {
public:
    // Made on first use.
    static THookList& Instance();

    // The TControlHook of control, made when asked to and missing.
    TControlHook* Find(TComponent* control, bool make);
    bool Contains(const TControlHook* controlHook) const { return list_.contains(const_cast<TControlHook*>(controlHook)); }
    void RequestReinstall(TControlHook* controlHook);
    void RequestRelease(TControlHook* controlHook);

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    THookList();

    QList<TControlHook*> list_;
};
