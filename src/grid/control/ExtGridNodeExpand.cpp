#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/CellNode.h"
#include "grid/foundation/model/MouseActions.h"

// Expanding and contracting hide and show the rows of a node's span. A contracted node
// keeps its rows in the hidden row store under their real indexes, so a contracted inner
// node's rows simply become part of the outer node's hidden block: expanding the outer
// node brings every row back, the inner node open.

void TExtStringGrid::ExpandNode(int ARow)
{
    if (CellNode()->ExpandOne) ContractOtherNodes(ARow);
    ExpandNodeRows(DisplRowIndex(ARow));
}

// The nodes that hold the row stay open: contracting them would hide the row itself.
void TExtStringGrid::ContractOtherNodes(int Keep)
{
    for (int r = FixedRows(); r < RowCount(); ++r) {
        if (!IsNode(r) || GetNodeState(r)) continue;
        const int real = RealRowIndex(r);
        if (real <= Keep && Keep <= NodeLastRealRow(r)) continue;
        ContractNode(real);
    }
}

void TExtStringGrid::ExpandNodeRows(int ADisplRow)
{
    TCellGraphic* graphic = NodeGraphic(ADisplRow);
    if (!graphic || !graphic->CellBoolean) return;
    graphic->CellBoolean = false;
    // Only the node's own rows come back, never rows hidden below its span for other reasons.
    const int nextShown = ADisplRow + 1 < RowCount() ? RealRowIndex(ADisplRow + 1) : TotalRowCount();
    const int last = std::min(nextShown - 1, NodeLastRealRow(ADisplRow));
    const int first = RealRowIndex(ADisplRow) + 1;
    if (first <= last) ShowNodeRows(first, last);
}

void TExtStringGrid::ShowNodeRows(int AFromRealRow, int AToRealRow)
{
    const int oldRow = Row();
    const int oldTop = TopRow();
    const bool disjunct = MouseActions()->DisjunctRowSelect();
    const bool rowSelect = Options().Contains(goRowSelect);
    MouseActions()->SetDisjunctRowSelectDirect(false);
    if (rowSelect) SetOptions(Options() - goRowSelect);
    BeginUpdate();
    // Rows of the span that a filter or HideRows took out stay out.
    RestoreItemsWhere([&](const TGridItem& Item) {
        return Item.Reason == THideReason::Node && Item.Row >= TRealRow(AFromRealRow) &&
               Item.Row <= TRealRow(AToRealRow);
    });
    EndUpdate();
    if (rowSelect) {
        SetOptions(Options() + goRowSelect);
        if (oldRow < RowCount()) SetRow(oldRow);
        if (oldTop < RowCount()) SetTopRow(oldTop);
    }
    MouseActions()->SetDisjunctRowSelectDirect(disjunct);
    CalcFooter(-1);
}

void TExtStringGrid::ContractNode(int ARow)
{
    const TRowsChange change(*this);
    const int row = DisplRowIndex(ARow);
    TCellGraphic* graphic = NodeGraphic(row);
    if (!graphic || graphic->CellBoolean) return;
    FForceSel = true;
    graphic->CellBoolean = true;
    const int last = NodeLastRealRow(row);
    // A contracted inner node joins the block open, so that it shows open when the outer
    // node is expanded again.
    for (int r = row + 1; r < RowCount() && RealRowIndex(r) <= last; ++r)
        if (TCellGraphic* inner = NodeGraphic(r)) inner->CellBoolean = false;
    if (ARow < last) HideRealRows(TRealRow(ARow + 1), TRealRow(last), false, THideReason::Node);
    FForceSel = false;
    CalcFooter(-1);
}

// The nearest contracted node above the row whose span reaches it; an inner node shows
// open when its outer node comes back, so one node is enough.
void TExtStringGrid::ExpandNodeHoldingRow(int ARealRow)
{
    for (int r = DisplRowIndex(ARealRow) - 1; r >= FixedRows(); --r) {
        if (!IsNode(r) || !GetNodeState(r) || NodeLastRealRow(r) < ARealRow) continue;
        ExpandNode(RealRowIndex(r));
        return;
    }
}

void TExtStringGrid::ExpandAll()
{
    const TRowsChange change(*this);
    BeginUpdate();
    // Children come back below their node and are visited in turn.
    for (int r = FixedRows(); r < RowCount(); ++r)
        ExpandNodeRows(r);
    EndUpdate();
    CalcFooter(-1);
}

void TExtStringGrid::ContractAll()
{
    const TRowsChange change(*this);
    BeginUpdate();
    ExpandAll();
    std::vector<std::pair<int, int>> blocks;
    for (int r = FixedRows(); r < RowCount();) {
        if (!IsNode(r)) {
            ++r;
            continue;
        }
        NodeGraphic(r)->CellBoolean = true;
        const int end = NodeSpanEnd(TDisplRow(r)).Index();
        if (r + 1 < end) blocks.emplace_back(RealRowIndex(r + 1), RealRowIndex(end - 1));
        r = std::max(end, r + 1);
    }
    // Real indexes stay put while rows are hidden, so the blocks may go in any order.
    for (const auto& [from, to] : blocks)
        HideRealRows(TRealRow(from), TRealRow(to), false, THideReason::Node);
    EndUpdate();
    CalcFooter(-1);
}
