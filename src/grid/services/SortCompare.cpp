#include <algorithm>
#include <cctype>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/text/DateText.h"
#include "grid/foundation/text/FilterExpression.h"
#include "grid/foundation/text/NumberText.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

// Cells are compared as the user sees them, by a style the application picks per column or
// the grid guesses from the first cell. No key is cached: a sort asks every cell anew, so
// texts changed by event handlers during a sort are honoured.

namespace {

int SortSignOf(double Value) { return (Value > 0) - (Value < 0); }

void EraseFirst(std::string& S, const std::string& Part)
{
    if (Part.empty()) return;
    const size_t at = S.find(Part);
    if (at != std::string::npos) S.erase(at, Part.size());
}

// The conversion of sort texts: blanks, a sign, digits, a fraction and an exponent. A text
// with another character is invalid and counts as the digits read before it, unsigned.
double SortNumberValue(const std::string& S, bool& Valid)
{
    size_t i = 0;
    while (i < S.size() && S[i] == ' ')
        ++i;
    const size_t start = i;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) ++i;
    const auto digits = [&] {
        while (i < S.size() && std::isdigit(static_cast<unsigned char>(S[i])))
            ++i;
    };
    digits();
    if (i < S.size() && S[i] == '.') {
        ++i;
        digits();
    }
    if (i < S.size() && (S[i] == 'E' || S[i] == 'e')) {
        ++i;
        if (i < S.size() && (S[i] == '+' || S[i] == '-')) ++i;
        digits();
    }
    const std::string number = S.substr(start, i - start);
    Valid = i == S.size() && !number.empty() && std::any_of(number.begin(), number.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c));
            });
    if (Valid) return std::strtod(number.c_str(), nullptr);
    double whole = 0;
    for (size_t k = 0; k < i; ++k)
        if (std::isdigit(static_cast<unsigned char>(S[k]))) whole = whole * 10 + (S[k] - '0');
    return whole;
}

TSortNumber ReadSortNumber(std::string S, bool Financial, const std::string& Prefix, const std::string& Suffix)
{
    const TFormatSettings& fs = FormatSettings();
    EraseFirst(S, Suffix);
    EraseFirst(S, Prefix);
    if (Financial) S.erase(std::remove(S.begin(), S.end(), fs.ThousandSeparator), S.end());
    if (fs.DecimalSeparator != '.') {
        const size_t at = S.find(fs.DecimalSeparator);
        if (at != std::string::npos) S[at] = '.';
    }
    TSortNumber number;
    number.Value = SortNumberValue(S, number.Valid);
    number.Empty = S.empty();
    return number;
}

// A prefix or a suffix may differ from one compare to the next, so only the plain reading
// is kept with the cell.
TSortNumber SortNumberOf(TSortCellText& Text, bool Financial, const std::string& Prefix, const std::string& Suffix)
{
    if (!Prefix.empty() || !Suffix.empty()) return ReadSortNumber(Text.Text, Financial, Prefix, Suffix);
    const signed char form = Financial ? 1 : 0;
    if (Text.NumberForm != form) {
        Text.Number = ReadSortNumber(Text.Text, Financial, "", "");
        Text.NumberForm = form;
    }
    return Text.Number;
}

double DateSortValue(const std::string& S)
{
    TDateTime value = 0;
    if (S.empty()) return 0;
    if (ParseDateTimeText(S, value) || TryStrToDate(S, value)) return value;
    return 0;
}

double TimeSortValue(const std::string& S)
{
    TDateTime value = 0;
    return TryStrToTime(S, value) ? value : 0;
}

double ParsedDateValue(TDateTime (*Parse)(const std::string&), const std::string& S)
{
    try {
        return Parse(S);
    } catch (const Exception&) {
        return 0;
    }
}

// The locale order with letter case deciding ties: lower case first.
int LocaleCompare(const std::string& A, const std::string& B, bool IgnoreCase)
{
    const int noCase = SortSignOf(AnsiCompareText(A, B));
    if (noCase != 0 || IgnoreCase) return noCase;
    return -SortSignOf(A.compare(B));
}

bool SeparatedDigitsAt(const std::string& S, char Separator)
{
    const size_t at = S.find(Separator);
    if (at == std::string::npos || at < 1 || at > 2 || at + 1 >= S.size()) return false;
    return std::isdigit(static_cast<unsigned char>(S[at - 1])) && std::isdigit(static_cast<unsigned char>(S[at + 1]));
}

TSortStyle DetectTextStyle(const std::string& Text1, const std::string& Text2, TSortStyle Fallback)
{
    const TFormatSettings& fs = FormatSettings();
    const size_t dateAt = Text1.find(fs.DateSeparator);
    if (dateAt != std::string::npos && dateAt >= 1 && dateAt <= 2 && dateAt + 1 < Text1.size()) {
        if (!SeparatedDigitsAt(Text1, fs.DateSeparator) || Text2.find(fs.DateSeparator) == std::string::npos)
            return Fallback;
        return Text1.find(fs.TimeSeparator) != std::string::npos ? ssDateTime : ssDate;
    }
    if (SeparatedDigitsAt(Text1, fs.TimeSeparator) && Text2.find(fs.TimeSeparator) != std::string::npos)
        return ssTime;
    return Fallback;
}

} // namespace

