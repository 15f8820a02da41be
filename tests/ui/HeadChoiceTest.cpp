// The head list of the window, driven by key presses: which shapes take
// the b field, the diagram of each shape, and the results of shaped heads,
// computed exactly and marked so.
#include "ui/HeadChoice.h"

#include "MessageLog.h"
#include "SeparatorScope.h"
#include "ShippedDictionary.h"
#include "StartedInLanguage.h"
#include "UserInput.h"
#include "ui/DoubleEdit.h"
#include "ui/Main.h"
#include "ui/RzRadGrp.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using tankora::test::Choose;
using tankora::test::Type;

class HeadChoiceWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_form.reset(CreateMainForm());
        m_form->show();
    }

    TMainForm& Form() { return *m_form; }

    void Calculate() { QTest::mouseClick(Form().BitBtn2, Qt::LeftButton); }

    const SeparatorScope m_point { '.' };
    tankora::MessageLog m_messages;
    std::unique_ptr<TMainForm> m_form;
};

TEST_F(HeadChoiceWindow, ListHoldsTheChoicesInTheirOrder)
{
    const auto choices = tankora::HeadChoices();
    ASSERT_EQ(Form().cbHead->count(), static_cast<int>(choices.size()));
    for (int i = 0; i < Form().cbHead->count(); ++i) {
        EXPECT_EQ(
            Form().cbHead->itemText(i).toStdString(), choices[static_cast<std::size_t>(i)].caption);
    }
    EXPECT_EQ(Form().cbHead->currentIndex(), 0); // semi-ellipsoidal, the window's tank of old
}

TEST_F(HeadChoiceWindow, DepthFieldAndDiagramFollowTheShape)
{
    const struct
    {
        const char* entry;
        bool depth;
        const char* lying;
        const char* standing;
    } cases[] = {
        { "Flat ends", false, "HorizontalTankFlat", "VerticalTankFlat" },
        { "Dished, ASME F&D", false, "HorizontalTankDished", "VerticalTankDished" },
        { "Conical heads", true, "HorizontalTankConical", "VerticalTankConical" },
        { "2:1 elliptical heads", false, "HorizontalTank", "VerticalTank" },
        { "Semi-ellipsoidal heads", true, "HorizontalTank", "VerticalTank" },
    };
    for (const auto& c : cases) {
        Choose(Form().cbHead, c.entry);
        EXPECT_EQ(Form().db->isEnabled(), c.depth) << c.entry;
        EXPECT_EQ(Form().cbbu->isEnabled(), c.depth) << c.entry;
        EXPECT_EQ(Form().HorizontalImg->Picture(),
            QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(c.lying)))
            << c.entry;
        EXPECT_EQ(Form().VerticalImg->Picture(),
            QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(c.standing)))
            << c.entry;
    }
}

// A published worked example (D. Jones, "Calculating Tank Volume"): a lying
// tank, D = 108 in, L = 156 in, ASME F&D heads, 36 in of liquid, holds
// 2028.63 US gal; standing on a cone of 33 in in a 132 in shell, 24 in of
// liquid, 250.675 US gal.
TEST_F(HeadChoiceWindow, ShapedHeadsComputeExactlyAndSaySo)
{
    Type(Form().dL, "156");
    Type(Form().dD, "108");
    Choose(Form().cbLu, "inches");
    Choose(Form().cbDu, "inches");
    Choose(Form().cbHu, "inches");
    Type(Form().eH, "36");
    Choose(Form().cbHead, "Dished, ASME F&D");
    Choose(Form().CbResultUnits, "US gal");
    Calculate();
    EXPECT_TRUE(m_messages.Entries().empty());
    EXPECT_EQ(Form().LResult->Caption(), QStringLiteral("2028.6267"));
    EXPECT_TRUE(Form().stExact->isVisible());

    Choose(Form().CbOrientation, "Vertical Cylindrical Tank");
    Type(Form().dD, "132");
    Choose(Form().cbHead, "Conical heads");
    Type(Form().db, "33");
    Choose(Form().cbbu, "inches");
    Type(Form().eH, "24");
    Calculate();
    EXPECT_EQ(Form().LResult->Caption(), QStringLiteral("250.6746"));
    EXPECT_TRUE(Form().stExact->isVisible());

    // Back to the tables' tank: the note goes.
    Choose(Form().cbHead, "Semi-ellipsoidal heads");
    Calculate();
    EXPECT_FALSE(Form().stExact->isVisible());
}

