#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NamedRowsGrid.h"
#include "grid/control/settings/CellNode.h"
#include "grid/control/settings/Grouping.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"

namespace {

using ExtGridNodesTest = NamedRowsGrid;

TEST_F(ExtGridNodesTest, ANodeCoversItsSpanAndIsTheParentOfItsRows)
{
    grid->AddNode(1, 3);
    EXPECT_TRUE(grid->HasNodes());
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    EXPECT_EQ(grid->GetNodeLevel(1), 1);
    EXPECT_FALSE(grid->GetNodeState(1));
    const struct {
        int row, level, parent, spanType;
    } cases[] = {{1, 1, 1, 0}, {2, -1, 1, 2}, {3, -1, 1, 1}, {4, -1, -1, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(grid->GetNodeLevel(c.row), c.level) << "row " << c.row;
        EXPECT_EQ(grid->GetParentRow(c.row), c.parent) << "row " << c.row;
        EXPECT_EQ(grid->GetNodeSpanType(c.row), c.spanType) << "row " << c.row;
    }
    for (int r : {1, 2, 3})
        EXPECT_EQ(grid->GetNodeIndent(r), grid->CellNode()->NodeIndent()) << "row " << r;
    EXPECT_EQ(grid->GetNodeIndent(4), 0);
}

TEST_F(ExtGridNodesTest, RowsThatAreNoNodesAnswerAsNodelessRows)
{
    EXPECT_FALSE(grid->HasNodes());
    EXPECT_EQ(grid->GetParentRow(3), -1);
    EXPECT_EQ(grid->GetNodeIndent(3), 0);
    grid->AddNode(1, 3);
    for (int r : {-1, 2, 9}) {
        EXPECT_FALSE(grid->IsNode(r));
        EXPECT_EQ(grid->GetNodeSpan(r), -1);
        EXPECT_EQ(grid->GetSubNodeCount(r), 0);
        EXPECT_FALSE(grid->GetNodeState(r));
    }
    grid->UpdateNodeSpan(2, 4);
    grid->ContractNode(2);
    grid->ExpandNode(2);
    grid->RemoveNode(2);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    EXPECT_TRUE(grid->HasNodes());
}

TEST_F(ExtGridNodesTest, ContractingHidesTheSpanAndExpandingShowsIt)
{
    grid->AddNode(1, 3);
    grid->ContractNode(1);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_EQ(ShownRows(), Rows({0, 1, 4, 5, 6, 7, 8, 9}));
    grid->ContractNode(1); // already contracted
    EXPECT_EQ(grid->RowCount(), 8);
    grid->ExpandNode(1);
    EXPECT_FALSE(grid->GetNodeState(1));
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ExtGridNodesTest, NodeStateWriterContractsAndExpands)
{
    grid->AddNode(2, 4);
    grid->SetNodeState(2, true);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 6, 7, 8, 9}));
    grid->SetNodeState(2, false);
    EXPECT_EQ(grid->RowCount(), 10);
}

TEST_F(ExtGridNodesTest, AContractedInnerNodeComesBackOpenWithItsOuterNode)
{
    grid->AddNode(1, 6); // rows 1-6
    grid->AddNode(3, 3); // rows 3-5 inside
    EXPECT_EQ(grid->GetNodeLevel(1), 1);
    EXPECT_EQ(grid->GetNodeLevel(3), 2);
    EXPECT_EQ(grid->GetParentRow(4), 3);
    EXPECT_EQ(grid->GetParentRow(6), 1);
    EXPECT_EQ(grid->GetParentRow(3), 1);
    grid->ContractNode(3);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 6, 7, 8, 9}));
    EXPECT_EQ(grid->GetParentRow(4), 1); // real row 6 is shown at display row 4
    grid->ContractNode(1);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 7, 8, 9}));
    grid->ExpandNode(1);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(grid->GetNodeState(3));
}

TEST_F(ExtGridNodesTest, ExpandingANodeLeavesRowsHiddenBelowItsSpanHidden)
{
    grid->AddNode(1, 3);
    grid->HideRow(4);
    grid->ContractNode(1);
    grid->ExpandNode(1);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 5, 6, 7, 8, 9}));
}

TEST_F(ExtGridNodesTest, ExpandOneKeepsOnlyTheExpandedNodeOpen)
{
    grid->AddNode(1, 3);
    grid->AddNode(4, 3);
    grid->AddNode(7, 3);
    grid->CellNode()->ExpandOne = true;
    grid->ContractNode(4);
    grid->ExpandNode(4);
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_FALSE(grid->GetNodeState(2)); // display row 2 shows the node of real row 4
    EXPECT_EQ(ShownRows(), Rows({0, 1, 4, 5, 6, 7}));
}

