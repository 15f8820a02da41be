#pragma once
// Which published properties of which classes the translator translates, as
// a form's translator stores them under "TargetsData": an ordered list of
// inclusions and exclusions, each naming a class (empty: any class) and a
// property (empty: every property of the class). Names are compared without
// regard to letter case; an exclusion wins over any inclusion.

#include <string>
#include <vector>

class TReader;

namespace tankora::mld {

struct TargetEntry
{
    std::string className;
    std::string propertyName;
    int kind = 0; // 0 inclusion, 1 exclusion, anything else takes part in neither
};

class TargetSelection
{
public:
    // What extract assumes for a form without a translator: captions, hints,
    // list items, memo lines and texts of every class.
    static TargetSelection Default();

    // Appends the entry unless an equal one (same names exactly, same kind) is there.
    void Add(const TargetEntry& entry);
    bool IsTarget(const std::string& className, const std::string& propertyName) const;
    bool Empty() const { return m_entries.empty(); }

private:
    std::vector<TargetEntry> m_entries;
};

// Reads a stored "TargetsData" value into selection (list, version, count,
// entries of class name, property name and kind). A version above 1 raises
// std::runtime_error "Unknown target properties data version: N"; malformed
// data raises the reader's errors.
void ReadTargetsData(TReader& reader, TargetSelection& selection);

} // namespace tankora::mld
