#include "editors/frame/RuleEditorForm.h"

#include <algorithm>

#include "editors/frame/GridRowHelpers.h"
#include "editors/frame/RuleFile.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "workspace/ULanguage.h"

namespace {
constexpr int Window_Height = 337;
constexpr int Button_Step = 118;

bool Passes(const TRuleColumn& Column, int Value, int ArraySize)
{
    switch (Column.Check) {
    case TRuleCheck::Range:
        return Value >= Column.Min && Value <= Column.Max;
    case TRuleCheck::ByteCount:
        return Value == 1 || Value == 2 || Value == 4;
    case TRuleCheck::Position:
        return Value >= 0 && Value <= ArraySize - 1;
    case TRuleCheck::None:
        break;
    }
    return true;
}
} // namespace

int Rule_Number(const std::string& text)
{
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : -1;
}

bool Rule_In_Range(const std::string& text, int Min, int Max)
{
    const int value = Rule_Number(text);
    return value >= Min && value <= Max;
}

TRuleEditorForm::TRuleEditorForm(TComponent* owner, const TRuleWindow& window)
    : TTitledForm(owner, window.FirstText, window.FirstText + 1), Window(window)
{
    SetClientWidth(Window.ClientWidth);
    SetClientHeight(Window_Height);

    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 16, mrNone);
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 16 + Button_Step, mrCancel);
    Btn_DelRow = Add_Button(P_Button, "Btn_DelRow", 16 + 2 * Button_Step, mrNone);
    Btn_InsRow = Add_Button(P_Button, "Btn_InsRow", 16 + 3 * Button_Step, mrNone);
    Btn_CopyRow = Add_Button(P_Button, "Btn_CopyRow", 16 + 4 * Button_Step, mrNone);
    Btn_PasteRow = Add_Button(P_Button, "Btn_PasteRow", 16 + 5 * Button_Step, mrNone);
    Btn_OK->OnClick = [this](TObject*) { Btn_OK_Click(); };
    Btn_DelRow->OnClick = [this](TObject*) { Btn_DelRow_Click(); };
    Btn_InsRow->OnClick = [this](TObject*) { Btn_InsRowClick(); };
    Btn_CopyRow->OnClick = [this](TObject*) { Btn_CopyRowClick(); };
    Btn_PasteRow->OnClick = [this](TObject*) { Btn_PasteRowClick(); };

    if (Window.Tables.size() > 1) {
        PageControl1 = Add_Control<TPageControl>(this, this, "PageControl1");
        PageControl1->SetAlign(alClient);
    }
    for (const TRuleTable& table : Window.Tables) {
        TWinControl* parent = this;
        if (PageControl1) {
            TTabSheet* sheet = new TTabSheet(this);
            sheet->SetName(table.Sheet);
            sheet->SetPageControl(PageControl1);
            Sheets.push_back(sheet);
            parent = sheet;
        }
        Build_Grid(table, parent);
        Hints.push_back(std::make_unique<TStringList>());
        Do_Copy.push_back(false);
    }
    if (PageControl1) PageControl1->SetActivePageIndex(0);
}

TRuleEditorForm::~TRuleEditorForm() = default;

void TRuleEditorForm::Build_Grid(const TRuleTable& Table, TWinControl* Parent)
{
    auto* grid = Add_Control<TExtColumnGrid>(this, Parent, Table.Grid);
    grid->SetAlign(alClient);
    grid->SetColCount(static_cast<int>(Table.Columns.size()) + 1);
    grid->SetRowCount(Table.Rules + 1);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(21);
    grid->SetRowHeights(0, 22);
    grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing,
                      goDrawFocusSelected});
    grid->SetShowHint(true);
    grid->SetColWidths(0, 40);
    for (size_t c = 0; c < Table.Columns.size(); ++c) {
        const TRuleColumn& column = Table.Columns[c];
        TGridColumnItem* item = grid->Columns()->Items(static_cast<int>(c) + 1);
        item->SetWidth(column.Width);
        item->SetColor(column.Color);
        if (column.CheckBox) {
            item->SetEditor(edDataCheckBox);
            item->SetAlignment(taCenter);
        }
    }
    grid->OnGridHint = [this](TObject* s, int r, int c, std::string& h) { GridHint(s, r, c, h); };
    grid->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
    grid->OnDblClickCell = [this](TObject* s, int r, int c) { DblClickCell(s, r, c); };
    grid->OnKeyPress = [this](TObject* s, char32_t& k) { Grid_KeyPress(s, k); };
    Grids.push_back(grid);
}

