#include "workspace/UParGenFile.h"

#include <vector>

#include "platform/os/FileSystem.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"

const std::string ParGen_Root_Name = "Par_Gen";
const std::string ParGen_Version_Comment = "SW_VERSION = 1.002";
const std::string EtherNetIP_Master_Port_Const = "44818";
const std::array<std::string, 9> CANopen_Baudrate_Items = {"10K",  "20K",  "50K",  "100K", "125K",
                                                           "250K", "500K", "800K", "1000K"};

namespace {
const std::string IP_Prefix = "EtherNetIP_Master_IP";
const std::string SM_Prefix = "EtherNetIP_Master_SM";
const std::string GAT_Prefix = "EtherNetIP_Master_GAT";

std::string Octet_Element(const std::string& prefix, size_t index) { return prefix + IntToStr(index + 1); }

// Each element is looked up on its own: a missing one leaves its field as it is.
void Read_Text(const TXMLNode& root, const std::string& name, std::string& field)
{
    const TXMLNode element = root.FindNode(name);
    if (element) field = element.Text();
}

void Read_Octets(const TXMLNode& root, const std::string& prefix, TOctet_Texts& octets)
{
    for (size_t i = 0; i < octets.size(); ++i)
        Read_Text(root, Octet_Element(prefix, i), octets[i]);
}

bool Read_Flag(const TXMLNode& root, const std::string& name)
{
    const TXMLNode element = root.FindNode(name);
    return element && element.Text() == "1";
}

// A position outside the list keeps the default, so that a later save never writes a
// bit rate nobody chose.
int Read_Baudrate(const TXMLNode& root)
{
    int32_t position = -1;
    const TXMLNode element = root.FindNode("CANopen_BAUDRATE");
    if (element && TryStrToInt(element.Text(), position) && position >= 0 &&
        position < static_cast<int32_t>(CANopen_Baudrate_Items.size()))
        return position;
    return CANopen_Baudrate_Default;
}

void Add_Element(TXMLNode& root, const std::string& name, const std::string& text)
{
    root.AddChild(name).SetText(text);
}

void Add_Octets(TXMLNode& root, const std::string& prefix, const TOctet_Texts& octets)
{
    for (size_t i = 0; i < octets.size(); ++i)
        Add_Element(root, Octet_Element(prefix, i), octets[i]);
}

std::string Flag_Text(bool on) { return on ? "1" : "0"; }

struct TRange_Check {
    const std::string& text;
    int32_t min;
    int32_t max;
    int error;
};

void Add_Octet_Checks(std::vector<TRange_Check>& checks, const TOctet_Texts& octets, int firstError)
{
    for (size_t i = 0; i < octets.size(); ++i)
        checks.push_back({octets[i], 0, 255, firstError + static_cast<int>(i)});
}
} // namespace

std::string Load_ParGen_File(const std::string& path, TParGen_Data& data)
{
    data = TParGen_Data{};
    if (!PathExists(path)) return "";
    TXMLDocument doc;
    const std::string damage = doc.LoadReadablePart(path);
    const TXMLNode root = doc.DocumentElement();
    if (!root) return damage;
    Read_Octets(root, IP_Prefix, data.EtherNetIP_Master_IP);
    Read_Octets(root, SM_Prefix, data.EtherNetIP_Master_SM);
    Read_Octets(root, GAT_Prefix, data.EtherNetIP_Master_GAT);
    data.EtherNetIP_Master_EN_GAT = Read_Flag(root, "EtherNetIP_Master_EN_GAT");
    Read_Text(root, "CANopen_IDDev", data.CANopen_IDDevice);
    data.CANopen_Baudrate = Read_Baudrate(root);
    data.CANopen_SetOpe = Read_Flag(root, "CANopen_Set_Operational");
    data.CANopen_NetOpe = Read_Flag(root, "CANopen_Network_Start");
    Read_Text(root, "CANopen_Delay", data.CANopen_NetOpe_Delay);
    Read_Text(root, "CANopen_SDO_TimeOut", data.CANopen_SDO_Timeout);
    return damage;
}

void Save_ParGen_File(const std::string& path, const TParGen_Data& data)
{
    TXMLDocument doc;
    TXMLNode root = doc.AddChild(ParGen_Root_Name);
    doc.AddComment(ParGen_Version_Comment);
    Add_Octets(root, IP_Prefix, data.EtherNetIP_Master_IP);
    Add_Octets(root, SM_Prefix, data.EtherNetIP_Master_SM);
    Add_Octets(root, GAT_Prefix, data.EtherNetIP_Master_GAT);
    Add_Element(root, "EtherNetIP_Master_EN_GAT", Flag_Text(data.EtherNetIP_Master_EN_GAT));
    Add_Element(root, "EtherNetIP_Master_Port", EtherNetIP_Master_Port_Const);
    Add_Element(root, "CANopen_IDDev", data.CANopen_IDDevice);
    Add_Element(root, "CANopen_BAUDRATE", IntToStr(data.CANopen_Baudrate));
    Add_Element(root, "CANopen_Set_Operational", Flag_Text(data.CANopen_SetOpe));
    Add_Element(root, "CANopen_Network_Start", Flag_Text(data.CANopen_NetOpe));
    Add_Element(root, "CANopen_Delay", data.CANopen_NetOpe_Delay);
    Add_Element(root, "CANopen_SDO_TimeOut", data.CANopen_SDO_Timeout);
    doc.SaveToFile(path);
}

std::optional<int> ParGen_Check_Error(const TParGen_Data& data)
{
    std::vector<TRange_Check> checks;
    Add_Octet_Checks(checks, data.EtherNetIP_Master_IP, 450);
    Add_Octet_Checks(checks, data.EtherNetIP_Master_SM, 454);
    if (data.EtherNetIP_Master_EN_GAT) Add_Octet_Checks(checks, data.EtherNetIP_Master_GAT, 458);
    checks.push_back({data.CANopen_IDDevice, 1, 127, 765});
    if (data.CANopen_NetOpe) checks.push_back({data.CANopen_NetOpe_Delay, 0, 255, 766});
    checks.push_back({data.CANopen_SDO_Timeout, 0, 100000, 767});
    for (const TRange_Check& check : checks) {
        const int32_t value = StrToIntDef(check.text, -1);
        if (value < check.min || value > check.max) return check.error;
    }
    return std::nullopt;
}

std::optional<int> Check_And_Save_ParGen(const std::string& path, const TParGen_Data& data)
{
    const std::optional<int> error = ParGen_Check_Error(data);
    if (!error) Save_ParGen_File(path, data);
    return error;
}
