#pragma once
// The window driven as a user drives it: text replaced by typing, list
// entries chosen with the arrow keys, modes chosen by clicking their buttons.

#include "ui/DoubleEdit.h"
#include "ui/Main.h"
#include "ui/RzRadGrp.h"

#include "nls/FormatSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

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

// Clicks the round mark of mode `mode`'s button (at its right end in a
// mirrored window).
inline void ChooseMode(TMainForm& form, int mode)
{
    TRzGroupButton* button = form.CalcOptions->Buttons().at(static_cast<std::size_t>(mode));
    const int x = button->isRightToLeft() ? button->width() - 6 : 6;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(x, button->height() / 2));
    ASSERT_EQ(form.CalcOptions->ItemIndex(), mode);
}

// `text` with `.` standing for the process decimal separator.
inline QString Decimal(const char* text)
{
    return QString::fromLatin1(text).replace(
        u'.', QChar::fromLatin1(tankora::ProcessFormatSettings().DecimalSeparator));
}

// Replaces a field's text by typing a number, `.` standing for the process
// decimal separator.
inline void TypeNumber(QLineEdit* field, const char* text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, Decimal(text));
}

// Moves a list to entry `index` with the arrow keys.
inline void ChooseEntry(QComboBox* list, int index)
{
    list->setFocus();
    for (int guard = list->count(); list->currentIndex() != index && guard > 0; --guard)
        QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(list->currentIndex(), index);
}

} // namespace tankora::test
