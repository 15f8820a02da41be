#include "ui/DecimalMarkNotice.h"

#include "ui/WindowTexts.h"

#include "framework/app/ResStrings.h"
#include "l10n/dictionary/StringTranslation.h"
#include "nls/GuiText.h"

#include <QEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr const char* kNoticeProperty = "tankoraDecimalMarkNotice";

} // namespace

TDecimalMarkNotice::TDecimalMarkNotice(QLineEdit* field)
    : QLabel(field->window())
    , m_field(field)
{
    setObjectName(field->objectName() + QStringLiteral("DecimalMarkNotice"));
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAutoFillBackground(true);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setTextFormat(Qt::PlainText);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    // Typing on does not hide it (the user may not have read it yet); the
    // right mark in the field does.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.contains(m_separator))
            hide();
    });
    field->installEventFilter(this);
    field->setProperty(kNoticeProperty, QVariant::fromValue(static_cast<QObject*>(this)));
}

TDecimalMarkNotice* TDecimalMarkNotice::Of(const QLineEdit* field)
{
    return qobject_cast<TDecimalMarkNotice*>(field->property(kNoticeProperty).value<QObject*>());
}

TDecimalMarkNotice* TDecimalMarkNotice::ShowFor(QLineEdit* field, char separator)
{
    TDecimalMarkNotice* notice = Of(field);
    if (!notice)
        notice = new TDecimalMarkNotice(field);
    const std::string text = FormatText(
        TranslateString(std::string(tankora::kDecimalMarkNotice)), { std::string(1, separator) });
    notice->m_separator = tankora::AnsiToQString(std::string(1, separator)).front();
    notice->setText(tankora::AnsiToQString(text));
    notice->setLayoutDirection(field->layoutDirection());
    notice->Place(*field);
    notice->show();
    notice->raise();
    notice->m_timer.start(kShownMilliseconds);
    return notice;
}

void TDecimalMarkNotice::Place(const QLineEdit& edit)
{
    adjustSize();
    QWidget* window = parentWidget();
    // Just below the field, starting at its reading edge, kept inside the window.
    const QRect field(edit.mapTo(window, QPoint(0, 0)), edit.size());
    int left = edit.isRightToLeft() ? field.right() + 1 - width() : field.left();
    left = std::clamp(left, 0, std::max(0, window->width() - width()));
    int top = field.bottom() + 2;
    if (top + height() > window->height())
        top = field.top() - height() - 2;
    move(left, top);
}

bool TDecimalMarkNotice::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::FocusOut)
        hide();
    return QLabel::eventFilter(watched, event);
}
