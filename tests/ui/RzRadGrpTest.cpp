// The framed radio group as a real widget: item list, ItemIndex rules, the
// click event, and the arithmetic that places the buttons.
#include "ui/RzRadGrp.h"

#include "framework/app/ExceptionHandler.h"
#include "framework/controls/GroupBox.h"
#include "framework/core/Exceptions.h"
#include "ui/WindowFonts.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

void SetLines(TStrings* strings, const QStringList& lines)
{
    strings->SetStrings(lines);
}

// A group shaped like the window's calculation-mode group (its font is the
// framework's default, "MS Sans Serif" 8 points), read as a stored layout is:
// properties first, then Loaded.
std::unique_ptr<TRzRadioGroup> ModeGroup(int itemIndex = 0)
{
    InstallFontSubstitutes();
    auto group = std::make_unique<TRzRadioGroup>();
    group->SetLoading(true);
    group->SetParentFont(false);
    group->SetBounds(271, 154, 189, 78);
    group->SetCaption(QStringLiteral("  Calculate...   "));
    SetLines(group->Items(),
        { QStringLiteral("Volume"), QStringLiteral("Height"), QStringLiteral("New Height") });
    group->SetItemIndex(itemIndex);
    group->Loaded();
    return group;
}

TEST(RzRadioGroup, LoadingChecksTheStoredItemWithoutAClick)
{
    auto group = std::make_unique<TRzRadioGroup>();
    QSignalSpy clicks(group.get(), &TRzCustomRadioGroup::OnClick);
    group->SetLoading(true);
    group->SetItemIndex(1);
    SetLines(group->Items(), { QStringLiteral("a"), QStringLiteral("b") });
    EXPECT_TRUE(group->Buttons().empty()); // no button work while loading
    group->Loaded();
    ASSERT_EQ(group->Buttons().size(), 2u);
    EXPECT_TRUE(group->Buttons()[1]->isChecked());
    EXPECT_FALSE(group->Buttons()[0]->isChecked());
    EXPECT_EQ(clicks.count(), 0);
}

TEST(RzRadioGroup, PlacesTheModeButtonsInOneColumnUnderTheCaption)
{
    const auto group = ModeGroup();
    ASSERT_EQ(group->Buttons().size(), 3u);
    const int tops[] = { 15, 35, 55 };
    for (std::size_t i = 0; i < 3; ++i) {
        const QRect geometry = group->Buttons()[i]->geometry();
        EXPECT_EQ(geometry, QRect(8, tops[i], 171, 17)) << "button " << i;
        EXPECT_TRUE(group->Buttons()[i]->isVisibleTo(group.get()));
    }
    EXPECT_EQ(group->Buttons()[2]->text(), QStringLiteral("New Height"));
}

TEST(RzRadioGroup, StartsTheFirstRowHigherWithoutACaption)
{
    const auto group = ModeGroup();
    group->SetCaption(QString());
    EXPECT_EQ(group->Buttons()[0]->y(), 10);
    EXPECT_EQ(group->Buttons()[1]->y(), 30);
}

TEST(RzRadioGroup, SplitsButtonsIntoColumnsTopToBottom)
{
    const auto group = ModeGroup();
    group->SetColumns(2);
    // Two rows; each column (189 - 8 - 10) / 2 = 85 wide.
    EXPECT_EQ(group->Buttons()[0]->geometry(), QRect(8, 15, 85, 17));
    EXPECT_EQ(group->Buttons()[1]->geometry(), QRect(8, 35, 85, 17));
    EXPECT_EQ(group->Buttons()[2]->geometry(), QRect(93, 15, 85, 17));
}

TEST(RzRadioGroup, PlacesButtonsBelowCustomBorders)
{
    const auto group = ModeGroup();
    group->SetGroupStyle(TRzCustomRadioGroup::gsCustom);
    group->SetBorderOuter(TRzCustomPanel::fsGroove);
    group->SetBorderWidth(1);
    // b = 1 + 1 + 2 = 4; with a caption 13 + 4 + 2.
    EXPECT_EQ(group->Buttons()[0]->y(), 19);
    group->SetCaption(QString());
    EXPECT_EQ(group->Buttons()[0]->y(), 6);
}

TEST(RzRadioGroup, KeepsColumnsWithinOneToSixteen)
{
    const auto group = ModeGroup();
    group->SetColumns(0);
    EXPECT_EQ(group->Columns(), 1);
    group->SetColumns(20);
    EXPECT_EQ(group->Columns(), 16);
}

TEST(RzRadioGroup, ClampsItemIndexToTheButtons)
{
    const auto group = ModeGroup();
    group->SetItemIndex(7);
    EXPECT_EQ(group->ItemIndex(), 2);
    group->SetItemIndex(-5);
    EXPECT_EQ(group->ItemIndex(), -1);
    for (TRzGroupButton* button : group->Buttons())
        EXPECT_FALSE(button->isChecked());
}

TEST(RzRadioGroup, RemovingItemsMovesItemIndexToTheLastItem)
{
    const auto group = ModeGroup(2);
    SetLines(group->Items(), { QStringLiteral("Volume") });
    EXPECT_EQ(group->ItemIndex(), 0);
    ASSERT_EQ(group->Buttons().size(), 1u);
    EXPECT_TRUE(group->Buttons()[0]->isChecked());
}

TEST(RzRadioGroup, FiresTheClickEventOnlyWhenItemIndexChanges)
{
    const auto group = ModeGroup();
    QSignalSpy clicks(group.get(), &TRzCustomRadioGroup::OnClick);
    group->SetItemIndex(0);
    EXPECT_EQ(clicks.count(), 0);
    group->SetItemIndex(2);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(group->Buttons()[2]->isChecked());
    EXPECT_FALSE(group->Buttons()[0]->isChecked());
}

