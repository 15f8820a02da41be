#include "l10n/po/PoWriter.h"

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

class Writer
{
public:
    std::string Take() { return std::move(m_out); }

    void Comments(const char* marker, const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines)
            m_out += line.empty() ? std::string(marker).substr(0, std::strlen(marker) - 1) + "\n"
                                  : std::string(marker) + line + "\n";
    }

    void List(const char* marker, const std::vector<std::string>& items, const char* separator)
    {
        if (items.empty())
            return;
        m_out += marker;
        for (std::size_t i = 0; i < items.size(); ++i)
            m_out += (i ? separator : "") + items[i];
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
            m_out += "#: " + reference + "\n";
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
