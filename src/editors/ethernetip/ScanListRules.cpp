#include "editors/ethernetip/ScanListRules.h"

#include "editors/ethernetip/ScanListColumns.h"
#include "editors/frame/RuleTable.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"

namespace {
constexpr int Key_Bytes = 8;
constexpr int Max_Segment_Bytes = 510;

// Counts the bytes of the list, or -1 when one of them is wrong.
int Count_Bytes(const std::string& text)
{
    int count = 0;
    std::string rest = Trim(text);
    do {
        const size_t comma = rest.find(',');
        const std::string piece = comma == std::string::npos ? rest : Trim(rest.substr(0, comma));
        rest = comma == std::string::npos ? std::string() : Trim(rest.substr(comma + 1));
        const int value = Rule_Number(piece);
        if (value < 0 || value > 255) return -1;
        ++count;
    } while (!rest.empty());
    return count;
}
} // namespace

int CheckBytesElectronicKey(const std::string& text)
{
    const int count = Count_Bytes(text);
    if (count < 0) return Byte_List_Wrong_Byte;
    return count == Key_Bytes ? Byte_List_Good : Byte_List_Wrong_Count;
}

int CheckBytesDataSegment(const std::string& text)
{
    const int count = Count_Bytes(text);
    if (count < 0) return Byte_List_Wrong_Byte;
    return count <= Max_Segment_Bytes ? Byte_List_Good : Byte_List_Wrong_Count;
}

bool Is_Dim_Header(const std::string& text)
{
    if (UpperCase(Trim(text)) == "DEFAULT") return true;
    const int value = Rule_Number(text);
    return value >= 0 && value <= 7;
}

int Scan_List_Rows(const TExtColumnGrid& Grid)
{
    int rows = 0;
    for (int r = 1; r < Grid.RowCount(); ++r) {
        if (!Trim(Grid.Cells(Col_IP_Address, r)).empty())
            rows = r;
        else if (UpperCase(Grid.Cells(Col_Enable, r)) == "Y")
            break;
    }
    return rows;
}
