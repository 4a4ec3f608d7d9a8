#include "grid/foundation/editors/SpinCharFilter.h"

#include "platform/rtl/SysUtils.h"

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;
constexpr char32_t kEscape = 27;

bool Holds(const std::string& text, char c) { return text.find(c) != std::string::npos; }

// A time or date separator typed where the kind has no such field: it passes only where
// it can be read as part of a number.
bool ForeignSeparatorAllowed(char separator, TEsgSpinType kind)
{
    const TFormatSettings& fs = FormatSettings();
    const bool numeric = separator == fs.DecimalSeparator || separator == fs.ThousandSeparator || separator == '-' ||
                         separator == '+';
    return numeric && (kind == sptNormal || kind == sptFloat);
}

}  // namespace

bool IsValidSpinChar(char32_t key, const TSpinCharContext& c)
{
    if (key == kBackspace) return c.EditorEnabled;
    const TFormatSettings& fs = FormatSettings();
    const char32_t ds = static_cast<unsigned char>(fs.DecimalSeparator);
    const char32_t ts = static_cast<unsigned char>(fs.ThousandSeparator);
    const char32_t tis = static_cast<unsigned char>(fs.TimeSeparator);
    const char32_t das = static_cast<unsigned char>(fs.DateSeparator);
    const bool digit = key >= '0' && key <= '9';
    bool result = key == ds || key == ts || key == tis || key == das || digit || key == '-';
    if (!result) result = key < 32 && key != kEnter;
    if (key == tis && c.Kind != sptTime) result = result && ForeignSeparatorAllowed(fs.TimeSeparator, c.Kind);
    if (key == das && c.Kind != sptDate) result = result && ForeignSeparatorAllowed(fs.DateSeparator, c.Kind);
    const std::string selText = Copy(c.Text, c.SelStart + 1, c.SelLength);
    if (key == '-') {
        const bool replacesOwnMinus = !Holds(c.Text, '-') || Holds(selText, '-');
        result = result && replacesOwnMinus && c.SelStart == 0;
    }
    if (c.Kind == sptNormal && key >= 32) result = result && (digit || key == '-');
    if (c.Kind == sptFloat && key != kEscape && key != kEnter) {
        if (key == ts) result = false;
        if (key == ds && Holds(c.Text, fs.DecimalSeparator) && !Holds(selText, fs.DecimalSeparator)) result = false;
        const int p = Pos(std::string(1, fs.DecimalSeparator), c.Text);
        if (c.Precision > 0 && p > 0 && c.SelStart >= p && c.SelLength == 0 && key >= 32)
            result = result && Length(c.Text) < p + c.Precision;
    }
    if (c.Kind == sptTime && key == tis) {
        const std::string sep(1, fs.TimeSeparator);
        const int first = Pos(sep, c.Text);
        if (first > 0 && Pos(sep, c.Text, first + 1) > 0) result = false;
    }
    if (!c.EditorEnabled && key >= 32) result = false;
    return result;
}