int TExtStringGrid::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction)
{
    const TSortSettings& sort = *SortSettings();
    const TSortStyle fallback = sort.IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    TSortStyle style = sort.AutoFormat ? ssAutomatic : fallback;
    std::string prefix, suffix;
    GetColFormat(ACol, style, prefix, suffix);
    TSortCellText& text1 = SortCellText(ACol, ARow1, 0);
    TSortCellText& text2 = SortCellText(ACol, ARow2, 1);
    std::string s1 = text1.Text, s2 = text2.Text;

    if (style == ssAutomatic) {
        if (text1.CheckBox < 0)
            text1.CheckBox = static_cast<signed char>(
                HasCellTypeIn(ACol, ARow1, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox}));
        if (text1.CheckBox > 0)
            style = ssCheckBox;
        else if (text1.IsNumber())
            style = ssNumeric;
        else
            style = DetectTextStyle(s1, s2, fallback);
    }
    if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        const bool numbers = text1.IsNumber() && text2.IsNumber();
        style = numbers ? ssNumeric : style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }

    int result = 0;
    switch (style) {
    case ssAlphaNoCase:
        s1 = UpperCase(s1);
        s2 = UpperCase(s2);
        result = SortSignOf(s1.compare(s2));
        break;
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
        result = LocaleCompare(s1, s2, style == ssAnsiAlphaNoCase);
        break;
    case ssHTML:
        s1 = StrippedCells(ACol, ARow1);
        s2 = StrippedCells(ACol, ARow2);
        result = SortSignOf(s1.compare(s2));
        break;
    case ssNumeric:
    case ssFinancial: {
        const bool financial = style == ssFinancial;
        TSortNumber n1 = SortNumberOf(text1, financial, prefix, suffix);
        TSortNumber n2 = SortNumberOf(text2, financial, prefix, suffix);
        // An invalid number counts as 0 when its cell shows nothing.
        const auto showsNothing = [&](const TSortCellText& Text, int ARow) {
            return sort.SortOnVirtualCells ? Text.Text.empty() : Cells(ACol, ARow).empty();
        };
        if (!n1.Valid && showsNothing(text1, ARow1)) n1.Valid = true, n1.Value = 0;
        if (!n2.Valid && showsNothing(text2, ARow2)) n2.Valid = true, n2.Value = 0;
        result = !n1.Valid && !n2.Valid ? 0 : SortSignOf(n1.Value - n2.Value);
        // The blank rule below looks at the texts as they were compared.
        if (n1.Empty) s1.clear();
        if (n2.Empty) s2.clear();
        break;
    }
    case ssDate:
    case ssDateTime:
        result = SortSignOf(DateSortValue(s1) - DateSortValue(s2));
        break;
    case ssTime:
        result = SortSignOf(TimeSortValue(s1) - TimeSortValue(s2));
        break;
    case ssShortDateEU:
    case ssShortDateUS: {
        const auto parse = style == ssShortDateEU ? &ParseDateDMY : &ParseDateMDY;
        result = SortSignOf(ParsedDateValue(parse, s1) - ParsedDateValue(parse, s2));
        break;
    }
    case ssImages:
        result = SortSignOf(static_cast<double>(GetImageSortValue(ACol, ARow1)) -
                            static_cast<double>(GetImageSortValue(ACol, ARow2)));
        break;
    case ssCheckBox: {
        bool checked1 = false, checked2 = false;
        GetCheckBoxState(ACol, ARow1, checked1);
        GetCheckBoxState(ACol, ARow2, checked2);
        result = static_cast<int>(checked1) - static_cast<int>(checked2);
        break;
    }
    case ssCustom:
        if (OnCustomCompare) OnCustomCompare(this, s1, s2, result);
        result = SortSignOf(result);
        break;
    case ssRaw:
        if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, result);
        result = SortSignOf(result);
        break;
    default:
        result = SortSignOf(s1.compare(s2));
        break;
    }

    if (sort.IgnoreBlanks && s1.empty() != s2.empty()) {
        const int emptyFirst = sort.BlankPos == blFirst ? -1 : 1;
        result = s1.empty() ? emptyFirst : -emptyFirst;
        if (Direction == sdDescending) result = -result;
    }
    return result;
}

TSortCellText& TExtStringGrid::SortCellText(int ACol, int ARow, int Slot)
{
    const auto read = [&] { return SortSettings()->SortOnVirtualCells ? Cells(ACol, ARow) : GridCells(ACol, ARow); };
    bool wasRead = false;
    if (FSortTexts && ARow >= 0 && ARow < FSortTexts->RowCount()) {
        TSortCellText& cached = FSortTexts->At(ACol, ARow, wasRead);
        if (!wasRead) cached.Text = read();
        return cached;
    }
    FSortTextSlots[Slot] = TSortCellText{read()};
    return FSortTextSlots[Slot];
}

// Ties go to the columns to the right, never to the left.
int TExtStringGrid::CompareRows(int ACol, int ARow1, int ARow2)
{
    const TSortSettings& sort = *SortSettings();
    for (int col = ACol;; ++col) {
        const int result = IsIgnoredColumn(col) ? 0 : CompareCells(col, ARow1, ARow2, sort.Direction);
        if (result != 0 || !sort.Full || col + 1 >= TotalColCount()) return result;
    }
}

int TExtStringGrid::CompareRowsIndexed(int Index, int ARow1, int ARow2)
{
    const bool full = SortSettings()->Full;
    for (int i = Index; i < SortIndexes.Count(); ++i) {
        const int col = SortIndexes.SortColumns(i);
        const bool ascending = SortIndexes.SortDirections(i);
        int result = IsIgnoredColumn(col) ? 0 : CompareCells(col, ARow1, ARow2, ascending ? sdAscending : sdDescending);
        if (result != 0 || !full || i + 1 >= SortIndexes.Count()) return ascending ? result : -result;
    }
    return 0;
}
