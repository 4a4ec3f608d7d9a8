#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "platform/ui/Messages.h"

namespace {

bool HasHorzBars(TScrollStyle Style) { return Style == ssHorizontal || Style == ssBoth; }
bool HasVertBars(TScrollStyle Style) { return Style == ssVertical || Style == ssBoth; }

} // namespace

void TExtStringGrid::InitOrigColSizes()
{
    FOrigColSizes.clear();
    for (int c = 0; c < ColCount(); ++c)
        FOrigColSizes.push_back(ColWidths(c));
    FOldSize = Width();
}

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways Value)
{
    ScrollBarAlways = Value;
    ApplyScrollBarAlways(true);
}

void TExtStringGrid::ApplyScrollBarAlways(bool Hide)
{
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    if (ScrollBarAlways != saNone) {
        if (rowsFit) ShowScrollBar(SB_VERT, ScrollBarAlways == saVert || ScrollBarAlways == saBoth);
        if (colsFit) ShowScrollBar(SB_HORZ, ScrollBarAlways == saHorz || ScrollBarAlways == saBoth);
        EnableScrollBar(SB_VERT, !rowsFit);
        EnableScrollBar(SB_HORZ, !colsFit);
        return;
    }
    if (!Hide) return;
    if (rowsFit) ShowScrollBar(SB_VERT, false);
    if (colsFit) ShowScrollBar(SB_HORZ, false);
}

// The recorded widths grow and shrink with the grid; a bordered grid counts its frame.
void TExtStringGrid::SynchColumnsWithGrid(int ClientWidth)
{
    HideInplaceEdit();
    const double width = BorderStyle() == bsSingle ? ClientWidth + 2 : ClientWidth;
    const double factor = width / FOldSize;
    const bool normalOnly = ColumnSize()->SynchNormalCellsOnly;
    const int first = normalOnly ? FixedCols() : 0;
    const int last = normalOnly ? ColCount() - FixedRightCols - 1 : ColCount() - 1;
    for (int c = first; c <= last && c < static_cast<int>(FOrigColSizes.size()); ++c)
        SetColWidths(c, static_cast<int>(std::trunc(FOrigColSizes[c] * factor)));
}

bool TExtStringGrid::StretchToWidth()
{
    const int stretchCol = ColumnSize()->StretchColumn < 0 ? ColCount() - 1 : ColumnSize()->StretchColumn;
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != stretchCol) others += ColWidths(c);
    if (others >= Width()) return false;
    Restretch();
    return true;
}

bool TExtStringGrid::GridResized(int ClientWidth)
{
    if (FOldSize > 0 && ColumnSize()->SynchWithGrid) SynchColumnsWithGrid(ClientWidth);
    if (!ColumnSize()->Stretch() || (ScrollBarAlways != saNone && ScrollBarAlways != saVert)) return true;
    const bool stretched = StretchToWidth();
    if (ScrollBarAlways != saNone) return true;
    int total = 0;
    for (int c = 0; c < ColCount(); ++c)
        total += ColWidths(c);
    if (HasHorzBars(ScrollBars())) ShowScrollBar(SB_HORZ, ClientWidth < total);
    if (HasVertBars(ScrollBars())) ShowScrollBar(SB_VERT, VisibleRowCount() < RowCount() - FixedRows());
    if (!stretched) return true;
    if (OnResize) OnResize(this);
    return false;
}
