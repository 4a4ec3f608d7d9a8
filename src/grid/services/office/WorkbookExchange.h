#pragma once
#include <optional>
#include <string>
#include <vector>

class TExtStringGrid;
struct TSheetValues;

// Moves the grid's cells to and from spreadsheet workbooks (.xlsx).
class TWorkbookExchange {
public:
    explicit TWorkbookExchange(TExtStringGrid& Grid) : FGrid(Grid) {}

    static std::vector<std::string> SheetNames(const std::string& FileName);
    // The named sheet, or the active one. Raises EExtGridError when the sheet is missing,
    // Exception "Incorrect XLS file" when its values cannot be read.
    void Load(const std::string& FileName, const std::optional<std::string>& SheetName);
    // Into the named sheet of the file (added when missing, the file made when missing).
    // Without a name: a new workbook, or with CreateNew false and an existing file, its
    // active sheet from the row of its active cell on.
    void Save(const std::string& FileName, const std::optional<std::string>& SheetName, bool CreateNew);

private:
    void LoadValues(const TSheetValues& Values);

    TExtStringGrid& FGrid;
};
