#pragma once
#include <memory>

#include "grid/dropdown/DropDownListLook.h"
#include "grid/dropdown/DropDownColumns.h"
#include "grid/dropdown/DropDownTypes.h"
#include "platform/grids/Grids.h"

class TExtMultiColumnDropDown;

// The list in a multi-column drop-down's popup: a header row and one row per item (row r
// shows item r - 1), painted by its own cell painter from the drop-down's columns and items.
class TExtColGrid : public TStringGrid, public TListGridLook {
public:
    explicit TExtColGrid(TComponent* owner);
    ~TExtColGrid() override;

    TDropDownColumns* Columns() const { return FColumns.get(); }
    int GridLineWidth() const override { return FGridLineWidth; }
    void SetGridLineWidth(int Value) override;
    TNotifyEvent OnSelect;
    // Kept for forms that assign them: the list's painting asks its drop-down's events
    // instead, so these are never fired. OnDrawCell stands in for the string grid's own.
    TDropDownGetItemTextEvent OnGetCellText;
    TDropDownDrawItemEvent OnDrawCell;
    TDropDownGetItemPropEvent OnGetCellProp;
    // The last key or mouse press confirmed the current row (a wheel move does not).
    bool ConfirmSelection() const { return FConfirmSelection; }
    void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    void AttachDropDown(TExtMultiColumnDropDown* DropDown) { FExtDropDown = DropDown; }
    // Takes columns, rows and looks from the drop-down; called before every opening.
    void LoadFromDropDown(TExtMultiColumnDropDown* DropDown);
    int RequiredWidth() const;
    void AutoSizeColumns();
    void AutoSizeColumn(int Index);
    void AutoSizeRows();
    TRect CellBounds(int ACol, int ARow) const;

protected:
    virtual void DoSelect();
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    bool OnPopup() const;
    bool AllRowsVisible() const;

    std::unique_ptr<TDropDownColumns> FColumns;
    int FGridLineWidth = 1;
    TExtMultiColumnDropDown* FExtDropDown = nullptr;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};
