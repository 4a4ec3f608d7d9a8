#pragma once
#include "editors/ethernetip/ScanListFile.h"
#include "editors/frame/RuleEditorForm.h"

class TOpenDialog;
class TFEtherNEtIP_EDS;

// The scan list of the converter's EtherNet/IP master: up to 10 target devices, one per
// row of ECG, each with its address, the placing of its bytes in the exchange arrays, its
// connection path and optional electronic key and configuration data segment; stored in
// EtherNetIP_Master_Rules.xml. A row's target configuration (ArrTargetConf) moves with the
// row through delete and insert, and is written under the row.
class TFEtherNetIP_Master_Access : public TRuleEditorForm {
public:
    explicit TFEtherNetIP_Master_Access(TComponent* owner);

    void Set_Lang() override;
    void FormShow() override;
    bool Controllo_dati() override;
    void Btn_DelRow_Click() override;
    void Btn_InsRowClick() override;
    // On a Data Segment cell whose row has a configuration, opens the data-segment editor.
    void DblClickCell(TObject* Sender, int ARow, int ACol) override;
    // Fills the first free row from a connection of an EDS file the user picks.
    void Btn_Import_EDSClick();

    TExtColumnGrid* ECG;
    TLbButton* Btn_Import_EDS;
    TOpenDialog* OD_EDS;
    int Num_Byte_In = 1438;
    int Num_Byte_Out = 1438;
    TTargetConfigs ArrTargetConf;

protected:
    std::string Check_Row(int Table, int Row) const override;
    // A row with a blank IP address ends the list only while it is enabled.
    int Rule_Rows(int Table) const override;
    // Writes the rows with their target configurations, which it then lets go.
    void Save_Rules() override;

private:
    // The first row whose IP address and Instance T > O are both blank; 0 when none is.
    int Free_Target_Row() const;
    void Import_Connection(const TFEtherNEtIP_EDS& Chooser, int Row);
    void Edit_Data_Segment(int Row);
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
