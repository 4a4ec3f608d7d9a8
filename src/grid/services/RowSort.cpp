#include <algorithm>
#include <numeric>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"

// Rows are sorted in place by swapping them (SortSwapRows), so cell objects, heights and
// row flags travel with their rows and no row is ever copied. The partition's pivot is the
// one exception: it is copied into a scratch row below the grid because the partition moves
// rows under it. That copy shares the cell objects of its row, so every scratch row is
// emptied of its object pointers, never freed, before the scratch rows go.

namespace {

constexpr int kSortScratchRows = 3;

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
    WithSortScratchRows([&] { QuickSortRows(Col, Left, Right, false); });
}

void TExtStringGrid::QuickSortIndexed(int Left, int Right)
{
    WithSortScratchRows([&] { QuickSortRows(0, Left, Right, true); });
}

void TExtStringGrid::WithSortScratchRows(const std::function<void()>& SortStep)
{
    const int rows = RowCount();
    TSortRestore restore([&] {
        for (int r = rows; r < RowCount(); ++r)
            for (int c = 0; c < TotalColCount(); ++c) {
                SetGridObjects(c, r, nullptr);
                SetGridCells(c, r, "");
            }
        SetRowCount(rows);
    });
    SetRowCount(rows + kSortScratchRows);
    // The pivot copy holds texts as compared, so the scratch rows skip the display hooks.
    FNormalRowCount = rows;
    // Without events that give out texts or take part in the compare, a cell's text cannot
    // change while the rows move, so each is read once instead of at every compare.
    const bool fixedTexts = !OnGetDisplText && !OnGetDisplWideText && !OnGetFormat && !OnCustomCompare && !OnRawCompare;
    if (fixedTexts && !FSortTexts) FSortTexts = std::make_unique<TSortTextCache>(RowCount());
    TSortRestore forget([&] { FSortTexts.reset(); });
    SortStep();
}

void TExtStringGrid::CopyPivotRow(int ARow, int ScratchRow)
{
    if (FSortTexts) FSortTexts->Forget(ScratchRow);
    const bool shown = SortSettings()->SortOnVirtualCells && OnGetDisplText;
    // The scratch row is never painted: its cells go straight into the store.
    for (int c = 0; c < TotalColCount(); ++c) {
        CellStore().SetText(c, ScratchRow, shown ? Cells(c, ARow) : GridCells(c, ARow));
        CellStore().SetObject(c, ScratchRow, GridObjects(c, ARow));
    }
}

void TExtStringGrid::QuickSortRows(int ACol, int Left, int Right, bool Indexed)
{
    if (Left >= Right) return;
    const int sign = Indexed || SortSettings()->Direction == sdAscending ? 1 : -1;
    const int pivot = RowCount() - 2;
    // With fixed texts the pivot copy ties with the row it was copied from in every column;
    // knowing that spares reading the whole row for the tie. A single-column sort leaves the
    // other columns behind, so there the row must be compared.
    const bool knownTie = FSortTexts && !SortSettings()->SingleColumn;
    const auto compare = [&](int R1, int R2) {
        if (knownTie && (R1 == pivot || R2 == pivot) && (R1 == FPivotSourceRow || R2 == FPivotSourceRow)) return 0;
        return Indexed ? CompareRowsIndexed(0, R1, R2) : CompareRows(ACol, R1, R2);
    };
    FPivotSourceRow = (Left + Right) / 2;
    CopyPivotRow(FPivotSourceRow, pivot);
    int i = Left, j = Right;
    do {
        while (compare(pivot, i) == sign && i < Right)
            ++i;
        while (compare(j, pivot) == sign && j > Left)
            --j;
        if (i <= j) {
            if (i != j && (Indexed || compare(i, j) != 0)) SortSwapRows(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (Left < j) QuickSortRows(ACol, Left, j, Indexed);
    if (i < Right) QuickSortRows(ACol, i, Right, Indexed);
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
        WithSortScratchRows([&] {
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
    const int last = RowCount() - kSortScratchRows - FixedFooters - 1;
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
    std::vector<int> work = FSortRowXRef;
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
    UnSortRows(work, 0, RowCount() - 1);
}

void TExtStringGrid::UnSortRows(std::vector<int>& Work, int Left, int Right)
{
    if (Left >= Right) return;
    const int pivot = Work[static_cast<size_t>((Left + Right) / 2)];
    int i = Left, j = Right;
    do {
        while (Work[static_cast<size_t>(i)] < pivot && i < Right)
            ++i;
        while (Work[static_cast<size_t>(j)] > pivot && j > Left)
            --j;
        if (i <= j) {
            if (i != j && Work[static_cast<size_t>(i)] != Work[static_cast<size_t>(j)]) {
                SortSwapRows(i, j);
                std::swap(Work[static_cast<size_t>(i)], Work[static_cast<size_t>(j)]);
            }
            ++i;
            --j;
        }
    } while (i <= j);
    if (Left < j) UnSortRows(Work, Left, j);
    if (i < Right) UnSortRows(Work, i, Right);
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
