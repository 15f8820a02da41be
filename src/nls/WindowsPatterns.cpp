#include "nls/WindowsPatterns.h"

#include <algorithm>
#include <array>

namespace tankora {
namespace {

bool IsBidiMark(char16_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069);
}

bool IsAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsWideBlank(char16_t c)
{
    return c == 0x00A0 || c == 0x202F || c == 0x2009 || c == 0x2007;
}

std::u16string Repeat(char16_t c, std::size_t count)
{
    return std::u16string(count, c);
}

// Windows text for a run of `count` ICU pattern letters `letter`; empty for
// fields Windows cannot show.
std::u16string WindowsField(char16_t letter, std::size_t count)
{
    switch (letter) {
    case u'd':
        return Repeat(u'd', std::min<std::size_t>(count, 2));
    case u'E':
        return count <= 3 || count == 5 ? u"ddd" : u"dddd";
    case u'c':
    case u'e':
        return count <= 2 ? u"" : count == 4 ? u"dddd" : u"ddd";
    case u'M':
    case u'L':
        return Repeat(u'M', std::min<std::size_t>(count, 4));
    case u'y':
    case u'Y':
    case u'u':
        return count == 2 ? u"yy" : u"yyyy";
    case u'G':
        return u"gg";
    case u'h':
    case u'K':
        return Repeat(u'h', std::min<std::size_t>(count, 2));
    case u'H':
    case u'k':
        return Repeat(u'H', std::min<std::size_t>(count, 2));
    case u'm':
        return Repeat(u'm', std::min<std::size_t>(count, 2));
    case u's':
        return Repeat(u's', std::min<std::size_t>(count, 2));
    case u'a':
    case u'b':
    case u'B':
        return u"tt";
    default:
        return u"";
    }
}

// Appends literal text so that Windows reads it as literal: quoted when it
// holds ASCII letters, apostrophes doubled.
void AppendLiteral(std::u16string& out, const std::u16string& literal)
{
    if (literal.empty()) {
        return;
    }
    const bool quote = std::any_of(literal.begin(), literal.end(), IsAsciiLetter);
    if (quote) {
        out.push_back(u'\'');
    }
    for (const char16_t c : literal) {
        if (c == u'\'') {
            out.append(u"''");
        } else {
            out.push_back(c);
        }
    }
    if (quote) {
        out.push_back(u'\'');
    }
}

std::u16string Trimmed(std::u16string text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

} // namespace

std::u16string WithoutBidiMarks(std::u16string_view text)
{
    std::u16string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
        [](char16_t c) { return !IsBidiMark(c); });
    return result;
}

std::u16string WindowsDatePattern(std::u16string_view icuPattern)
{
    const std::u16string pattern = WithoutBidiMarks(icuPattern);
    std::u16string out;
    std::u16string literal;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char16_t c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                literal.push_back(u'\'');
                i += 2;
                continue;
            }
            // Quoted text up to the closing quote ('' inside stands for one quote).
            ++i;
            while (i < pattern.size()) {
                if (pattern[i] == u'\'') {
                    if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                        literal.push_back(u'\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal.push_back(IsWideBlank(pattern[i]) ? u' ' : pattern[i]);
                ++i;
            }
            continue;
        }
        if (IsAsciiLetter(c)) {
            std::size_t run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c) {
                ++run;
            }
            AppendLiteral(out, literal);
            literal.clear();
            out.append(WindowsField(c, run));
            i += run;
            continue;
        }
        literal.push_back(IsWideBlank(c) ? u' ' : c);
        ++i;
    }
    AppendLiteral(out, literal);
    return Trimmed(out);
}

char16_t SeparatorAfterField(std::u16string_view windowsPattern, std::u16string_view fieldLetters)
{
    const auto field = windowsPattern.find_first_of(fieldLetters);
    if (field == std::u16string_view::npos) {
        return u'\0';
    }
    const auto after = windowsPattern.find_first_not_of(windowsPattern[field], field);
    if (after == std::u16string_view::npos) {
        return u'\0';
    }
    // A quoted literal's text starts after its quote.
    if (windowsPattern[after] == u'\'' && after + 1 < windowsPattern.size()
        && windowsPattern[after + 1] != u'\'') {
        return windowsPattern[after + 1];
    }
    return IsAsciiLetter(windowsPattern[after]) ? u'\0' : windowsPattern[after];
}

namespace {

// A currency pattern reduced to the marks Windows' format codes tell apart:
// '$' symbol, 'n' number, '-' minus, '(' ')', ' ' blank.
std::u16string CurrencyShape(std::u16string_view pattern)
{
    std::u16string shape;
    for (const char16_t c : pattern) {
        char16_t mark = 0;
        if (c == u'\u00A4') {
            mark = u'$';
        } else if (c == u'#' || c == u'0' || c == u',' || c == u'.' || (c >= u'1' && c <= u'9')) {
            mark = u'n';
        } else if (c == u'-' || c == u'(' || c == u')') {
            mark = c;
        } else if (c == u' ' || IsWideBlank(c)) {
            mark = u' ';
        }
        if (mark != 0 && (shape.empty() || shape.back() != mark || mark == u'-')) {
            shape.push_back(mark);
        }
    }
    return Trimmed(shape);
}

std::u16string_view Subpattern(std::u16string_view pattern, bool negative)
{
    const auto split = pattern.find(u';');
    if (!negative) {
        return pattern.substr(0, split);
    }
    return split == std::u16string_view::npos ? std::u16string_view() : pattern.substr(split + 1);
}

constexpr std::array<std::u16string_view, 16> kNegativeShapes {
    u"($n)",
    u"-$n",
    u"$-n",
    u"$n-",
    u"(n$)",
    u"-n$",
    u"n-$",
    u"n$-",
    u"-n $",
    u"-$ n",
    u"n $-",
    u"$ n-",
    u"$ -n",
    u"n- $",
    u"($ n)",
    u"(n $)",
};

} // namespace

int PositiveCurrencyFormatCode(std::u16string_view icuPattern)
{
    const std::u16string shape = CurrencyShape(WithoutBidiMarks(Subpattern(icuPattern, false)));
    const bool symbolFirst = shape.find(u'$') < shape.find(u'n');
    const bool blank = shape.find(u' ') != std::u16string::npos;
    return (symbolFirst ? 0 : 1) + (blank ? 2 : 0);
}

int NegativeCurrencyFormatCode(std::u16string_view icuPattern)
{
    const std::u16string clean = WithoutBidiMarks(icuPattern);
    std::u16string negative(Subpattern(clean, true));
    if (negative.empty()) {
        negative.assign(1, u'-');
        negative.append(Subpattern(clean, false));
    }
    const std::u16string shape = CurrencyShape(negative);
    const auto* match = std::find(kNegativeShapes.begin(), kNegativeShapes.end(), shape);
    if (match != kNegativeShapes.end()) {
        return static_cast<int>(match - kNegativeShapes.begin());
    }
    // A shape Windows has no code for: keep the symbol's side and the blank.
    const bool symbolFirst = shape.find(u'$') < shape.find(u'n');
    const bool blank = shape.find(u' ') != std::u16string::npos;
    return symbolFirst ? (blank ? 9 : 1) : (blank ? 8 : 5);
}

} // namespace tankora
