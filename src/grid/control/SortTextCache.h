#pragma once
#include <string>
#include <utility>
#include <vector>

// A text read as a sort number: its value, whether it converted, and whether nothing was
// left of it once prefix, suffix and separators were taken out.
struct TSortNumber {
    double Value = 0;
    bool Valid = false;
    bool Empty = false;
};

// A cell's text as a sort compares it; whether it reads as a number, its check box and its
// plain number reading are worked out on the first question only.
struct TSortCellText {
    TSortCellText() = default;
    explicit TSortCellText(std::string AText) : Text(std::move(AText)) {}
    std::string Text;
    bool IsNumber() const;
    // Whether the cell holds a check box: -1 until first asked.
    signed char CheckBox = -1;
    // The reading Number holds: -1 none yet, 0 numeric, 1 financial (no prefix or suffix).
    signed char NumberForm = -1;
    TSortNumber Number;

private:
    mutable signed char FNumberKind = -1;
};

// The texts a running sort compares, read once per cell. The rows move while the sort
// runs, so the texts move with them. Only used while nothing else can change a text during
// the sort: no event hands out display texts or takes part in the compare.
class TSortTextCache {
public:
    explicit TSortTextCache(int RowCount) : FRowCount(RowCount) {}

    int RowCount() const { return FRowCount; }
    // The cell's entry; WasRead tells whether its Text was filled before.
    TSortCellText& At(int ACol, int ARow, bool& WasRead);
    // OnlyCol -1 moves the texts of every column.
    void SwapRows(int ARow1, int ARow2, int OnlyCol);

private:
    struct TEntry {
        TSortCellText Cell;
        bool Read = false;
    };
    int FRowCount;
    // Entries stay in row order, so the partition's walk through the rows reads them in turn.
    std::vector<std::vector<TEntry>> FColumns;
};
