#include "framework/controls/WindowHandles.h"

#include "framework/app/Forms.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"

#include <gtest/gtest.h>

TEST(WindowHandles, LabelsAndImagesHaveNoWindowOfTheirOwn)
{
    TForm form;
    QObject plain;
    const struct
    {
        const QObject* object;
        bool windowed;
    } cases[] = {
        { &form, true },
        { new TEdit(&form), true },
        { new TPanel(&form), true },
        { new TLabel(&form), false },
        { new TImage(&form), false },
        { &plain, false },
        { nullptr, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsWindowedControl(c.object), c.windowed)
            << (c.object ? c.object->metaObject()->className() : "null");
}

TEST(WindowHandles, ChildWindowIsCreatedOnlyInsideACreatedParent)
{
    TForm form;
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);

    EXPECT_FALSE(HandleAllocated(form));
    EXPECT_FALSE(HandleNeeded(*panel));
    EXPECT_FALSE(HandleAllocated(*panel));

    EXPECT_TRUE(HandleNeeded(form));
    EXPECT_FALSE(HandleNeeded(*edit)) << "its panel has no window yet";
    EXPECT_TRUE(HandleNeeded(*panel));
    EXPECT_TRUE(HandleNeeded(*edit));
    EXPECT_FALSE(edit->testAttribute(Qt::WA_NativeWindow)) << "drawn by its form, as before";
}

TEST(WindowHandles, FrameRefreshNeitherMovesNorResizes)
{
    TForm form;
    form.setGeometry(50, 60, 300, 200);
    form.show();
    const QRect before = form.geometry();
    RefreshWindowFrame(form);
    EXPECT_EQ(form.geometry(), before);
}
