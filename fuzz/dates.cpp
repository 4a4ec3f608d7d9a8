// Date and time texts from cells and filters, and date arithmetic on what they hold.
// Lines of the input: a date text, then optionally a number read as a date value with the
// first line as its format, then a step in months, years or days.
#include "FuzzInput.h"
#include "grid/foundation/text/DateText.h"
#include "grid/foundation/text/FilterExpression.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

namespace {
void ReadDate(const std::string& text)
{
    TDateTime value = 0;
    if (TryStrToDate(text, value)) DateToStr(value);
    if (TryStrToTime(text, value)) FormatDateTime("hh:nn:ss.zzz", value);
    if (ParseDateTimeText(text, value)) FormatDateTime("dd/mm/yyyy hh:nn", value);
    IsDateText(text);
    Tolerating([&] { ParseDateMDY(text); });
    Tolerating([&] { ParseDateDMY(text); });
}

void Calculate(const std::string& format, const std::string& number, const std::string& step)
{
    double value = 0;
    if (!TryStrToFloat(number, value)) return;
    Tolerating([&] { FormatDateTime(format, value); });
    int32_t n = 0;
    if (!TryStrToInt(step, n)) return;
    Tolerating([&] { IncMonth(value, n); });
    Tolerating([&] { AddToDate(0, 1, 0, value, n); });
    Tolerating([&] { AddToDate(1, 0, 0, value, n); });
    Tolerating([&] { AddToDate(0, 0, 1, value, n); });
    Tolerating([&] { AddToDate(0, 0, 0, value, n); });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> parts = FuzzParts(FuzzText(data, size), 3);
    ReadDate(parts[0]);
    if (parts.size() > 1) Calculate(parts[0], parts[1], parts.size() > 2 ? parts[2] : "");
    return 0;
}
