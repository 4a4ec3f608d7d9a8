#include "artefacts/descriptions/UEdsRules.h"

#include "artefacts/descriptions/UDescriptionFiles.h"
#include "editors/canopen/SdoEntrySizes.h"

#include <algorithm>
#include <string>

#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"

EDS_PDO_Table EDS_RPDO_Table;
EDS_PDO_Table EDS_TPDO_Table;
int EDS_RPDO_Count = 0;
int EDS_TPDO_Count = 0;
std::vector<SDO_Index> SDO_Indexes;

namespace {
// The PDO editor admits 1 to 8 bytes; anything else would describe an impossible PDO and is
// read like a missing value.
int32_t Read_Dimension(const TXMLNode& row)
{
    const int32_t dimension = StrToIntDef(row.Attribute("Dimension"), 8);
    return dimension >= 1 && dimension <= 8 ? dimension : 8;
}

void Read_PDO_Section(const TXMLNode& root, const std::string& section, EDS_PDO_Table& table, int& count)
{
    For_Each_Row(root, section, [&](const TXMLNode& row) {
        if (count == EDS_PDO_Max) return;
        table[count].COB_ID = static_cast<uint32_t>(StrToIntDef(row.Attribute("COB-ID"), 0));
        table[count].Dimension = Read_Dimension(row);
        ++count;
    });
}

// An object index or sub-index that does not fit its field would be written under the
// section of another object; sub-index 255 is reserved for the object's structure, and the
// SDO server window refuses it too.
int32_t Read_Ranged(const TXMLNode& row, const std::string& attribute, int32_t highest)
{
    const std::string text = row.Attribute(attribute);
    const int32_t value = StrToInt(text);
    if (value < 0 || value > highest)
        throw EConvertError(Format("%s '%s' is out of range 0 to %d", {attribute, text, highest}));
    return value;
}

// Where each object index stands in SDO_Indexes, so that every row finds its entry in one
// step however many rows the file has.
class TSDO_Index_Positions {
public:
    TSDO_Index_Positions() : positions_(0x10000, -1)
    {
        for (size_t i = 0; i < SDO_Indexes.size(); ++i)
            if (positions_[SDO_Indexes[i].Index] < 0) positions_[SDO_Indexes[i].Index] = static_cast<int>(i);
    }

    void Add(uint16_t index, const SDO_Sub_Type& entry)
    {
        int& position = positions_[index];
        if (position < 0) {
            position = static_cast<int>(SDO_Indexes.size());
            SDO_Indexes.push_back({index, {entry}});
            return;
        }
        // At most 256 sub-indexes per index: a scan stays cheap.
        std::vector<SDO_Sub_Type>& subs = SDO_Indexes[position].Sub_Indexs;
        const auto same =
            std::find_if(subs.begin(), subs.end(), [&](const SDO_Sub_Type& s) { return s.Sub == entry.Sub; });
        if (same == subs.end())
            subs.push_back(entry);
        else
            same->Readonly = same->Readonly && entry.Readonly;
    }

private:
    std::vector<int> positions_;
};

std::vector<TSDO_Row> Read_SDO_Section(const TXMLNode& root, const std::string& section, bool readonly,
                                       TSDO_Index_Positions& positions)
{
    std::vector<TSDO_Row> rows;
    For_Each_Row(root, section, [&](const TXMLNode& row) {
        const int32_t index = Read_Ranged(row, "Index", 0xFFFF);
        const int32_t sub = Read_Ranged(row, "SubIndex", 0xFE);
        const int32_t quantity = StrToInt(row.Attribute("NByte"));
        positions.Add(static_cast<uint16_t>(index), {static_cast<uint8_t>(sub), quantity, readonly});
        rows.push_back({index, sub, quantity});
    });
    return rows;
}
} // namespace

void Read_PDO_Rules()
{
    EDS_RPDO_Count = 0;
    EDS_TPDO_Count = 0;
    if (!PathExists(File_PDO_CANopen)) return;
    TXMLDocument xml;
    xml.LoadFromFile(File_PDO_CANopen);
    const TXMLNode root = xml.DocumentElement();
    Read_PDO_Section(root, "Receive_PDO", EDS_RPDO_Table, EDS_RPDO_Count);
    Read_PDO_Section(root, "Transmit_PDO", EDS_TPDO_Table, EDS_TPDO_Count);
}

void Read_SDO_Server_Rules()
{
    if (!PathExists(File_SDO_Server_CANopen)) return;
    TXMLDocument xml;
    xml.LoadFromFile(File_SDO_Server_CANopen);
    const TXMLNode root = xml.DocumentElement();
    TSDO_Index_Positions positions;
    const std::vector<TSDO_Row> reads = Read_SDO_Section(root, "SDO_Read", true, positions);
    const std::vector<TSDO_Row> writes = Read_SDO_Section(root, "SDO_Write", false, positions);
    // The entry is described with one size, which the converter's write rule would not keep.
    if (const int row = First_Resized_Write_Row(reads, writes))
        throw EConvertError(SDO_Resized_Entry_Refusal(File_SDO_Server_CANopen, row));
}

int Find_SDO_Index(int index)
{
    for (size_t i = 0; i < SDO_Indexes.size(); ++i)
        if (SDO_Indexes[i].Index == index) return static_cast<int>(i);
    return -1;
}

void Sort_Sub_Indexs()
{
    for (SDO_Index& entry : SDO_Indexes)
        std::stable_sort(entry.Sub_Indexs.begin(), entry.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}
