#pragma once
// Texts laid out in the reading direction of the window that shows them.
//
// A plain-text label (a tool tip, a message box's text) takes its direction
// from the first letter of its text, so a right-to-left text that starts
// with a Latin unit symbol ("m: ...") would read left to right, its pairs
// and separators backwards. These helpers give such texts the direction of
// their window instead, at the moment they are shown; the texts themselves
// (and the dictionary) stay as they are.

#include <QString>
#include <Qt>

// The text as shown in a paragraph of the given direction: a right-to-left
// one starts with a right-to-left mark (nothing else changes; Latin runs and
// numbers inside keep their order).
QString InReadingDirection(const QString& text, Qt::LayoutDirection direction);

// Installs, once per application, a filter that shows every widget's tool
// tip in the widget's own direction.
void InstallReadingDirectionToolTips();
