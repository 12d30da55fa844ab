#include "framework/Component.h"

#include "framework/ComponentRef.h"
#include "framework/Exception.h"

TComponent::TComponent(TComponent* owner)
{
    if (owner != nullptr)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    // Reached without Free only by a component of automatic storage or one whose constructor threw.
    if (!freeing_) {
        freeing_ = true;
        BeforeDestruction();
    }
}

void TComponent::operator delete(TComponent* component, std::destroying_delete_t)
{
    if (component == nullptr || component->freeing_)
        return;
    component->freeing_ = true;
    component->BeforeDestruction();
    void* memory = dynamic_cast<void*>(component);
    component->~TComponent();
    ::operator delete(memory);
}

void* TComponent::operator new(std::size_t size)
{
    return ::operator new(size);
}

void TComponent::operator delete(void* memory)
{
    ::operator delete(memory);
}

void TComponent::BeforeDestruction()
{
    if (!state_.Contains(TComponentStateFlag::csDestroying))
        Destroying();
    refsCleared_ = true;
    while (refs_ != nullptr)
        refs_->Cleared();
    DestroyComponents();
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

void TComponent::Destroying()
{
    if (state_.Contains(TComponentStateFlag::csDestroying))
        return;
    state_.Include(TComponentStateFlag::csDestroying);
    for (TComponent* component : components_)
        if (!component->state_.Contains(TComponentStateFlag::csDestroying))
            component->Destroying();
}

void TComponent::DestroyComponents()
{
    // Each lets its owner go at the end of its own Free, after its own components.
    while (!components_.isEmpty()) {
        TComponent* component = components_.last();
        if (component->freeing_)
            RemoveComponent(component);  // its Free runs further up and finishes it
        else
            component->Free();
    }
}

void TComponentRefBase::Attach(TComponent* component)
{
    if (component != nullptr && component->refsCleared_)
        component = nullptr;
    if (component == component_)
        return;
    if (component_ != nullptr) {
        (prev_ != nullptr ? prev_->next_ : component_->refs_) = next_;
        if (next_ != nullptr)
            next_->prev_ = prev_;
        prev_ = next_ = nullptr;
    }
    component_ = component;
    if (component != nullptr) {
        next_ = component->refs_;
        if (next_ != nullptr)
            next_->prev_ = this;
        component->refs_ = this;
    }
}

void TComponentRefBase::Cleared()
{
    Attach(nullptr);
    if (onFree_)
        onFree_();
}

int TComponent::ComponentIndex() const
{
    return owner_ != nullptr ? static_cast<int>(owner_->components_.indexOf(const_cast<TComponent*>(this))) : -1;
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent* component : components_)
        if (component->name_.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

bool IsValidIdent(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}

void TComponent::ValidateRename(const QString& newName) const
{
    if (!newName.isEmpty() && !IsValidIdent(newName))
        throw Exception(QStringLiteral("'%1' is not a valid component name").arg(newName));
    if (owner_ != nullptr && !newName.isEmpty()) {
        TComponent* existing = owner_->FindComponent(newName);
        if (existing != nullptr && existing != this)
            throw Exception(QStringLiteral("A component named %1 already exists").arg(newName));
    }
}

void TComponent::SetName(const QString& name)
{
    if (name == name_)
        return;
    ValidateRename(name);
    name_ = name;
}

void TComponent::InsertComponent(TComponent* component)
{
    component->ValidateRename(component->name_);
    if (component->owner_ != nullptr)
        component->owner_->RemoveComponent(component);
    components_.append(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, TOperation::opRemove);
    components_.removeOne(component);
    component->owner_ = nullptr;
}

void TComponent::SetLoading(bool loading)
{
    if (loading)
        state_.Include(TComponentStateFlag::csLoading);
    else
        state_.Exclude(TComponentStateFlag::csLoading);
}

void TComponent::SetReading(bool reading)
{
    if (reading)
        state_.Include(TComponentStateFlag::csReading);
    else
        state_.Exclude(TComponentStateFlag::csReading);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc) const
{
    for (TComponent* component : components_)
        proc(component);
}

void TComponent::SetDesigning(bool designing)
{
    if (designing)
        state_.Include(TComponentStateFlag::csDesigning);
    else
        state_.Exclude(TComponentStateFlag::csDesigning);
    for (TComponent* component : components_)
        component->SetDesigning(designing);
}

void TComponent::Loaded()
{
    state_.Exclude(TComponentStateFlag::csLoading);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    for (TComponent* owned : components_)
        owned->Notification(component, operation);
}

TComponent* FindNestedComponent(const TComponent& root, const QString& name)
{
    if (TComponent* found = root.FindComponent(name))
        return found;
    for (int i = 0; i < root.ComponentCount(); ++i)
        if (TComponent* found = FindNestedComponent(*root.Components(i), name))
            return found;
    return nullptr;
}
