#pragma once
#include <vector>

// One direction of a grid: the column widths or the row heights. An extent below 0 hides
// its column or row (no pixels, no grid line). While every extent is the default, the
// positions are computed without any per-cell storage; otherwise running sums are kept and
// rebuilt lazily, so that a position or the cell at a position never costs a scan.
class TGridAxis {
public:
    int Count() const { return count_; }
    // New columns or rows get the default extent; extents beyond a lowered count are dropped.
    void SetCount(int count);
    int DefaultExtent() const { return default_; }
    // Every extent becomes the new default.
    void SetDefaultExtent(int extent);
    // The extent of a column or row; the default for an index outside 0..Count - 1.
    int Extent(int index) const;
    void SetExtent(int index, int extent);
    // Moves one extent from `from` to `to`, shifting those between.
    void Move(int from, int to);

    // Pixels that columns or rows [from, to) take with a line of `lineWidth` after each
    // shown one.
    int Span(int from, int to, int lineWidth) const;
    // The first index i >= from whose end lies beyond `offset` pixels from the start of
    // `from`, or Count when the offset lies beyond the last one.
    int IndexAt(int from, int offset, int lineWidth) const;

private:
    void Rebuild() const;
    int Occupied(int index) const;

    int count_ = 0;
    int default_ = 0;
    std::vector<int> extents_;            // empty while every extent is the default
    mutable std::vector<long long> sums_; // sums_[i]: pixels of the extents before i
    mutable std::vector<int> shown_;      // shown_[i]: shown indexes before i
    mutable bool dirty_ = true;
};
