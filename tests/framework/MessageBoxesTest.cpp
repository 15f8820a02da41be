#include "framework/app/MessageBoxes.h"

#include <gtest/gtest.h>

TEST(MessageBoxes, WarningAndErrorBoxesHaveTheirCaptionsAndIcons)
{
    TScopedMessageRecorder boxes;
    ShowWarning("Tank empty");
    ShowError("Volume entered exceed total possible volume");
    ShowMessageBox("No dictionary data was stored!", "File not found", TMsgDlgType::mtInformation);
    const std::vector<TMessage> expected = {
        { TMsgDlgType::mtWarning, "Warning", "Tank empty" },
        { TMsgDlgType::mtError, "Error", "Volume entered exceed total possible volume" },
        { TMsgDlgType::mtInformation, "File not found", "No dictionary data was stored!" },
    };
    EXPECT_EQ(boxes.Messages(), expected);
}

TEST(MessageBoxes, RecordersNestAndRestoreTheirPredecessor)
{
    TScopedMessageRecorder outer;
    {
        TScopedMessageRecorder inner;
        ShowError("inner");
        EXPECT_EQ(inner.Messages().size(), 1u);
    }
    ShowError("outer");
    ASSERT_EQ(outer.Messages().size(), 1u);
    EXPECT_EQ(outer.Messages()[0].text, "outer");
}
