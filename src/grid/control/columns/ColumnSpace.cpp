#include "grid/control/columns/ColumnSpace.h"

#include <algorithm>

namespace {
bool IsHideable(int Col) { return Col >= 0 && Col <= TColumnSpace::MaxHideable; }
} // namespace

bool TColumnSpace::IsHidden(TRealCol Col) const
{
    return IsHideable(Col.Index()) && FHidden[static_cast<size_t>(Col.Index())];
}

TDisplCol TColumnSpace::ToDispl(TRealCol Col) const
{
    const int c = Col.Index();
    if (!IsHideable(c) || FHiddenCount == 0) return TDisplCol(c);
    return TDisplCol(c - static_cast<int>(std::count(FHidden.begin(), FHidden.begin() + c, true)));
}

TRealCol TColumnSpace::ToReal(TDisplCol Col) const
{
    const int d = Col.Index();
    if (d > MaxHideable || FHiddenCount == 0) return TRealCol(d);
    int shown = 0;
    for (int real = 0; real <= MaxHideable; ++real) {
        if (FHidden[static_cast<size_t>(real)]) continue;
        if (shown == d) return TRealCol(real);
        ++shown;
    }
    return TRealCol(0);
}

void TColumnSpace::Hide(TRealCol Col, int Width)
{
    if (!IsHideable(Col.Index()) || IsHidden(Col)) return;
    FHidden[static_cast<size_t>(Col.Index())] = true;
    FKeptWidths[static_cast<size_t>(Col.Index())] = Width;
    ++FHiddenCount;
}

int TColumnSpace::Show(TRealCol Col)
{
    if (!IsHidden(Col)) return KeptWidth(Col);
    FHidden[static_cast<size_t>(Col.Index())] = false;
    --FHiddenCount;
    return KeptWidth(Col);
}

int TColumnSpace::KeptWidth(TRealCol Col) const
{
    return IsHideable(Col.Index()) ? FKeptWidths[static_cast<size_t>(Col.Index())] : 0;
}

void TColumnSpace::SetKeptWidth(TRealCol Col, int Width)
{
    if (IsHideable(Col.Index())) FKeptWidths[static_cast<size_t>(Col.Index())] = Width;
}

void TColumnSpace::Remapped(const TColumnRemap& Remap)
{
    Remap.Apply(FHidden, false);
    Remap.Apply(FKeptWidths, 0);
    FHidden.resize(MaxHideable + 1, false);
    FKeptWidths.resize(MaxHideable + 1, 0);
    FHiddenCount = static_cast<int>(std::count(FHidden.begin(), FHidden.end(), true));
    if (Remap.MovesWithin(static_cast<int>(FOrder.size()))) Remap.Apply(FOrder, 0);
    SelectionRemapped(Remap);
}

void TColumnSpace::CutFrom(TDisplCol End)
{
    // Every hidden column stands left of a shown one beyond the hideable columns.
    const int shownHideable = MaxHideable + 1 - FHiddenCount;
    const int first = End.Index() < shownHideable ? ToReal(End).Index() : End.Index() + FHiddenCount;
    if (first <= MaxHideable) Remapped(TColumnRemap::Removed(first, MaxHideable + 1 - first));
    if (static_cast<int>(FSelected.size()) > first) FSelected.resize(static_cast<size_t>(first));
}

void TColumnSpace::HideAs(const TColumnSpace& Other)
{
    FHidden = Other.FHidden;
    FKeptWidths = Other.FKeptWidths;
    FHiddenCount = Other.FHiddenCount;
}

std::string TColumnSpace::CheckConsistency(int TotalCols) const
{
    if (FHidden.size() != MaxHideable + 1 || FKeptWidths.size() != MaxHideable + 1)
        return "the hidden-column tables lost their size";
    const int counted = static_cast<int>(std::count(FHidden.begin(), FHidden.end(), true));
    if (counted != FHiddenCount)
        return "hidden count " + std::to_string(FHiddenCount) + " but " + std::to_string(counted) + " flags";
    for (int c = std::max(TotalCols, 0); c <= MaxHideable; ++c)
        if (FHidden[static_cast<size_t>(c)]) return "hidden column " + std::to_string(c) + " beyond the grid's columns";
    return {};
}
