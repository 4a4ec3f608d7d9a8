#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../control/GridShapes.h"
#include "grid/control/SearchPanel.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/control/FindParameters.h"
#include "platform/ui/Input.h"

namespace {

// A find that includes hidden rows and lands in a collapsed node opens the node and makes
// the found cell current, whether asked by the program or typed into the search bar.
class FindInNodesTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 500, 300);
        FillInShape(*grid, TGridShape::ContractedNode); // node on row 2 holds rows 3 and 4
    }
};

TEST_F(FindInNodesTest, AHitInACollapsedNodeOpensItAndBecomesCurrent)
{
    const struct {
        const char* how;
        std::function<void(TExtStringGrid&)> find;
    } cases[] = {
        {"Find", [](TExtStringGrid& g) { g.FindFirst("3,4", TFindParameters{fnAutoGoto, fnIncludeHiddenRows}); }},
        {"typed into the search bar",
         [](TExtStringGrid& g) {
             g.SearchFooter()->SearchHiddenRows = true;
             g.SearchFooter()->SetVisible(true);
             g.SearchPanel()->EditControl()->SetFocus();
             SendText("3,4");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        grid->SetParent(nullptr);
        SetUp();
        c.find(*grid);
        EXPECT_FALSE(grid->GetNodeState(2)) << "the node is open";
        EXPECT_EQ(grid->RowCount(), ShapedGridRows);
        EXPECT_EQ(grid->Cells(grid->RealColIndex(grid->Col()), grid->Row()), "3,4");
    }
}

} // namespace
