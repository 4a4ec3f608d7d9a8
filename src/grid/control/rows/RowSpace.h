#pragma once
#include <string>
#include <vector>

#include "grid/control/rows/HiddenRowStore.h"
#include "grid/control/rows/RowFlags.h"
#include "grid/foundation/model/RowIndex.h"

// The grid's rows as one axis, the way a header view owns its sections: which real rows
// are out of the grid and why, the mapping between real and display rows, and the flags
// keyed by row. Rows that come or go are announced here once, and everything keyed by
// row follows.
class TRowSpace {
public:
    THiddenRowStore& Hidden() { return FHidden; }
    const THiddenRowStore& Hidden() const { return FHidden; }
    TRowFlags& Flags() { return FFlags; }
    const TRowFlags& Flags() const { return FFlags; }

    int HiddenCount() const { return FHidden.Count(); }
    bool IsHidden(TRealRow Row) const { return FHidden.Contains(Row); }
    // A hidden row maps to the display row of the next shown row.
    TDisplRow ToDispl(TRealRow Row) const;
    // A negative display row has no real row and maps to -1.
    TRealRow ToReal(TDisplRow Row) const;

    // Count rows opened at the real row At: hidden rows from there on move down, and the
    // flags open their lines.
    void Inserted(TRealRow At, TFlagLine Lines, int Count);
    // The shown rows Rows (ascending) left the grid with the flag lines Lines.
    void Removed(const std::vector<TRealRow>& Rows, const std::vector<TFlagLine>& Lines);
    // The Count shown rows from display row From now stand from display row To. Each
    // shown row takes the hidden rows below it along, so a contracted node keeps its
    // children and a hidden row keeps its neighbours. The selection flags count real rows
    // when SelectByReal.
    void Moved(TDisplRow From, int Count, TDisplRow To, bool SelectByReal);

    // The grid now ends before the shown row End, whose flags stand at Lines: the shown rows
    // from End on are gone, and with them every hidden row below the first of them. The
    // hidden rows above it stay with the shown row above them, as a contracted node keeps
    // its children. The items of the hidden rows that went are handed back, for their cells
    // to be freed.
    std::vector<TGridItem> CutFrom(TDisplRow End, TFlagLine Lines);
    // Every row of the grid is replaced at once: no hidden row and no flag stays. The items
    // of the hidden rows are handed back, for their cells to be freed.
    std::vector<TGridItem> Replaced();

    // Visits every stored row in real order, shown or hidden: a hidden row with its item,
    // a shown one with its display row (and a null item). Operations over whole columns
    // use it so that no hidden row is left out.
    template <typename TVisit> void ForEachStoredRow(int TotalRows, TVisit Visit);

    // Empty when the space agrees with itself for a grid of ShownRows display rows;
    // otherwise what is wrong. Tests call it after every step.
    std::string CheckConsistency(int ShownRows) const;

private:
    THiddenRowStore FHidden;
    TRowFlags FFlags;
};

template <typename TVisit> void TRowSpace::ForEachStoredRow(int TotalRows, TVisit Visit)
{
    int shown = 0;
    for (int r = 0; r < TotalRows; ++r) {
        const int position = FHidden.Find(TRealRow(r));
        if (position >= 0)
            Visit(TRealRow(r), &FHidden.Item(position), TDisplRow(shown));
        else
            Visit(TRealRow(r), static_cast<TGridItem*>(nullptr), TDisplRow(shown++));
    }
}
