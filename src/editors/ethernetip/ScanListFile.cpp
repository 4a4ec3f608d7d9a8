#include "editors/ethernetip/ScanListFile.h"

#include "grid/control/ExtColumnGrid.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"

namespace {
struct TAttribute {
    const char* Name;
    const char* Default; // what a missing attribute reads as
};

// Columns 1 to 18 in order.
const TAttribute Attributes[] = {
    {"Enable", "N"},
    {"IP_Address", ""},
    {"Start_Input", ""},
    {"Num_Input", ""},
    {"Start_Output", ""},
    {"Num_Output", ""},
    {"Time_Poll", ""},
    {"Instance_T_O", ""},
    {"Connection_Point_T_O", ""},
    {"Instance_O_T", ""},
    {"Connection_Point_O_T", ""},
    {"Dim_Header_T_O", "Default"},
    {"Dim_Header_O_T", "Default"},
    {"EnableElectronicKey", "N"},
    {"ElectronicKey", ""},
    {"EnableDataSegment", "N"},
    {"DataSegment", ""},
    {"Mnemonic", ""},
};

const char* const File_Name = "EtherNetIP_Master_Rules.xml";

std::string Attribute_Or(const TXMLNode& Node, const char* Name, const char* Default)
{
    return Node.HasAttribute(Name) ? Node.Attribute(Name) : Default;
}

// The elements inside a list element are read by position, whatever their names.
template <class TRead> void For_Each_Element(const TXMLNode& List, TRead Read)
{
    if (!List) return;
    for (TXMLNode child = List.FirstChild(); child; child = child.NextSibling())
        if (child.NodeType() == TXMLNodeType::ntElement) Read(child);
}

TTC_ParamObj Read_Param(const TXMLNode& Node)
{
    TTC_ParamObj param;
    param.BitSize = Node.Attribute("BitSize");
    param.ParamName = Node.Attribute("ParamName");
    param.Name = Node.Attribute("Name");
    param.DataSizeByte = StrToIntDef(Node.Attribute("DataSizeByte"), 0);
    param.DataType = StrToIntDef(Node.Attribute("DataType"), 0);
    param.Min = StrToInt64Def(Node.Attribute("Min"), 0);
    param.Max = StrToInt64Def(Node.Attribute("Max"), 0);
    param.Default = StrToInt64Def(Node.Attribute("Default"), 0);
    param.Value = StrToInt64Def(Node.Attribute("Value"), 0);
    param.Enum = Node.Attribute("Enum") == "1";
    For_Each_Element(Node.FindNode("EnumList"), [&](const TXMLNode& entry) {
        param.ListEnum.push_back({StrToIntDef(entry.Attribute("Value"), 0), entry.Attribute("Description")});
        param.EnumString.Add(entry.Attribute("Description"));
    });
    return param;
}

void Write_Param(const TTC_ParamObj& Param, TXMLNode Node)
{
    Node.SetAttribute("BitSize", Param.BitSize);
    Node.SetAttribute("ParamName", Param.ParamName);
    Node.SetAttribute("Name", Param.Name);
    Node.SetAttribute("DataSizeByte", IntToStr(Param.DataSizeByte));
    Node.SetAttribute("DataType", IntToStr(Param.DataType));
    Node.SetAttribute("Min", IntToStr(Param.Min));
    Node.SetAttribute("Max", IntToStr(Param.Max));
    Node.SetAttribute("Default", IntToStr(Param.Default));
    Node.SetAttribute("Value", IntToStr(Param.Value));
    Node.SetAttribute("Enum", Param.Enum ? "1" : "0");
    TXMLNode list = Node.AddChild("EnumList");
    for (const TTC_EnumObj& entry : Param.ListEnum) {
        TXMLNode item = list.AddChild("Enum");
        item.SetAttribute("Value", IntToStr(entry.Value));
        item.SetAttribute("Description", entry.Description);
    }
}
} // namespace

const char* Scan_List_Attribute(int Col) { return Attributes[Col - 1].Name; }

TTargetConfig Read_Target_Config(const TXMLNode& TargetCong)
{
    TTargetConfig config;
    config.FileName = TargetCong.Attribute("FileName");
    config.Size = TargetCong.Attribute("Size");
    config.Format = TargetCong.Attribute("Format");
    config.AO_Name = TargetCong.Attribute("AO_Name");
    config.AO_SizeBit = TargetCong.Attribute("AO_SizeBit");
    For_Each_Element(TargetCong.FindNode("ParamObjects"),
                     [&](const TXMLNode& node) { config.ListParamObject.push_back(Read_Param(node)); });
    return config;
}

void Write_Target_Config(const TTargetConfig& Config, TXMLNode Row)
{
    TXMLNode node = Row.AddChild("TargetCong");
    node.SetAttribute("FileName", Config.FileName);
    node.SetAttribute("Size", Config.Size);
    node.SetAttribute("Format", Config.Format);
    node.SetAttribute("AO_Name", Config.AO_Name);
    node.SetAttribute("AO_SizeBit", Config.AO_SizeBit);
    TXMLNode params = node.AddChild("ParamObjects");
    for (const TTC_ParamObj& param : Config.ListParamObject)
        Write_Param(param, params.AddChild("ParamObject"));
}

std::string Load_Scan_List(const std::string& Path, TExtColumnGrid& Grid, TTargetConfigs& Configs)
{
    if (!PathExists(Path)) return "";
    TXMLDocument xml;
    const std::string problem = xml.LoadReadablePart(Path);
    const TXMLNode root = xml.DocumentElement();
    if (!root) return problem;
    int row = 1;
    for (TXMLNode child = root.FirstChild(); child; child = child.NextSibling()) {
        if (child.NodeType() != TXMLNodeType::ntElement) continue;
        if (row > Scan_List_Targets) {
            // The next OK would drop them: the user must know before pressing it.
            return problem.empty() ? std::string(File_Name) + ": " + root.NodeName() + " holds more than " +
                                         std::to_string(Scan_List_Targets) + " rows; the rows after row " +
                                         std::to_string(Scan_List_Targets) + " are not shown"
                                   : problem;
        }
        for (int c = Col_Enable; c <= Col_Mnemonic; ++c) {
            const TAttribute& attribute = Attributes[c - 1];
            Grid.SetCells(c, row, Attribute_Or(child, attribute.Name, attribute.Default));
        }
        if (const TXMLNode targetCong = child.FindNode("TargetCong"))
            Configs[row - 1] = std::make_unique<TTargetConfig>(Read_Target_Config(targetCong));
        ++row;
    }
    return problem;
}

void Save_Scan_List(const std::string& Path, const TExtColumnGrid& Grid, const TTargetConfigs& Configs,
                    int Rows)
{
    TXMLDocument xml;
    TXMLNode root = xml.AddChild("EtherNetIP_Master_Access");
    xml.AddComment("SW_VERSION = 1.012");
    for (int r = 1; r <= Rows; ++r) {
        TXMLNode row = root.AddChild("row");
        for (int c = Col_Enable; c <= Col_Mnemonic; ++c)
            row.SetAttribute(Scan_List_Attribute(c), Grid.Cells(c, r));
        if (Configs[r - 1]) Write_Target_Config(*Configs[r - 1], row);
    }
    xml.SaveToFile(Path);
}
