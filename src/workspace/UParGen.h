#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/ui/CategoryPanels.h"
#include "workspace/UCommLayout.h"
#include "workspace/UParGenFile.h"
#include "workspace/UTitledForm.h"

// The text-table entry that follows the message of a damaged file: the values read are shown.
constexpr int Txt_ParGen_Readable_Part_Kept = 770;

// The Set Communication window: the communication parameters of the open project, kept in
// ParGen.xml. It holds a category panel for every protocol of the family and shows the two
// panels of the model it is built for; only their fields are loaded, checked and saved.
class TFParGen : public TTitledForm {
public:
    explicit TFParGen(TComponent* owner);
    void Set_Lang() override;

    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    void Btn_OKClick(TObject* Sender);
    // "." typed in an octet edit: dropped, and the focus moves on to the next octet.
    void Octet_KeyPress(TObject* Sender, char32_t& Key);
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    void Order_TAB_Panels();
    void Move_GroupBoxs();

    // The fields of the two panels as the file holds them, and back.
    TParGen_Data Field_Data() const;
    void Show_Data(const TParGen_Data& data);

    TCategoryPanel* Panel(TComm_Panel panel) const { return panels_[static_cast<size_t>(panel)]; }
    // A control of the panels by its name; raises EListError when there is none of that kind.
    TEdit* Edit_Named(const std::string& name) const;
    TCheckBox* Check_Named(const std::string& name) const;
    TComboBox* List_Named(const std::string& name) const;

    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TCategoryPanelGroup* CPG;

private:
    // The controls of one panel row: its label or check box, its fields, and the "." labels
    // between octets.
    struct TRow_Controls {
        TControl* Caption = nullptr;
        std::vector<TControl*> Fields;
        std::vector<TControl*> Dots;
    };

    void Build_Panel(const TComm_Panel_Info& info);
    TRow_Controls Build_Row(TWinControl* surface, const TPanel_Row& row);
    TControl* Build_Field(TWinControl* surface, const TPanel_Row& row, const std::string& name,
                          const std::string& text, size_t index);
    void Apply_Layout(TComm_Panel panel, const TPanel_Layout& layout);
    TLayout_State Layout_State() const;
    void Show_Octets(const std::string& prefix, const TOctet_Texts& octets);
    TOctet_Texts Octets_Of(const std::string& prefix) const;
    template <class T> T* Named(const std::string& name) const;

    std::array<TCategoryPanel*, Comm_Panel_Count> panels_{};
    std::array<std::vector<TRow_Controls>, Comm_Panel_Count> rows_;
};

extern TFParGen* FParGen;
