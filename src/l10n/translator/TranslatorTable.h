#pragma once
// The translator's memory: the table of native texts it replaced and the
// per-control records of right-to-left mirroring.
//
// Table match: the first item in table order with the same object (by
// identity), the same property name and a Current text equal to the value now
// shown (both exact). Find answers it through an index, so a pass over n texts
// costs n look-ups instead of n table scans; SetCurrent keeps the index in step.
//
// Both structures watch the objects they record: when one is destroyed its
// items and records are dropped, so nothing reads a freed control and a new
// object at the same address never inherits them.

#include "l10n/translator/TranslatorTypes.h"

#include <QHash>
#include <QMetaObject>
#include <QObject>

class QWidget;

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One remembered text.
class TIvTranslatorTableItem
{
public:
    TIvTranslatorTableItem(QObject* control, std::string componentName, std::string propertyName,
        std::string nativeText, std::string current);

    // The object whose property holds the text (not owned).
    QObject* Control;
    // Component name for context look-ups; may be empty.
    std::string ComponentName;
    // The property ("Text" for a memo's text); every line of a string list
    // has its own item under the list's property name.
    std::string PropertyName;
    std::string NativeText;
    // The text most recently written into the property. Change it through
    // TIvTranslatorTable::SetCurrent so that the index follows.
    const std::string& Current() const { return m_current; }

private:
    friend class TIvTranslatorTable;
    std::string m_current;
    std::size_t m_sequence = 0; // position in table order, never reused
    std::size_t m_hash = 0; // of its key in the table's index
    TIvTranslatorTableItem* m_nextOfKey = nullptr; // next item of its key, table order
    bool m_dead = false; // its control was destroyed
};

class TIvTranslatorTable
{
public:
    TIvTranslatorTable();
    ~TIvTranslatorTable();
    TIvTranslatorTable(const TIvTranslatorTable&) = delete;
    TIvTranslatorTable& operator=(const TIvTranslatorTable&) = delete;

    int Count() const;
    // Throws ERangeError outside 0 .. Count()-1.
    TIvTranslatorTableItem& Items(int index) const;
    // Appends the item and returns its index.
    int Add(QObject* control, const std::string& componentName, const std::string& propertyName,
        const std::string& nativeText, const std::string& current);
    // Frees every item.
    void Clear();

    // The first item in table order matching (control, property, current), or null.
    TIvTranslatorTableItem* Find(
        const QObject* control, const std::string& propertyName, const std::string& current) const;
    // Changes an item's Current text.
    void SetCurrent(TIvTranslatorTableItem& item, const std::string& current);

private:
    // One key (control, property, current text) of the index: the key's
    // items chained in table order, the first one the match. Open addressing
    // with linear probing over a power-of-two array, at most half full, so a
    // look-up is one string hash and usually one slot.
    struct TSlot
    {
        std::size_t hash = 0;
        TIvTranslatorTableItem* first = nullptr; // null: empty slot
    };
    struct TControlEntry
    {
        std::vector<TIvTranslatorTableItem*> items;
        QMetaObject::Connection destroyed;
    };

    static std::size_t KeyHash(const QObject* control, std::string_view current);
    static bool HasKey(const TIvTranslatorTableItem& item, const QObject* control,
        std::string_view propertyName, std::string_view current);
    // The slot holding the key, or the empty slot where it would go.
    std::size_t SlotOf(std::size_t hash, const QObject* control, std::string_view propertyName,
        std::string_view current) const;
    void Index(TIvTranslatorTableItem& item);
    void Unindex(TIvTranslatorTableItem& item);
    void EraseSlot(std::size_t slot);
    void GrowIndex();
    void ControlDestroyed(QObject* control);
    // Removes the items of destroyed controls from the ordered list.
    void Compact() const;

    mutable std::vector<std::unique_ptr<TIvTranslatorTableItem>> m_items;
    mutable std::size_t m_deadCount = 0;
    std::unordered_map<const QObject*, TControlEntry> m_controls;
    std::vector<TSlot> m_slots;
    std::size_t m_usedSlots = 0;
    std::size_t m_nextSequence = 0;
};

// Mirroring record of one control.
class TIvBidirectionalState
{
public:
    TIvBidirectionalState(QWidget* control, int designLeft);

    QWidget* Control; // not owned
    bool Mirrored = false; // the control stands at its mirrored position
    int DesignLeft; // left position when the record was made
    TIvReadingOrder ReadingOrder = ivroLeftToRight; // last applied to the control
};

// The translator's records, in creation order; one per control at most.
class TIvBiDiStates
{
public:
    TIvBiDiStates() = default;
    ~TIvBiDiStates();
    TIvBiDiStates(const TIvBiDiStates&) = delete;
    TIvBiDiStates& operator=(const TIvBiDiStates&) = delete;

    int Count() const { return static_cast<int>(m_states.size()); }
    // Throws ERangeError outside 0 .. Count()-1.
    TIvBidirectionalState& Items(int index) const;
    // The control's record; when there is none and create is set, a new one
    // taking the control's present left position (the widget's x) as DesignLeft;
    // otherwise null.
    TIvBidirectionalState* FindBiDiState(QWidget* control, bool create);
    void Clear();

private:
    struct TRecord
    {
        std::unique_ptr<TIvBidirectionalState> state;
        QMetaObject::Connection destroyed;
    };

    void ControlDestroyed(QObject* control);

    std::vector<TRecord> m_states;
    // Asked once per control in every pass; QHash answers a pointer key
    // faster than a node-based map.
    QHash<const QObject*, TIvBidirectionalState*> m_byControl;
};
