#include <algorithm>
#include <numeric>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/services/SortKeys.h"
#include "grid/services/SortRecords.h"
#include "grid/services/StableOrder.h"

// A sort first works out the rows' new order while every row stays where it is, comparing by
// keys read once per column where the column allows it; then each row moves once, by the
// sort's row swap, so cell objects, heights and row flags travel with their rows and no row
// is ever copied. The order is stable: rows that tie keep their order.

namespace {

// Runs the restoring half of a sort however the sort ends.
class TSortRestore {
public:
    explicit TSortRestore(std::function<void()> Restore) : FRestore(std::move(Restore)) {}
    ~TSortRestore() { FRestore(); }
    TSortRestore(const TSortRestore&) = delete;
    TSortRestore& operator=(const TSortRestore&) = delete;

private:
    std::function<void()> FRestore;
};

} // namespace

void TExtStringGrid::InitSortXRef()
{
    FSortRowXRef.resize(static_cast<size_t>(RowCount()));
    std::iota(FSortRowXRef.begin(), FSortRowXRef.end(), 0);
}

int TExtStringGrid::SortedRowIndex(int ARow) const
{
    const bool listed = ARow >= 0 && ARow < static_cast<int>(FSortRowXRef.size());
    return RealRowIndex(listed ? FSortRowXRef[static_cast<size_t>(ARow)] : ARow);
}

int TExtStringGrid::UnSortedRowIndex(int ARow) const
{
    if (FSortRowXRef.empty()) return ARow;
    const auto found = std::find(FSortRowXRef.begin(), FSortRowXRef.end(), ARow);
    return static_cast<int>(found - FSortRowXRef.begin());
}

int TExtStringGrid::UnSortedRow(int ARow) const
{
    return static_cast<int>(FSortRowXRef.size()) < ARow ? ARow : UnSortedRowIndex(ARow);
}

std::string TExtStringGrid::UnSortedCells(int ACol, int ARow) const { return Cells(ACol, UnSortedRow(ARow)); }

// A row that no sorted row came from has no cell to write.
void TExtStringGrid::SetUnSortedCells(int ACol, int ARow, const std::string& Value)
{
    const int row = UnSortedRow(ARow);
    if (row >= 0 && row < RowCount()) SetCells(ACol, row, Value);
}

void TExtStringGrid::Sort(int Column, TSortDirection Direction)
{
    SortSettings()->Column = Column;
    SortSettings()->Direction = Direction;
    QSort();
}

void TExtStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1) return;
    SortSettings()->Column = Col;
    QSort();
}

void TExtStringGrid::QSort()
{
    if (SortSettings()->Column < 0) return;
    SortRows(false, false);
}

void TExtStringGrid::QSortIndexed() { SortRows(true, false); }

void TExtStringGrid::QSortGroup()
{
    if (SortSettings()->Column < 0) return;
    SortRows(false, true);
}

void TExtStringGrid::QSortGroupIndexed() { SortRows(true, true); }

void TExtStringGrid::QuickSort(int Col, int Left, int Right)
{
    WithSortTexts([&] { QuickSortRows(Col, Left, Right, false); });
}

void TExtStringGrid::QuickSortIndexed(int Left, int Right)
{
    WithSortTexts([&] { QuickSortRows(0, Left, Right, true); });
}

void TExtStringGrid::WithSortTexts(const std::function<void()>& SortStep)
{
    // Without events that give out texts or take part in the compare, a cell's text cannot
    // change while the sort runs, so each is read once instead of at every compare.
    const bool fixedTexts = !OnGetDisplText && !OnGetDisplWideText && !OnGetFormat && !OnCustomCompare && !OnRawCompare;
    if (fixedTexts && !FSortTexts) FSortTexts = std::make_unique<TSortTextCache>(RowCount());
    TSortRestore forget([&] { FSortTexts.reset(); });
    SortStep();
}

