#include "artefacts/image/UEipTargets.h"

#include "artefacts/image/UValueBlock.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"

namespace {
bool Is_Yes(const TXMLNode& row, const std::string& name)
{
    return UpperCase(Trim(row.Attribute(name))) == "Y";
}

uint32_t Attribute_Int(const TXMLNode& row, const std::string& name, int32_t def)
{
    return static_cast<uint32_t>(StrToIntDef(row.Attribute(name), def));
}

TOctets Target_Address(const TXMLNode& row)
{
    TOctets octets{255, 255, 255, 255};
    if (row.HasAttribute("IP_Address"))
        IP_To_Bytes(row.Attribute("IP_Address"), octets[0], octets[1], octets[2], octets[3]);
    return octets;
}

// "Default", or a missing attribute, gives the default size; so does a text that is no number.
uint32_t Header_Size(const TXMLNode& row, const std::string& name, int32_t def)
{
    const std::string text = row.HasAttribute(name) ? row.Attribute(name) : "Default";
    if (UpperCase(text) == "DEFAULT") return static_cast<uint32_t>(def);
    return static_cast<uint32_t>(StrToIntDef(text, def)) & 7u;
}

struct TBlock_Addresses {
    uint32_t Next;
    uint32_t Empty;
};

// An enabled block with a non-empty list is placed at the next free address; any other
// points at the empty block.
uint32_t Place_Block(const TXMLNode& row, const std::string& enable, const std::string& list,
                     std::vector<uint8_t> (*parse)(const std::string&), std::vector<uint8_t>& block,
                     TBlock_Addresses& addresses)
{
    const std::string text = row.Attribute(list);
    if (!Is_Yes(row, enable) || text.empty()) return addresses.Empty;
    block = parse(text);
    const uint32_t address = addresses.Next;
    addresses.Next += static_cast<uint32_t>(block.size());
    return address;
}
} // namespace

void Read_EtherNetIP_Slaves(const std::string& path, uint32_t recordsAddress, TEIP_Targets& targets,
                            TGen_Par_Block& block)
{
    uint32_t inputTotal = 0;
    uint32_t outputTotal = 0;
    int count = 0;
    TBlock_Addresses addresses{recordsAddress + Max_EIP_Targets * EIP_Slave_Rec_Size + 2,
                               recordsAddress + Max_EIP_Targets * EIP_Slave_Rec_Size};
    if (PathExists(path)) {
        TXMLDocument document;
        document.LoadFromFile(path);
        for (TXMLNode row = document.DocumentElement().FirstChild(); row && count < Max_EIP_Targets;
             row = row.NextSibling()) {
            if (row.NodeType() != TXMLNodeType::ntElement || !Is_Yes(row, "Enable")) continue;
            TEIP_Target& target = targets[count++];
            EIP_Slave_Rec& rec = target.Rec;
            rec.IP_Address = Target_Address(row);
            rec.Start_Input = static_cast<uint16_t>(Attribute_Int(row, "Start_Input", 0));
            rec.Num_Input = static_cast<uint16_t>(Attribute_Int(row, "Num_Input", 0));
            rec.Input_Offset = static_cast<uint16_t>(inputTotal);
            inputTotal += rec.Num_Input;
            rec.Start_Output = static_cast<uint16_t>(Attribute_Int(row, "Start_Output", 0));
            rec.Num_Output = static_cast<uint16_t>(Attribute_Int(row, "Num_Output", 0));
            rec.Output_Offset = static_cast<uint16_t>(outputTotal);
            outputTotal += rec.Num_Output;
            rec.Time_Poll = Attribute_Int(row, "Time_Poll", 1000);
            rec.Instance_T_O = static_cast<uint16_t>(Attribute_Int(row, "Instance_T_O", 1));
            rec.Connection_Point_T_O = static_cast<uint16_t>(Attribute_Int(row, "Connection_Point_T_O", 100));
            rec.Instance_O_T = static_cast<uint16_t>(Attribute_Int(row, "Instance_O_T", 1));
            rec.Connection_Point_O_T = static_cast<uint16_t>(Attribute_Int(row, "Connection_Point_O_T", 101));
            rec.Header_Sizes =
                Header_Size(row, "Dim_Header_T_O", 0) | (Header_Size(row, "Dim_Header_O_T", 4) << 3);
            rec.Key_Address = Place_Block(row, "EnableElectronicKey", "ElectronicKey", Parse_ElectronicKey,
                                          target.Key_Block, addresses);
            rec.Segment_Address = Place_Block(row, "EnableDataSegment", "DataSegment", Parse_DataSegment,
                                              target.Segment_Block, addresses);
        }
    }
    block.Set_U32(GenPar::Input_Total, inputTotal);
    block.Set_U32(GenPar::Output_Total, outputTotal);
    block.Set_U32(GenPar::Target_Count, static_cast<uint32_t>(count));
}

void Copy_EtherNetIP_Slaves(const TEIP_Targets& targets, TImageWriter& writer)
{
    for (const TEIP_Target& target : targets) {
        const EIP_Slave_Rec& rec = target.Rec;
        writer.Bytes(rec.IP_Address.data(), rec.IP_Address.size());
        for (uint16_t field : {rec.Start_Input, rec.Num_Input, rec.Input_Offset, rec.Start_Output,
                               rec.Num_Output, rec.Output_Offset, rec.Instance_T_O, rec.Connection_Point_T_O,
                               rec.Instance_O_T, rec.Connection_Point_O_T})
            writer.U16(field);
        for (uint32_t field : {rec.Time_Poll, rec.Header_Sizes, rec.Key_Address, rec.Segment_Address})
            writer.U32(field);
    }
    writer.Zeros(2); // the empty block that targets without a key or segment point at
    for (const TEIP_Target& target : targets) {
        writer.Bytes(target.Key_Block.data(), target.Key_Block.size());
        writer.Bytes(target.Segment_Block.data(), target.Segment_Block.size());
    }
}
