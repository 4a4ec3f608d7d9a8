#include <gtest/gtest.h>

#include "grid/control/editing/CursorWalk.h"

namespace {

TEST(CursorWalkTest, OnlyAnEndTheCaretStoodOnWalksOut)
{
    const struct {
        const char* what;
        Word key;
        TShiftState shift;
        TCaretAtKeyUp caret;
        TCursorWalk walk;
    } cases[] = {
        {"Right at the end", VK_RIGHT, {}, {3, 0, 3, 3}, TCursorWalk::Forward},
        {"Left at the start", VK_LEFT, {}, {0, 0, 3, 0}, TCursorWalk::Back},
        {"Right that just reached the end", VK_RIGHT, {}, {3, 0, 3, 2}, TCursorWalk::None},
        {"Left that just reached the start", VK_LEFT, {}, {0, 0, 3, 1}, TCursorWalk::None},
        {"Right with a selection", VK_RIGHT, {}, {0, 3, 3, 0}, TCursorWalk::None},
        {"Shift+Right", VK_RIGHT, {ssShift}, {3, 0, 3, 3}, TCursorWalk::None},
        {"Ctrl+Left", VK_LEFT, {ssCtrl}, {0, 0, 3, 0}, TCursorWalk::None},
        {"Right in an empty text", VK_RIGHT, {}, {0, 0, 0, 0}, TCursorWalk::Forward},
        {"End", VK_END, {}, {3, 0, 3, 3}, TCursorWalk::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CursorWalkOf(c.key, c.shift, c.caret), c.walk);
    }
}

} // namespace
