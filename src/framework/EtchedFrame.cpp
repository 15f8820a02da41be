#include "EtchedFrame.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int kCaptionInset = 8;

} // namespace

void PaintEtchedFrame(QPainter& painter, const QWidget& widget, const QString& caption,
    const QColor& highlight, const QColor& shadow)
{
    const QFontMetrics metrics(widget.font());
    painter.setFont(widget.font());
    // A one-pixel pen outlines QRect(x, y, w, h) on columns x..x+w and rows
    // y..y+h, so both outlines end inside the widget.
    const int top = metrics.boundingRect(QStringLiteral("Pp")).height() / 2 - 1;
    const int w = widget.width() - 2;
    const int h = widget.height() - top - 2;
    painter.setPen(highlight);
    painter.drawRect(QRect(1, top + 1, w, h));
    painter.setPen(shadow);
    painter.drawRect(QRect(0, top, w, h));
    if (caption.isEmpty())
        return;
    const QRect captionRect(kCaptionInset, 0, metrics.horizontalAdvance(caption), metrics.height());
    painter.fillRect(captionRect, widget.palette().color(widget.backgroundRole()));
    painter.setPen(widget.palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
}
