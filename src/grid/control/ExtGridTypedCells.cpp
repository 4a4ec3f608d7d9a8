#include <charconv>
#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlControlTags.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/text/NumberText.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

namespace {

int IntOfText(const std::string& Text)
{
    const std::string s = Trim(Text);
    if (s.empty() || s == "-") return 0;
    int32_t value = 0;
    if (!TryStrToInt(s, value)) throw EExtGridError("Cell does not contain integer value");
    return value;
}

// The normalised text always uses ".", whatever the locale's decimal separator is.
double FloatOfText(const std::string& Text)
{
    const std::string s = NormalizeNumberText(Text);
    if (s.empty() || s == "-") return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size())
        throw EExtGridError("Cell does not contain a float value");
    return value;
}

} // namespace

std::string TExtStringGrid::StrippedCells(int ACol, int ARow) const
{
    return HtmlToPlainText(Cells(ACol, ARow));
}

// A hidden row's text passes the display hook as a shown row's does through Cells.
std::string TExtStringGrid::AllCells(int ACol, int ARow) const
{
    if (const int position = FRows.Hidden().Find(TRealRow(ARow)); position >= 0) {
        const TGridStrings& cells = FRows.Hidden().Item(position).Items;
        if (ACol < 0) return std::string();
        std::string text = ACol < cells.Count() ? cells.Strings[ACol] : std::string();
        GetDisplText(ACol, ARow, text);
        return text;
    }
    return Cells(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::SetAllCells(int ACol, int ARow, const std::string& Value)
{
    WriteAllCells(ACol, ARow, Value, false);
}

std::string TExtStringGrid::StoredCellText(TStoredCell Cell) const
{
    return AllCells(Cell.Col.Index(), Cell.Row.Index());
}

void TExtStringGrid::SetStoredCellText(TStoredCell Cell, const std::string& Value)
{
    WriteAllCells(Cell.Col.Index(), Cell.Row.Index(), Value, false);
}

std::string TExtStringGrid::AllGridCells(int ACol, int ARow) const
{
    if (ACol < 0) return std::string();
    if (const int position = FRows.Hidden().Find(TRealRow(ARow)); position >= 0) {
        const TGridStrings& cells = FRows.Hidden().Item(position).Items;
        return ACol < cells.Count() ? cells.Strings[ACol] : std::string();
    }
    return GridCells(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::SetAllGridCells(int ACol, int ARow, const std::string& Value)
{
    WriteAllCells(ACol, ARow, Value, true);
}

TObject* TExtStringGrid::AllObjects(int ACol, int ARow) const
{
    if (ACol < 0) return nullptr;
    if (const int position = FRows.Hidden().Find(TRealRow(ARow)); position >= 0) {
        const TGridStrings& cells = FRows.Hidden().Item(position).Items;
        if (ACol >= cells.Count()) return nullptr;
        const auto* props = dynamic_cast<const TCellProperties*>(cells.Objects[ACol]);
        return props ? reinterpret_cast<TObject*>(props->CellObject) : cells.Objects[ACol];
    }
    return Objects(ACol, DisplRowIndex(ARow));
}

// A hidden row's object slot holds cell properties only, as every shown cell's does, so
// that the row comes back with its object in the place Objects reads.
void TExtStringGrid::SetAllObjects(int ACol, int ARow, TObject* Value)
{
    // Properties beyond the columns would never be shown nor freed.
    if (ACol < 0 || ACol >= TotalColCount()) return;
    const int position = FRows.Hidden().Find(TRealRow(ARow));
    if (position < 0) {
        SetObjects(ACol, DisplRowIndex(ARow), Value);
        return;
    }
    TGridStrings& cells = FRows.Hidden().Item(position).Items;
    while (cells.Count() <= ACol)
        cells.Add("");
    auto* props = dynamic_cast<TCellProperties*>(cells.Objects[ACol]);
    if (!props) {
        props = new TCellProperties(this, ACol, DisplRowIndex(ARow));
        FHasCellProps = true;
        FillDefaultCellProperties(*props, ACol, DisplRowIndex(ARow));
        cells.Objects[ACol] = props;
    }
    props->CellObject = reinterpret_cast<uintptr_t>(Value);
}

// A negative column has no cell to write. The stored form writes no cell of a hidden row
// that the row does not hold yet.
void TExtStringGrid::WriteAllCells(int ARealCol, int ARealRow, const std::string& Value, bool Stored)
{
    if (ARealCol < 0) return;
    if (const int position = FRows.Hidden().Find(TRealRow(ARealRow)); position >= 0) {
        TGridStrings& cells = FRows.Hidden().Item(position).Items;
        if (Stored && ARealCol >= cells.Count())
            throw EListError("List index out of bounds (" + std::to_string(ARealCol) + ")");
        while (cells.Count() <= ARealCol)
            cells.Add("");
        cells.Strings[ARealCol] = Value;
        return;
    }
    const int row = DisplRowIndex(ARealRow);
    if (Stored)
        SetGridCells(ARealCol, row, Value);
    else
        SetCells(ARealCol, row, Value);
    // The cell writer repaints the cell at its real column; behind a hidden column the
    // cell is shown elsewhere.
    if (const int shown = RealToDisplCol(ARealCol); shown != ARealCol) RepaintCell(shown, row);
}

std::string TExtStringGrid::GetFloatFormat(int, int) const { return FloatFormat; }

int TExtStringGrid::Ints(int ACol, int ARow) const { return IntOfText(StrippedCells(ACol, ARow)); }

void TExtStringGrid::SetInts(int ACol, int ARow, int Value)
{
    SetCells(ACol, ARow, std::to_string(Value));
    if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(ACol), ARow);
}

int TExtStringGrid::AllInts(int ACol, int ARow) const { return IntOfText(AllCells(ACol, ARow)); }

void TExtStringGrid::SetAllInts(int ACol, int ARow, int Value)
{
    SetAllCells(ACol, ARow, std::to_string(Value));
}

double TExtStringGrid::Floats(int ACol, int ARow) const { return FloatOfText(StrippedCells(ACol, ARow)); }

void TExtStringGrid::SetFloats(int ACol, int ARow, double Value)
{
    SetCells(ACol, ARow, Format(GetFloatFormat(ACol, ARow), {Value}));
}

double TExtStringGrid::AllFloats(int ACol, int ARow) const { return FloatOfText(AllCells(ACol, ARow)); }

void TExtStringGrid::SetAllFloats(int ACol, int ARow, double Value)
{
    SetAllCells(ACol, ARow, Format(FloatFormat, {Value}));
}

TDateTime TExtStringGrid::Dates(int ACol, int ARow) const { return StrToDate(Trim(Cells(ACol, ARow))); }

// The null date shows as an empty cell unless ShowNullDates is set.
void TExtStringGrid::SetDates(int ACol, int ARow, TDateTime Value)
{
    SetCells(ACol, ARow, Value > 0 || ShowNullDates ? DateToStr(Value) : std::string());
}

TDateTime TExtStringGrid::Times(int ACol, int ARow) const { return StrToTime(Trim(Cells(ACol, ARow))); }

void TExtStringGrid::SetTimes(int ACol, int ARow, TDateTime Value)
{
    SetCells(ACol, ARow, TimeToStr(Value - std::floor(Value)));
}

std::string TExtStringGrid::ControlValues(int ACol, int ARow, const std::string& ID) const
{
    std::string value;
    return FindControlValue(Cells(ACol, ARow), ID, value) ? value : std::string();
}

void TExtStringGrid::SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value)
{
    std::string text = Cells(ACol, ARow);
    if (SetControlValue(text, ID, Value)) SetCells(ACol, ARow, text);
}

namespace {

// Const or not, as the grid's own array.
template <typename TMeasures> auto& PrintMeasure(TMeasures& Measures, int ACol)
{
    if (ACol < 0 || ACol > TExtStringGrid::MaxHideableCol)
        throw EExtGridError("Columns is not in valid range");
    return Measures[ACol];
}

} // namespace

int TExtStringGrid::PrintColWidth(int ACol) const { return PrintMeasure(FPrintColWidths, ACol); }

void TExtStringGrid::SetPrintColWidth(int ACol, int Value) { PrintMeasure(FPrintColWidths, ACol) = Value; }

int TExtStringGrid::PrintColOffset(int ACol) const { return PrintMeasure(FPrintColOffsets, ACol); }

void TExtStringGrid::SetPrintColOffset(int ACol, int Value) { PrintMeasure(FPrintColOffsets, ACol) = Value; }
