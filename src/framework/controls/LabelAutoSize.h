// The size an auto-sized label takes for its text: exactly what
// QLabel::sizeHint() answers, worked out with one measurement of the text.
// QLabel's own size hint also works out the minimum size hint (two more
// measurements of the whole text) every time the text changes, which
// auto-size never uses; re-translating a window changes thousands of
// captions at once, so that is where its time goes.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

class QFontMetrics;
class QLabel;

// The last few measurements of one label's texts. Re-translating a window
// into a language it has shown before (back into the native language, say)
// then measures no caption again; a language not shown before still
// measures each one. A measurement is used again only for the same text,
// font, font resolution, width and flags, so the size is the same as a new
// measurement's.
class TLabelMeasurements
{
public:
    // metrics.boundingRect(0, 0, width, 2000, flags, text), metrics being
    // those of font.
    QRect BoundingRect(
        const QFontMetrics& metrics, const QFont& font, int width, int flags, const QString& text);

private:
    struct TEntry
    {
        QString text;
        QFont font;
        qreal dpi = 0;
        int width = 0;
        int flags = 0;
        QRect bounds;
    };
    // Most recent first; a wrapped text takes up to three.
    std::array<TEntry, 4> m_entries;
    int m_count = 0;
};

// The label's size hint. Plain text without a buddy or selectable text is
// measured here the way QLabel measures it (word wrap, alignment, margin,
// indent, frame, contents margins and minimum size included); anything else
// asks QLabel. With remembered, measurements it holds are used again and new
// ones are kept in it.
QSize LabelAutoSize(const QLabel& label, TLabelMeasurements* remembered = nullptr);
