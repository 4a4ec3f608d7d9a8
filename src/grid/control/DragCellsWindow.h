#pragma once
#include <string>
#include <vector>

#include "platform/grids/Grids.h"
#include "platform/ui/FloatingWindow.h"

class TExtStringGrid;

// The cells being dragged out of a grid, drawn as a small table that follows the pointer.
// It shows the texts as they were when the drag started, at the grid's widths and heights.
class TDragCellsWindow : public TFloatingWindow {
public:
    TDragCellsWindow(TExtStringGrid* AGrid, const TGridRect& Cells);

protected:
    void Paint() override;

private:
    TExtStringGrid* FGrid;
    std::vector<int> FWidths;
    std::vector<int> FHeights;
    // Row by row.
    std::vector<std::vector<std::string>> FTexts;
};
