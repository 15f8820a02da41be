#include "TargetSelection.h"

#include "framework/Reader.h"

#include <algorithm>
#include <stdexcept>

namespace tankora::mld {
namespace {

bool SameName(const std::string& a, const std::string& b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
        return lower(x) == lower(y);
    });
}

bool Matches(const TargetEntry& e, const std::string& className, const std::string& propertyName)
{
    if ((e.className.empty() || SameName(e.className, className)) && !e.propertyName.empty()
        && SameName(e.propertyName, propertyName))
        return true;
    return !e.className.empty() && SameName(e.className, className) && e.propertyName.empty();
}

} // namespace

TargetSelection TargetSelection::Default()
{
    TargetSelection selection;
    for (const char* property : { "Caption", "Hint", "Items", "Lines", "Text" })
        selection.Add({ "", property, 0 });
    return selection;
}

void TargetSelection::Add(const TargetEntry& entry)
{
    const bool present = std::any_of(m_entries.begin(), m_entries.end(), [&](const TargetEntry& e) {
        return e.className == entry.className && e.propertyName == entry.propertyName
            && e.kind == entry.kind;
    });
    if (!present)
        m_entries.push_back(entry);
}

bool TargetSelection::IsTarget(const std::string& className, const std::string& propertyName) const
{
    const auto any = [&](int kind) {
        return std::any_of(m_entries.begin(), m_entries.end(), [&](const TargetEntry& e) {
            return e.kind == kind && Matches(e, className, propertyName);
        });
    };
    return !any(1) && any(0);
}

void ReadTargetsData(TReader& reader, TargetSelection& selection)
{
    reader.ReadListBegin();
    const int version = reader.ReadInteger();
    if (version > 1)
        throw std::runtime_error(
            "Unknown target properties data version: " + std::to_string(version));
    const int count = reader.ReadInteger();
    for (int i = 0; i < count; ++i) {
        reader.ReadListBegin();
        TargetEntry entry;
        entry.className = reader.ReadString();
        entry.propertyName = reader.ReadString();
        entry.kind = static_cast<unsigned char>(reader.ReadInteger());
        reader.ReadListEnd();
        selection.Add(entry);
    }
    reader.ReadListEnd();
}

} // namespace tankora::mld
