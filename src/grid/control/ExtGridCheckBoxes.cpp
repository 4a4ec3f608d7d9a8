#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/Grouping.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/UndoRedo.h"

// Check boxes in cells. Rows are display rows throughout, hidden rows or not: a hidden row
// is out of the grid and its check box is out of reach until it is shown again.

namespace {

constexpr std::initializer_list<TCellType> CheckBoxKinds = {ctCheckBox, ctDataCheckBox, ctVirtCheckBox,
                                                            ctRowCheckBox, ctTriStateCheckBox};

bool IsCheckBoxKind(TCellType Kind)
{
    return std::find(CheckBoxKinds.begin(), CheckBoxKinds.end(), Kind) != CheckBoxKinds.end();
}

bool IsTextStateKind(TCellType Kind) { return Kind == ctDataCheckBox || Kind == ctVirtCheckBox; }

} // namespace

void TExtStringGrid::CheckCheckBoxCell(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
        throw Exception("Invalid cell");
}

TCellVAlign TExtStringGrid::CheckBoxVAlign() const
{
    switch (VAlignment) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    default:
        return vaTop;
    }
}

std::string TExtStringGrid::CheckText(int ACol, int ARow, bool Checked)
{
    std::string text;
    if (Checked)
        GetCheckTrue(ACol, ARow, text);
    else
        GetCheckFalse(ACol, ARow, text);
    return text;
}

bool TExtStringGrid::IsCheckTrue(int ARealCol, int ADisplRow)
{
    return Cells(ARealCol, ADisplRow) == CheckText(ARealCol, ADisplRow, true);
}

bool TExtStringGrid::UserMayToggle(int ACol, int ARow, bool FromUser, bool AlwaysActive)
{
    if (!FromUser || AlwaysActive) return true;
    bool canEdit = true;
    IsReadOnlyCell(ACol, ARow, canEdit);
    return canEdit;
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    CheckCheckBoxCell(ACol, ARow);
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetCheckBox(State, Data, true, haBeforeText, CheckBoxVAlign());
    if (!Data) return;
    const std::string text = Cells(ACol, ARow);
    if (text != CheckText(ACol, ARow, true) && text != CheckText(ACol, ARow, false))
        SetCells(ACol, ARow, CheckText(ACol, ARow, State));
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    CheckCheckBoxCell(ACol, ARow);
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetCheckBox(State, true, haBeforeText, CheckBoxVAlign());
}

int TExtStringGrid::FirstCheckBoxRow() const { return MouseActions()->CheckAllCheck ? 0 : FixedRows(); }

// A node row's box shows the state of its group, so it starts as a tri-state box.
void TExtStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    for (int r = FirstCheckBoxRow(); r < RowCount(); ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExtStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    for (int r = FirstCheckBoxRow(); r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
}

void TExtStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctTriStateCheckBox)
        RemoveCellGraphic(ACol, ARow);
}

void TExtStringGrid::RemoveCheckBoxColumn(int ACol)
{
    for (int r = FirstCheckBoxRow(); r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

bool TExtStringGrid::HasCheckBox(int ACol, int ARow) const
{
    return HasCellTypeIn(ACol, ARow, CheckBoxKinds);
}

bool TExtStringGrid::HasDataCheckBox(int ACol, int ARow) const
{
    return HasCellTypeIn(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType) {
    case ctCheckBox:
    case ctRowCheckBox:
        State = graphic->CellBoolean;
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        State = IsCheckTrue(ACol, ARow);
        return true;
    default:
        return false;
    }
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && graphic->CellType == ctTriStateCheckBox) {
        State = graphic->CellCheckBoxState;
        return true;
    }
    bool checked = false;
    if (!GetCheckBoxState(ACol, ARow, checked)) return false;
    State = BoolToCheckBoxState(checked);
    return true;
}

bool TExtStringGrid::IsChecked(int ACol, int ARow)
{
    bool checked = false;
    return GetCheckBoxState(ACol, ARow, checked) && checked;
}

// The row check box of the header row stands for every normal row.
void TExtStringGrid::SetRowCheck(int ADisplRow, bool Value)
{
    if (ADisplRow >= FixedRows()) {
        SetRowSelect(RowFlagIndex(ADisplRow), Value);
        return;
    }
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRowSelect(RowFlagIndex(r), Value);
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType) {
    case ctCheckBox:
        graphic->CellBoolean = State;
        RepaintGraphicCell(ACol, ARow);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        SetCells(ACol, ARow, CheckText(ACol, ARow, State));
        return true;
    case ctRowCheckBox:
        SetRowCheck(ARow, State);
        return true;
    default:
        return false;
    }
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctTriStateCheckBox) return false;
    graphic->CellCheckBoxState = State;
    RepaintGraphicCell(ACol, ARow);
    return true;
}

