#pragma once
// Components: objects with an owner, a name and owned components, told when others go away.
#include <QList>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <new>

#include "framework/Method.h"
#include "framework/Persistent.h"
#include "framework/Set.h"

enum class TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;

enum class TOperation { opInsert, opRemove };

class TComponent;
class TComponentRefBase;
// Events receive the sender first.
using TNotifyEvent = TMethod<void(TObject* sender)>;

// How a component dies. A C++ destructor runs after the derived parts are gone, too late for a
// derived Destroying or for a watcher that wants the derived type. So a component dies through
// Free: csDestroying is set, the virtual Destroying runs (on the owned components too), the
// references to it are cleared and their holders told, its owned components are freed (the last
// created first), its owner lets it go, and only then is it deleted. Everything that deletes a
// component goes this way: `delete` of a TComponent* is Free (a destroying operator delete), and
// TOwned<T> frees through Free, so no deletion path can skip the teardown.
// A component with automatic storage (a local, a member) ends in its destructors instead, which
// still clear references, tell their holders and free the owned components, but only as a TComponent:
// its own Destroying does not run. That is fine for a component kept in a scope that outlives
// everything it is told about (tests, headless jobs). A class whose end needs the whole object
// (a window, a control) declares its destructor protected: the compiler then refuses it on the
// stack and refuses a plain `delete` of it, leaving Free and TOwned.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // Frees the component as told above; a component already being freed is left to that Free.
    void Free() { delete this; }
    static void operator delete(TComponent* component, std::destroying_delete_t);
    // Plain allocation; the plain delete is only used for a component whose constructor threw.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory);

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
    // A stored description created this component nested inside container; a control goes into
    // it as into its parent. Nothing by default.
    virtual void SetParentComponent(TComponent* /*container*/) {}

protected:
    // Told when a component is inserted into or removed from this component's tree. The base
    // forwards to the owned components. A component not in the tree is followed with a
    // TComponentRef, whose onFree tells of its end.
    virtual void Notification(TComponent* component, TOperation operation);
    // The first step of Free, while the whole tree is still whole: sets csDestroying here and on
    // every owned component, whose Destroying runs too. Overrides call the base first.
    virtual void Destroying();
    // Frees every owned component, the last created first.
    void DestroyComponents();

private:
    friend class TComponentRefBase;

    void ValidateRename(const QString& newName) const;
    // Everything of Free before the destructors run.
    void BeforeDestruction();

    TComponent* owner_ = nullptr;
    QString name_;
    int tag_ = 0;
    QList<TComponent*> components_;
    TComponentState state_;
    // The references to this component (a list through the references themselves).
    TComponentRefBase* refs_ = nullptr;
    bool freeing_ = false;
    bool refsCleared_ = false;
};

// For std::unique_ptr: frees through Free, so it also owns components with a protected destructor.
struct TComponentDeleter {
    void operator()(TComponent* component) const { component->Free(); }
};
template <typename T>
using TOwned = std::unique_ptr<T, TComponentDeleter>;

template <typename T, typename... Args>
TOwned<T> MakeOwned(Args&&... args)
{
    return TOwned<T>(new T(std::forward<Args>(args)...));
}

// The component of that name anywhere in root's ownership tree (a stored description nests controls
// in their containers), looked for without regard to case; nullptr when none.
TComponent* FindNestedComponent(const TComponent& root, const QString& name);

// True when name is a valid identifier for a component (letters, digits, '_'; not starting with a digit).
bool IsValidIdent(const QString& name);
