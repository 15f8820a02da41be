// Collections: an owned, ordered list of items of one class, published by a
// control as an object-typed property and stored as a collection value
// (one list of item properties per item).
#pragma once

#include "framework/core/Persistent.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class TCollection;

// One item; its published properties are stored with the collection.
class TCollectionItem : public QObject, public TPersistent
{
    Q_OBJECT

public:
    explicit TCollectionItem(TCollection* collection);
    TCollection* Collection() const { return m_collection; }
    // Position within the collection.
    int Index() const;

protected:
    // Tells the collection that a published property changed.
    void Changed();

private:
    TCollection* m_collection;
};

class TCollection : public QObject, public TPersistent
{
    Q_OBJECT

public:
    using TItemFactory = std::function<TCollectionItem*(TCollection*)>;

    TCollection(TItemFactory factory, QObject* parent = nullptr);
    ~TCollection() override;

    int Count() const { return static_cast<int>(m_items.size()); }
    // EListError outside 0 .. Count-1.
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();
    int IndexOf(const TCollectionItem* item) const;
    // A new item of the collection's class, not yet added (a reference for
    // the item properties' default values).
    std::unique_ptr<TCollectionItem> NewDetachedItem();

signals:
    void Changed();

private:
    friend class TCollectionItem;
    TItemFactory m_factory;
    std::vector<TCollectionItem*> m_items;
};
