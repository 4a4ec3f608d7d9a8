#include "grid/control/ExtStringGrid.h"

// Merged columns follow their list: whatever was merged vertically before is split, and the
// listed columns merge their runs of equal cells again.

void TExtStringGrid::SplitEveryColumn()
{
    for (int c = 0; c < ColCount(); ++c)
        SplitColumnCells(c);
}

void TExtStringGrid::RemergeListedColumns()
{
    SplitEveryColumn();
    for (int i = 0; i < MergedColumns.Count(); ++i)
        if (MergedColumns.Items(i) >= 0 && MergedColumns.Items(i) < ColCount())
            MergeColumnCells(MergedColumns.Items(i), i == 0);
}
