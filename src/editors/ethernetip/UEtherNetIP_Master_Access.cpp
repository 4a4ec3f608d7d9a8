#include "editors/ethernetip/UEtherNetIP_Master_Access.h"

#include <algorithm>

#include "editors/ethernetip/ScanListRules.h"
#include "editors/ethernetip/UEtherNetIP_Data_Seg.h"
#include "editors/ethernetip/UEtherNetIP_EDS.h"
#include "editors/frame/GridRowHelpers.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

namespace {
struct TColumnTexts {
    int Header;
    int Hint;
};

// Columns 1 to 18.
const TColumnTexts Column_Texts[] = {{815, 823}, {816, 824}, {817, 825}, {818, 826}, {819, 827}, {820, 828},
                                     {821, 829}, {841, 843}, {847, 849}, {842, 844}, {848, 850}, {853, 855},
                                     {854, 856}, {861, 863}, {862, 864}, {865, 867}, {866, 868}, {822, 830}};

constexpr TColor Enable_Color = 11589887;

TRuleColumn Column(int Col, int Width, TColor Color) { return {Scan_List_Attribute(Col), Width, Color}; }

TRuleColumn Check_Box(int Col, int Width, TColor Color)
{
    TRuleColumn column = Column(Col, Width, Color);
    column.CheckBox = true;
    return column;
}

TRuleColumn Ranged(int Col, int Width, TColor Color, int Max, int Message, int Min = 0)
{
    TRuleColumn column = Column(Col, Width, Color);
    column.Check = TRuleCheck::Range;
    column.Min = Min;
    column.Max = Max;
    column.Message = Message;
    return column;
}

constexpr TColor Inputs = 11075583, Outputs = 16045820, Path = 16766421, Headers = 16768657, Key = 13559807,
                 Segment = 15531685;

const TRuleWindow Rule_Window{
    800,
    1180,
    &File_EtherNetIP_Master_Rules,
    "EtherNetIP_Master_Access",
    "1.012",
    831,
    840,
    899,
    {{"ECG",
      nullptr,
      nullptr,
      Scan_List_Targets,
      814,
      823,
      0,
      1438,
      true,
      {Check_Box(Col_Enable, 50, Enable_Color), Column(Col_IP_Address, 110, 16710368),
       Ranged(Col_Start_Input, 70, Inputs, 65535, 833), Ranged(Col_Num_Input, 70, Inputs, 65535, 834),
       Ranged(Col_Start_Output, 85, Outputs, 65535, 835), Ranged(Col_Num_Output, 85, Outputs, 65535, 836),
       Ranged(Col_Time_Poll, 70, 11075496, 100000000, 837, 1), Ranged(Col_Instance_T_O, 90, Path, 65535, 845),
       Ranged(Col_Conn_Point_T_O, 105, Path, 65535, 851), Ranged(Col_Instance_O_T, 95, Path, 65535, 846),
       Ranged(Col_Conn_Point_O_T, 105, Path, 65535, 852), Column(Col_Dim_Header_T_O, 110, Headers),
       Column(Col_Dim_Header_O_T, 110, Headers), Check_Box(Col_Enable_Key, 45, Key),
       Column(Col_Electronic_Key, 100, Key), Check_Box(Col_Enable_Segment, 45, Segment),
       Column(Col_Data_Segment, 100, Segment), Column(Col_Mnemonic, 95, clWhite)}}}};

constexpr int Chooser_Row_Columns[][2] = {
    // chooser column, scan list column
    {3, Col_Instance_O_T},   {4, Col_Conn_Point_O_T}, {5, Col_Instance_T_O},
    {6, Col_Conn_Point_T_O}, {8, Col_Dim_Header_T_O}, {7, Col_Dim_Header_O_T},
};

// The message of a byte list check that failed; "" when it passed.
std::string Byte_List_Rule(int Result, int WrongByte, int WrongCount)
{
    if (Result == Byte_List_Wrong_Byte) return Lang_Table[WrongByte];
    if (Result == Byte_List_Wrong_Count) return Lang_Table[WrongCount];
    return "";
}
} // namespace

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* owner)
    : TRuleEditorForm(owner, Rule_Window), ECG(Grids[0])
{
    ECG->Columns()->Items(0)->SetColor(Enable_Color);
    for (const int col : {Col_Dim_Header_T_O, Col_Dim_Header_O_T}) {
        TGridColumnItem* item = ECG->Columns()->Items(col);
        item->SetEditor(edComboEdit);
        item->ComboItems()->Add("Default");
    }
    Btn_Import_EDS = Add_Button(P_Button, "Btn_Import_EDS", 724, mrNone);
    Btn_Import_EDS->OnClick = [this](TObject*) { Btn_Import_EDSClick(); };
    OD_EDS = new TOpenDialog(this);
    OD_EDS->SetName("OD_EDS");
    OD_EDS->Filter = "EtherNet/IP EDS (*.eds)|*.eds";
}

