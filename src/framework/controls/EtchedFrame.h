// The frame of a captioned group (group boxes, radio groups): an etched
// rectangle whose top line runs at half the caption's height, with the
// caption inset into that line.
#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QWidget;

// Paints the frame over the whole of `widget` with `widget`'s font: the
// highlight outline one pixel right and down, the shadow outline over it, and
// the caption (when not empty) 8 pixels from the left edge, or from the right
// edge for a right-to-left caption, on the widget's background colour, in its
// text colour. Nothing outside the frame and the
// caption is painted.
void PaintEtchedFrame(QPainter& painter, const QWidget& widget, const QString& caption,
    const QColor& highlight, const QColor& shadow);
