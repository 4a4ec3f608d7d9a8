#include <cmath>
#include <set>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"
#include "platform/rtl/SysUtils.h"

TExtStringGrid::TRowRange TExtStringGrid::StatisticsRange(int FromRow, int ToRow) const
{
    if (FromRow == -1 || ToRow == -1) return {FixedRows(), RowCount() - FixedFooters - 1, false};
    const int shownEnd = FloatingFooter()->Visible() ? RowCount() - 1 : RowCount();
    return {FromRow, ToRow, ToRow >= shownEnd};
}

double TExtStringGrid::RangeFloat(int ARealCol, int ARow, const TRowRange& Range) const
{
    return Range.Real ? AllFloats(ARealCol, ARow) : Floats(ARealCol, ARow);
}

// In a grouped grid, header and summary rows hold results, not data.
bool TExtStringGrid::IsGroupResultRow(int ARow, const TRowRange& Range) const
{
    return GroupColumn != -1 && !Range.Real && (IsNode(ARow) || IsSummary(ARow));
}

// Calculations report their rows through the export hook as exports do; a reading that
// raises ends the report without its last notice.
void TExtStringGrid::ForEachStatisticsRow(const TRowRange& Range, const std::function<void(int ARow)>& Visit) const
{
    ExportNotification(0, Range.From);
    for (int r = Range.From; r <= Range.To; ++r) {
        ExportNotification(5, r);
        Visit(r);
    }
    ExportNotification(2, -1);
}

// A cell inside another cell's merge is counted with its base cell only.
std::vector<double> TExtStringGrid::ReadableNumbers(int ARealCol, const TRowRange& Range) const
{
    std::vector<double> numbers;
    ForEachStatisticsRow(Range, [&](int r) {
        if ((!Range.Real && IsMergedNonBaseCell(ARealCol, r)) || IsGroupResultRow(r, Range)) return;
        try {
            numbers.push_back(RangeFloat(ARealCol, r, Range));
        } catch (const EExtGridError&) {
        }
    });
    return numbers;
}

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) const
{
    double sum = 0;
    for (double value : ReadableNumbers(ACol, StatisticsRange(FromRow, ToRow)))
        sum += value;
    return sum;
}

// Every row of the range divides, whether it held a number or not; the header and summary
// rows of a grouped grid do not.
double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) const
{
    const TRowRange range = StatisticsRange(FromRow, ToRow);
    int rows = range.Count();
    for (int r = range.From; r <= range.To; ++r)
        if (IsGroupResultRow(r, range)) --rows;
    return rows <= 0 ? 0 : ColumnSum(ACol, FromRow, ToRow) / rows;
}

// The first row of the range that counts must hold a number; an empty range gives 0.
double TExtStringGrid::ColumnExtreme(int ARealCol, int FromRow, int ToRow, bool Largest) const
{
    const TRowRange range = StatisticsRange(FromRow, ToRow);
    int first = range.From;
    while (first <= range.To && IsGroupResultRow(first, range))
        ++first;
    if (first > range.To) return 0;
    double result = RangeFloat(ARealCol, first, range);
    for (double value : ReadableNumbers(ARealCol, range))
        result = Largest ? std::max(result, value) : std::min(result, value);
    return result;
}

double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) const
{
    return ColumnExtreme(ACol, FromRow, ToRow, false);
}
double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) const
{
    return ColumnExtreme(ACol, FromRow, ToRow, true);
}

// Every row must hold a number.
double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) const
{
    const TRowRange range = StatisticsRange(FromRow, ToRow);
    if (range.Count() == 0) return 0;
    const double average = ColumnAvg(ACol, FromRow, ToRow);
    double squares = 0;
    ForEachStatisticsRow(range, [&](int r) { squares += std::pow(RangeFloat(ACol, r, range) - average, 2); });
    return std::sqrt(squares / range.Count());
}

double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) const
{
    const TRowRange range = StatisticsRange(FromRow, ToRow);
    std::set<std::string> texts;
    ForEachStatisticsRow(range, [&](int r) { texts.insert(AnsiUpperCase(range.Real ? AllCells(ACol, r) : Cells(ACol, r))); });
    return static_cast<double>(texts.size());
}
