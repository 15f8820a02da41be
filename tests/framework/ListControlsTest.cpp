#include "framework/app/Forms.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/Memo.h"
#include "framework/controls/RadioButton.h"
#include "framework/controls/StatusBar.h"
#include "framework/layout/FormReader.h"
#include "framework/layout/FormText.h"
#include "framework/layout/FormWriter.h"
#include "framework/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Caption = 'Lists'
  ClientHeight = 200
  ClientWidth = 300
  object Memo1: TMemo
    Left = 8
    Top = 8
    Width = 100
    Height = 60
    TabOrder = 0
    Lines.Strings = (
      'first line'
      'second line')
    ScrollBars = ssVertical
  end
  object Checks: TCheckListBox
    Left = 8
    Top = 80
    Width = 100
    Height = 60
    TabOrder = 1
    Items.Strings = (
      'Volume'
      'Height')
  end
  object Radio1: TRadioButton
    Left = 120
    Top = 8
    Width = 80
    Height = 17
    TabOrder = 2
    Caption = 'Horizontal'
    Checked = True
  end
  object Status: TStatusBar
    Top = 180
    Width = 300
    Height = 20
    Align = alBottom
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Alignment = taRightJustify
      end>
  end
end
)";

QByteArray LayoutBytes()
{
    TMemoryStream stream;
    FormTextToBinary(kLayout, stream);
    return stream.Bytes();
}

std::unique_ptr<TForm> LoadLayout()
{
    auto form = std::make_unique<TForm>();
    TMemoryStream stream(LayoutBytes());
    ReadComponent(stream, *form);
    return form;
}

} // namespace

TEST(ListControls, LayoutWithLinesItemsAndACollectionLoadsAndStoresUnchanged)
{
    auto form = LoadLayout();
    auto* memo = dynamic_cast<TMemo*>(form->FindComponent("Memo1"));
    auto* checks = dynamic_cast<TCheckListBox*>(form->FindComponent("Checks"));
    auto* status = dynamic_cast<TStatusBar*>(form->FindComponent("Status"));
    ASSERT_TRUE(memo && checks && status);
    EXPECT_EQ(memo->Text(), "first line\nsecond line");
    EXPECT_EQ(checks->count(), 2);
    ASSERT_EQ(status->Panels()->Count(), 2);
    EXPECT_EQ(status->Panel(0)->Text(), "Ready");
    EXPECT_EQ(status->Panel(1)->Alignment(), tankora::taRightJustify);
    EXPECT_TRUE(dynamic_cast<TRadioButton*>(form->FindComponent("Radio1"))->Checked());

    TMemoryStream out;
    WriteComponent(out, *form);
    TMemoryStream written(out.Bytes());
    EXPECT_EQ(FormBinaryToText(written), kLayout);
}

TEST(ListControls, CheckAndSelectionStatesSurviveLinesRewrittenInPlace)
{
    TCheckListBox checks;
    checks.Items()->SetStrings({ "a", "b", "c" });
    checks.SetChecked(1, true);
    checks.SetState(2, tankora::cbGrayed);
    checks.Items()->BeginUpdate();
    for (int i = 0; i < checks.Items()->Count(); ++i)
        checks.Items()->Put(i, checks.Items()->Strings(i).toUpper());
    checks.Items()->EndUpdate();
    EXPECT_EQ(checks.item(0)->text(), "A");
    EXPECT_FALSE(checks.Checked(0));
    EXPECT_TRUE(checks.Checked(1));
    EXPECT_EQ(checks.State(2), tankora::cbGrayed);

    TListBox list;
    list.SetMultiSelect(true);
    list.Items()->SetStrings({ "x", "y", "z" });
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    list.Items()->Put(2, "Z");
    EXPECT_TRUE(list.Selected(0));
    EXPECT_FALSE(list.Selected(1));
    EXPECT_TRUE(list.Selected(2));
    EXPECT_THROW(list.Selected(3), EListError);
}

// Lines rewritten in place reach the view as one change covering the lines
// that changed (the view repaints from it), and a check list box reports no
// check click for them.
TEST(ListControls, LinesRewrittenInPlaceReachTheViewAsOneChange)
{
    TCheckListBox checks;
    checks.Items()->SetStrings({ "a", "b", "c", "d" });
    QSignalSpy modelChanges(checks.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy checkClicks(&checks, &TCheckListBox::OnClickCheck);
    checks.Items()->BeginUpdate();
    checks.Items()->Put(1, "B");
    checks.Items()->Put(2, "C");
    checks.Items()->EndUpdate();
    ASSERT_EQ(modelChanges.count(), 1);
    EXPECT_EQ(modelChanges[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(modelChanges[0][1].toModelIndex().row(), 2);
    EXPECT_EQ(checks.item(1)->text(), "B");
    EXPECT_EQ(checkClicks.count(), 0);

    checks.Items()->Put(0, "a");
    EXPECT_EQ(modelChanges.count(), 1) << "an unchanged line is no change";
}

TEST(ListControls, TypingInAMemoUpdatesItsLines)
{
    TMemo memo;
    QSignalSpy changes(&memo, &TMemo::OnChange);
    memo.show();
    memo.setFocus();
    QTest::keyClicks(&memo, "ab");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "c");
    EXPECT_EQ(memo.Lines()->ToStringList(), (QStringList { "ab", "c" }));
    EXPECT_EQ(changes.count(), 4);
}
