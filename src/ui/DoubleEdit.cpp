#include "ui/DoubleEdit.h"

#include "ui/DecimalMarkNotice.h"

#include "l10n/dictionary/StringTranslation.h"
#include "nls/FormatSettings.h"
#include "nls/GuiText.h"
#include "nls/NumberText.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The red frame of a field marked as failing the check, in pixels.
constexpr int kMarkWidth = 2;

// Fixed notation carries at most this many decimals.
constexpr int kMaxFixedDecimals = 18;

// Drops trailing zeros of the fraction, keeping one digit after the
// separator; exponent notation is left as it is.
std::string TrimFractionZeros(std::string text, char separator)
{
    if (text.find_first_of("Ee") != std::string::npos)
        return text;
    const auto separatorPos = text.find(separator);
    if (separatorPos == std::string::npos)
        return text;
    const auto lastKept = std::max(text.find_last_not_of('0'), separatorPos + 1);
    text.erase(lastKept + 1);
    return text;
}

// A key that would type its text only because a modifier came with it
// (Alt+C, Meta+E, Ctrl+Alt+5): a shortcut the window does not use. The
// platform's field would insert its letter past the filter.
bool IsUnusedShortcutWithText(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers
        = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event.text();
    return modifiers != Qt::NoModifier && !text.isEmpty() && text.front().isPrint();
}

} // namespace

TDoubleEdit::TDoubleEdit(TComponentBase* owner)
    : TEdit(owner)
{
    BuildHint();
    SetShowHint(m_activeHint);
    connect(this, &QLineEdit::textChanged, this, [this] { SetMarked(false); });
}

void TDoubleEdit::SetMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
}

void TDoubleEdit::paintEvent(QPaintEvent* event)
{
    TEdit::paintEvent(event);
    if (!m_marked)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(0xD0, 0, 0), kMarkWidth));
    painter.setBrush(Qt::NoBrush);
    const int inset = kMarkWidth / 2;
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

double TDoubleEdit::GetValue() const
{
    return tankora::ParseNumber(tankora::QStringToAnsi(text())).value_or(0.0);
}

void TDoubleEdit::SetValue(double x)
{
    if (!(x >= -kValueLimit && x <= kValueLimit))
        x = 0;
    const char separator = tankora::ProcessFormatSettings().DecimalSeparator;
    std::string shown;
    if (m_restrictToDecimalPlaces) {
        shown = tankora::FormatFixed15(
            x, std::min<int>(m_decimalPlaces, kMaxFixedDecimals), separator);
    } else {
        shown = TrimFractionZeros(tankora::FormatFixed15(x, 15, separator), separator);
    }
    setText(tankora::AnsiToQString(shown));
}

void TDoubleEdit::SetDecimalPlaces(int value)
{
    m_decimalPlaces = quint16(std::clamp(value, 0, 0xFFFF));
}

void TDoubleEdit::SetActiveHint(bool value)
{
    m_activeHint = value;
    if (m_activeHint)
        BuildHint();
    else
        SetHint(QString());
    SetShowHint(m_activeHint);
}

void TDoubleEdit::SetMinValue(double value)
{
    if (value > m_maxValue)
        return;
    m_minValue = value;
    if (m_activeHint)
        BuildHint();
}

void TDoubleEdit::SetMaxValue(double value)
{
    if (value < m_minValue)
        return;
    m_maxValue = value;
    if (m_activeHint)
        BuildHint();
}

void TDoubleEdit::BuildHint()
{
    using tankora::FormatGeneral15;
    std::string hint = TranslateString("Use any value between") + " " + FormatGeneral15(m_minValue)
        + " " + TranslateString("to") + " " + FormatGeneral15(m_maxValue);
    if (m_minValue == 0 && m_maxValue > kValueLimit - 1)
        hint = TranslateString("Any positive value can be entered");
    if (m_minValue < -kValueLimit + 1 && m_maxValue > kValueLimit - 1)
        hint = TranslateString("Any value can be entered");
    if (m_maxValue < 0)
        hint = TranslateString("Any negative value can be entered");
    SetHint(tankora::AnsiToQString(hint));
}

bool TDoubleEdit::IsInRange(const QString& text) const
{
    const auto value = tankora::ParseNumber(tankora::QStringToAnsi(text));
    return value && *value >= m_minValue && *value <= m_maxValue;
}

tankora::DoubleEditRules TDoubleEdit::Rules() const
{
    tankora::DoubleEditRules rules;
    rules.separator = Separator();
    rules.restrictToDecimalPlaces = m_restrictToDecimalPlaces;
    rules.decimalPlaces = m_decimalPlaces;
    if (m_validate)
        rules.acceptsText = [this](const QString& text) { return IsInRange(text); };
    return rules;
}

bool TDoubleEdit::IsValidChar(QChar ch, const QString& text) const
{
    const qsizetype caret = hasSelectedText() ? selectionStart() : cursorPosition();
    return tankora::IsValidChar(ch, text, caret, Rules());
}

std::optional<QChar> TDoubleEdit::TypedChar(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers
        = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool control = modifiers == Qt::ControlModifier;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QChar(control ? 127 : 8);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QChar(9);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(control ? 10 : 13);
    case Qt::Key_Escape:
        return QChar(27);
    default:
        break;
    }
    if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return QChar(char16_t(event.key() - Qt::Key_A + 1));
    if (modifiers != Qt::NoModifier)
        return std::nullopt;
    const QString text = event.text();
    if (text.size() == 1 && text.front().isPrint())
        return text.front();
    return std::nullopt;
}

QChar TDoubleEdit::Separator()
{
    const char separator = tankora::ProcessFormatSettings().DecimalSeparator;
    return tankora::AnsiToQString(std::string(1, separator)).front();
}

bool TDoubleEdit::IsKeypadDecimalKey(const QKeyEvent& event)
{
    return event.modifiers().testFlag(Qt::KeypadModifier)
        && (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma);
}

void TDoubleEdit::keyPressEvent(QKeyEvent* event)
{
    std::optional<QChar> ch = TypedChar(*event);
    // The keypad's decimal key means "the decimal mark", whatever the
    // keyboard layout prints on it.
    if (ch && IsKeypadDecimalKey(*event))
        ch = Separator();
    // The other mark from the main keyboard is refused, but never silently.
    if (ch && (*ch == u'.' || *ch == u',') && *ch != Separator()) {
        event->accept();
        TDecimalMarkNotice::ShowFor(this, tankora::ProcessFormatSettings().DecimalSeparator);
        return;
    }
    if (!ch && IsUnusedShortcutWithText(*event)) {
        event->accept();
        return;
    }
    // Keys that type nothing, and the control characters the field lets
    // through untouched (enter reaches the window's default button), get the
    // edit field's own handling.
    if (!ch || (tankora::IsPassThroughChar(*ch) && ch->unicode() != tankora::kBackspace)) {
        TEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const tankora::EditState before { text(),
        hasSelectedText() ? selectionStart() : cursorPosition(),
        hasSelectedText() ? selectedText().size() : 0 };
    const std::optional<tankora::EditState> after = tankora::ApplyTypedChar(before, *ch, Rules());
    // A full field refuses the character, as the platform's edit field does,
    // rather than losing one at the end.
    if (!after || *after == before || after->text.size() > maxLength())
        return;
    // Replacing the whole text through insert() keeps the edit undoable.
    selectAll();
    insert(after->text);
    setCursorPosition(int(after->selStart));
}
