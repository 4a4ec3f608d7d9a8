#include "workspace/UCommLayout.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "workspace/ULanguage.h"

const std::array<TModel_Variant, 13> Model_Variants = {{
    {30548, TComm_Panel::SNMP_Agent, 477},
    {30584, TComm_Panel::PROFIBUS, 528},
    {30592, TComm_Panel::CAN, 540},
    {30605, TComm_Panel::CANopen, 753},
    {30613, TComm_Panel::DeviceNet_Slave, 543},
    {30628, TComm_Panel::PROFINET, 425},
    {30637, TComm_Panel::Modbus_TCP_Slave, 555},
    {30649, TComm_Panel::Serial, 587},
    {30652, TComm_Panel::Ethernet, 708},
    {30664, TComm_Panel::Modbus_Slave, 597},
    {30671, TComm_Panel::BACnet_Slave, 610},
    {30694, TComm_Panel::KNX, 673},
    {30715, TComm_Panel::MQTT, 679},
}};

namespace {
// The bottom of the control that ends a row: its field, or its check box when it has none.
int Row_Bottom(const TPanel_Row& row, const TRow_Place& place)
{
    if (row.Kind == TRow_Kind::Check || row.Kind == TRow_Kind::Version_Checks)
        return place.Caption_Top + Check_Height;
    return place.Field_Top + Field_Height;
}
} // namespace

bool Is_Row_Shown(TRow_Shown shown, const TLayout_State& state)
{
    switch (shown) {
    case TRow_Shown::Always:
        return true;
    case TRow_Shown::Never:
        return false;
    case TRow_Shown::SNMP_Version3:
        return state.SNMP_Version3;
    case TRow_Shown::SNMP_Authority:
        return state.SNMP_Version3 && state.SNMP_Security_Level >= 1;
    case TRow_Shown::SNMP_Privacy:
        return state.SNMP_Version3 && state.SNMP_Security_Level == 2;
    case TRow_Shown::BACnet_IP:
        return state.BACnet_Type != 1;
    case TRow_Shown::BACnet_MSTP:
        return state.BACnet_Type == 1;
    case TRow_Shown::MQTT_Will:
        return state.MQTT_Will_Flag;
    }
    return true;
}

TPanel_Layout RePosition_Object(TComm_Panel panel, const TLayout_State& state, int headerHeight)
{
    const std::vector<TPanel_Row>& rows = Comm_Panel(panel).Rows;
    TPanel_Layout layout;
    int line = 0;
    int bottom = 0;
    for (const TPanel_Row& row : rows) {
        TRow_Place place;
        place.Visible = Is_Row_Shown(row.Shown, state);
        place.Caption_Top = First_Caption_Top + Row_Pitch * line;
        place.Field_Top = First_Field_Top + Row_Pitch * line;
        if (place.Visible) {
            bottom = Row_Bottom(row, place);
            ++line;
        }
        layout.Rows.push_back(place);
    }
    layout.Height = bottom + headerHeight + Panel_Bottom_Margin;
    return layout;
}

const TModel_Variant& Model_Variant(int model)
{
    const auto found =
        std::find_if(Model_Variants.begin(), Model_Variants.end(),
                     [model](const TModel_Variant& variant) { return variant.Model == model; });
    if (found == Model_Variants.end())
        throw EListError("No communication panels for model " + std::to_string(model));
    return *found;
}

std::array<TPanel_Order, 2> Order_TAB_Panels(const TModel_Variant& variant)
{
    return {{{variant.First, "1. " + Lang_Table[variant.Title_Text], 0},
             {TComm_Panel::EtherNetIP_Master, "2. " + Lang_Table[EtherNetIP_Master_Title_Text], 1}}};
}

std::array<TPanel_Layout, 2> RePosition_Objects(const TModel_Variant& variant, const TLayout_State& state,
                                                int headerHeight)
{
    return {RePosition_Object(variant.First, state, headerHeight),
            RePosition_Object(TComm_Panel::EtherNetIP_Master, state, headerHeight)};
}

std::string Octet_Jump_Target(const std::string& editName)
{
    static const std::array<std::string, 12> chain = {
        "E_EtherNetIP_Master_IP1",  "E_EtherNetIP_Master_IP2",  "E_EtherNetIP_Master_IP3",
        "E_EtherNetIP_Master_IP4",  "E_EtherNetIP_Master_SM1",  "E_EtherNetIP_Master_SM2",
        "E_EtherNetIP_Master_SM3",  "E_EtherNetIP_Master_SM4",  "E_EtherNetIP_Master_GAT1",
        "E_EtherNetIP_Master_GAT2", "E_EtherNetIP_Master_GAT3", "E_EtherNetIP_Master_GAT4"};
    const auto found = std::find(chain.begin(), chain.end(), editName);
    return found == chain.end() || found + 1 == chain.end() ? "" : *(found + 1);
}
