#include "grid/services/RowOrder.h"

#include <algorithm>
#include <numeric>

#include "platform/rtl/SysUtils.h"

void TRowOrder::Reset(int Count)
{
    FOrigin.resize(static_cast<size_t>(std::max(0, Count)));
    std::iota(FOrigin.begin(), FOrigin.end(), 0);
}

std::vector<int> TRowOrder::Sort(const std::function<bool(int A, int B)>& Less)
{
    std::vector<int> perm(FOrigin.size());
    std::iota(perm.begin(), perm.end(), 0);
    std::stable_sort(perm.begin(), perm.end(), Less);
    std::vector<int> origin(FOrigin.size());
    for (size_t i = 0; i < perm.size(); ++i)
        origin[i] = FOrigin[static_cast<size_t>(perm[i])];
    FOrigin = std::move(origin);
    return perm;
}

std::vector<int> TRowOrder::Restore()
{
    std::vector<int> perm(FOrigin.size());
    for (size_t i = 0; i < FOrigin.size(); ++i)
        perm[static_cast<size_t>(FOrigin[i])] = static_cast<int>(i);
    std::iota(FOrigin.begin(), FOrigin.end(), 0);
    return perm;
}

namespace {

int Sign(double Value) { return (Value > 0) - (Value < 0); }

} // namespace

int CompareSortTexts(const std::string& A, const std::string& B, TSortStyle Style, bool IgnoreCase)
{
    if (Style == ssAutomatic || Style == ssNumeric) {
        double a = 0, b = 0;
        const bool aNum = TryStrToFloat(Trim(A), a), bNum = TryStrToFloat(Trim(B), b);
        if (aNum && bNum) return Sign(a - b);
        // Numbers before texts keeps the order consistent, which a stable sort relies on.
        if (aNum != bNum) return aNum ? -1 : 1;
    }
    const bool noCase = IgnoreCase || Style == ssAlphaNoCase || Style == ssAnsiAlphaNoCase;
    return noCase ? AnsiCompareText(A, B) : A.compare(B);
}