TEST_F(ExtGridNodesTest, ExpandOneLeavesTheNodesThatHoldTheExpandedNodeOpen)
{
    grid->AddNode(1, 6);
    grid->AddNode(3, 3);
    grid->ContractNode(3);
    grid->CellNode()->ExpandOne = true;
    grid->ExpandNode(3);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_FALSE(grid->GetNodeState(1));
}

TEST_F(ExtGridNodesTest, ContractAllAndExpandAll)
{
    const struct {
        std::vector<std::pair<int, int>> nodes;
        std::vector<std::string> contracted;
    } cases[] = {
        {{{1, 3}, {5, 2}}, Rows({0, 1, 4, 5, 7, 8, 9})},
        // span 0: up to the next node row, or to the end of the grid
        {{{1, 0}, {4, 0}}, Rows({0, 1, 4})},
        {{{1, 6}, {3, 3}}, Rows({0, 1, 7, 8, 9})},
    };
    for (const auto& c : cases) {
        SetUp();
        for (const auto& [row, span] : c.nodes)
            grid->AddNode(row, span);
        grid->ContractAll();
        EXPECT_EQ(ShownRows(), c.contracted);
        grid->ExpandAll();
        EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        for (const auto& [row, span] : c.nodes)
            EXPECT_FALSE(grid->GetNodeState(row));
    }
}

TEST_F(ExtGridNodesTest, RemovingNodesShowsTheirRowsAndLowersTheLevels)
{
    grid->AddNode(1, 6);
    grid->AddNode(3, 3);
    grid->ContractNode(1);
    grid->RemoveNode(1);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_FALSE(grid->IsNode(1));
    EXPECT_EQ(grid->GetNodeLevel(3), 1);
    EXPECT_EQ(grid->GetParentRow(6), -1);
    grid->RemoveAllNodes();
    EXPECT_FALSE(grid->HasNodes());
    EXPECT_EQ(grid->GetNodeIndent(4), 0);
}

TEST_F(ExtGridNodesTest, MovingRowsKeepsTheNodeWithItsRow)
{
    grid->AddNode(2, 2);
    grid->MoveRows(2, 8, 3);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 5, 6, 7, 2, 3, 4, 8, 9}));
    EXPECT_TRUE(grid->IsNode(5));
    EXPECT_FALSE(grid->IsNode(2));
    EXPECT_EQ(grid->GetNodeSpan(5), 2);
    EXPECT_EQ(grid->GetParentRow(6), 5);
    grid->ContractNode(grid->RealRowIndex(5));
    EXPECT_EQ(ShownRows(), Rows({0, 1, 5, 6, 7, 2, 4, 8, 9}));
}