TEST(RzRadioGroup, AUserClickChecksOneButtonAndReportsIt)
{
    const auto group = ModeGroup();
    group->show();
    QSignalSpy clicks(group.get(), &TRzCustomRadioGroup::OnClick);
    TRzGroupButton* height = group->Buttons()[1];
    QTest::mouseClick(height, Qt::LeftButton, {}, QPoint(8, height->height() / 2));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(height->isChecked());
    EXPECT_FALSE(group->Buttons()[0]->isChecked());

    // Clicking the checked button again keeps it checked and chooses nothing
    // new: no click event, so the window does not redo its mode change.
    QTest::mouseClick(height, Qt::LeftButton, {}, QPoint(8, height->height() / 2));
    EXPECT_TRUE(height->isChecked());
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(height, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(RzRadioGroup, AFailingClickHandlerGoesToTheApplicationsErrorReport)
{
    const auto group = ModeGroup();
    group->show();
    QObject::connect(group.get(), &TRzCustomRadioGroup::OnClick, group.get(),
        [] { throw EComponentError("handler failed"); });
    std::string reported;
    const TExceptionHandler previous = SetApplicationExceptionHandler(
        [&reported](const std::exception& error) { reported = error.what(); });
    TRzGroupButton* height = group->Buttons()[1];
    QTest::mouseClick(height, Qt::LeftButton, {}, QPoint(8, height->height() / 2));
    SetApplicationExceptionHandler(previous);
    EXPECT_EQ(reported, "handler failed");
    EXPECT_EQ(group->ItemIndex(), 1);
}

TEST(RzRadioGroup, OwnsItsButtons)
{
    const auto group = ModeGroup();
    ASSERT_EQ(group->ComponentCount(), 3);
    EXPECT_EQ(group->Components(2)->Object(), group->Buttons()[2]);
    SetLines(group->Items(), { QStringLiteral("Volume") });
    EXPECT_EQ(group->ComponentCount(), 1);
}

TEST(RzRadioGroup, AClickBesideTheButtonsIsNoChoice)
{
    const auto group = ModeGroup();
    group->show();
    QSignalSpy clicks(group.get(), &TRzCustomRadioGroup::OnClick);
    QTest::mouseClick(group.get(), Qt::LeftButton, {}, QPoint(100, 5));
    QTest::mouseClick(group.get(), Qt::LeftButton, {}, QPoint(184, 70));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(group->ItemIndex(), 0);
}

TEST(RzRadioGroup, ArrowKeysMoveTheCheckAndWrapAround)
{
    const auto group = ModeGroup();
    group->show();
    QSignalSpy clicks(group.get(), &TRzCustomRadioGroup::OnClick);
    QTest::keyClick(group->Buttons()[0], Qt::Key_Down);
    EXPECT_EQ(group->ItemIndex(), 1);
    QTest::keyClick(group->Buttons()[1], Qt::Key_Up);
    QTest::keyClick(group->Buttons()[0], Qt::Key_Up);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks.count(), 3);
}

TEST(RzPanel, ClientAreaLiesInsideFrameLinesBordersAndBand)
{
    TRzCustomPanel panel;
    panel.SetBounds(0, 0, 100, 50);
    EXPECT_EQ(panel.ClientArea(), QRect(2, 2, 96, 46)); // fsRaised, two pixels
    panel.SetFrameSides(TRzCustomPanel::TSides(TRzCustomPanel::sdLeft) | TRzCustomPanel::sdTop);
    panel.SetBorderOuter(TRzCustomPanel::fsFlat);
    panel.SetBorderWidth(3);
    panel.SetBorderInner(TRzCustomPanel::fsStatus);
    panel.SetBevelWidth(2);
    panel.SetBorderSides(TRzCustomPanel::TSides(TRzCustomPanel::sdLeft) | TRzCustomPanel::sdRight);
    // Left: frame 1, flat 1, band 3, status 2; top: frame 1, band 3;
    // right: flat 1, band 3, status 2; bottom: band 3.
    EXPECT_EQ(panel.ClientArea(), QRect(7, 4, 87, 43));
}

TEST(RzPanel, ReportsTheMouseEnteringAndLeaving)
{
    TRzCustomPanel panel;
    panel.SetBounds(0, 0, 100, 50);
    panel.show();
    QSignalSpy entered(&panel, &TRzCustomPanel::OnMouseEnter);
    QSignalSpy left(&panel, &TRzCustomPanel::OnMouseLeave);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&panel, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&panel, &leave);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST(RzRadioGroup, DisablingTheGroupDisablesEveryButton)
{
    const auto group = ModeGroup();
    group->setEnabled(false);
    for (TRzGroupButton* button : group->Buttons())
        EXPECT_FALSE(button->isEnabled());
    group->setEnabled(true);
    for (TRzGroupButton* button : group->Buttons())
        EXPECT_TRUE(button->isEnabled());
}

TEST(RzRadioGroup, DrawsTheSameFrameAndCaptionAsAGroupBox)
{
    // The window shows both side by side; they must look alike.
    TGroupBox box;
    TRzRadioGroup group;
    for (TControl* control : { static_cast<TControl*>(&box), static_cast<TControl*>(&group) }) {
        control->SetBounds(0, 0, 189, 78);
        control->Widget()->setProperty("Caption", QStringLiteral("  Calculate...   "));
    }
    EXPECT_EQ(group.grab().toImage(), box.grab().toImage());
}

} // namespace
