// The calculator window created from its stored layout, driven as a user
// drives it: keys typed into the fields, list entries chosen with the
// keyboard, buttons clicked with the mouse. Message boxes are recorded by
// the message service's test recorder instead of being shown.
#include "ui/Main.h"

#include "MessageLog.h"
#include "QStringPrinter.h"
#include "SeparatorScope.h"
#include "UserInput.h"
#include "calc/Units.h"
#include "ui/DoubleEdit.h"
#include "ui/ResultText.h"
#include "ui/RzRadGrp.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

class MainFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_form.reset(CreateMainForm());
        m_form->show();
    }

    TMainForm& Form() { return *m_form; }

    static void Type(TDoubleEdit* field, const char* text) { tankora::test::Type(field, text); }
    static void Choose(TComboBox* list, const char* name) { tankora::test::Choose(list, name); }

    void ChooseMode(int mode) { tankora::test::ChooseMode(Form(), mode); }

    void Calculate() { QTest::mouseClick(Form().BitBtn2, Qt::LeftButton); }

    // Focus moves only inside the active window.
    void Activate()
    {
        Form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    }

    // The worked example's tank: horizontal, L = D = 1 m, flat ends.
    void EnterUnitTank()
    {
        Type(Form().dL, "1");
        Type(Form().dD, "1");
        Type(Form().db, "0");
    }

    QString Result() { return Form().LResult->Caption(); }

    // The text the user reads and copies in a result panel.
    static TResultText* Shown(TPanel* panel)
    {
        auto* text = panel->findChild<TResultText*>();
        EXPECT_NE(text, nullptr) << panel->Name().toStdString();
        return text;
    }

    // Selects a result by dragging the mouse across it, then presses Ctrl+C.
    static QString CopyByMouseAndKeyboard(TPanel* panel)
    {
        QApplication::clipboard()->setText(QStringLiteral("nothing copied"));
        panel->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel->window()));
        TResultText* text = Shown(panel);
        const int y = text->height() / 2;
        QTest::mousePress(text, Qt::LeftButton, {}, QPoint(1, y));
        QTest::mouseMove(text, QPoint(text->width() / 2, y));
        QTest::mouseMove(text, QPoint(text->width() - 1, y));
        QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(text->width() - 1, y));
        EXPECT_EQ(QApplication::focusWidget(), text); // the click gave it the keyboard
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }

    // A vertical flat-ended tank that holds about 759 m3.
    void EnterLargeTank()
    {
        Choose(Form().CbOrientation, "Vertical Cylindrical Tank");
        Type(Form().dL, "10");
        Type(Form().dD, "9.83");
        Type(Form().db, "0");
        Type(Form().eH, "10");
    }

    SeparatorScope m_point { '.' };
    tankora::MessageLog m_messages;
    std::unique_ptr<TMainForm> m_form;
};

TEST_F(MainFormTest, StartsInVolumeModeWithTheHorizontalDiagram)
{
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("Tankora"));
    EXPECT_EQ(Form().size(), QSize(464, 389));
    EXPECT_EQ(Form().CalcOptions->ItemIndex(), 0);
    EXPECT_TRUE(Form().CalcOptions->Buttons()[0]->isChecked());
    EXPECT_TRUE(Form().HorizontalImg->isVisible());
    EXPECT_FALSE(Form().VerticalImg->isVisible());
    EXPECT_EQ(Form().CbOrientation->Text(), QStringLiteral("Horizontal Cylindrical Tank"));
    EXPECT_EQ(Form().Tank().Orientation, 0);

    const struct
    {
        TComboBox* list;
        const char* first;
    } lists[] = {
        { Form().cbLu, "m" },
        { Form().cbDu, "m" },
        { Form().cbbu, "m" },
        { Form().cbHu, "m" },
        { Form().cbVu, "m3" },
        { Form().cbQu, "m3/s" },
        { Form().cbtu, "s" },
        { Form().CbResultUnits, "m3" },
    };
    for (const auto& entry : lists) {
        EXPECT_EQ(entry.list->ItemIndex(), 0) << entry.list->Name().toStdString();
        EXPECT_EQ(entry.list->Text(), QString::fromLatin1(entry.first));
    }

    EXPECT_EQ(Form().dL->Text(), QStringLiteral("0"));
    EXPECT_TRUE(Form().eH->isEnabled());
    EXPECT_EQ(Form().eH->Text(), QStringLiteral("0.0"));
    for (TDoubleEdit* off : { Form().eV, Form().eQ, Form().eT }) {
        EXPECT_FALSE(off->isEnabled());
        EXPECT_TRUE(off->Text().isEmpty());
        EXPECT_EQ(off->Color(), clBtnFace);
    }
    EXPECT_EQ(Form().eH->Color(), clWindow);
    EXPECT_EQ(Form().stResult->Caption(), QStringLiteral("Volume"));
    EXPECT_EQ(Result(), QStringLiteral("0"));
    EXPECT_EQ(Form().cbMethod->Text(), QStringLiteral("Table"));
    EXPECT_EQ(Form().Method(), tankora::VolumeMethod::Table);
    EXPECT_FALSE(Form().stResult2->isVisible());
    EXPECT_FALSE(Form().cbResultunits2->isVisible());
    EXPECT_FALSE(Form().eResult2->isVisible());
}

