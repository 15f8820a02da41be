#pragma once
// A PO catalog as translators' tools read and write it: a header entry
// (empty msgid, "Name: value" lines) and messages. All texts are UTF-8.

#include <optional>
#include <string>
#include <vector>

namespace tankora::po {

struct PoEntry
{
    std::vector<std::string> translatorComments; // "# " lines, without the marker
    std::vector<std::string> extractedComments; // "#." lines
    std::vector<std::string> references; // "#:" items, "file:line"
    std::vector<std::string> flags; // "#," items: "fuzzy", "c-format", ...
    std::optional<std::string> context; // msgctxt; absent differs from ""
    std::string id; // msgid
    std::optional<std::string> idPlural; // msgid_plural
    std::vector<std::string> strings; // msgstr, or msgstr[0..n] with a plural
    bool obsolete = false; // written as "#~" lines
    int line = 0; // line of the msgid (1-based; 0 for entries not read from a file)
    int stringLine = 0; // line of the (first) msgstr

    bool HasFlag(const std::string& flag) const;
    bool IsHeader() const { return id.empty() && !context && !obsolete; }
    // The translation (msgstr, or msgstr[0]); empty when there is none.
    const std::string& Translation() const;
};

struct PoCatalog
{
    std::vector<std::string> headerComments; // "# " lines above the header entry
    std::vector<std::string> headerFlags; // "#," items of the header entry
    // The header's "Name: value" fields in order.
    std::vector<std::pair<std::string, std::string>> header;
    std::vector<PoEntry> entries; // every entry but the header, in file order
    int headerLine = 0; // line of the header's msgid; 0 when there is none

    // Value of a header field (name compared without regard to letter case).
    std::optional<std::string> HeaderField(const std::string& name) const;
    // The header's msgstr text built from the fields, one "Name: value\n" each.
    std::string HeaderText() const;
};

} // namespace tankora::po
