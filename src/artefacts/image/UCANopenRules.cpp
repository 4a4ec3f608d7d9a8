#include "artefacts/image/UCANopenRules.h"

#include "editors/canopen/SdoEntrySizes.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"

namespace {
constexpr std::array<uint32_t, Rule_Table_Count> Table_Sizes = {512, 512, 256, 256, 128, 128};

enum class TRule_Layout { SDO_Server, SDO_Client, PDO };

// How a section's rows become records.
struct TRule_Section {
    const char* Name;
    TRule_Table Table;
    TRule_Layout Layout;
    const char* Time_Attribute; // nullptr when the record has no time
    int Mode;                   // -1: 3 when sent on change, else 1
};

constexpr int Mode_On_Change = -1;

struct TRule_File {
    std::string TCANopen_Rule_Files::*Path;
    TRule_Section Sections[2];
};

const TRule_File Rule_Files[] = {
    {&TCANopen_Rule_Files::SDO_Server,
     {{"SDO_Read", SDO_Server_Read, TRule_Layout::SDO_Server, nullptr, 0},
      {"SDO_Write", SDO_Server_Write, TRule_Layout::SDO_Server, nullptr, 1}}},
    {&TCANopen_Rule_Files::SDO_Client,
     {{"SDO_Read", SDO_Client_Read, TRule_Layout::SDO_Client, "Poll_Time", 0},
      {"SDO_Write", SDO_Client_Write, TRule_Layout::SDO_Client, "Poll_Time", Mode_On_Change}}},
    {&TCANopen_Rule_Files::PDO,
     {{"Receive_PDO", Receive_PDO, TRule_Layout::PDO, "TimeOut", 0},
      {"Transmit_PDO", Transmit_PDO, TRule_Layout::PDO, "Send_Time", Mode_On_Change}}},
};

uint32_t Required_Int(const TXMLNode& row, const std::string& name)
{
    return static_cast<uint32_t>(StrToInt(row.Attribute(name)));
}

uint16_t Address_Of_Byte(const TXMLNode& row, int byte)
{
    return static_cast<uint16_t>(Required_Int(row, "Address_B" + std::to_string(byte)));
}

// SDO data bytes 1, 2 and 3-4 go to position words 4 to 7, each only as far as the size reaches.
void Read_SDO_Addresses(const TXMLNode& row, CANopen_Rule_Rec& rec)
{
    rec.Address[4] = Address_Of_Byte(row, 1);
    if (rec.NByte >= 2) rec.Address[5] = Address_Of_Byte(row, 2);
    if (rec.NByte >= 4) {
        rec.Address[6] = Address_Of_Byte(row, 3);
        rec.Address[7] = Address_Of_Byte(row, 4);
    }
}

void Read_PDO_Addresses(const TXMLNode& row, CANopen_Rule_Rec& rec)
{
    rec.Address[0] = Address_Of_Byte(row, 1);
    for (int byte = 2; byte <= 8 && byte <= rec.NByte; ++byte)
        rec.Address[byte - 1] = Address_Of_Byte(row, byte);
}

CANopen_Rule_Rec Read_Rule(const TXMLNode& row, const TRule_Section& section)
{
    CANopen_Rule_Rec rec;
    if (section.Time_Attribute) rec.Time = Required_Int(row, section.Time_Attribute);
    rec.Mode = static_cast<uint8_t>(section.Mode != Mode_On_Change      ? section.Mode
                                    : row.Attribute("On_Change") == "Y" ? 3
                                                                        : 1);
    if (section.Layout == TRule_Layout::PDO) {
        rec.COB_ID = Required_Int(row, "COB-ID");
        rec.NByte = static_cast<uint8_t>(Required_Int(row, "Dimension"));
        Read_PDO_Addresses(row, rec);
        return rec;
    }
    rec.Index = static_cast<uint16_t>(Required_Int(row, "Index"));
    rec.SubIndex = static_cast<uint8_t>(Required_Int(row, "SubIndex"));
    if (section.Layout == TRule_Layout::SDO_Client)
        rec.Device_ID = static_cast<uint8_t>(Required_Int(row, "Device_ID"));
    rec.NByte = static_cast<uint8_t>(Required_Int(row, "NByte"));
    Read_SDO_Addresses(row, rec);
    return rec;
}

void Read_Section(const std::string& path, const TXMLNode& root, const TRule_Section& section,
                  TCANopen_Tables& tables)
{
    const TXMLNode sectionNode = root.FindNode(section.Name);
    if (!sectionNode)
        throw EConvertError("Section \"" + std::string(section.Name) + "\" is missing in \"" + path + "\"");
    std::vector<CANopen_Rule_Rec>& records = tables.Records[section.Table];
    uint32_t& count = tables.Counts[section.Table];
    int rowNumber = 0;
    for (TXMLNode row = sectionNode.FirstChild(); row && count < records.size(); row = row.NextSibling()) {
        if (row.NodeType() != TXMLNodeType::ntElement) continue;
        ++rowNumber;
        // A value alone does not tell the user where to look: the file and row do.
        try {
            records[count++] = Read_Rule(row, section);
        } catch (const EConvertError& e) {
            throw EConvertError(e.Message() + " in \"" + path + "\", section \"" + section.Name + "\", row " +
                                std::to_string(rowNumber));
        }
    }
}
std::vector<TSDO_Row> SDO_Rows(const TCANopen_Tables& tables, TRule_Table table)
{
    std::vector<TSDO_Row> rows;
    for (uint32_t r = 0; r < tables.Counts[table]; ++r) {
        const CANopen_Rule_Rec& rec = tables.Records[table][r];
        rows.push_back({rec.Index, rec.SubIndex, rec.NByte});
    }
    return rows;
}

// The image would give the write rule another size than the EDS gives the entry.
void Check_SDO_Entry_Sizes(const std::string& path, const TCANopen_Tables& tables)
{
    if (const int row =
            First_Resized_Write_Row(SDO_Rows(tables, SDO_Server_Read), SDO_Rows(tables, SDO_Server_Write)))
        throw EConvertError(SDO_Resized_Entry_Refusal(path, row));
}
} // namespace

