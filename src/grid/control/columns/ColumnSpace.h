#pragma once
#include <string>
#include <vector>

#include "grid/foundation/model/ColumnIndex.h"
#include "grid/control/columns/ColumnRemap.h"

// The grid's columns as one axis: which real columns are hidden and the widths they had,
// the mapping between real and display columns, the order the columns had before they were
// moved, and the column selection flags. A hidden column keeps its cells where they are;
// only real columns up to MaxHideable can be hidden.
class TColumnSpace {
public:
    static constexpr int MaxHideable = 511;

    bool IsHidden(TRealCol Col) const;
    int HiddenCount() const { return FHiddenCount; }
    // A hidden column maps to the display column of the next shown one; an index beyond
    // the hideable columns, or a negative one, maps to itself.
    TDisplCol ToDispl(TRealCol Col) const;
    // A display column beyond the shown ones has no real column and maps to 0.
    TRealCol ToReal(TDisplCol Col) const;

    // The column leaves the display with the width it had.
    void Hide(TRealCol Col, int Width);
    // The column comes back; the width it had when it was hidden.
    int Show(TRealCol Col);
    // The width kept for a column: the width it had when it was last hidden, or one set
    // for it; 0 beyond the hideable columns.
    int KeptWidth(TRealCol Col) const;
    void SetKeptWidth(TRealCol Col, int Width);

    // For each real column, the index it had before the first move; empty until a move
    // records it.
    std::vector<int>& Order() { return FOrder; }
    const std::vector<int>& Order() const { return FOrder; }
    // The selected real columns, so that a selection stays on its column when columns move
    // or are hidden.
    std::vector<bool>& Selected() { return FSelected; }
    const std::vector<bool>& Selected() const { return FSelected; }

    // The real columns changed: the hidden flags and widths follow, and a move takes its
    // place in the recorded order. A column pushed beyond MaxHideable is shown.
    void Remapped(const TColumnRemap& Remap);
    // The grid now ends before the shown column End: the columns from End's real column on
    // are gone, hidden ones with their kept widths and selected ones with their flags. The
    // hidden columns left of it stay.
    void CutFrom(TDisplCol End);
    // The same columns are hidden as in Other, with the same kept widths.
    void HideAs(const TColumnSpace& Other);
    // Only the selection flags follow a change of the real columns.
    void SelectionRemapped(const TColumnRemap& Remap) { Remap.Apply(FSelected, false); }

    // Empty when the space agrees with itself for a grid of TotalCols real columns;
    // otherwise what is wrong. Tests call it after every step.
    std::string CheckConsistency(int TotalCols) const;

private:
    std::vector<bool> FHidden = std::vector<bool>(MaxHideable + 1, false);
    std::vector<int> FKeptWidths = std::vector<int>(MaxHideable + 1, 0);
    int FHiddenCount = 0;
    std::vector<int> FOrder;
    std::vector<bool> FSelected;
};
