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
