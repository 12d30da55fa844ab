#pragma once
// Collections: an owned, ordered list of items of one class, stored with its owner as a list of
// items each with its own stored properties.
#include <QList>
#include <QString>
#include <functional>

#include "framework/Persistent.h"

class TCollection;

// An item of a collection; it adds itself to the collection it is created with.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item into another collection (or out of any, with nullptr).
    void SetCollection(TCollection* collection);
    // The item's place in its collection; setting it moves the item there.
    int Index() const;
    void SetIndex(int index);
    // A number unique within the collection, kept when items move.
    int ID() const { return id_; }
    // The text a list of items shows; the class name unless a descendant names itself.
    virtual QString DisplayName() const;

protected:
    // Tells the collection that this item (or, with allItems, the whole list) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

// What a collection creates its items as.
struct TCollectionItemClass {
    QString Name;
    std::function<TCollectionItem*(TCollection*)> Create;
};
template <typename T>
TCollectionItemClass CollectionItemClass(const QString& name)
{
    return {name, [](TCollection* collection) -> TCollectionItem* { return new T(collection); }};
}

class TCollection : public TPersistent {
public:
    // owner: the object the collection belongs to (for naming and storing); may be nullptr.
    TCollection(TPersistent* owner, TCollectionItemClass itemClass);
    ~TCollection() override;

    TPersistent* Owner() const { return owner_; }
    const TCollectionItemClass& ItemClass() const { return itemClass_; }

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    // A bad index raises Exception "List index out of bounds (n)".
    TCollectionItem* Items(int index) const;
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    // Copies another collection: this one is cleared, then gets one new item per source item,
    // each assigned from its source item.
    void Assign(const TPersistent* source) override;

protected:
    // Called after an item (or, with nullptr, the list as a whole) changed.
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void CheckIndex(int index) const;

    TPersistent* owner_;
    TCollectionItemClass itemClass_;
    QList<TCollectionItem*> items_;
    int nextId_ = 0;
    bool clearing_ = false;
};
