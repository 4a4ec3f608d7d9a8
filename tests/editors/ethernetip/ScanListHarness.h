#pragma once
#include <string>
#include <vector>

#include "editors/canopen/RuleWindowHarness.h"
#include "editors/ethernetip/ScanListColumns.h"
#include "editors/ethernetip/UEtherNetIP_Data_Seg.h"
#include "editors/ethernetip/UEtherNetIP_EDS.h"
#include "editors/ethernetip/UEtherNetIP_Master_Access.h"
#include "workspace/UComon.h"

// The scan list window with the two windows it opens, created as the program creates
// them, and its rule file in a directory of its own.
class TScanListHarness : public TRuleWindowHarness<TFEtherNetIP_Master_Access> {
public:
    TScanListHarness() : TRuleWindowHarness(File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules.xml")
    {
        FEtherNEtIP_EDS = new TFEtherNEtIP_EDS(&owner);
        FEtherNEtIP_EDS->AfterConstruction();
        FEtherNetIP_Data_Seg = new TFEtherNetIP_Data_Seg(&owner);
        FEtherNetIP_Data_Seg->AfterConstruction();
    }
    ~TScanListHarness()
    {
        FEtherNEtIP_EDS = nullptr;
        FEtherNetIP_Data_Seg = nullptr;
    }
    TScanListHarness(const TScanListHarness&) = delete;
    TScanListHarness& operator=(const TScanListHarness&) = delete;
};

// A valid target in columns 1 to 18.
inline std::vector<std::string> Valid_Target()
{
    return {"Y",   "192.168.1.10", "0",       "10",      "0", "8", "100", "101", "100",
            "101", "150",          "Default", "Default", "N", "",  "N",   "",    "Pump"};
}

inline std::vector<std::string> Target_With(std::vector<std::pair<int, std::string>> Changes)
{
    std::vector<std::string> row = Valid_Target();
    for (const auto& [col, text] : Changes)
        row[col - 1] = text;
    return row;
}

// A rules file as the window writes it, whose row 1 has a configuration of a two-byte value 0 to 1000 and an
// enumerated byte.
inline const std::string Rules_File_With_Configuration =
    R"(<EtherNetIP_Master_Access>)"
    R"(<row Enable="Y" IP_Address="10.0.0.1" Start_Input="0" Num_Input="4" Start_Output="0" Num_Output="4")"
    R"( Time_Poll="50" Instance_T_O="1" Connection_Point_T_O="100" Instance_O_T="1" Connection_Point_O_T="101")"
    R"( Dim_Header_T_O="Default" Dim_Header_O_T="Default" EnableElectronicKey="N" ElectronicKey="")"
    R"( EnableDataSegment="Y" DataSegment="0x00,0x00,0x00" Mnemonic="Valve é">)"
    R"(<TargetCong FileName="/eds/valve.eds" Size="3" Format="Assem100" AO_Name="Config" AO_SizeBit="24">)"
    R"(<ParamObjects>)"
    R"(<ParamObject BitSize="16" ParamName="Param1" Name="Speed" DataSizeByte="2" DataType="199" Min="0")"
    R"( Max="1000" Default="0" Value="0" Enum="0"><EnumList/></ParamObject>)"
    R"(<ParamObject BitSize="8" ParamName="Param2" Name="Mode" DataSizeByte="1" DataType="198" Min="0")"
    R"( Max="9" Default="0" Value="0" Enum="1"><EnumList><Enum Value="0" Description="Off"/>)"
    R"(<Enum Value="5" Description="Fast"/></EnumList></ParamObject>)"
    R"(</ParamObjects></TargetCong></row>)"
    R"(</EtherNetIP_Master_Access><!--SW_VERSION = 1.012-->)";
