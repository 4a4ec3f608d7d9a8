#pragma once
#include <memory>

#include "editors/ethernetip/OkCancelForm.h"
#include "editors/ethernetip/TargetConfig.h"
#include "grid/foundation/model/GridEnums.h"

class TExtStringGrid;

// The editor of a scan list target's configuration values, one parameter per row of
// ESG_DataSeg: a pick list for enumerated parameters, a range check for the others. It
// works on TC, a copy its caller hands it before the showing and frees after it, so a
// Cancel changes nothing.
class TFEtherNetIP_Data_Seg : public TOkCancelForm {
public:
    explicit TFEtherNetIP_Data_Seg(TComponent* owner);

    void Set_Lang() override;
    void Init_Table();
    void FormShow() override;
    void ESG_DataSegGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    // The pick list of an enumerated parameter's value cell: its entries' descriptions.
    // ACol is a real column.
    void ESG_DataSegGetEditorProp(TObject* Sender, int ACol, int ARow);
    void ESG_DataSegComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                const std::string& ASelection);
    void Btn_OKClick();
    // True when every value that is not picked from a list lies within its parameter's
    // range; then the values are taken into TC. Otherwise the first wrong row is shown.
    bool Check_Value();
    // A copy that shares nothing with its source.
    static std::unique_ptr<TTargetConfig> CopyTargetConf(const TTargetConfig& Source);

    TTargetConfig* TC = nullptr;
    TExtStringGrid* ESG_DataSeg;

private:
    void Set_Headers();
    // The parameter of a grid row; none without TC or outside its parameters.
    TTC_ParamObj* Row_Param(int ARow) const;
};

extern TFEtherNetIP_Data_Seg* FEtherNetIP_Data_Seg;
