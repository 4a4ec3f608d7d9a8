#include <gtest/gtest.h>

#include "platform/grids/GridCellStore.h"
#include "platform/ui/Component.h"

namespace {

// The whole-row moves the grid's hidden rows and filters stand on: what a row held goes
// with it, the row left behind is empty, and rows never written take no part.
TEST(GridCellStoreRows, TakePutMoveAndClearCarryTextsAndObjects)
{
    TGridCellStore store;
    TObject marker;
    store.SetText(0, 2, "a");
    store.SetText(3, 2, "d");
    store.SetObject(1, 2, &marker);

    const TGridStrings taken = store.TakeRow(2, 5);
    ASSERT_EQ(taken.Count(), 5);
    EXPECT_EQ(taken.Strings, (std::vector<std::string>{"a", "", "", "d", ""}));
    EXPECT_EQ(taken.Objects[1], &marker);
    EXPECT_EQ(store.Text(0, 2), "");
    EXPECT_EQ(store.Object(1, 2), nullptr);
    EXPECT_EQ(store.TakeRow(40, 2).Strings, (std::vector<std::string>{"", ""}));

    store.SetText(4, 7, "kept past the put cells");
    store.SetText(0, 7, "overwritten");
    store.PutRow(7, taken);
    EXPECT_EQ(store.Text(0, 7), "a");
    EXPECT_EQ(store.Text(3, 7), "d");
    EXPECT_EQ(store.Object(1, 7), &marker);
    EXPECT_EQ(store.Text(4, 7), "");

    store.MoveRowTo(7, 9);
    EXPECT_EQ(store.Text(0, 9), "a");
    EXPECT_EQ(store.Object(1, 9), &marker);
    EXPECT_EQ(store.Text(0, 7), "");
    store.MoveRowTo(30, 9); // a row never written empties the target
    EXPECT_EQ(store.Text(0, 9), "");

    store.SetText(2, 4, "x");
    store.ClearRow(4);
    store.ClearRow(100);
    EXPECT_EQ(store.Text(2, 4), "");
}

} // namespace
