#include "platform/grids/Grids.h"

// The draw grid's events and the string grid's cells.

bool TCustomDrawGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell && !Quiet()) OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

std::string TCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    std::string value;
    if (OnGetEditText && !Quiet()) OnGetEditText(this, ACol, ARow, value);
    return value;
}

std::string TCustomDrawGrid::GetEditMask(int ACol, int ARow)
{
    std::string value;
    if (OnGetEditMask && !Quiet()) OnGetEditMask(this, ACol, ARow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    if (OnSetEditText && !Quiet()) OnSetEditText(this, ACol, ARow, Value);
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved && !Quiet()) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved && !Quiet()) OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged && !Quiet()) OnTopLeftChanged(this);
}

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {}

std::string TStringGrid::Cells(int ACol, int ARow) const { return store_.Text(ACol, ARow); }

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value)
{
    if (store_.Text(ACol, ARow) == Value) return;
    store_.SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const { return store_.Object(ACol, ARow); }

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) { store_.SetObject(ACol, ARow, Value); }

// Rows and columns copy the stored cells as they are, objects included.
TGridStrings TStringGrid::Line(bool column, int index) const
{
    TGridStrings line;
    const int count = column ? RowCount() : ColCount();
    for (int i = 0; i < count; ++i) {
        const int c = column ? index : i, r = column ? i : index;
        line.Add(store_.Text(c, r), store_.Object(c, r));
    }
    return line;
}

void TStringGrid::SetLine(bool column, int index, const TGridStrings& value)
{
    for (int i = 0; i < value.Count(); ++i) {
        const int c = column ? index : i, r = column ? i : index;
        store_.SetText(c, r, value.Strings[i]);
        store_.SetObject(c, r, i < static_cast<int>(value.Objects.size()) ? value.Objects[i] : nullptr);
    }
    if (column)
        InvalidateCol(index);
    else
        InvalidateRow(index);
}

TGridStrings TStringGrid::Rows(int ARow) const { return Line(false, ARow); }
void TStringGrid::SetRows(int ARow, const TGridStrings& Value) { SetLine(false, ARow, Value); }
TGridStrings TStringGrid::Cols(int ACol) const { return Line(true, ACol); }
void TStringGrid::SetCols(int ACol, const TGridStrings& Value) { SetLine(true, ACol, Value); }

std::string TStringGrid::GetEditText(int ACol, int ARow)
{
    std::string value = Cells(ACol, ARow);
    if (OnGetEditText && !Quiet()) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    SetCells(ACol, ARow, Value);
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    store_.MoveColumn(FromIndex, ToIndex);
    Invalidate();
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    store_.MoveRow(FromIndex, ToIndex);
    Invalidate();
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}
