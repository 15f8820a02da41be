#include "framework/layout/FormText.h"

#include "framework/app/ResStrings.h"
#include "framework/layout/Reader.h"
#include "framework/layout/Writer.h"
#include "framework/streams/Stream.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace {

// ---- text to binary ------------------------------------------------------

class TTextParser
{
public:
    TTextParser(std::string_view text, TWriter& writer)
        : m_text(text)
        , m_writer(writer)
    { }

    void Parse()
    {
        m_writer.WriteSignature();
        SkipBlanks();
        ParseObject(0);
        SkipBlanks();
        if (m_pos < m_text.size())
            Error(LoadResString(SParseTextAfterEnd));
    }

private:
    [[noreturn]] void Error(const std::string& what) const
    {
        int line = 1;
        for (size_t i = 0; i < m_pos && i < m_text.size(); ++i)
            line += m_text[i] == '\n';
        throw EParserError(FormatResString(SParseLine, line, what));
    }

    void SkipBlanks()
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
                ++m_pos;
            else if (c == '/' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '/')
                while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                    ++m_pos;
            else
                break;
        }
    }

    char Peek()
    {
        SkipBlanks();
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }

    void Expect(char c)
    {
        if (Peek() != c)
            Error(FormatResString(SParseCharExpected, std::string(1, c)));
        ++m_pos;
    }

    static bool IsIdentStart(char c)
    {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    }
    static bool IsIdentChar(char c)
    {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    }

    // An identifier, dots allowed inside when dotted (property paths).
    std::string Ident(bool dotted = false)
    {
        if (!IsIdentStart(Peek()))
            Error(LoadResString(SParseIdentExpected));
        const size_t start = m_pos;
        while (m_pos < m_text.size()
            && (IsIdentChar(m_text[m_pos]) || (dotted && m_text[m_pos] == '.')))
            ++m_pos;
        return std::string(m_text.substr(start, m_pos - start));
    }

    bool AtWord(std::string_view word)
    {
        Peek();
        if (m_text.substr(m_pos, word.size()) != word)
            return false;
        const size_t after = m_pos + word.size();
        return after >= m_text.size() || !IsIdentChar(m_text[after]);
    }

    void ParseObject(int depth)
    {
        if (depth > kMaxNestingDepth)
            Error(LoadResString(SParseObjectsTooDeep));
        uint8_t flags = 0;
        if (AtWord("inherited"))
            flags = ffInherited;
        else if (AtWord("inline"))
            flags = ffInline;
        else if (!AtWord("object"))
            Error(LoadResString(SParseObjectExpected));
        Ident();
        std::string name = Ident();
        std::string className;
        if (Peek() == ':') {
            ++m_pos;
            className = Ident();
        } else {
            className = std::move(name);
            name.clear();
        }
        int32_t childPos = -1;
        if (Peek() == '[') {
            ++m_pos;
            childPos = static_cast<int32_t>(Integer());
            flags |= ffChildPos;
            Expect(']');
        }
        m_writer.WriteObjectHeader(className, name, flags, childPos);
        while (!AtWord("end") && !AtWord("object") && !AtWord("inherited") && !AtWord("inline")) {
            if (m_pos >= m_text.size())
                Error(LoadResString(SParseEndExpected));
            m_writer.WriteStr(Ident(true));
            Expect('=');
            ParseValue(depth);
        }
        m_writer.WriteListEnd();
        while (!AtWord("end")) {
            if (m_pos >= m_text.size())
                Error(LoadResString(SParseEndExpected));
            ParseObject(depth + 1);
        }
        m_pos += 3;
        m_writer.WriteListEnd();
    }

    long long Integer()
    {
        SkipBlanks();
        const size_t start = m_pos;
        bool negative = false;
        if (m_pos < m_text.size() && (m_text[m_pos] == '-' || m_text[m_pos] == '+'))
            negative = m_text[m_pos++] == '-';
        int base = 10;
        if (m_pos < m_text.size() && m_text[m_pos] == '$') {
            base = 16;
            ++m_pos;
        }
        // from_chars would take a second sign; "--9223372036854775808" must not negate.
        if (m_pos >= m_text.size() || !std::isxdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            m_pos = start;
            Error(LoadResString(SParseNumberExpected));
        }
        long long value = 0;
        const char* first = m_text.data() + m_pos;
        const auto [end, error]
            = std::from_chars(first, m_text.data() + m_text.size(), value, base);
        if (error != std::errc() || end == first) {
            m_pos = start;
            Error(LoadResString(SParseNumberExpected));
        }
        m_pos += static_cast<size_t>(end - first);
        return negative ? -value : value;
    }

    void ParseNumber()
    {
        SkipBlanks();
        const size_t start = m_pos;
        size_t end = m_pos;
        while (end < m_text.size()
            && (std::isalnum(static_cast<unsigned char>(m_text[end])) || m_text[end] == '.'
                || m_text[end] == '-' || m_text[end] == '+' || m_text[end] == '$'))
            ++end;
        const std::string token(m_text.substr(start, end - start));
        if (token.find('$') == std::string::npos
            && token.find_first_of(".eE") != std::string::npos) {
            char* stop = nullptr;
            const double value = std::strtod(token.c_str(), &stop);
            if (stop != token.c_str() + token.size())
                Error(LoadResString(SParseNumberExpected));
            m_pos = end;
            m_writer.WriteFloat(value);
            return;
        }
        const long long value = Integer();
        if (value < std::numeric_limits<int32_t>::min()
            || value > std::numeric_limits<int32_t>::max())
            Error(LoadResString(SParseIntegerRange));
        m_writer.WriteInteger(static_cast<int32_t>(value));
    }

    std::string String()
    {
        std::string text;
        for (;;) {
            const char c = Peek();
            if (c == '\'') {
                ++m_pos;
                for (;;) {
                    if (m_pos >= m_text.size() || m_text[m_pos] == '\n')
                        Error(LoadResString(SParseUnterminatedString));
                    if (m_text[m_pos] == '\'') {
                        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\'') {
                            text.push_back('\'');
                            m_pos += 2;
                            continue;
                        }
                        ++m_pos;
                        break;
                    }
                    text.push_back(m_text[m_pos++]);
                }
            } else if (c == '#') {
                ++m_pos;
                const long long code = Integer();
                if (code < 0 || code > 255)
                    Error(LoadResString(SParseCharCodeRange));
                text.push_back(static_cast<char>(code));
            } else {
                break;
            }
            // Directly adjacent pieces ('a'#13'b') and pieces joined by + form one string.
            if (m_pos < m_text.size() && (m_text[m_pos] == '\'' || m_text[m_pos] == '#'))
                continue;
            if (Peek() == '+') {
                ++m_pos;
                if (Peek() != '\'' && Peek() != '#')
                    Error(LoadResString(SParseStringAfterPlus));
                continue;
            }
            break;
        }
        return text;
    }

    void ParseValue(int depth)
    {
        if (depth > kMaxNestingDepth)
            Error(LoadResString(SParseValuesTooDeep));
        const char c = Peek();
        if (c == '\'' || c == '#') {
            m_writer.WriteString(String());
        } else if (c == '(') {
            ++m_pos;
            m_writer.WriteListBegin();
            while (Peek() != ')') {
                if (m_pos >= m_text.size())
                    Error(LoadResString(SParseCloseParenExpected));
                ParseValue(depth + 1);
            }
            ++m_pos;
            m_writer.WriteListEnd();
        } else if (c == '[') {
            ++m_pos;
            std::vector<std::string> names;
            while (Peek() != ']') {
                names.push_back(Ident());
                if (Peek() == ',')
                    ++m_pos;
                else if (Peek() != ']')
                    Error(LoadResString(SParseSetSeparatorExpected));
            }
            ++m_pos;
            m_writer.WriteSet(names);
        } else if (c == '{') {
            ++m_pos;
            std::string hex;
            while (Peek() != '}') {
                if (m_pos >= m_text.size()
                    || !std::isxdigit(static_cast<unsigned char>(m_text[m_pos])))
                    Error(LoadResString(SParseHexDigitExpected));
                hex.push_back(m_text[m_pos++]);
            }
            ++m_pos;
            if (hex.size() % 2 != 0)
                Error(LoadResString(SParseOddHexDigits));
            m_writer.WriteBinary(QByteArray::fromHex(QByteArray::fromStdString(hex)));
        } else if (c == '<') {
            ++m_pos;
            m_writer.WriteValue(TValueType::vaCollection);
            while (Peek() != '>') {
                if (!AtWord("item"))
                    Error(LoadResString(SParseItemExpected));
                m_pos += 4;
                if (Peek() == '[') {
                    ++m_pos;
                    m_writer.WriteInteger(static_cast<int32_t>(Integer()));
                    Expect(']');
                }
                m_writer.WriteListBegin();
                while (!AtWord("end")) {
                    if (m_pos >= m_text.size())
                        Error(LoadResString(SParseEndExpected));
                    m_writer.WriteStr(Ident(true));
                    Expect('=');
                    ParseValue(depth + 1);
                }
                m_pos += 3;
                m_writer.WriteListEnd();
            }
            ++m_pos;
            m_writer.WriteListEnd();
        } else if (IsIdentStart(c) && !AtWord("end") && !AtWord("object")) {
            m_writer.WriteIdent(Ident());
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+'
            || c == '$') {
            ParseNumber();
        } else {
            Error(LoadResString(SParseValueExpected));
        }
    }

    std::string_view m_text;
    size_t m_pos = 0;
    TWriter& m_writer;
};

