#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "artefacts/image/UBankLayout.h"
#include "artefacts/image/UGenParBlock.h"

// One scanner connection of the converter as the image holds it.
struct EIP_Slave_Rec {
    TOctets IP_Address{};
    uint16_t Start_Input = 0;
    uint16_t Num_Input = 0;
    uint16_t Input_Offset = 0;
    uint16_t Start_Output = 0;
    uint16_t Num_Output = 0;
    uint16_t Output_Offset = 0;
    uint16_t Instance_T_O = 0;
    uint16_t Connection_Point_T_O = 0;
    uint16_t Instance_O_T = 0;
    uint16_t Connection_Point_O_T = 0;
    uint32_t Time_Poll = 0;
    uint32_t Header_Sizes = 0;
    uint32_t Key_Address = 0;
    uint32_t Segment_Address = 0;
};

struct TEIP_Target {
    EIP_Slave_Rec Rec;
    std::vector<uint8_t> Key_Block;
    std::vector<uint8_t> Segment_Block;
};

using TEIP_Targets = std::array<TEIP_Target, Max_EIP_Targets>;

// Fills the targets from the enabled rows of the scan list, in file order, with the records
// lying at device address recordsAddress, and stores the input and output totals and the
// target count in the general block. Enabled rows past the tenth are ignored.
void Read_EtherNetIP_Slaves(const std::string& path, uint32_t recordsAddress, TEIP_Targets& targets,
                            TGen_Par_Block& block);

// The ten records, the empty block and then every target's key and segment blocks.
void Copy_EtherNetIP_Slaves(const TEIP_Targets& targets, TImageWriter& writer);
