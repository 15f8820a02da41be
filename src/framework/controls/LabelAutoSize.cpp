#include "framework/controls/LabelAutoSize.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace {

// Labels whose size hint is a plain measurement of their text: QLabel uses a
// text document for selectable or rich text, and an underlined mnemonic
// changes the measured text once a buddy is set. An empty text is left to
// QLabel as well: a label that never had a text measures one average
// character, one whose text was emptied measures nothing.
bool IsMeasuredHere(const QLabel& label)
{
    constexpr Qt::TextInteractionFlags kSelectable
        = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    return label.textFormat() == Qt::PlainText && !label.text().isEmpty()
        && label.buddy() == nullptr && !(label.textInteractionFlags() & kSelectable);
}

} // namespace

QRect TLabelMeasurements::BoundingRect(
    const QFontMetrics& metrics, const QFont& font, int width, int flags, const QString& text)
{
    const qreal dpi = metrics.fontDpi();
    const auto end = m_entries.begin() + m_count;
    auto found = std::find_if(m_entries.begin(), end, [&](const TEntry& entry) {
        return entry.width == width && entry.flags == flags && entry.dpi == dpi
            && entry.text == text && entry.font == font;
    });
    if (found == end) {
        // The oldest goes when all are taken.
        if (m_count < static_cast<int>(m_entries.size()))
            ++m_count;
        found = m_entries.begin() + (m_count - 1);
        *found = { text, font, dpi, width, flags,
            metrics.boundingRect(0, 0, width, 2000, flags, text) };
    }
    std::rotate(m_entries.begin(), found, found + 1);
    return m_entries.front().bounds;
}

QSize LabelAutoSize(const QLabel& label, TLabelMeasurements* remembered)
{
    if (!IsMeasuredHere(label))
        return label.sizeHint();
    // Polishing may change the font; the size hint polishes first too.
    label.ensurePolished();

    const QString text = label.text();
    const QFontMetrics metrics = label.fontMetrics();
    const QMargins contents = label.contentsMargins();
    const int contentsWidth = contents.left() + contents.right();
    const int contentsHeight = contents.top() + contents.bottom();
    const bool wordWrap = label.wordWrap();

    // The alignment QLabel measures with: the text's own direction decides
    // which side "left" is, centring is dropped (it only moves the text), and
    // a label always expands tabs.
    const Qt::Alignment alignment = QStyle::visualAlignment(
        text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, label.alignment());
    int flags
        = static_cast<int>(alignment & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs;
    if (wordWrap)
        flags |= Qt::TextWordWrap;

    int horizontalExtra = 2 * label.margin();
    int verticalExtra = horizontalExtra;
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() != 0)
        indent = metrics.horizontalAdvance(QLatin1Char('x')) - label.margin() * 2;
    if (indent > 0) {
        if (alignment & (Qt::AlignLeft | Qt::AlignRight))
            horizontalExtra += indent;
        if (alignment & (Qt::AlignTop | Qt::AlignBottom))
            verticalExtra += indent;
    }

    // The width the text is laid out in: a minimum width when there is one;
    // otherwise unlimited for one line, and for wrapped text eighty average
    // characters, narrowed to a half and a quarter while the text stays short.
    const int minimumWidth = label.minimumWidth();
    const bool tryWidths = wordWrap && minimumWidth <= 0;
    int width = minimumWidth > 0 ? minimumWidth
        : tryWidths              ? std::min(metrics.averageCharWidth() * 80, label.maximumWidth())
                                 : 2000;
    width -= horizontalExtra + contentsWidth;
    const QFont& font = label.font();
    const auto measure = [&](int layoutWidth) {
        return remembered ? remembered->BoundingRect(metrics, font, layoutWidth, flags, text)
                          : metrics.boundingRect(0, 0, layoutWidth, 2000, flags, text);
    };
    QRect bounds = measure(width);
    if (tryWidths && bounds.height() < 4 * metrics.lineSpacing() && bounds.width() > width / 2)
        bounds = measure(width / 2);
    if (tryWidths && bounds.height() < 2 * metrics.lineSpacing() && bounds.width() > width / 4)
        bounds = measure(width / 4);

    const QSize size(bounds.width() + horizontalExtra + contentsWidth,
        bounds.height() + verticalExtra + contentsHeight);
    return size.expandedTo(label.minimumSize());
}
