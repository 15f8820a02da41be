// Texts read in their window's direction whatever their first letter: the
// five unit hints of the window in Hebrew and Arabic, shown as tool tips,
// are drawn right to left; and the text of a message box reads in the
// application's direction.
#include "framework/app/ReadingDirection.h"
#include "ui/Main.h"

#include "StartedInLanguage.h"
#include "framework/controls/ComboBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

using tankora::test::ShippedLanguage;

TEST(ReadingDirection, ARightToLeftTextStartsWithItsMarkOnce)
{
    const QString hint = QStringLiteral("m: מטרים");
    EXPECT_EQ(InReadingDirection(hint, Qt::LeftToRight), hint);
    const QString shown = InReadingDirection(hint, Qt::RightToLeft);
    EXPECT_EQ(shown, QChar(0x200F) + hint);
    EXPECT_TRUE(shown.isRightToLeft());
    EXPECT_EQ(InReadingDirection(shown, Qt::RightToLeft), shown);
    EXPECT_EQ(InReadingDirection(QString(), Qt::RightToLeft), QString());
}

// The tool tip on screen now, or null.
QLabel* ShownToolTip()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return qobject_cast<QLabel*>(widget);
    }
    return nullptr;
}

// The label drawn with `text` instead of what it shows.
QImage GrabWith(QLabel* label, const QString& text)
{
    const QString shown = label->text();
    label->setText(text);
    QImage image = label->grab().toImage();
    label->setText(shown);
    return image;
}

class UnitHints : public ::testing::TestWithParam<ShippedLanguage>
{ };

TEST_P(UnitHints, ReadRightToLeft)
{
    tankora::test::StartedInLanguage started(GetParam());
    TMainForm& form = started.Form();
    ASSERT_EQ(form.layoutDirection(), Qt::RightToLeft);
    for (TComboBox* list : { form.cbHu, form.cbVu, form.cbQu, form.cbtu, form.CbResultUnits }) {
        SCOPED_TRACE(list->objectName().toStdString());
        const QString hint = list->toolTip();
        ASSERT_FALSE(hint.isEmpty());
        ASSERT_FALSE(hint.isRightToLeft()) << "the hint starts with a Latin unit symbol";
        const QPoint at = list->rect().center();
        QHelpEvent event(QEvent::ToolTip, at, list->mapToGlobal(at));
        QApplication::sendEvent(list, &event);
        QLabel* tip = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (tip = ShownToolTip()) != nullptr; }, 2000));
        const QImage shown = tip->grab().toImage();
        // The same text drawn inside a right-to-left embedding, and inside a
        // left-to-right one (how it read before).
        const QImage rightToLeft = GrabWith(tip, QChar(0x202B) + hint + QChar(0x202C));
        const QImage leftToRight = GrabWith(tip, QChar(0x202A) + hint + QChar(0x202C));
        EXPECT_EQ(shown, rightToLeft);
        EXPECT_NE(shown, leftToRight);
        QToolTip::hideText();
        QTest::qWait(1);
    }
}

INSTANTIATE_TEST_SUITE_P(RightToLeft, UnitHints,
    ::testing::Values(ShippedLanguage { "he", 10, 0x040D }, ShippedLanguage { "ar", 11, 0x0401 }),
    [](const ::testing::TestParamInfo<ShippedLanguage>& info) { return info.param.iso; });

} // namespace
