// The grid's filter conditions: the first line of the input is the condition, the rest
// the cell value it is tried on, with and without regard to letter case.
#include "FuzzInput.h"
#include "grid/foundation/text/FilterExpression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> parts = FuzzParts(FuzzText(data, size), 2);
    const std::string& condition = parts[0];
    const std::string value = parts.size() > 1 ? parts[1] : "";
    Tolerating([&] {
        MatchesFilterExpression(condition, value, true);
        MatchesFilterExpression(condition, value, false);
        MatchComparison(condition, value);
    });
    return 0;
}
