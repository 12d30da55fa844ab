#pragma once
// Components: objects with an owner, a name and owned components, told when others go away.
#include <QList>
#include <QString>
#include <functional>

#include "framework/Method.h"
#include "framework/Persistent.h"
#include "framework/Set.h"

enum class TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;

enum class TOperation { opInsert, opRemove };

class TComponent;
// Events receive the sender first.
using TNotifyEvent = TMethod<void(TObject* sender)>;

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const QString& Name() const { return name_; }
    // Raises when the name is not an identifier or another component of the same owner has it.
    virtual void SetName(const QString& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    int ComponentIndex() const;
    // Looks up an owned component by name, without regard to case.
    TComponent* FindComponent(const QString& name) const;

    // Ownership changes; the owner's tree is told of each with Notification.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponentState ComponentState() const { return state_; }
    // Loading: set while a stored description is read; Loaded clears it.
    void SetLoading(bool loading);
    // Reading: set while the stored description holding the component is read; cleared before Loaded.
    void SetReading(bool reading);
    void SetDesigning(bool designing);
    virtual void Loaded();

    // The components written nested inside this one in a stored description; the base hands
    // over every owned component in creation order.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc) const;
    // The named handlers that events in a stored description read with this component as root
    // are bound to; none by default.
    virtual const TMethodTable* MethodTable() const { return nullptr; }

    // Asks to be told (Notification with opRemove) when component is destroyed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

protected:
    // Told when a component is inserted into or removed from this component's tree, or when a
    // component this one asked about is destroyed. The base forwards to the owned components.
    virtual void Notification(TComponent* component, TOperation operation);
    // Called at the start of destruction, while the object is still whole.
    virtual void Destroying();
    // Frees every owned component, the last created first.
    void DestroyComponents();

private:
    void ValidateRename(const QString& newName) const;

    TComponent* owner_ = nullptr;
    QString name_;
    int tag_ = 0;
    QList<TComponent*> components_;
    QList<TComponent*> freeNotifies_;
    TComponentState state_;
};

// True when name is a valid identifier for a component (letters, digits, '_'; not starting with a digit).
bool IsValidIdent(const QString& name);