void TFEtherNetIP_Master_Access::Set_Lang()
{
    TRuleEditorForm::Set_Lang();
    Hints[0]->Clear();
    for (int c = Col_Enable; c <= Col_Mnemonic; ++c) {
        ECG->SetCells(c, 0, Lang_Table[Column_Texts[c - 1].Header]);
        Hints[0]->Add(Lang_Table[Column_Texts[c - 1].Hint]);
    }
    Btn_Import_EDS->SetCaption(Lang_Table[859]);
    Btn_Import_EDS->SetHint(Lang_Table[860]);
}

void TFEtherNetIP_Master_Access::FormShow()
{
    Do_Copy[0] = false;
    Clear_Grids();
    for (auto& config : ArrTargetConf)
        config.reset();
    Num_Byte_In = 1438;
    Num_Byte_Out = 1438;
    const std::string problem = Load_Scan_List(File_EtherNetIP_Master_Rules, *ECG, ArrTargetConf);
    if (!problem.empty()) Show_Error(problem);
}

std::string TFEtherNetIP_Master_Access::Check_Row(int Table, int Row) const
{
    std::string parts[4];
    if (!Check_IP_Address(Cell(Table, Col_IP_Address, Row), parts[0], parts[1], parts[2], parts[3]))
        return Lang_Table[832];
    if (std::string rule = TRuleEditorForm::Check_Row(Table, Row); !rule.empty()) return rule;
    if (!Is_Dim_Header(Cell(Table, Col_Dim_Header_T_O, Row))) return Lang_Table[857];
    if (!Is_Dim_Header(Cell(Table, Col_Dim_Header_O_T, Row))) return Lang_Table[858];
    if (UpperCase(Cell(Table, Col_Enable_Key, Row)) == "Y") {
        const std::string key = Trim(Cell(Table, Col_Electronic_Key, Row));
        if (key.empty()) return Lang_Table[871];
        if (std::string rule = Byte_List_Rule(CheckBytesElectronicKey(key), 869, 870); !rule.empty())
            return rule;
    }
    if (UpperCase(Cell(Table, Col_Enable_Segment, Row)) == "Y") {
        const std::string segment = Trim(Cell(Table, Col_Data_Segment, Row));
        if (segment.empty()) return Lang_Table[874];
        return Byte_List_Rule(CheckBytesDataSegment(segment), 872, 873);
    }
    return "";
}

bool TFEtherNetIP_Master_Access::Controllo_dati()
{
    int inputs = 0;
    int outputs = 0;
    const int rows = Rule_Rows(0);
    for (int r = 1; r <= rows; ++r) {
        if (UpperCase(ECG->Cells(Col_Enable, r)) != "Y") continue;
        if (const std::string rule = Check_Row(0, r); !rule.empty()) {
            Show_Error(Row_Error(r, rule));
            return false;
        }
        inputs += Rule_Number(ECG->Cells(Col_Num_Input, r));
        outputs += Rule_Number(ECG->Cells(Col_Num_Output, r));
    }
    if (inputs > Num_Byte_In) {
        Show_Error(Lang_Table[838] + std::to_string(Num_Byte_In));
        return false;
    }
    if (outputs > Num_Byte_Out) {
        Show_Error(Lang_Table[839] + std::to_string(Num_Byte_Out));
        return false;
    }
    return true;
}

int TFEtherNetIP_Master_Access::Rule_Rows(int /*Table*/) const { return Scan_List_Rows(*ECG); }

void TFEtherNetIP_Master_Access::Save_Rules()
{
    Save_Scan_List(File_EtherNetIP_Master_Rules, *ECG, ArrTargetConf, Rule_Rows(0));
    for (auto& config : ArrTargetConf)
        config.reset();
}

