#include <algorithm>
#include <numeric>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/services/SortKeys.h"
#include "grid/services/SortRecords.h"
#include "grid/services/SortRowFetch.h"
#include "grid/services/SortRun.h"
#include "grid/services/StableOrder.h"
#include "platform/rtl/BulkMemory.h"

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
    TSortRun run(SortLevels(ACol, Indexed), Indexed, TotalColCount());
    FSortKeys = &run.Keys;
    TSortRestore release([&] { FSortKeys = nullptr; });
    std::pmr::vector<int> order(static_cast<size_t>(Right - Left + 1), BulkMemory());
    std::iota(order.begin(), order.end(), Left);
    SortRunByLevels(order, 0, run);
    FSortKeys = nullptr;
    for (int& row : order)
        row -= Left;
    ReorderSortedRows(Left, order);
}

std::vector<TSortLevel> TExtStringGrid::SortLevels(int ACol, bool Indexed)
{
    const TSortSettings& sort = *SortSettings();
    std::vector<TSortLevel> levels;
    const auto add = [&](int Col, int From, TSortDirection Direction) {
        if (Col >= 0 && Col < TotalColCount() && !IsIgnoredColumn(Col))
            levels.push_back({Col, From, Direction, SortColumnFormat(Col)});
    };
    if (!Indexed) {
        for (int col = ACol; col < TotalColCount() && (col == ACol || sort.Full); ++col)
            add(col, col, sort.Direction);
        return levels;
    }
    for (int i = 0; i < SortIndexes.Count() && (i == 0 || sort.Full); ++i)
        add(SortIndexes.SortColumns(i), i, SortIndexes.SortDirections(i) ? sdAscending : sdDescending);
    return levels;
}

// A level on which every row of the run ties is passed by without moving a row. The rows
// are read in the run's order, so a run's cells are read together, while they are at hand;
// the rows to come are fetched ahead, since a sorted run lies anywhere in memory.
void TExtStringGrid::SortRunByLevels(std::span<int> Rows, size_t Level, TSortRun& Run)
{
    const TSortSettings& sort = *SortSettings();
    TSortKey key;
    for (; Level < Run.Levels.size(); ++Level) {
        const TSortLevel& level = Run.Levels[Level];
        if (SortTextsTie(level, Rows)) continue;
        Run.Records.Clear(Rows.size());
        TSortRowFetch fetch(CellStore(), Rows, nullptr, level.Col, level.Col);
        for (size_t i = 0; i < Rows.size(); ++i) {
            fetch.Before(i);
            if (!CellSortKey(level.Col, Rows[i], level.Format, key) || !Run.Records.Add(key, Rows[i])) {
                SortRunByCompare(Rows, Level, Run);
                return;
            }
        }
        if (Run.Records.AllTie(sort)) continue;
        TSortRecords::TRuns& runs = Run.RunsAt[Level];
        Run.Records.Sort(sort, level.Direction, Rows, runs);
        if (Level + 1 == Run.Levels.size()) return;
        // The runs' rows are read on the further levels' columns. A deeper level's sorts
        // leave this level's list of runs alone.
        const auto [firstCol, lastCol] = std::minmax_element(
            Run.Levels.begin() + static_cast<std::ptrdiff_t>(Level) + 1, Run.Levels.end(),
            [](const TSortLevel& A, const TSortLevel& B) { return A.Col < B.Col; });
        TSortRowFetch fetchRuns(CellStore(), Rows, &runs, firstCol->Col, lastCol->Col);
        size_t read = 0;
        for (const auto& [first, last] : runs) {
            fetchRuns.Before(read);
            read += last - first;
            SortRunByLevels(Rows.subspan(first, last - first), Level + 1, Run);
        }
        return;
    }
}

// A cell object may carry a check box, a picture or a merge, which weigh in beside the text;
// the styles of images and check boxes and the compares of events read more than the text.
bool TExtStringGrid::SortTextsTie(const TSortLevel& Level, std::span<const int> Rows)
{
    switch (Level.Format.Style) {
    case ssImages:
    case ssCheckBox:
    case ssCustom:
    case ssRaw:
        return false;
    default:
        break;
    }
    if (Rows.size() < 2 || !SortSettings()->SortOnVirtualCells) return false;
    if (GridObjects(Level.Col, Rows[0])) return false;
    const std::string first = Cells(Level.Col, Rows[0]);
    for (const int row : Rows.subspan(1))
        if (GridObjects(Level.Col, row) || Cells(Level.Col, row) != first) return false;
    return true;
}

// The row compare applies the directions of an indexed sort itself; a plain sort's compare
// gives the sign of its one direction.
void TExtStringGrid::SortRunByCompare(std::span<int> Rows, size_t Level, TSortRun& Run)
{
    const int from = Run.Levels[Level].From;
    const int before = Run.Indexed || SortSettings()->Direction == sdAscending ? -1 : 1;
    std::vector<int> rows(Rows.begin(), Rows.end());
    std::sort(rows.begin(), rows.end());
    Run.Keys.Restart(rows);
    rows.assign(Rows.begin(), Rows.end());
    StableSortOrder(rows, [&](int A, int B) {
        return (Run.Indexed ? CompareRowsIndexed(from, A, B) : CompareRows(from, A, B)) == before;
    });
    std::copy(rows.begin(), rows.end(), Rows.begin());
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
        // A contracted node keeps its rows hidden below it, and a sort of the shown rows
        // would leave them behind: with nodes every sort sorts inside the groups, as the
        // header click does.
        WithSortTexts([&] {
            if (Grouped || HasNodes())
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
        if (!IsNode(r) || GetNodeLevel(r) != level || GetNodeState(r)) continue;
        const int to = std::min(NodeSpanEnd(TDisplRow(r)).Index() - 1, last);
        if (to > r + 1) QuickSortRows(SortSettings()->Column, r + 1, to, Indexed);
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
