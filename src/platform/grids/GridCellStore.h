#pragma once
#include <string>
#include <vector>

class TObject;

// The texts and objects of one row or column of a string grid.
struct TGridStrings {
    std::vector<std::string> Strings;
    std::vector<TObject*> Objects;

    int Count() const { return static_cast<int>(Strings.size()); }
    void Add(const std::string& s, TObject* object = nullptr)
    {
        Strings.push_back(s);
        Objects.push_back(object);
    }
};

// The cells of a string grid, kept per row: a row holds only the columns up to its last
// written cell, and rows never written take no room. Any index from 0 on can be written
// and read, whatever the grid's counts are.
class TGridCellStore {
public:
    const std::string& Text(int col, int row) const;
    void SetText(int col, int row, const std::string& text);
    TObject* Object(int col, int row) const;
    void SetObject(int col, int row, TObject* object);
    // The rows, and a row's columns, counted from 0, that cells are kept for; every cell
    // beyond reads "" and no object.
    int KeptRows() const { return static_cast<int>(rows_.size()); }
    int KeptColumns(int row) const;

    // Moves a whole column (in every row) or a whole row, shifting those between.
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);
    // Exchanges every cell of two rows at once, texts and objects.
    void SwapRows(int row1, int row2);
    // Whole rows for the operations that take rows out of the grid, put them back and close
    // the gaps: the cells move instead of being copied one at a time, and a row left behind
    // is empty (its objects have gone with its cells, so they are dropped, not freed).
    TGridStrings TakeRow(int row, int cols);
    void PutRow(int row, const TGridStrings& cells);
    void MoveRowTo(int from, int to);
    void ClearRow(int row);
    // Hints that the row's cells from firstCol to lastCol are read soon: a reader that
    // walks rows in no order of their own fetches ahead, instead of waiting for each row.
    // Finding the cells reads the row's entry, so that is fetched first, a little earlier.
    void PrefetchEntry(int row) const;
    void Prefetch(int row, int firstCol, int lastCol) const;

private:
    struct TCell {
        std::string Text;
        TObject* Object = nullptr;
    };
    using TRowCells = std::vector<TCell>;

    const TCell* Find(int col, int row) const;
    TCell& Ensure(int col, int row);

    std::vector<TRowCells> rows_;
};
