#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/FooterPanel.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

// Five columns, one fixed row and column, eight rows; cell (c, r) reads "c,r".
class ExtGridJoinedOperationsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(5);
        grid->SetRowCount(8);
        FillCoordinates();
    }
    std::vector<std::string> Row(int ARow) const
    {
        std::vector<std::string> texts;
        for (int c = 0; c < grid->ColCount(); ++c)
            texts.push_back(grid->Cells(c, ARow));
        return texts;
    }
};

TEST_F(ExtGridJoinedOperationsTest, TheFooterPanelFollowsTheFloatingFootersVisibilityAndHeight)
{
    TFooterPanel* panel = grid->FooterPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->Visible());
    const struct {
        bool visible;
        int height, panelHeight;
    } cases[] = {{true, 22, 21}, {true, 30, 29}, {false, 30, 0}, {true, 30, 29}};
    for (const auto& c : cases) {
        grid->FloatingFooter()->SetHeight(c.height);
        grid->FloatingFooter()->SetVisible(c.visible);
        EXPECT_EQ(panel->Visible(), c.visible) << "height " << c.height;
        EXPECT_EQ(panel->Height(), c.panelHeight) << "height " << c.height;
    }
    grid->FloatingFooter()->SetShowHint(true);
    EXPECT_TRUE(panel->ShowHint());
}

TEST_F(ExtGridJoinedOperationsTest, ClearingTheSelectionDropsTheCellsColoursToo)
{
    grid->SetColors(2, 3, clRed);
    grid->SetColors(4, 5, clBlue);
    grid->SetSelection({2, 3, 3, 4});
    grid->ClearSelection();
    EXPECT_EQ(grid->Cells(2, 3), "");
    EXPECT_EQ(grid->Cells(3, 4), "");
    EXPECT_NE(grid->Colors(2, 3), clRed);
    EXPECT_EQ(grid->Cells(4, 5), "4,5");
    EXPECT_EQ(grid->Colors(4, 5), clBlue);
}

TEST_F(ExtGridJoinedOperationsTest, ClearingDisjunctlySelectedColumnsEmptiesThemWhole)
{
    grid->MouseActions()->SetDisjunctColSelect(true);
    grid->SetColSelect(1, true);
    grid->SetColSelect(3, true);
    grid->ClearSelection();
    EXPECT_EQ(Row(0), (std::vector<std::string>{"0,0", "", "2,0", "", "4,0"}));
    EXPECT_EQ(Row(7), (std::vector<std::string>{"0,7", "", "2,7", "", "4,7"}));
}

TEST_F(ExtGridJoinedOperationsTest, ColumnsGoBySelection)
{
    const struct {
        bool selected;
        std::vector<std::string> headers;
    } cases[] = {{true, {"0,0", "1,0", "4,0"}}, {false, {"0,0", "2,0", "3,0"}}};
    for (const auto& c : cases) {
        grid->SetColCount(5);
        FillCoordinates();
        grid->SetSelection({2, 1, 3, 2});
        c.selected ? grid->RemoveSelectedCols() : grid->RemoveUnSelectedCols();
        EXPECT_EQ(Row(0), c.headers) << (c.selected ? "selected" : "unselected");
    }
}

TEST_F(ExtGridJoinedOperationsTest, DisjunctlySelectedColumnsAreRemovedWithTheirFlags)
{
    grid->MouseActions()->SetDisjunctColSelect(true);
    grid->SetColSelect(1, true);
    grid->SetColSelect(3, true);
    grid->RemoveSelectedCols();
    EXPECT_EQ(Row(0), (std::vector<std::string>{"0,0", "2,0", "4,0"}));
    for (int c = 0; c < grid->ColCount(); ++c)
        EXPECT_FALSE(grid->ColSelect(c)) << "column " << c;
}

TEST_F(ExtGridJoinedOperationsTest, MergeColsJoinsTheTextsTrimmedAndRemovesTheSecondColumn)
{
    grid->SetCells(1, 1, " a");
    grid->SetCells(3, 1, "");
    grid->SetCells(1, 2, "b");
    grid->SetCells(3, 2, "c ");
    grid->MergeCols(1, 3, " - ");
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->Cells(1, 0), "1,0"); // fixed rows stay
    EXPECT_EQ(grid->Cells(1, 1), "a -");
    EXPECT_EQ(grid->Cells(1, 2), "b - c");
    EXPECT_EQ(grid->Cells(3, 2), "4,2");
}

TEST_F(ExtGridJoinedOperationsTest, ColorRectColoursTheRangeAndLeavesAReversedOneAlone)
{
    grid->ColorRect(1, 2, 2, 3, clRed);
    for (int r = 1; r <= 4; ++r)
        for (int c = 0; c <= 3; ++c)
            EXPECT_EQ(grid->Colors(c, r) == clRed, c >= 1 && c <= 2 && r >= 2 && r <= 3) << c << "," << r;
    grid->ColorRect(1, 6, 2, 5, clBlue);
    EXPECT_NE(grid->Colors(1, 5), clBlue);
    EXPECT_NE(grid->Colors(1, 6), clBlue);
}

TEST_F(ExtGridJoinedOperationsTest, RemovedRowsTakeTheirFlagsAlong)
{
    const struct {
        const char* how;
        std::function<void()> remove;
    } cases[] = {{"normal row", [&] { grid->RemoveNormalRow(3); }},
                 {"selected row", [&] {
                      grid->SetSelection({1, 3, 1, 3});
                      grid->RemoveSelectedRows();
                  }}};
    for (const auto& c : cases) {
        grid->SetRowCount(8);
        FillCoordinates();
        grid->SetRowModified(4, false);
        grid->SetRowModified(5, true);
        grid->SetRowEnabled(5, true);
        grid->SetRowEnabled(6, false);
        c.remove();
        EXPECT_EQ(grid->Cells(1, 3), "1,4") << c.how;
        EXPECT_TRUE(grid->RowModified(4)) << c.how;
        EXPECT_FALSE(grid->RowEnabled(5)) << c.how;
        EXPECT_TRUE(grid->RowEnabled(6)) << c.how;
    }
}

TEST_F(ExtGridJoinedOperationsTest, TheComboIndexLetsTheApplicationFillTheListFirst)
{
    grid->OnGetEditorProp = [&](TObject*, int ACol, int, TEditLink*) {
        grid->ClearComboString();
        for (const std::string& s : {std::string("x"), std::string("y"), std::to_string(ACol)})
            grid->AddComboString(s);
    };
    grid->SetCells(2, 1, "2");
    EXPECT_EQ(grid->ComboIndex(2, 1), 2);
    grid->SetComboIndex(3, 1, 2);
    EXPECT_EQ(grid->Cells(3, 1), "3");
}

TEST_F(ExtGridJoinedOperationsTest, ContractingAndExpandingANodeRecalculatesTheFooter)
{
    for (int r = 1; r < 7; ++r)
        grid->SetCells(1, r, "1");
    grid->FloatingFooter()->SetVisible(true);
    grid->FloatingFooter()->CalculateHiddenRows = false;
    grid->GetCellProperties(1, 7)->CalcType = acCOUNT;
    grid->AddNode(1, 3);
    const struct {
        bool contract;
        const char* count;
    } cases[] = {{true, "4"}, {false, "6"}};
    for (const auto& c : cases) {
        c.contract ? grid->ContractNode(1) : grid->ExpandNode(1);
        EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1), c.count) << (c.contract ? "contracted" : "expanded");
    }
}

} // namespace
