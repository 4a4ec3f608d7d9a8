#include <algorithm>

#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/CellNode.h"
#include "grid/foundation/model/MouseActions.h"

TCellGraphic* TExtStringGrid::NodeGraphic(int ADisplRow) const
{
    return ADisplRow >= 0 ? GraphicOfType(0, ADisplRow, ctNode) : nullptr;
}

bool TExtStringGrid::IsNode(int ARow) const { return NodeGraphic(ARow) != nullptr; }

bool TExtStringGrid::IsSummary(int ARow) const { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

void TExtStringGrid::MarkSummaryRow(int ARow)
{
    if (TCellGraphic* graphic = CreateCellGraphic(0, DisplRowIndex(ARow))) graphic->CellType = ctSummary;
}

int TExtStringGrid::NextNodeRow(int ADisplRow) const
{
    for (int r = ADisplRow + 1; r < RowCount(); ++r)
        if (IsNode(r)) return r;
    return -1;
}

// A node's rows end above the fixed footers, where the footers would otherwise be taken
// for the last node's children and a data row contracted into the footer's place: a span of
// 0 or less reaches the next node row or the first footer, and no span reaches further.
int TExtStringGrid::NodeRowsEnd() const { return std::max(RowCount() - FixedFooters, 0); }

// A hidden row maps to the next shown one, so the row after the span's last stored row is
// where its shown rows end.
TDisplRow TExtStringGrid::NodeSpanEnd(TDisplRow Header) const
{
    return RealToDisplRow(TRealRow(NodeLastRealRow(Header.Index()) + 1));
}

// Spans count every row, hidden ones too, so the end is found among the real rows.
int TExtStringGrid::NodeLastRealRow(int ADisplRow) const
{
    const int end = NodeRowsEnd() < RowCount() ? RealRowIndex(NodeRowsEnd()) : TotalRowCount();
    const int span = GetNodeSpan(ADisplRow);
    if (span > 0) return std::min(RealRowIndex(ADisplRow) + span, end) - 1;
    const int next = NextNodeRow(ADisplRow);
    return (next < 0 ? end : RealRowIndex(next)) - 1;
}

void TExtStringGrid::ChangeNodeLevels(int ADisplRow, int Delta)
{
    const int end = NodeSpanEnd(TDisplRow(ADisplRow)).Index();
    for (int r = ADisplRow; r < end; ++r) {
        TCellProperties* props = GetCellProperties(0, r);
        if (props) props->NodeLevel = std::max(0, props->NodeLevel + Delta);
    }
}

void TExtStringGrid::AddNode(int ARow, int Span)
{
    const int row = DisplRowIndex(ARow);
    TCellGraphic* graphic = CreateCellGraphic(0, row);
    if (!graphic) return;
    graphic->CellType = ctNode;
    graphic->CellBoolean = false;
    graphic->CellIndex = Span;
    graphic->CellErrFrom = 0;
    graphic->CellAngle = row;
    graphic->CellHAlign = haBeforeText;
    graphic->CellVAlign = vaCenter;
    graphic->CellVar = -1;
    ChangeNodeLevels(row, 1);
    if (FNumNodes == 0) RepaintCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExtStringGrid::RemoveNode(int ARow)
{
    const int row = DisplRowIndex(ARow);
    if (!IsNode(row)) return;
    ExpandNodeRows(row);
    ChangeNodeLevels(row, -1);
    RemoveCellGraphic(0, row);
    --FNumNodes;
}

void TExtStringGrid::RemoveAllNodes()
{
    for (int r = 0; r < RowCount(); ++r)
        if (IsNode(r)) RemoveNode(RealRowIndex(r));
    Invalidate();
}

bool TExtStringGrid::GetNodeState(int ARow) const
{
    const TCellGraphic* graphic = NodeGraphic(ARow);
    return graphic && graphic->CellBoolean;
}

void TExtStringGrid::SetNodeState(int ARow, bool Value)
{
    if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int TExtStringGrid::GetNodeLevel(int ARow) const
{
    return IsNode(ARow) ? FindCellProperties(0, ARow)->NodeLevel : -1;
}

int TExtStringGrid::GetNodeSpan(int ARow) const
{
    const TCellGraphic* graphic = NodeGraphic(ARow);
    return graphic ? graphic->CellIndex : -1;
}

void TExtStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* graphic = NodeGraphic(ARow)) graphic->CellIndex = Span;
}

void TExtStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* graphic = NodeGraphic(ARow)) graphic->CellIndex += Delta;
}

int TExtStringGrid::GetSubNodeCount(int ARow) const
{
    const TCellGraphic* graphic = NodeGraphic(ARow);
    return graphic ? graphic->CellErrFrom : 0;
}

void TExtStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* graphic = NodeGraphic(ARow)) graphic->CellErrFrom += Delta;
}

int TExtStringGrid::GetNodeSpanType(int ARow) const
{
    if (IsNode(ARow)) return 0;
    if (ARow < 0 || ARow >= RowCount() - FixedFooters - 1) return 1;
    const TCellProperties* next = FindCellProperties(0, ARow + 1);
    const TCellProperties* own = FindCellProperties(0, ARow);
    return next && next->NodeLevel >= (own ? own->NodeLevel : 0) ? 2 : 1;
}

int TExtStringGrid::GetParentRow(int ARow) const
{
    if (!HasNodes() || ARow < 0 || ARow >= RowCount()) return -1;
    const bool isNode = IsNode(ARow);
    const int level = isNode ? GetNodeLevel(ARow) : 65535;
    const int fallback = isNode ? ARow : -1;
    for (int r = ARow; r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= level) continue;
        if (ARow < NodeSpanEnd(TDisplRow(r)).Index()) return r;
    }
    return fallback;
}

int TExtStringGrid::GetNodeIndent(int ARow) const
{
    if (!HasNodes() || ARow < 0) return 0;
    const TCellProperties* props = FindCellProperties(0, ARow);
    return props ? props->NodeLevel * CellNode()->NodeIndent() : 0;
}

namespace {

struct TGlyphReach {
    int Width;
    int Offset;
};

TGlyphReach NodeGlyphReach(const TCellNode& Node)
{
    switch (Node.NodeType()) {
    case cn3D:
        return {6, 0};
    case cnGlyph: {
        const TBitmap* glyph = Node.ExpandGlyph();
        const bool empty = !glyph || glyph->Empty();
        return {empty ? 0 : glyph->Width() / 2, empty ? 0 : 2};
    }
    case cnLeaf:
        return {8, 2};
    default:
        return {4, 4};
    }
}

} // namespace

bool TExtStringGrid::IsNodeGlyphHit(int ARow, int X) const
{
    if (!MouseActions()->PreciseNodeClick) return true;
    const int level = GetNodeLevel(ARow);
    const int indent = CellNode()->NodeIndent();
    const TGlyphReach reach = NodeGlyphReach(*CellNode());
    if (BiDiMode() != bdRightToLeft)
        return reach.Offset + (level - 1) * indent < X && X < reach.Width + level * indent;
    const int scrollBar = VisibleRowCount() < RowCount() - FixedRows() ? ScrollWidth() : 0;
    return Width() - level * indent - reach.Width - 2 <= X + scrollBar &&
           X + scrollBar < Width() - (level - 1) * indent;
}
