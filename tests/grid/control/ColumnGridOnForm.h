#pragma once
#include "GridOnForm.h"
#include "grid/control/ExtColumnGrid.h"

// Opens the column grid's protected cell questions to the tests.
class TProbeColumnGrid : public TExtColumnGrid {
public:
    using TExtColumnGrid::GetEditLimit;
    using TExtColumnGrid::IsFixedCell;
    using TExtColumnGrid::IsReadOnlyCell;
    using TExtColumnGrid::TExtColumnGrid;

    bool CanEdit(int ACol, int ARow)
    {
        bool canEdit = true;
        IsReadOnlyCell(ACol, ARow, canEdit);
        return canEdit;
    }
    // The headers of the items, in collection order, joined with "|".
    std::string ItemHeaders() const
    {
        std::string joined;
        for (int i = 0; i < Columns()->Count(); ++i)
            joined += (i ? "|" : "") + Columns()->Items(i)->Header();
        return joined;
    }
};

using ColumnGridOnForm = GridOnFormOf<TProbeColumnGrid>;
