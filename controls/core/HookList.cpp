#include "controls/core/HookList.h"

#include <QCoreApplication>

#include "controls/core/ControlHook.h"
#include "framework/Messaging.h"

namespace {

THookList* instance = nullptr;

void FreeHookList()
{
    delete instance;
    instance = nullptr;
}

}  // namespace

THookList::THookList() : TComponent(nullptr) {}

THookList& THookList::Instance()
{
    if (instance == nullptr) {
        instance = new THookList;
        // Ends with the application, while windows can still be unhooked.
        qAddPostRoutine(FreeHookList);
    }
    return *instance;
}

TControlHook* THookList::Find(TComponent* control, bool make)
{
    for (TControlHook* controlHook : list_)
        if (controlHook->Control() == control)
            return controlHook;
    if (!make)
        return nullptr;
    auto* controlHook = new TControlHook(control);
    InsertComponent(controlHook);
    list_.append(controlHook);
    return controlHook;
}

void THookList::RequestReinstall(TControlHook* controlHook)
{
    PostMessage(this, kHookReinstall, 0, reinterpret_cast<std::intptr_t>(controlHook));
}

void THookList::RequestRelease(TControlHook* controlHook)
{
    PostMessage(this, kHookRelease, 0, reinterpret_cast<std::intptr_t>(controlHook));
}

void THookList::Dispatch(TMessage& message)
{
    auto* controlHook = reinterpret_cast<TControlHook*>(message.LParam);
    if (message.Msg != kHookReinstall && message.Msg != kHookRelease) {
        TComponent::Dispatch(message);
        return;
    }
    if (!Contains(controlHook))
        return;
    if (message.Msg == kHookReinstall)
        controlHook->Install();
    else if (controlHook->Hooks().isEmpty())
        delete controlHook;
}

void THookList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        list_.removeOne(static_cast<TControlHook*>(component));
}
