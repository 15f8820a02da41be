#include "framework/controls/EtchedFrame.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>

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
    // Some letters reach above the font's line: Arabic marks over a tall
    // letter, CJK glyphs drawn from a fallback font with a taller line. The
    // baseline moves down just enough for their tops to show, and the band
    // behind the caption reaches down to their bottoms; a caption within the
    // font's line stays where it always was. The caption is drawn from its
    // baseline rather than into a box, so no box clips its edges either.
    const QRect ink = metrics.tightBoundingRect(caption);
    const int baseline = std::max(metrics.ascent(), -ink.top());
    const int bandHeight = std::max(metrics.height(), baseline + ink.bottom() + 1);
    // A right-to-left title (Hebrew, Arabic) is read from the right, so it
    // stands inset from the right edge, where a mirrored window's reader looks.
    const int advance = metrics.horizontalAdvance(caption);
    const int left
        = caption.isRightToLeft() ? widget.width() - kCaptionInset - advance : kCaptionInset;
    painter.fillRect(
        QRect(left, 0, advance, bandHeight), widget.palette().color(widget.backgroundRole()));
    painter.setPen(widget.palette().color(QPalette::WindowText));
    painter.drawText(QPoint(left, baseline), caption);
}
