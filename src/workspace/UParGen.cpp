#include "workspace/UParGen.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Mouse.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TFParGen* FParGen = nullptr;

namespace {
constexpr int Client_Width = 460;
constexpr int Client_Height = 700;
constexpr TColor Header_Gradient_Color = 14211303;
constexpr int Wide_Check_Width = 415;   // a check box alone in its row
constexpr int Narrow_Check_Width = 170; // a check box beside fields
constexpr int Version_Check_Width = 60;
constexpr int Dot_Offset = 2; // of a "." label after its octet edit

const std::string IP_Prefix = "E_EtherNetIP_Master_IP";
const std::string SM_Prefix = "E_EtherNetIP_Master_SM";
const std::string GAT_Prefix = "E_EtherNetIP_Master_GAT";

bool Fields_Are_Check_Boxes(const TPanel_Row& row) { return row.Kind == TRow_Kind::Version_Checks; }

std::string Name_Of(TObject* sender)
{
    const auto* component = dynamic_cast<TComponent*>(sender);
    return component ? component->Name() : "";
}
} // namespace

TFParGen::TFParGen(TComponent* owner) : TTitledForm(owner, 400, 401)
{
    SetBorderIcons({biSystemMenu});
    SetShowHint(true);
    SetClientSize(Client_Width, Client_Height);

    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 217, mrNone);
    Btn_OK->SetAnchors({akTop, akRight});
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 335, mrCancel);
    Btn_Cancel->SetAnchors({akTop, akRight});

    CPG = Add_Control<TCategoryPanelGroup>(this, this, "CPG");
    CPG->SetAlign(alClient);
    CPG->SetColor(Window_Color);
    CPG->HeaderFont()->SetName("Verdana");
    CPG->HeaderFont()->SetHeight(-15);
    CPG->HeaderFont()->SetStyle({fsBold});
    CPG->HeaderFont()->SetColor(clGray);
    CPG->SetGradientBaseColor(Header_Gradient_Color);
    CPG->SetGradientColor(Header_Gradient_Color);
    CPG->SetChevronHotColor(clRed);
    for (const TComm_Panel_Info& info : Comm_Panels())
        Build_Panel(info);

    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnResize = [this](TObject* sender) { FormResize(sender); };
    OnMouseWheel = [this](TObject* sender, TShiftState shift, int delta, TPoint pos, bool& handled) {
        FormMouseWheel(sender, shift, delta, pos, handled);
    };

    Order_TAB_Panels();
    Move_GroupBoxs();
}

void TFParGen::Build_Panel(const TComm_Panel_Info& info)
{
    auto* panel = Add_Control<TCategoryPanel>(this, CPG, info.Name);
    panel->SetColor(Window_Color);
    panel->SetVisible(false);
    panels_[static_cast<size_t>(info.Panel)] = panel;
    std::vector<TRow_Controls>& rows = rows_[static_cast<size_t>(info.Panel)];
    for (const TPanel_Row& row : info.Rows)
        rows.push_back(Build_Row(panel->Surface(), row));
    Apply_Layout(info.Panel, RePosition_Object(info.Panel, TLayout_State{}, CPG->HeaderHeight()));
}

