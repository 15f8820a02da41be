// The decimal mark a user types, under a comma locale (the real German
// dictionary and locale) and a point one: the keypad's decimal key types the
// locale's mark, the other mark from the main keyboard is refused with a
// notice beside the field, and nothing else changes.
#include "ui/Main.h"

#include "MessageLog.h"
#include "QStringPrinter.h"
#include "SeparatorScope.h"
#include "StartedInLanguage.h"
#include "nls/FormatSettings.h"
#include "ui/DecimalMarkNotice.h"
#include "ui/DoubleEdit.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using tankora::test::ShippedLanguage;

ShippedLanguage German()
{
    const std::vector<ShippedLanguage> languages = tankora::test::ShippedLanguages();
    const auto german = std::find_if(languages.begin(), languages.end(),
        [](const ShippedLanguage& language) { return language.iso == "de"; });
    EXPECT_NE(german, languages.end());
    return german == languages.end() ? ShippedLanguage {} : *german;
}

void Clear(TDoubleEdit* field)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
}

bool NoticeShown(const TDoubleEdit* field)
{
    const TDecimalMarkNotice* notice = TDecimalMarkNotice::Of(field);
    return notice && notice->isVisible();
}

TEST(DecimalMark, AGermanWindowRefusesThePointVisiblyAndTheKeypadTypesAComma)
{
    tankora::MessageLog messages;
    tankora::test::StartedInLanguage started(German());
    TMainForm& form = started.Form();
    ASSERT_EQ(tankora::ProcessFormatSettings().DecimalSeparator, ',');

    TDoubleEdit* height = form.eH;
    Clear(height);
    QTest::keyClick(height, Qt::Key_0);
    EXPECT_FALSE(NoticeShown(height));
    QTest::keyClick(height, Qt::Key_Period); // the main keyboard's point
    ASSERT_TRUE(NoticeShown(height));
    const TDecimalMarkNotice* notice = TDecimalMarkNotice::Of(height);
    EXPECT_EQ(notice->text(), QString::fromUtf8("Dezimalzeichen ist hier „,“"));
    EXPECT_EQ(height->Text(), QStringLiteral("0"));
    // Beside the field: just below it, inside the window, in front.
    const QRect field(height->mapTo(&form, QPoint(0, 0)), height->size());
    EXPECT_EQ(notice->geometry().top(), field.bottom() + 2);
    EXPECT_TRUE(form.rect().contains(notice->geometry()));

    // Typing on keeps the notice; the comma the locale writes takes it away.
    QTest::keyClick(height, Qt::Key_5);
    EXPECT_EQ(height->Text(), QStringLiteral("05"));
    EXPECT_TRUE(NoticeShown(height));
    Clear(height);
    QTest::keyClick(height, Qt::Key_0);
    QTest::keyClick(height, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(height, Qt::Key_5);
    EXPECT_EQ(height->Text(), QStringLiteral("0,5"));
    EXPECT_FALSE(NoticeShown(height));

    // The worked example typed this way gives its volume.
    for (TDoubleEdit* dimension : { form.dL, form.dD }) {
        Clear(dimension);
        QTest::keyClick(dimension, Qt::Key_1);
    }
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(form.LResult->Caption(), QStringLiteral("0,3927"));
    EXPECT_TRUE(messages.Entries().empty());
}

class PointLocaleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_form.reset(CreateMainForm());
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }

    SeparatorScope m_point { '.' };
    tankora::MessageLog m_messages;
    std::unique_ptr<TMainForm> m_form;
};

TEST_F(PointLocaleTest, TheCommaIsRefusedWithANoticeAndTheKeypadCommaTypesAPoint)
{
    TDoubleEdit* length = m_form->dL;
    Clear(length);
    QTest::keyClicks(length, QStringLiteral("1,5"));
    EXPECT_EQ(length->Text(), QStringLiteral("15"));
    ASSERT_TRUE(NoticeShown(length));
    EXPECT_EQ(TDecimalMarkNotice::Of(length)->text(),
        QStringLiteral("This locale writes decimals with \".\""));

    // Leaving the field takes the notice away.
    m_form->dD->setFocus();
    EXPECT_FALSE(NoticeShown(length));

    // Some layouts' keypads print a comma on the decimal key; it still means
    // the decimal mark.
    Clear(length);
    QTest::keyClick(length, Qt::Key_2);
    QTest::keyClick(length, Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClick(length, Qt::Key_5);
    EXPECT_EQ(length->Text(), QStringLiteral("2.5"));
    EXPECT_FALSE(NoticeShown(length));
    // A second mark is refused as before, without a notice: it is the right mark.
    QTest::keyClick(length, Qt::Key_Period);
    EXPECT_EQ(length->Text(), QStringLiteral("2.5"));
    EXPECT_FALSE(NoticeShown(length));
}

} // namespace
