#pragma once
#include <string>

#include "platform/rtl/SysUtils.h"

// The two locales the text utilities are tested in.
struct TestLocale {
    const char* Name;
    char Decimal;
    char Thousand;
    char DateSeparator;
};
constexpr TestLocale kEnglish{"English", '.', ',', '/'};
constexpr TestLocale kGerman{"German", ',', '.', '.'};

// Sets a locale's separators for one scope and restores the format settings afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const TestLocale& locale) : saved_(FormatSettings())
    {
        FormatSettings().DecimalSeparator = locale.Decimal;
        FormatSettings().ThousandSeparator = locale.Thousand;
        FormatSettings().DateSeparator = locale.DateSeparator;
    }
    ~LocaleScope() { FormatSettings() = saved_; }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    TFormatSettings saved_;
};

// A number text written with "{d}" for the decimal and "{t}" for the thousands separator,
// in the separators of the current format settings.
inline std::string InLocale(const std::string& pattern)
{
    std::string s =
        StringReplace(pattern, "{d}", std::string(1, FormatSettings().DecimalSeparator), rfReplaceAll);
    return StringReplace(s, "{t}", std::string(1, FormatSettings().ThousandSeparator), rfReplaceAll);
}