void TRuleEditorForm::Set_Lang()
{
    Set_Title_Texts(Window.FirstText, Window.FirstText + 1);
    const int firstHint = Window.FirstButtonHint ? Window.FirstButtonHint : Window.FirstText + 8;
    TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int b = 0; b < 6; ++b) {
        buttons[b]->SetCaption(Lang_Table[Window.FirstText + 2 + b]);
        buttons[b]->SetHint(Lang_Table[firstHint + b]);
    }
    const int firstSheet = Window.FirstSheetCaption ? Window.FirstSheetCaption : Window.FirstText + 14;
    for (size_t t = 0; t < Window.Tables.size(); ++t) {
        const TRuleTable& table = Window.Tables[t];
        if (PageControl1) Sheets[t]->SetCaption(Lang_Table[firstSheet + static_cast<int>(t)]);
        Grids[t]->SetCells(0, 0, Lang_Table[table.FirstHeader]);
        Hints[t]->Clear();
        int header = table.FirstHeader;
        int hint = table.FirstHint - 1;
        for (size_t c = 0; c < table.Columns.size(); ++c) {
            const TRuleColumn& column = table.Columns[c];
            header = column.Header ? column.Header : header + 1;
            hint = column.Hint ? column.Hint : hint + 1;
            Grids[t]->SetCells(static_cast<int>(c) + 1, 0, Lang_Table[header]);
            Hints[t]->Add(Lang_Table[hint]);
        }
    }
}

void TRuleEditorForm::DoShow()
{
    FormShow();
    Ready_For_Keys();
    TTitledForm::DoShow();
}

void TRuleEditorForm::Ready_For_Keys()
{
    for (TExtColumnGrid* grid : Grids) {
        grid->SetTopRow(grid->FixedRows());
        grid->SetLeftCol(grid->FixedCols());
        int col = grid->FixedCols();
        while (col < grid->ColCount() - 1 && grid->Columns()->Items(grid->RealColIndex(col))->ReadOnly)
            ++col;
        grid->MoveCurrentCell(col, 1);
    }
    if (Active_Grid()->CanFocus()) SetActiveControl(Active_Grid());
}

void TRuleEditorForm::Clear_Grids()
{
    for (size_t t = 0; t < Grids.size(); ++t) {
        TExtColumnGrid& grid = *Grids[t];
        const std::string first = Window.Tables[t].EnableColumn ? "Y" : "";
        for (int r = 1; r < grid.RowCount(); ++r) {
            grid.SetCells(0, r, std::to_string(r));
            for (int c = 1; c < grid.TotalColCount(); ++c)
                grid.SetCells(c, r, c == 1 ? first : std::string());
        }
    }
}

void TRuleEditorForm::FormShow()
{
    // Cleared before loading: a flag left from an earlier show must never let Paste take
    // a row that another window copied, whatever happens while loading.
    std::fill(Do_Copy.begin(), Do_Copy.end(), false);
    Clear_Grids();
    if (PageControl1) PageControl1->SetActivePageIndex(0);
    const std::string problem =
        Load_Rule_File(Window, Grids, [this](int Table, int Row, const std::vector<bool>& Present) {
            Loaded_Row(Table, Row, Present);
        });
    if (!problem.empty()) Show_Error(problem);
}

bool TRuleEditorForm::Is_Enabled(int Table, int Row) const { return UpperCase(Cell(Table, 1, Row)) == "Y"; }

std::string TRuleEditorForm::Cell(int Table, int Col, int Row) const { return Grids[Table]->Cells(Col, Row); }

std::string TRuleEditorForm::Row_Error(int Row, const std::string& Rule) const
{
    return Lang_Table[Window.ErrorPrefix] + std::to_string(Row) + Rule;
}

void TRuleEditorForm::Show_Error(const std::string& Text) const { MessageDlg(Text, mtError, {mbOK}, 0); }

std::string TRuleEditorForm::Check_Row(int Table, int Row) const
{
    const TRuleTable& table = Window.Tables[Table];
    const int bytes = table.ByteCountColumn ? Rule_Number(Cell(Table, table.ByteCountColumn, Row)) : 0;
    for (size_t c = 0; c < table.Columns.size(); ++c) {
        const TRuleColumn& column = table.Columns[c];
        if (column.Check == TRuleCheck::None) continue;
        if (column.Check == TRuleCheck::Position && bytes < column.NeededBytes) continue;
        if (Passes(column, Rule_Number(Cell(Table, static_cast<int>(c) + 1, Row)), table.ArraySize)) continue;
        const std::string rule = Lang_Table[column.Message];
        return column.Check == TRuleCheck::Position ? rule + std::to_string(table.ArraySize - 1) : rule;
    }
    return "";
}