TFParGen::TRow_Controls TFParGen::Build_Row(TWinControl* surface, const TPanel_Row& row)
{
    TRow_Controls controls;
    if (Caption_Is_Check(row)) {
        auto* check = Add_Control<TCheckBox>(this, surface, row.Caption);
        const int width = row.Kind == TRow_Kind::Check ? Wide_Check_Width : Narrow_Check_Width;
        check->SetBounds(Caption_Left, 0, row.Caption_Width ? row.Caption_Width : width, Check_Height);
        check->SetTabStop(true);
        check->OnClick = [this](TObject* sender) { On_Click(sender); };
        controls.Caption = check;
    } else {
        auto* label = Add_Control<TLabel>(this, surface, row.Caption);
        label->SetLeft(Caption_Left);
        controls.Caption = label;
    }
    const std::vector<std::string> names = Row_Field_Names(row);
    const std::vector<std::string> texts = Row_Initial_Texts(row);
    for (size_t i = 0; i < names.size(); ++i) {
        TControl* field = Build_Field(surface, row, names[i], texts[i], i);
        field->SetEnabled(row.Enabled);
        controls.Fields.push_back(field);
        if (names.size() == 4 && i < 3) {
            const std::string dotName = "L_" + row.Field.substr(2) + "_Dot" + std::to_string(i + 1);
            auto* dot = Add_Control<TLabel>(this, surface, dotName);
            dot->SetCaption(".");
            dot->SetLeft(field->Left() + Octet_Width + Dot_Offset);
            controls.Dots.push_back(dot);
        }
    }
    return controls;
}

TControl* TFParGen::Build_Field(TWinControl* surface, const TPanel_Row& row, const std::string& name,
                                const std::string& text, size_t index)
{
    const int position = static_cast<int>(index);
    switch (row.Kind) {
    case TRow_Kind::List: {
        auto* list = Add_Control<TComboBox>(this, surface, name);
        list->SetStyle(csDropDownList);
        for (const std::string& item : row.Items)
            list->Items()->Add(item);
        list->SetItemIndex(row.Item_Index);
        list->SetBounds(row.Left, 0, row.Width, Field_Height);
        list->SetTabStop(true);
        list->OnChange = [this](TObject* sender) { On_Change(sender); };
        return list;
    }
    case TRow_Kind::Version_Checks: {
        auto* check = Add_Control<TCheckBox>(this, surface, name);
        check->SetCaption(std::to_string(index + 1));
        check->SetBounds(Field_Left + Version_Pitch * position, 0, Version_Check_Width, Check_Height);
        check->SetTabStop(true);
        check->OnClick = [this](TObject* sender) { On_Click(sender); };
        return check;
    }
    default: {
        auto* edit = Add_Control<TEdit>(this, surface, name);
        edit->SetText(text);
        edit->SetMaxLength(row.Max_Length);
        edit->SetTabStop(true);
        edit->OnChange = [this](TObject* sender) { On_Change(sender); };
        const bool octet = row.Kind == TRow_Kind::Octets || row.Kind == TRow_Kind::Check_Octets;
        if (octet) {
            edit->SetBounds(Field_Left + Octet_Pitch * position, 0, Octet_Width, Field_Height);
            edit->OnKeyPress = [this](TObject* sender, char32_t& key) { Octet_KeyPress(sender, key); };
        } else {
            edit->SetBounds(row.Left, 0, row.Width, Field_Height);
        }
        return edit;
    }
    }
}

void TFParGen::Set_Lang()
{
    TTitledForm::Set_Lang();
    Btn_OK->SetCaption(Lang_Table[402]);
    Btn_Cancel->SetCaption(Lang_Table[403]);
    Btn_OK->SetHint(Lang_Table[404]);
    Btn_Cancel->SetHint(Lang_Table[405]);
    for (const TComm_Panel_Info& info : Comm_Panels()) {
        const std::vector<TRow_Controls>& rows = rows_[static_cast<size_t>(info.Panel)];
        for (size_t i = 0; i < rows.size(); ++i) {
            int text = info.Rows[i].Text;
            rows[i].Caption->SetCaption(Lang_Table[text++]);
            if (Caption_Is_Check(info.Rows[i])) rows[i].Caption->SetHint(Lang_Table[text++]);
            for (TControl* field : rows[i].Fields)
                field->SetHint(Lang_Table[text++]);
        }
    }
}

// The titles take the texts of the language in use now and keep them.
void TFParGen::Order_TAB_Panels()
{
    for (TCategoryPanel* panel : panels_)
        panel->SetVisible(false);
    int top = 0;
    for (const TPanel_Order& order : ::Order_TAB_Panels(Model_Variant(Configurator_Model))) {
        TCategoryPanel* panel = Panel(order.Panel);
        panel->SetVisible(true);
        panel->SetTop(top);
        top += panel->Height();
        panel->SetCaption(order.Title);
        panel->SetTabOrder(order.Tab_Order);
    }
}

