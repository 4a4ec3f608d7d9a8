#pragma once
#include "grid/control/ExtStringGrid.h"

// The popup grid's events as the grid drop-down passes them on. Each has the type of the grid
// event it forwards and receives what the grid gave, Sender being the grid; the key events
// and OnGridTopLeftChanged come from the drop-down itself, with the drop-down as Sender.
// OnGridCanSort, OnGridClickSort, OnGridCustomCompare, OnGridRawCompare and OnGridSpinClick
// are kept for forms that assign them: the drop-down sorts with its own handlers and the
// popup grid shows no spin editors, so they are never fired.
struct TGridDropDownEvents {
    TAnchorClickEvent OnGridAnchorClick;
    TAnchorEvent OnGridAnchorEnter;
    TAnchorEvent OnGridAnchorExit;
    TAnchorHintEvent OnGridAnchorHint;
    TButtonClickEvent OnGridButtonClick;
    TCanSortEvent OnGridCanSort;
    TClickSortEvent OnGridClickSort;
    TCustomCompareEvent OnGridCustomCompare;
    TRawCompareEvent OnGridRawCompare;
    TColumnSizeEvent OnGridColumnSize;
    TColumnSizingEvent OnGridColumnSizing;
    TEndColumnSizeEvent OnGridEndColumnSize;
    TRowSizeEvent OnGridRowSize;
    TRowSizingEvent OnGridRowSizing;
    TEndRowSizeEvent OnGridEndRowSize;
    TExtStringGrid::TMoveAllowEvent OnGridRowMove;
    TExtStringGrid::TMoveAllowEvent OnGridRowMoving;
    TMovedEvent OnGridRowMoved;
    TExtStringGrid::TMoveAllowEvent OnGridColumnMove;
    TExtStringGrid::TMoveAllowEvent OnGridColumnMoving;
    TMovedEvent OnGridColumnMoved;
    TCustomCellDrawEvent OnGridCustomCellDraw;
    TCustomCellDrawEvent OnGridCustomCellBkgDraw;
    TGridBalloonEvent OnGridCellBalloon;
    TGridAlignEvent OnGridGetAlignment;
    TGridColorEvent OnGridGetCellColor;
    TGridGradientEvent OnGridGetCellGradient;
    TExtStringGrid::TGetFloatFormatEvent OnGridGetFloatFormat;
    TGetEditorTypeEvent OnGridGetEditorType;
    TGetEditorPropIntEvent OnGridGetEditorProp;
    TCanEditCellEvent OnGridCanEditCell;
    TEllipsClickEvent OnGridEllipsClick;
    TGetDisplTextEvent OnGridGetDiplText;
    TGridFormatEvent OnGridGetFormat;
    TGridHintEvent OnGridHint;
    TMouseMoveEvent OnGridMouseMove;
    TMouseEvent OnGridMouseDown;
    TMouseEvent OnGridMouseUp;
    TKeyEvent OnGridKeyDown;
    TKeyEvent OnGridKeyUp;
    TKeyPressEvent OnGridKeyPress;
    TClickCellEvent OnGridRightClickCell;
    TScrollHintEvent OnGridScrollHint;
    TNotifyEvent OnGridTopLeftChanged;
    TSearchEditChangeEvent OnGridSearchEditChange;
    TSpinClickEvent OnGridSpinClick;
    TAutoAddRowEvent OnGridAutoAddRow;
    TAutoInsertRowEvent OnGridInsertRow;
    TAutoInsertColEvent OnGridInsertCol;
    TAutoDeleteRowEvent OnGridDeleteRow;
    TCanAddRowEvent OnGridCanAddRow;
    TCanInsertRowEvent OnGridCanInsertRow;
    TCanDeleteRowEvent OnGridCanDeleteRow;
    TCheckBoxClickEvent OnGridCheckBoxClick;

    void GridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

protected:
    // Connects the grid's events to these at each opening; an event assigned while the popup
    // is open takes part from the next opening on. The first mouse move of an opening
    // restarts the grid's balloon hints.
    void ConnectGridEvents(TExtStringGrid& Grid, TObject* DropDown);

private:
    bool FBalloonInit = false;
};
