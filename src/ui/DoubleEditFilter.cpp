#include "ui/DoubleEditFilter.h"

namespace tankora {
namespace {

// 1-based position of the first exponent letter, "e" searched before "E";
// 0 when there is none. The order matters: with both letters present the
// lower-case one decides.
qsizetype ExponentPosition(const QString& text)
{
    qsizetype index = text.indexOf(u'e');
    if (index < 0)
        index = text.indexOf(u'E');
    return index + 1;
}

bool IsNumberChar(QChar ch, QChar separator)
{
    const char16_t c = ch.unicode();
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'E' || c == u'e'
        || ch == separator;
}

} // namespace

bool IsPassThroughChar(QChar ch)
{
    switch (ch.unicode()) {
    case 8: // backspace
    case 9: // tab
    case 12:
    case 13: // enter
    case 27: // escape
        return true;
    default:
        return false;
    }
}

bool IsValidChar(QChar ch, const QString& text, qsizetype caret, const DoubleEditRules& rules)
{
    if (IsPassThroughChar(ch))
        return true;
    if (!IsNumberChar(ch, rules.separator))
        return false;

    const qsizetype separatorPos = text.indexOf(rules.separator) + 1;
    if (ch == rules.separator) {
        if (separatorPos > 0)
            return false;
        const qsizetype exponentPos = ExponentPosition(text);
        if (exponentPos > 0 && caret >= exponentPos)
            return false;
    } else if (ch == u'E' || ch == u'e') {
        if (text.contains(ch))
            return false;
        // Caret at the separator's position means directly after it: an
        // exponent needs a digit between.
        if (separatorPos > 0 && caret <= separatorPos)
            return false;
    } else if ((ch == u'+' || ch == u'-') && caret > 0) {
        if (ExponentPosition(text) != caret)
            return false;
    }

    if (rules.restrictToDecimalPlaces && separatorPos > 0 && caret >= separatorPos
        && text.size() - separatorPos >= qsizetype(rules.decimalPlaces))
        return false;

    if (rules.acceptsText) {
        QString candidate = text;
        candidate.insert(caret, ch);
        return rules.acceptsText(candidate);
    }
    return true;
}

std::optional<EditState> ApplyTypedChar(
    const EditState& state, QChar ch, const DoubleEditRules& rules)
{
    QString remaining = state.text;
    remaining.remove(state.selStart, state.selLength);
    const qsizetype caret = state.selStart;
    if (!IsValidChar(ch, remaining, caret, rules))
        return std::nullopt;

    if (ch.unicode() == kBackspace) {
        if (state.selLength > 0)
            return EditState { remaining, caret, 0 };
        if (caret == 0)
            return state;
        QString text = state.text;
        text.remove(caret - 1, 1);
        return EditState { text, caret - 1, 0 };
    }
    if (IsPassThroughChar(ch))
        return state;
    remaining.insert(caret, ch);
    return EditState { remaining, caret + 1, 0 };
}

} // namespace tankora