void TExtStringGrid::QuickSortRows(int ACol, int Left, int Right, bool Indexed)
{
    if (Left >= Right) return;
    const TSortSettings& sort = *SortSettings();
    const auto count = static_cast<size_t>(Right - Left + 1);
    TSortKeyTable keys(Left, Right - Left + 1, TotalColCount());
    FSortKeys = &keys;
    TSortRestore release([&] { FSortKeys = nullptr; });
    // Most compares are decided by the first sort column, so its keys are read up front; a
    // tie goes to the row compare of the further columns.
    const bool byEntries = Indexed && SortIndexes.Count() > 0;
    const int firstCol = byEntries ? SortIndexes.SortColumns(0) : ACol;
    const bool firstAscending = byEntries ? SortIndexes.SortDirections(0) : sort.Direction == sdAscending;
    const TSortDirection firstDirection = firstAscending ? sdAscending : sdDescending;
    const bool byFirst = !(Indexed && !byEntries) && !IsIgnoredColumn(firstCol);
    // A row goes before another when their compare gives the direction's sign negated; the
    // indexed compare applies each entry's direction itself.
    const int before = Indexed || sort.Direction == sdAscending ? -1 : 1;
    const int firstBefore = Indexed && !firstAscending ? 1 : before;
    const bool tieGoesOn = Indexed ? sort.Full && SortIndexes.Count() > 1 : sort.Full && ACol + 1 < TotalColCount();
    const auto tie = [&](int A, int B) {
        if (!tieGoesOn) return false;
        const int result = Indexed ? CompareRowsIndexed(1, Left + A, Left + B) : CompareRows(ACol + 1, Left + A, Left + B);
        return result == before;
    };
    std::vector<int> order;
    if (!byFirst || !SortRowsByKeys(firstCol, Left, Right, firstDirection, firstBefore, tie, order)) {
        TSortColumnKeys* first = byFirst ? &SortKeysOf(firstCol) : nullptr;
        if (first)
            for (int r = Left; r <= Right; ++r)
                ReadSortKey(firstCol, r, *first, static_cast<size_t>(r - Left));
        order.resize(count);
        std::iota(order.begin(), order.end(), 0);
        StableSortOrder(order, [&](int A, int B) {
            if (first) {
                const int result = first->Compare(static_cast<size_t>(A), static_cast<size_t>(B), sort, firstDirection);
                if (result == 0) return tie(A, B);
                if (result != TSortColumnKeys::CompareCellByCell) return result == firstBefore;
            }
            const int result = Indexed ? CompareRowsIndexed(0, Left + A, Left + B) : CompareRows(ACol, Left + A, Left + B);
            return result == before;
        });
    }
    FSortKeys = nullptr;
    ReorderSortedRows(Left, order);
}

bool TExtStringGrid::SortRowsByKeys(int FirstCol, int Left, int Right, TSortDirection Direction, int Before,
                                    const std::function<bool(int, int)>& Tie, std::vector<int>& Order)
{
    TSortStyle style;
    std::string prefix, suffix;
    SortKeyStyle(FirstCol, style, prefix, suffix);
    TSortRecords records(static_cast<size_t>(Right - Left + 1));
    TSortKey key;
    for (int r = Left; r <= Right; ++r)
        if (!CellSortKey(FirstCol, r, style, prefix, suffix, key) || !records.Add(key)) return false;
    std::vector<std::pair<size_t, size_t>> runs;
    records.Sort(*SortSettings(), Direction, Before, Order, runs);
    // The rows of a run stand in their old order; one key table serves every run in turn.
    TSortKeyTable keys(Left, 0, TotalColCount());
    TSortKeyTable* const outer = std::exchange(FSortKeys, &keys);
    TSortRestore restore([&] { FSortKeys = outer; });
    std::vector<int> rows;
    for (const auto& [first, last] : runs) {
        const auto begin = Order.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = Order.begin() + static_cast<std::ptrdiff_t>(last);
        rows.assign(begin, end);
        for (int& row : rows)
            row += Left;
        keys.Restart(rows);
        StableSortOrder(rows, [&](int A, int B) { return Tie(A - Left, B - Left); });
        std::transform(rows.begin(), rows.end(), begin, [&](int Row) { return Row - Left; });
    }
    return true;
}

