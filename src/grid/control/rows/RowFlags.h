#pragma once
#include <functional>
#include <string>
#include <vector>

#include "grid/control/rows/LineMove.h"

// Where one row stands for the flags: the modified and enabled flags count display rows,
// the selection flags count the rows the selection knows (real rows when the selection
// survives hiding, display rows otherwise).
struct TFlagLine {
    int Displ = 0;
    int Select = 0;
};

// The flags a row takes along while it is out of the grid (hidden, filtered, in a
// contracted node), so that they come back with it as its cells and height do. The
// selection goes out only when it counts display rows; counted by real row it stays where
// it is.
struct TRowOwnFlags {
    bool Modified = false;
    bool Disabled = false;
    bool Selected = false;
    bool InSelectionOrder = false;
    // The columns of the row's disjunctly selected cells, in the order they were selected.
    std::vector<int> SelectedCellCols;
};

// One cell of the disjunct cell selection: a column and the display row's line.
struct TFlagCell {
    int Col = 0;
    int Line = 0;
    bool operator==(const TFlagCell&) const = default;
};

// Every row-keyed flag of the grid: modified, disabled, row-selected, the order in which
// rows were selected and the disjunctly selected cells. The lists count the shown rows;
// a row out of the grid holds its own flags (TRowOwnFlags) until it comes back. Rows that come, go, move or swap renumber all of them here,
// so no operation keeps its own list of what travels with a row. Lines past the end of a
// list read as cleared.
class TRowFlags {
public:
    bool Modified(int Line) const;
    void SetModified(int Line, bool Value);
    int ModifiedCount() const;
    void ClearModified() { FModified.clear(); }

    bool Enabled(int Line) const;
    void SetEnabled(int Line, bool Value);

    bool Selected(int Line) const;
    // Whether the line has a selection entry at all, set or cleared.
    bool SelectionListed(int Line) const { return Line >= 0 && Line < static_cast<int>(FSelected.size()); }
    // Sets the flag; a newly selected line from FirstListed on joins the selection order.
    void SetSelected(int Line, bool Value, int FirstListed);
    // Clears every selection flag, telling Repaint of each line that was selected.
    void ClearSelected(const std::function<void(int Line)>& Repaint);
    int SelectedCount(int Lines) const;
    // The selected lines in the order they were selected.
    const std::vector<int>& SelectionOrder() const { return FSelectionOrder; }

    bool CellSelected(int Col, int Line) const;
    // False when the cell already was as asked.
    bool SetCellSelected(int Col, int Line, bool Value);
    void ClearCells() { FCells.clear(); }
    // The selected cells in the order they were selected.
    const std::vector<TFlagCell>& SelectedCells() const { return FCells; }

    // Count rows opened at At.
    void Inserted(TFlagLine At, int Count);
    // The rows of Lines (ascending) left.
    void Removed(const std::vector<TFlagLine>& Lines);
    // A block of rows moved: Displ counts display rows, Select the selection's lines.
    void Moved(const TLineMove& Displ, const TLineMove& Select);
    // The row at display line Line leaves the grid with its flags; the lines below close up.
    // WithSelection when the selection counts display rows.
    TRowOwnFlags TakeOut(TFlagLine Line, bool WithSelection);
    // A row that was out of the grid comes back at Line with the flags it took out.
    void PutBack(TFlagLine Line, const TRowOwnFlags& Flags, bool WithSelection);
    // The grid ends before From: every flag of a line from there on goes.
    void Truncated(TFlagLine From);
    void SwapModified(int A, int B);
    void SwapEnabled(int A, int B);
    void SwapSelected(int A, int B);
    void SwapCells(int A, int B);

    // Empty when the flags agree with each other for a grid of ShownLines display rows and
    // SelectLines lines of the selection; otherwise what is wrong.
    std::string CheckConsistency(int ShownLines, int SelectLines) const;
    std::string CheckConsistency(int Lines) const { return CheckConsistency(Lines, Lines); }

private:
    std::vector<int> FModified;
    std::vector<int> FDisabled;
    std::vector<bool> FSelected;
    std::vector<int> FSelectionOrder;
    std::vector<TFlagCell> FCells;
};
