#include "nls/NumberText.h"

#include "nls/FormatSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace tankora {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMaxDecimals = 18;

// A finite number as its 15-significant-digit decimal expansion:
// value = 0.d1 d2 ... d15 x 10^pointPosition, digits '0'..'9'.
struct DecimalExpansion
{
    bool negative = false;
    std::string digits; // always kSignificantDigits long
    int pointPosition = 0; // digits before the decimal point (may be <= 0)
};

DecimalExpansion Expand(double x)
{
    DecimalExpansion result;
    result.negative = std::signbit(x);
    char buffer[64];
    // Scientific form with 14 fraction digits: d.dddddddddddddde[+-]xx. to_chars
    // rounds correctly and ignores the C library's locale.
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
        std::chars_format::scientific, kSignificantDigits - 1);
    (void)error; // 64 bytes always hold the scientific form of a double
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto ePos = text.find('e');
    result.digits.push_back(text[0]);
    result.digits.append(text.substr(2, ePos - 2));
    int exponent = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), end, exponent);
    result.pointPosition = exponent + 1;
    return result;
}

bool IsAllZero(const std::string& digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// Rounds the expansion half away from zero so that no digit lies past
// `decimals` decimals. Digits dropped become zeros; a carry out of the first
// digit moves the point.
void RoundToDecimals(DecimalExpansion& number, int decimals)
{
    const int keep = number.pointPosition + decimals;
    if (keep >= static_cast<int>(number.digits.size())) {
        return;
    }
    if (keep < 0) {
        std::fill(number.digits.begin(), number.digits.end(), '0');
        return;
    }
    const bool roundUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    std::fill(number.digits.begin() + keep, number.digits.end(), '0');
    if (!roundUp) {
        return;
    }
    int i = keep - 1;
    while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9') {
        number.digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++number.digits[static_cast<std::size_t>(i)];
    } else {
        // 9.99 -> 10.0: the rounded unit becomes a new leading digit.
        number.digits.insert(number.digits.begin(), '1');
        number.digits.pop_back();
        ++number.pointPosition;
    }
}

char DigitAt(const DecimalExpansion& number, int index)
{
    if (index < 0 || index >= static_cast<int>(number.digits.size())) {
        return '0';
    }
    return number.digits[static_cast<std::size_t>(index)];
}

std::string NonFiniteText(double x)
{
    if (std::isnan(x)) {
        return "NAN";
    }
    return x < 0 ? "-INF" : "INF";
}

std::string FixedText(DecimalExpansion number, int decimals, char decimalSeparator)
{
    RoundToDecimals(number, decimals);
    std::string text;
    if (number.negative && !IsAllZero(number.digits)) {
        text.push_back('-');
    }
    if (number.pointPosition <= 0) {
        text.push_back('0');
    } else {
        for (int i = 0; i < number.pointPosition; ++i) {
            text.push_back(DigitAt(number, i));
        }
    }
    if (decimals > 0) {
        text.push_back(decimalSeparator);
        for (int i = 0; i < decimals; ++i) {
            text.push_back(DigitAt(number, number.pointPosition + i));
        }
    }
    return text;
}

int ClampDecimals(int decimals)
{
    return std::clamp(decimals, 0, kMaxDecimals);
}

} // namespace

std::string FormatDecimals(double x, int decimals, char decimalSeparator)
{
    if (!std::isfinite(x)) {
        return NonFiniteText(x);
    }
    return FixedText(Expand(x), ClampDecimals(decimals), decimalSeparator);
}

std::string FormatDecimals(double x, int decimals)
{
    return FormatDecimals(x, decimals, ProcessFormatSettings().DecimalSeparator);
}

std::string FormatFixed15(double x, int decimals, char decimalSeparator)
{
    if (!std::isfinite(x)) {
        return NonFiniteText(x);
    }
    const DecimalExpansion number = Expand(x);
    if (number.pointPosition > kSignificantDigits) {
        return FormatGeneral15(x, decimalSeparator);
    }
    return FixedText(number, ClampDecimals(decimals), decimalSeparator);
}

std::string FormatFixed15(double x, int decimals)
{
    return FormatFixed15(x, decimals, ProcessFormatSettings().DecimalSeparator);
}

