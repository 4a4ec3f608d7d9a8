#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "grid/services/office/OfficePackage.h"

class TCellTable;

// The largest sheet the spreadsheet program holds.
constexpr int kSheetMaxRows = 1048576;
constexpr int kSheetMaxColumns = 16384;

// The values of a worksheet by position, and the range they span. Rows and columns count
// from 1; an empty sheet has Right and Bottom 0.
struct TSheetValues {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::map<std::pair<int, int>, std::string> Cells; // (row, column) -> text
    bool Empty() const { return Cells.empty(); }
};

// A spreadsheet workbook (.xlsx) read and written at file level. Values written are texts;
// the other sheets, and whatever else the package holds, are written back unchanged.
class TXlsxWorkbook {
public:
    // A workbook with no sheets yet; add one before saving.
    TXlsxWorkbook();
    // Raises EExtGridError for a legacy .xls file, EFOpenError for a file that cannot be read
    // as a zip archive, EXMLDocError for a package without a readable workbook part, and
    // "Incorrect XLS file" for a part that would unpack to more than a zip entry may hold.
    static TXlsxWorkbook LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const { FPackage.SaveToFile(FileName); }

    int SheetCount() const { return static_cast<int>(FSheets.size()); }
    std::string SheetName(int Index) const { return FSheets[Index].Name; }
    // False for chart sheets, which hold no cells.
    bool IsWorksheet(int Index) const { return FSheets[Index].Worksheet; }
    int ActiveSheet() const { return FActiveSheet; }
    // The last sheet of that name, as the spreadsheet program finds it; -1 when none.
    int FindSheet(const std::string& Name) const;
    int AddSheet(const std::string& Name);

    // Raises EXMLDocError when the sheet's part is damaged or names a cell beyond the
    // largest sheet (kSheetMaxRows, kSheetMaxColumns).
    TSheetValues ReadSheet(int Index) const;
    // The row of the sheet's active cell; 1 when the sheet names none.
    int ActiveRow(int Index) const;
    // Writes every cell of Cells, with carriage returns taken out, with its top-left cell at
    // column A of FirstRow. An empty text clears the cell; cells outside keep their values.
    void WriteCells(int Index, int FirstRow, const TCellTable& Cells);

private:
    struct TSheetPart {
        std::string Name;
        std::string Part;
        bool Worksheet = true;
    };
    void ReadWorkbookPart();
    std::vector<std::string> ReadSharedStrings() const;

    TOfficePackage FPackage;
    std::string FWorkbookPart;
    std::vector<TSheetPart> FSheets;
    int FActiveSheet = 0;
};
