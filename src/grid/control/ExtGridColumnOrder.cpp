#include <algorithm>
#include <numeric>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/columns/ColumnOrder.h"

void TExtStringGrid::SetColumnOrder()
{
    FColumns.Order().assign(static_cast<size_t>(std::max(ColCount(), 0)), 0);
    std::iota(FColumns.Order().begin(), FColumns.Order().end(), 0);
}

int TExtStringGrid::ColumnPosition(int ACol) const
{
    const auto found = std::find(FColumns.Order().begin(), FColumns.Order().end(), ACol);
    return found == FColumns.Order().end() ? ACol : static_cast<int>(found - FColumns.Order().begin());
}

int TExtStringGrid::ColumnAtPosition(int ACol)
{
    if (FColumns.Order().empty()) SetColumnOrder();
    if (ACol < 0 || ACol >= static_cast<int>(FColumns.Order().size())) return ACol;
    return FColumns.Order()[static_cast<size_t>(ACol)];
}

// An order recorded before columns were inserted or removed no longer names every column
// once: moving by it could not settle, so the present order is recorded instead.
void TExtStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (!IsColumnPermutation(FColumns.Order(), ColCount())) {
        SetColumnOrder();
        return;
    }
    bool moved = true;
    while (moved) {
        moved = false;
        for (int k = 0; k < ColCount(); ++k) {
            const int home = FColumns.Order()[static_cast<size_t>(k)];
            if (home < k) {
                MoveColumn(k, home);
                moved = true;
            }
        }
    }
}
