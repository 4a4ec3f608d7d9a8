#include "grid/control/columns/ColumnOrder.h"

#include <algorithm>

bool IsColumnPermutation(const std::vector<int>& Order, int Count)
{
    if (static_cast<int>(Order.size()) != Count) return false;
    std::vector<int> sorted = Order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < Count; ++i)
        if (sorted[static_cast<size_t>(i)] != i) return false;
    return true;
}
