#include "grid/services/CellTable.h"

#include <algorithm>

#include "grid/control/ExtStringGrid.h"

namespace {
bool Inside(int ACol, int ARow, int ACols, int ARows)
{
    return ACol >= 0 && ARow >= 0 && ACol < ACols && ARow < ARows;
}
} // namespace

TMemoryCellTable::TMemoryCellTable(const std::vector<std::vector<std::string>>& Rows) : FRows(Rows)
{
    for (const auto& Row : FRows)
        FCols = std::max(FCols, static_cast<int>(Row.size()));
    for (auto& Row : FRows)
        Row.resize(FCols);
}

std::string TMemoryCellTable::Cell(int ACol, int ARow) const
{
    return Inside(ACol, ARow, FCols, RowCount()) ? FRows[ARow][ACol] : std::string();
}

void TMemoryCellTable::SetCell(int ACol, int ARow, const std::string& Value)
{
    if (Inside(ACol, ARow, FCols, RowCount()))
        FRows[ARow][ACol] = Value;
}

void TMemoryCellTable::Resize(int ACols, int ARows)
{
    FCols = std::max(ACols, 0);
    FRows.resize(std::max(ARows, 0));
    for (auto& Row : FRows)
        Row.resize(FCols);
}

int TGridCellTable::ColCount() const { return FGrid.ColCount(); }

int TGridCellTable::RowCount() const { return FGrid.RowCount(); }

std::string TGridCellTable::Cell(int ACol, int ARow) const
{
    return Inside(ACol, ARow, ColCount(), RowCount()) ? FGrid.Cells(ACol, ARow) : std::string();
}

void TGridCellTable::SetCell(int ACol, int ARow, const std::string& Value)
{
    if (Inside(ACol, ARow, ColCount(), RowCount()))
        FGrid.SetCells(ACol, ARow, Value);
}

void TGridCellTable::Resize(int ACols, int ARows)
{
    FGrid.SetColCount(std::max(ACols, 1));
    FGrid.SetRowCount(std::max(ARows, 1));
}
