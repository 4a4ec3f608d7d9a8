#pragma once
#include "grid/foundation/model/GridEnums.h"
#include "grid/foundation/painting/OfficeTheme.h"
#include "platform/ui/Types.h"

class TExtStringGrid;
// The editors, named here only, so that the grid's properties for them need no header of theirs.
class TGridTrackbarDropDown;
class TGridMemoDropDown;
class TGridCalculatorDropDown;
class TGridTimepickerDropDown;
class TGridDetailPickerDropDown;
class TGridGridDropDown;
class TGridColorDropDown;
class TGridImageDropDown;
class TGridExtGridDropDown;

// The drop-down cell editors are drop-down controls, one of which holds a grid, so they sit
// above the grid. The grid reaches them only through this interface, and their layer tells
// the grid how to make it.
class IDropDownCellEditing {
public:
    virtual ~IDropDownCellEditing() = default;
    // Shows the editor of Kind over Rect, filled from the cell; false when Kind is no
    // drop-down kind.
    virtual bool Show(TEditorType Kind, const TRect& Rect, int RealCol, int ARow) = 0;
    // Reads the shown editor back into the cell, unless Escape ended the edit, and closes it.
    virtual void Hide(int RealCol, int ARow) = 0;
    // Gives the editors made so far a component style.
    virtual void SetStyle(TSuiteStyle Style) = 0;
};

// Makes a grid's drop-down editing on its first use; the object is a component the grid owns.
using TDropDownCellEditingMaker = IDropDownCellEditing* (*)(TExtStringGrid& Grid);

void SetDropDownCellEditingMaker(TDropDownCellEditingMaker Maker);
TDropDownCellEditingMaker DropDownCellEditingMaker();