bool TExtStringGrid::ApplyCheckBoxState(int ACol, int ARow, bool Value)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType == ctTriStateCheckBox) return false;
    bool before = false;
    if (!GetCheckBoxState(ACol, ARow, before)) return false;
    if (IsTextStateKind(graphic->CellType))
        SetCells(ACol, ARow, CheckText(ACol, ARow, Value));
    else if (before != Value)
        SetCheckBoxState(ACol, ARow, Value);
    if (before != Value) DoCheckBoxChange(ACol, ARow, Value);
    return true;
}

void TExtStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ApplyCheckBoxState(ACol, r, true);
    if (NumHiddenColumns() > 0) RepaintCol(DisplColIndex(ACol));
}

void TExtStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ApplyCheckBoxState(ACol, r, false);
}

namespace {

// The cycle of a tri-state box outside node rows: unchecked, grayed, checked.
TCheckBoxState NextTriState(TCheckBoxState State)
{
    switch (State) {
    case cbUnchecked:
        return cbGrayed;
    case cbChecked:
        return cbUnchecked;
    default:
        return cbChecked;
    }
}

} // namespace

bool TExtStringGrid::ToggleCheckBoxCell(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !IsCheckBoxKind(graphic->CellType)) return false;
    if (!UserMayToggle(ACol, ARow, FromUser, ControlLook()->CheckAlwaysActive)) return false;

    bool newState = false;
    switch (graphic->CellType) {
    case ctCheckBox:
        graphic->CellBoolean = !graphic->CellBoolean;
        newState = graphic->CellBoolean;
        break;
    case ctRowCheckBox:
        // The row's selection is the state: the cell text is no part of it.
        newState = !graphic->CellBoolean;
        SetRowCheck(ARow, newState);
        break;
    case ctTriStateCheckBox:
        // A node's box checks or clears its whole group: it never turns grayed by a click.
        if (Grouping()->AutoCheckGroup && IsNode(ARow))
            graphic->CellCheckBoxState = graphic->CellCheckBoxState == cbChecked ? cbUnchecked : cbChecked;
        else
            graphic->CellCheckBoxState = NextTriState(graphic->CellCheckBoxState);
        newState = graphic->CellCheckBoxState == cbChecked;
        break;
    default: {
        const std::string oldText = Cells(ACol, ARow);
        newState = oldText != CheckText(ACol, ARow, true);
        SetCells(ACol, ARow, CheckText(ACol, ARow, newState));
        // Only a state kept as the cell text can be undone as a text change.
        if (UndoRedo()) UndoRedo()->RegisterChange(ACol, ARow, oldText, CheckText(ACol, ARow, newState));
        break;
    }
    }
    RepaintGraphicCell(ACol, ARow);
    DoCheckBoxChange(ACol, ARow, newState);
    if (Grouping()->AutoCheckGroup) CheckGroup(ACol, ARow, newState);
    return true;
}

void TExtStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

// Without PreciseCheckBoxCheck the whole cell is the check box.
bool TExtStringGrid::IsInCheckBox(int ACol, int ARow, int X, int Y)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !(IsCheckBoxKind(graphic->CellType) || graphic->CellType == ctRadioButton)) return false;
    if (!MouseActions()->PreciseCheckBoxCheck) return true;

    const int size = ControlLook()->CheckSize();
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    int top = r.Top + 2;
    if (graphic->CellVAlign == vaBottom) top = r.Bottom - size - 2;
    if (graphic->CellVAlign == vaCenter) top = r.Top + (r.Height() - size) / 2;
    TAlignment hAlign = taLeftJustify;
    TVAlignment vAlign = vtaTop;
    // The alignment the box is painted with: the cell's properties count, not only the hook.
    GetCellAlignmentEx(ACol, ARow, hAlign, vAlign);
    int left = r.Left + 2;
    if (hAlign == taRightJustify) {
        left = r.Right - size - 2;
        const std::string text = Cells(ACol, ARow);
        if (!text.empty()) left -= Canvas()->TextWidth(text);
    } else if (hAlign == taCenter) {
        left = r.Left + (r.Width() - size) / 2;
    }
    return X >= left && X < left + size && Y >= top && Y < top + size;
}