// ---- binary to text ------------------------------------------------------

class TTextPrinter
{
public:
    explicit TTextPrinter(TReader& reader)
        : m_reader(reader)
    { }

    std::string Print()
    {
        m_reader.ReadSignature();
        PrintObject(0);
        return m_out;
    }

private:
    void Indent(int level) { m_out.append(static_cast<size_t>(level) * 2, ' '); }

    static std::string Quote(const std::string& text)
    {
        std::string out;
        bool inQuotes = false;
        for (const char ch : text) {
            const auto c = static_cast<unsigned char>(ch);
            if (c >= 32 && c < 127) {
                if (!inQuotes)
                    out.push_back('\'');
                inQuotes = true;
                out += c == '\'' ? "''" : std::string(1, ch);
            } else {
                if (inQuotes)
                    out.push_back('\'');
                inQuotes = false;
                out.push_back('#');
                out += std::to_string(c);
            }
        }
        if (inQuotes)
            out.push_back('\'');
        return out.empty() ? "''" : out;
    }

    static std::string Real(double value)
    {
        char buffer[64];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        std::string text(buffer, error == std::errc() ? end : buffer);
        if (text.find_first_of(".e") == std::string::npos)
            text += ".0";
        return text;
    }

    void PrintObject(int level)
    {
        if (level > kMaxNestingDepth)
            throw EReadError(LoadResString(SInvalidImage));
        const TObjectHeader header = m_reader.ReadObjectHeader();
        Indent(level);
        m_out += header.flags & ffInherited ? "inherited "
            : header.flags & ffInline       ? "inline "
                                            : "object ";
        if (!header.objectName.empty())
            m_out += header.objectName + ": ";
        m_out += header.className;
        if (header.flags & ffChildPos)
            m_out += " [" + std::to_string(header.childPos) + "]";
        m_out += "\n";
        PrintProperties(level + 1);
        while (!m_reader.EndOfList())
            PrintObject(level + 1);
        m_reader.ReadListEnd();
        Indent(level);
        m_out += "end\n";
    }

