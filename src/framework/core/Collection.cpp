#include "framework/core/Collection.h"

#include "framework/core/Exceptions.h"

#include <algorithm>

TCollectionItem::TCollectionItem(TCollection* collection)
    : QObject(collection)
    , m_collection(collection)
{ }

int TCollectionItem::Index() const
{
    return m_collection ? m_collection->IndexOf(this) : -1;
}

void TCollectionItem::Changed()
{
    if (m_collection && Index() >= 0)
        emit m_collection->Changed();
}

TCollection::TCollection(TItemFactory factory, QObject* parent)
    : QObject(parent)
    , m_factory(std::move(factory))
{ }

TCollection::~TCollection()
{
    Clear();
}

TCollectionItem* TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError::IndexOutOfBounds(index);
    return m_items[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::Add()
{
    TCollectionItem* item = m_factory(this);
    m_items.push_back(item);
    emit Changed();
    return item;
}

void TCollection::Delete(int index)
{
    TCollectionItem* item = Items(index);
    m_items.erase(m_items.begin() + index);
    delete item;
    emit Changed();
}

void TCollection::Clear()
{
    if (m_items.empty())
        return;
    for (TCollectionItem* item : m_items)
        delete item;
    m_items.clear();
    emit Changed();
}

int TCollection::IndexOf(const TCollectionItem* item) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

std::unique_ptr<TCollectionItem> TCollection::NewDetachedItem()
{
    std::unique_ptr<TCollectionItem> item(m_factory(nullptr));
    return item;
}
