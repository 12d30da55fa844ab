#include "framework/Collection.h"

#include <utility>

#include "framework/Exception.h"

TCollectionItem::TCollectionItem(TCollection* collection)
{
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection)
{
    if (collection == collection_)
        return;
    if (collection_ != nullptr)
        collection_->RemoveItem(this);
    if (collection != nullptr)
        collection->InsertItem(this);
}

int TCollectionItem::Index() const
{
    return collection_ != nullptr ? static_cast<int>(collection_->items_.indexOf(const_cast<TCollectionItem*>(this))) : -1;
}

void TCollectionItem::SetIndex(int index)
{
    const int current = Index();
    if (current < 0 || index == current)
        return;
    collection_->CheckIndex(index);
    collection_->items_.move(current, index);
    Changed(true);
}

QString TCollectionItem::DisplayName() const
{
    return ClassName();
}

void TCollectionItem::Changed(bool allItems)
{
    if (collection_ != nullptr)
        collection_->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TPersistent* owner, TCollectionItemClass itemClass)
    : owner_(owner), itemClass_(std::move(itemClass))
{
}

TCollection::~TCollection()
{
    clearing_ = true;
    while (!items_.isEmpty())
        delete items_.last();
}

TCollectionItem* TCollection::Add()
{
    TCollectionItem* item = itemClass_.Create(this);
    if (item->Collection() != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index)
{
    if (index < 0 || index > Count())
        CheckIndex(index);
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

TCollectionItem* TCollection::Items(int index) const
{
    CheckIndex(index);
    return items_.at(index);
}

void TCollection::Delete(int index)
{
    CheckIndex(index);
    delete items_.at(index);
}

void TCollection::Clear()
{
    if (items_.isEmpty())
        return;
    clearing_ = true;
    while (!items_.isEmpty())
        delete items_.last();
    clearing_ = false;
    Update(nullptr);
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (TCollectionItem* item : items_)
        if (item->id_ == id)
            return item;
    return nullptr;
}

void TCollection::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TCollection*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    Clear();
    for (const TCollectionItem* item : other->items_)
        Add()->Assign(item);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::InsertItem(TCollectionItem* item)
{
    items_.append(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    Update(nullptr);
}

void TCollection::RemoveItem(TCollectionItem* item)
{
    items_.removeOne(item);
    item->collection_ = nullptr;
    if (!clearing_)
        Update(nullptr);
}