TEST_F(MainFormTest, IsAFixedWindowOnTopWithoutMaximize)
{
    const Qt::WindowFlags flags = Form().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(Form().minimumSize(), Form().maximumSize());
}

TEST_F(MainFormTest, ShowsTheProgramsIconAtTheSizesDesktopsAsk)
{
    const QIcon icon = Form().windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : { 16, 48, 256 }) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.width(), size);
        // The tank's liquid, blue, fills the lower half of the drawing's middle.
        const QColor liquid = image.pixelColor(size / 2, size * 5 / 8);
        EXPECT_GT(liquid.blue(), 150) << size;
        EXPECT_LT(liquid.red(), 100) << size;
    }
}

TEST_F(MainFormTest, TabWalksTheDimensionsInTheirOrder)
{
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    Form().dL->setFocus();
    const QWidget* expected[] = { Form().dD, Form().db, Form().cbLu, Form().cbDu, Form().cbbu };
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(MainFormTest, ShowsBothDiagramsAtTheirDrawnSize)
{
    for (TImage* diagram : { Form().HorizontalImg, Form().VerticalImg }) {
        const QImage picture = QPixmap(diagram->Picture()).toImage();
        EXPECT_EQ(picture.size(), QSize(261, 228)) << diagram->Picture().toStdString();
    }
}

TEST_F(MainFormTest, FieldsShowTheWindowColourWhenOn)
{
    const QColor window = ColorToQColor(clWindow);
    for (QWidget* field : { static_cast<QWidget*>(Form().dL), static_cast<QWidget*>(Form().eH),
             static_cast<QWidget*>(Form().CbResultUnits->lineEdit()) })
        EXPECT_EQ(field->palette().color(QPalette::Base), window)
            << field->objectName().toStdString();
    EXPECT_EQ(Form().eV->palette().color(QPalette::Base), ColorToQColor(clBtnFace));
}

TEST_F(MainFormTest, EveryNumericFieldTellsItsRange)
{
    for (TDoubleEdit* field :
        { Form().dL, Form().dD, Form().db, Form().eH, Form().eV, Form().eQ, Form().eT }) {
        EXPECT_EQ(field->Hint(), QStringLiteral("Use any value between 0 to 1E100"));
        EXPECT_TRUE(field->EffectiveShowHint());
    }
}

TEST_F(MainFormTest, PlacesTheModeButtonsUnderTheGroupCaption)
{
    const int tops[] = { 15, 35, 55 };
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Form().CalcOptions->Buttons()[i]->geometry(), QRect(8, tops[i], 171, 17));
}

TEST_F(MainFormTest, CalculateRightAfterStartAsksToCheckTheInputs)
{
    Activate();
    Calculate();
    ASSERT_EQ(m_messages.Entries().size(), 1u);
    EXPECT_EQ(m_messages.Entries()[0], "Warning: Check your inputs");
    EXPECT_EQ(Result(), QStringLiteral("0"));
    EXPECT_EQ(Form().Tank().LastResult, 0.0);
    // L and D (both 0) are to blame, b = 0 is not; the focus is in L.
    EXPECT_TRUE(Form().dL->Marked());
    EXPECT_TRUE(Form().dD->Marked());
    EXPECT_FALSE(Form().db->Marked());
    EXPECT_FALSE(Form().eH->Marked());
    EXPECT_EQ(QApplication::focusWidget(), Form().dL);
    EXPECT_EQ(Form().dL->selectedText(), QStringLiteral("0"));
}

