#include "grid/control/rows/RowFlags.h"

#include <algorithm>
#include <utility>

namespace {

template <typename T> T Entry(const std::vector<T>& List, int Line)
{
    return Line >= 0 && Line < static_cast<int>(List.size()) ? List[Line] : T{};
}

template <typename T> void Store(std::vector<T>& List, int Line, T Value)
{
    if (Line >= static_cast<int>(List.size())) List.resize(Line + 1, T{});
    List[Line] = Value;
}

template <typename T> void EraseEntry(std::vector<T>& List, int Line)
{
    if (Line >= 0 && Line < static_cast<int>(List.size())) List.erase(List.begin() + Line);
}

// Only a list reaching the place needs the new entries.
template <typename T> void InsertEntries(std::vector<T>& List, int Line, int Count)
{
    if (Line >= 0 && Line < static_cast<int>(List.size())) List.insert(List.begin() + Line, Count, T{});
}

template <typename T> void SwapEntries(std::vector<T>& List, int A, int B)
{
    const T a = Entry(List, A);
    const T b = Entry(List, B);
    if (a == b) return;
    Store(List, A, b);
    Store(List, B, a);
}

template <typename T> void MoveEntries(std::vector<T>& List, const TLineMove& Move)
{
    std::vector<T> moved(List.size(), T{});
    for (int line = 0; line < static_cast<int>(List.size()); ++line) {
        const T value = List[line];
        if (value != T{}) Store(moved, Move.Map(line), value);
    }
    List = std::move(moved);
}

// Where a line stands after Count lines opened at At.
int LineAfterInsert(int Line, int At, int Count) { return Line >= At ? Line + Count : Line; }

// Where a line other than the removed ones (ascending) stands after they left.
int LineAfterRemove(int Line, const std::vector<int>& Removed)
{
    return Line - static_cast<int>(std::lower_bound(Removed.begin(), Removed.end(), Line) - Removed.begin());
}

int LineAfterSwap(int Line, int A, int B) { return Line == A ? B : Line == B ? A : Line; }

} // namespace

bool TRowFlags::Modified(int Line) const { return Entry(FModified, Line) == 1; }

void TRowFlags::SetModified(int Line, bool Value) { Store(FModified, Line, Value ? 1 : 0); }

int TRowFlags::ModifiedCount() const { return static_cast<int>(std::count(FModified.begin(), FModified.end(), 1)); }

bool TRowFlags::Enabled(int Line) const { return Entry(FDisabled, Line) == 0; }

void TRowFlags::SetEnabled(int Line, bool Value) { Store(FDisabled, Line, Value ? 0 : 1); }

bool TRowFlags::Selected(int Line) const { return Entry(FSelected, Line); }

void TRowFlags::SetSelected(int Line, bool Value, int FirstListed)
{
    Store(FSelected, Line, Value);
    const auto found = std::find(FSelectionOrder.begin(), FSelectionOrder.end(), Line);
    if (Value && found == FSelectionOrder.end() && Line >= FirstListed) FSelectionOrder.push_back(Line);
    if (!Value && found != FSelectionOrder.end()) FSelectionOrder.erase(found);
}

void TRowFlags::ClearSelected(const std::function<void(int Line)>& Repaint)
{
    for (int i = 0; i < static_cast<int>(FSelected.size()); ++i)
        if (FSelected[i]) Repaint(i);
    FSelected.clear();
    FSelectionOrder.clear();
}

int TRowFlags::SelectedCount(int Lines) const
{
    const auto end = FSelected.begin() + std::min<size_t>(std::max(Lines, 0), FSelected.size());
    return static_cast<int>(std::count(FSelected.begin(), end, true));
}

void TRowFlags::Inserted(TFlagLine At, int Count)
{
    InsertEntries(FModified, At.Displ, Count);
    InsertEntries(FDisabled, At.Displ, Count);
    InsertEntries(FSelected, At.Select, Count);
    for (int& line : FSelectionOrder)
        line = LineAfterInsert(line, At.Select, Count);
    for (TFlagCell& cell : FCells)
        cell.Line = LineAfterInsert(cell.Line, At.Displ, Count);
}

void TRowFlags::Removed(const std::vector<TFlagLine>& Lines)
{
    std::vector<int> selectLines, displLines;
    for (auto it = Lines.rbegin(); it != Lines.rend(); ++it) {
        EraseEntry(FModified, it->Displ);
        EraseEntry(FDisabled, it->Displ);
        EraseEntry(FSelected, it->Select);
        selectLines.insert(selectLines.begin(), it->Select);
        displLines.insert(displLines.begin(), it->Displ);
    }
    const auto removed = [](const std::vector<int>& Removed, int Line) {
        return std::binary_search(Removed.begin(), Removed.end(), Line);
    };
    std::erase_if(FSelectionOrder, [&](int l) { return removed(selectLines, l); });
    for (int& l : FSelectionOrder)
        l = LineAfterRemove(l, selectLines);
    std::erase_if(FCells, [&](const TFlagCell& cell) { return removed(displLines, cell.Line); });
    for (TFlagCell& cell : FCells)
        cell.Line = LineAfterRemove(cell.Line, displLines);
}

