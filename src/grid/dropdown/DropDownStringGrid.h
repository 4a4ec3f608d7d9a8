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
    // Rows from the drop-down's items; a ctImage column shows its item's image before the text.
    void FillFromItems();
    // The header colours and font and the line colours become the grid's own painting; run
    // after the grid took its colour style.
    void ShowListLook();
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
    // Data cells take their column's colour, font and alignment.
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    // A column's texts, its header's too, wrap and end in "..." where they do not fit as the
    // column says: a text that neither wraps nor fits would otherwise be cut off unseen.
    void GetCellWordWrap(int ACol, int ARow, bool& WordWrap) override;
    bool CellEndsInEllipsis(int ACol, int ARow) const override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The whole wheel message, wherever the string grid moves its row for it.
    void WndProc(TMessage& Message) override;

private:
    bool OnPopup() const;
    std::string ColumnText(int Column, int ARow) const;
    const TDropDownColumn* ColumnOf(int ACol) const;
    const TDropDownColumn* DataColumn(int ACol, int ARow) const;
    void ShowItemImage(int ACol, int ARow, int ImageIndex);

    std::unique_ptr<TDropDownColumns> FColumns;
    TCustomExtGridDropDown* FExtDropDown = nullptr;
    int FOldRow = 0;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};