void TFParGen::Move_GroupBoxs()
{
    const TModel_Variant& variant = Model_Variant(Configurator_Model);
    const std::array<TPanel_Layout, 2> layouts =
        RePosition_Objects(variant, Layout_State(), CPG->HeaderHeight());
    Apply_Layout(variant.First, layouts[0]);
    Apply_Layout(TComm_Panel::EtherNetIP_Master, layouts[1]);
}

void TFParGen::Apply_Layout(TComm_Panel panel, const TPanel_Layout& layout)
{
    const std::vector<TPanel_Row>& rows = Comm_Panel(panel).Rows;
    const std::vector<TRow_Controls>& controls = rows_[static_cast<size_t>(panel)];
    for (size_t i = 0; i < rows.size(); ++i) {
        const TRow_Place& place = layout.Rows[i];
        const int fieldTop = Fields_Are_Check_Boxes(rows[i]) ? place.Caption_Top : place.Field_Top;
        const auto put = [&](TControl* control, int top) {
            control->SetTop(top);
            control->SetVisible(place.Visible);
        };
        put(controls[i].Caption, place.Caption_Top);
        for (TControl* field : controls[i].Fields)
            put(field, fieldTop);
        for (TControl* dot : controls[i].Dots)
            put(dot, place.Caption_Top);
    }
    Panel(panel)->SetHeight(layout.Height);
}

TLayout_State TFParGen::Layout_State() const
{
    TLayout_State state;
    state.SNMP_Version3 = Check_Named("CB_SNMP_Agent_Version3")->Checked();
    state.SNMP_Security_Level = List_Named("CB_SNMP_Agent_SecurityLevel")->ItemIndex();
    state.BACnet_Type = List_Named("CB_BACnet_Slave_Type")->ItemIndex();
    state.MQTT_Will_Flag = Check_Named("CB_MQTT_WillFlag")->Checked();
    return state;
}

void TFParGen::On_Change(TObject* Sender)
{
    const std::string name = Name_Of(Sender);
    if (name == "CB_SNMP_Agent_SecurityLevel" || name == "CB_BACnet_Slave_Type") Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender)
{
    const std::string name = Name_Of(Sender);
    if (name == "CB_SNMP_Agent_Version3" || name == "CB_MQTT_WillFlag") Move_GroupBoxs();
}

// A damaged file is reported, and the window opens with what could still be read and the
// defaults for the rest, so that OK keeps the user's values. A file that cannot be read at
// all (no right to read it, or no file at all at its path) stops the showing with its
// error, as the rule windows do: opened on the defaults, OK would write them over the
// user's intact file. The broken file stays as it is until OK replaces it.
void TFParGen::FormShow(TObject*)
{
    TParGen_Data data;
    std::string damage = Load_ParGen_File(File_ParGen, data);
    if (!damage.empty()) damage += ". " + Lang_Table[Txt_ParGen_Readable_Part_Kept];
    Show_Data(data);
    Move_GroupBoxs();
    if (!damage.empty()) MessageDlg(damage, mtError, {mbOK}, 0);
}

void TFParGen::Btn_OKClick(TObject*)
{
    if (const std::optional<int> error = Check_And_Save_ParGen(File_ParGen, Field_Data())) {
        MessageDlg(Lang_Table[*error], mtError, {mbOK}, 0);
        return;
    }
    SetModalResult(mrOk);
}

void TFParGen::Octet_KeyPress(TObject* Sender, char32_t& Key)
{
    if (Key != U'.') return;
    Key = 0;
    const std::string next = Octet_Jump_Target(Name_Of(Sender));
    if (next.empty()) return;
    TEdit* edit = Edit_Named(next);
    if (edit->CanFocus()) edit->SetFocus();
}

