#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/foundation/markup/LineBreakText.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/RichTextFormat.h"

void TExtStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

std::string TExtStringGrid::SelectedText()
{
    TSelectedRect sel = SelectedRect();
    if (Options().Contains(goRowSelect) && DragDropSettings()->OleEntireRows) {
        sel.From.Col = TDisplCol(0);
        sel.To.Col = TDisplCol(ColCount() - 1);
    }
    std::vector<TDisplRow> rows;
    if (MouseActions()->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(RowFlagIndex(r))) rows.emplace_back(r);
    } else {
        for (TDisplRow r = sel.From.Row; r <= sel.To.Row; r = r + 1) rows.push_back(r);
    }
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += "\r\n";
        bool first = true;
        ForEachShownCell({{sel.From.Col, rows[i]}, {sel.To.Col, rows[i]}}, false, [&](TShownCell Cell) {
            if (!first) text += '\t';
            first = false;
            text += SelectedCellText(Cell);
        });
    }
    return text;
}

// A spreadsheet takes a multi-line cell as one field only quoted, with its line breaks as
// character 11.
std::string TExtStringGrid::SelectedCellText(TShownCell Cell) const
{
    std::string text = CellAt(Cell);
    if (text.find("{\\") != std::string::npos) text = RtfPlainText(text);
    if (ExcelClipboardFormat && text.find_first_of("\r\n") != std::string::npos) text = QuoteMultilineCsv(text);
    return text;
}

bool TExtStringGrid::IsSelected(int ACol, int ARow) const
{
    if (ARow < FixedRows() || ACol < FixedCols()) return false;
    if (MouseActions()->DisjunctRowSelect()) return RowSelect(ARow);
    if (MouseActions()->DisjunctColSelect()) return ColSelect(ACol);
    return SelectedCells(ACol, ARow);
}
