// The worked examples in every language of the shipped dictionary, typed
// with keys into the window that the real translator has translated: the
// numbers are the same as in English, written with the decimal separator of
// the language's locale, whatever the unit lists show.
#include "ui/Main.h"

#include "MessageLog.h"
#include "StartedInLanguage.h"
#include "UserInput.h"
#include "l10n/translator/Translator.h"
#include "nls/FormatSettings.h"
#include "ui/DoubleEdit.h"
#include "ui/RzRadGrp.h"

#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

using tankora::test::ShippedLanguage;

using tankora::test::ChooseEntry;
using tankora::test::Decimal;
using tankora::test::TypeNumber;

class WorkedExamplesInLanguage : public ::testing::TestWithParam<ShippedLanguage>
{ };

TEST_P(WorkedExamplesInLanguage, GiveTheSameNumbersAsInEnglish)
{
    tankora::MessageLog messages;
    tankora::test::StartedInLanguage started(GetParam());
    TMainForm& form = started.Form();
    ASSERT_TRUE(form.IvTranslator1->Opened());

    // Where the locale writes a decimal comma, the window does too.
    static const std::map<std::string, char> kSeparators = { { "de", ',' }, { "fr", ',' },
        { "es", ',' }, { "it", ',' }, { "pt", ',' }, { "pl", ',' }, { "ru", ',' }, { "el", ',' },
        { "tr", ',' }, { "he", '.' }, { "ar", '.' }, { "ja", '.' }, { "zh", '.' }, { "ko", '.' } };
    ASSERT_TRUE(kSeparators.contains(GetParam().iso)) << "a new language: add its separator";
    EXPECT_EQ(tankora::ProcessFormatSettings().DecimalSeparator, kSeparators.at(GetParam().iso));

    // Volume of the horizontal tank L = D = 1 m, b = 0, filled to 0.5 m.
    TypeNumber(form.dL, "1");
    TypeNumber(form.dD, "1");
    TypeNumber(form.db, "0");
    TypeNumber(form.eH, "0.5");
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(form.LResult->Caption(), Decimal("0.3927"));
    ChooseEntry(form.CbResultUnits, 8); // litres
    EXPECT_EQ(form.LResult->Caption(), Decimal("392.6991"));

    // The height that holds 0.3927 m3, in centimetres.
    TRzGroupButton* height = form.CalcOptions->Buttons().at(1);
    // On the round mark, which sits at the other side in a mirrored window.
    const int mark = height->isRightToLeft() ? height->width() - 6 : 6;
    QTest::mouseClick(height, Qt::LeftButton, {}, QPoint(mark, height->height() / 2));
    ASSERT_EQ(form.CalcOptions->ItemIndex(), 1);
    TypeNumber(form.eV, "0.3927");
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(form.LResult->Caption(), Decimal("0.5000"));
    ChooseEntry(form.CbResultUnits, 1); // cm
    EXPECT_EQ(form.LResult->Caption(), Decimal("50.0001"));
    EXPECT_TRUE(messages.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, WorkedExamplesInLanguage,
    ::testing::ValuesIn(tankora::test::ShippedLanguages()),
    [](const ::testing::TestParamInfo<ShippedLanguage>& instance) { return instance.param.iso; });

} // namespace
