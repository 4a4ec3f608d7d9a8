#include "grid/control/ExtStringGrid.h"
#include "grid/control/FixedCellEditors.h"
#include "grid/foundation/model/MouseActions.h"

// Editing the text of a header cell in place, with an edit box or a combo laid over it.

namespace {

// A left press this near a sizable border of a header sizes it instead of editing it.
constexpr int kFixedEditSizingMargin = 4;

// Made on first use, owned by the grid and hidden until a fixed cell is edited.
template <typename TEditor> TEditor* HiddenFixedCellEditor(TEditor*& Field, TExtStringGrid* Grid)
{
    if (!Field) {
        Field = new TEditor(Grid);
        Field->SetVisible(false);
        Field->SetParent(Grid);
    }
    return Field;
}

} // namespace

TGridTransEdit* TExtStringGrid::EditTrans()
{
    if (!FEditTrans) {
        HiddenFixedCellEditor(FEditTrans, this)->SetBorderStyle(bsNone);
        FEditTrans->OnChange = [this](TObject* Sender) { FixedEditChange(Sender); };
    }
    return FEditTrans;
}

TGridTransCombo* TExtStringGrid::ComboTrans()
{
    if (!FComboTrans) {
        HiddenFixedCellEditor(FComboTrans, this)->OnChange = [this](TObject* Sender) {
            FixedEditChange(Sender);
        };
    }
    return FComboTrans;
}

void TExtStringGrid::FixedEditChange(TObject* Sender)
{
    if (OnEditChange)
        OnEditChange(this, FFixedColEdit, FFixedRowEdit, static_cast<TWinControl*>(Sender)->Text());
}

void TExtStringGrid::StartFixedCellEdit(int ACol, int ARow)
{
    if (FEditTrans && FEditTrans->Visible() && !FEditTrans->StopEdit()) return;
    if (FComboTrans && FComboTrans->Visible() && !FComboTrans->StopEdit()) return;
    bool canEdit = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit) return;
    FFixedColEdit = ACol;
    FFixedRowEdit = ARow;
    const TMouseActions& mouse = *MouseActions();
    TGridFixedCellEditor kind = ACol == 0 ? mouse.FixedColsEditor : mouse.FixedRowsEditor;
    TStringList values = *mouse.FixedComboValues();
    DoFixedEdit(ACol, ARow, kind, &values);

    const TRect rect = InflateRect(CellRect(ACol, ARow), -1, -1);
    const int realCol = RealColIndex(ACol);
    TWinControl* editor = nullptr;
    if (kind == fceEdit) {
        TGridTransEdit* edit = EditTrans();
        edit->SetBoundsRect(rect);
        edit->SetText(Cells(realCol, ARow));
        edit->FCol = realCol;
        edit->FRow = ARow;
        editor = edit;
    } else {
        TGridTransCombo* combo = ComboTrans();
        combo->Items()->Assign(values);
        combo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
        combo->SetBounds(rect.Left - 1, rect.Top - 1, rect.Width() + 1, rect.Height());
        combo->SetText(Cells(realCol, ARow));
        combo->FCol = realCol;
        combo->FRow = ARow;
        editor = combo;
    }
    editor->Show();
    if (editor->CanFocus()) editor->SetFocus();
}

bool TExtStringGrid::FixedCellEditAsked(TGridFixedCellEdit Click, int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || Click == fceNone) return false;
    const TMouseActions& mouse = *MouseActions();
    return (ARow < FixedRows() && mouse.FixedRowsEdit == Click) ||
           (ACol < FixedCols() && mouse.FixedColsEdit == Click);
}

bool TExtStringGrid::PressFixedCellEdit(TMouseButton Button, int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    const TGridFixedCellEdit click = Button == mbLeft ? fceLeftClick : Button == mbRight ? fceRightClick : fceNone;
    if (!FixedCellEditAsked(click, col, row)) return false;
    if (click == fceLeftClick) {
        const bool rowEdit = row < FixedRows() && MouseActions()->FixedRowsEdit == click;
        const TRect inner = InflateRect(CellRect(col, row), -kFixedEditSizingMargin, -kFixedEditSizingMargin);
        if (Options().Contains(rowEdit ? goColSizing : goRowSizing) && !PtInRect(inner, {X, Y})) return false;
    }
    StartFixedCellEdit(col, row);
    return true;
}
