#include "workspace/UComon.h"

#include <vector>

#include "platform/os/SerialPorts.h"
#include "platform/rtl/SysUtils.h"

const std::string SW_Code_Const = "CF30605";
const std::string SW_Desc_Const = "EtherNet/IP Master / CANopen - Converter";
const std::string SW_Update_Code_Const = "CF30628";

std::string Project_Name;
std::string Project_Dir;
std::string Exe_Dir;
std::string Master_Dir;
std::string Projects_Dir;
std::string Language_Dir;
std::string Main_Title;
std::string SW_Code = SW_Code_Const;
std::string SW_Desc = SW_Desc_Const;
std::string Last_IP_Address = "192.168.2.205";
int32_t Update_Option = 0;
uint8_t Update_Read_Back = 1;
std::string Language_Name = "English";
uint8_t Opt_Enable_Internet = 0;
uint8_t Opt_Enable_Update = 0;
uint8_t Opt_Jump_Field_Tables = 0;
uint8_t Opt_Double_Click_Auto_Size = 0;

TStringList Copy_Row_Buffer;
TStringList MIB_Read_Desc_List;
TStringList MIB_Write_Desc_List;

std::string File_ParGen;
std::string File_EtherNetIP_Master_Rules;
std::string File_SNMP_Trap;
std::string File_CAN_Rec_Frames;
std::string File_CAN_Send_Frames;
std::string File_BACnet_Slave_SetAccess;
std::string File_KNX_SetAccess;
std::string File_MQTT_Set_Topic;
std::string File_SDO_Server_CANopen;
std::string File_SDO_Client_CANopen;
std::string File_PDO_CANopen;

void Set_Program_Dirs(const std::string& exeDir)
{
    Exe_Dir = exeDir;
    Master_Dir = Exe_Dir + "/MASTER";
    Projects_Dir = Exe_Dir + "/PROJECTS";
    Language_Dir = Exe_Dir + "/LANGUAGE";
}

namespace {
// Cuts the text before the first separator into head (trimmed) and keeps the rest;
// false when there is no separator.
bool CutAt(std::string& rest, char separator, std::string& head)
{
    const size_t at = rest.find(separator);
    if (at == std::string::npos) return false;
    head = Trim(rest.substr(0, at));
    rest = Trim(rest.substr(at + 1));
    return true;
}

bool InRange(const std::string& part, int min, int max, int& value)
{
    return TryStrToInt(part, value) && value >= min && value <= max;
}

// The parts of a text cut at every separator, each trimmed.
std::vector<std::string> SplitTrimmed(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string rest = text;
    std::string head;
    while (CutAt(rest, separator, head)) parts.push_back(head);
    parts.push_back(Trim(rest));
    return parts;
}

bool ValidIndividualAddress(const std::string& text, bool allowZero)
{
    if (text.find('/') != std::string::npos) return false;
    int value = 0;
    if (text.find('.') == std::string::npos) return InRange(Trim(text), 1, 65535, value);
    const auto parts = SplitTrimmed(text, '.');
    if (parts.size() != 3) return false;
    int area = 0, line = 0, device = 0;
    if (!InRange(parts[0], 0, 15, area) || !InRange(parts[1], 0, 15, line) || !InRange(parts[2], 0, 255, device))
        return false;
    return allowZero || area != 0 || line != 0 || device != 0;
}

bool ValidGroupAddress(const std::string& text)
{
    if (text.find('.') != std::string::npos) return false;
    int value = 0;
    if (text.find('/') == std::string::npos) return InRange(Trim(text), 1, 65535, value);
    const auto parts = SplitTrimmed(text, '/');
    int main = 0, middle = 0, sub = 0;
    if (parts.size() == 2)
        return InRange(parts[0], 0, 31, main) && InRange(parts[1], 0, 2047, sub) && (main != 0 || sub != 0);
    if (parts.size() == 3)
        return InRange(parts[0], 0, 31, main) && InRange(parts[1], 0, 7, middle) && InRange(parts[2], 0, 255, sub) &&
               (main != 0 || middle != 0 || sub != 0);
    return false;
}
}  // namespace

bool Check_IP_Address(const std::string& text, std::string& part1, std::string& part2, std::string& part3,
                      std::string& part4)
{
    std::string rest = Trim(text);
    if (!CutAt(rest, '.', part1) || !CutAt(rest, '.', part2) || !CutAt(rest, '.', part3)) return false;
    part4 = rest;
    int value = 0;
    for (const std::string* part : {&part1, &part2, &part3, &part4})
        if (!InRange(*part, 0, 255, value)) return false;
    return true;
}

bool IP_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4)
{
    b1 = b2 = b3 = b4 = 0;
    std::string rest = Trim(text);
    if (rest.empty()) return true;
    bool error = false;
    std::string part;
    for (uint8_t* byte : {&b1, &b2, &b3}) {
        if (!CutAt(rest, '.', part)) {
            part.clear();
        }
        int value = 0;
        if (InRange(part, 0, 255, value)) *byte = static_cast<uint8_t>(value);
        else error = true;
    }
    int value = 0;
    if (InRange(rest, 0, 255, value)) b4 = static_cast<uint8_t>(value);
    else error = true;
    return error;
}

bool Is_Group_Address(const std::string& text) { return text.find('.') == std::string::npos; }

int Check_KNX_Address(const std::string& text, bool group, bool allowZero)
{
    return (group ? ValidGroupAddress(text) : ValidIndividualAddress(text, allowZero)) ? 0 : 1;
}

std::unique_ptr<TStringList> Get_COM_Port_List()
{
    auto ports = std::make_unique<TStringList>();
    for (int n = 1; n <= 256; ++n)
        if (SerialPortPresent(n)) ports->Add(IntToStr(n));
    return ports;
}
