#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/text/DateText.h"
#include "grid/foundation/text/FilterExpression.h"
#include "grid/foundation/text/NumberText.h"
#include "grid/services/SortKeys.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

// Cells are compared as the user sees them, by a style the application picks per column or
// the grid guesses from the first cell. While events may hand out texts or take part in the
// compare, a sort asks every cell anew, so what the handlers say during the sort is honoured;
// without them a sort reads each column's keys once.

namespace {

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
    bool anyDigit = false;
    const auto wholeOf = [&](size_t From, size_t To) {
        double whole = 0;
        for (size_t k = From; k < To; ++k)
            if (std::isdigit(static_cast<unsigned char>(S[k]))) whole = whole * 10 + (S[k] - '0');
        return whole;
    };
    const auto digits = [&] {
        for (; i < S.size() && std::isdigit(static_cast<unsigned char>(S[i])); ++i)
            anyDigit = true;
    };
    digits();
    const bool digitsOnly = i == S.size();
    if (i < S.size() && S[i] == '.') {
        ++i;
        digits();
    }
    if (i < S.size() && (S[i] == 'E' || S[i] == 'e')) {
        ++i;
        if (i < S.size() && (S[i] == '+' || S[i] == '-')) ++i;
        digits();
    }
    // A valid number runs to the end of the text, so it is read in place; one too large for
    // a double is read as the C library reads it, as infinite. Whole numbers of up to 15
    // digits are exact as they are summed up, which is most of what a sort reads.
    Valid = i == S.size() && anyDigit;
    if (Valid && digitsOnly && i - start <= 15) return S[start] == '-' ? -wholeOf(start, i) : wholeOf(start, i);
    if (Valid) {
        const char* first = S.data() + start + (S[start] == '+' ? 1 : 0);
        double value = 0;
        const auto [end, error] = std::from_chars(first, S.data() + S.size(), value);
        return error == std::errc() ? value : std::strtod(S.c_str() + start, nullptr);
    }
    return wholeOf(0, i);
}

TSortNumber ReadSortNumber(const std::string& Text, bool Financial, const std::string& Prefix,
                           const std::string& Suffix)
{
    const TFormatSettings& fs = FormatSettings();
    const bool plain = Prefix.empty() && Suffix.empty() && !Financial &&
                       (fs.DecimalSeparator == '.' || Text.find(fs.DecimalSeparator) == std::string::npos);
    TSortNumber number;
    if (plain) {
        number.Value = SortNumberValue(Text, number.Valid);
        number.Empty = Text.empty();
        return number;
    }
    std::string S = Text;
    EraseFirst(S, Suffix);
    EraseFirst(S, Prefix);
    if (Financial) S.erase(std::remove(S.begin(), S.end(), fs.ThousandSeparator), S.end());
    if (fs.DecimalSeparator != '.') {
        const size_t at = S.find(fs.DecimalSeparator);
        if (at != std::string::npos) S[at] = '.';
    }
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
    const std::string& s1 = text1.Text;
    const std::string& s2 = text2.Text;

    if (style == ssAutomatic) {
        if (text1.CheckBox < 0) text1.CheckBox = static_cast<signed char>(HasSortCheckBox(ACol, ARow1));
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
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
        result = LocaleCompare(s1, s2, style == ssAnsiAlphaNoCase);
        break;
    case ssCustom:
        if (OnCustomCompare) OnCustomCompare(this, s1, s2, result);
        result = SortSignOf(result);
        break;
    case ssRaw:
        if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, result);
        result = SortSignOf(result);
        break;
    default: {
        const TSortKey key1 = SortKeyOf(style, ACol, ARow1, text1, prefix, suffix);
        const TSortKey key2 = SortKeyOf(style, ACol, ARow2, text2, prefix, suffix);
        return PlaceSortBlanks(CompareSortKeys(key1, key2), key1.Empty, key2.Empty, sort, Direction);
    }
    }
    return PlaceSortBlanks(result, s1.empty(), s2.empty(), sort, Direction);
}

