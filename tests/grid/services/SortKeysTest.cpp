#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "grid/control/settings/SortSettings.h"
#include "grid/services/SortKeys.h"
#include "grid/services/StableOrder.h"

namespace {

class SortKeysTest : public testing::Test {
protected:
    TSortSettings settings;
};

TEST_F(SortKeysTest, KeysCompareAsTheirKindSaysAndMixedKindsGoCellByCell)
{
    TSortColumnKeys keys(6, {ssAutomatic, "", ""});
    keys.Set(0, TSortKey::OfValue(10, true, false));
    keys.Set(1, TSortKey::OfValue(9, true, false));
    keys.Set(2, TSortKey::OfText("b"));
    keys.Set(3, TSortKey::OfText("a"));
    keys.SetCellByCell(4);
    // Two numbers that did not convert tie; against a valid one they count by their digits.
    keys.Set(5, TSortKey::OfValue(12, false, false));
    const struct {
        size_t A, B;
        int Result;
    } cases[] = {
        {0, 1, 1}, {1, 0, -1}, {2, 3, 1}, {3, 3, 0}, {0, 2, TSortColumnKeys::CompareCellByCell},
        {4, 4, TSortColumnKeys::CompareCellByCell}, {4, 0, TSortColumnKeys::CompareCellByCell},
        {5, 0, 1}, {5, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keys.Compare(c.A, c.B, settings, sdAscending), c.Result) << c.A << " against " << c.B;
    TSortColumnKeys invalid(2, {ssNumeric, "", ""});
    invalid.Set(0, TSortKey::OfValue(5, false, false));
    invalid.Set(1, TSortKey::OfValue(0, false, false));
    EXPECT_EQ(invalid.Compare(0, 1, settings, sdAscending), 0);
}

TEST_F(SortKeysTest, OnlyRowsReadHaveKeys)
{
    TSortColumnKeys keys(100000, {ssAlphabetic, "", ""});
    keys.Set(99999, TSortKey::OfText("last"));
    EXPECT_TRUE(keys.Read(99999));
    EXPECT_FALSE(keys.Read(0));
    EXPECT_FALSE(keys.Read(50000));
}

TEST_F(SortKeysTest, BlanksArePlacedByTheSettingsInTheGivenDirection)
{
    TSortColumnKeys keys(2, {ssNumeric, "", ""});
    keys.Set(0, TSortKey::OfValue(0, true, true));
    keys.Set(1, TSortKey::OfValue(-4, true, false));
    EXPECT_EQ(keys.Compare(0, 1, settings, sdAscending), 1) << "0 against -4 without the blank rule";
    settings.IgnoreBlanks = true;
    settings.BlankPos = blLast;
    EXPECT_EQ(keys.Compare(0, 1, settings, sdAscending), 1);
    EXPECT_EQ(keys.Compare(0, 1, settings, sdDescending), -1);
    settings.BlankPos = blFirst;
    EXPECT_EQ(keys.Compare(0, 1, settings, sdAscending), -1);
    EXPECT_EQ(keys.Compare(1, 0, settings, sdDescending), -1);
}

// One table serves run after run of rows: a run's rows are found by their place among its
// rows, and the keys of the run before are gone, also where the new run is longer.
TEST_F(SortKeysTest, AKeyTableRestartsOnAListOfRowsWithNoKeyRead)
{
    TSortKeyTable table(2);
    table.Restart({5, 6, 7});
    size_t index = 99;
    EXPECT_TRUE(table.IndexOf(7, index));
    EXPECT_EQ(index, 2u);
    EXPECT_FALSE(table.IndexOf(8, index));
    EXPECT_FALSE(table.IndexOf(4, index));
    TSortColumnKeys& keys = table.Make(1, {ssAlphabetic, "", ""});
    keys.Set(0, TSortKey::OfText("first run"));
    table.Restart({12, 40, 97, 130});
    const struct {
        int Row;
        bool Held;
        size_t Index;
    } rows[] = {{12, true, 0}, {40, true, 1}, {97, true, 2}, {130, true, 3}, {5, false, 0}, {41, false, 0}};
    for (const auto& row : rows) {
        size_t at = 99;
        EXPECT_EQ(table.IndexOf(row.Row, at), row.Held) << row.Row;
        if (row.Held) {
            EXPECT_EQ(at, row.Index) << row.Row;
        }
    }
    ASSERT_EQ(table.Keys(1), &keys);
    EXPECT_EQ(table.Keys(0), nullptr);
    for (size_t a = 0; a < 4; ++a)
        EXPECT_FALSE(keys.Read(a)) << a;
    keys.Set(3, TSortKey::OfText("b"));
    keys.Set(0, TSortKey::OfText("a"));
    EXPECT_EQ(keys.Compare(0, 3, settings, sdAscending), -1);
}

TEST(StableSortOrderTest, TiesKeepTheirOrderAcrossRunsAndMerges)
{
    for (const int count : {0, 1, 15, 16, 17, 100, 1000}) {
        std::vector<int> keys(static_cast<size_t>(count));
        std::mt19937 random(static_cast<unsigned>(count));
        for (int& key : keys)
            key = static_cast<int>(random() % 7);
        std::vector<int> order(keys.size());
        std::iota(order.begin(), order.end(), 0);
        StableSortOrder(order, [&](int A, int B) { return keys[static_cast<size_t>(A)] < keys[static_cast<size_t>(B)]; });
        for (size_t i = 1; i < order.size(); ++i) {
            const int a = order[i - 1], b = order[i];
            ASSERT_LE(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)]) << count;
            if (keys[static_cast<size_t>(a)] == keys[static_cast<size_t>(b)]) {
                ASSERT_LT(a, b) << count;
            }
        }
    }
}

// An application's compare event may contradict itself; the order must still hold every
// row exactly once.
TEST(StableSortOrderTest, AContradictoryCompareStillGivesAPermutation)
{
    std::vector<int> order(1000);
    std::iota(order.begin(), order.end(), 0);
    std::mt19937 random(3);
    StableSortOrder(order, [&](int, int) { return random() % 2 == 0; });
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> all(1000);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(sorted, all);
}

} // namespace
