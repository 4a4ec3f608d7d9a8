#include <algorithm>
#include <numeric>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/columns/ColumnOrder.h"

void TExtStringGrid::SetColumnOrder()
{
    FColumnOrder.assign(static_cast<size_t>(std::max(ColCount(), 0)), 0);
    std::iota(FColumnOrder.begin(), FColumnOrder.end(), 0);
}

int TExtStringGrid::ColumnPosition(int ACol) const
{
    const auto found = std::find(FColumnOrder.begin(), FColumnOrder.end(), ACol);
    return found == FColumnOrder.end() ? ACol : static_cast<int>(found - FColumnOrder.begin());
}

int TExtStringGrid::ColumnAtPosition(int ACol)
{
    if (FColumnOrder.empty()) SetColumnOrder();
    if (ACol < 0 || ACol >= static_cast<int>(FColumnOrder.size())) return ACol;
    return FColumnOrder[static_cast<size_t>(ACol)];
}

// An order recorded before columns were inserted or removed no longer names every column
// once: moving by it could not settle, so the present order is recorded instead.
void TExtStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (!IsColumnPermutation(FColumnOrder, ColCount())) {
        SetColumnOrder();
        return;
    }
    bool moved = true;
    while (moved) {
        moved = false;
        for (int k = 0; k < ColCount(); ++k) {
            const int home = FColumnOrder[static_cast<size_t>(k)];
            if (home < k) {
                MoveColumn(k, home);
                moved = true;
            }
        }
    }
}
