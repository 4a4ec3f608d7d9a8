#include <gtest/gtest.h>

#include <vector>

#include "grid/control/columns/ColumnSpace.h"

namespace {

std::vector<int> HiddenColumnsAfterCut(const TColumnSpace& Space)
{
    std::vector<int> hidden;
    for (int c = 0; c <= TColumnSpace::MaxHideable; ++c)
        if (Space.IsHidden(TRealCol(c))) hidden.push_back(c);
    return hidden;
}

TEST(ColumnSpaceCutTest, ACutTakesTheHiddenColumnsPastTheFirstColumnCut)
{
    // Columns 1 and 4 are hidden: display columns 0..3 show the real columns 0, 2, 3, 5.
    // Column 5 is selected.
    const struct {
        const char* what;
        int end;
        std::vector<int> hiddenAfter;
        int realColumnsAfter;
        bool selectedAfter;
    } cases[] = {
        {"right of the last hidden column", 3, {1, 4}, 5, false},
        {"between the hidden columns", 2, {1}, 3, false},
        {"right of the first column", 1, {1}, 2, false},
        {"beyond the hideable columns", 600, {1, 4}, 602, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TColumnSpace space;
        space.Hide(TRealCol(1), 30);
        space.Hide(TRealCol(4), 40);
        space.Selected() = {false, false, false, false, false, true};
        space.CutFrom(TDisplCol(c.end));
        EXPECT_EQ(HiddenColumnsAfterCut(space), c.hiddenAfter);
        EXPECT_EQ(space.HiddenCount(), static_cast<int>(c.hiddenAfter.size()));
        EXPECT_EQ(space.KeptWidth(TRealCol(1)), 30);
        EXPECT_EQ(space.KeptWidth(TRealCol(4)), c.end >= 3 ? 40 : 0) << "a cut column keeps no width";
        EXPECT_EQ(space.Selected().size() > 5 && space.Selected()[5], c.selectedAfter);
        EXPECT_EQ(space.CheckConsistency(c.realColumnsAfter), "");
    }
}

TEST(ColumnSpaceCutTest, AnotherSpacesHiddenColumnsAreTakenOverWithTheirWidths)
{
    TColumnSpace source;
    source.Hide(TRealCol(2), 25);
    TColumnSpace space;
    space.Hide(TRealCol(1), 30);
    space.HideAs(source);
    EXPECT_EQ(HiddenColumnsAfterCut(space), std::vector<int>{2});
    EXPECT_EQ(space.HiddenCount(), 1);
    EXPECT_EQ(space.KeptWidth(TRealCol(2)), 25);
    EXPECT_EQ(space.ToReal(TDisplCol(2)), TRealCol(3));
}

} // namespace
