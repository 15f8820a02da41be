#include "l10n/po/PoWriter.h"

#include "io/PrintableText.h"

#include <cstdio>
#include <cstring>

namespace tankora::po {
namespace {

std::string Escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\v':
            out += "\\v";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char octal[8];
                std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned char>(c));
                out += octal;
            } else {
                out += c;
            }
        }
    }
    return out;
}

// A reference whose file name holds a blank is written with the file name
// between the Unicode isolates FIRST STRONG ISOLATE and POP DIRECTIONAL
// ISOLATE, as PO allows, so it stays one reference.
std::string ReferenceText(const std::string& reference)
{
    std::string printable = io::Printable(reference);
    if (printable.find_first_of(" \t") == std::string::npos)
        return printable;
    const std::size_t colon = printable.find_last_of(':');
    const std::size_t end = colon == std::string::npos ? printable.size() : colon;
    return "\u2068" + printable.substr(0, end) + "\u2069" + printable.substr(end);
}

class Writer
{
public:
    std::string Take() { return std::move(m_out); }

    void Comments(const char* marker, const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines)
            // Escaped: a line break in a comment would start a forged entry.
            m_out += line.empty() ? std::string(marker).substr(0, std::strlen(marker) - 1) + "\n"
                                  : std::string(marker) + io::Printable(line) + "\n";
    }

    void List(const char* marker, const std::vector<std::string>& items, const char* separator)
    {
        if (items.empty())
            return;
        m_out += marker;
        for (std::size_t i = 0; i < items.size(); ++i)
            m_out += (i ? separator : "") + io::Printable(items[i]);
        m_out += "\n";
    }

    // keyword "text", or keyword "" and one piece per line when it holds line breaks.
    void Keyword(bool obsolete, const std::string& keyword, const std::string& text)
    {
        const std::string prefix = obsolete ? "#~ " : "";
        const std::size_t lineBreak = text.find('\n');
        if (lineBreak == std::string::npos || lineBreak + 1 == text.size()) {
            m_out += prefix + keyword + " \"" + Escaped(text) + "\"\n";
            return;
        }
        m_out += prefix + keyword + " \"\"\n";
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
            m_out += prefix + "\"" + Escaped(std::string_view(text).substr(start, end - start))
                + "\"\n";
            start = end;
        }
    }

    void Entry(const PoEntry& e)
    {
        m_out += "\n";
        Comments("# ", e.translatorComments);
        Comments("#. ", e.extractedComments);
        for (const std::string& reference : e.references)
            m_out += "#: " + ReferenceText(reference) + "\n";
        List("#, ", e.flags, ", ");
        if (e.context)
            Keyword(e.obsolete, "msgctxt", *e.context);
        Keyword(e.obsolete, "msgid", e.id);
        if (e.idPlural) {
            Keyword(e.obsolete, "msgid_plural", *e.idPlural);
            for (std::size_t i = 0; i < e.strings.size(); ++i)
                Keyword(e.obsolete, "msgstr[" + std::to_string(i) + "]", e.strings[i]);
        } else {
            Keyword(e.obsolete, "msgstr", e.Translation());
        }
    }

private:
    std::string m_out;
};

} // namespace

std::string WritePo(const PoCatalog& catalog)
{
    Writer writer;
    writer.Comments("# ", catalog.headerComments);
    writer.List("#, ", catalog.headerFlags, ", ");
    writer.Keyword(false, "msgid", "");
    writer.Keyword(false, "msgstr", catalog.HeaderText());
    for (const PoEntry& entry : catalog.entries)
        writer.Entry(entry);
    return writer.Take();
}

} // namespace tankora::po
