#include "grid/control/rows/RowFlags.h"

#include <algorithm>

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

template <typename T> void MoveEntry(std::vector<T>& List, int From, int To)
{
    const T moved = Entry(List, From);
    EraseEntry(List, From);
    if (To < static_cast<int>(List.size()))
        List.insert(List.begin() + To, moved);
    else if (moved != T{})
        Store(List, To, moved);
}

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
        if (line >= At.Select) line += Count;
}

void TRowFlags::Removed(const std::vector<TFlagLine>& Lines)
{
    std::vector<int> selectLines;
    for (auto it = Lines.rbegin(); it != Lines.rend(); ++it) {
        EraseEntry(FModified, it->Displ);
        EraseEntry(FDisabled, it->Displ);
        EraseEntry(FSelected, it->Select);
        selectLines.insert(selectLines.begin(), it->Select);
    }
    std::erase_if(FSelectionOrder,
                  [&](int l) { return std::binary_search(selectLines.begin(), selectLines.end(), l); });
    for (int& l : FSelectionOrder)
        l -= static_cast<int>(std::lower_bound(selectLines.begin(), selectLines.end(), l) - selectLines.begin());
}

void TRowFlags::Moved(TFlagLine From, TFlagLine To)
{
    MoveEntry(FModified, From.Displ, To.Displ);
    MoveEntry(FDisabled, From.Displ, To.Displ);
    MoveEntry(FSelected, From.Select, To.Select);
    for (int& l : FSelectionOrder) {
        if (l == From.Select)
            l = To.Select;
        else if (From.Select < To.Select && l > From.Select && l <= To.Select)
            --l;
        else if (To.Select < From.Select && l >= To.Select && l < From.Select)
            ++l;
    }
}

void TRowFlags::SwapModified(int A, int B) { SwapEntries(FModified, A, B); }

void TRowFlags::SwapEnabled(int A, int B) { SwapEntries(FDisabled, A, B); }

void TRowFlags::SwapSelected(int A, int B)
{
    SwapEntries(FSelected, A, B);
    for (int& l : FSelectionOrder)
        l = l == A ? B : l == B ? A : l;
}

std::string TRowFlags::CheckConsistency(int Lines) const
{
    const auto beyond = [Lines](const auto& List, const auto& Cleared) {
        for (int i = Lines; i < static_cast<int>(List.size()); ++i)
            if (List[i] != Cleared) return true;
        return false;
    };
    if (beyond(FModified, 0)) return "a modified flag beyond the rows";
    if (beyond(FDisabled, 0)) return "a disabled flag beyond the rows";
    if (beyond(FSelected, false)) return "a selection flag beyond the rows";
    std::vector<int> order = FSelectionOrder;
    std::sort(order.begin(), order.end());
    if (std::adjacent_find(order.begin(), order.end()) != order.end()) return "a row selected twice in order";
    for (int line : order)
        if (!Selected(line)) return "row " + std::to_string(line) + " in the selection order is not selected";
    return {};
}
