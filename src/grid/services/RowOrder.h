#pragma once
#include <functional>
#include <string>
#include <vector>

#include "grid/foundation/model/GridEnums.h"

// The order of a block of rows relative to the order they had before the first sort, so
// that a later restore brings that order back. Positions count from the block's first row.
// A permutation P says: the row now at position i comes from position P[i].
class TRowOrder {
public:
    // Forgets any earlier order: the current order becomes the original one.
    void Reset(int Count);
    int Count() const { return static_cast<int>(FOrigin.size()); }
    // A stable sort: rows that compare equal keep their order.
    std::vector<int> Sort(const std::function<bool(int A, int B)>& Less);
    // The permutation back to the order of the last Reset; the current order then counts
    // as the original one.
    std::vector<int> Restore();

private:
    // The original position of the row now at each position.
    std::vector<int> FOrigin;
};

// Compares two cell texts for sorting: negative, 0 or positive. Under the automatic and
// numeric styles numbers compare by value and come before texts; texts compare as text.
int CompareSortTexts(const std::string& A, const std::string& B, TSortStyle Style, bool IgnoreCase);
