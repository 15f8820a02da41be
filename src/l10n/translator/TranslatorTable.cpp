#include "l10n/translator/TranslatorTable.h"

#include "framework/controls/Control.h"
#include "framework/core/Exceptions.h"

#include <QWidget>

#include <algorithm>
#include <cstdint>
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
    m_slots.clear();
    m_usedSlots = 0;
    m_items.clear();
    m_deadCount = 0;
}

TIvTranslatorTableItem* TIvTranslatorTable::Find(
    const QObject* control, const std::string& propertyName, const std::string& current) const
{
    if (m_slots.empty())
        return nullptr;
    return m_slots[SlotOf(KeyHash(control, current), control, propertyName, current)].first;
}

void TIvTranslatorTable::SetCurrent(TIvTranslatorTableItem& item, const std::string& current)
{
    if (item.m_current == current)
        return;
    Unindex(item);
    item.m_current = current;
    Index(item);
}

// A control has few property names but many texts: the text and the control
// spread the keys well enough, and hashing one string instead of two is most
// of a look-up's cost. The pointer is mixed in so that one text on many
// controls (every "OK") does not pile up in one run of slots.
std::size_t TIvTranslatorTable::KeyHash(const QObject* control, std::string_view current)
{
    std::uint64_t hash = std::hash<std::string_view> {}(current);
    hash ^= static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(control))
        * 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    hash ^= hash >> 32;
    return static_cast<std::size_t>(hash);
}

bool TIvTranslatorTable::HasKey(const TIvTranslatorTableItem& item, const QObject* control,
    std::string_view propertyName, std::string_view current)
{
    return item.Control == control && item.m_current == current
        && item.PropertyName == propertyName;
}

std::size_t TIvTranslatorTable::SlotOf(std::size_t hash, const QObject* control,
    std::string_view propertyName, std::string_view current) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const TSlot& at = m_slots[slot];
        if (!at.first || (at.hash == hash && HasKey(*at.first, control, propertyName, current)))
            return slot;
    }
}

void TIvTranslatorTable::Index(TIvTranslatorTableItem& item)
{
    if (2 * (m_usedSlots + 1) > m_slots.size())
        GrowIndex();
    item.m_hash = KeyHash(item.Control, item.m_current);
    TSlot& slot = m_slots[SlotOf(item.m_hash, item.Control, item.PropertyName, item.m_current)];
    if (!slot.first) {
        slot = { item.m_hash, &item };
        item.m_nextOfKey = nullptr;
        ++m_usedSlots;
        return;
    }
    // Keep table order along the chain: the first item is the match.
    TIvTranslatorTableItem** link = &slot.first;
    while (*link && (*link)->m_sequence < item.m_sequence)
        link = &(*link)->m_nextOfKey;
    item.m_nextOfKey = *link;
    *link = &item;
}

void TIvTranslatorTable::Unindex(TIvTranslatorTableItem& item)
{
    const std::size_t at = SlotOf(item.m_hash, item.Control, item.PropertyName, item.m_current);
    TIvTranslatorTableItem** link = &m_slots[at].first;
    while (*link && *link != &item)
        link = &(*link)->m_nextOfKey;
    if (!*link)
        return;
    *link = item.m_nextOfKey;
    item.m_nextOfKey = nullptr;
    if (!m_slots[at].first)
        EraseSlot(at);
}

// Linear probing without tombstones: the slots after the freed one move back
// where their own probe would reach them first.
void TIvTranslatorTable::EraseSlot(std::size_t slot)
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t hole = slot;
    for (std::size_t next = (hole + 1) & mask; m_slots[next].first; next = (next + 1) & mask) {
        const std::size_t home = m_slots[next].hash & mask;
        // Moves back unless its home lies cyclically in (hole, next].
        const bool homeAfterHole
            = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
        if (!homeAfterHole) {
            m_slots[hole] = m_slots[next];
            hole = next;
        }
    }
    m_slots[hole] = {};
    --m_usedSlots;
}

void TIvTranslatorTable::GrowIndex()
{
    const std::size_t size = std::max<std::size_t>(16, 2 * m_slots.size());
    std::vector<TSlot> old = std::exchange(m_slots, std::vector<TSlot>(size));
    const std::size_t mask = m_slots.size() - 1;
    for (const TSlot& slot : old) {
        if (!slot.first)
            continue;
        std::size_t at = slot.hash & mask;
        while (m_slots[at].first)
            at = (at + 1) & mask;
        m_slots[at] = slot;
    }
}

void TIvTranslatorTable::ControlDestroyed(QObject* control)
{
    const auto entry = m_controls.find(control);
    if (entry == m_controls.end())
        return;
    for (TIvTranslatorTableItem* item : entry->second.items) {
        Unindex(*item);
        item->m_dead = true;
    }
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
    if (TIvBidirectionalState* found = m_byControl.value(control))
        return found;
    if (!create || !control)
        return nullptr;
    const TControl* asControl = AsControl(control);
    const int left = asControl ? asControl->Left() : control->x();
    TRecord record { std::make_unique<TIvBidirectionalState>(control, left),
        QObject::connect(
            control, &QObject::destroyed, [this](QObject* gone) { ControlDestroyed(gone); }) };
    TIvBidirectionalState* state = record.state.get();
    m_states.push_back(std::move(record));
    m_byControl.insert(control, state);
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
    m_byControl.remove(control);
    std::erase_if(
        m_states, [control](const TRecord& record) { return record.state->Control == control; });
}