void TFParGen::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled)
{
    if (!PtInRect(CPG->ClientRect(), CPG->ScreenToClient(MousePos))) return;
    Handled = true;
    const Word direction = WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int line = 0; line < Mouse->WheelScrollLines(); ++line) {
        CPG->Perform(WM_VSCROLL, direction, 0);
        CPG->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
    }
}

void TFParGen::FormResize(TObject*)
{
    if (ClientWidth() != Client_Width) SetClientWidth(Client_Width);
}

void TFParGen::Show_Octets(const std::string& prefix, const TOctet_Texts& octets)
{
    for (size_t i = 0; i < octets.size(); ++i)
        Edit_Named(prefix + std::to_string(i + 1))->SetText(octets[i]);
}

TOctet_Texts TFParGen::Octets_Of(const std::string& prefix) const
{
    TOctet_Texts octets;
    for (size_t i = 0; i < octets.size(); ++i)
        octets[i] = Edit_Named(prefix + std::to_string(i + 1))->Text();
    return octets;
}

void TFParGen::Show_Data(const TParGen_Data& data)
{
    Show_Octets(IP_Prefix, data.EtherNetIP_Master_IP);
    Show_Octets(SM_Prefix, data.EtherNetIP_Master_SM);
    Show_Octets(GAT_Prefix, data.EtherNetIP_Master_GAT);
    Check_Named("CB_EtherNetIP_Master_GAT")->SetChecked(data.EtherNetIP_Master_EN_GAT);
    Edit_Named("E_EtherNetIP_Master_Port")->SetText(EtherNetIP_Master_Port_Const);
    Edit_Named("E_CANopen_IDDevice")->SetText(data.CANopen_IDDevice);
    List_Named("CB_CANopen_Baudrate")->SetItemIndex(data.CANopen_Baudrate);
    Check_Named("CB_CANopen_SetOpe")->SetChecked(data.CANopen_SetOpe);
    Check_Named("CB_CANopen_NetOpe")->SetChecked(data.CANopen_NetOpe);
    Edit_Named("E_CANopen_NetOpe_Delay")->SetText(data.CANopen_NetOpe_Delay);
    Edit_Named("E_CANopen_SDO_Timeout")->SetText(data.CANopen_SDO_Timeout);
}

TParGen_Data TFParGen::Field_Data() const
{
    TParGen_Data data;
    data.EtherNetIP_Master_IP = Octets_Of(IP_Prefix);
    data.EtherNetIP_Master_SM = Octets_Of(SM_Prefix);
    data.EtherNetIP_Master_GAT = Octets_Of(GAT_Prefix);
    data.EtherNetIP_Master_EN_GAT = Check_Named("CB_EtherNetIP_Master_GAT")->Checked();
    data.CANopen_IDDevice = Edit_Named("E_CANopen_IDDevice")->Text();
    data.CANopen_Baudrate = List_Named("CB_CANopen_Baudrate")->ItemIndex();
    data.CANopen_SetOpe = Check_Named("CB_CANopen_SetOpe")->Checked();
    data.CANopen_NetOpe = Check_Named("CB_CANopen_NetOpe")->Checked();
    data.CANopen_NetOpe_Delay = Edit_Named("E_CANopen_NetOpe_Delay")->Text();
    data.CANopen_SDO_Timeout = Edit_Named("E_CANopen_SDO_Timeout")->Text();
    return data;
}

template <class T> T* TFParGen::Named(const std::string& name) const
{
    if (auto* control = dynamic_cast<T*>(FindComponent(name))) return control;
    throw EListError("No control " + name + " in " + Name());
}

TEdit* TFParGen::Edit_Named(const std::string& name) const { return Named<TEdit>(name); }
TCheckBox* TFParGen::Check_Named(const std::string& name) const { return Named<TCheckBox>(name); }
TComboBox* TFParGen::List_Named(const std::string& name) const { return Named<TComboBox>(name); }
