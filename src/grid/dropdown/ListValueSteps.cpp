#include "grid/dropdown/ListValueSteps.h"

#include <algorithm>
#include <cmath>

#include "grid/dropdown/DropDownColumns.h"

namespace {
constexpr int kListPageStep = 10;
}

int ListValueStepTarget(TListValueStep Step, int Current, int Count)
{
    if (Count <= 0) return -1;
    const int Last = Count - 1;
    int Target = -1;
    switch (Step) {
    case lvsFirst: Target = 0; break;
    case lvsLast: Target = Last; break;
    case lvsNext: Target = Current < 0 ? 0 : Current < Last ? Current + 1 : -1; break;
    case lvsPrevious: Target = Current < 0 ? 0 : Current > 0 ? Current - 1 : -1; break;
    case lvsPageDown: Target = Current < 0 ? 0 : std::min(Current + kListPageStep, Last); break;
    case lvsPageUp: Target = std::max(Current - kListPageStep, 0); break;
    }
    return Target;
}

std::vector<int> FittedColumnWidths(const TDropDownColumns& Columns, int ColCount, int Room)
{
    int Total = 1;
    for (int I = 0; I < Columns.Count(); ++I)
        Total += Columns.Items(I)->Width;
    const double Scale = static_cast<double>(Room) / Total;
    std::vector<int> Widths;
    double Carry = 0;
    for (int I = 0; I < ColCount && I < Columns.Count(); ++I) {
        const double Exact = Scale * Columns.Items(I)->Width;
        int W = static_cast<int>(std::nearbyint(Exact));
        Carry += Exact - W;
        if (Carry > 1) {
            Carry -= 1;
            ++W;
        }
        Widths.push_back(W);
    }
    return Widths;
}
