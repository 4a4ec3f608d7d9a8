#pragma once
#include <compare>

// A grid column counts either over every column, hidden ones included (real), or over the
// shown columns only (display). The two never convert silently: every crossing goes through
// the column space's mapping.
template <typename TTag> class TColIndex {
public:
    constexpr explicit TColIndex(int Index) : FIndex(Index) {}
    constexpr int Index() const { return FIndex; }
    constexpr auto operator<=>(const TColIndex&) const = default;

private:
    int FIndex;
};

using TRealCol = TColIndex<struct TRealColTag>;
using TDisplCol = TColIndex<struct TDisplColTag>;
