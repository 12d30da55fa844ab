#pragma once
// A reference to a component that something else owns: it reads nullptr from the moment the
// component is freed, so no raw pointer to a component outlives it.
#include <functional>

#include "framework/Component.h"

// The part the component knows: every reference to a component is linked into that component's
// list, which its Free walks to clear them.
class TComponentRefBase {
public:
    TComponentRefBase(const TComponentRefBase&) = delete;
    TComponentRefBase& operator=(const TComponentRefBase&) = delete;

protected:
    TComponentRefBase() = default;
    ~TComponentRefBase() { Attach(nullptr); }

    // Refers to component from now on; a component whose references were already cleared by its
    // Free is not referred to.
    void Attach(TComponent* component);
    TComponent* Target() const { return component_; }

    // Called once the referenced component is being freed, after the reference was cleared. It must
    // not destroy the reference it was called for.
    std::function<void()> onFree_;

private:
    friend class TComponent;
    // The component's Free: clears the reference, then calls onFree_.
    void Cleared();

    TComponent* component_ = nullptr;
    TComponentRefBase* prev_ = nullptr;
    TComponentRefBase* next_ = nullptr;
};

template <typename T>
class TComponentRef : public TComponentRefBase {
public:
    TComponentRef() = default;
    TComponentRef(T* component) { Attach(component); }
    // onFree runs when the referenced component is freed, while it is still whole.
    explicit TComponentRef(std::function<void()> onFree) { onFree_ = std::move(onFree); }
    // Copies and assignments carry the component only: an onFree stays with the holder it was given to.
    TComponentRef(const TComponentRef& other) : TComponentRefBase() { Attach(other.Target()); }
    TComponentRef& operator=(const TComponentRef& other)
    {
        Attach(other.Target());
        return *this;
    }
    TComponentRef& operator=(T* component)
    {
        Attach(component);
        return *this;
    }

    T* Get() const { return static_cast<T*>(Target()); }
    operator T*() const { return Get(); }
    T* operator->() const { return Get(); }
    T& operator*() const { return *Get(); }
};
