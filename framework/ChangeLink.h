#pragma once
// How a component that others show (an image list, an action) tells them it changed: each user
// owns a link to it, which reads null from the moment the component is freed, and the component
// calls every live link's OnChange.
#include <QList>
#include <functional>

#include "framework/ComponentRef.h"

class TChangeLinkBase;

// Kept by the component that changes; its links forget it when it goes.
class TChangeLinks {
public:
    TChangeLinks() = default;
    TChangeLinks(const TChangeLinks&) = delete;
    TChangeLinks& operator=(const TChangeLinks&) = delete;
    ~TChangeLinks();

    // Calls OnChange of every link, including links added by one of the calls.
    void Changed() const;

private:
    friend class TChangeLinkBase;
    QList<TChangeLinkBase*> links_;
};

class TChangeLinkBase {
public:
    TChangeLinkBase(const TChangeLinkBase&) = delete;
    TChangeLinkBase& operator=(const TChangeLinkBase&) = delete;

    std::function<void()> OnChange;

protected:
    TChangeLinkBase() = default;
    ~TChangeLinkBase() { Attach(nullptr); }
    void Attach(TChangeLinks* links);

private:
    friend class TChangeLinks;
    TChangeLinks* links_ = nullptr;
};

// A user's link to a T, which offers ChangeLinks(). onFree runs when the T is freed (the link
// then reads null), so a control can repaint without what it showed.
template <typename T>
class TChangeLink : public TChangeLinkBase {
public:
    explicit TChangeLink(std::function<void()> onChange, std::function<void()> onFree = {})
        : source_([this, onFree = std::move(onFree)] {
              Attach(nullptr);
              if (onFree)
                  onFree();
          })
    {
        OnChange = std::move(onChange);
    }

    T* Get() const { return source_.Get(); }
    operator T*() const { return Get(); }
    T* operator->() const { return Get(); }
    void Set(T* source)
    {
        if (source == source_.Get())
            return;
        Attach(source != nullptr ? &source->ChangeLinks() : nullptr);
        source_ = source;
    }

private:
    TComponentRef<T> source_;
};
