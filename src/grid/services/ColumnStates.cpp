#include "grid/control/columns/ColumnOrder.h"
#include "grid/services/ColumnStates.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace {

std::vector<std::string> SplitColumnStateField(const std::string& Text, char Separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = Text.find(Separator, start);
        parts.push_back(Text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

[[noreturn]] void BrokenColumnStates(const std::string& Why)
{
    throw EConvertError("Invalid column states: " + Why);
}

int ColumnStateNumber(const std::string& Text)
{
    int32_t value = 0;
    const bool decimal = !Text.empty() && std::all_of(Text.begin() + (Text[0] == '-' ? 1 : 0), Text.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    if (!decimal || Text == "-" || !TryStrToInt(Text, value))
        BrokenColumnStates("'" + Text + "' is not a decimal number");
    return value;
}

// An empty field holds no entries rather than one empty entry.
std::vector<int> ColumnStateNumbers(const std::string& Field)
{
    std::vector<int> numbers;
    if (Field.empty()) return numbers;
    for (const std::string& part : SplitColumnStateField(Field, ','))
        numbers.push_back(ColumnStateNumber(part));
    return numbers;
}

std::string JoinColumnStateNumbers(const std::vector<int>& Numbers)
{
    std::string out;
    for (size_t i = 0; i < Numbers.size(); ++i)
        out += (i ? "," : "") + std::to_string(Numbers[i]);
    return out;
}

} // namespace

std::string TColumnStates::ToString() const
{
    std::vector<int> order = Order;
    if (order.empty())
        for (int i = 0; i < Count; ++i)
            order.push_back(i);
    std::vector<int> visible;
    for (bool v : Visible)
        visible.push_back(v ? 1 : 0);
    return std::to_string(Count) + "#" + JoinColumnStateNumbers(Widths) + "#" + JoinColumnStateNumbers(order) +
           "#" + JoinColumnStateNumbers(visible);
}

int TColumnStates::HiddenCount() const { return static_cast<int>(std::count(Visible.begin(), Visible.end(), false)); }

TColumnStates TColumnStates::Parse(const std::string& Text)
{
    const std::vector<std::string> fields = SplitColumnStateField(Text, '#');
    if (fields.size() != 4) BrokenColumnStates("four fields separated by '#' expected");
    TColumnStates states;
    states.Count = ColumnStateNumber(fields[0]);
    if (states.Count < 1) BrokenColumnStates("the column count must be at least 1");

    const std::vector<int> visibility = ColumnStateNumbers(fields[3]);
    if (static_cast<int>(visibility.size()) < states.Count) BrokenColumnStates("too few visibility entries");
    for (int i = 0; i < states.Count; ++i)
        states.Visible.push_back(visibility[static_cast<size_t>(i)] != 0);
    if (states.HiddenCount() == states.Count) BrokenColumnStates("every column is hidden");

    states.Widths = ColumnStateNumbers(fields[1]);
    const int shown = states.Count - states.HiddenCount();
    if (static_cast<int>(states.Widths.size()) < shown) BrokenColumnStates("too few column widths");
    if (std::any_of(states.Widths.begin(), states.Widths.end(), [](int w) { return w < 0; }))
        BrokenColumnStates("a column width is negative");

    // The order names every column once, or is left out; -1 marks an entry to skip.
    for (int entry : ColumnStateNumbers(fields[2]))
        if (entry != -1 && static_cast<int>(states.Order.size()) < states.Count) states.Order.push_back(entry);
    if (!states.Order.empty() && !IsColumnPermutation(states.Order, states.Count))
        BrokenColumnStates("the column order does not name every column once");
    return states;
}
