#include "grid/control/ExtStringGrid.h"

std::vector<int> TExtStringGrid::ParentNodes(int ADisplRow) const
{
    const int first = GetParentRow(ADisplRow);
    if (first < 0) return {};
    std::vector<int> nodes{first};
    for (int row = first; GetNodeLevel(row) > 1;) {
        const int parent = GetParentRow(row);
        if (parent < FixedRows() || parent == row) break;
        nodes.push_back(parent);
        row = parent;
    }
    return nodes;
}

// The nodes are opened before their spans change, so that opening shows only their own rows.
void TExtStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    const int row = DisplRowIndex(ARow);
    const std::vector<int> parents = ParentNodes(row);
    for (int node : parents) {
        ExpandNodeRows(node);
        UpdateNodeSpan(node, 1);
        UpdateSubNodeCount(node, 1);
    }
    const bool takeNodeContent = IsNode(row) && InsertAt == 0;
    const int at = takeNodeContent ? row + 1 : row + InsertAt;
    InsertRows(at, 1);
    if (takeNodeContent)
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCells(c, at, GridCells(c, row));
            SetGridCells(c, row, "");
            if (c == 0) continue;
            SetGridObjects(c, at, GridObjects(c, row));
            SetGridObjects(c, row, nullptr);
        }
    if (!parents.empty()) GetCellProperties(0, at)->NodeLevel = GetNodeLevel(parents.front());
}

void TExtStringGrid::RemoveChildRow(int ARow)
{
    const int row = DisplRowIndex(ARow);
    for (int node : ParentNodes(row)) {
        ExpandNodeRows(node);
        if (GetNodeSpan(node) <= 1) continue;
        UpdateNodeSpan(node, -1);
        UpdateSubNodeCount(node, -1);
    }
    // A removed node no longer counts.
    if (IsNode(row)) --FNumNodes;
    // Removing the row lowers the largest row count already.
    RemoveRowsInternal(row, 1);
}
