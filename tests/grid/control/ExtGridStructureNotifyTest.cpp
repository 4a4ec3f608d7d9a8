#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "GridOnForm.h"

namespace {

// Six columns, eight rows; one column hidden for the clearing cases.
class ExtGridStructureNotifyTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->OnCellsChanged = [this](TObject*, const TRect& R) { announced.push_back(R); };
    }
    std::vector<TRect> announced;
};

// Bulk changes of rows, columns and cleared cells tell the watchers which cells changed.
TEST_F(ExtGridStructureNotifyTest, StructureChangesAnnounceTheirRectangle)
{
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> change;
        TRect expected;
    } cases[] = {
        {"rows removed", [](TExtStringGrid& g) { g.RemoveRows(2, 3); }, TRect{0, 2, 5, 5}},
        {"rows inserted", [](TExtStringGrid& g) { g.InsertRows(3, 2); }, TRect{0, 3, 5, 5}},
        {"columns removed", [](TExtStringGrid& g) { g.RemoveCols(1, 2); }, TRect{1, 0, 3, 7}},
        {"cells cleared, hidden column saved",
         [](TExtStringGrid& g) {
             g.SaveHiddenCells = true;
             g.HideColumn(1);
             g.ClearRect(1, 2, 2, 4);
         },
         TRect{2, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        c.change(*grid);
        ASSERT_FALSE(announced.empty()) << c.what;
        EXPECT_EQ(announced.back(), c.expected) << c.what;
    }
}

} // namespace
