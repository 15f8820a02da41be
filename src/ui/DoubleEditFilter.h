#pragma once
// The typed-character filter of the numeric field, kept free of any widget so
// that every rule can be checked on plain values: which characters may be
// typed where, and what the field holds after a typed character.

#include <QChar>
#include <QString>

#include <functional>
#include <optional>

namespace tankora {

// What the filter needs to know about the field besides its text.
struct DoubleEditRules
{
    QChar separator = u'.'; // the decimal separator of the process format settings
    bool restrictToDecimalPlaces = false;
    unsigned decimalPlaces = 0;
    // When set, a character is accepted only if the text it produces satisfies
    // it (the field's Validate option: a number within its bounds).
    std::function<bool(const QString&)> acceptsText;
};

// Text, caret and selection of a single-line field. The caret is the start of
// the selection, counted from 0; selLength is 0 without a selection.
struct EditState
{
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;

    friend bool operator==(const EditState&, const EditState&) = default;
};

// Character codes the field lets through at once: backspace, tab, form feed,
// enter and escape.
inline constexpr char16_t kBackspace = 8;
bool IsPassThroughChar(QChar ch);

// Whether `ch` may be typed into `text` with the caret at `caret` (0-based,
// 0 <= caret <= text.size()). Accepts only what keeps the shape of a decimal
// number with an optional exponent: digits, one separator before any exponent
// letter, one "E" and one "e" that follow a digit after the separator, a sign
// at the start or directly after an exponent letter.
bool IsValidChar(QChar ch, const QString& text, qsizetype caret, const DoubleEditRules& rules);

// The field after one typed character. Validity is judged on the text with the
// selection removed and the caret at the selection's start. An accepted
// character replaces the selection; backspace deletes the selection, or the
// character before the caret when nothing is selected; the pass-through
// control characters other than backspace leave the state as it is. Returns
// nothing when the character is rejected: the caller then keeps text, caret
// and selection unchanged.
std::optional<EditState> ApplyTypedChar(
    const EditState& state, QChar ch, const DoubleEditRules& rules);

} // namespace tankora
