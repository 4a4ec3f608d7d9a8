#include "grid/control/LookupCompletion.h"

int FindCompletion(int Count, const std::function<std::string(int)>& ItemAt, const std::string& Typed,
                   bool CaseSensitive)
{
    const auto fold = [CaseSensitive](const std::string& s) { return CaseSensitive ? s : AnsiUpperCase(s); };
    const std::string prefix = fold(Typed);
    if (prefix.empty()) return -1;
    for (int i = 0; i < Count; ++i)
        if (fold(ItemAt(i)).starts_with(prefix)) return i;
    return -1;
}