    void PrintProperties(int level)
    {
        while (!m_reader.EndOfList()) {
            Indent(level);
            m_out += m_reader.ReadStr() + " = ";
            PrintValue(level);
            m_out += "\n";
        }
        m_reader.ReadListEnd();
    }

    void PrintValue(int level)
    {
        if (level > kMaxNestingDepth + 1)
            throw EReadError(LoadResString(SInvalidImage));
        switch (m_reader.NextValue()) {
        case TValueType::vaList:
            m_reader.ReadListBegin();
            m_out += "(";
            while (!m_reader.EndOfList()) {
                m_out += "\n";
                Indent(level + 1);
                PrintValue(level + 1);
            }
            m_reader.ReadListEnd();
            m_out += ")";
            break;
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
            m_out += std::to_string(m_reader.ReadInteger());
            break;
        case TValueType::vaExtended:
            m_out += Real(m_reader.ReadFloat());
            break;
        case TValueType::vaString:
        case TValueType::vaLString:
            m_out += Quote(m_reader.ReadString());
            break;
        case TValueType::vaIdent:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil:
            m_out += m_reader.ReadIdent();
            break;
        case TValueType::vaBinary:
            m_out += "{" + m_reader.ReadBinary().toHex().toUpper().toStdString() + "}";
            break;
        case TValueType::vaSet: {
            std::string names;
            for (const std::string& name : m_reader.ReadSet())
                names += (names.empty() ? "" : ", ") + name;
            m_out += "[" + names + "]";
            break;
        }
        case TValueType::vaCollection:
            PrintCollection(level);
            break;
        default:
            throw EReadError(LoadResString(SInvalidPropertyValue));
        }
    }

    void PrintCollection(int level)
    {
        m_reader.ReadValue();
        m_out += "<";
        while (!m_reader.EndOfList()) {
            m_out += "\n";
            Indent(level + 1);
            m_out += "item";
            const TValueType next = m_reader.NextValue();
            if (next == TValueType::vaInt8 || next == TValueType::vaInt16
                || next == TValueType::vaInt32)
                m_out += " [" + std::to_string(m_reader.ReadInteger()) + "]";
            m_out += "\n";
            m_reader.ReadListBegin();
            PrintProperties(level + 2);
            Indent(level + 1);
            m_out += "end";
        }
        m_reader.ReadListEnd();
        m_out += ">";
    }

    TReader& m_reader;
    std::string m_out;
};

} // namespace

void FormTextToBinary(std::string_view text, TStream& out)
{
    TWriter writer(out);
    TTextParser(text, writer).Parse();
}

std::string FormBinaryToText(TStream& in)
{
    TReader reader(in);
    return TTextPrinter(reader).Print();
}