TEST_F(ExtGridNodesTest, AddingTheFirstNodeMovesTheCurrentCellOffColumnZero)
{
    grid->SetFixedCols(0);
    grid->FocusCell(0, 3);
    grid->AddNode(1, 3);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(ExtGridNodesTest, GlyphHitFollowsTheNodeLookAndLevel)
{
    grid->AddNode(1, 6);
    grid->AddNode(2, 3); // level 2
    grid->MouseActions()->PreciseNodeClick = true;
    const struct {
        TNodeType type;
        int row, x;
        bool hit;
    } cases[] = {
        // left to right: Offset + (L - 1) * 12 < X < Width + L * 12
        {cnXP, 1, 4, false},    {cnXP, 1, 5, true},    {cnXP, 1, 15, true},     {cnXP, 1, 16, false},
        {cn3D, 1, 1, true},     {cn3D, 1, 17, true},   {cn3D, 1, 18, false},    {cnLeaf, 1, 19, true},
        {cnLeaf, 1, 20, false}, {cnXP, 2, 16, false},  {cnXP, 2, 17, true},     {cnXP, 2, 27, true},
        {cnXP, 2, 28, false},   {cnGlyph, 1, 1, true}, {cnGlyph, 1, 12, false},
    };
    for (const auto& c : cases) {
        grid->CellNode()->SetNodeType(c.type);
        EXPECT_EQ(grid->IsNodeGlyphHit(c.row, c.x), c.hit)
            << "type " << c.type << " row " << c.row << " x " << c.x;
    }
    grid->MouseActions()->PreciseNodeClick = false;
    EXPECT_TRUE(grid->IsNodeGlyphHit(1, 400));
}

TEST_F(ExtGridNodesTest, TheGlyphShowsAPlusWhileContractedAndStandsInItsLevelsIndent)
{
    grid->AddNode(1, 6);
    grid->AddNode(2, 3); // level 2
    const struct {
        int row;
        bool contracted;
        int boxLeft; // the flat box is 9 pixels wide, 4 pixels into its level's indent
    } cases[] = {{1, false, 4}, {1, true, 4}, {2, true, 16}, {2, false, 16}};
    for (const auto& c : cases) {
        TBitmap bitmap(60, 21);
        bitmap.Canvas()->Brush()->SetColor(clYellow);
        bitmap.Canvas()->FillRect({0, 0, 60, 21});
        grid->DrawNodeGlyph(bitmap.Canvas(), {0, 0, 60, 21}, c.row, c.contracted);
        const int midX = c.boxLeft + 4;
        EXPECT_EQ(bitmap.Canvas()->Pixels(c.boxLeft, 10), clBlack) << c.row;           // the box
        EXPECT_EQ(bitmap.Canvas()->Pixels(c.boxLeft - 1, 10), clYellow) << c.row;      // left of it
        EXPECT_EQ(bitmap.Canvas()->Pixels(c.boxLeft + 2, 10), clBlack) << c.row;       // the minus
        EXPECT_EQ(bitmap.Canvas()->Pixels(midX, 8) == clBlack, c.contracted) << c.row; // the plus
    }
}

TEST_F(ExtGridNodesTest, SummaryRowsAreMarkedInColumnZero)
{
    grid->MarkSummaryRow(4);
    EXPECT_TRUE(grid->IsSummary(4));
    EXPECT_FALSE(grid->IsNode(4));
    EXPECT_FALSE(grid->IsSummary(3));
    EXPECT_FALSE(grid->IsSummary(-1));
}

TEST_F(ExtGridNodesTest, ACheckBoxColumnSkipsSummaryRowsAndGivesNodesATriStateBox)
{
    grid->AddNode(1, 3);
    grid->MarkSummaryRow(4);
    grid->AddCheckBoxColumn(2, true, false);
    EXPECT_EQ(grid->GetCellType(2, 1), ctTriStateCheckBox);
    TCheckBoxState state = cbChecked;
    EXPECT_TRUE(grid->GetCheckBoxState(2, 1, state));
    EXPECT_EQ(state, cbUnchecked);
    EXPECT_FALSE(grid->HasCheckBox(2, 4));
    EXPECT_TRUE(grid->IsChecked(2, 2));
    EXPECT_TRUE(grid->IsChecked(2, 5));
}

TEST_F(ExtGridNodesTest, InsertingAChildRowOnTheNodeRowMovesItsTextsDown)
{
    grid->SetCells(2, 1, "second");
    grid->AddNode(1, 3);
    grid->InsertChildRow(1, 0);
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_TRUE(grid->IsNode(1));
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(grid->Cells(2, 1), "");
    EXPECT_EQ(grid->Cells(1, 2), "r1");
    EXPECT_EQ(grid->Cells(2, 2), "second");
    EXPECT_EQ(grid->GetNodeSpan(1), 4);
    EXPECT_EQ(grid->GetSubNodeCount(1), 1);
    EXPECT_EQ(grid->GetParentRow(4), 1);
    EXPECT_EQ(grid->GetParentRow(5), -1);
}

TEST_F(ExtGridNodesTest, ChildRowsGrowAndShrinkEveryEnclosingNode)
{
    grid->AddNode(1, 6);
    grid->AddNode(3, 3);
    grid->InsertChildRow(4, 1); // below row 4, inside the inner node
    EXPECT_EQ(ShownRows(),
              (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4", "", "r5", "r6", "r7", "r8", "r9"}));
    EXPECT_EQ(grid->GetNodeSpan(3), 4);
    EXPECT_EQ(grid->GetNodeSpan(1), 7);
    EXPECT_EQ(grid->GetParentRow(5), 3);
    EXPECT_EQ(grid->GetParentRow(7), 1);
    grid->ContractNode(1);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 7, 8, 9}));
    grid->ExpandNode(1);
    grid->RemoveChildRow(5);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(grid->GetNodeSpan(3), 3);
    EXPECT_EQ(grid->GetNodeSpan(1), 6);
}