void TExtStringGrid::SortRows(bool Indexed, bool Grouped)
{
    if (static_cast<int>(FSortRowXRef.size()) != RowCount()) InitSortXRef();
    if (Indexed && !Grouped && SortIndexes.Count() == 0)
        throw EExtGridError("No indexes specified for indexed sort");
    if (!Indexed && !Grouped) SortIndexes.Clear();

    const TSortSettings& sort = *SortSettings();
    const bool moveRow = Navigation()->MoveRowOnSort;
    std::vector<std::pair<std::string, TObject*>> column0;
    if (sort.NormalCellsOnly && FixedCols() > 0)
        for (int r = 0; r < RowCount(); ++r)
            column0.emplace_back(GridCells(0, r), GridObjects(0, r));
    const int top = TopRow();
    const bool footerShown = FloatingFooter()->Visible();
    const int fixedFooters = FixedFooters;
    const int oldRow = Row();
    BeginUpdate();
    {
        TSortRestore restore([&] {
            for (size_t r = 0; r < column0.size() && static_cast<int>(r) < RowCount(); ++r) {
                SetGridCells(0, static_cast<int>(r), column0[r].first);
                SetGridObjects(0, static_cast<int>(r), column0[r].second);
            }
            if (Navigation()->KeepScrollOnSort) SetTopRow(top);
            // The footer's visibility decides the fixed footers, so it comes back first.
            if (footerShown && !Grouped) FloatingFooter()->SetVisible(true);
            FixedFooters = fixedFooters;
            EndUpdate();
        });
        if (footerShown && !Grouped) FloatingFooter()->SetVisible(false);
        SortRow = oldRow;
        const int last = RowCount() - fixedFooters - 1;
        WithSortTexts([&] {
            if (Grouped)
                SortGroups(Indexed);
            else
                QuickSortRows(sort.Column, FixedRows(), last, Indexed);
        });
        const bool restoreRow = Indexed || Grouped || !MouseActions()->DisjunctRowSelect();
        if (restoreRow && moveRow && SortRow >= 0 && SortRow < RowCount()) SetRow(SortRow);
    }
    // The controls moved with their cells' properties.
    if (FNumCellControls > 0) CellControlsUpdate(true);
    if (!Indexed && !Grouped && OnRowUpdate && !moveRow) OnRowUpdate(this, oldRow, Row());
}

void TExtStringGrid::SortGroups(bool Indexed)
{
    const int last = RowCount() - FixedFooters - 1;
    int level = 0;
    for (int r = FixedRows(); r <= last; ++r)
        if (IsNode(r)) level = std::max(level, GetNodeLevel(r));
    for (int r = FixedRows(); r <= last; ++r) {
        const int span = GetNodeSpan(r);
        if (!IsNode(r) || GetNodeLevel(r) != level || GetNodeState(r) || span < 3) continue;
        QuickSortRows(SortSettings()->Column, r + 1, std::min(r + span - 1, last), Indexed);
    }
}

void TExtStringGrid::QUnSort()
{
    if (static_cast<int>(FSortRowXRef.size()) != RowCount()) return;
    // Position k takes the row that stood at k before the sorts; the swaps only ever
    // exchange entries, so the list is a permutation.
    std::vector<int> order(FSortRowXRef.size());
    for (size_t r = 0; r < FSortRowXRef.size(); ++r)
        order[static_cast<size_t>(FSortRowXRef[r])] = static_cast<int>(r);
    const TSortSettings& sort = *SortSettings();
    std::vector<std::pair<std::string, TObject*>> column0;
    if (sort.NormalCellsOnly && FixedCols() > 0)
        for (int r = 0; r < RowCount(); ++r)
            column0.emplace_back(GridCells(0, r), GridObjects(0, r));
    BeginUpdate();
    TSortRestore restore([&] {
        for (size_t r = 0; r < column0.size(); ++r) {
            SetGridCells(0, static_cast<int>(r), column0[r].first);
            SetGridObjects(0, static_cast<int>(r), column0[r].second);
        }
        EndUpdate();
    });
    ReorderSortedRows(0, order);
}

bool TExtStringGrid::SortLine(int Col, int ARow1, int ARow2)
{
    const TSortDirection direction = SortSettings()->Direction;
    const int sign = direction == sdAscending ? 1 : -1;
    for (int c = Col; c < TotalColCount(); ++c) {
        const int result = CompareCells(c, ARow1, ARow2, direction);
        if (result == sign) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (result != 0) return false;
    }
    return false;
}
