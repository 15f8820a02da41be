#include "l10n/po/PoReader.h"

#include "l10n/po/CEscapes.h"
#include "l10n/po/Utf8.h"

#include <fstream>
#include <map>
#include <sstream>

namespace tankora::po {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text)
{
    text = TrimLeft(text);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        const std::string_view item = Trim(text.substr(start, end - start));
        if (!item.empty())
            items.emplace_back(item);
        start = end + 1;
    }
    return items;
}

// The charset named by a Content-Type value, lower-cased; empty when none.
std::string CharsetOf(std::string_view contentType)
{
    const std::size_t at = contentType.find("charset=");
    if (at == std::string_view::npos)
        return {};
    std::string charset(Trim(contentType.substr(at + 8)));
    for (char& c : charset)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return charset;
}

class PoParser
{
public:
    PoParser(std::string_view bytes, const std::string& fileName)
        : m_bytes(bytes)
        , m_fileName(fileName)
    { }

    PoCatalog Parse()
    {
        if (m_bytes.substr(0, 3) == "\xEF\xBB\xBF")
            m_bytes.remove_prefix(3);
        std::size_t start = 0;
        while (start < m_bytes.size()) {
            ++m_line;
            const std::size_t end = std::min(m_bytes.find('\n', start), m_bytes.size());
            ParseLine(Trim(m_bytes.substr(start, end - start)));
            start = end + 1;
        }
        FinishEntry();
        return std::move(m_catalog);
    }

private:
    enum class Field { None, Context, Id, IdPlural, String };

    [[noreturn]] void Fail(const std::string& what, int line = 0) const
    {
        throw PoSyntaxError(m_fileName + ":" + std::to_string(line ? line : m_line) + ": " + what);
    }

    bool HasKeywords() const { return m_field != Field::None; }

    void ParseLine(std::string_view text)
    {
        if (text.empty()) {
            FinishEntry();
        } else if (text.substr(0, 2) == "#~") {
            const std::string_view rest = TrimLeft(text.substr(2));
            if (rest.empty() || rest.front() == '|')
                return; // the previous text of an obsolete entry: of no use here
            ParseKeywordLine(rest, true);
        } else if (text.front() == '#') {
            ParseComment(text);
        } else {
            ParseKeywordLine(text, false);
        }
    }

    void ParseComment(std::string_view text)
    {
        if (m_field == Field::String)
            FinishEntry();
        else if (HasKeywords())
            Fail("a comment inside an entry, before its msgstr");
        const char kind = text.size() > 1 ? text[1] : ' ';
        const std::string body(TrimLeft(text.substr(std::min<std::size_t>(2, text.size()))));
        switch (kind) {
        case '.':
            m_entry.extractedComments.push_back(body);
            break;
        case ':':
            for (std::string& reference : Split(body, ' '))
                m_entry.references.push_back(std::move(reference));
            break;
        case ',':
            for (std::string& flag : Split(body, ','))
                m_entry.flags.push_back(std::move(flag));
            break;
        case '|':
            break; // previous msgid of a fuzzy entry: not kept
        default:
            const std::string_view comment = text.substr(1);
            m_entry.translatorComments.emplace_back(
                !comment.empty() && comment.front() == ' ' ? comment.substr(1) : comment);
            break;
        }
    }

    void ParseKeywordLine(std::string_view text, bool obsolete)
    {
        if (text.front() == '"') {
            if (!HasKeywords())
                Fail("a string without a keyword before it");
            if (obsolete != m_entry.obsolete)
                Fail("an entry that is obsolete only in part");
            *m_target += ParseString(text);
            return;
        }
        std::size_t length = 0;
        while (length < text.size() && !IsBlank(text[length]) && text[length] != '"')
            ++length;
        const std::string_view keyword = text.substr(0, length);
        const std::string_view rest = TrimLeft(text.substr(length));
        if (rest.empty() || rest.front() != '"')
            Fail("a keyword must be followed by a string in double quotes");

        if (keyword == "msgctxt" || keyword == "msgid") {
            if (m_field == Field::String)
                FinishEntry();
            const bool isContext = keyword == "msgctxt";
            if (m_field == Field::Id || m_field == Field::IdPlural
                || (isContext && m_field == Field::Context))
                Fail("\"" + std::string(keyword) + "\" where a msgstr was expected");
            if (HasKeywords() && obsolete != m_entry.obsolete)
                Fail("an entry that is obsolete only in part");
            m_entry.obsolete = obsolete;
            if (isContext) {
                m_entry.context.emplace();
                m_target = &*m_entry.context;
                m_field = Field::Context;
            } else {
                m_entry.line = m_line;
                m_target = &m_entry.id;
                m_field = Field::Id;
            }
        } else if (keyword == "msgid_plural") {
            if (m_field != Field::Id)
                Fail("msgid_plural must follow a msgid");
            m_entry.idPlural.emplace();
            m_target = &*m_entry.idPlural;
            m_field = Field::IdPlural;
        } else if (keyword.substr(0, 6) == "msgstr") {
            StartString(keyword.substr(6));
        } else {
            Fail("unknown keyword \"" + std::string(keyword) + "\"");
        }
        if (obsolete != m_entry.obsolete)
            Fail("an entry that is obsolete only in part");
        *m_target = ParseString(rest);
    }