TCANopen_Tables::TCANopen_Tables()
{
    CANopen_Rule_Rec unused;
    unused.Address.fill(0xFFFF);
    for (int table = 0; table < Rule_Table_Count; ++table)
        Records[table].assign(Table_Sizes[table], unused);
}

uint32_t Rule_Table_Address(TRule_Table table)
{
    uint32_t address = Bank_Base_Address;
    for (int t = 0; t < table; ++t)
        address += Table_Sizes[t] * Rule_Rec_Size;
    return address;
}

void Read_CANopen_Rules(const TCANopen_Rule_Files& files, TCANopen_Tables& tables)
{
    for (const TRule_File& file : Rule_Files) {
        const std::string& path = files.*file.Path;
        if (!PathExists(path)) continue;
        TXMLDocument document;
        document.LoadFromFile(path);
        const TXMLNode root = document.DocumentElement();
        for (const TRule_Section& section : file.Sections)
            Read_Section(path, root, section, tables);
        if (file.Path == &TCANopen_Rule_Files::SDO_Server) Check_SDO_Entry_Sizes(path, tables);
    }
}

void Copy_CANopen_Tables(const TCANopen_Tables& tables, TImageWriter& writer)
{
    for (const std::vector<CANopen_Rule_Rec>& table : tables.Records) {
        for (const CANopen_Rule_Rec& rec : table) {
            writer.U32(rec.COB_ID);
            writer.U16(rec.Index);
            writer.U8(rec.SubIndex);
            writer.U8(rec.Device_ID);
            writer.U32(rec.Time);
            for (uint16_t position : rec.Address)
                writer.U16(position);
            writer.U8(rec.NByte);
            writer.U8(rec.Mode);
            writer.U16(0);
        }
    }
}
