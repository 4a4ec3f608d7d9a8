#include <algorithm>

#include "grid/control/ColumnPositionStore.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/columns/ColumnOrder.h"
#include "grid/services/ColumnStates.h"
#include "platform/ui/Forms.h"

// The column layout kept outside the grid: as one text, or as "Col" and "Pos" entries in the
// INI file or registry key that ColumnSize names.

namespace {

std::string ColSizeName(int Position) { return "Col" + std::to_string(Position); }
std::string ColPositionName(int Position) { return "Pos" + std::to_string(Position); }

} // namespace

std::unique_ptr<TColumnPositionStore> TExtStringGrid::OpenColumnStore() const
{
    const TColumnSize& size = *ColumnSize();
    if (size.Key.empty() || size.Section.empty() || ComponentState().Contains(csDesigning)) return nullptr;
    return ColumnSizeStore(size);
}

int TExtStringGrid::ColumnStateWidth(int Position) const
{
    return Position < ColCount() ? ColWidths(Position) : DefaultColWidth();
}

std::string TExtStringGrid::ColumnStatesToString()
{
    TColumnStates states;
    states.Count = AllColCount();
    for (int i = 0; i < states.Count; ++i) {
        states.Widths.push_back(ColumnStateWidth(i));
        states.Visible.push_back(!IsHiddenColumn(i));
    }
    // A list recorded for another column count could not be loaded back.
    if (IsColumnPermutation(FColumns.Order(), states.Count)) states.Order = FColumns.Order();
    return states.ToString();
}

void TExtStringGrid::ApplyColumnOrder(const std::vector<int>& Order)
{
    // The moves start from the design order, whatever was moved before.
    ResetColumnOrder();
    // Where each real column goes: the inverse of the order.
    std::vector<int> target(Order.size());
    for (size_t k = 0; k < Order.size(); ++k)
        target[static_cast<size_t>(Order[k])] = static_cast<int>(k);
    FColumns.Order() = target;
    ResetColumnOrder();
    FColumns.Order() = Order;
}

void TExtStringGrid::StringToColumnStates(const std::string& Value)
{
    if (Value.find('#') == std::string::npos) return;
    const TColumnStates states = TColumnStates::Parse(Value);
    ResetColumnOrder();
    FColumns.Order().clear();
    SetColCount(states.Count);
    if (!states.Order.empty()) ApplyColumnOrder(states.Order);
    for (int c = states.Count - 1; c >= 0; --c)
        if (!states.Visible[static_cast<size_t>(c)]) HideColumn(c);

    TColumnSize& size = *ColumnSize();
    TColumnSize kept;
    kept.Assign(size);
    // Off while the widths are set, and back afterwards without stretching anything.
    size.SetStretch(false);
    if (kept.Stretch()) {
        const int last = ColCount() - 1;
        const int column = size.StretchColumn < 0 || size.StretchColumn > last ? last : size.StretchColumn;
        SetDefaultColWidth(ColWidths(column));
    }
    for (int i = 0; i < ColCount(); ++i)
        SetColWidths(i, states.Widths[static_cast<size_t>(i)]);
    size.Assign(kept);
}

void TExtStringGrid::BeforeDestruction()
{
    // A free cannot fail: a store that cannot be written is reported, and the grid still goes.
    try {
        if (ColumnSize()->Save) SaveColSizes();
    } catch (const std::exception& e) {
        Application->ShowException(e);
    }
    TBaseGrid::BeforeDestruction();
}

void TExtStringGrid::SaveColSizes()
{
    const std::unique_ptr<TColumnPositionStore> store = OpenColumnStore();
    if (!store) return;
    for (int i = 0; i < ColCount(); ++i)
        store->WriteInteger(ColSizeName(i), ColWidths(i));
    store->Flush();
}

void TExtStringGrid::LoadColSizes()
{
    const std::unique_ptr<TColumnPositionStore> store = OpenColumnStore();
    if (!store) return;
    for (int i = 0; i < ColCount(); ++i) {
        const int width = store->ReadInteger(ColSizeName(i), ColWidths(i));
        // A width no column can have is left out rather than break the layout.
        if (width >= 0 && width != ColWidths(i)) SetColWidths(i, width);
    }
    store->Flush();
}

void TExtStringGrid::SaveColPositions()
{
    const std::unique_ptr<TColumnPositionStore> store = OpenColumnStore();
    if (!store) return;
    for (size_t i = 0; i < FColumns.Order().size(); ++i)
        store->WriteInteger(ColPositionName(static_cast<int>(i)), FColumns.Order()[i]);
    store->Flush();
}

// Stored moves that do not name every column once change nothing: they could not put each
// column somewhere.
void TExtStringGrid::LoadColPositions()
{
    const std::unique_ptr<TColumnPositionStore> store = OpenColumnStore();
    if (!store) return;
    if (store->ReadInteger(ColPositionName(0), -1) != -1) {
        std::vector<int> order;
        for (int i = 0; i < AllColCount(); ++i) {
            const int entry = store->ReadInteger(ColPositionName(i), -1);
            if (entry != -1) order.push_back(entry);
        }
        if (IsColumnPermutation(order, AllColCount())) {
            std::vector<int> hidden;
            for (int c = 0; c < AllColCount(); ++c)
                if (IsHiddenColumn(c)) hidden.push_back(c);
            ApplyColumnOrder(order);
            for (auto c = hidden.rbegin(); c != hidden.rend(); ++c)
                HideColumn(*c);
        }
    }
    store->Flush();
}
