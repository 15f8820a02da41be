#include "BitBtn.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Forms.h"
#include "GroupBox.h"
#include "Label.h"
#include "Panel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

// A shown form with an edit field, a combo box, and two buttons of which
// the first is the default.
struct TTestForm
{
    TTestForm()
    {
        form.SetClientWidth(300);
        form.SetClientHeight(200);
        edit->SetParent(&form);
        combo->SetParent(&form);
        combo->SetStyle(tankora::csDropDownList);
        combo->Items()->SetStrings({ "m", "cm" });
        ok->SetParent(&form);
        ok->SetKind(tankora::bkOK);
        ok->SetDefault(true);
        other->SetParent(&form);
        other->SetBounds(100, 170, 80, 25);
        QObject::connect(ok, &TBitBtn::OnClick, &form, [this] { form.Close(); });
        QObject::connect(other, &TBitBtn::OnClick, &form, [this] { ++otherClicks; });
        form.show();
        form.activateWindow();
    }
    TForm form;
    TEdit* edit = new TEdit(&form);
    TComboBox* combo = new TComboBox(&form);
    TBitBtn* ok = new TBitBtn(&form);
    TBitBtn* other = new TBitBtn(&form);
    int otherClicks = 0;
};

} // namespace

TEST(Form, EnterInAnEditFieldClicksTheDefaultButtonAndClosesTheForm)
{
    TTestForm t;
    t.edit->setFocus();
    QTest::keyClick(t.edit, Qt::Key_Return);
    EXPECT_FALSE(t.form.isVisible());
}

TEST(Form, EnterWithShiftCtrlOrAltDoesNothing)
{
    TTestForm t;
    t.edit->setFocus();
    for (auto modifier : { Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier })
        QTest::keyClick(t.edit, Qt::Key_Return, modifier);
    EXPECT_TRUE(t.form.isVisible());
}

TEST(Form, EnterOnAPushButtonClicksThatButtonNotTheDefault)
{
    TTestForm t;
    t.other->setFocus();
    QTest::keyClick(t.other, Qt::Key_Return);
    EXPECT_TRUE(t.form.isVisible());
    EXPECT_EQ(t.otherClicks, 1);
}

TEST(Form, EnterInADropDownListClicksTheDefaultButton)
{
    TTestForm t;
    t.combo->setFocus();
    QTest::keyClick(t.combo, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(t.form.isVisible());
}

TEST(Form, FixedSingleBorderKeepsTheClientSize)
{
    TForm form;
    form.SetBorderStyle(tankora::bsSingle);
    form.SetClientWidth(464);
    form.SetClientHeight(389);
    form.show();
    EXPECT_EQ(form.minimumSize(), QSize(464, 389));
    EXPECT_EQ(form.maximumSize(), QSize(464, 389));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(ComboBox, ItemsChangedInPlaceKeepTheSelection)
{
    TComboBox combo;
    combo.SetStyle(tankora::csDropDownList);
    combo.Items()->SetStrings({ "Volume", "Height" });
    combo.SetItemIndex(1);
    combo.Items()->Put(1, "Hoehe");
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(combo.Text(), "Hoehe");
    combo.SetItemIndex(7);
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.SetText("Volume");
    EXPECT_EQ(combo.ItemIndex(), 0);
}

TEST(ComboBox, UserSelectionFiresOnChangeButProgramChangesDoNot)
{
    TComboBox combo;
    combo.SetStyle(tankora::csDropDownList);
    combo.Items()->SetStrings({ "a", "b", "c" });
    QSignalSpy spy(&combo, &TComboBox::OnChange);
    combo.SetItemIndex(0);
    EXPECT_EQ(spy.count(), 0);
    combo.show();
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(spy.count(), 1);
}

TEST(Control, ParentShowHintTakesTheParentsSettingUnlessTheControlSetsItsOwn)
{
    TForm form;
    TGroupBox box(nullptr);
    box.SetParent(&form);
    TEdit inherits(nullptr), own(nullptr);
    inherits.SetParent(&box);
    own.SetParent(&box);
    inherits.SetHint("inherited hint");
    own.SetHint("own hint");
    own.SetShowHint(true);
    EXPECT_FALSE(own.ParentShowHint());
    EXPECT_EQ(inherits.toolTip(), "");
    EXPECT_EQ(own.toolTip(), "own hint");
    form.SetShowHint(true);
    EXPECT_EQ(inherits.toolTip(), "inherited hint");
}

TEST(Control, FontColourAndParentFontFollowTheParent)
{
    TForm form;
    TGroupBox box(nullptr);
    box.SetParent(&form);
    TLabel label(nullptr);
    label.SetParent(&box);
    form.Font()->SetName("DejaVu Sans");
    EXPECT_EQ(label.Font()->Name(), "DejaVu Sans");
    EXPECT_TRUE(label.ParentFont());
    label.Font()->SetColor(clMaroon);
    EXPECT_FALSE(label.ParentFont());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    form.Font()->SetSize(12);
    EXPECT_EQ(label.Font()->Size(), 8);
}

TEST(Control, BottomAlignedPanelFollowsTheParentsSize)
{
    TForm form;
    form.resize(464, 389);
    TPanel panel(nullptr);
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 100, 35);
    panel.SetAlign(tankora::alBottom);
    EXPECT_EQ(panel.geometry(), QRect(0, 354, 464, 35));
    form.show();
    form.resize(500, 400);
    EXPECT_EQ(panel.geometry(), QRect(0, 365, 500, 35));
}

TEST(Label, AutoSizeFitsTheCaptionAndKeepsThePosition)
{
    TLabel label;
    label.SetBounds(12, 21, 1, 1);
    label.SetCaption("A longer caption");
    EXPECT_EQ(label.pos(), QPoint(12, 21));
    EXPECT_EQ(label.size(), label.sizeHint());
    label.SetAutoSize(false);
    label.SetWidth(5);
    label.SetCaption("Another");
    EXPECT_EQ(label.Width(), 5);
}

TEST(BitBtn, KindOKGivesTheStandardCaptionPictureAndModalResult)
{
    TBitBtn button;
    button.SetKind(tankora::bkOK);
    EXPECT_EQ(button.Caption(), "OK");
    EXPECT_FALSE(button.icon().isNull());
    EXPECT_EQ(button.ModalResult(), TBitBtn::mrOk);
}
