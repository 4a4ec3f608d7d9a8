// Number texts from files and cells: the system's one integer rule, decimal numbers in
// both separator settings, the grid's locale number texts, and Format with a format text
// of the input's first line.
#include "FuzzInput.h"
#include "grid/foundation/text/NumberText.h"
#include "platform/rtl/SysUtils.h"

namespace {
void ReadNumbers(const std::string& text, const std::string& format)
{
    int32_t i32 = 0;
    int64_t i64 = 0;
    double real = 0;
    TryStrToInt(text, i32);
    StrToIntDef(text, -1);
    StrToInt64Def(text, -1);
    if (TryStrToInt64(text, i64)) {
        IntToStr(i64);
        IntToHex(i64, static_cast<int>(i64 & 0x1F));
    }
    if (TryStrToFloat(text, real)) {
        FloatToStr(real);
        FloatToStrFixed(real, static_cast<int>(text.size() % 20));
    }
    NormalizeNumberText(text);
    ClassifyNumberText(text);
    Tolerating([&] { StrToInt(text); });
    Tolerating([&] { Format(format, {i64, real, text}); });
    Tolerating([&] { Format(format, {i32}); });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = FuzzText(data, size);
    const std::vector<std::string> parts = FuzzParts(text, 2);
    const std::string& format = parts.front();
    TFormatSettings& settings = FormatSettings();
    const TFormatSettings saved = settings;
    ReadNumbers(text, format);
    settings.DecimalSeparator = ',';
    settings.ThousandSeparator = '.';
    ReadNumbers(text, format);
    settings = saved;
    return 0;
}
