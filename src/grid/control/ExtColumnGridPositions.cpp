#include <vector>

#include "grid/control/ColumnPositionStore.h"
#include "grid/control/ExtColumnGrid.h"
#include "grid/control/settings/ColumnSize.h"

namespace {

std::string PositionName(int Position) { return "CP" + std::to_string(Position); }

// The design positions read for every column, when they name each column exactly once.
std::optional<std::vector<int>> ReadPermutation(const TColumnPositionStore& Store, int Count)
{
    std::vector<int> positions;
    std::vector<bool> seen(static_cast<size_t>(Count), false);
    for (int i = 0; i < Count; ++i) {
        const int value = Store.ReadInteger(PositionName(i), -1);
        if (value < 0 || value >= Count || seen[static_cast<size_t>(value)]) return std::nullopt;
        seen[static_cast<size_t>(value)] = true;
        positions.push_back(value);
    }
    return positions;
}

} // namespace

void TExtColumnGrid::SaveColumnPositions(const std::string& Key, const std::string& Section)
{
    SaveColumnPositionsTo(*IniPositionStore(Key, Section));
}

void TExtColumnGrid::LoadColumnPositions(const std::string& Key, const std::string& Section)
{
    LoadColumnPositionsFrom(*IniPositionStore(Key, Section));
}

void TExtColumnGrid::SaveColPositions()
{
    if (ColumnSize()->Key.empty() || ColumnSize()->Section.empty()) return;
    SaveColumnPositionsTo(*ColumnSizeStore(*ColumnSize()));
}

void TExtColumnGrid::LoadColPositions()
{
    if (ColumnSize()->Key.empty() || ColumnSize()->Section.empty()) return;
    LoadColumnPositionsFrom(*ColumnSizeStore(*ColumnSize()));
}

void TExtColumnGrid::SaveColumnPositionsTo(TColumnPositionStore& Store)
{
    for (int i = 0; i < Columns()->Count(); ++i)
        Store.WriteInteger(PositionName(i), Columns()->Items(i)->DefIdx);
}

// A store with a missing, repeated or foreign position changes nothing: moving columns by
// it could not put every column somewhere.
void TExtColumnGrid::LoadColumnPositionsFrom(const TColumnPositionStore& Store)
{
    const int count = Columns()->Count();
    const std::optional<std::vector<int>> saved = ReadPermutation(Store, count);
    if (!saved) return;
    // Every column shown, in its recorded order, so that the items and the grid's columns
    // line up again.
    ResetColumnOrder();
    // Item k stands at its design position; the saved position j becomes its target.
    for (int j = 0; j < count; ++j)
        Columns()->Items((*saved)[static_cast<size_t>(j)])->DefIdx = j;
    Columns()->ResetOrganization();
    for (int k = 0; k < count; ++k)
        Columns()->Items(k)->DefIdx = (*saved)[static_cast<size_t>(k)];
}
