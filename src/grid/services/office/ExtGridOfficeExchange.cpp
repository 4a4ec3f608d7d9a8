// The grid's Office and database exchange, at file level: workbooks and documents are Office
// Open XML files, databases Access files read through an SQL engine.
#include <cstdint>
#include <cstdlib>

#include "grid/control/ExtStringGrid.h"
#include "grid/services/office/DatabaseImport.h"
#include "grid/services/office/DocumentExchange.h"
#include "grid/services/office/WorkbookExchange.h"
#include "platform/rtl/SysUtils.h"

std::unique_ptr<TStringList> TExtStringGrid::GetXLSSheets(const std::string& FileName)
{
    auto list = std::make_unique<TStringList>();
    for (const std::string& name : TWorkbookExchange::SheetNames(FileName))
        list->Add(name);
    return list;
}

void TExtStringGrid::LoadFromXLS(const std::string& Filename) { LoadWorkbookSheet(Filename, std::nullopt); }

void TExtStringGrid::LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName)
{
    LoadWorkbookSheet(Filename, SheetName);
}

void TExtStringGrid::LoadWorkbookSheet(const std::string& Filename,
                                       const std::optional<std::string>& SheetName)
{
    // The grid hears of its changed cells also when the read stopped half-way.
    struct TCellsChangedAtEnd {
        TExtStringGrid& Grid;
        ~TCellsChangedAtEnd()
        {
            Grid.DoCellsChanged(TRect{0, 0, Grid.ColCount(), Grid.RowCount()});
            Grid.ColumnsChanged();
        }
    } changed{*this};
    TWorkbookExchange(*this).Load(Filename, SheetName);
}

void TExtStringGrid::SaveToXLS(const std::string& Filename, bool CreateNewSheet)
{
    TWorkbookExchange(*this).Save(Filename, std::nullopt, CreateNewSheet);
}

void TExtStringGrid::SaveToXLSSheet(const std::string& Filename, const std::string& SheetName)
{
    TWorkbookExchange(*this).Save(Filename, SheetName, false);
}

void TExtStringGrid::SaveToDOC(const std::string& Filename, bool CreateNewDocument)
{
    TDocumentExchange(*this).Save(Filename, CreateNewDocument);
}

void TExtStringGrid::AppendToDoc(const std::string& Filename, const std::string& Bookmark)
{
    TDocumentExchange(*this).Append(Filename, Bookmark);
}

void TExtStringGrid::LoadFromMDBSQL(const std::string& Filename, const std::string& SQL)
{
    TDatabaseImport(*this).LoadQuery(Filename, SQL);
}

void TExtStringGrid::LoadFromMDBTable(const std::string& Filename, const std::string& Table)
{
    // The brackets let a table name hold blanks; a closing bracket in it is doubled.
    LoadFromMDBSQL(Filename, "SELECT * FROM [" + StringReplace(Table, "]", "]]", rfReplaceAll) + "]");
}

namespace {
// Size * M / D in whole numbers, halves rounded away from zero.
int ScaledFontSize(int Size, int M, int D)
{
    const int64_t product = static_cast<int64_t>(Size) * M;
    int64_t quotient = product / D;
    if (2 * std::llabs(product % D) >= std::llabs(static_cast<int64_t>(D)))
        quotient += ((product < 0) != (D < 0)) ? -1 : 1;
    return static_cast<int>(quotient);
}
} // namespace

void TExtStringGrid::ChangeScale(int M, int D)
{
    TBaseGrid::ChangeScale(M, D);
    if (ComponentState().Contains(csDesigning) || M == D || D == 0) return;
    FixedFont()->SetSize(ScaledFontSize(FixedFont()->Size(), M, D));
    ActiveCellFont()->SetSize(ScaledFontSize(ActiveCellFont()->Size(), M, D));
}