TEST_F(MainFormTest, VolumeOfAHalfFullTankAndItsConversionToLitres)
{
    EnterUnitTank();
    Type(Form().eH, "0.5");
    Calculate();
    EXPECT_EQ(Result(), QStringLiteral("0.3927"));
    Choose(Form().CbResultUnits, "litres");
    EXPECT_EQ(Result(), QStringLiteral("392.6991"));
    EXPECT_TRUE(m_messages.Entries().empty());
}

TEST_F(MainFormTest, HeightForAVolumeAndItsConversionToCentimetres)
{
    EnterUnitTank();
    ChooseMode(1);
    Type(Form().eV, "0.3927");
    Calculate();
    EXPECT_EQ(Form().CbResultUnits->Text(), QStringLiteral("m"));
    EXPECT_EQ(Result(), QStringLiteral("0.5000"));
    Choose(Form().CbResultUnits, "cm");
    EXPECT_EQ(Result(), QStringLiteral("50.0001"));
}

TEST_F(MainFormTest, NewHeightWithoutFlowKeepsTheLevel)
{
    EnterUnitTank();
    ChooseMode(2);
    Type(Form().eH, "0.5");
    Type(Form().eT, "60");
    Calculate();
    EXPECT_EQ(Result(), QStringLiteral("0.5000"));
    EXPECT_EQ(Form().stResult2->Caption(), QStringLiteral("Vol Out"));
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("0.0000"));
    EXPECT_TRUE(Form().eResult2->isVisible());
}

TEST_F(MainFormTest, NegativeFlowFillsTheTank)
{
    EnterUnitTank();
    ChooseMode(2);
    Type(Form().eH, "0.5");
    Type(Form().eQ, "-0.001");
    Type(Form().eT, "60");
    Calculate();
    EXPECT_EQ(Form().stResult2->Caption(), QStringLiteral("Vol In"));
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("0.0600"));
    EXPECT_GT(Form().Tank().LastResult, 0.5);
    Choose(Form().cbResultunits2, "litres");
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("60.0000"));
}

TEST_F(MainFormTest, SolverMessagesAreShownAndTheirResultStands)
{
    EnterUnitTank();
    ChooseMode(1);
    Type(Form().eV, "1"); // the full tank holds 0.7854 m3
    Calculate();
    EXPECT_EQ(Result(), QStringLiteral("1.0000"));
    ChooseMode(2);
    Type(Form().eH, "0.5");
    Type(Form().eQ, "1");
    Type(Form().eT, "1");
    Calculate();
    EXPECT_EQ(Result(), QStringLiteral("0.0000"));
    EXPECT_EQ(Form().stResult2->Caption(), QStringLiteral("Vol Out"));
    // 1 m3/s drains the pi/8 m3 the tank held in 0.3927 s.
    EXPECT_EQ(m_messages.Entries(),
        (std::vector<std::string> { "Error: Volume entered exceed total possible volume",
            "Warning: Tank empty\nRan empty after 0.3927 s" }));
}

// A flow that runs the half-full unit tank (pi/8 m3 held, as much room) empty
// or full moves only what there was, and the box says when.
TEST_F(MainFormTest, FlowsPastEmptyOrFullReportWhatReallyFlowedAndWhen)
{
    EnterUnitTank();
    ChooseMode(2);
    Type(Form().eH, "0.5");
    Type(Form().eQ, "0.005");
    Type(Form().eT, "2");
    Choose(Form().cbtu, "min");
    Calculate(); // 0.6 m3 asked for: empty after 78.54 s
    EXPECT_EQ(Result(), QStringLiteral("0.0000"));
    EXPECT_EQ(Form().stResult2->Caption(), QStringLiteral("Vol Out"));
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("0.3927"));
    Choose(Form().cbResultunits2, "litres");
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("392.6991"));

    Type(Form().eQ, "-0.005");
    Calculate();
    EXPECT_EQ(Result(), QStringLiteral("1.0000"));
    EXPECT_EQ(Form().stResult2->Caption(), QStringLiteral("Vol In"));
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("392.6991"));
    EXPECT_EQ(m_messages.Entries(),
        (std::vector<std::string> { "Warning: Tank empty\nRan empty after 1.3090 min",
            "Error: Volume entered exceed total possible volume\nRan full after 1.3090 min" }));
}

