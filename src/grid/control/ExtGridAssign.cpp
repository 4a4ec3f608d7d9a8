#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/CellNode.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/control/settings/DragScrollOptions.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/HTMLSettings.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/control/settings/ProgressAppearance.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/Bands.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/model/SyncGrid.h"
#include "grid/foundation/painting/FocusHelper.h"
#include "platform/rtl/Classes.h"

// Only another string grid is copied; anything else leaves the grid as it is. The counts
// come before the sizes, and the cells last, so that every cell has its place.
void TExtStringGrid::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TExtStringGrid*>(&Source);
    if (!other) return;
    SetFont(other->Font());
    ActiveCellColor = other->ActiveCellColor;
    ActiveCellColorTo = other->ActiveCellColorTo;
    FActiveCellFont->Assign(*other->FActiveCellFont);
    ActiveCellShow = other->ActiveCellShow;
    SetActiveRowShow(other->ActiveRowShow());
    SetAlign(other->Align());
    FFilterDropDown->Assign(*other->FFilterDropDown);
    AnchorHint = other->AnchorHint;
    AutoNumAlign = other->AutoNumAlign;
    AutoSize = other->AutoSize;
    FAutoThemeAdapt = other->FAutoThemeAdapt;
    AutoFilterUpdate = other->AutoFilterUpdate;
    FMouseActions->Assign(*other->FMouseActions);
    FNavigation->Assign(*other->FNavigation);
    FGrouping->Assign(*other->FGrouping);
    FSearchFooter->Assign(*other->FSearchFooter);
    FPrintSettings->Assign(*other->FPrintSettings);
    FFilter->Assign(*other->FFilter);
    FHTMLSettings->Assign(*other->FHTMLSettings);
    FBands->Assign(*other->FBands);
    FCellNode->Assign(*other->FCellNode);
    FSortSettings->Assign(*other->FSortSettings);
    FDragScrollOptions->Assign(*other->FDragScrollOptions);
    FDragDropSettings->Assign(*other->FDragDropSettings);
    FProgressAppearance->Assign(*other->FProgressAppearance);
    FColumnSize->Assign(*other->FColumnSize);
    FSyncGrid->Assign(*other->FSyncGrid);
    FFocusHelper->Assign(*other->FFocusHelper);
    FixedRowAlways = other->FixedRowAlways;

    // The copy replaces every row and column: none of this grid's rows out of the grid may
    // come back among the copied ones, and the columns are hidden as the source's are, so
    // that each copied real column is shown or hidden as it was there.
    const TRowsChange change(*this);
    FreeStoredRows(FRows.Replaced());
    FFilterLevel = 0;
    FFilterActive = false;
    FColumns.HideAs(other->FColumns);
    SetShownColCount(other->ColCount());
    SetRowCount(other->RowCount());
    SetFixedRows(other->FixedRows());
    SetFixedCols(other->FixedCols());
    SetDefaultColWidth(other->DefaultColWidth());
    SetDefaultRowHeight(other->DefaultRowHeight());
    SetFixedRowHeight(other->FixedRowHeight());
    SetFixedColWidth(other->FixedColWidth());
    InvalidEntryTitle = other->InvalidEntryTitle;
    InvalidEntryIcon = other->InvalidEntryIcon;
    InvalidEntryText = other->InvalidEntryText;
    SetOptions(other->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, other->ColWidths(c));
    SetColumnHeaders(*other->FColumnHeaders);
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, other->RowHeights(r));
    FScrollProportional = other->FScrollProportional;
    ScrollSynch = other->ScrollSynch;
    FScrollWidth = other->FScrollWidth;
    ScrollHints = other->ScrollHints;
    ScrollBarAlways = other->ScrollBarAlways;
    SetScrollBars(other->ScrollBars());
    ScrollColor = other->ScrollColor;
    SetScrollType(other->ScrollType);
    AssignCells(*other);
}

// The texts of every cell over the real columns; the source's cell objects stay its own.
void TExtStringGrid::AssignCells(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TExtStringGrid*>(&Source);
    if (!other) return;
    for (int r = 0; r < other->RowCount(); ++r)
        for (int c = 0; c < other->TotalColCount(); ++c)
            SetGridCells(c, r, other->GridCells(c, r));
}
