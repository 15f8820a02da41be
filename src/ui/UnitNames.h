#pragma once
// The window's unit lists show unit names in the user's language, while the
// conversions recognise a unit only by its native name (the name as the
// program holds it). TUnitNames keeps, for each unit list, the native names
// of its entries in list order, so the window hands the conversions the
// native name of the chosen entry whatever text the list shows.

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TComboBox;

class TUnitNames
{
public:
    // Takes the list's entries as they stand as their native names. Call
    // before anything translates the list (the stored layout holds the
    // native names).
    void Remember(const TComboBox* list);

    // Fills the list with `names`, each shown through TranslateString, and
    // remembers them as the list's native names.
    void Fill(TComboBox* list, std::span<const std::string_view> names);

    // The native name of the list's selected entry; empty when no entry is
    // selected or the list is unknown.
    std::string Selected(const TComboBox* list) const;

    // The index of the entry whose native name is `name`; -1 when none is.
    int IndexOf(const TComboBox* list, std::string_view name) const;

private:
    std::map<const TComboBox*, std::vector<std::string>> m_names;
};
