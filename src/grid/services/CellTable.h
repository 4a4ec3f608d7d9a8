#pragma once
#include <string>
#include <vector>

class TExtStringGrid;

// The cells an exchange format reads and writes, as text: the grid itself, or a plain table
// where a format is tested without a widget. Formats that carry more than text (colours,
// fonts, pictures) work on the grid directly.
class TCellTable {
public:
    virtual ~TCellTable() = default;
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual std::string Cell(int ACol, int ARow) const = 0;
    // Writes inside the table only; a caller that needs more room resizes first.
    virtual void SetCell(int ACol, int ARow, const std::string& Value) = 0;
    virtual void Resize(int ACols, int ARows) = 0;
};

// A table held in memory, row by row.
class TMemoryCellTable : public TCellTable {
public:
    TMemoryCellTable() = default;
    TMemoryCellTable(int ACols, int ARows) { TMemoryCellTable::Resize(ACols, ARows); }
    // Rows of cells; the widest row sets the column count.
    explicit TMemoryCellTable(const std::vector<std::vector<std::string>>& Rows);

    int ColCount() const override { return FCols; }
    int RowCount() const override { return static_cast<int>(FRows.size()); }
    std::string Cell(int ACol, int ARow) const override;
    void SetCell(int ACol, int ARow, const std::string& Value) override;
    void Resize(int ACols, int ARows) override;

private:
    int FCols = 0;
    std::vector<std::vector<std::string>> FRows;
};

// The grid's cells as a table: ColCount and RowCount are the grid's.
class TGridCellTable : public TCellTable {
public:
    explicit TGridCellTable(TExtStringGrid& Grid) : FGrid(Grid) {}

    int ColCount() const override;
    int RowCount() const override;
    std::string Cell(int ACol, int ARow) const override;
    void SetCell(int ACol, int ARow, const std::string& Value) override;
    void Resize(int ACols, int ARows) override;

private:
    TExtStringGrid& FGrid;
};
