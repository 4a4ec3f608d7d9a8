#include "grid/services/office/DatabaseImport.h"

#include "grid/control/ExtStringGrid.h"
#include <algorithm>

#include "platform/db/MdbQuery.h"

void TDatabaseImport::LoadQuery(const std::string& FileName, const std::string& SQL)
{
    const TQueryResult result = RunMdbQuery(FileName, SQL);
    const int fixedCols = FGrid.FixedCols(), fixedRows = FGrid.FixedRows();
    const int fields = static_cast<int>(result.FieldNames.size());
    FGrid.SetColCount(fields + fixedCols);
    if (fixedRows > 0)
        for (int i = 0; i < fields; ++i)
            FGrid.SetCells(i + fixedCols, fixedRows - 1, result.FieldNames[i]);
    // A query without records leaves one empty row, not the rows of whatever was shown before.
    const int records = static_cast<int>(result.Records.size());
    FGrid.SetRowCount(fixedRows + std::max(records, 1));
    for (int r = 0; r < std::max(records, 1); ++r)
        for (int i = 0; i < fields; ++i)
            FGrid.LoadCell(i + fixedCols, r + fixedRows, r < records ? result.Records[r][i] : "");
}
