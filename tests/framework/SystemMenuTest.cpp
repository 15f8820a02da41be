#include "framework/app/SystemMenu.h"

#include "framework/app/Forms.h"
#include "framework/controls/Panel.h"

#include <gtest/gtest.h>

TEST(SystemMenu, WindowHasOneMenuWithTheStandardItems)
{
    TForm form;
    TSystemMenu* menu = GetSystemMenu(form);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetSystemMenu(form), menu) << "the window's own menu, not a copy";

    const TMenuItemInfo expected[] = {
        { TMenuItemType::mftString, scRestore, "&Restore" },
        { TMenuItemType::mftString, scMove, "&Move" },
        { TMenuItemType::mftString, scSize, "&Size" },
        { TMenuItemType::mftString, scMinimize, "Mi&nimize" },
        { TMenuItemType::mftString, scMaximize, "Ma&ximize" },
        { TMenuItemType::mftSeparator, 0, "" },
        { TMenuItemType::mftString, scClose, "&Close\tAlt+F4" },
    };
    ASSERT_EQ(menu->ItemCount(), static_cast<int>(std::size(expected)));
    for (int i = 0; i < menu->ItemCount(); ++i) {
        TMenuItemInfo item;
        ASSERT_TRUE(menu->GetItem(i, item));
        EXPECT_EQ(item, expected[i]) << "item " << i;
    }
}

TEST(SystemMenu, ItemsAreWrittenByPositionAndBadPositionsChangeNothing)
{
    TForm form;
    TSystemMenu* menu = GetSystemMenu(form);
    const TMenuItemInfo moved { TMenuItemType::mftString, scMove, "&Verschieben" };
    EXPECT_TRUE(menu->SetItem(1, moved));
    TMenuItemInfo item;
    ASSERT_TRUE(GetSystemMenu(form)->GetItem(1, item));
    EXPECT_EQ(item, moved);

    item = moved;
    EXPECT_FALSE(menu->GetItem(-1, item));
    EXPECT_FALSE(menu->GetItem(menu->ItemCount(), item));
    EXPECT_EQ(item, moved);
    EXPECT_FALSE(menu->SetItem(menu->ItemCount(), moved));
    EXPECT_EQ(menu->ItemCount(), 7);

    menu->AppendItem({ TMenuItemType::mftString, 0x1234, "About" });
    EXPECT_EQ(menu->ItemCount(), 8);
}

TEST(SystemMenu, OnlyWindowsHaveOne)
{
    TForm form;
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    EXPECT_EQ(GetSystemMenu(*panel), nullptr);
}
