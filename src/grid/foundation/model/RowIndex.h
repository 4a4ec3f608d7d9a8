#pragma once
#include <compare>

// A grid row counts either over every row, hidden ones included (real), or over the shown
// rows only (display). The two never convert silently: passing one where the other is
// meant does not compile, and every crossing goes through the row space's mapping.
template <typename TTag> class TRowIndex {
public:
    constexpr explicit TRowIndex(int Index) : FIndex(Index) {}
    constexpr int Index() const { return FIndex; }
    constexpr auto operator<=>(const TRowIndex&) const = default;
    // A row a number of rows further down (up for a negative Offset) in the same space.
    constexpr TRowIndex operator+(int Offset) const { return TRowIndex(FIndex + Offset); }
    constexpr TRowIndex operator-(int Offset) const { return TRowIndex(FIndex - Offset); }
    constexpr int operator-(TRowIndex Other) const { return FIndex - Other.FIndex; }

private:
    int FIndex;
};

using TRealRow = TRowIndex<struct TRealRowTag>;
using TDisplRow = TRowIndex<struct TDisplRowTag>;
