#include "grid/control/rows/RowSpace.h"

#include <algorithm>
#include <set>

TDisplRow TRowSpace::ToDispl(TRealRow Row) const { return TDisplRow(Row.Index() - FHidden.CountBelow(Row)); }

// Each hidden row at or before the result pushes it one further: with the hidden rows
// ascending, hidden[i] - i never decreases, and the rows that push are those where it is
// at most the display row.
TRealRow TRowSpace::ToReal(TDisplRow Row) const
{
    if (Row.Index() < 0) return TRealRow(-1);
    const std::vector<int>& hidden = FHidden.SortedIndexes();
    int pushing = 0;
    int count = static_cast<int>(hidden.size());
    while (count > 0) {
        const int half = count / 2;
        if (hidden[pushing + half] - (pushing + half) <= Row.Index()) {
            pushing += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return TRealRow(Row.Index() + pushing);
}

void TRowSpace::Inserted(TRealRow At, TFlagLine Lines, int Count)
{
    for (int i = 0; i < FHidden.Count(); ++i)
        if (FHidden.Item(i).Row >= At) FHidden.Item(i).Row = FHidden.Item(i).Row + Count;
    FFlags.Inserted(Lines, Count);
}

void TRowSpace::Removed(const std::vector<TRealRow>& Rows, const std::vector<TFlagLine>& Lines)
{
    for (int i = 0; i < FHidden.Count(); ++i) {
        TGridItem& item = FHidden.Item(i);
        item.Row = item.Row - static_cast<int>(std::lower_bound(Rows.begin(), Rows.end(), item.Row) - Rows.begin());
    }
    FFlags.Removed(Lines);
}

void TRowSpace::Moved(TDisplRow From, int Count, TDisplRow To, bool SelectByReal)
{
    if (Count <= 0 || From == To) return;
    const TLineMove displ{From.Index(), Count, To.Index()};
    // A shown row reaches down to the next shown row, the last one to the end of the rows.
    const TRealRow first = ToReal(From);
    const int length = ToReal(From + Count) - first;
    const TRealRow to = To < From ? ToReal(To) : ToReal(To + Count) - length;
    const TLineMove real{first.Index(), length, to.Index()};
    for (int i = 0; i < FHidden.Count(); ++i) {
        TGridItem& item = FHidden.Item(i);
        item.Row = TRealRow(real.Map(item.Row.Index()));
    }
    FFlags.Moved(displ, SelectByReal ? real : displ);
}

std::vector<TGridItem> TRowSpace::CutFrom(TDisplRow End, TFlagLine Lines)
{
    const TRealRow first = ToReal(End);
    std::vector<TGridItem> gone;
    for (int i = FHidden.Count() - 1; i >= 0; --i) {
        if (FHidden.Item(i).Row <= first) continue;
        gone.push_back(std::move(FHidden.Item(i)));
        FHidden.Delete(i);
    }
    FFlags.Truncated(Lines);
    return gone;
}

std::vector<TGridItem> TRowSpace::Replaced()
{
    std::vector<TGridItem> gone;
    while (!FHidden.Empty()) {
        gone.push_back(std::move(FHidden.Item(FHidden.Count() - 1)));
        FHidden.Delete(FHidden.Count() - 1);
    }
    FFlags = TRowFlags();
    return gone;
}

std::string TRowSpace::CheckConsistency(int ShownRows) const
{
    const int total = ShownRows + FHidden.Count();
    std::set<int> rows;
    for (int i = 0; i < FHidden.Count(); ++i) {
        const TGridItem& item = FHidden.Item(i);
        const int row = item.Row.Index();
        if (row < 0 || row >= total)
            return "hidden row " + std::to_string(row) + " outside the " + std::to_string(total) + " rows";
        if (!rows.insert(row).second) return "row " + std::to_string(row) + " hidden twice";
        if ((item.Reason == THideReason::FilterLevel) != (item.Level >= 0))
            return "row " + std::to_string(row) + " has a filter level without being filtered, or none";
    }
    for (int r = 0; r < total; ++r) {
        const TRealRow real(r);
        if (IsHidden(real)) continue;
        if (ToReal(ToDispl(real)) != real) return "shown row " + std::to_string(r) + " does not map back";
    }
    // The selection may count real rows; every other flag counts the shown rows.
    return FFlags.CheckConsistency(ShownRows, total);
}
