#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlTextOps.h"

// Search hits are shown by tags in the cell texts: "hi" for a highlight, "e" for a mark.

namespace {

const std::string kHighlightTag = "hi";
const std::string kMarkTag = "e";

} // namespace

std::string TExtStringGrid::HilightText(bool DoCase, const std::string& S, const std::string& Text)
{
    return HtmlFindHighlight(S, Text, kHighlightTag, DoCase);
}

std::string TExtStringGrid::UnHilightText(const std::string& S) { return HtmlRemoveTag(S, kHighlightTag); }

std::string TExtStringGrid::MarkText(bool DoCase, const std::string& S, const std::string& Text)
{
    return HtmlFindHighlight(S, Text, kMarkTag, DoCase);
}

std::string TExtStringGrid::UnMarkText(const std::string& S) { return HtmlRemoveTag(S, kMarkTag); }

TExtStringGrid::TShownCellWalk TExtStringGrid::TagArea(TTagScope Scope, int Index, bool DoFixed, bool PlusHidden) const
{
    const TDisplRow top(DoFixed ? 0 : FixedRows());
    const TDisplRow bottom(RowCount() - 1 - (DoFixed ? 0 : FixedFooters));
    if (Scope == tsColumn)
        return [Index, top, bottom](const TShownCellVisit& Visit) {
            for (TDisplRow r = top; r <= bottom; r = r + 1) Visit(TShownCell{TRealCol(Index), r});
        };
    TSelectedRect area{{TDisplCol(DoFixed ? 0 : FixedCols()), top},
                       {TDisplCol(ColCount() - 1 - (DoFixed ? 0 : FixedRightCols)), bottom}};
    if (Scope == tsRow) area.From.Row = area.To.Row = TDisplRow(Index);
    return [this, area, PlusHidden](const TShownCellVisit& Visit) { ForEachShownCell(area, PlusHidden, Visit); };
}

void TExtStringGrid::HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText)
{
    TagTextInRange(HiText, kHighlightTag, {Col, Row, Col, Row}, DoCase);
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText)
{
    TagTextInCells(HiText, kHighlightTag, TagArea(tsColumn, Col, DoFixed, false), DoCase);
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText)
{
    TagTextInCells(HiText, kHighlightTag, TagArea(tsRow, Row, DoFixed, false), DoCase);
}

void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText)
{
    TagTextInCells(HiText, kHighlightTag, TagArea(tsGrid, -1, DoFixed, !DoFixed), DoCase);
}

void TExtStringGrid::UnHilightInCell(int Col, int Row) { UnTagTextInRange(kHighlightTag, {Col, Row, Col, Row}); }

void TExtStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    UnTagTextInCells(kHighlightTag, TagArea(tsColumn, Col, DoFixed, false));
}

void TExtStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    UnTagTextInCells(kHighlightTag, TagArea(tsRow, Row, DoFixed, true));
}

void TExtStringGrid::UnHilightInGrid(bool DoFixed) { UnTagTextInCells(kHighlightTag, TagArea(tsGrid, -1, DoFixed, true)); }

void TExtStringGrid::MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText)
{
    TagTextInRange(HiText, kMarkTag, {Col, Row, Col, Row}, DoCase);
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText)
{
    TagTextInCells(HiText, kMarkTag, TagArea(tsColumn, Col, DoFixed, false), DoCase);
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText)
{
    TagTextInCells(HiText, kMarkTag, TagArea(tsRow, Row, DoFixed, false), DoCase);
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText)
{
    TagTextInCells(HiText, kMarkTag, TagArea(tsGrid, -1, DoFixed, false), DoCase);
}

void TExtStringGrid::UnMarkInCell(int Col, int Row) { UnTagTextInRange(kMarkTag, {Col, Row, Col, Row}); }

void TExtStringGrid::UnMarkInCol(bool DoFixed, int Col) { UnTagTextInCells(kMarkTag, TagArea(tsColumn, Col, DoFixed, false)); }

void TExtStringGrid::UnMarkInRow(bool DoFixed, int Row) { UnTagTextInCells(kMarkTag, TagArea(tsRow, Row, DoFixed, true)); }

void TExtStringGrid::UnMarkInGrid(bool DoFixed) { UnTagTextInCells(kMarkTag, TagArea(tsGrid, -1, DoFixed, true)); }
