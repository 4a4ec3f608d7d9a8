#include "editors/ethernetip/ScanListRules.h"

#include "editors/ethernetip/ScanListColumns.h"
#include "editors/frame/RuleTable.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"

namespace {
constexpr int Key_Bytes = 8;
constexpr int Max_Segment_Bytes = 510;

bool Is_Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Counts the bytes of the list, or -1 when one of them is wrong. The count stops one byte
// past the longest list any check accepts, and the text is walked once without copying
// its rest: a pasted or imported segment of megabytes is answered at once.
int Count_Bytes(const std::string& text)
{
    constexpr int Enough = Max_Segment_Bytes + 1;
    int count = 0;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const size_t end = comma == std::string::npos ? text.size() : comma;
        const int value = Rule_Number(Trim(text.substr(start, end - start)));
        if (value < 0 || value > 255) return -1;
        if (++count == Enough || comma == std::string::npos) return count;
        start = comma + 1;
        // One trailing "," adds no byte.
        size_t next = start;
        while (next < text.size() && Is_Blank(text[next]))
            ++next;
        if (next == text.size()) return count;
    }
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
