#pragma once
#include <memory>

#include "grid/dropdown/DropDownListLook.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/dropdown/DropDownColumns.h"

class TCustomExtGridDropDown;

// The string grid in the popup of a grid drop-down: one header row, then the data rows. In
// item mode row k + 1 shows item k and keeps k as the object of its first cell, so that the
// item of a row is still known after the rows were sorted or narrowed down.
class TDropDownStringGrid : public TExtStringGrid, public TListGridLook {
public:
    explicit TDropDownStringGrid(TComponent* AOwner);
    ~TDropDownStringGrid() override;

    TDropDownColumns* Columns() const { return FColumns.get(); }
    TNotifyEvent OnSelect;

    // The current row was chosen by a key or a click (not by the wheel) and may be taken over.
    bool ConfirmSelection() const { return FConfirmSelection; }
    void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    void SetDropDown(TCustomExtGridDropDown* DropDown) { FExtDropDown = DropDown; }
    TCustomExtGridDropDown* DropDown() const { return FExtDropDown; }
    // Takes the columns, looks and sizes of the drop-down; run at each opening.
    void SetupFromDropDown(TCustomExtGridDropDown* DropDown);
    void FillFromItems();
    int GetNeededWidth() const;
    void AutoSizeAutoColumns();
    void AutoSizeColumn(int Index);
    void AutoSizeRows();
    bool ShowsAllRows() const { return VisibleRowCount() + FixedRows() >= RowCount(); }

    // The item a row holds, and the item index kept in a row's first cell.
    static TObject* ItemIndexObject(int Index);
    int ItemIndexOfCell(int ARow) const;

protected:
    virtual void DoSelect();
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    bool OnPopup() const;
    std::string ColumnText(int Column, int ARow) const;

    std::unique_ptr<TDropDownColumns> FColumns;
    TCustomExtGridDropDown* FExtDropDown = nullptr;
    int FOldRow = 0;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};
