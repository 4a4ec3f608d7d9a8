#include "editors/ethernetip/UEtherNetIP_Data_Seg.h"

#include <optional>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridCombo.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "workspace/ULanguage.h"

TFEtherNetIP_Data_Seg* FEtherNetIP_Data_Seg = nullptr;

namespace {
enum { Col_Value = 4, Col_Value_Int = 8, Columns = 9 };
constexpr int Column_Widths[Columns] = {45, 100, 60, 60, 200, 60, 60, 60, 60};
constexpr int First_Header = 2406;
constexpr TColor Editable_Color = 16710368;

// A value cell as a number; nothing where the text is no number.
std::optional<int64_t> Cell_Value(const std::string& Text)
{
    int64_t value = 0;
    if (TryStrToInt64(Text, value)) return value;
    return std::nullopt;
}

// The value of the entry a cell names; nothing where it names none, so a value that no
// entry describes (shown as an empty cell) is kept.
std::optional<int64_t> Entry_Value(const TTC_ParamObj& Param, const std::string& Text)
{
    for (const TTC_EnumObj& entry : Param.ListEnum)
        if (entry.Description == Text) return static_cast<int64_t>(entry.Value);
    return std::nullopt;
}
} // namespace

TFEtherNetIP_Data_Seg::TFEtherNetIP_Data_Seg(TComponent* owner) : TOkCancelForm(owner, 2400, 800, mrNone)
{
    Btn_OK->OnClick = [this](TObject*) { Btn_OKClick(); };
    ESG_DataSeg = Add_Control<TExtStringGrid>(this, this, "ESG_DataSeg");
    ESG_DataSeg->SetAlign(alClient);
    ESG_DataSeg->SetOptions(
        {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing});
    ESG_DataSeg->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) {
        ESG_DataSegGetEditorType(s, c, r, e);
    };
    ESG_DataSeg->OnGetEditorProp = [this](TObject* s, int c, int r, TEditLink*) {
        ESG_DataSegGetEditorProp(s, c, r);
    };
    ESG_DataSeg->OnComboChange = [this](TObject* s, int c, int r, int i, const std::string& t) {
        ESG_DataSegComboChange(s, c, r, i, t);
    };
    // Only the value column is edited; it shows so by its colour.
    ESG_DataSeg->OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) {
        CanEdit = CanEdit && ACol == Col_Value;
    };
    ESG_DataSeg->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
        if (ARow > 0 && ACol == Col_Value) ABrush->SetColor(Editable_Color);
    };
    Init_Table();
}

void TFEtherNetIP_Data_Seg::Set_Headers()
{
    for (int c = 0; c < Columns; ++c)
        ESG_DataSeg->SetCells(c, 0, Lang_Table[First_Header + c]);
}

void TFEtherNetIP_Data_Seg::Set_Lang()
{
    TOkCancelForm::Set_Lang();
    Set_Headers();
}

void TFEtherNetIP_Data_Seg::Init_Table()
{
    ESG_DataSeg->SetColCount(Columns);
    ESG_DataSeg->SetRowCount(2);
    ESG_DataSeg->SetFixedRows(1);
    Set_Headers();
    for (int c = 0; c < Columns; ++c)
        ESG_DataSeg->SetColWidths(c, Column_Widths[c]);
}

void TFEtherNetIP_Data_Seg::FormShow()
{
    const std::vector<TTC_ParamObj> none;
    const std::vector<TTC_ParamObj>& params = TC ? TC->ListParamObject : none;
    ESG_DataSeg->SetRowCount(params.empty() ? 2 : static_cast<int>(params.size()) + 1);
    if (params.empty()) {
        for (int c = 0; c < ESG_DataSeg->TotalColCount(); ++c)
            ESG_DataSeg->SetCells(c, 1, "");
        return;
    }
    for (size_t i = 0; i < params.size(); ++i) {
        const TTC_ParamObj& param = params[i];
        const int row = static_cast<int>(i) + 1;
        const std::string cells[Columns] = {std::to_string(row),
                                            param.Name,
                                            std::to_string(param.DataSizeByte),
                                            std::to_string(param.DataType),
                                            param.Enum ? param.GetEnumString() : std::to_string(param.Value),
                                            std::to_string(param.Default),
                                            std::to_string(param.Min),
                                            std::to_string(param.Max),
                                            param.Enum ? std::to_string(param.Value) : std::string()};
        for (int c = 0; c < Columns; ++c)
            ESG_DataSeg->SetCells(c, row, cells[c]);
    }
}

void TFEtherNetIP_Data_Seg::ESG_DataSegGetEditorType(TObject*, int ACol, int ARow, TEditorType& AEditor)
{
    const TTC_ParamObj* param = Row_Param(ARow);
    if (ESG_DataSeg->RealColIndex(ACol) == Col_Value && param) AEditor = param->Enum ? edComboList : edNormal;
}

void TFEtherNetIP_Data_Seg::ESG_DataSegGetEditorProp(TObject*, int ACol, int ARow)
{
    const TTC_ParamObj* param = Row_Param(ARow);
    if (ACol != Col_Value || !param) return;
    // The grid has one combo editor for every row: the list of the parameter edited before
    // must not show under this one.
    TItemStrings& items = *ESG_DataSeg->EditCombo()->Items();
    items.Clear();
    if (param->Enum) items.Assign(param->EnumString);
}

void TFEtherNetIP_Data_Seg::ESG_DataSegComboChange(TObject*, int, int ARow, int,
                                                   const std::string& ASelection)
{
    TTC_ParamObj* param = Row_Param(ARow);
    if (!param) return;
    param->Value = param->SetValueFromEnum(ASelection);
    ESG_DataSeg->SetCells(Col_Value_Int, ARow, std::to_string(param->Value));
}

TTC_ParamObj* TFEtherNetIP_Data_Seg::Row_Param(int ARow) const
{
    if (!TC || ARow < 1 || ARow > static_cast<int>(TC->ListParamObject.size())) return nullptr;
    return &TC->ListParamObject[static_cast<size_t>(ARow - 1)];
}

void TFEtherNetIP_Data_Seg::Btn_OKClick()
{
    if (Check_Value()) SetModalResult(mrOk);
}

bool TFEtherNetIP_Data_Seg::Check_Value()
{
    if (!TC) return true;
    std::vector<TTC_ParamObj>& params = TC->ListParamObject;
    for (size_t i = 0; i < params.size(); ++i) {
        const TTC_ParamObj& param = params[i];
        if (param.Enum) continue;
        const std::optional<int64_t> value =
            Cell_Value(ESG_DataSeg->Cells(Col_Value, static_cast<int>(i) + 1));
        if (!value || *value < param.Min || *value > param.Max) {
            MessageDlg(Format(Lang_Table[2415], {static_cast<int>(i) + 1, param.Min, param.Max}), mtError,
                       {mbOK}, 0);
            return false;
        }
    }
    for (size_t i = 0; i < params.size(); ++i) {
        TTC_ParamObj& param = params[i];
        const std::string text = ESG_DataSeg->Cells(Col_Value, static_cast<int>(i) + 1);
        // A pick from the list is taken from the cell as well: not every way of picking
        // (arrow keys, the mouse in the opened list) reaches OnComboChange.
        param.Value = param.Enum ? Entry_Value(param, text).value_or(param.Value)
                                 : Cell_Value(text).value_or(param.Min);
    }
    return true;
}

std::unique_ptr<TTargetConfig> TFEtherNetIP_Data_Seg::CopyTargetConf(const TTargetConfig& Source)
{
    // The configuration holds its parameters and their entries by value.
    return std::make_unique<TTargetConfig>(Source);
}
