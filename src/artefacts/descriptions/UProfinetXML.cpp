#include "artefacts/descriptions/UProfinetXML.h"

#include <algorithm>
#include <limits>

#include "artefacts/descriptions/UDescriptionFiles.h"
#include "artefacts/descriptions/UXmlLines.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"
#include "workspace/UFileNames.h"

std::string PROFINET_Station_Name;
bool PROFINET_Single_Module = false;
int PROFINET_Module_Count = 0;
std::array<std::pair<int32_t, int32_t>, PROFINET_Max_Modules> PROFINET_Module_Sizes{};

namespace {
using A = TXmlLines::Attributes;

const std::string GSDML_Namespace = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";
const std::string Schema_Instance_Namespace = "http://www.w3.org/2001/XMLSchema-instance";

// Ten targets of up to a few thousand bytes each cannot reach the limits, but a damaged rule
// file can: the sum stops at the limit instead of wrapping.
int32_t Add_Clamped(int32_t sum, int32_t value)
{
    const int64_t wide = static_cast<int64_t>(sum) + value;
    return static_cast<int32_t>(
        std::clamp<int64_t>(wide, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void Read_Station(const std::string& path)
{
    TXMLDocument xml;
    xml.LoadFromFile(path);
    const TXMLNode root = xml.DocumentElement();
    PROFINET_Station_Name = Element_Text(root, "PROFINET_NAME_STA", PROFINET_Station_Name);
    PROFINET_Single_Module = Element_Text(root, "PROFINET_Create_Single_Module") == "1";
}

void Read_Targets(const std::string& path)
{
    TXMLDocument xml;
    xml.LoadFromFile(path);
    const TXMLNode root = xml.DocumentElement();
    if (!root) return;
    int targets = 0;
    for (TXMLNode row = root.FirstChild(); row && targets < PROFINET_Max_Modules; row = row.NextSibling()) {
        if (row.NodeType() != TXMLNodeType::ntElement) continue;
        const int32_t in = StrToIntDef(row.Attribute("Num_Input"), 0);
        const int32_t out = StrToIntDef(row.Attribute("Num_Output"), 0);
        auto& sizes = PROFINET_Module_Sizes[PROFINET_Single_Module ? 0 : targets];
        sizes = PROFINET_Single_Module
                    ? std::pair{Add_Clamped(sizes.first, in), Add_Clamped(sizes.second, out)}
                    : std::pair{in, out};
        ++targets;
    }
    PROFINET_Module_Count = PROFINET_Single_Module ? std::min(targets, 1) : targets;
}

void Write_Header(TXmlLines& xml)
{
    // The bytes are UTF-8, and the declaration says so: a station name with a non-ASCII
    // character must read back as written.
    xml.Line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    xml.Comment("A fieldbus integration example.");
    xml.Open("ISO15745Profile",
             {{"xmlns", GSDML_Namespace},
              {"xmlns:xsi", Schema_Instance_Namespace},
              {"xsi:schemaLocation", GSDML_Namespace + " ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd"}});
    xml.Open("ProfileHeader");
    xml.Text("ProfileIdentification", "PROFINET Device Profile");
    xml.Text("ProfileRevision", "1.00");
    xml.Text("ProfileName", "Device Profile for PROFINET Devices");
    xml.Text("ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
    xml.Text("ProfileClassID", "Device");
    xml.Open("ISO15745Reference");
    xml.Text("ISO15745Part", "4");
    xml.Text("ISO15745Edition", "1");
    xml.Text("ProfileTechnology", "GSDML");
    xml.Close("ISO15745Reference");
    xml.Close("ProfileHeader");
}

// Name and info texts of a ModuleInfo.
void Module_Info(TXmlLines& xml, const std::string& name, const std::string& info)
{
    xml.Open("ModuleInfo");
    xml.Empty("Name", {{"TextId", name}});
    xml.Empty("InfoText", {{"TextId", info}});
    xml.Close("ModuleInfo");
}

void Write_Access_Point(TXmlLines& xml)
{
    const std::string& station = PROFINET_Station_Name;
    xml.Open("DeviceAccessPointList");
    xml.Open("DeviceAccessPointItem", {{"PNIO_Version", "V2.3"},
                                       {"RequiredSchemaVersion", "V2.25"},
                                       {"ID", "IDD_1"},
                                       {"PhysicalSlots", "0..127"},
                                       {"ModuleIdentNumber", "0x00000001"},
                                       {"MinDeviceInterval", "64"},
                                       {"ImplementationType", station},
                                       {"DNS_CompatibleName", station},
                                       {"FixedInSlots", "0"},
                                       {"ObjectUUID_LocalIndex", "1"},
                                       {"MultipleWriteSupported", "true"},
                                       {"MaxSupportedRecordSize", "8192"},
                                       {"ParameterizationSpeedupSupported", "true"},
                                       {"PowerOnToCommReady", "350"},
                                       {"DeviceAccessSupported", "true"},
                                       {"CheckDeviceID_Allowed", "false"},
                                       {"NameOfStationNotTransferable", "true"}});
    xml.Open("ModuleInfo");
    xml.Empty("Name", {{"TextId", "IDT_NAME_DAP1"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_DAP1"}});
    xml.Empty("VendorName", {{"Value", "Quorvane"}});
    xml.Empty("OrderNumber", {{"Value", "GW30628-Q1"}});
    xml.Close("ModuleInfo");
    xml.Open("SubslotList");
    for (const auto& [number, text] : {std::pair{"1", "IDT_SUBSLOT_1"},
                                       {"32768", "IDT_SUBSLOT_Interface"},
                                       {"32769", "IDT_SUBSLOT_Port1"},
                                       {"32770", "IDT_SUBSLOT_Port2"}})
        xml.Empty("SubslotItem", {{"SubslotNumber", number}, {"TextId", text}});
    xml.Close("SubslotList");
    xml.Empty("IOConfigData",
              {{"MaxInputLength", "1440"}, {"MaxOutputLength", "1440"}, {"MaxDataLength", "2880"}});
    xml.Open("UseableModules");
    for (int k = 1; k <= PROFINET_Module_Count; ++k)
        xml.Empty("ModuleItemRef",
                  {{"ModuleItemTarget", "IDM_" + IntToStr(k)}, {"FixedInSlots", IntToStr(k)}});
    xml.Close("UseableModules");
    xml.Open("VirtualSubmoduleList");
    xml.Open("VirtualSubmoduleItem", {{"ID", "IDS_V1"}, {"SubmoduleIdentNumber", "0x00000000"}});
    xml.Empty("IOData", {{"IOPS_Length", "1"}, {"IOCS_Length", "1"}});
    Module_Info(xml, "IDT_NAME_VS1", "IDT_INFO_VS1");
    xml.Close("VirtualSubmoduleItem");
    xml.Close("VirtualSubmoduleList");
    xml.Open("SystemDefinedSubmoduleList");
    xml.Open("InterfaceSubmoduleItem", {{"ID", "IDS_I"},
                                        {"SubmoduleIdentNumber", "0x00000001"},
                                        {"SubslotNumber", "32768"},
                                        {"TextId", "IDT_NAME_IS"},
                                        {"SupportedRT_Classes", "RT_CLASS_1"},
                                        {"SupportedProtocols", "SNMP;LLDP"},
                                        {"SupportedMibs", "MIB2"}});
    xml.Open("ApplicationRelations");
    xml.Empty("TimingProperties", {{"SendClock", "32"}, {"ReductionRatio", "1 2 4 8 16 32 64 128 256 512"}});
    xml.Close("ApplicationRelations");
    xml.Close("InterfaceSubmoduleItem");
    for (const char* port : {"1", "2"})
        xml.Empty("PortSubmoduleItem", {{"ID", std::string("IDS_P") + port},
                                        {"SubmoduleIdentNumber", "0x00000002"},
                                        {"SubslotNumber", IntToStr(32768 + StrToInt(port))},
                                        {"TextId", std::string("IDT_NAME_PS") + port},
                                        {"MaxPortRxDelay", "350"},
                                        {"MaxPortTxDelay", "160"}});
    xml.Close("SystemDefinedSubmoduleList");
    xml.Comment("This element tells the engineering tool that the DAP supports fieldbus integration (slot "
                "clusters).");
    xml.Comment("<FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/>");
    xml.Close("DeviceAccessPointItem");
    xml.Close("DeviceAccessPointList");
}

// One direction's data of a module, present only when it has bytes.
void Data_Item(TXmlLines& xml, const std::string& direction, int32_t length, const std::string& text)
{
    if (length <= 0) return;
    xml.Open(direction);
    xml.Empty("DataItem", {{"DataType", "OctetString"}, {"Length", IntToStr(length)}, {"TextId", text}});
    xml.Close(direction);
}

void Write_Record(TXmlLines& xml, const std::string& module)
{
    const std::string channel = module + "_IDT_REF_channel";
    const std::string base = module + "_Base_Parameters";
    xml.Open("RecordDataList");
    xml.Open("ParameterRecordDataItem", {{"Index", "128"}, {"Length", "2"}});
    xml.Empty("Name", {{"TextId", channel}});
    xml.Empty("Const", {{"ByteOffset", "0"}, {"Data", "0x00,0x00"}});
    xml.Empty("Ref", {{"TextId", "IDT_REF_reaction_to_cpu_stop"},
                      {"Visible", "true"},
                      {"DataType", "BitArea"},
                      {"ByteOffset", "0"},
                      {"BitOffset", "0"},
                      {"BitLength", "2"},
                      {"DefaultValue", "2"},
                      {"AllowedValues", "0..2"},
                      {"ValueItemTarget", "IDV_reaction_to_cpu_stop"},
                      {"ID", "IDT_REF_reaction_to_cpu_stop"}});
    xml.Open("MenuList");
    xml.Open("MenuItem", {{"ID", channel}});
    xml.Empty("Name", {{"TextId", channel}});
    xml.Empty("MenuRef", {{"MenuTarget", base}});
    xml.Close("MenuItem");
    xml.Open("MenuItem", {{"ID", base}});
    xml.Empty("Name", {{"TextId", base}});
    xml.Empty("ParameterRef", {{"ParameterTarget", "IDT_REF_reaction_to_cpu_stop"}});
    xml.Close("MenuItem");
    xml.Close("MenuList");
    xml.Close("ParameterRecordDataItem");
    xml.Close("RecordDataList");
}

void Write_Module(TXmlLines& xml, int j)
{
    const std::string number = IntToStr(j);
    const std::string id = "IDM_" + number;
    const std::string name = "IDT_NAME_M" + number;
    const std::string info = "IDT_INFO_M" + number;
    const auto& [in, out] = PROFINET_Module_Sizes[j - 1];
    xml.Open("ModuleItem", {{"ID", id}, {"ModuleIdentNumber", "0x00000002"}});
    xml.Open("ModuleInfo");
    xml.Empty("Name", {{"TextId", name}});
    xml.Empty("InfoText", {{"TextId", info}});
    xml.Empty("OrderNumber", {{"Value", "12345-0040-M"}});
    xml.Close("ModuleInfo");
    xml.Open("VirtualSubmoduleList");
    xml.Open("VirtualSubmoduleItem", {{"ID", id}, {"SubmoduleIdentNumber", "0x" + IntToHex(j, 8)}});
    const A ioData{{"IOPS_Length", "1"}, {"IOCS_Length", "1"}};
    if (in <= 0 && out <= 0) {
        xml.Empty("IOData", ioData);
    } else {
        xml.Open("IOData", ioData);
        Data_Item(xml, "Input", in, "IDT_Input_1");
        Data_Item(xml, "Output", out, "IDT_Output_1");
        xml.Close("IOData");
    }
    Write_Record(xml, name);
    Module_Info(xml, name, info);
    xml.Close("VirtualSubmoduleItem");
    xml.Close("VirtualSubmoduleList");
    xml.Close("ModuleItem");
}

void Write_Lists(TXmlLines& xml)
{
    xml.Open("ModuleList");
    xml.Comment("The \"normal\" module carrying the FAP.");
    for (int j = 1; j <= PROFINET_Module_Count; ++j)
        Write_Module(xml, j);
    xml.Close("ModuleList");
    xml.Open("ValueList");
    xml.Open("ValueItem", {{"ID", "IDV_reaction_to_cpu_stop"}});
    xml.Open("Assignments");
    xml.Empty("Assign", {{"TextId", "IDT_ASSIGN_do_set_substitude_values"}, {"Content", "0"}});
    xml.Empty("Assign", {{"TextId", "IDT_ASSIGN_do_values_will_hold"}, {"Content", "1"}});
    xml.Empty("Assign", {{"TextId", "IDT_ASSIGN_do_continue_counting"}, {"Content", "2"}});
    xml.Close("Assignments");
    xml.Close("ValueItem");
    xml.Close("ValueList");
    xml.Open("CategoryList");
    for (const char* kind : {"DI", "DO"}) {
        const std::string k = kind;
        xml.Open("CategoryItem", {{"ID", "IDC_" + k}, {"TextId", "IDT_CATEGORY_" + k}});
        xml.Empty("InfoText", {{"TextId", "IDT_INFO_" + k}});
        xml.Close("CategoryItem");
    }
    xml.Close("CategoryList");
}

void Texts(TXmlLines& xml, std::initializer_list<std::pair<const char*, const char*>> rows)
{
    for (const auto& [id, value] : rows)
        xml.Empty("Text", {{"TextId", id}, {"Value", value}});
}

void Write_Texts(TXmlLines& xml)
{
    xml.Open("ExternalTextList");
    xml.Open("PrimaryLanguage");
    Texts(xml, {{"IDT_INFO_Device", "Quorvane Gateways"},
                {"IDT_NAME_DAP1", "EthernetIPMaster"},
                {"IDT_INFO_DAP1", "EthernetIP Adapter"},
                {"IDT_SUBSLOT_1", "Subslot 1"},
                {"IDT_SUBSLOT_Interface", "Interface"},
                {"IDT_SUBSLOT_Port1", "Port 1"},
                {"IDT_SUBSLOT_Port2", "Port 2"},
                {"IDT_RECORD_NAME_Head", "Parameters of head module"},
                {"IDT_REF_Power", "Percent power"},
                {"IDT_NAME_VS1", "Submodule V1"},
                {"IDT_INFO_VS1", "Description of submodule V1"},
                {"IDT_NAME_IS", "I"},
                {"IDT_NAME_PS1", "P1"},
                {"IDT_NAME_PS2", "P2"}});
    for (int k = 1; k <= PROFINET_Module_Count; ++k) {
        const std::string name = "IDT_NAME_M" + IntToStr(k);
        xml.Empty("Text", {{"TextId", name}, {"Value", "Module"}});
        xml.Empty("Text", {{"TextId", "IDT_INFO_M" + IntToStr(k)},
                           {"Value", "device EthernetIPSlave" + IntToStr(k)}});
        xml.Empty("Text", {{"TextId", name + "_IDT_REF_channel"}, {"Value", "Canale x"}});
        xml.Empty("Text", {{"TextId", name + "_Base_Parameters"}, {"Value", "Base Parameters"}});
    }
    Texts(xml, {{"IDT_NAME_FAP", "FAP for EthernetIPMaster"},
                {"IDT_INFO_FAP", "Description of FAP for EthernetIPMaster"},
                {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
                {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
                {"IDT_NAME_M_PB1", "EthernetIPMaster "},
                {"IDT_INFO_M_PB1", "Description of EthernetIPMaster"},
                {"IDT_NAME_S_PB1", "Module of a EthernetIPMaster"},
                {"IDT_INFO_S_PB1", "Description of module of a EthernetIPMaster"},
                {"IDT_PB_Input", "Digital input EthernetIPMaster"},
                {"IDT_PB_InputBit0", "Digital input bit EthernetIPMaster"},
                {"IDT_NAME_S1", "Submodule 1"},
                {"IDT_INFO_S1", "Description of submodule 1"},
                {"IDT_Input_1", "Input byte"},
                {"IDT_Output_1", "Output word"},
                {"IDT_CATEGORY_DI", "Digital Input"},
                {"IDT_INFO_DI", "Description of digital input"},
                {"IDT_CATEGORY_DO", "Digital output"},
                {"IDT_INFO_DO", "Description of digital output"},
                {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"}});
    for (const auto& [id, value] :
         {std::pair{"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
          {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
          {"IDT_ASSIGN_do_continue_counting", "Continue operation"}})
        xml.Empty("Text", {{"Value", value}, {"TextId", id}});
    xml.Close("PrimaryLanguage");
    xml.Close("ExternalTextList");
}
} // namespace

void Read_PROFINET_Par()
{
    PROFINET_Station_Name.clear();
    PROFINET_Single_Module = false;
    PROFINET_Module_Count = 0;
    PROFINET_Module_Sizes.fill({0, 0});
    if (PathExists(File_ParGen)) Read_Station(File_ParGen);
    if (PathExists(File_EtherNetIP_Master_Rules)) Read_Targets(File_EtherNetIP_Master_Rules);
    if (Trim(PROFINET_Station_Name).empty()) PROFINET_Station_Name = "SERIAL";
}

void Write_GSDML_File(const std::string& path)
{
    Read_PROFINET_Par();
    TStringList lines;
    TXmlLines xml(lines);
    Write_Header(xml);
    xml.Open("ProfileBody");
    xml.Open("DeviceIdentity", {{"VendorID", "0x2D6B"}, {"DeviceID", "0x0372"}});
    xml.Empty("InfoText", {{"TextId", "IDT_INFO_Device"}});
    xml.Empty("VendorName", {{"Value", "Quorvane"}});
    xml.Close("DeviceIdentity");
    xml.Open("DeviceFunction");
    xml.Empty("Family", {{"MainFamily", "Gateway"}, {"ProductFamily", "GW30628"}});
    xml.Close("DeviceFunction");
    xml.Open("ApplicationProcess");
    Write_Access_Point(xml);
    Write_Lists(xml);
    Write_Texts(xml);
    xml.Close("ApplicationProcess");
    xml.Close("ProfileBody");
    xml.Close("ISO15745Profile");
    lines.SaveToFile(path, TTextEncoding::UTF8);
}

void Create_PROFINET_XML(const std::string& fileName)
{
    const std::optional<std::string> chosen = Ask_Save_Path("PROFINET XML (*.xml)|" + fileName, fileName);
    if (!chosen) return;
    // Only the folder counts: the name follows the GSDML naming rule, whatever was typed.
    const size_t slash = chosen->rfind('/');
    const std::string path = slash == std::string::npos ? fileName : chosen->substr(0, slash + 1) + fileName;
    // The user part is taken as typed; a name the desktop's file system refuses (a separator,
    // a reserved character) must fail here as it would there, not reach another folder.
    if (!Is_Plain_File_Name(fileName))
        throw EFCreateError("Cannot create file \"" + path + "\". The file name is not valid.");
    if (!May_Replace_File(path, 911)) return;
    Write_GSDML_File(path);
}