TEST_F(MainFormTest, HeightModeShowsTheHeightsUnitInTheResultList)
{
    Choose(Form().cbHu, "inches");
    ChooseMode(1);
    EXPECT_EQ(Form().CbResultUnits->Text(), QStringLiteral("in"));
    ChooseMode(2);
    EXPECT_EQ(Form().CbResultUnits->Text(), QStringLiteral("in"));
    EXPECT_EQ(Form().stResult->Caption(), QStringLiteral("New Height"));
    EXPECT_EQ(Form().stResult2->Caption(), QStringLiteral("Volume"));
}

TEST_F(MainFormTest, ModesSetTheEntryFields)
{
    const struct
    {
        int mode;
        bool h, v, q, t;
    } modes[] = {
        { 1, false, true, false, false },
        { 2, true, false, true, true },
        { 0, true, false, false, false },
    };
    for (const auto& m : modes) {
        ChooseMode(m.mode);
        const struct
        {
            TDoubleEdit* field;
            TComboBox* units;
            bool on;
        } entries[] = {
            { Form().eH, Form().cbHu, m.h },
            { Form().eV, Form().cbVu, m.v },
            { Form().eQ, Form().cbQu, m.q },
            { Form().eT, Form().cbtu, m.t },
        };
        for (const auto& e : entries) {
            const std::string where
                = "mode " + std::to_string(m.mode) + " " + e.field->Name().toStdString();
            EXPECT_EQ(e.field->isEnabled(), e.on) << where;
            EXPECT_EQ(e.units->isEnabled(), e.on) << where;
            EXPECT_EQ(e.field->Color(), e.on ? clWindow : clBtnFace) << where;
            EXPECT_EQ(e.field->Text(), e.on ? QStringLiteral("0.0") : QString()) << where;
        }
    }
}

TEST_F(MainFormTest, ClickingTheCurrentModeAgainKeepsTheEntries)
{
    Type(Form().eH, "0.5");
    ChooseMode(0);
    EXPECT_EQ(Form().eH->Text(), QStringLiteral("0.5"));
}

TEST_F(MainFormTest, ModeChangeReturnsBothResultsToTheirStartUpState)
{
    EnterUnitTank();
    ChooseMode(2);
    Type(Form().eH, "0.5");
    Type(Form().eQ, "0.001");
    Type(Form().eT, "60");
    Calculate();
    ASSERT_EQ(Result(), QStringLiteral("0.4399"));
    ASSERT_EQ(Form().eResult2->Caption(), QStringLiteral("0.0600"));

    ChooseMode(1);
    EXPECT_EQ(Form().stResult->Caption(), QStringLiteral("Height"));
    EXPECT_EQ(Result(), QStringLiteral("0"));
    // A unit change has nothing to convert: no old height shown as a new one.
    Choose(Form().CbResultUnits, "cm");
    EXPECT_EQ(Result(), QStringLiteral("0.0000"));
    EXPECT_EQ(Form().CbResultUnits->Text(), QStringLiteral("cm"));

    ChooseMode(2);
    EXPECT_EQ(Result(), QStringLiteral("0"));
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("0"));
    EXPECT_EQ(Form().stResult2->Caption(), QStringLiteral("Volume"));
    Choose(Form().cbResultunits2, "litres");
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("0.0000"));
}

TEST_F(MainFormTest, AFailedCheckClearsTheResultsAndMarksEveryFieldToBlame)
{
    EnterUnitTank();
    Type(Form().eH, "0.5");
    Calculate();
    ASSERT_EQ(Result(), QStringLiteral("0.3927"));

    Type(Form().dD, "0");
    Type(Form().eH, "-1");
    Activate();
    Calculate();
    EXPECT_EQ(m_messages.Entries(), (std::vector<std::string> { "Warning: Check your inputs" }));
    EXPECT_EQ(Result(), QStringLiteral("0"));
    EXPECT_FALSE(Form().dL->Marked());
    EXPECT_TRUE(Form().dD->Marked());
    EXPECT_TRUE(Form().eH->Marked());
    EXPECT_EQ(QApplication::focusWidget(), Form().dD);
    EXPECT_EQ(Form().dD->selectedText(), QStringLiteral("0"));

    // Typing replaces the selected text; the mark goes with the change.
    QTest::keyClick(Form().dD, Qt::Key_1);
    EXPECT_EQ(Form().dD->Text(), QStringLiteral("1"));
    EXPECT_FALSE(Form().dD->Marked());
    EXPECT_TRUE(Form().eH->Marked());
    Type(Form().eH, "0.5");
    Calculate();
    EXPECT_EQ(Result(), QStringLiteral("0.3927"));
    EXPECT_FALSE(Form().eH->Marked());
}