TEST_F(ExtGridNodesTest, NormalRowsKeepTheHiddenRowsInPlace)
{
    grid->HideRow(6);
    grid->InsertNormalRow(3);
    grid->SetCells(1, 3, "new");
    grid->RemoveNormalRow(8); // real row 8 is r7
    grid->UnHideRowsAll();
    EXPECT_EQ(ShownRows(),
              (std::vector<std::string>{"r0", "r1", "r2", "new", "r3", "r4", "r5", "r6", "r8", "r9"}));
}

TEST_F(ExtGridNodesTest, AGroupCheckBoxChecksItsRowsAndShowsWhetherTheyAgree)
{
    grid->Grouping()->AutoCheckGroup = true;
    grid->AddNode(1, 4);
    grid->AddCheckBoxColumn(2, false, false);
    const auto nodeState = [this] {
        TCheckBoxState state = cbUnchecked;
        grid->GetCheckBoxState(2, 1, state);
        return state;
    };
    const auto rowsChecked = [this] {
        return std::vector<bool>{grid->IsChecked(2, 2), grid->IsChecked(2, 3), grid->IsChecked(2, 4)};
    };
    EXPECT_TRUE(grid->ToggleCheckBox(2, 1));
    EXPECT_EQ(nodeState(), cbChecked);
    EXPECT_EQ(rowsChecked(), (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(grid->IsChecked(2, 5));

    grid->ToggleCheckBox(2, 3);
    EXPECT_EQ(nodeState(), cbGrayed);
    grid->ToggleCheckBox(2, 3);
    EXPECT_EQ(nodeState(), cbChecked);

    grid->ToggleCheckBox(2, 1); // checked turns unchecked, never grayed
    EXPECT_EQ(nodeState(), cbUnchecked);
    EXPECT_EQ(rowsChecked(), (std::vector<bool>{false, false, false}));

    grid->ContractNode(1);
    grid->ToggleCheckBox(2, 1);
    grid->ExpandNode(1);
    EXPECT_EQ(rowsChecked(), (std::vector<bool>{true, true, true}));
}

// With AutoSelectGroup a click on an open node's row selects the node with its rows; with
// disjunct rows they join the clicked row in the row selection.
TEST_F(ExtGridNodesTest, AClickOnAnOpenNodeSelectsItsGroup)
{
    grid->SetBounds(0, 0, 400, 300);
    grid->AddNode(2, 3);
    grid->Grouping()->AutoSelectGroup = true;
    const auto click = [this](int ACol, int ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        SendClick(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    click(1, 2);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, grid->ColCount() - 1, 4}));
    click(1, 5);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 5, 1, 5})) << "no node row";

    grid->MouseActions()->SetDisjunctRowSelect(true);
    click(1, 2);
    for (int r = 1; r < grid->RowCount(); ++r)
        EXPECT_EQ(grid->RowSelect(r), r >= 2 && r <= 4) << "row " << r;

    grid->ClearRowSelect();
    grid->ContractNode(2);
    click(1, 2);
    EXPECT_FALSE(grid->RowSelect(3)) << "a closed node selects nothing more";
}

TEST_F(ExtGridNodesTest, LeftAndRightCloseAndOpenANodeFromItsMergedCell)
{
    grid->AddNode(2, 3);
    grid->MergeCells(1, 2, 3, 1);
    grid->SetFocus();
    grid->FocusCell(1, 2);
    SendKey(VK_LEFT);
    EXPECT_TRUE(grid->GetNodeState(2));
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 5, 6, 7, 8, 9}));
    grid->FocusCell(1, 2);
    SendKey(VK_RIGHT);
    EXPECT_FALSE(grid->GetNodeState(2));
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // Outside the merged cell the keys only move.
    grid->FocusCell(4, 2);
    SendKey(VK_LEFT);
    EXPECT_FALSE(grid->GetNodeState(2));
}

TEST_F(ExtGridNodesTest, InsertAndDeleteInsideANodeKeepItsSpan)
{
    grid->AddNode(2, 3);
    grid->Navigation()->AllowInsertRow = true;
    grid->Navigation()->AllowDeleteRow = true;
    grid->Navigation()->InsertPosition = pInsertBefore;
    grid->SetFocus();
    grid->FocusCell(1, 3);
    SendKey(VK_INSERT);
    EXPECT_EQ(grid->GetNodeSpan(2), 4) << "the new row is a child of the node";
    SendKey(VK_DELETE);
    EXPECT_EQ(grid->GetNodeSpan(2), 3);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    grid->ContractNode(2);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 5, 6, 7, 8, 9}));
}

} // namespace