std::string FormatGeneral15(double x, char decimalSeparator)
{
    if (!std::isfinite(x)) {
        return NonFiniteText(x);
    }
    DecimalExpansion number = Expand(x);
    if (IsAllZero(number.digits)) {
        return "0";
    }
    std::string digits = number.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int count = static_cast<int>(digits.size());
    std::string text = number.negative ? "-" : "";
    if (number.pointPosition > kSignificantDigits || number.pointPosition < -3) {
        text.push_back(digits[0]);
        if (count > 1) {
            text.push_back(decimalSeparator);
            text.append(digits, 1);
        }
        text.push_back('E');
        text.append(std::to_string(number.pointPosition - 1));
        return text;
    }
    if (number.pointPosition <= 0) {
        text.push_back('0');
        text.push_back(decimalSeparator);
        text.append(static_cast<std::size_t>(-number.pointPosition), '0');
        text.append(digits);
        return text;
    }
    for (int i = 0; i < std::max(count, number.pointPosition); ++i) {
        if (i == number.pointPosition) {
            text.push_back(decimalSeparator);
        }
        text.push_back(i < count ? digits[static_cast<std::size_t>(i)] : '0');
    }
    return text;
}

std::string FormatGeneral15(double x)
{
    return FormatGeneral15(x, ProcessFormatSettings().DecimalSeparator);
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The pieces of a number text that passed the syntax check.
struct NumberSyntax
{
    bool negative = false;
    std::string mantissa; // digits with at most one '.'
    bool exponentNegative = false;
    long exponent = 0; // saturated far beyond the double range
};

std::optional<NumberSyntax> Scan(std::string_view text, char decimalSeparator)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    NumberSyntax syntax;
    std::size_t pos = 0;
    if (text[pos] == '+' || text[pos] == '-') {
        syntax.negative = text[pos] == '-';
        ++pos;
    }
    bool anyDigit = false;
    bool separatorSeen = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            syntax.mantissa.push_back(c);
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
            syntax.mantissa.push_back('.');
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (pos == text.size()) {
        return syntax;
    }
    if (text[pos] != 'E' && text[pos] != 'e') {
        return std::nullopt;
    }
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        syntax.exponentNegative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) {
            return std::nullopt;
        }
        syntax.exponent = std::min(syntax.exponent * 10 + (text[pos] - '0'), 1000000L);
    }
    return syntax;
}

// Decimal exponent of the first non-zero digit (value ~ 10^result); only
// called for a non-zero mantissa.
long LeadingMagnitude(const NumberSyntax& syntax)
{
    const auto point = syntax.mantissa.find('.');
    const long integerDigits
        = static_cast<long>(point == std::string::npos ? syntax.mantissa.size() : point);
    const auto firstNonZero = syntax.mantissa.find_first_not_of("0.");
    long position = static_cast<long>(firstNonZero);
    if (point != std::string::npos && firstNonZero > point) {
        --position; // the point itself is not a digit
    }
    const long exponent = syntax.exponentNegative ? -syntax.exponent : syntax.exponent;
    return integerDigits - position - 1 + exponent;
}

// The 15-digit form of the largest doubles, 1.79769313486232E308, rounds up
// past the largest double; it still reads back, as the largest double, so
// that every number this program shows can be typed in again. Compared in
// decimal digits, exactly: no wider floating type is needed (long double is
// no wider than double on some machines and under some tools).
bool IsDisplayOfLargestDouble(const NumberSyntax& syntax)
{
    constexpr std::string_view kLargestDigits = "179769313486232";
    constexpr long kLargestMagnitude = 308;
    if (LeadingMagnitude(syntax) != kLargestMagnitude) {
        return false;
    }
    std::string digits;
    for (const char c : syntax.mantissa) {
        if (c != '.' && (c != '0' || !digits.empty())) {
            digits.push_back(c);
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    // Same leading magnitude, no trailing zeros: the digit strings compare
    // as the values do (a prefix is the smaller value).
    return std::string_view(digits) <= kLargestDigits;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text, char decimalSeparator)
{
    const auto syntax = Scan(text, decimalSeparator);
    if (!syntax) {
        return std::nullopt;
    }
    std::string canonical = syntax->mantissa;
    if (canonical.front() == '.') {
        canonical.insert(canonical.begin(), '0');
    }
    if (canonical.back() == '.') {
        canonical.push_back('0');
    }
    canonical.push_back('e');
    if (syntax->exponentNegative) {
        canonical.push_back('-');
    }
    canonical.append(std::to_string(syntax->exponent));
    double value = 0;
    const auto [end, error]
        = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (LeadingMagnitude(*syntax) >= 0) {
            if (!IsDisplayOfLargestDouble(*syntax)) {
                return std::nullopt; // overflow
            }
            value = std::numeric_limits<double>::max();
        } else {
            value = 0; // underflow: too small for a double
        }
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return syntax->negative ? -value : value;
}

bool IsNumberText(std::string_view text, char decimalSeparator)
{
    return Scan(text, decimalSeparator).has_value();
}

std::optional<double> ParseNumber(std::string_view text)
{
    return ParseNumber(text, ProcessFormatSettings().DecimalSeparator);
}

} // namespace tankora
