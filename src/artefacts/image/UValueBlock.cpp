#include "artefacts/image/UValueBlock.h"

#include "artefacts/image/UBankLayout.h"
#include "platform/rtl/SysUtils.h"

namespace {
// Pieces that are no byte value are skipped; so are values beyond the block's room, which
// only a hand-edited file can hold.
std::vector<uint8_t> Parse_Value_Block(const std::string& list, uint8_t segmentType, size_t maxValues)
{
    std::vector<uint8_t> block(4); // the header, filled once the values are counted
    size_t from = 0;
    while (from <= list.size() && block.size() - 4 < maxValues) {
        size_t comma = list.find(',', from);
        if (comma == std::string::npos) comma = list.size();
        int32_t value = 0;
        if (TryStrToInt(Trim(list.substr(from, comma - from)), value) && value >= 0 && value <= 255)
            block.push_back(static_cast<uint8_t>(value));
        from = comma + 1;
    }
    const size_t n = block.size() - 4;
    block[0] = static_cast<uint8_t>(n + 2);
    block[1] = static_cast<uint8_t>((n + 2) >> 8);
    block[2] = segmentType;
    block[3] = static_cast<uint8_t>((n + 1) / 2);
    return block;
}
} // namespace

std::vector<uint8_t> Parse_ElectronicKey(const std::string& list)
{
    return Parse_Value_Block(list, 0x34, Max_Key_Values);
}

std::vector<uint8_t> Parse_DataSegment(const std::string& list)
{
    return Parse_Value_Block(list, 0x80, Max_Segment_Values);
}
