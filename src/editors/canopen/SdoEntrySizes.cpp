#include "editors/canopen/SdoEntrySizes.h"

#include <map>
#include <set>
#include <utility>

#include "workspace/ULanguage.h"

namespace {
constexpr int Error_Row_Text = 2250;
constexpr int Resized_Entry_Text = 2294;
} // namespace

int First_Resized_Write_Row(const std::vector<TSDO_Row>& Reads, const std::vector<TSDO_Row>& Writes)
{
    std::map<std::pair<int, int>, std::set<int>> readSizes;
    for (const TSDO_Row& row : Reads)
        readSizes[{row.Index, row.SubIndex}].insert(row.NByte);
    for (size_t r = 0; r < Writes.size(); ++r) {
        const TSDO_Row& row = Writes[r];
        const auto found = readSizes.find({row.Index, row.SubIndex});
        if (found == readSizes.end()) continue;
        const std::set<int>& sizes = found->second;
        if (sizes.size() > 1 || *sizes.begin() != row.NByte) return static_cast<int>(r) + 1;
    }
    return 0;
}

std::string SDO_Resized_Entry_Text() { return Lang_Table[Resized_Entry_Text]; }

std::string SDO_Resized_Entry_Refusal(const std::string& File, int Row)
{
    return "\"" + File + "\": " + Lang_Table[Error_Row_Text] + std::to_string(Row) + SDO_Resized_Entry_Text();
}