// The frame is drawn, not only remembered.
TEST_F(MainFormTest, AMarkedFieldShowsARedFrame)
{
    Calculate();
    const QImage marked = Form().dL->grab().toImage();
    const QColor edge = marked.pixelColor(marked.width() / 2, 0);
    EXPECT_GT(edge.red(), 150);
    EXPECT_LT(edge.green(), 60);
    QTest::keyClick(Form().dL, Qt::Key_2);
    const QImage plain = Form().dL->grab().toImage();
    EXPECT_LT(plain.pixelColor(plain.width() / 2, 0).red()
            - plain.pixelColor(plain.width() / 2, 0).green(),
        60);
}

TEST_F(MainFormTest, ChangedInputsGreyTheResultUntilTheNextCalculate)
{
    EnterUnitTank();
    Type(Form().eH, "0.5");
    Calculate();
    TResultText* shown = Shown(Form().LResult);
    const QColor fresh = shown->palette().color(QPalette::WindowText);
    ASSERT_FALSE(Form().ResultsStale());
    EXPECT_TRUE(Form().stResultHint->Caption().isEmpty());

    QString calculated = Result();
    const auto expectStale = [&](const char* after) {
        EXPECT_TRUE(Form().ResultsStale()) << after;
        EXPECT_EQ(Result(), calculated) << after;
        EXPECT_NE(shown->palette().color(QPalette::WindowText), fresh) << after;
        EXPECT_EQ(Form().stResultHint->Caption(), QStringLiteral("Press Calculate to update"))
            << after;
        Calculate();
        calculated = Result();
        EXPECT_FALSE(Form().ResultsStale()) << after;
        EXPECT_EQ(shown->palette().color(QPalette::WindowText), fresh) << after;
    };
    Type(Form().dD, "2");
    expectStale("a dimension typed");
    Choose(Form().cbLu, "cm");
    EXPECT_TRUE(Form().ResultsStale());
    Choose(Form().cbLu, "m");
    Type(Form().dD, "1");
    expectStale("a unit chosen");
    Choose(Form().CbOrientation, "Vertical Cylindrical Tank");
    Choose(Form().CbOrientation, "Horizontal Cylindrical Tank");
    expectStale("the orientation chosen");
    Choose(Form().cbMethod, "Exact");
    expectStale("the method chosen");
    // Converting a result changes no input.
    Choose(Form().CbResultUnits, "litres");
    EXPECT_FALSE(Form().ResultsStale());
}

TEST_F(MainFormTest, UnitChangeBeforeAnyCalculationShowsZero)
{
    Choose(Form().CbResultUnits, "litres");
    EXPECT_EQ(Result(), QStringLiteral("0.0000"));
}

TEST_F(MainFormTest, TypedUnitNameActsLikeChoosingIt)
{
    EnterUnitTank();
    Type(Form().eH, "0.5");
    Calculate();
    QLineEdit* typed = Form().CbResultUnits->lineEdit();
    ASSERT_NE(typed, nullptr);
    typed->setFocus();
    typed->selectAll();
    QTest::keyClick(typed, Qt::Key_Backspace);
    QTest::keyClicks(typed, QStringLiteral("litres"));
    EXPECT_EQ(Form().CbResultUnits->ItemIndex(), 8);
    EXPECT_EQ(Result(), QStringLiteral("392.6991"));

    // Text that names no unit leaves the display, and gives way to the
    // chosen unit's name when the user leaves the box.
    typed->selectAll();
    QTest::keyClick(typed, Qt::Key_Backspace);
    QTest::keyClicks(typed, QStringLiteral("Litres"));
    EXPECT_EQ(Result(), QStringLiteral("392.6991"));
    Form().dL->setFocus();
    emit typed->editingFinished();
    EXPECT_EQ(Form().CbResultUnits->Text(), QStringLiteral("litres"));
    EXPECT_EQ(Form().CbResultUnits->ItemIndex(), 8);
}

// The names a list offers, in order.
std::vector<std::string> Entries(const TComboBox* list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list->Items()->Count(); ++i)
        names.push_back(list->Items()->Strings(i).toStdString());
    return names;
}

std::vector<std::string> Names(std::span<const std::string_view> units)
{
    return { units.begin(), units.end() };
}

