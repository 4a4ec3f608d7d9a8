#include "editors/ethernetip/UEtherNetIP_EDS.h"

#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "workspace/ULanguage.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

namespace {
constexpr int Chooser_Column_Widths[] = {100, 200, 100, 110, 120, 110, 120, 125, 125};
constexpr int Chooser_First_Header = 2306;
constexpr int Chooser_Columns = 9;

std::string Header_Format(uint8_t Format, uint8_t Default)
{
    return Format == Default ? std::string("Default") : std::to_string(Format);
}

const TEdsConnections No_Connections;
} // namespace

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* owner) : TOkCancelForm(owner, 2300, 1150, mrOk)
{
    ECG = Add_Control<TExtColumnGrid>(this, this, "ECG");
    ECG->SetAlign(alClient);
    ECG->SetColCount(Chooser_Columns);
    ECG->SetRowCount(2);
    ECG->SetFixedCols(0);
    ECG->SetFixedRows(1);
    ECG->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect, goColSizing});
    for (int c = 0; c < Chooser_Columns; ++c)
        ECG->Columns()->Items(c)->SetWidth(Chooser_Column_Widths[c]);
    TClose = new TTimer(this);
    TClose->SetName("TClose");
    TClose->SetEnabled(false);
    TClose->SetInterval(10);
    TClose->OnTimer = [this](TObject*) { TCloseTimer(); };
}

TFEtherNEtIP_EDS::~TFEtherNEtIP_EDS() = default;

void TFEtherNEtIP_EDS::Set_Lang()
{
    TOkCancelForm::Set_Lang();
    for (int c = 0; c < Chooser_Columns; ++c)
        ECG->SetCells(c, 0, Lang_Table[Chooser_First_Header + c]);
}

void TFEtherNEtIP_EDS::FormShow()
{
    // A window closed before its timer fired must not be closed by it on its next showing.
    TClose->SetEnabled(false);
    import_ = std::make_unique<TEdsImport>(EDS_FileName);
    ShowDatainGrid();
}

const std::vector<TConnData>& TFEtherNEtIP_EDS::List_Conn() const
{
    return (import_ ? import_->Connections() : No_Connections).List_Conn;
}

const TEdsIdentity& TFEtherNEtIP_EDS::Identity() const
{
    return (import_ ? import_->Connections() : No_Connections).Identity;
}

TTargetConfig TFEtherNEtIP_EDS::TargetConfigOf(const TConnData& Connection) const
{
    return import_->TargetConfigOf(Connection);
}

void TFEtherNEtIP_EDS::ShowDatainGrid()
{
    ECG->SetRowCount(2);
    for (int c = 0; c < ECG->TotalColCount(); ++c)
        ECG->SetCells(c, 1, "");
    const std::vector<TConnData>& connections = List_Conn();
    if (connections.empty()) {
        TClose->SetEnabled(true);
        return;
    }
    ECG->SetRowCount(static_cast<int>(connections.size()) + 1);
    for (size_t k = 0; k < connections.size(); ++k) {
        const TConnData& conn = connections[k];
        const int row = static_cast<int>(k) + 1;
        const std::string cells[Chooser_Columns] = {"Connection" + std::to_string(row),
                                            conn.ConnName,
                                            conn.HelpStr,
                                            std::to_string(conn.InstanceOT),
                                            std::to_string(conn.ConnPointOT),
                                            std::to_string(conn.InstanceTO),
                                            std::to_string(conn.ConnPointTO),
                                            Header_Format(conn.DimHeaderOT, 4),
                                            Header_Format(conn.DimHeaderTO, 0)};
        for (int c = 0; c < Chooser_Columns; ++c)
            ECG->SetCells(c, row, cells[c]);
    }
    ECG->SetRow(1);
}

void TFEtherNEtIP_EDS::TCloseTimer()
{
    TClose->SetEnabled(false);
    MessageDlg(Lang_Table[2315], mtError, {mbOK}, 0);
    SetModalResult(mrCancel);
}
