#include <gtest/gtest.h>

#include "app/EngineMessageBoxes.h"
#include "engine/EngineMessage.h"
#include "tests/ui/BoxCapture.h"

namespace mirvane {
namespace {

TEST(EngineMessages, AreShownInAPlainBox)
{
    BoxCapture Captured;
    const EngineMessageHook Previous = SetEngineMessageHook({});
    ShowEngineMessagesInBoxes();
    ShowEngineMessage(ConvertingDateErrorText);
    SetEngineMessageHook(Previous);
    ASSERT_EQ(Captured.Boxes.size(), 1U);
    EXPECT_EQ(Captured.Boxes[0].first, TBoxKind::Message);
    EXPECT_EQ(Captured.Boxes[0].second, QStringLiteral("System Error in Converting Date"));
}

}  // namespace
}  // namespace mirvane
