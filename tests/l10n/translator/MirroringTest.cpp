#include "l10n/translator/Mirroring.h"

#include "framework/app/Forms.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Panel.h"

#include <gtest/gtest.h>

namespace {

// A 300-pixel form with a panel (left 20, width 100) holding an edit field
// (left 5, width 40).
struct TMirrorForm
{
    TMirrorForm()
    {
        form.SetClientWidth(300);
        form.SetClientHeight(100);
        panel->SetParent(&form);
        panel->SetBounds(20, 10, 100, 50);
        edit->SetParent(panel);
        edit->SetBounds(5, 5, 40, 20);
    }
    TIvBidirectionalState& StateOf(QWidget* widget) { return *states.FindBiDiState(widget, true); }

    TForm form;
    TPanel* panel = new TPanel(&form);
    TEdit* edit = new TEdit(&form);
    TIvBiDiStates states;
};

} // namespace

TEST(Mirroring, ControlWithoutParentStaysAndKeepsItsRecord)
{
    TMirrorForm t;
    t.form.move(70, 0);
    TIvBidirectionalState& state = t.StateOf(&t.form);
    MirrorControlPosition(t.form, state);
    EXPECT_EQ(t.form.x(), 70);
    EXPECT_FALSE(state.Mirrored);
    EXPECT_EQ(state.ReadingOrder, ivroLeftToRight);
}

TEST(Mirroring, UpdateFollowsTheParentsNewWidthForMirroredControlsOnly)
{
    TMirrorForm t;
    TIvBidirectionalState& root = t.StateOf(&t.form);
    root.Mirrored = true; // the root never moves, whatever its record says
    MirrorControlPosition(*t.panel, t.StateOf(t.panel));
    t.StateOf(t.edit);
    t.form.SetClientWidth(400);
    t.edit->SetLeft(7);
    UpdateMirroredPositions(&t.form, t.states);
    EXPECT_EQ(t.panel->Left(), 400 - 100 - 20);
    EXPECT_EQ(t.edit->Left(), 7) << "not mirrored";
    EXPECT_EQ(t.form.x(), 0);

    t.panel->SetWidth(150);
    UpdateMirroredPosition(&t.form, t.StateOf(t.panel));
    EXPECT_EQ(t.panel->Left(), 400 - 150 - 20);
}

TEST(Mirroring, MirroredFlagFollowsTheReadingOrderAgainstTheNativeLayout)
{
    TMirrorForm t;
    const struct
    {
        TIvReadingOrder readingOrder, nativeLayout;
        bool mirrored;
    } cases[] = {
        { ivroRightToLeft, ivroLeftToRight, true },
        { ivroRightToLeft, ivroRightToLeft, false },
        { ivroLeftToRight, ivroRightToLeft, true },
        { ivroLeftToRight, ivroLeftToRight, false },
    };
    bool mirrored = false;
    for (const auto& c : cases) {
        UpdateMirroredFlag(&t.form, c.readingOrder, c.nativeLayout, mirrored);
        EXPECT_EQ(mirrored, c.mirrored);
    }
}
