#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "platform/rtl/Exceptions.h"
#include "workspace/UCommLayout.h"
#include "workspace/ULanguage.h"

namespace {
constexpr int Header = 24;

std::vector<std::string> Control_Names(const TPanel_Row& row)
{
    std::vector<std::string> names = Row_Field_Names(row);
    names.insert(names.begin(), row.Caption);
    return names;
}
} // namespace

// The captions and hints of a panel take consecutive texts in row order; a row of the wrong
// kind or a mistyped first text shifts every text after it.
TEST(CommPanels, RowsTakeTheirTextsInOrder)
{
    const std::vector<std::pair<TComm_Panel, std::vector<std::pair<int, int>>>> expected = {
        {TComm_Panel::CANopen, {{754, 764}}},
        {TComm_Panel::EtherNetIP_Master, {{407, 424}}},
        {TComm_Panel::PROFINET, {{426, 449}, {768, 769}}},
        {TComm_Panel::SNMP_Agent, {{478, 515}}},
        {TComm_Panel::PROFIBUS, {{529, 536}}},
        {TComm_Panel::CAN, {{541, 542}}},
        {TComm_Panel::DeviceNet_Slave, {{544, 551}}},
        {TComm_Panel::Modbus_TCP_Slave, {{556, 573}, {706, 707}}},
        {TComm_Panel::Serial, {{588, 595}}},
        {TComm_Panel::Modbus_Slave, {{598, 609}}},
        {TComm_Panel::BACnet_Slave, {{611, 652}}},
        {TComm_Panel::KNX, {{674, 677}}},
        {TComm_Panel::MQTT, {{680, 705}}},
        {TComm_Panel::Ethernet, {{709, 734}}},
    };
    ASSERT_EQ(expected.size(), static_cast<size_t>(Comm_Panel_Count));
    for (const auto& [panel, ranges] : expected) {
        std::vector<int> want, got;
        for (const auto& [first, last] : ranges)
            for (int text = first; text <= last; ++text)
                want.push_back(text);
        for (const TPanel_Row& row : Comm_Panel(panel).Rows)
            for (int i = 0; i < Row_Text_Count(row); ++i)
                got.push_back(row.Text + i);
        EXPECT_EQ(got, want) << Comm_Panel(panel).Name;
    }
}

TEST(CommPanels, ControlNamesAreUniqueAndHoldTheNamedOnes)
{
    std::set<std::string> names;
    for (const TComm_Panel_Info& panel : Comm_Panels())
        for (const TPanel_Row& row : panel.Rows)
            for (const std::string& name : Control_Names(row))
                EXPECT_TRUE(names.insert(name).second) << name;
    for (const char* name : {"E_EtherNetIP_Master_IP1",
                             "E_EtherNetIP_Master_SM4",
                             "CB_EtherNetIP_Master_GAT",
                             "E_EtherNetIP_Master_GAT4",
                             "L_EtherNetIP_Master_TunnelPort",
                             "E_EtherNetIP_Master_Port",
                             "E_CANopen_IDDevice",
                             "CB_CANopen_Baudrate",
                             "CB_CANopen_SetOpe",
                             "CB_CANopen_NetOpe",
                             "E_CANopen_NetOpe_Delay",
                             "E_CANopen_SDO_Timeout",
                             "CB_SNMP_Agent_SecurityLevel",
                             "CB_SNMP_Agent_Version3",
                             "CB_BACnet_Slave_Type",
                             "CB_MQTT_WillFlag",
                             "CB_MQTT_Clean_Session",
                             "CB_MQTT_Will_Retained",
                             "CB_PROFINET_Create_Single_Module",
                             "CB_ModbusTCPSlave_ReadInput",
                             "CB_ModbusSlave_ReadInput",
                             "CB_BACnet_Slave_Desc_32_Chars"})
        EXPECT_EQ(names.count(name), 1u) << name;
}

struct LayoutCase {
    const char* name;
    TComm_Panel panel;
    TLayout_State state;
    int height;
    int hidden;                                    // rows
    std::vector<std::pair<std::string, int>> tops; // a caption's or a field's top
};

class CommLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(CommLayout, StacksTheVisibleRows)
{
    const LayoutCase& c = GetParam();
    const TPanel_Layout layout = RePosition_Object(c.panel, c.state, Header);
    const std::vector<TPanel_Row>& rows = Comm_Panel(c.panel).Rows;
    ASSERT_EQ(layout.Rows.size(), rows.size());
    EXPECT_EQ(layout.Height, c.height);
    EXPECT_EQ(
        std::count_if(layout.Rows.begin(), layout.Rows.end(), [](const TRow_Place& p) { return !p.Visible; }),
        c.hidden);
    for (const auto& [name, top] : c.tops) {
        bool found = false;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].Caption != name && rows[i].Field != name) continue;
            found = true;
            EXPECT_TRUE(layout.Rows[i].Visible) << name;
            EXPECT_EQ(rows[i].Caption == name ? layout.Rows[i].Caption_Top : layout.Rows[i].Field_Top, top)
                << name;
        }
        EXPECT_TRUE(found) << name;
    }
}

// Heights: the bottom of the last visible control + header 24 + 12.
INSTANTIATE_TEST_SUITE_P(
    Cases, CommLayout,
    testing::Values(
        LayoutCase{
            "CANopen",
            TComm_Panel::CANopen,
            {},
            121 + 21 + 36,
            0,
            {{"CB_CANopen_NetOpe", 96}, {"E_CANopen_NetOpe_Delay", 93}, {"E_CANopen_SDO_Timeout", 121}}},
        LayoutCase{"EtherNetIP",
                   TComm_Panel::EtherNetIP_Master,
                   {},
                   93 + 21 + 36,
                   0,
                   {{"L_EtherNetIP_Master_IP", 12},
                    {"CB_EtherNetIP_Master_GAT", 68},
                    {"E_EtherNetIP_Master_Port", 93}}},
        LayoutCase{"PROFINET",
                   TComm_Panel::PROFINET,
                   {},
                   152 + 17 + 36,
                   2,
                   {{"CB_PROFINET_Create_Single_Module", 152}}},
        LayoutCase{"SNMPVersion3Off",
                   TComm_Panel::SNMP_Agent,
                   {},
                   180 + 17 + 36,
                   6,
                   {{"L_SNMP_Agent_Version", 180}}},
        LayoutCase{"SNMPNoAuthority",
                   TComm_Panel::SNMP_Agent,
                   {true, 0, 0, false},
                   233 + 21 + 36,
                   4,
                   {{"CB_SNMP_Agent_SecurityLevel", 233}}},
        LayoutCase{"SNMPAuthorityNoPrivacy",
                   TComm_Panel::SNMP_Agent,
                   {true, 1, 0, false},
                   289 + 21 + 36,
                   2,
                   {{"CB_SNMP_Agent_AuthorityMode", 289}}},
        LayoutCase{"SNMPAuthorityPrivacy",
                   TComm_Panel::SNMP_Agent,
                   {true, 2, 0, false},
                   345 + 21 + 36,
                   0,
                   {{"CB_SNMP_Agent_PrivacyMode", 345}}},
        LayoutCase{
            "SNMPLevelWithoutVersion3", TComm_Panel::SNMP_Agent, {false, 2, 0, false}, 180 + 17 + 36, 6, {}},
        LayoutCase{"BACnetIP",
                   TComm_Panel::BACnet_Slave,
                   {},
                   208 + 17 + 36,
                   8,
                   {{"L_BACnet_Slave_IP", 40},
                    {"L_BACnet_Slave_DeviceID", 180},
                    {"CB_BACnet_Slave_Desc_32_Chars", 208}}},
        LayoutCase{"BACnetMSTP",
                   TComm_Panel::BACnet_Slave,
                   {false, 0, 1, false},
                   264 + 17 + 36,
                   6,
                   {{"L_BACnet_Slave_Ser_Baudrate", 40},
                    {"CB_BACnet_Slave_Ser_Baudrate", 37},
                    {"L_BACnet_Slave_Ser_Network", 236},
                    {"E_BACnet_Slave_Ser_Network", 233},
                    {"CB_BACnet_Slave_Desc_32_Chars", 264}}},
        LayoutCase{"MQTTWillOn",
                   TComm_Panel::MQTT,
                   {false, 0, 0, true},
                   345 + 21 + 36,
                   0,
                   {{"L_MQTT_WillTopic", 180}, {"L_MQTT_Username", 292}, {"E_MQTT_SendTime", 345}}},
        LayoutCase{"MQTTWillOff",
                   TComm_Panel::MQTT,
                   {},
                   233 + 21 + 36,
                   4,
                   {{"L_MQTT_Username", 180}, {"E_MQTT_Password", 205}, {"E_MQTT_SendTime", 233}}},
        LayoutCase{"Ethernet",
                   TComm_Panel::Ethernet,
                   {},
                   121 + 21 + 36,
                   1,
                   {{"L_Ethernet_TCP_Port", 96}, {"E_Ethernet_TCP_Port", 93}, {"E_Ethernet_UDP_Port", 121}}},
        LayoutCase{"PROFIBUS", TComm_Panel::PROFIBUS, {}, 93 + 21 + 36, 0, {{"E_PROFIBUS_NB_OUT", 93}}},
        LayoutCase{"CAN", TComm_Panel::CAN, {}, 9 + 21 + 36, 0, {{"CB_CAN_Baudrate", 9}}},
        LayoutCase{"ModbusTCP",
                   TComm_Panel::Modbus_TCP_Slave,
                   {},
                   124 + 17 + 36,
                   0,
                   {{"CB_ModbusTCPSlave_ReadInput", 124}}},
        LayoutCase{"ModbusSerial",
                   TComm_Panel::Modbus_Slave,
                   {},
                   152 + 17 + 36,
                   0,
                   {{"CB_ModbusSlave_ReadInput", 152}}},
        LayoutCase{"KNX", TComm_Panel::KNX, {}, 37 + 21 + 36, 0, {{"E_KNX_IDDevice", 37}}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(CommLayout, EveryModelShowsItsPanelThenTheMaster)
{
    Load_Default_Texts();
    const std::array<TPanel_Order, 2> order = Order_TAB_Panels(Model_Variant(Configurator_Model));
    EXPECT_EQ(order[0].Panel, TComm_Panel::CANopen);
    EXPECT_EQ(order[0].Title, "1. CANopen");
    EXPECT_EQ(order[0].Tab_Order, 0);
    EXPECT_EQ(order[1].Panel, TComm_Panel::EtherNetIP_Master);
    EXPECT_EQ(order[1].Title, "2. EtherNet/IP Master");
    EXPECT_EQ(order[1].Tab_Order, 1);
    EXPECT_EQ(Order_TAB_Panels(Model_Variant(30671))[0].Title, "1. BACnet Slave");

    std::set<TComm_Panel> firsts;
    for (const TModel_Variant& variant : Model_Variants)
        firsts.insert(variant.First);
    EXPECT_EQ(firsts.size(), Model_Variants.size());
    EXPECT_EQ(firsts.count(TComm_Panel::EtherNetIP_Master), 0u);
    EXPECT_THROW(Model_Variant(30606), EListError);
}

TEST(CommLayout, DotMovesAlongTheMasterOctetsOnly)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"E_EtherNetIP_Master_IP1", "E_EtherNetIP_Master_IP2"},
        {"E_EtherNetIP_Master_IP4", "E_EtherNetIP_Master_SM1"},
        {"E_EtherNetIP_Master_SM4", "E_EtherNetIP_Master_GAT1"},
        {"E_EtherNetIP_Master_GAT3", "E_EtherNetIP_Master_GAT4"},
        {"E_EtherNetIP_Master_GAT4", ""},
        {"E_PROFINET_IP1", ""},
        {"E_EtherNetIP_Master_Port", ""}};
    for (const auto& [from, to] : cases)
        EXPECT_EQ(Octet_Jump_Target(from), to) << from;
}

