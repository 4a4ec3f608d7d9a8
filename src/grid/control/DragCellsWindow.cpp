#include "grid/control/DragCellsWindow.h"

#include <numeric>

#include "grid/control/ExtStringGrid.h"

TDragCellsWindow::TDragCellsWindow(TExtStringGrid* AGrid, const TGridRect& Cells)
    : TFloatingWindow(AGrid, fwHint), FGrid(AGrid)
{
    SetColor(AGrid->Color());
    for (int c = Cells.Left; c <= Cells.Right; ++c)
        FWidths.push_back(AGrid->ColWidths(c));
    for (int r = Cells.Top; r <= Cells.Bottom; ++r) {
        FHeights.push_back(AGrid->RowHeights(r));
        std::vector<std::string>& row = FTexts.emplace_back();
        for (int c = Cells.Left; c <= Cells.Right; ++c)
            row.push_back(AGrid->Cells(AGrid->RealColIndex(c), r));
    }
    // Sized here, without reaching an override of a class built on this one.
    TFloatingWindow::SetBounds(0, 0, std::accumulate(FWidths.begin(), FWidths.end(), 0),
              std::accumulate(FHeights.begin(), FHeights.end(), 0));
}

void TDragCellsWindow::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    c.Font()->Assign(*FGrid->Font());
    c.Pen()->SetColor(FGrid->GridLineColor());
    int top = 0;
    for (size_t r = 0; r < FHeights.size(); ++r) {
        int left = 0;
        for (size_t k = 0; k < FWidths.size(); ++k) {
            const TRect cell{left, top, left + FWidths[k], top + FHeights[r]};
            c.Brush()->SetStyle(bsClear);
            c.Rectangle(cell);
            TRect text{cell.Left + 2, cell.Top, cell.Right - 2, cell.Bottom};
            DrawText(&c, FTexts[r][k], text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
            left = cell.Right;
        }
        top += FHeights[r];
    }
    c.Brush()->SetStyle(bsSolid);
}
