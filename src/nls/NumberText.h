#pragma once
// Number text in the conventions of the process format settings: every
// function here uses a decimal separator, by default the process's.

#include <optional>
#include <string>
#include <string_view>

namespace tankora {

// x with at least one integer digit and exactly `decimals` decimals (0..18),
// rounded half away from zero on its 15-significant-digit decimal expansion,
// no thousands separator, a leading minus, never "-0.000". Decimals 4 gives
// the calculator's "0.0000" result format. Not finite values give "NAN",
// "INF" or "-INF".
std::string FormatDecimals(double x, int decimals, char decimalSeparator);
std::string FormatDecimals(double x, int decimals);

// x in fixed-point notation with 15 significant digits and `decimals`
// decimals (0..18); digits past the 15th significant one are zeros. When x
// has more than 15 integer digits the general form below is used instead
// ("1E101").
std::string FormatFixed15(double x, int decimals, char decimalSeparator);
std::string FormatFixed15(double x, int decimals);

// x in general form with up to 15 significant digits, trailing zeros
// dropped: fixed notation while the decimal exponent allows (0.0001 ..
// 999999999999999), else exponent form without "+" or leading zeros: 0 ->
// "0", 2.5 -> "2.5", 1E100 -> "1E100", 0.00001 -> "1E-5".
std::string FormatGeneral15(double x, char decimalSeparator);
std::string FormatGeneral15(double x);

// Strict text to double: optional blanks around, optional sign, digits with
// at most one decimal separator (at least one digit), optional exponent E or
// e with optional sign and at least one digit. Empty text, anything else and
// overflow give nullopt; underflow gives 0. The one exception to overflow is
// the shown form of the largest doubles (up to 1.79769313486232E308), which
// reads as the largest double so that every shown number reads back.
std::optional<double> ParseNumber(std::string_view text, char decimalSeparator);
std::optional<double> ParseNumber(std::string_view text);

// Whether text has the shape ParseNumber reads, whatever its magnitude: a
// number too large for a double passes here and fails ParseNumber.
bool IsNumberText(std::string_view text, char decimalSeparator);

} // namespace tankora