struct ModelCase {
    int model;
    TComm_Panel first;
    const char* title;
    int height; // of the first panel with the controls as created, header 24
};

class CommModel : public testing::TestWithParam<ModelCase> {};

// Each model of the family, as the window would be built for it: its own panel first, then
// the EtherNet/IP Master panel, both sized by the model's layout.
TEST_P(CommModel, ShowsItsPanelThenTheMasterSizedByItsLayout)
{
    Load_Default_Texts();
    const ModelCase& c = GetParam();
    const TModel_Variant& variant = Model_Variant(c.model);
    const std::array<TPanel_Order, 2> order = Order_TAB_Panels(variant);
    EXPECT_EQ(order[0].Panel, c.first);
    EXPECT_EQ(order[0].Title, std::string("1. ") + c.title);
    EXPECT_EQ(order[0].Tab_Order, 0);
    EXPECT_EQ(order[1].Panel, TComm_Panel::EtherNetIP_Master);
    EXPECT_EQ(order[1].Title, "2. EtherNet/IP Master");
    EXPECT_EQ(order[1].Tab_Order, 1);
    const std::array<TPanel_Layout, 2> layouts = RePosition_Objects(variant, TLayout_State{}, Header);
    EXPECT_EQ(layouts[0].Height, c.height);
    EXPECT_EQ(layouts[1].Height, 93 + 21 + 36);
}

