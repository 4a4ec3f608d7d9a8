#include "grid/control/ExtStringGrid.h"

// The radio buttons of a column (one checked per column when set through the column
// operations) and the radio groups held in one cell.

namespace {

// A caption matches the cell text exactly, case included; -1 when none does.
int ExactIndexOf(const TStringList& Captions, const std::string& Text)
{
    for (int i = 0; i < Captions.Count(); ++i)
        if (Captions[i] == Text) return i;
    return -1;
}

} // namespace

void TExtStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    CheckCheckBoxCell(ACol, ARow);
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetRadioButton(State, true, haBeforeText, CheckBoxVAlign());
}

void TExtStringGrid::RemoveRadioButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRadioButton);
}

bool TExtStringGrid::HasRadioButton(int ACol, int ARow) const
{
    return HasCellTypeIn(ACol, ARow, {ctRadioButton});
}

void TExtStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void TExtStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        RemoveRadioButton(ACol, r);
}

bool TExtStringGrid::IsRadioButtonChecked(int ACol, int ARow) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctRadioButton && graphic->CellBoolean;
}

bool TExtStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadioButton) return false;
    if (graphic->CellBoolean != State) {
        graphic->CellBoolean = State;
        RepaintGraphicCell(ACol, ARow);
    }
    return true;
}

void TExtStringGrid::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int TExtStringGrid::GetRadioButtonColumnIndex(int ACol) const
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TExtStringGrid::ToggleCheckBoxColumn(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctRadioButton) return false;
    if (!UserMayToggle(ACol, ARow, FromUser, ControlLook()->CheckAlwaysActive)) return false;
    if (graphic->CellBoolean) return true;
    graphic->CellBoolean = true;
    RepaintGraphicCell(ACol, ARow);
    for (int r = 0; r < RowCount(); ++r) {
        TCellGraphic* other = r == ARow ? nullptr : GetCellGraphic(ACol, r);
        if (!other || other->CellType != ctRadioButton || !other->CellBoolean) continue;
        other->CellBoolean = false;
        RepaintGraphicCell(ACol, r);
    }
    return true;
}

void TExtStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctRadio;
    graphic->CellStrings = sl;
    graphic->CellAngle = sl ? sl->Count() : 0;
    graphic->CellBoolean = DirRadio != 0;
    graphic->CellIndex = IdxRadio;
    graphic->CellTransparent = true;
    graphic->CellHAlign = haBeforeText;
    graphic->CellVAlign = CheckBoxVAlign();
}

TStringList* TExtStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    auto* captions = new TStringList();
    AddRadio(ACol, ARow, DirRadio, IdxRadio, captions);
    TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctRadio);
    if (!graphic || graphic->CellStrings != captions) {
        delete captions;
        return nullptr;
    }
    graphic->CellCreated = true;
    return captions;
}

bool TExtStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) const
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    const bool storesText = graphic->CellType == ctRadio && graphic->CellIndex == -1 && graphic->CellStrings;
    // A group that stores its choice as the cell text reads the option its text names, so
    // that the index and the text never say different options.
    IdxRadio = storesText ? ExactIndexOf(*graphic->CellStrings, Cells(ACol, ARow)) : graphic->CellIndex;
    return graphic->CellType == ctRadio;
}

bool TExtStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    // Only a radio group's index is written: in other kinds the slot holds sizes or colours.
    TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctRadio);
    if (!graphic) return false;
    graphic->CellIndex = IdxRadio;
    if (IdxRadio == -1) SetCells(ACol, ARow, "");
    RepaintGraphicCell(ACol, ARow);
    return true;
}

TStringList* TExtStringGrid::GetRadioStrings(int ACol, int ARow) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctRadio ? graphic->CellStrings : nullptr;
}

void TExtStringGrid::SelectNextRadio(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctRadio);
    if (!graphic || !graphic->CellStrings || graphic->CellStrings->Count() == 0) return;
    if (!UserMayToggle(ACol, ARow, FromUser, ControlLook()->RadioAlwaysActive)) return;
    const TStringList& captions = *graphic->CellStrings;
    const int current =
        graphic->CellIndex >= 0 ? graphic->CellIndex : ExactIndexOf(captions, Cells(ACol, ARow));
    const int next = (current + 1) % captions.Count();
    // A group that stores its choice as text keeps doing so: its text is its choice.
    if (graphic->CellIndex >= 0) graphic->CellIndex = next;
    graphic->CellVar = next;
    SetCells(ACol, ARow, captions[next]);
}
