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

TGridRect TExtStringGrid::TagArea(TTagScope Scope, int Index, bool DoFixed, bool PlusHidden) const
{
    const int hidden = PlusHidden ? NumHiddenColumns() : 0;
    TGridRect area = DoFixed ? TGridRect{0, 0, ColCount() - 1 + hidden, RowCount() - 1}
                             : TGridRect{FixedCols(), FixedRows(), ColCount() - 1 - FixedRightCols + hidden,
                                         RowCount() - 1 - FixedFooters};
    if (Scope == tsColumn) area.Left = area.Right = Index;
    if (Scope == tsRow) area.Top = area.Bottom = Index;
    return area;
}

void TExtStringGrid::HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText)
{
    TagTextInRange(HiText, kHighlightTag, {Col, Row, Col, Row}, DoCase);
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText)
{
    TagTextInRange(HiText, kHighlightTag, TagArea(tsColumn, Col, DoFixed, false), DoCase);
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText)
{
    TagTextInRange(HiText, kHighlightTag, TagArea(tsRow, Row, DoFixed, false), DoCase);
}

void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText)
{
    TagTextInRange(HiText, kHighlightTag, TagArea(tsGrid, -1, DoFixed, !DoFixed), DoCase);
}

void TExtStringGrid::UnHilightInCell(int Col, int Row) { UnTagTextInRange(kHighlightTag, {Col, Row, Col, Row}); }

void TExtStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    UnTagTextInRange(kHighlightTag, TagArea(tsColumn, Col, DoFixed, false));
}

void TExtStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    UnTagTextInRange(kHighlightTag, TagArea(tsRow, Row, DoFixed, true));
}

void TExtStringGrid::UnHilightInGrid(bool DoFixed) { UnTagTextInRange(kHighlightTag, TagArea(tsGrid, -1, DoFixed, true)); }

void TExtStringGrid::MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText)
{
    TagTextInRange(HiText, kMarkTag, {Col, Row, Col, Row}, DoCase);
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText)
{
    TagTextInRange(HiText, kMarkTag, TagArea(tsColumn, Col, DoFixed, false), DoCase);
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText)
{
    TagTextInRange(HiText, kMarkTag, TagArea(tsRow, Row, DoFixed, false), DoCase);
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText)
{
    TagTextInRange(HiText, kMarkTag, TagArea(tsGrid, -1, DoFixed, false), DoCase);
}

void TExtStringGrid::UnMarkInCell(int Col, int Row) { UnTagTextInRange(kMarkTag, {Col, Row, Col, Row}); }

void TExtStringGrid::UnMarkInCol(bool DoFixed, int Col) { UnTagTextInRange(kMarkTag, TagArea(tsColumn, Col, DoFixed, false)); }

void TExtStringGrid::UnMarkInRow(bool DoFixed, int Row) { UnTagTextInRange(kMarkTag, TagArea(tsRow, Row, DoFixed, true)); }

void TExtStringGrid::UnMarkInGrid(bool DoFixed) { UnTagTextInRange(kMarkTag, TagArea(tsGrid, -1, DoFixed, true)); }