    void StartString(std::string_view index)
    {
        if (m_field == Field::None || m_field == Field::Context)
            Fail("msgstr without a msgid before it");
        if (index.empty()) {
            if (m_entry.idPlural)
                Fail("an entry with msgid_plural needs msgstr[0], msgstr[1], ...");
            if (m_field == Field::String)
                Fail("a second msgstr in one entry");
        } else {
            if (!m_entry.idPlural)
                Fail("msgstr[N] without msgid_plural");
            const std::string expected = "[" + std::to_string(m_entry.strings.size()) + "]";
            if (index != expected)
                Fail("msgstr" + std::string(index) + " where msgstr" + expected + " was expected");
        }
        if (m_entry.strings.empty())
            m_entry.stringLine = m_line;
        m_entry.strings.emplace_back();
        m_target = &m_entry.strings.back();
        m_field = Field::String;
    }

    // One string in double quotes with C escapes; blanks may follow it.
    std::string ParseString(std::string_view text)
    {
        std::string value;
        std::size_t i = 1; // past the opening quote
        while (true) {
            if (i >= text.size())
                Fail("a string without its closing double quote");
            const char c = text[i++];
            if (c == '"')
                break;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (const std::string problem = mld::DecodeEscape(text, i, value); !problem.empty())
                Fail(problem);
        }
        if (!Trim(text.substr(i)).empty())
            Fail("text after the closing double quote");
        return value;
    }

    void CheckUtf8(const std::string& text, int line) const
    {
        if (!mld::DecodeUtf8(text))
            Fail("a string that is not valid UTF-8", line);
    }

    void FinishEntry()
    {
        if (m_field == Field::None) {
            return; // comments alone stay with the entry that follows
        }
        if (m_field != Field::String)
            Fail("an entry without msgstr", m_entry.line ? m_entry.line : m_line);
        if (m_entry.IsHeader() && m_catalog.headerLine == 0)
            TakeHeader();
        else
            TakeEntry();
        m_entry = PoEntry {};
        m_field = Field::None;
        m_target = nullptr;
    }

    void TakeHeader()
    {
        m_catalog.headerLine = m_entry.line;
        m_seen.emplace(std::string("0\x04"), m_entry.line);
        m_catalog.headerComments = std::move(m_entry.translatorComments);
        m_catalog.headerFlags = std::move(m_entry.flags);
        std::size_t start = 0;
        const std::string& text = m_entry.Translation();
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string_view line = std::string_view(text).substr(start, end - start);
            if (const std::size_t colon = line.find(':'); colon != std::string_view::npos)
                m_catalog.header.emplace_back(std::string(Trim(line.substr(0, colon))),
                    std::string(Trim(line.substr(colon + 1))));
            start = end + 1;
        }
        const std::string charset = CharsetOf(m_catalog.HeaderField("Content-Type").value_or(""));
        if (!charset.empty() && charset != "utf-8" && charset != "charset")
            Fail("only UTF-8 catalogs can be read (this one is " + charset + ")", m_entry.line);
        CheckUtf8(text, m_entry.stringLine);
    }

    void TakeEntry()
    {
        CheckUtf8(m_entry.id, m_entry.line);
        if (m_entry.context)
            CheckUtf8(*m_entry.context, m_entry.line);
        if (m_entry.idPlural)
            CheckUtf8(*m_entry.idPlural, m_entry.line);
        for (const std::string& s : m_entry.strings)
            CheckUtf8(s, m_entry.stringLine);
        if (!m_entry.obsolete) {
            const std::string key
                = (m_entry.context ? "1" + *m_entry.context : "0") + '\x04' + m_entry.id;
            const auto [it, added] = m_seen.emplace(key, m_entry.line);
            if (!added)
                Fail("a second definition of this message (the first is at line "
                        + std::to_string(it->second) + ")",
                    m_entry.line);
        }
        m_catalog.entries.push_back(std::move(m_entry));
    }

    std::string_view m_bytes;
    const std::string& m_fileName;
    int m_line = 0;
    PoCatalog m_catalog;
    PoEntry m_entry;
    Field m_field = Field::None;
    std::string* m_target = nullptr;
    std::map<std::string, int> m_seen;
};

} // namespace

PoCatalog ReadPo(std::string_view bytes, const std::string& fileName)
{
    return PoParser(bytes, fileName).Parse();
}

PoCatalog ReadPoFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot open file " + path);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return ReadPo(bytes.str(), path);
}

} // namespace tankora::po
