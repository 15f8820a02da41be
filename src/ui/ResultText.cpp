#include "ui/ResultText.h"

#include "framework/controls/Panel.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>

namespace {

// The frame and bevels the panel draws inside its edge.
int FrameWidth(const TPanel& panel)
{
    const auto bevel = [&panel](tankora::TBevelCut cut) {
        return cut == tankora::bvNone ? 0 : panel.BevelWidth();
    };
    const int border = panel.BorderStyle() == tankora::bsSingle ? 1 : 0;
    return border + bevel(panel.BevelOuter()) + panel.BorderWidth() + bevel(panel.BevelInner());
}

// Room left beside the text so that its first and last digits do not touch
// the bevel.
constexpr int kTextMargin = 1;

} // namespace

TResultText::TResultText(TPanel* panel)
    : QLabel(panel)
    , m_panel(panel)
    , m_wholeText(panel->Caption())
{
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Covers the caption the panel paints underneath with the panel's colour.
    setAutoFillBackground(true);
    panel->installEventFilter(this);
    Fit();
}

void TResultText::Show(const QString& text)
{
    m_wholeText = text;
    m_panel->SetCaption(text);
    Fit();
}

void TResultText::SetStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    if (!stale) {
        // An empty palette takes the panel's again.
        setPalette(QPalette());
        return;
    }
    QPalette greyed = m_panel->palette();
    greyed.setColor(QPalette::WindowText, greyed.color(QPalette::Disabled, QPalette::WindowText));
    setPalette(greyed);
}

void TResultText::Fit()
{
    const int frame = FrameWidth(*m_panel);
    setGeometry(m_panel->rect().adjusted(frame, frame, -frame, -frame));
    const int room = std::max(0, width() - 2 * kTextMargin);

    QFont font = m_panel->font();
    int pixels = QFontInfo(font).pixelSize();
    while (
        QFontMetrics(font).horizontalAdvance(m_wholeText) > room && pixels > kSmallestPixelSize) {
        font.setPixelSize(--pixels);
    }
    setFont(font);

    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(m_wholeText) <= room) {
        setText(m_wholeText);
        setToolTip(QString());
    } else {
        setText(metrics.elidedText(m_wholeText, Qt::ElideMiddle, room));
        setToolTip(m_wholeText);
    }
}

bool TResultText::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel
        && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        Fit();
    return QLabel::eventFilter(watched, event);
}

void TResultText::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy) && IsElided() && hasSelectedText()) {
        QApplication::clipboard()->setText(m_wholeText);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}
