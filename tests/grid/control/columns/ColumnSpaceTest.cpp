#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/control/columns/ColumnRemap.h"
#include "grid/control/columns/ColumnSpace.h"

namespace {

std::vector<std::string> Row(int Count)
{
    std::vector<std::string> row;
    for (int c = 0; c < Count; ++c)
        row.push_back(std::to_string(c));
    return row;
}

TEST(ColumnRemap, EveryChangeMapsIndexesAndRowsAlike)
{
    const struct {
        const char* what;
        TColumnRemap remap;
        std::vector<std::string> row;
    } cases[] = {
        {"move right", TColumnRemap::Moved(1, 4), {"0", "2", "3", "4", "1", "5"}},
        {"move left", TColumnRemap::Moved(4, 1), {"0", "4", "1", "2", "3", "5"}},
        {"swap", TColumnRemap::Swapped(4, 1), {"0", "4", "2", "3", "1", "5"}},
        {"insert", TColumnRemap::Inserted(2, 2), {"0", "1", "", "", "2", "3", "4", "5"}},
        {"remove", TColumnRemap::Removed(1, 2), {"0", "3", "4", "5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> row = Row(6);
        c.remap.Apply(row, std::string());
        EXPECT_EQ(row, c.row);
        // Each surviving value stands where Map sends its old column.
        for (int old = 0; old < 6; ++old) {
            const int now = c.remap.Map(old);
            if (now >= 0) {
                EXPECT_EQ(row[static_cast<size_t>(now)], std::to_string(old)) << old;
            }
        }
    }
}

TEST(ColumnRemap, ShortRowsAreFilledForAMoveAndLeftAloneBeyondTheirEnd)
{
    std::vector<std::string> row = Row(3);
    TColumnRemap::Moved(1, 4).Apply(row, std::string());
    EXPECT_EQ(row, (std::vector<std::string>{"0", "2", "", "", "1"}));
    row = Row(3);
    TColumnRemap::Swapped(4, 1).Apply(row, std::string());
    EXPECT_EQ(row, (std::vector<std::string>{"0", "", "2", "", "1"}));
    row = Row(3);
    TColumnRemap::Moved(4, 5).Apply(row, std::string());
    EXPECT_EQ(row, Row(3)) << "blank to blank";
    row = Row(3);
    TColumnRemap::Inserted(5, 1).Apply(row, std::string());
    EXPECT_EQ(row, Row(3));
    std::vector<std::string> dropped;
    row = Row(3);
    TColumnRemap::Removed(1, 5).Apply(row, std::string(), [&](const std::string& v) { dropped.push_back(v); });
    EXPECT_EQ(row, (std::vector<std::string>{"0"}));
    EXPECT_EQ(dropped, (std::vector<std::string>{"1", "2"}));
}

TEST(ColumnSpace, HiddenColumnsMapAndKeepTheirWidths)
{
    TColumnSpace space;
    space.Hide(TRealCol(2), 70);
    space.Hide(TRealCol(3), 80);
    space.Hide(TRealCol(3), 99);
    EXPECT_EQ(space.HiddenCount(), 2);
    EXPECT_EQ(space.ToReal(TDisplCol(2)), TRealCol(4));
    EXPECT_EQ(space.ToDispl(TRealCol(4)), TDisplCol(2));
    EXPECT_EQ(space.ToDispl(TRealCol(3)), TDisplCol(2)) << "the next shown column";
    EXPECT_EQ(space.ToReal(TDisplCol(600)), TRealCol(600));
    EXPECT_EQ(space.ToReal(TDisplCol(510)), TRealCol(0)) << "beyond the shown ones";
    EXPECT_FALSE(space.IsHidden(TRealCol(600)));
    space.Hide(TRealCol(600), 10);
    EXPECT_EQ(space.HiddenCount(), 2);
    EXPECT_NE(space.CheckConsistency(3), "") << "column 3 is hidden, but a grid of 3 has none";
    EXPECT_EQ(space.Show(TRealCol(3)), 80);
    EXPECT_EQ(space.HiddenCount(), 1);
    EXPECT_EQ(space.CheckConsistency(600), "");
}

TEST(ColumnSpace, HiddenFlagsWidthsAndOrderFollowAMove)
{
    TColumnSpace space;
    space.Order() = {0, 1, 2, 3, 4, 5};
    space.Hide(TRealCol(2), 70);
    space.Remapped(TColumnRemap::Moved(1, 4));
    EXPECT_TRUE(space.IsHidden(TRealCol(1))) << "the hidden column's cells moved left";
    EXPECT_FALSE(space.IsHidden(TRealCol(2)));
    EXPECT_EQ(space.KeptWidth(TRealCol(1)), 70);
    EXPECT_EQ(space.Order(), (std::vector<int>{0, 2, 3, 4, 1, 5}));
    space.Remapped(TColumnRemap::Inserted(0, 2));
    EXPECT_TRUE(space.IsHidden(TRealCol(3)));
    EXPECT_EQ(space.Order(), (std::vector<int>{0, 2, 3, 4, 1, 5})) << "only moves reorder";
    space.Remapped(TColumnRemap::Removed(3, 1));
    EXPECT_EQ(space.HiddenCount(), 0);
    space.Hide(TRealCol(511), 5);
    space.Remapped(TColumnRemap::Inserted(0, 1));
    EXPECT_EQ(space.HiddenCount(), 0) << "pushed beyond the hideable columns: shown";
    EXPECT_EQ(space.CheckConsistency(600), "");
}

} // namespace
