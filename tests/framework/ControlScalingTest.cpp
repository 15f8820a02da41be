#include "framework/controls/ControlScaling.h"

#include "framework/app/Forms.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"

#include <gtest/gtest.h>

#include <QRect>

#include <climits>

namespace {

QRect Bounds(const TControl& control)
{
    return { control.Left(), control.Top(), control.Width(), control.Height() };
}

// A form holding a panel with a label and an edit field; the label takes the
// panel's font, the edit field has a font of its own.
struct TScaledForm
{
    TScaledForm()
    {
        form.move(40, 30);
        form.SetClientWidth(400);
        form.SetClientHeight(200);
        form.Font()->SetSize(8);
        panel->SetParent(&form);
        panel->SetBounds(20, 10, 200, 100);
        label->SetParent(panel);
        label->SetAutoSize(false);
        label->SetBounds(10, 8, 60, 14);
        edit->SetParent(panel);
        edit->SetBounds(80, 6, 100, 20);
        edit->Font()->SetSize(10);
    }
    TForm form;
    TPanel* panel = new TPanel(&form);
    TLabel* label = new TLabel(&form);
    TEdit* edit = new TEdit(&form);
};

} // namespace

TEST(MulDiv, RoundsHalvesAwayFromZeroWithoutOverflow)
{
    const struct
    {
        int n, multiplier, divider, expected;
    } cases[] = {
        { 10, 150, 100, 15 },
        { 7, 150, 100, 11 },
        { -7, 150, 100, -11 },
        { 11, 100, 150, 7 },
        { 5, 1, 2, 3 },
        { 5, -1, 2, -3 },
        { INT_MAX, 3, 3, INT_MAX },
        { 42, 7, 0, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.n, c.multiplier, c.divider), c.expected)
            << c.n << " * " << c.multiplier << " / " << c.divider;
}

TEST(ControlScaling, ScalesPositionsSizesAndFontsOfTheWholeTreeAndBack)
{
    TScaledForm t;
    ScaleControl(t.form, 150, 100);
    EXPECT_EQ(t.form.pos(), QPoint(40, 30)) << "a window keeps its place";
    EXPECT_EQ(t.form.ClientWidth(), 600);
    EXPECT_EQ(t.form.ClientHeight(), 300);
    EXPECT_EQ(Bounds(*t.panel), QRect(30, 15, 300, 150));
    EXPECT_EQ(Bounds(*t.label), QRect(15, 12, 90, 21));
    EXPECT_EQ(Bounds(*t.edit), QRect(120, 9, 150, 30));
    EXPECT_EQ(t.form.Font()->Size(), 12);
    EXPECT_EQ(t.label->Font()->Size(), 12) << "a parent's font is followed";
    EXPECT_EQ(t.edit->Font()->Size(), 15);
    EXPECT_TRUE(t.label->ParentFont());

    ScaleControl(t.form, 100, 150);
    EXPECT_EQ(t.form.ClientWidth(), 400);
    EXPECT_EQ(Bounds(*t.panel), QRect(20, 10, 200, 100));
    EXPECT_EQ(Bounds(*t.label), QRect(10, 8, 60, 14));
    EXPECT_EQ(Bounds(*t.edit), QRect(80, 6, 100, 20));
    EXPECT_EQ(t.label->Font()->Size(), 8);
    EXPECT_EQ(t.edit->Font()->Size(), 10);
}

TEST(ControlScaling, NeighboursThatTouchStillTouch)
{
    TForm form;
    auto* first = new TPanel(&form);
    auto* second = new TPanel(&form);
    first->SetParent(&form);
    second->SetParent(&form);
    first->SetBounds(0, 0, 33, 10);
    second->SetBounds(33, 0, 33, 10);
    ScaleControl(form, 150, 100);
    EXPECT_EQ(first->Left() + first->Width(), second->Left());
}
