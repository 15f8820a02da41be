#pragma once
// The translator's target list: which published properties of which classes
// are translated, and which are left alone.
//
// An entry names a class (empty: any class) and a property (empty: every
// property of that class) and is an inclusion (kind 0) or an exclusion
// (kind 1); entries of other kinds take part in no test. A class name
// matches only the object's own class, never an ancestor or descendant, and
// names are compared with ASCII-only case folding. An exclusion always wins
// over an inclusion, whatever their order.
//
// Stored with the translator as the defined property "TargetsData": a list
// of the format version (1), the entry count and one list per entry (class
// name, property name, kind). The list itself still reads the older
// property "Data" (pairs of names, all inclusions) and never writes it.

#include "framework/core/Persistent.h"

#include <QObject>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TFiler;
class TReader;
class TWriter;

constexpr std::uint8_t ivtkInclude = 0;
constexpr std::uint8_t ivtkExclude = 1;

class TIvTargetProperty
{
public:
    TIvTargetProperty() = default;
    TIvTargetProperty(std::string className, std::uint8_t kind, std::string propertyName);

    // Both names equal exactly (letter case counts) and the same kind.
    bool operator==(const TIvTargetProperty& other) const = default;

    std::string ClassName;
    std::string PropertyName;
    std::uint8_t Kind = ivtkInclude;
};

// A QObject so that a translator can publish it ("Targets") and a stored
// layout can reach its legacy "Targets.Data".
class TIvTargetProperties : public QObject, public TPersistent
{
    Q_OBJECT

public:
    explicit TIvTargetProperties(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(m_entries.size()); }
    // Throws ERangeError outside 0 .. Count()-1.
    const TIvTargetProperty& Items(int index) const;
    // Number of exclusions (kind 1) in the list.
    int ExclusionCount() const { return m_exclusionCount; }

    void Add(const TIvTargetProperty& entry);
    void Clear();
    // Index of the first equal entry, or -1.
    int IndexOf(const TIvTargetProperty& entry) const;
    // Becomes a copy of source, entry by entry, in order.
    void Assign(const TIvTargetProperties& source);
    // Same number of entries, and every entry of this list has an equal one
    // somewhere in other.
    bool SameAs(const TIvTargetProperties& other) const;

    // Whether entry applies to the property of the class: its class name
    // empty or equal and its property name equal, or its class name equal
    // and its property name empty.
    static bool Matches(
        const TIvTargetProperty& entry, std::string_view className, std::string_view propertyName);
    bool IsExcluded(std::string_view className, std::string_view propertyName) const;
    bool IsTarget(std::string_view className, std::string_view propertyName) const;

    // Reads a "TargetsData" value. Entries already in the list stay; a read
    // entry equal to one in the list is dropped. A version above 1 raises
    // EIvMulti "Unknown target properties data version: N".
    void ReadTargetsData(TReader& reader);
    // Writes the "TargetsData" value: the entries that ancestor (the list of
    // the same translator on an ancestor form, or null) does not hold.
    void WriteTargetsData(TWriter& writer, const TIvTargetProperties* ancestor) const;
    // Whether a "TargetsData" value is stored at all: the list has entries
    // and no ancestor list is SameAs it.
    bool HasTargetsData(const TIvTargetProperties* ancestor) const;

    // Declares the legacy read-only "Data".
    void DefineProperties(TFiler& filer) override;

private:
    void ReadLegacyData(TReader& reader);

    std::vector<TIvTargetProperty> m_entries;
    int m_exclusionCount = 0;
};

// Declares "TargetsData" for the translator that holds targets. The
// framework has no form inheritance, so there is never an ancestor list and
// every entry is stored.
void DefineTargetsData(TFiler& filer, TIvTargetProperties& targets);