// Named semi-ellipsoidal heads are the tank b describes: the table method,
// the same number.
TEST_F(HeadChoiceWindow, NamedEllipsoidsGiveWhatTheirDepthGives)
{
    Type(Form().dL, "3");
    Type(Form().dD, "2");
    Type(Form().eH, "0.7");
    Choose(Form().cbHead, "2:1 elliptical heads");
    Calculate();
    const QString named = Form().LResult->Caption();
    EXPECT_FALSE(Form().stExact->isVisible());
    Choose(Form().cbHead, "Semi-ellipsoidal heads");
    Type(Form().db, "0.5");
    Calculate();
    EXPECT_EQ(Form().LResult->Caption(), named);
}

// Every shape computes a volume in both orientations; with
// TANKORA_SCREENSHOT_DIR set, each lying one is saved as a picture to look at.
TEST_F(HeadChoiceWindow, EveryShapeComputesInBothOrientations)
{
    Type(Form().dL, "2");
    Type(Form().dD, "1.2");
    Type(Form().db, "0.4");
    Type(Form().eH, "0.5");
    const QString screenshots = qEnvironmentVariable("TANKORA_SCREENSHOT_DIR");
    for (const char* orientation : { "Vertical Cylindrical Tank", "Horizontal Cylindrical Tank" }) {
        Choose(Form().CbOrientation, orientation);
        for (int i = 0; i < Form().cbHead->count(); ++i) {
            Choose(Form().cbHead, Form().cbHead->itemText(i).toUtf8().constData());
            Calculate();
            EXPECT_TRUE(m_messages.Entries().empty()) << i;
            EXPECT_NE(Form().LResult->Caption(), QStringLiteral("0")) << i;
            if (!screenshots.isEmpty()) {
                const QString file
                    = QDir(screenshots)
                          .filePath(QStringLiteral("heads-%1-%2.png").arg(orientation[0]).arg(i));
                EXPECT_TRUE(Form().grab().save(file)) << file.toStdString();
            }
        }
    }
}

// A standing tank on DIN 28011 heads (D = 3.2 m, so the bottom head is
// 3.2 - sqrt(2.88^2 - 1.28^2) = 0.620 m deep) at 1.5 m, drained at 0.01 m3/s
// for 60 s: 0.6 m3 leave the shell of area pi 1.6^2 = 8.0425 m2, so the level
// falls 0.0746 m to 1.4254 m. In German and Arabic the head list, the exact
// note and the numbers speak the language; with TANKORA_SCREENSHOT_DIR set,
// each window is saved as a picture to look at.
TEST(HeadChoiceInLanguage, DishedHeadsInGermanAndArabic)
{
    const tankora::test::ShippedDictionary dictionary;
    for (const tankora::test::ShippedLanguage& language : tankora::test::ShippedLanguages()) {
        if (language.iso != "de" && language.iso != "ar")
            continue;
        const auto translated = [&](const char* native) {
            return dictionary.Translation(QString::fromLatin1(native), language.iso)
                .value_or(QString());
        };
        tankora::MessageLog messages;
        tankora::test::StartedInLanguage started(language);
        TMainForm& form = started.Form();
        form.show();
        tankora::test::ChooseEntry(form.CbOrientation, 1);
        tankora::test::ChooseEntry(form.cbHead, 7);
        tankora::test::TypeNumber(form.dL, "12.5");
        tankora::test::TypeNumber(form.dD, "3.2");
        tankora::test::ChooseMode(form, 2);
        tankora::test::TypeNumber(form.eH, "1.5");
        tankora::test::TypeNumber(form.eQ, "0.01");
        tankora::test::TypeNumber(form.eT, "60");
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);

        EXPECT_EQ(form.cbHead->Text(), translated("Dished, DIN 28011")) << language.iso;
        EXPECT_TRUE(form.stExact->isVisible()) << language.iso;
        EXPECT_EQ(form.stExact->Caption(), translated("Computed with the exact geometry"))
            << language.iso;
        EXPECT_EQ(form.LResult->Caption(), tankora::test::Decimal("1.4254")) << language.iso;
        EXPECT_EQ(form.eResult2->Caption(), tankora::test::Decimal("0.6000")) << language.iso;
        EXPECT_TRUE(messages.Entries().empty()) << language.iso;
        const QString screenshots = qEnvironmentVariable("TANKORA_SCREENSHOT_DIR");
        if (!screenshots.isEmpty()) {
            EXPECT_TRUE(form.grab().save(
                QDir(screenshots)
                    .filePath(QStringLiteral("heads-din28011-")
                        + QString::fromStdString(language.iso) + QStringLiteral(".png"))));
        }
    }
}

} // namespace
