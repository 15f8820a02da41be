#pragma once
// Entering values as a user does: typed keys and arrow keys, with the
// decimal separator of the process's format settings.

#include "nls/FormatSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

namespace tankora::test {

// `text` with `.` standing for the process decimal separator.
inline QString Decimal(const char* text)
{
    return QString::fromLatin1(text).replace(
        u'.', QChar::fromLatin1(tankora::ProcessFormatSettings().DecimalSeparator));
}

// Replaces a field's text by typing, `.` standing for the decimal separator.
inline void Type(QLineEdit* field, const char* text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, Decimal(text));
}

// Moves a list to entry `index` with the arrow keys, as a user does.
inline void ChooseEntry(QComboBox* list, int index)
{
    list->setFocus();
    for (int guard = list->count(); list->currentIndex() != index && guard > 0; --guard)
        QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(list->currentIndex(), index);
}

} // namespace tankora::test
