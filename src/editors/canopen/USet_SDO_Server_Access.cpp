#include "editors/canopen/USet_SDO_Server_Access.h"

#include <map>

#include "editors/canopen/CANopenRuleColumns.h"
#include "editors/canopen/SdoEntrySizes.h"
#include "editors/frame/RuleFile.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

namespace {
enum { Col_Index = 1, Col_SubIndex = 2, Col_NByte = 3 };

// The texts of one table start at First: index, sub-index, byte count, four positions.
TRuleTable SDO_Table(const char* Grid, const char* Sheet, const char* Section, int FirstHeader, int FirstHint,
                     int First)
{
    return {Grid,
            Sheet,
            Section,
            500,
            FirstHeader,
            FirstHint,
            3,
            CANopen_Array_Size,
            false,
            {Ranged_Column("Index", 65, Identity_Color, 0x2000, 0x5FFF, First),
             Ranged_Column("SubIndex", 61, Identity_Color, 0, 255, First + 1),
             Byte_Count_Column("NByte", 55, First + 2), Position_Column(1, 80, First + 3, 1),
             Position_Column(2, 80, First + 4, 2), Position_Column(3, 80, First + 5, 3),
             Position_Column(4, 80, First + 6, 4), Text_Column("Mnemonic", 170)}};
}

const TRuleWindow SDO_Server_Window{2200,
                              749,
                              &File_SDO_Server_CANopen,
                              "SDO_Server_CANopen",
                              "1.002",
                              2250,
                              2265,
                              2299,
                              {SDO_Table("sga", "TS_SDO_Read", "SDO_Read", 2216, 2234, 2251),
                               SDO_Table("sgb", "TS_SDO_Write", "SDO_Write", 2225, 2242, 2258)}};

constexpr int Reserved_SubIndex = 255;
// Texts of the two rules, per table: read, then write.
constexpr int Reserved_SubIndex_Texts[] = {2295, 2296};
constexpr int Mixed_SubIndex_Texts[] = {2297, 2298};
} // namespace

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* owner) : TRuleEditorForm(owner, SDO_Server_Window) {}

std::string TFSet_SDO_Server_Access::Check_Row(int Table, int Row) const
{
    std::string rule = TRuleEditorForm::Check_Row(Table, Row);
    if (rule.empty() && Rule_Number(Cell(Table, Col_SubIndex, Row)) == Reserved_SubIndex)
        rule = Lang_Table[Reserved_SubIndex_Texts[Table]];
    return rule;
}

std::string TFSet_SDO_Server_Access::Check_Across_Rows() const
{
    // Per index: whether sub-index 0, and whether any other sub-index, was seen so far.
    std::map<int, std::pair<bool, bool>> seen;
    for (int t = 0; t < static_cast<int>(Grids.size()); ++t) {
        const int rows = Rule_Row_Count(*Grids[t]);
        for (int r = 1; r <= rows; ++r) {
            auto& [zero, others] = seen[Rule_Number(Cell(t, Col_Index, r))];
            const bool isZero = Rule_Number(Cell(t, Col_SubIndex, r)) == 0;
            (isZero ? zero : others) = true;
            if (zero && others) return Row_Error(r, Lang_Table[Mixed_SubIndex_Texts[t]]);
        }
    }
    if (const int row = First_Resized_Write_Row(Table_Rows(0), Table_Rows(1)))
        return Row_Error(row, SDO_Resized_Entry_Text());
    return "";
}

std::vector<TSDO_Row> TFSet_SDO_Server_Access::Table_Rows(int Table) const
{
    std::vector<TSDO_Row> rows;
    const int count = Rule_Row_Count(*Grids[Table]);
    for (int r = 1; r <= count; ++r)
        rows.push_back({Rule_Number(Cell(Table, Col_Index, r)), Rule_Number(Cell(Table, Col_SubIndex, r)),
                        Rule_Number(Cell(Table, Col_NByte, r))});
    return rows;
}
