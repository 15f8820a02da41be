#include "l10n/po/CEscapes.h"

namespace tankora::mld {
namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string DecodeEscape(std::string_view text, std::size_t& at, std::string& out)
{
    if (at >= text.size())
        return "a backslash at the end of the line";
    const char e = text[at++];
    switch (e) {
    case 'n':
        out += '\n';
        return {};
    case 't':
        out += '\t';
        return {};
    case 'r':
        out += '\r';
        return {};
    case 'a':
        out += '\a';
        return {};
    case 'b':
        out += '\b';
        return {};
    case 'f':
        out += '\f';
        return {};
    case 'v':
        out += '\v';
        return {};
    case '\\':
    case '"':
    case '\'':
    case '?':
        out += e;
        return {};
    case 'x': {
        int digits = 0, byte = 0;
        while (digits < 2 && at < text.size() && HexValue(text[at]) >= 0) {
            byte = byte * 16 + HexValue(text[at++]);
            ++digits;
        }
        if (digits == 0)
            return "\\x without hexadecimal digits";
        out += static_cast<char>(byte);
        return {};
    }
    default:
        break;
    }
    if (e < '0' || e > '7')
        return std::string("an unknown escape sequence \\") + e;
    int byte = e - '0';
    for (int digits = 1; digits < 3 && at < text.size() && text[at] >= '0' && text[at] <= '7';
         ++digits)
        byte = byte * 8 + (text[at++] - '0');
    if (byte > 0xFF)
        return "an octal escape above \\377";
    out += static_cast<char>(byte);
    return {};
}

} // namespace tankora::mld
