#include "platform/grids/GridCellStore.h"

#include <algorithm>

namespace {

const std::string kEmpty;

// Moves the element at `from` to `to`, shifting those between. Elements beyond the end are
// empty ones, so a vector that ends before both indexes stays as it is.
template <typename T> void MoveElement(std::vector<T>& items, int from, int to)
{
    if (from == to || from < 0 || to < 0) return;
    if (items.size() <= static_cast<size_t>(std::min(from, to))) return;
    const auto needed = static_cast<size_t>(std::max(from, to)) + 1;
    if (items.size() < needed) items.resize(needed);
    if (from < to)
        std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
    else
        std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
}

} // namespace

const TGridCellStore::TCell* TGridCellStore::Find(int col, int row) const
{
    if (col < 0 || row < 0 || static_cast<size_t>(row) >= rows_.size()) return nullptr;
    const TRowCells& cells = rows_[row];
    return static_cast<size_t>(col) < cells.size() ? &cells[col] : nullptr;
}

TGridCellStore::TCell& TGridCellStore::Ensure(int col, int row)
{
    if (static_cast<size_t>(row) >= rows_.size()) rows_.resize(static_cast<size_t>(row) + 1);
    TRowCells& cells = rows_[row];
    if (static_cast<size_t>(col) >= cells.size()) cells.resize(static_cast<size_t>(col) + 1);
    return cells[col];
}

int TGridCellStore::KeptColumns(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < rows_.size() ? static_cast<int>(rows_[row].size()) : 0;
}

const std::string& TGridCellStore::Text(int col, int row) const
{
    const TCell* cell = Find(col, row);
    return cell ? cell->Text : kEmpty;
}

void TGridCellStore::SetText(int col, int row, const std::string& text)
{
    if (col < 0 || row < 0) return;
    if (text.empty() && !Find(col, row)) return;
    Ensure(col, row).Text = text;
}

TObject* TGridCellStore::Object(int col, int row) const
{
    const TCell* cell = Find(col, row);
    return cell ? cell->Object : nullptr;
}

void TGridCellStore::SetObject(int col, int row, TObject* object)
{
    if (col < 0 || row < 0) return;
    if (!object && !Find(col, row)) return;
    Ensure(col, row).Object = object;
}

void TGridCellStore::MoveColumn(int from, int to)
{
    for (TRowCells& cells : rows_)
        MoveElement(cells, from, to);
}

void TGridCellStore::MoveRow(int from, int to) { MoveElement(rows_, from, to); }

void TGridCellStore::SwapRows(int row1, int row2)
{
    if (row1 < 0 || row2 < 0 || row1 == row2) return;
    const auto last = static_cast<size_t>(std::max(row1, row2));
    if (last >= rows_.size()) rows_.resize(last + 1);
    rows_[static_cast<size_t>(row1)].swap(rows_[static_cast<size_t>(row2)]);
}

void TGridCellStore::PrefetchEntry(int row) const
{
    if (row >= 0 && static_cast<size_t>(row) < rows_.size()) __builtin_prefetch(&rows_[static_cast<size_t>(row)]);
}

void TGridCellStore::Prefetch(int row, int firstCol, int lastCol) const
{
    if (row < 0 || static_cast<size_t>(row) >= rows_.size() || firstCol < 0) return;
    const TRowCells& cells = rows_[static_cast<size_t>(row)];
    const auto end = std::min(cells.size(), static_cast<size_t>(lastCol) + 1);
    if (static_cast<size_t>(firstCol) >= end) return;
    const char* first = reinterpret_cast<const char*>(cells.data() + firstCol);
    const char* last = reinterpret_cast<const char*>(cells.data() + end);
    constexpr std::ptrdiff_t line = 64;
    for (const char* at = first; at < last; at += line)
        __builtin_prefetch(at);
    __builtin_prefetch(last - 1);
}

TGridStrings TGridCellStore::TakeRow(int row, int cols)
{
    TGridStrings taken;
    taken.Strings.resize(static_cast<size_t>(std::max(cols, 0)));
    taken.Objects.resize(taken.Strings.size(), nullptr);
    if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return taken;
    TRowCells& cells = rows_[static_cast<size_t>(row)];
    for (size_t c = 0; c < std::min(cells.size(), taken.Strings.size()); ++c) {
        taken.Strings[c] = std::move(cells[c].Text);
        taken.Objects[c] = cells[c].Object;
    }
    TRowCells().swap(cells);
    return taken;
}

// Cells past the last one that holds something take no room, as with single writes.
void TGridCellStore::PutRow(int row, const TGridStrings& cells)
{
    if (row < 0) return;
    int last = cells.Count() - 1;
    while (last >= 0 && cells.Strings[static_cast<size_t>(last)].empty() && !cells.Objects[static_cast<size_t>(last)])
        --last;
    const auto index = static_cast<size_t>(row);
    if (index >= rows_.size()) {
        if (last < 0) return;
        rows_.resize(index + 1);
    }
    TRowCells& stored = rows_[index];
    if (stored.size() < static_cast<size_t>(last + 1)) stored.resize(static_cast<size_t>(last + 1));
    const size_t count = std::min(stored.size(), static_cast<size_t>(cells.Count()));
    for (size_t c = 0; c < count; ++c) {
        stored[c].Text = cells.Strings[c];
        stored[c].Object = cells.Objects[c];
    }
}

void TGridCellStore::MoveRowTo(int from, int to)
{
    if (from < 0 || to < 0 || from == to) return;
    TRowCells moved;
    if (static_cast<size_t>(from) < rows_.size()) moved.swap(rows_[static_cast<size_t>(from)]);
    if (static_cast<size_t>(to) >= rows_.size()) {
        if (moved.empty()) return;
        rows_.resize(static_cast<size_t>(to) + 1);
    }
    rows_[static_cast<size_t>(to)] = std::move(moved);
}

void TGridCellStore::ClearRow(int row)
{
    if (row >= 0 && static_cast<size_t>(row) < rows_.size()) TRowCells().swap(rows_[static_cast<size_t>(row)]);
}
