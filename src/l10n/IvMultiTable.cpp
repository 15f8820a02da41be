#include "IvMultiTable.h"

#include "framework/Control.h"
#include "framework/Exceptions.h"

#include <QWidget>

#include <algorithm>
#include <functional>
#include <utility>

// ---------------------------------------------------------------------------
// TIvTranslatorTable

TIvTranslatorTableItem::TIvTranslatorTableItem(QObject* control, std::string componentName,
    std::string propertyName, std::string nativeText, std::string current)
    : Control(control)
    , ComponentName(std::move(componentName))
    , PropertyName(std::move(propertyName))
    , NativeText(std::move(nativeText))
    , m_current(std::move(current))
{ }

// A control has few property names but many texts: the text alone spreads
// the keys well enough, and hashing one string instead of two is most of a
// look-up's cost.
std::size_t TIvTranslatorTable::TKeyHash::operator()(TKeyView key) const
{
    return std::hash<std::string_view> {}(key.current);
}

TIvTranslatorTable::TIvTranslatorTable() = default;

TIvTranslatorTable::~TIvTranslatorTable()
{
    Clear();
}

int TIvTranslatorTable::Count() const
{
    Compact();
    return static_cast<int>(m_items.size());
}

TIvTranslatorTableItem& TIvTranslatorTable::Items(int index) const
{
    Compact();
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        throw ERangeError();
    return *m_items[static_cast<std::size_t>(index)];
}

int TIvTranslatorTable::Add(QObject* control, const std::string& componentName,
    const std::string& propertyName, const std::string& nativeText, const std::string& current)
{
    Compact();
    auto item = std::make_unique<TIvTranslatorTableItem>(
        control, componentName, propertyName, nativeText, current);
    item->m_sequence = m_nextSequence++;
    TIvTranslatorTableItem& added = *item;
    m_items.push_back(std::move(item));

    auto [it, inserted] = m_controls.try_emplace(control);
    if (inserted && control) {
        it->second.destroyed = QObject::connect(
            control, &QObject::destroyed, [this](QObject* gone) { ControlDestroyed(gone); });
    }
    it->second.items.push_back(&added);
    Index(added);
    return static_cast<int>(m_items.size()) - 1;
}

void TIvTranslatorTable::Clear()
{
    for (auto& [control, entry] : m_controls)
        QObject::disconnect(entry.destroyed);
    m_controls.clear();
    m_items.clear();
    m_deadCount = 0;
}

TIvTranslatorTableItem* TIvTranslatorTable::Find(
    const QObject* control, const std::string& propertyName, const std::string& current) const
{
    const auto entry = m_controls.find(control);
    if (entry == m_controls.end())
        return nullptr;
    const auto bucket = entry->second.buckets.find(TKeyView { propertyName, current });
    if (bucket == entry->second.buckets.end() || bucket->second.empty())
        return nullptr;
    return bucket->second.front();
}

void TIvTranslatorTable::SetCurrent(TIvTranslatorTableItem& item, const std::string& current)
{
    if (item.m_current == current)
        return;
    TBuckets& buckets = m_controls[item.Control].buckets;
    const auto bucket = buckets.find(TKeyView { item.PropertyName, item.m_current });
    item.m_current = current;
    if (bucket == buckets.end()) {
        Index(item);
        return;
    }
    if (bucket->second.size() > 1) {
        std::erase(bucket->second, &item);
        Index(item);
        return;
    }
    // The item had its key to itself (the usual case): the key changes in
    // place and its node is reused.
    auto node = buckets.extract(bucket);
    node.key().current = current;
    const auto moved = buckets.insert(std::move(node));
    if (!moved.inserted)
        InsertInTableOrder(moved.position->second, item);
}

void TIvTranslatorTable::Index(TIvTranslatorTableItem& item)
{
    InsertInTableOrder(
        m_controls[item.Control].buckets[TKey { item.PropertyName, item.m_current }], item);
}

void TIvTranslatorTable::InsertInTableOrder(TBucket& bucket, TIvTranslatorTableItem& item)
{
    // Keep table order inside the bucket: the first item is the match.
    const auto at = std::lower_bound(bucket.begin(), bucket.end(), item.m_sequence,
        [](const TIvTranslatorTableItem* a, std::size_t sequence) {
            return a->m_sequence < sequence;
        });
    bucket.insert(at, &item);
}

void TIvTranslatorTable::ControlDestroyed(QObject* control)
{
    const auto entry = m_controls.find(control);
    if (entry == m_controls.end())
        return;
    for (TIvTranslatorTableItem* item : entry->second.items)
        item->m_dead = true;
    m_deadCount += entry->second.items.size();
    m_controls.erase(entry);
}

void TIvTranslatorTable::Compact() const
{
    if (m_deadCount == 0)
        return;
    std::erase_if(m_items, [](const auto& item) { return item->m_dead; });
    m_deadCount = 0;
}

// ---------------------------------------------------------------------------
// BiDi records

TIvBidirectionalState::TIvBidirectionalState(QWidget* control, int designLeft)
    : Control(control)
    , DesignLeft(designLeft)
{ }

TIvBiDiStates::~TIvBiDiStates()
{
    Clear();
}

TIvBidirectionalState& TIvBiDiStates::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw ERangeError();
    return *m_states[static_cast<std::size_t>(index)].state;
}

TIvBidirectionalState* TIvBiDiStates::FindBiDiState(QWidget* control, bool create)
{
    if (const auto found = m_byControl.find(control); found != m_byControl.end())
        return found->second;
    if (!create || !control)
        return nullptr;
    const TControl* asControl = AsControl(control);
    const int left = asControl ? asControl->Left() : control->x();
    TRecord record { std::make_unique<TIvBidirectionalState>(control, left),
        QObject::connect(
            control, &QObject::destroyed, [this](QObject* gone) { ControlDestroyed(gone); }) };
    TIvBidirectionalState* state = record.state.get();
    m_states.push_back(std::move(record));
    m_byControl.emplace(control, state);
    return state;
}

void TIvBiDiStates::Clear()
{
    for (const TRecord& record : m_states)
        QObject::disconnect(record.destroyed);
    m_states.clear();
    m_byControl.clear();
}

void TIvBiDiStates::ControlDestroyed(QObject* control)
{
    m_byControl.erase(control);
    std::erase_if(
        m_states, [control](const TRecord& record) { return record.state->Control == control; });
}