// A cell without an object has no properties, so neither a check box nor a merge.
bool TExtStringGrid::HasSortCheckBox(int ACol, int ARow) const
{
    return GridObjects(ACol, ARow) && HasCellTypeIn(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

// The blank placement looks at the texts as compared: what a number style left of them, the
// stripped text of an HTML cell, the cell's text otherwise.
TSortKey TExtStringGrid::SortKeyOf(TSortStyle Style, int ACol, int ARow, TSortCellText& Text,
                                   const std::string& Prefix, const std::string& Suffix)
{
    const bool empty = Text.Text.empty();
    switch (Style) {
    case ssAlphaNoCase:
        return TSortKey::OfText(UpperCase(Text.Text));
    case ssHTML:
        return TSortKey::OfText(StrippedCells(ACol, ARow));
    case ssNumeric:
    case ssFinancial: {
        TSortNumber number = SortNumberOf(Text, Style == ssFinancial, Prefix, Suffix);
        // An invalid number counts as 0 when its cell shows nothing.
        const bool showsNothing = SortSettings()->SortOnVirtualCells ? empty : Cells(ACol, ARow).empty();
        if (!number.Valid && showsNothing) number.Valid = true, number.Value = 0;
        return TSortKey::OfValue(number.Value, number.Valid, number.Empty);
    }
    case ssDate:
    case ssDateTime:
        return TSortKey::OfValue(DateSortValue(Text.Text), true, empty);
    case ssTime:
        return TSortKey::OfValue(TimeSortValue(Text.Text), true, empty);
    case ssShortDateEU:
    case ssShortDateUS:
        return TSortKey::OfValue(ParsedDateValue(Style == ssShortDateEU ? &ParseDateDMY : &ParseDateMDY, Text.Text),
                                 true, empty);
    case ssImages:
        return TSortKey::OfValue(static_cast<double>(GetImageSortValue(ACol, ARow)), true, empty);
    case ssCheckBox: {
        bool checked = false;
        GetCheckBoxState(ACol, ARow, checked);
        return TSortKey::OfValue(checked ? 1 : 0, true, empty);
    }
    default:
        return TSortKey::OfText(Text.Text);
    }
}

// A cell whose own text decides the style of every compare it takes part in gets a key: any
// cell of a fixed style; in the automatic style a number (compared as a number with any other
// number) or a text that cannot start a date or a time (compared as a text with any such
// text); in the alphanumeric styles a number or a text. The locale, custom and raw compares,
// check boxes and date-like texts are compared cell by cell.
bool TExtStringGrid::CellSortKey(int ACol, int ARow, const TSortColumnFormat& Format, TSortKey& Key)
{
    const TSortSettings& sort = *SortSettings();
    TSortStyle Style = Format.Style;
    const TSortStyle fallback = sort.IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    if (Style == ssAnsiAlphaCase || Style == ssAnsiAlphaNoCase || Style == ssCustom || Style == ssRaw ||
        (Style == ssAutomatic && HasSortCheckBox(ACol, ARow)))
        return false;
    TSortCellText text(sort.SortOnVirtualCells ? Cells(ACol, ARow) : GridCells(ACol, ARow));
    if (Style == ssAutomatic) {
        if (text.IsNumber()) {
            Style = ssNumeric;
        } else {
            // A second text holding both separators lets the first alone decide the detection.
            const TFormatSettings& fs = FormatSettings();
            if (DetectTextStyle(text.Text, {fs.DateSeparator, fs.TimeSeparator}, fallback) != fallback) return false;
            Style = fallback;
        }
    } else if (Style == ssAlphaNumeric || Style == ssAlphaNumericNoCase) {
        Style = text.IsNumber() ? ssNumeric : Style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }
    Key = SortKeyOf(Style, ACol, ARow, text, Format.Prefix, Format.Suffix);
    return true;
}

void TExtStringGrid::ReadSortKey(int ACol, int ARow, TSortColumnKeys& Keys, size_t Index)
{
    TSortKey key;
    if (CellSortKey(ACol, ARow, Keys.Format(), key))
        Keys.Set(Index, key);
    else
        Keys.SetCellByCell(Index);
}

int TExtStringGrid::CompareSortCells(int ACol, int ARow1, int ARow2, TSortDirection Direction)
{
    size_t index1 = 0, index2 = 0;
    if (FSortKeys && FSortKeys->IndexOf(ARow1, index1) && FSortKeys->IndexOf(ARow2, index2)) {
        TSortColumnKeys& keys = SortKeysOf(ACol);
        if (!keys.Read(index1)) ReadSortKey(ACol, ARow1, keys, index1);
        if (!keys.Read(index2)) ReadSortKey(ACol, ARow2, keys, index2);
        const int result = keys.Compare(index1, index2, *SortSettings(), Direction);
        if (result != TSortColumnKeys::CompareCellByCell) return result;
    }
    return CompareCells(ACol, ARow1, ARow2, Direction);
}

// While events may hand out texts or take part in the compare, every cell of the column is
// compared cell by cell.
TSortColumnKeys& TExtStringGrid::SortKeysOf(int ACol)
{
    if (TSortColumnKeys* keys = FSortKeys->Keys(ACol)) return *keys;
    return FSortKeys->Make(ACol, SortColumnFormat(ACol));
}

TSortColumnFormat TExtStringGrid::SortColumnFormat(int ACol)
{
    TSortColumnFormat format;
    if (!FSortTexts) return format;
    const TSortSettings& sort = *SortSettings();
    format.Style = sort.AutoFormat ? ssAutomatic : sort.IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    GetColFormat(ACol, format.Style, format.Prefix, format.Suffix);
    return format;
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
        const int result = IsIgnoredColumn(col) ? 0 : CompareSortCells(col, ARow1, ARow2, sort.Direction);
        if (result != 0 || !sort.Full || col + 1 >= TotalColCount()) return result;
    }
}

int TExtStringGrid::CompareRowsIndexed(int Index, int ARow1, int ARow2)
{
    const bool full = SortSettings()->Full;
    for (int i = Index; i < SortIndexes.Count(); ++i) {
        const int col = SortIndexes.SortColumns(i);
        const bool ascending = SortIndexes.SortDirections(i);
        const TSortDirection direction = ascending ? sdAscending : sdDescending;
        const int result = IsIgnoredColumn(col) ? 0 : CompareSortCells(col, ARow1, ARow2, direction);
        if (result != 0 || !full || i + 1 >= SortIndexes.Count()) return ascending ? result : -result;
    }
    return 0;
}
