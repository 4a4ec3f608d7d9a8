#include "grid/services/office/WorkbookExchange.h"

#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/services/CellTable.h"
#include "grid/services/office/BusyCursor.h"
#include "grid/services/office/XlsxWorkbook.h"
#include "platform/os/FileSystem.h"

namespace {
// Names the spreadsheet program refuses; a workbook holding one would not open.
void CheckSheetName(const std::string& Name)
{
    if (Name.empty() || Name.size() > 31 || Name.find_first_of("[]:*?/\\") != std::string::npos)
        throw EExtGridError("\"" + Name + "\" is not a valid worksheet name");
}

int SheetToWrite(TXlsxWorkbook& Book, const std::string& Name)
{
    const int index = Book.FindSheet(Name);
    return index >= 0 ? index : Book.AddSheet(Name);
}
} // namespace

std::vector<std::string> TWorkbookExchange::SheetNames(const std::string& FileName)
{
    TBusyCursor busy;
    const TXlsxWorkbook book = TXlsxWorkbook::LoadFromFile(FileName);
    std::vector<std::string> names;
    for (int i = 0; i < book.SheetCount(); ++i)
        if (book.IsWorksheet(i)) names.push_back(book.SheetName(i));
    return names;
}

void TWorkbookExchange::Load(const std::string& FileName, const std::optional<std::string>& SheetName)
{
    TBusyCursor busy;
    const TXlsxWorkbook book = TXlsxWorkbook::LoadFromFile(FileName);
    const int index = SheetName ? book.FindSheet(*SheetName) : book.ActiveSheet();
    if (index < 0 || index >= book.SheetCount())
        throw EExtGridError("Excel worksheet " + SheetName.value_or("") + " not found");
    TSheetValues values;
    try {
        values = book.ReadSheet(index);
    } catch (const EXMLDocError&) {
        throw Exception("Incorrect XLS file");
    }
    LoadValues(values);
}

void TWorkbookExchange::LoadValues(const TSheetValues& Values)
{
    // An empty sheet reads as its single empty cell A1.
    const int left = Values.Empty() ? 1 : Values.Left, top = Values.Empty() ? 1 : Values.Top;
    const int right = Values.Empty() ? 1 : Values.Right, bottom = Values.Empty() ? 1 : Values.Bottom;
    const int fixedCols = FGrid.FixedCols(), fixedRows = FGrid.FixedRows();
    const int colOffset = (FGrid.SaveFixedCells || FGrid.SaveFixedCols) ? 0 : fixedCols;
    const int rowOffset = (FGrid.SaveFixedCells || FGrid.SaveFixedRows) ? 0 : fixedRows;
    FGrid.SetColCount(right - left + 1 + colOffset);
    FGrid.SetRowCount(bottom - top + 1 + rowOffset);
    if (FGrid.ColCount() > fixedCols) FGrid.SetFixedCols(fixedCols);
    if (FGrid.RowCount() > fixedRows) FGrid.SetFixedRows(fixedRows);
    // Only the sheet's own cells are loaded, and only the cells the grid keeps are emptied
    // where the sheet has no value: two cells far apart span billions of empty ones, which
    // the grid would otherwise load one by one.
    const int rows = std::min(FGrid.RowCount(), FGrid.KeptRowCount());
    for (int r = rowOffset; r < rows; ++r) {
        const int cols = std::min(FGrid.ColCount(), FGrid.KeptColCount(r));
        for (int c = colOffset; c < cols; ++c)
            if (!Values.Cells.count({r - rowOffset + top, c - colOffset + left})) FGrid.LoadCell(c, r, "");
    }
    for (const auto& [place, text] : Values.Cells)
        FGrid.LoadCell(place.second - left + colOffset, place.first - top + rowOffset, text);
}

void TWorkbookExchange::Save(const std::string& FileName, const std::optional<std::string>& SheetName,
                             bool CreateNew)
{
    TBusyCursor busy;
    if (SheetName) CheckSheetName(*SheetName);
    // An existing file that cannot be read stops the write rather than being replaced.
    const bool intoExisting = FileExists(FileName) && (SheetName || !CreateNew);
    TXlsxWorkbook book = intoExisting ? TXlsxWorkbook::LoadFromFile(FileName) : TXlsxWorkbook();
    int index = 0, firstRow = 1;
    if (SheetName) {
        index = SheetToWrite(book, *SheetName);
    } else if (book.SheetCount() == 0) {
        index = book.AddSheet("Sheet1");
    } else {
        index = book.ActiveSheet();
        firstRow = book.ActiveRow(index);
    }

    TMemoryCellTable cells(FGrid.ColCount() - FGrid.SaveStartCol(), FGrid.RowCount() - FGrid.SaveStartRow());
    FGrid.ExportNotification(0, 0);
    for (int r = FGrid.SaveStartRow(); r < FGrid.RowCount(); ++r) {
        FGrid.ExportNotification(5, r);
        for (int c = FGrid.SaveStartCol(); c < FGrid.ColCount(); ++c) {
            std::string text;
            FGrid.SaveCell(FGrid.RealColIndex(c), r, text);
            cells.SetCell(c - FGrid.SaveStartCol(), r - FGrid.SaveStartRow(), text);
        }
    }
    FGrid.ExportNotification(2, 0);
    book.WriteCells(index, firstRow, cells);
    book.SaveToFile(FileName);
}
