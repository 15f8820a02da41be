#include "l10n/po/PoCatalog.h"

#include <algorithm>

namespace tankora::po {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
        return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
    });
}

} // namespace

bool PoEntry::HasFlag(const std::string& flag) const
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

const std::string& PoEntry::Translation() const
{
    static const std::string kNone;
    return strings.empty() ? kNone : strings.front();
}

std::optional<std::string> PoCatalog::HeaderField(const std::string& name) const
{
    for (const auto& [field, value] : header) {
        if (SameIgnoringCase(field, name))
            return value;
    }
    return std::nullopt;
}

std::string PoCatalog::HeaderText() const
{
    std::string text;
    for (const auto& [field, value] : header)
        text += field + ": " + value + "\n";
    return text;
}

} // namespace tankora::po
