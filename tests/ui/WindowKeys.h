#pragma once
// Driving the window as a user does: typing into a field, choosing a list
// entry with the arrow keys.

#include "framework/controls/ComboBox.h"
#include "ui/DoubleEdit.h"

#include <QTest>

#include <gtest/gtest.h>

namespace tankora::test {

// Replaces a field's text by typing.
inline void Type(TDoubleEdit* field, const char* text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QString::fromLatin1(text));
}

// Picks the entry shown as `name` with the arrow keys; each step that
// changes the entry reports a change.
inline void Choose(TComboBox* list, const char* name)
{
    const QString wanted = QString::fromUtf8(name);
    const int target = list->findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(target, 0) << name;
    list->setFocus();
    for (int guard = list->count(); list->currentIndex() != target && guard > 0; --guard)
        QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(list->currentText(), wanted);
}

} // namespace tankora::test