void TRowFlags::Moved(const TLineMove& Displ, const TLineMove& Select)
{
    MoveEntries(FModified, Displ);
    MoveEntries(FDisabled, Displ);
    MoveEntries(FSelected, Select);
    for (int& l : FSelectionOrder)
        l = Select.Map(l);
    for (TFlagCell& cell : FCells)
        cell.Line = Displ.Map(cell.Line);
}

// The modified, disabled and cell flags count display rows, so a row that leaves the grid
// takes them out of their lists instead of leaving them on the row that moves up into its
// line.
TRowOwnFlags TRowFlags::TakeOut(TFlagLine Line, bool WithSelection)
{
    TRowOwnFlags own;
    own.Modified = Modified(Line.Displ);
    own.Disabled = !Enabled(Line.Displ);
    EraseEntry(FModified, Line.Displ);
    EraseEntry(FDisabled, Line.Displ);
    for (const TFlagCell& cell : FCells)
        if (cell.Line == Line.Displ) own.SelectedCellCols.push_back(cell.Col);
    std::erase_if(FCells, [&](const TFlagCell& cell) { return cell.Line == Line.Displ; });
    for (TFlagCell& cell : FCells)
        cell.Line = LineAfterRemove(cell.Line, {Line.Displ});
    if (!WithSelection) return own;
    own.Selected = Selected(Line.Select);
    own.InSelectionOrder = std::erase(FSelectionOrder, Line.Select) > 0;
    EraseEntry(FSelected, Line.Select);
    for (int& l : FSelectionOrder)
        l = LineAfterRemove(l, {Line.Select});
    return own;
}

void TRowFlags::PutBack(TFlagLine Line, const TRowOwnFlags& Flags, bool WithSelection)
{
    InsertEntries(FModified, Line.Displ, 1);
    InsertEntries(FDisabled, Line.Displ, 1);
    if (Flags.Modified) Store(FModified, Line.Displ, 1);
    if (Flags.Disabled) Store(FDisabled, Line.Displ, 1);
    for (TFlagCell& cell : FCells)
        cell.Line = LineAfterInsert(cell.Line, Line.Displ, 1);
    for (int col : Flags.SelectedCellCols)
        FCells.push_back({col, Line.Displ});
    if (!WithSelection) return;
    InsertEntries(FSelected, Line.Select, 1);
    if (Flags.Selected) Store(FSelected, Line.Select, true);
    for (int& l : FSelectionOrder)
        l = LineAfterInsert(l, Line.Select, 1);
    if (Flags.InSelectionOrder) FSelectionOrder.push_back(Line.Select);
}

void TRowFlags::Truncated(TFlagLine From)
{
    const auto cut = [](auto& List, int Line) {
        if (Line >= 0 && Line < static_cast<int>(List.size())) List.resize(Line);
    };
    cut(FModified, From.Displ);
    cut(FDisabled, From.Displ);
    cut(FSelected, From.Select);
    std::erase_if(FSelectionOrder, [&](int l) { return l >= From.Select; });
    std::erase_if(FCells, [&](const TFlagCell& cell) { return cell.Line >= From.Displ; });
}

void TRowFlags::SwapModified(int A, int B) { SwapEntries(FModified, A, B); }

void TRowFlags::SwapEnabled(int A, int B) { SwapEntries(FDisabled, A, B); }

void TRowFlags::SwapSelected(int A, int B)
{
    SwapEntries(FSelected, A, B);
    for (int& l : FSelectionOrder)
        l = LineAfterSwap(l, A, B);
}

void TRowFlags::SwapCells(int A, int B)
{
    for (TFlagCell& cell : FCells)
        cell.Line = LineAfterSwap(cell.Line, A, B);
}

bool TRowFlags::CellSelected(int Col, int Line) const
{
    return std::find(FCells.begin(), FCells.end(), TFlagCell{Col, Line}) != FCells.end();
}

bool TRowFlags::SetCellSelected(int Col, int Line, bool Value)
{
    const auto found = std::find(FCells.begin(), FCells.end(), TFlagCell{Col, Line});
    if (Value == (found != FCells.end())) return false;
    if (Value)
        FCells.push_back({Col, Line});
    else
        FCells.erase(found);
    return true;
}

std::string TRowFlags::CheckConsistency(int ShownLines, int SelectLines) const
{
    const auto beyond = [](const auto& List, int Lines, const auto& Cleared) {
        for (int i = std::max(Lines, 0); i < static_cast<int>(List.size()); ++i)
            if (List[i] != Cleared) return true;
        return false;
    };
    if (beyond(FModified, ShownLines, 0)) return "a modified flag beyond the rows";
    if (beyond(FDisabled, ShownLines, 0)) return "a disabled flag beyond the rows";
    if (beyond(FSelected, SelectLines, false)) return "a selection flag beyond the rows";
    std::vector<int> order = FSelectionOrder;
    std::sort(order.begin(), order.end());
    if (std::adjacent_find(order.begin(), order.end()) != order.end()) return "a row selected twice in order";
    for (int line : order)
        if (!Selected(line)) return "row " + std::to_string(line) + " in the selection order is not selected";
    for (const TFlagCell& cell : FCells) {
        if (cell.Line >= ShownLines) return "a selected cell beyond the rows";
        if (std::count(FCells.begin(), FCells.end(), cell) > 1) return "a cell selected twice";
    }
    return {};
}