bool TRuleEditorForm::Controllo_dati()
{
    for (size_t t = 0; t < Grids.size(); ++t) {
        const int rows = Rule_Rows(static_cast<int>(t));
        for (int r = 1; r <= rows; ++r) {
            if (Window.Tables[t].EnableColumn && !Is_Enabled(static_cast<int>(t), r)) continue;
            if (const std::string rule = Check_Row(static_cast<int>(t), r); !rule.empty()) {
                Show_Error(Row_Error(r, rule));
                return false;
            }
        }
    }
    if (const std::string error = Check_Across_Rows(); !error.empty()) {
        Show_Error(error);
        return false;
    }
    return true;
}

int TRuleEditorForm::Rule_Rows(int Table) const
{
    return Rule_Row_Count(*Grids[Table], Key_Column(Window.Tables[Table]));
}

// The file keeps only the rows before the first blank key: without this check a row after
// it would be dropped without a word and be missing at the next show.
bool TRuleEditorForm::Keeps_Every_Row() const
{
    for (size_t t = 0; t < Grids.size(); ++t) {
        TExtColumnGrid& grid = *Grids[t];
        const int firstDropped = Rule_Rows(static_cast<int>(t)) + 1;
        for (int r = firstDropped; r < grid.RowCount(); ++r) {
            if (!Row_In_Use(grid, r)) continue;
            if (PageControl1) PageControl1->SetActivePageIndex(static_cast<int>(t));
            Show_Error(Row_Error(firstDropped, Lang_Table[Window.BlankKeyMessage]));
            return false;
        }
    }
    return true;
}

void TRuleEditorForm::Save_Rules() { Save_Rule_File(Window, Grids); }

void TRuleEditorForm::Btn_OK_Click()
{
    if (!Controllo_dati() || !Keeps_Every_Row()) return;
    Save_Rules();
    SetModalResult(mrOk);
}

int TRuleEditorForm::Active_Table() const { return PageControl1 ? PageControl1->ActivePageIndex() : 0; }

TExtColumnGrid* TRuleEditorForm::Active_Grid() const { return Grids[Active_Table()]; }

void TRuleEditorForm::Btn_DelRow_Click()
{
    TExtColumnGrid& grid = *Active_Grid();
    const int row = grid.Row();
    if (MessageDlg(Lang_Table[Window.DeleteQuestion] + std::to_string(row), mtConfirmation, {mbYes, mbNo},
                   0) == mrYes)
        Delete_Grid_Row(row, grid);
}

void TRuleEditorForm::Btn_InsRowClick()
{
    Insert_Grid_Row(Active_Grid()->Row(), *Active_Grid(), Window.Tables[Active_Table()].EnableColumn);
}

void TRuleEditorForm::Btn_CopyRowClick()
{
    Copy_Grid_Row(*Active_Grid(), Active_Grid()->Row());
    for (size_t t = 0; t < Do_Copy.size(); ++t)
        Do_Copy[t] = static_cast<int>(t) == Active_Table();
}

void TRuleEditorForm::Btn_PasteRowClick()
{
    Paste_Grid_Row(*Active_Grid(), Active_Grid()->Row(), Do_Copy[Active_Table()]);
}

int TRuleEditorForm::Table_Of(TObject* Sender) const
{
    for (size_t t = 0; t < Grids.size(); ++t)
        if (Grids[t] == Sender) return static_cast<int>(t);
    return Active_Table();
}

void TRuleEditorForm::GridHint(TObject* Sender, int ARow, int ACol, std::string& hintstr)
{
    const int table = Table_Of(Sender);
    const TStringList& hints = *Hints[table];
    // The hints follow the real columns; a hidden column shifts the displayed ones.
    const int col = ACol > 0 ? Grids[table]->RealColIndex(ACol) : 0;
    hintstr = ARow == 0 && col > 0 && col <= hints.Count() ? hints[col - 1] : std::string();
}

void TRuleEditorForm::ClickCell(TObject* Sender, int ARow, int ACol)
{
    // The header row is no rule: a click on its number cell selects nothing.
    if (ACol == 0 && ARow > 0) Grids[Table_Of(Sender)]->SelectRows(ARow, 1);
}

void TRuleEditorForm::DblClickCell(TObject* Sender, int ARow, int ACol)
{
    Grid_Auto_Size_Col(*Grids[Table_Of(Sender)], ARow, ACol);
}

void TRuleEditorForm::Grid_KeyPress(TObject* Sender, char32_t& Key)
{
    Grid_Enter_Key_Jump(*Grids[Table_Of(Sender)], Key);
}
