#include "grid/control/ExtStringGrid.h"

void TExtStringGrid::InsertNormalRow(int ARow) { InsertRows(DisplRowIndex(ARow), 1); }

// Removing the row lowers the largest row count already.
void TExtStringGrid::RemoveNormalRow(int ARow) { RemoveRowsInternal(DisplRowIndex(ARow), 1); }
