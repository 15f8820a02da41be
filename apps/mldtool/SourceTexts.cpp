#include "SourceTexts.h"

#include "l10n/po/CEscapes.h"

#include <algorithm>
#include <optional>

namespace tankora::mld {
namespace {

bool IsIdentifierChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

class Scanner
{
public:
    Scanner(std::string_view source, const std::vector<std::string>& keywords)
        : m_s(source)
        , m_keywords(keywords)
    { }

    std::vector<SourceText> Scan()
    {
        while (m_i < m_s.size()) {
            const char c = m_s[m_i];
            if (c == '\n') {
                ++m_line;
                ++m_i;
            } else if (c == '/' && (Peek(1) == '/' || Peek(1) == '*')) {
                SkipComment();
            } else if (c == '"') {
                StringLiteral();
            } else if (c == '\'') {
                // After a digit it separates digit groups (1'000); else a character literal.
                if (m_i > 0 && IsIdentifierChar(m_s[m_i - 1]))
                    ++m_i;
                else
                    SkipQuoted('\'');
            } else if (IsIdentifierChar(c)) {
                Identifier();
            } else {
                ++m_i;
            }
        }
        return std::move(m_found);
    }

private:
    char Peek(std::size_t ahead) const
    {
        return m_i + ahead < m_s.size() ? m_s[m_i + ahead] : '\0';
    }

    void SkipComment()
    {
        if (Peek(1) == '/') {
            while (m_i < m_s.size() && m_s[m_i] != '\n')
                ++m_i;
            return;
        }
        m_i += 2;
        while (m_i < m_s.size() && !(m_s[m_i] == '*' && Peek(1) == '/')) {
            m_line += m_s[m_i] == '\n';
            ++m_i;
        }
        m_i = std::min(m_i + 2, m_s.size());
    }

    void SkipSpaceAndComments()
    {
        while (m_i < m_s.size()) {
            const char c = m_s[m_i];
            if (c == '\n') {
                ++m_line;
                ++m_i;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++m_i;
            } else if (c == '/' && (Peek(1) == '/' || Peek(1) == '*')) {
                SkipComment();
            } else {
                return;
            }
        }
    }

    // A quoted literal at m_i; its value, or nullopt when it is malformed
    // (it then ends at the line's end).
    std::optional<std::string> SkipQuoted(char quote)
    {
        std::string value;
        bool valid = true;
        ++m_i;
        while (m_i < m_s.size() && m_s[m_i] != quote && m_s[m_i] != '\n') {
            if (m_s[m_i++] != '\\') {
                value += m_s[m_i - 1];
                continue;
            }
            if (m_i < m_s.size() && m_s[m_i] == '\n') {
                ++m_line; // a line continuation
                ++m_i;
                continue;
            }
            valid = DecodeEscape(m_s, m_i, value).empty() && valid;
        }
        if (m_i >= m_s.size() || m_s[m_i] != quote)
            return std::nullopt;
        ++m_i;
        return valid ? std::optional(value) : std::nullopt;
    }

    std::optional<std::string> StringLiteral() { return SkipQuoted('"'); }

    // R"delim( ... )delim" with m_i at the opening quote.
    void SkipRawString()
    {
        const std::size_t open = m_s.find('(', m_i);
        if (open == std::string_view::npos) {
            m_i = m_s.size();
            return;
        }
        const std::string close = ")" + std::string(m_s.substr(m_i + 1, open - m_i - 1)) + "\"";
        const std::size_t end = m_s.find(close, open);
        const std::size_t stop = end == std::string_view::npos ? m_s.size() : end + close.size();
        m_line += static_cast<int>(std::count(m_s.begin() + static_cast<std::ptrdiff_t>(m_i),
            m_s.begin() + static_cast<std::ptrdiff_t>(stop), '\n'));
        m_i = stop;
    }

    void Identifier()
    {
        const std::size_t start = m_i;
        while (m_i < m_s.size() && IsIdentifierChar(m_s[m_i]))
            ++m_i;
        const std::string_view name = m_s.substr(start, m_i - start);
        if (!name.empty() && name.back() == 'R' && Peek(0) == '"'
            && (name == "R" || name == "u8R" || name == "uR" || name == "UR" || name == "LR")) {
            SkipRawString();
            return;
        }
        if (std::find(m_keywords.begin(), m_keywords.end(), name) == m_keywords.end())
            return;
        const std::size_t after = m_i;
        const int line = m_line;
        if (!Call()) {
            m_i = after;
            m_line = line;
        }
    }

    bool Expect(std::string_view text)
    {
        SkipSpaceAndComments();
        if (m_s.substr(m_i, text.size()) != text)
            return false;
        m_i += text.size();
        return true;
    }

    // "( literal... )" or "( std::string ( literal... ) )" after a keyword.
    bool Call()
    {
        if (!Expect("("))
            return false;
        const bool wrapped = Expect("std::string") && Expect("(");
        SkipSpaceAndComments();
        if (Peek(0) != '"')
            return false;
        const int line = m_line;
        std::string text;
        while (Peek(0) == '"') {
            const std::optional<std::string> piece = StringLiteral();
            if (!piece)
                return false;
            text += *piece;
            SkipSpaceAndComments();
        }
        if (!Expect(")") || (wrapped && !Expect(")")))
            return false;
        m_found.push_back({ text, line });
        return true;
    }

    std::string_view m_s;
    const std::vector<std::string>& m_keywords;
    std::size_t m_i = 0;
    int m_line = 1;
    std::vector<SourceText> m_found;
};

} // namespace

std::vector<SourceText> FindTranslatedLiterals(
    std::string_view source, const std::vector<std::string>& keywords)
{
    return Scanner(source, keywords).Scan();
}

} // namespace tankora::mld