void TFEtherNetIP_Master_Access::Btn_DelRow_Click()
{
    const int row = ECG->Row();
    if (MessageDlg(Lang_Table[Window.DeleteQuestion] + std::to_string(row), mtConfirmation, {mbYes, mbNo},
                   0) != mrYes)
        return;
    std::move(ArrTargetConf.begin() + row, ArrTargetConf.end(), ArrTargetConf.begin() + row - 1);
    ArrTargetConf.back().reset();
    Delete_Grid_Row(row, *ECG);
}

void TFEtherNetIP_Master_Access::Btn_InsRowClick()
{
    const int row = ECG->Row();
    // The last row's content is lost to the insert, and its configuration with it.
    std::move_backward(ArrTargetConf.begin() + row - 1, ArrTargetConf.end() - 1, ArrTargetConf.end());
    ArrTargetConf[row - 1].reset();
    TRuleEditorForm::Btn_InsRowClick();
}

void TFEtherNetIP_Master_Access::DblClickCell(TObject* Sender, int ARow, int ACol)
{
    TRuleEditorForm::DblClickCell(Sender, ARow, ACol);
    if (ARow > 0 && ACol == Col_Data_Segment && ArrTargetConf[ARow - 1]) Edit_Data_Segment(ARow);
}

void TFEtherNetIP_Master_Access::Edit_Data_Segment(int Row)
{
    TTargetConfig& config = *ArrTargetConf[Row - 1];
    std::unique_ptr<TTargetConfig> copy = FEtherNetIP_Data_Seg->CopyTargetConf(config);
    FEtherNetIP_Data_Seg->TC = copy.get();
    const TModalResult result = FEtherNetIP_Data_Seg->ShowModal();
    FEtherNetIP_Data_Seg->TC = nullptr;
    if (result != mrOk) return;
    for (size_t i = 0; i < config.ListParamObject.size(); ++i)
        config.ListParamObject[i].Value = copy->ListParamObject[i].Value;
    ECG->SetCells(Col_Data_Segment, Row, config.GetConfigStrData());
}

int TFEtherNetIP_Master_Access::Free_Target_Row() const
{
    for (int r = 1; r <= Scan_List_Targets; ++r)
        if (Trim(ECG->Cells(Col_IP_Address, r)).empty() && Trim(ECG->Cells(Col_Instance_T_O, r)).empty())
            return r;
    return 0;
}

// A full list is told before the file dialog and the chooser: the user would otherwise pick
// a file and a connection only to learn that there is no row to put it in.
void TFEtherNetIP_Master_Access::Btn_Import_EDSClick()
{
    const int row = Free_Target_Row();
    if (row == 0) {
        Show_Error(Lang_Table[898]);
        return;
    }
    if (!OD_EDS->Execute()) return;
    TFEtherNEtIP_EDS& chooser = *FEtherNEtIP_EDS;
    chooser.EDS_FileName = OD_EDS->FileName;
    if (chooser.ShowModal() == mrOk) Import_Connection(chooser, row);
}

void TFEtherNetIP_Master_Access::Import_Connection(const TFEtherNEtIP_EDS& Chooser, int Row)
{
    const int chosen = Chooser.ECG->Row();
    // OK pressed before the chooser closed itself over a file without connections.
    if (chosen < 1 || chosen > static_cast<int>(Chooser.List_Conn().size())) return;
    const TConnData& connection = Chooser.List_Conn()[static_cast<size_t>(chosen - 1)];
    // Everything is read and decoded before the row changes, so an import that fails
    // leaves the row as it was.
    std::unique_ptr<TTargetConfig> config;
    if (!connection.TargetConfSize.empty() && !connection.TargetConfFormat.empty())
        config = std::make_unique<TTargetConfig>(Chooser.TargetConfigOf(connection));
    for (const auto& [from, to] : Chooser_Row_Columns)
        ECG->SetCells(to, Row, Chooser.ECG->Cells(from, chosen));
    if (Chooser.Identity().IsKnown())
        ECG->SetCells(Col_Electronic_Key, Row, Chooser.Identity().ElectronicKeyText());
    ECG->SetCells(Col_Data_Segment, Row, config ? config->GetConfigStrData() : std::string());
    ArrTargetConf[Row - 1] = std::move(config);
}
