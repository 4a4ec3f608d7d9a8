#include "workspace/UCommPanels.h"

#include <initializer_list>

#include "workspace/UParGenFile.h"

namespace {
TPanel_Row Edit(const std::string& stem, int text, const std::string& value = "", int maxLength = 0)
{
    TPanel_Row row;
    row.Caption = "L_" + stem;
    row.Field = "E_" + stem;
    row.Text = text;
    row.Value = value;
    row.Max_Length = maxLength;
    return row;
}

TPanel_Row List(const std::string& stem, int text, std::vector<std::string> items, int index = 0)
{
    TPanel_Row row = Edit(stem, text);
    row.Kind = TRow_Kind::List;
    row.Field = "CB_" + stem;
    row.Items = std::move(items);
    row.Item_Index = index;
    return row;
}

TPanel_Row Octets(const std::string& stem, int text, const std::string& value)
{
    TPanel_Row row = Edit(stem, text, value);
    row.Kind = TRow_Kind::Octets;
    return row;
}

TPanel_Row Password(const std::string& stem, int text)
{
    TPanel_Row row = Edit(stem, text);
    row.Kind = TRow_Kind::Password;
    return row;
}

TPanel_Row Version_Checks(const std::string& stem, int text)
{
    TPanel_Row row = Edit(stem, text);
    row.Kind = TRow_Kind::Version_Checks;
    row.Field = "CB_" + stem;
    return row;
}

TPanel_Row Check(const std::string& stem, int text)
{
    TPanel_Row row;
    row.Kind = TRow_Kind::Check;
    row.Caption = "CB_" + stem;
    row.Text = text;
    return row;
}

TPanel_Row Check_Octets(const std::string& stem, int text, const std::string& value)
{
    TPanel_Row row = Octets(stem, text, value);
    row.Kind = TRow_Kind::Check_Octets;
    row.Caption = "CB_" + stem;
    return row;
}

TPanel_Row Shown_When(TPanel_Row row, TRow_Shown shown)
{
    row.Shown = shown;
    return row;
}

TPanel_Row Disabled(TPanel_Row row)
{
    row.Enabled = false;
    return row;
}

std::vector<TPanel_Row> When(TRow_Shown shown, std::vector<TPanel_Row> rows)
{
    for (TPanel_Row& row : rows)
        row.Shown = shown;
    return rows;
}

// IP address, subnet mask and the gateway with its check box: sixteen texts from the first.
std::vector<TPanel_Row> Address_Rows(const std::string& prefix, int text)
{
    return {Octets(prefix + "_IP", text, "192.168.0.5"), Octets(prefix + "_SM", text + 5, "255.255.255.0"),
            Check_Octets(prefix + "_GAT", text + 10, "192.168.0.1")};
}

// Serial line, bit rate, parity and stop bits.
std::vector<TPanel_Row> Serial_Rows(const std::string& prefix, int text)
{
    return {List(prefix + "_Serial", text, {"RS232", "RS485"}),
            List(prefix + "_Baudrate", text + 2,
                 {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"}, 7),
            List(prefix + "_Parity", text + 4, {"NONE", "ODD", "EVEN"}),
            List(prefix + "_StopBits", text + 6, {"1 Stop Bits", "2 Stop Bits"})};
}

std::vector<TPanel_Row> Join(std::initializer_list<std::vector<TPanel_Row>> parts)
{
    std::vector<TPanel_Row> rows;
    for (const std::vector<TPanel_Row>& part : parts)
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

std::vector<TPanel_Row> CANopen_Rows()
{
    TPanel_Row setOperational = Check("CANopen_SetOpe", 758);
    setOperational.Caption_Width = 415;
    TPanel_Row networkStart = Check("CANopen_NetOpe", 760);
    networkStart.Kind = TRow_Kind::Check_Edit;
    networkStart.Caption_Width = 293;
    networkStart.Field = "E_CANopen_NetOpe_Delay";
    networkStart.Value = "0";
    networkStart.Left = 313;
    networkStart.Width = 116;
    TPanel_Row timeOut = Edit("CANopen_SDO_Timeout", 763, "10000");
    timeOut.Left = 252;
    timeOut.Width = 177;
    const std::vector<std::string> rates(CANopen_Baudrate_Items.begin(), CANopen_Baudrate_Items.end());
    return {Edit("CANopen_IDDevice", 754, "1"),
            List("CANopen_Baudrate", 756, rates, CANopen_Baudrate_Default), setOperational, networkStart,
            timeOut};
}

std::vector<TPanel_Row> EtherNetIP_Master_Rows()
{
    TPanel_Row port = Disabled(Edit("EtherNetIP_Master_TunnelPort", 423, EtherNetIP_Master_Port_Const));
    port.Field = "E_EtherNetIP_Master_Port";
    return Join({Address_Rows("EtherNetIP_Master", 407), {port}});
}

std::vector<TComm_Panel_Info> Build_Panels()
{
    const std::string station = "devicename1";
    return {
        {TComm_Panel::CANopen, "CP_CANopen", CANopen_Rows()},
        {TComm_Panel::EtherNetIP_Master, "CP_EtherNetIP_Master", EtherNetIP_Master_Rows()},
        {TComm_Panel::PROFINET, "CP_PROFINET",
         Join({Address_Rows("PROFINET", 426),
               {Disabled(Edit("PROFINET_Port", 442, "34964")), Edit("PROFINET_NameStation", 444, station, 15),
                Shown_When(Edit("PROFINET_NB_IN", 446, "1438"), TRow_Shown::Never),
                Shown_When(Edit("PROFINET_NB_OUT", 448, "1438"), TRow_Shown::Never),
                Check("PROFINET_Create_Single_Module", 768)}})},
        {TComm_Panel::SNMP_Agent, "CP_SNMP_Agent",
         Join({Address_Rows("SNMP_Agent", 478),
               {Edit("SNMP_Agent_NameStation", 494, station, 15), Edit("SNMP_Agent_Contact", 496, "", 16),
                Edit("SNMP_Agent_Location", 498, "", 16)},
               {Version_Checks("SNMP_Agent_Version", 500)},
               When(TRow_Shown::SNMP_Version3,
                    {Edit("SNMP_Agent_User", 504, "", 19),
                     List("SNMP_Agent_SecurityLevel", 506,
                          {"NoAuthority NoPrivacy", "Authority NoPrivacy", "Authority Privacy"})}),
               When(TRow_Shown::SNMP_Authority, {Edit("SNMP_Agent_Authority", 508, "", 15),
                                                 List("SNMP_Agent_AuthorityMode", 510, {"MD5", "SHA"})}),
               When(TRow_Shown::SNMP_Privacy, {Edit("SNMP_Agent_Privacy", 512, "", 15),
                                               List("SNMP_Agent_PrivacyMode", 514, {"DES", "AES"})})})},
        {TComm_Panel::PROFIBUS,
         "CP_PROFIBUS",
         {Edit("PROFIBUS_IDDevice", 529, "0"), Disabled(List("PROFIBUS_Baudrate", 531, {"Auto Baudrate"})),
          Edit("PROFIBUS_NB_IN", 533, "244"), Edit("PROFIBUS_NB_OUT", 535, "244")}},
        {TComm_Panel::CAN,
         "CP_CAN",
         {List("CAN_Baudrate", 541,
               {"10K", "20K", "50K", "62.5K", "100K", "125K", "250K", "500K", "800K", "1000K"}, 9)}},
        {TComm_Panel::DeviceNet_Slave,
         "CP_DeviceNet_Slave",
         {Edit("DeviceNet_Slave_IDDevice", 544, "0"),
          List("DeviceNet_Slave_Baudrate", 546, {"125K", "250K", "500K"}, 2),
          Edit("DeviceNet_Slave_NB_IN", 548, "455"), Edit("DeviceNet_Slave_NB_OUT", 550, "455")}},
        {TComm_Panel::Modbus_TCP_Slave, "CP_Modbus_TCP_Slave",
         Join({Address_Rows("Modbus_TCP_Slave", 556),
               {Edit("Modbus_TCP_Slave_Port", 572, "502"), Check("ModbusTCPSlave_ReadInput", 706)}})},
        {TComm_Panel::Serial, "CP_Serial", Serial_Rows("Serial", 588)},
        {TComm_Panel::Modbus_Slave, "CP_Modbus_Slave",
         Join({Serial_Rows("Modbus_Slave", 598),
               {Edit("Modbus_Slave_IDDevice", 606, "1"), Check("ModbusSlave_ReadInput", 608)}})},
        {TComm_Panel::BACnet_Slave, "CP_BACnet_Slave",
         Join({{List("BACnet_Slave_Type", 611, {"BACnet/IP", "BACnet MS/TP"})},
               When(TRow_Shown::BACnet_IP, Join({Address_Rows("BACnet_Slave", 613),
                                                 {Edit("BACnet_Slave_Port", 629, "502"),
                                                  Edit("BACnet_Slave_DeviceName", 631, station, 15),
                                                  Edit("BACnet_Slave_DeviceID", 633)}})),
               When(TRow_Shown::BACnet_MSTP,
                    {List("BACnet_Slave_Ser_Baudrate", 635,
                          {"9600", "19200", "38400", "57600", "76800", "115200"}, 5),
                     List("BACnet_Slave_Ser_Parity", 637, {"NONE", "ODD", "EVEN"}),
                     Edit("BACnet_Slave_Ser_DeviceName", 639, station, 15), Edit("BACnet_Slave_Ser_MAC", 641),
                     Edit("BACnet_Slave_Ser_MaxMaster", 643), Edit("BACnet_Slave_Ser_MaxInfoFrame", 645),
                     Edit("BACnet_Slave_Ser_DeviceInstance", 647), Edit("BACnet_Slave_Ser_Network", 649)}),
               {Check("BACnet_Slave_Desc_32_Chars", 651)}})},
        {TComm_Panel::KNX,
         "CP_KNX",
         {Disabled(List("KNX_Type", 674, {"KNX TP", "KNXnet/IP"})), Edit("KNX_IDDevice", 676, "0")}},
        {TComm_Panel::MQTT, "CP_MQTT",
         Join({{Edit("MQTT_ServerURL", 680), Edit("MQTT_ServerPort", 682, "1883"), Edit("MQTT_ClientID", 684),
                Edit("MQTT_KeepAlive", 686), Check("MQTT_Clean_Session", 688), Check("MQTT_WillFlag", 690)},
               When(TRow_Shown::MQTT_Will,
                    {Edit("MQTT_WillTopic", 692), Edit("MQTT_WillMessage", 694),
                     Check("MQTT_Will_Retained", 696), List("MQTT_WillQoS", 698, {"0", "1", "2"})}),
               {Edit("MQTT_Username", 700), Password("MQTT_Password", 702), Edit("MQTT_SendTime", 704)}})},
        {TComm_Panel::Ethernet, "CP_Ethernet",
         Join({Address_Rows("Ethernet", 709),
               {Shown_When(Check_Octets("Ethernet_DNS", 725, "0.0.0.0"), TRow_Shown::Never),
                Edit("Ethernet_TCP_Port", 731), Edit("Ethernet_UDP_Port", 733)}})},
    };
}
} // namespace

bool Caption_Is_Check(const TPanel_Row& row)
{
    return row.Kind == TRow_Kind::Check || row.Kind == TRow_Kind::Check_Octets ||
           row.Kind == TRow_Kind::Check_Edit;
}

std::vector<std::string> Row_Field_Names(const TPanel_Row& row)
{
    int count = 1;
    if (row.Kind == TRow_Kind::Check) count = 0;
    if (row.Kind == TRow_Kind::Octets || row.Kind == TRow_Kind::Check_Octets) count = 4;
    if (row.Kind == TRow_Kind::Version_Checks) count = 3;
    if (count <= 1) return std::vector<std::string>(count, row.Field);
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back(row.Field + std::to_string(i));
    return names;
}

std::vector<std::string> Row_Initial_Texts(const TPanel_Row& row)
{
    const size_t count = Row_Field_Names(row).size();
    if (row.Kind != TRow_Kind::Octets && row.Kind != TRow_Kind::Check_Octets)
        return std::vector<std::string>(count, row.Value);
    std::vector<std::string> octets;
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t dot = row.Value.find('.', start);
        octets.push_back(row.Value.substr(start, dot - start));
        start = dot == std::string::npos ? row.Value.size() : dot + 1;
    }
    return octets;
}

int Row_Text_Count(const TPanel_Row& row)
{
    return 1 + (Caption_Is_Check(row) ? 1 : 0) + static_cast<int>(Row_Field_Names(row).size());
}

const std::vector<TComm_Panel_Info>& Comm_Panels()
{
    static const std::vector<TComm_Panel_Info> panels = Build_Panels();
    return panels;
}

const TComm_Panel_Info& Comm_Panel(TComm_Panel panel) { return Comm_Panels()[static_cast<size_t>(panel)]; }
