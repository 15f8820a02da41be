#include "framework/app/Forms.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Edit.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/Memo.h"
#include "framework/controls/Panel.h"
#include "framework/layout/FormText.h"
#include "framework/layout/FormWriter.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
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

TEST(Control, EntryControlsShowTheWindowColourWithoutAStoredOne)
{
    // The window colour differs from the background, so a control that only
    // records its default and never shows it is caught.
    const QColor window = ColorToQColor(clWindow);
    ASSERT_NE(QApplication::palette().color(QPalette::Window), window);
    TForm form;
    const std::pair<TControl*, const char*> entries[] = {
        { new TEdit(&form), "edit" },
        { new TComboBox(&form), "combo box" },
        { new TMemo(&form), "memo" },
        { new TListBox(&form), "list box" },
    };
    for (const auto& [control, what] : entries) {
        EXPECT_EQ(control->Color(), clWindow) << what;
        EXPECT_EQ(control->Widget()->palette().color(QPalette::Window), window) << what;
        EXPECT_EQ(control->Widget()->palette().color(QPalette::Base), window) << what;
    }
    // Captions and frames take their parent's background.
    TLabel label(&form);
    EXPECT_EQ(label.Color(), clBtnFace);
    EXPECT_FALSE(label.autoFillBackground());
}

TEST(Control, TheClassDefaultColourIsNotStoredButAnotherIs)
{
    TForm form;
    form.SetName(QStringLiteral("Form1"));
    auto* plain = new TEdit(&form);
    plain->SetName(QStringLiteral("Plain"));
    plain->SetParent(&form);
    auto* greyed = new TEdit(&form);
    greyed->SetName(QStringLiteral("Greyed"));
    greyed->SetParent(&form);
    greyed->SetColor(clBtnFace);
    TMemoryStream out;
    WriteComponent(out, form);
    TMemoryStream written(out.Bytes());
    const QString text = QString::fromStdString(FormBinaryToText(written));
    const qsizetype greyedAt = text.indexOf(QStringLiteral("object Greyed"));
    ASSERT_GT(greyedAt, 0) << text.toStdString();
    EXPECT_FALSE(text.left(greyedAt).contains(QStringLiteral("Color = clWindow")))
        << text.toStdString();
    EXPECT_TRUE(text.mid(greyedAt).contains(QStringLiteral("Color = clBtnFace")))
        << text.toStdString();
}

TEST(GroupBox, DrawsAnEtchedFrameWithTheCaptionInsetIntoItsTopLine)
{
    TGroupBox box;
    box.SetCaption(QStringLiteral("  Tank "));
    box.resize(120, 60);
    const QImage image = box.grab().toImage();
    const QColor dark = box.palette().color(QPalette::Dark);
    const QColor light = box.palette().color(QPalette::Light);
    const QColor background = box.palette().color(QPalette::Window);
    const int top = QFontMetrics(box.font()).boundingRect(QStringLiteral("Pp")).height() / 2 - 1;
    const int captionEnd = 8 + QFontMetrics(box.font()).horizontalAdvance(box.Caption());
    ASSERT_LT(captionEnd, 110);
    const struct
    {
        QPoint at;
        QColor expected;
        const char* what;
    } pixels[] = {
        { { 0, 30 }, dark, "left edge" },
        { { 1, 30 }, light, "left edge's highlight" },
        { { 118, 30 }, dark, "right edge" },
        { { 119, 30 }, light, "right edge's highlight" },
        { { 60, 58 }, dark, "bottom edge" },
        { { 60, 59 }, light, "bottom edge's highlight" },
        { { 4, top }, dark, "top line before the caption" },
        { { 9, top }, background, "top line under the caption's leading space" },
        { { 110, top }, dark, "top line after the caption" },
        { { 60, 30 }, background, "inside" },
    };
    for (const auto& pixel : pixels)
        EXPECT_EQ(QColor(image.pixel(pixel.at)).name(), pixel.expected.name()) << pixel.what;
}

// A Hebrew or Arabic title is read from the right: it stands at the right
// end of the top line, a Latin one at the left end.
TEST(GroupBox, PutsARightToLeftCaptionAtTheRightEndOfItsTopLine)
{
    const struct
    {
        QString caption;
        bool atRight;
    } cases[] = {
        { QStringLiteral("Tank"), false },
        { QString::fromUtf8("\u05de\u05d9\u05db\u05dc"), true },
        { QString::fromUtf8("\u0627\u0644\u062e\u0632\u0627\u0646"), true },
    };
    for (const auto& c : cases) {
        TGroupBox box;
        box.SetCaption(c.caption);
        box.resize(200, 60);
        const QImage image = box.grab().toImage();
        const QRgb background = box.palette().color(QPalette::Window).rgb();
        const QRgb dark = box.palette().color(QPalette::Dark).rgb();
        const int top
            = QFontMetrics(box.font()).boundingRect(QStringLiteral("Pp")).height() / 2 - 1;
        // Above the top line only the caption has ink.
        int firstInk = image.width();
        int lastInk = -1;
        for (int y = 0; y < top; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != background) {
                    firstInk = std::min(firstInk, x);
                    lastInk = std::max(lastInk, x);
                }
            }
        }
        const std::string what = c.caption.toStdString();
        ASSERT_GE(lastInk, 0) << what;
        if (c.atRight) {
            EXPECT_GT(firstInk, 100) << what;
            EXPECT_EQ(image.pixel(4, top), dark) << what << ": the line shows left of the title";
        } else {
            EXPECT_LT(lastInk, 100) << what;
            EXPECT_EQ(image.pixel(195, top), dark) << what << ": the line shows right of the title";
        }
    }
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