INSTANTIATE_TEST_SUITE_P(
    Family, CommModel,
    testing::Values(ModelCase{30548, TComm_Panel::SNMP_Agent, "SNMP Agent", 180 + 17 + 36},
                    ModelCase{30584, TComm_Panel::PROFIBUS, "PROFIBUS", 93 + 21 + 36},
                    ModelCase{30592, TComm_Panel::CAN, "CAN", 9 + 21 + 36},
                    ModelCase{30605, TComm_Panel::CANopen, "CANopen", 121 + 21 + 36},
                    ModelCase{30613, TComm_Panel::DeviceNet_Slave, "DeviceNet Slave", 93 + 21 + 36},
                    ModelCase{30628, TComm_Panel::PROFINET, "PROFINET", 152 + 17 + 36},
                    ModelCase{30637, TComm_Panel::Modbus_TCP_Slave, "Modbus TCP Slave", 124 + 17 + 36},
                    ModelCase{30649, TComm_Panel::Serial, "Serial", 93 + 21 + 36},
                    ModelCase{30652, TComm_Panel::Ethernet, "Ethernet", 121 + 21 + 36},
                    ModelCase{30664, TComm_Panel::Modbus_Slave, "Modbus Slave", 152 + 17 + 36},
                    ModelCase{30671, TComm_Panel::BACnet_Slave, "BACnet Slave", 208 + 17 + 36},
                    ModelCase{30694, TComm_Panel::KNX, "KNX", 37 + 21 + 36},
                    ModelCase{30715, TComm_Panel::MQTT, "MQTT", 233 + 21 + 36}),
    [](const testing::TestParamInfo<ModelCase>& info) { return std::to_string(info.param.model); });

// The conditional layouts reached through a model's own sizing operation.
TEST(CommModelLayout, SwitchesFollowTheModelsLayout)
{
    const auto first = [](int model, const TLayout_State& state) {
        return RePosition_Objects(Model_Variant(model), state, Header)[0];
    };
    EXPECT_EQ(first(30671, {false, 0, 1, false}).Height, 264 + 17 + 36);
    EXPECT_EQ(first(30548, {true, 2, 0, false}).Height - first(30548, {true, 1, 0, false}).Height,
              2 * Row_Pitch);
    EXPECT_EQ(first(30715, {false, 0, 0, true}).Height - first(30715, {}).Height, 4 * Row_Pitch);
    EXPECT_EQ(first(30605, {true, 2, 1, true}).Height, first(30605, {}).Height) << "switches of other panels";
}
