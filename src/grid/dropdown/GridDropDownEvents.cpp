#include "grid/dropdown/GridDropDownEvents.h"

#include <utility>

#include "grid/control/settings/BalloonSettings.h"

namespace {
// The grid's event calls the drop-down's event with the grid's arguments. An unassigned
// drop-down event leaves the grid's own answer: several grid questions (the float format,
// custom drawing) change the painting merely by being assigned.
template <typename TEvent> void Forward(TEvent& GridEvent, const TEvent& DropDownEvent)
{
    if (!DropDownEvent) {
        GridEvent = nullptr;
        return;
    }
    GridEvent = [&DropDownEvent](auto&&... Args) {
        if (DropDownEvent) DropDownEvent(std::forward<decltype(Args)>(Args)...);
    };
}
} // namespace

void TGridDropDownEvents::GridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State)
{
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}

void TGridDropDownEvents::ConnectGridEvents(TExtStringGrid& Grid, TObject* DropDown)
{
    Forward(Grid.OnAnchorClick, OnGridAnchorClick);
    Forward(Grid.OnAnchorEnter, OnGridAnchorEnter);
    Forward(Grid.OnAnchorExit, OnGridAnchorExit);
    Forward(Grid.OnAnchorHint, OnGridAnchorHint);
    Forward(Grid.OnButtonClick, OnGridButtonClick);
    Forward(Grid.OnColumnSize, OnGridColumnSize);
    Forward(Grid.OnColumnSizing, OnGridColumnSizing);
    Forward(Grid.OnEndColumnSize, OnGridEndColumnSize);
    Forward(Grid.OnRowSize, OnGridRowSize);
    Forward(Grid.OnRowSizing, OnGridRowSizing);
    Forward(Grid.OnEndRowSize, OnGridEndRowSize);
    Forward(Grid.OnRowMove, OnGridRowMove);
    Forward(Grid.OnRowMoving, OnGridRowMoving);
    Forward(Grid.OnRowMoved, OnGridRowMoved);
    Forward(Grid.OnColumnMove, OnGridColumnMove);
    Forward(Grid.OnColumnMoving, OnGridColumnMoving);
    Forward(Grid.OnColumnMoved, OnGridColumnMoved);
    Forward(Grid.OnCustomCellDraw, OnGridCustomCellDraw);
    Forward(Grid.OnCustomCellBkgDraw, OnGridCustomCellBkgDraw);
    Forward(Grid.OnCellBalloon, OnGridCellBalloon);
    Forward(Grid.OnGetAlignment, OnGridGetAlignment);
    Forward(Grid.OnGetCellColor, OnGridGetCellColor);
    Forward(Grid.OnGetCellGradient, OnGridGetCellGradient);
    Forward(Grid.OnGetFloatFormat, OnGridGetFloatFormat);
    Forward(Grid.OnGetEditorType, OnGridGetEditorType);
    Forward(Grid.OnGetEditorPropInt, OnGridGetEditorProp);
    Forward(Grid.OnCanEditCell, OnGridCanEditCell);
    Forward(Grid.OnEllipsClick, OnGridEllipsClick);
    Forward(Grid.OnGetDisplText, OnGridGetDiplText);
    Forward(Grid.OnGetFormat, OnGridGetFormat);
    Forward(Grid.OnGridHint, OnGridHint);
    Forward(Grid.OnMouseDown, OnGridMouseDown);
    Forward(Grid.OnMouseUp, OnGridMouseUp);
    Forward(Grid.OnRightClickCell, OnGridRightClickCell);
    Forward(Grid.OnScrollHint, OnGridScrollHint);
    Forward(Grid.OnSearchEditChange, OnGridSearchEditChange);
    Forward(Grid.OnAutoAddRow, OnGridAutoAddRow);
    Forward(Grid.OnAutoInsertRow, OnGridInsertRow);
    Forward(Grid.OnAutoInsertCol, OnGridInsertCol);
    Forward(Grid.OnAutoDeleteRow, OnGridDeleteRow);
    Forward(Grid.OnCanAddRow, OnGridCanAddRow);
    Forward(Grid.OnCanInsertRow, OnGridCanInsertRow);
    Forward(Grid.OnCanDeleteRow, OnGridCanDeleteRow);
    Grid.OnCheckBoxClick = [this](TObject* Sender, int ACol, int ARow, bool State) {
        GridCheckBoxClick(Sender, ACol, ARow, State);
    };
    Grid.OnTopLeftChanged = [this, DropDown](TObject*) {
        if (OnGridTopLeftChanged) OnGridTopLeftChanged(DropDown);
    };
    FBalloonInit = false;
    Grid.OnMouseMove = [this, &Grid](TObject* Sender, TShiftState Shift, int X, int Y) {
        if (!FBalloonInit && Grid.Balloon()->Enable()) {
            Grid.Balloon()->SetEnable(false);
            Grid.Balloon()->SetEnable(true);
        }
        FBalloonInit = true;
        if (OnGridMouseMove) OnGridMouseMove(Sender, Shift, X, Y);
    };
}
