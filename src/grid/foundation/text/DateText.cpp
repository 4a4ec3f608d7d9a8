#include "grid/foundation/text/DateText.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "grid/foundation/text/TextUtils.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

namespace {

bool ReadPart(const std::string& S, int& Value) { return IsDigitsOnly(S) && TryStrToInt(S, Value); }

int FullYear(int Year)
{
    if (Year < 26) return 2000 + Year;
    if (Year < 100) return 1900 + Year;
    return Year;
}

TDateTime ParseDate(const std::string& S, bool MonthFirst)
{
    const char sep = S.find('/') != std::string::npos ? '/' : S.find('.') != std::string::npos ? '.' : '-';
    const size_t first = S.find(sep);
    const size_t second = first == std::string::npos ? std::string::npos : S.find(sep, first + 1);
    if (second == std::string::npos) return 0;
    int a = 0, b = 0, year = 0;
    if (!ReadPart(S.substr(0, first), a) || !ReadPart(S.substr(first + 1, second - first - 1), b) ||
        !ReadPart(S.substr(second + 1), year))
        return 0;
    return MonthFirst ? EncodeDate(FullYear(year), a, b) : EncodeDate(FullYear(year), b, a);
}

} // namespace

TDateTime ParseDateMDY(const std::string& S) { return ParseDate(S, true); }

TDateTime ParseDateDMY(const std::string& S) { return ParseDate(S, false); }

bool IsDateText(const std::string& S)
{
    const std::string sep(1, FormatSettings().DateSeparator);
    const int first = Pos(sep, S);
    return first >= 2 && Pos(sep, S, first + 2) > 0;
}

TDateTime AddToDate(int Years, int Months, int Days, TDateTime Date, int Step)
{
    const int given = (Years != 0) + (Months != 0) + (Days != 0);
    if (given != 1) return Date + Step;
    if (Days != 0) return Date + Days;
    // Years are counted as months in 64 bits; a step beyond what an int holds leaves the
    // calendar anyway, and IncMonth refuses it.
    const int64_t months = Years != 0 ? int64_t{Years} * 12 : Months;
    return IncMonth(Date, static_cast<int>(std::clamp<int64_t>(months, INT_MIN, INT_MAX)));
}
