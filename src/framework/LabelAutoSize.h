// The size an auto-sized label takes for its text: exactly what
// QLabel::sizeHint() answers, worked out with one measurement of the text.
// QLabel's own size hint also works out the minimum size hint (two more
// measurements of the whole text) every time the text changes, which
// auto-size never uses; re-translating a window changes thousands of
// captions at once, so that is where its time goes.
#pragma once

#include <QSize>

class QLabel;

// The label's size hint. Plain text without a buddy or selectable text is
// measured here the way QLabel measures it (word wrap, alignment, margin,
// indent, frame, contents margins and minimum size included); anything else
// asks QLabel.
QSize LabelAutoSize(const QLabel& label);
