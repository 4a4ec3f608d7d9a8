#include <gtest/gtest.h>

#include <vector>

#include "grid/foundation/model/IntList.h"
#include "platform/rtl/Exceptions.h"

namespace {

// The cells that an integer list reported as changed.
struct ChangeLog {
    std::vector<std::pair<int, int>> cells;
    TImageChangeEvent Handler()
    {
        return [this](TObject*, int col, int row) { cells.emplace_back(col, row); };
    }
};

TEST(IntList, AddDeleteAndItemsTellTheirCellInsertDoesNot)
{
    TIntList list(3, 7);
    ChangeLog log;
    list.OnChange = log.Handler();
    list.Add(1);
    list.Insert(0, 9);
    list.SetItems(1, 2);
    list.Delete(0);
    EXPECT_EQ(list.StrValue(), "2");
    EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>(3, {3, 7})));
    list.DeleteValue(42);
    EXPECT_EQ(log.cells.size(), 3u);
    list.DeleteValue(2);
    EXPECT_EQ(log.cells.size(), 4u);
    EXPECT_FALSE(list.HasValue(2));
    EXPECT_THROW(list.Items(0), EListError);
    EXPECT_THROW(list.Insert(2, 1), EListError);
}

TEST(IntList, StrValueJoinsAndSplitsCommaTexts)
{
    TIntList list(0, 0);
    for (int v : {1, -2, 30})
        list.Add(v);
    EXPECT_EQ(list.StrValue(), "1,-2,30");
    ChangeLog log;
    list.OnChange = log.Handler();
    list.SetStrValue("4, 5");
    EXPECT_EQ(list.StrValue(), "4,5");
    EXPECT_EQ(log.cells.size(), 2u);
    list.SetStrValue("");
    EXPECT_EQ(list.StrValue(), "");
}

TEST(IntList, ABadItemStopsStrValueAfterTheGoodOnesBeforeIt)
{
    TIntList list(0, 0);
    list.Add(99);
    EXPECT_THROW(list.SetStrValue("1,x,3"), EConvertError);
    EXPECT_EQ(list.StrValue(), "1");
}

TEST(SortIndexList, KeepsTheDirectionInTheTopBit)
{
    TSortIndexList list;
    list.AddIndex(2, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.SaveToString(), "u2;d5");
    EXPECT_LT(list.Items(1), 0);
    EXPECT_EQ(list.FindIndex(5), 1);
    EXPECT_EQ(list.FindIndex(7), -1);
    EXPECT_EQ(list.SortColumns(1), 5);
    EXPECT_FALSE(list.SortDirections(1));
    list.ToggleIndex(5);
    EXPECT_TRUE(list.SortDirections(1));
    list.SetSortColumns(0, 4);
    list.SetSortDirections(0, false);
    EXPECT_EQ(list.SaveToString(), "d4;u5");
    list.ToggleIndex(8);
    EXPECT_EQ(list.SaveToString(), "d4;u5");
}

TEST(SortIndexList, LoadFromStringSkipsShortAndMalformedItems)
{
    TSortIndexList list;
    list.AddIndex(1, true);
    list.LoadFromString("u3;d0;x;;d12;u;ux;u-4;z7");
    EXPECT_EQ(list.SaveToString(), "u3;d0;d12;d7");
    list.LoadFromString("");
    EXPECT_EQ(list.SaveToString(), "");
}

} // namespace
