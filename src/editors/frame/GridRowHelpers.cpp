#include "editors/frame/GridRowHelpers.h"

#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

namespace {
// One past the last column a row function touches.
int Span_End(const TExtColumnGrid& Grid) { return Grid.ColCount() + Grid.NumHiddenColumns(); }

void Copy_Row_Cells(TExtColumnGrid& Grid, int From, int To)
{
    for (int c = 1; c < Span_End(Grid); ++c)
        Grid.SetCells(c, To, Grid.Cells(c, From));
}

void Clear_Row_Cells(TExtColumnGrid& Grid, int Row, const std::string& FirstCell)
{
    for (int c = 1; c < Span_End(Grid); ++c)
        Grid.SetCells(c, Row, c == 1 ? FirstCell : std::string());
}

void Paste_Refused(int Text) { MessageDlg(Lang_Table[Text], mtError, {mbOK}, 0); }
} // namespace

bool Row_In_Use(TExtColumnGrid& Grid, int Row)
{
    for (int c = 1; c < Span_End(Grid); ++c) {
        const TGridColumnItem* item = c < Grid.Columns()->Count() ? Grid.Columns()->Items(c) : nullptr;
        if (item && item->Editor() == edDataCheckBox) continue;
        if (!Trim(Grid.Cells(c, Row)).empty()) return true;
    }
    return false;
}

void Delete_Grid_Row(int Row, TExtColumnGrid& Grid)
{
    for (int r = Row; r <= Grid.RowCount() - 2; ++r)
        Copy_Row_Cells(Grid, r + 1, r);
    Clear_Row_Cells(Grid, Grid.RowCount() - 1, "");
}

void Insert_Grid_Row(int Row, TExtColumnGrid& Grid, bool SetEnable)
{
    for (int r = Grid.RowCount() - 2; r >= Row; --r)
        Copy_Row_Cells(Grid, r, r + 1);
    Clear_Row_Cells(Grid, Row, SetEnable ? "Y" : "");
}

void Copy_Grid_Row(TExtColumnGrid& Grid, int Row)
{
    Copy_Row_Buffer.Clear();
    for (int c = 1; c < Span_End(Grid); ++c)
        Copy_Row_Buffer.Add(Grid.Cells(c, Row));
}

void Paste_Grid_Row(TExtColumnGrid& Grid, int Row, bool Copied)
{
    if (!Copied) return Paste_Refused(1102);
    if (Span_End(Grid) != Copy_Row_Buffer.Count() + 1) return Paste_Refused(1101);
    if (Row_In_Use(Grid, Row) && MessageDlg(Lang_Table[1100], mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
        return;
    for (int c = 1; c < Span_End(Grid); ++c)
        Grid.SetCells(c, Row, Copy_Row_Buffer[c - 1]);
}

void Grid_Auto_Size_Col(TExtColumnGrid& Grid, int Row, int Col)
{
    if (Opt_Double_Click_Auto_Size && Row == 0) Grid.AutoSizeCol(Col, 0);
}

void Grid_Enter_Key_Jump(TExtColumnGrid& Grid, char32_t& Key)
{
    if (!Opt_Jump_Field_Tables || Key != 13) return;
    if (Grid.Col() > 0 && Grid.Row() > 0) {
        if (Grid.Col() < Grid.ColCount() - 1) {
            Grid.SetCol(Grid.Col() + 1);
        } else {
            Grid.SetCol(1);
            Grid.SetRow(Grid.Row() < Grid.RowCount() - 1 ? Grid.Row() + 1 : 1);
        }
    }
    Key = 0;
}