// Units are told apart by name only: a list entry the conversions do not
// know would silently pass a value through unconverted (or read a volume as 0).
TEST_F(MainFormTest, EveryUnitListOffersTheNamesTheConversionsKnow)
{
    for (const TComboBox* list : { Form().cbLu, Form().cbDu, Form().cbbu, Form().cbHu })
        EXPECT_EQ(Entries(list), Names(tankora::kLengthEntryUnits)) << list->Name().toStdString();
    for (const TComboBox* list : { Form().cbVu, Form().CbResultUnits, Form().cbResultunits2 })
        EXPECT_EQ(Entries(list), Names(tankora::kVolumeUnits)) << list->Name().toStdString();
    EXPECT_EQ(Entries(Form().cbQu), Names(tankora::kFlowUnits));
    EXPECT_EQ(Entries(Form().cbtu), Names(tankora::kTimeUnits));
    ChooseMode(1);
    EXPECT_EQ(Entries(Form().CbResultUnits), Names(tankora::kLengthResultUnits));
    ChooseMode(0);
    EXPECT_EQ(Entries(Form().CbResultUnits), Names(tankora::kVolumeUnits));
}

TEST_F(MainFormTest, ResultsCanBeSelectedAndCopied)
{
    EnterUnitTank();
    Type(Form().eH, "0.5");
    Calculate();
    EXPECT_EQ(CopyByMouseAndKeyboard(Form().LResult), QStringLiteral("0.3927"));
    Choose(Form().CbResultUnits, "litres");
    EXPECT_EQ(CopyByMouseAndKeyboard(Form().LResult), QStringLiteral("392.6991"));

    ChooseMode(2);
    Type(Form().eH, "0.5");
    Type(Form().eQ, "0.001");
    Type(Form().eT, "60");
    Calculate();
    EXPECT_EQ(CopyByMouseAndKeyboard(Form().eResult2), QStringLiteral("0.0600"));

    // The entry fields keep refusing the clipboard shortcuts.
    Form().eT->setFocus();
    Form().eT->selectAll();
    QTest::keyClick(Form().eT, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0.0600"));
    EXPECT_EQ(Form().eT->Text(), QStringLiteral("60"));

    // A click and Ctrl+A select the whole result too.
    TResultText* height = Shown(Form().LResult);
    QTest::mouseClick(height, Qt::LeftButton, {}, QPoint(height->width() / 2, 3));
    QTest::keyClick(height, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(height, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0.4399"));
    EXPECT_EQ(Result(), QStringLiteral("0.4399"));
}

TEST_F(MainFormTest, ShortResultsKeepThePanelFont)
{
    EnterUnitTank();
    Type(Form().eH, "0.5");
    Calculate();
    TResultText* shown = Shown(Form().LResult);
    EXPECT_EQ(shown->text(), QStringLiteral("0.3927"));
    EXPECT_EQ(QFontInfo(shown->font()).pixelSize(), QFontInfo(Form().LResult->font()).pixelSize());
    EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0x80, 0, 0)); // maroon
    EXPECT_TRUE(shown->toolTip().isEmpty());
}

TEST_F(MainFormTest, AWideResultIsShownWholeInASmallerFont)
{
    EnterLargeTank();
    Calculate();
    Choose(Form().CbResultUnits, "mm3");
    // pi/4 * 9.83^2 * 10 m3 in mm3: twelve digits before the separator.
    EXPECT_EQ(Result(), QStringLiteral("758921605911.1570"));
    TResultText* shown = Shown(Form().LResult);
    EXPECT_FALSE(shown->IsElided());
    EXPECT_EQ(shown->text(), Result());
    EXPECT_LE(QFontMetrics(shown->font()).horizontalAdvance(shown->text()), shown->width());
    EXPECT_GE(QFontInfo(shown->font()).pixelSize(), TResultText::kSmallestPixelSize);
    EXPECT_LT(QFontInfo(shown->font()).pixelSize(), QFontInfo(Form().LResult->font()).pixelSize());
    EXPECT_EQ(CopyByMouseAndKeyboard(Form().LResult), Result());

    // Back to a short text, back to the panel's font.
    Choose(Form().CbResultUnits, "m3");
    EXPECT_EQ(shown->text(), QStringLiteral("758.9216"));
    EXPECT_EQ(QFontInfo(shown->font()).pixelSize(), QFontInfo(Form().LResult->font()).pixelSize());
}

TEST_F(MainFormTest, AResultTooWideForAnyFontIsElidedVisiblyAndCopiedWhole)
{
    Type(Form().dL, "1E30");
    Type(Form().dD, "1E30");
    Type(Form().db, "0");
    Type(Form().eH, "1E30");
    Calculate();
    Choose(Form().CbResultUnits, "mm3");
    const QString whole = Result();
    ASSERT_GT(whole.size(), 90);
    EXPECT_TRUE(whole.startsWith(QStringLiteral("7853981633974")));
    TResultText* shown = Shown(Form().LResult);
    EXPECT_TRUE(shown->IsElided());
    EXPECT_TRUE(shown->text().contains(QChar(0x2026))) << shown->text().toStdString();
    EXPECT_TRUE(shown->text().startsWith(whole.left(3)));
    EXPECT_TRUE(shown->text().endsWith(whole.right(3)));
    EXPECT_EQ(shown->toolTip(), whole);
    EXPECT_EQ(CopyByMouseAndKeyboard(Form().LResult), whole);
}

TEST_F(MainFormTest, UnitListsSpellOutTheirAbbreviations)
{
    const QString length = QStringLiteral("m: metres; cm: centimetres; mm: millimetres");
    const QString volume = QStringLiteral(
        "in3, ft3, yd3: cubic inches, feet, yards; US gal: US gallons; UK gal: imperial gallons");
    const struct
    {
        TComboBox* list;
        QString hint;
    } lists[] = {
        { Form().cbLu, length },
        { Form().cbDu, length },
        { Form().cbbu, length },
        { Form().cbHu, length },
        { Form().cbVu, volume },
        { Form().cbResultunits2, volume },
        { Form().CbResultUnits,
            QStringLiteral("in: inches; in3, ft3, yd3: cubic inches, feet, yards; US gal, UK gal: "
                           "US and imperial gallons") },
        { Form().cbQu,
            QStringLiteral("usgpm: US gallons per minute; gpm: UK (imperial) gallons per minute; "
                           "m3/h: cubic metres per hour") },
        { Form().cbtu, QStringLiteral("s: seconds; min: minutes") },
    };
    for (const auto& entry : lists) {
        EXPECT_EQ(entry.list->Hint(), entry.hint) << entry.list->Name().toStdString();
        EXPECT_TRUE(entry.list->EffectiveShowHint()) << entry.list->Name().toStdString();
        EXPECT_EQ(entry.list->toolTip(), entry.hint) << entry.list->Name().toStdString();
    }
}

// The German names a dictionary shows for the units that have one.
const std::map<QString, QString> kGermanUnits = {
    { "inches", "Zoll" },
    { "in", "Zoll" },
    { "feet", "Fuß" },
    { "yards", "Yard" },
    { "litres", "Liter" },
    { "hour", "Stunde" },
    { "day", "Tag" },
};

// Shows the list's entries under their German names, in place, as the
// window's translator does.
void ShowInGerman(TComboBox* list)
{
    TStrings* items = list->Items();
    for (int i = 0; i < items->Count(); ++i) {
        if (const auto german = kGermanUnits.find(items->Strings(i)); german != kGermanUnits.end())
            items->Put(i, german->second);
    }
}

// The conversions know units by their native names only; a list showing a
// translated name must still convert with the unit it stands for.
class TranslatedUnitsTest : public MainFormTest, public ::testing::WithParamInterface<bool>
{
protected:
    bool German() const { return GetParam(); }
    const char* Unit(const char* native) const
    {
        if (!German())
            return native;
        static std::map<std::string, std::string> shown;
        return (shown[native] = kGermanUnits.at(QString::fromUtf8(native)).toStdString()).c_str();
    }
    void ShowLists(std::initializer_list<TComboBox*> lists)
    {
        if (German()) {
            for (TComboBox* list : lists)
                ShowInGerman(list);
        }
    }
};

TEST_P(TranslatedUnitsTest, ResultsAreTheSameWhateverTheListsShow)
{
    ShowLists({ Form().cbLu, Form().cbDu, Form().cbbu, Form().cbHu, Form().cbVu, Form().cbtu });
    Type(Form().dL, "10");
    Choose(Form().cbLu, Unit("feet"));
    Type(Form().dD, "60");
    Choose(Form().cbDu, Unit("inches"));
    Type(Form().db, "0.1");
    Choose(Form().cbbu, Unit("yards"));

    Choose(Form().cbHu, Unit("inches"));
    ChooseMode(2); // the result list names the height's unit
    ShowLists({ Form().CbResultUnits, Form().cbResultunits2 });
    Type(Form().eH, "30");
    Type(Form().eQ, "0.001");
    Type(Form().eT, "0.5");
    Choose(Form().cbtu, Unit("hour"));
    Calculate();
    EXPECT_EQ(Form().CbResultUnits->Text(), QString::fromUtf8(Unit("in")));
    EXPECT_EQ(Result(), QStringLiteral("14.7108"));
    Choose(Form().cbResultunits2, Unit("litres"));
    EXPECT_EQ(Form().eResult2->Caption(), QStringLiteral("1800.0000"));

    ChooseMode(1);
    ShowLists({ Form().CbResultUnits });
    Type(Form().eV, "500");
    Choose(Form().cbVu, Unit("litres"));
    Calculate();
    EXPECT_EQ(Result(), QStringLiteral("8.5750"));

    // A unit's name typed as the list shows it selects that unit.
    QLineEdit* typed = Form().CbResultUnits->lineEdit();
    ASSERT_NE(typed, nullptr);
    typed->setFocus();
    typed->selectAll();
    QTest::keyClick(typed, Qt::Key_Backspace);
    QTest::keyClicks(typed, QString::fromUtf8(Unit("feet")));
    EXPECT_EQ(Form().CbResultUnits->ItemIndex(), 4);
    EXPECT_EQ(Result(), QStringLiteral("0.7146"));
}

INSTANTIATE_TEST_SUITE_P(NativeAndGerman, TranslatedUnitsTest, ::testing::Bool());

TEST_F(MainFormTest, OrientationChangeSwitchesTheDiagramAndKeepsTheEntries)
{
    EnterUnitTank();
    Type(Form().eH, "0.5");
    Calculate();
    Choose(Form().CbOrientation, "Vertical Cylindrical Tank");
    EXPECT_TRUE(Form().VerticalImg->isVisible());
    EXPECT_FALSE(Form().HorizontalImg->isVisible());
    EXPECT_EQ(Form().Tank().Orientation, 1);
    EXPECT_EQ(Result(), QStringLiteral("0.3927"));
    EXPECT_TRUE(Form().ResultsStale());
    EXPECT_EQ(Form().eH->Text(), QStringLiteral("0.5"));
}

TEST_F(MainFormTest, EntriesTooLargeForAResultAskToCheckTheInputs)
{
    Type(Form().dL, "1E100");
    Type(Form().dD, "1E100");
    Type(Form().db, "0");
    Type(Form().eH, "1");
    Calculate();
    EXPECT_EQ(m_messages.Entries(), (std::vector<std::string> { "Warning: Check your inputs" }));
    EXPECT_EQ(Result(), QStringLiteral("0"));
}

TEST_F(MainFormTest, EnterInTheLengthFieldClosesTheWindow)
{
    Form().dL->setFocus();
    QTest::keyClick(Form().dL, Qt::Key_Return);
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(MainFormTest, CalculateShowsTheCalculatorInColourAndGreyedWhenDisabled)
{
    const QIcon icon = Form().BitBtn2->icon();
    // A key of the calculator's keypad: dark blue, or grey when disabled.
    const QColor key = icon.pixmap(QSize(16, 16)).toImage().pixelColor(4, 7);
    const QColor greyedKey = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage().pixelColor(4, 7);
    EXPECT_LT(key.red(), 40);
    EXPECT_GT(key.blue(), 100);
    EXPECT_EQ(greyedKey.red(), greyedKey.blue());
    EXPECT_GT(greyedKey.red(), 120);
}

TEST_F(MainFormTest, EnterOnTheResultUnitBoxClosesTheWindowToo)
{
    Form().CbResultUnits->setFocus();
    QTest::keyClick(Form().CbResultUnits, Qt::Key_Return);
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(MainFormTest, EnterOnAModeButtonClosesTheWindowToo)
{
    TRzGroupButton* height = Form().CalcOptions->Buttons()[1];
    height->setFocus();
    QTest::keyClick(height, Qt::Key_Return);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(Form().CalcOptions->ItemIndex(), 0);
}

TEST_F(MainFormTest, OkClosesTheWindow)
{
    QTest::mouseClick(Form().BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(Form().BitBtn1->Caption(), QStringLiteral("OK"));
}

} // namespace
