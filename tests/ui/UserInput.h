#pragma once
// The window driven as a user drives it: text replaced by typing, list
// entries chosen with the arrow keys, modes chosen by clicking their buttons.

#include "ui/DoubleEdit.h"
#include "ui/Main.h"
#include "ui/RzRadGrp.h"

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

// Picks the entry named `name` with the arrow keys; each step that changes
// the entry reports a change.
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

// Clicks the round mark of mode `mode`'s button.
inline void ChooseMode(TMainForm& form, int mode)
{
    TRzGroupButton* button = form.CalcOptions->Buttons().at(mode);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    ASSERT_EQ(form.CalcOptions->ItemIndex(), mode);
}

} // namespace tankora::test
