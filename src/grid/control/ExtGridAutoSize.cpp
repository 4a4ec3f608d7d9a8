#include <algorithm>
#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/text/CellText.h"

namespace {

// Equal limits mean no limits; a limit of 0 or less is none.
int ClampToLimits(int Value, int Low, int High)
{
    if (Low == High) return Value;
    if (Low > 0 && Value < Low) Value = Low;
    if (High > 0 && Value > High) Value = High;
    return Value;
}

// Room beside a cell's text for what the grid draws next to it.
constexpr int kDropDownButtonRoom = 16;
constexpr int kSortIndicatorRoom = 10;

} // namespace

int TExtStringGrid::ClampColWidth(int Value) const { return ClampToLimits(Value, MinColWidth, MaxColWidth); }
int TExtStringGrid::ClampRowHeight(int Value) const
{
    return ClampToLimits(Value, MinRowHeight, MaxRowHeight);
}

void TExtStringGrid::UpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::AutoSizeColCore(int ADisplCol, bool GrowOnly)
{
    const int real = DisplToRealCol(ADisplCol);
    int first = 0;
    int last = RowCount() - 1;
    if (ColumnSize()->Rows == arNormal) {
        first = FixedRows();
        last = RowCount() - FixedFooters - 1;
    } else if (ColumnSize()->Rows == arFixed) {
        last = FixedRows() - 1;
    }
    const bool sortShown =
        SortSettings()->Show() && FixedRows() + 1 < RowCount() && SortSettings()->Column == real;
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(real, r)) continue;
        int width = GetCellGraphicSize(real, r).X + GetCellTextSize(real, r, false, false).cx;
        if (ControlLook()->DropDownAlwaysVisible() && HasCombo(real, r)) width += kDropDownButtonRoom;
        if (sortShown && r == SortSettings()->Row()) width += kSortIndicatorRoom;
        widest = std::max(widest, width);
    }
    int width = widest + GetTotalXOffset() + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ADisplCol) >= width) return;
    UpdateAutoColumnSize(ADisplCol, width);
    SetColWidths(ADisplCol, ClampColWidth(width));
}

void TExtStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    AutoSizeColCore(ACol, SizeGrowOnly);
    if (Padding != 0) SetColWidths(ACol, ClampColWidth(ColWidths(ACol) + Padding));
}

void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols - 1;
    for (int c = first; c <= last; ++c)
        AutoSizeCol(c, Padding);
}

// A cell needs its text and its graphic stacked; a graphic filling the cell needs no room of
// its own, and a check box or radio button cell is one default row high.
void TExtStringGrid::AutoSizeRowCore(int ADisplRow, bool GrowOnly)
{
    const auto cellHeight = [this, ADisplRow](int Real) {
        int text = GetCellTextSize(Real, ADisplRow, false, WordWrap()).cy;
        int graphic = CalcCellGraphicSize(Real, ADisplRow, 0).Y;
        const TCellGraphic* g = GetCellGraphic(Real, ADisplRow);
        if (!g) return text + graphic;
        if (g->CellVAlign == vaFull) graphic = text != 0 ? 0 : DefaultRowHeight();
        if ((g->CellType == ctDataCheckBox || g->CellType == ctVirtCheckBox) && graphic > 0) text = 0;
        const bool boxCell = g->CellType == ctCheckBox || g->CellType == ctDataCheckBox ||
                             g->CellType == ctVirtCheckBox || g->CellType == ctRadioButton;
        return boxCell ? DefaultRowHeight() : text + graphic;
    };
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = DisplToRealCol(c);
        if (IsYMergedCell(real, ADisplRow) || IsIgnoredColumn(real) || IsMergedNonBaseCell(real, ADisplRow))
            continue;
        tallest = std::max(tallest, cellHeight(real));
    }
    const int height = tallest + GetTotalYOffset() + 2 * GridLineWidth() + (XYOffsetTopLeftOnly ? 2 : 0);
    const auto everyRowShown = [this] {
        return TopRow() == FixedRows() && VisibleRowCount() == RowCount() - FixedRows();
    };
    // A row grown by typing can push the grid into scrolling, which moves the cells under
    // the editor: it is placed over its cell again.
    const bool typingMayScroll = EditMode && SizeWhileTyping()->Height && everyRowShown();
    if (GrowOnly && RowHeights(ADisplRow) >= height) return;
    SetRowHeights(ADisplRow, ClampRowHeight(height));
    if (!typingMayScroll || everyRowShown()) return;
    ShowInplaceEdit();
    if (InplaceEditor() && InplaceEditor()->Visible()) InplaceEditor()->Deselect();
}

void TExtStringGrid::AutoSizeRow(int ARow, int Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    AutoSizeRowCore(ARow, SizeGrowOnly);
    if (Padding != 0) SetRowHeights(ARow, ClampRowHeight(RowHeights(ARow) + Padding));
}

void TExtStringGrid::SizeRowToLines(int ADisplRow, int Lines, int Padding)
{
    TBitmap bitmap(1, 1);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->Assign(*Font());
    TBrush brush;
    GetCellColor(DisplToRealCol(FixedCols()), ADisplRow, TGridDrawState{}, &brush, canvas->Font());
    const int h = canvas->TextHeight("gh");
    SetRowHeights(ADisplRow, ClampRowHeight(Padding + Lines * (h + h / 8)));
}

// Without word wrapping a row is as high as its lines; a cell holds one line.
void TExtStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0) return;
    for (int r = DoFixedRows ? 0 : FixedRows(); r < RowCount(); ++r) {
        if (WordWrap())
            AutoSizeRow(r, Padding);
        else
            SizeRowToLines(r, 1, Padding);
    }
    ApplyScrollBarAlways(false);
}

// Columns and rows only grow to what their cells need (columns from 0 unless SizeGrowOnly);
// merged blocks leave the lines they span alone.
void TExtStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    BeginUpdate();
    for (int c = DoFixedCells ? 0 : FixedCols(); c < ColCount(); ++c) {
        const int real = DisplToRealCol(c);
        int running = SizeGrowOnly ? ColWidths(c) : 0;
        for (int r = DoFixedCells ? 0 : FixedRows(); r < RowCount(); ++r) {
            const TSize text = GetCellTextSize(real, r, false, false);
            const int needW = ClampColWidth(text.cx + PaddingX + XYOffset.X);
            const int needH = ClampRowHeight(text.cy + PaddingY + XYOffset.Y);
            if (!IsXMergedCell(real, r) && needW > running) {
                SetColWidths(c, needW);
                running = needW;
            }
            if (!IsYMergedCell(real, r) && needH > RowHeights(r)) SetRowHeights(r, needH);
        }
    }
    EndUpdate();
}

// Each column keeps its share of the width; what rounding leaves goes to the widest. A
// range of columns that are all 0 wide shares the width equally.
void TExtStringGrid::FitColumnsToWidth(int First, int Last, int Width)
{
    const int n = Last - First + 1;
    if (n <= 0) return;
    long long sum = 0;
    for (int c = First; c <= Last; ++c)
        sum += ColWidths(c);
    if (sum == Width) return;
    int newSum = 0;
    for (int c = First; c <= Last; ++c) {
        const int w =
            sum > 0 ? static_cast<int>(std::nearbyint(static_cast<double>(ColWidths(c)) * Width / sum)) : 0;
        SetColWidths(c, w);
        newSum += w;
    }
    int rest = Width - newSum;
    if (n > 1 && rest > n) {
        for (int c = First; c <= Last; ++c)
            SetColWidths(c, ColWidths(c) + rest / n);
        rest %= n;
    }
    int widest = First;
    for (int c = First + 1; c <= Last; ++c)
        if (ColWidths(c) > ColWidths(widest)) widest = c;
    SetColWidths(widest, ColWidths(widest) + rest);
}

// The client width already leaves out a shown vertical scroll bar.
void TExtStringGrid::AutoFitColumns(bool DoFixedCells)
{
    if (ColCount() <= 0) return;
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
        return;
    }
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FixedRightCols - 1;
    int width = ClientWidth();
    for (int c = 0; c < ColCount(); ++c)
        if (c < first || c > last) width -= ColWidths(c);
    FitColumnsToWidth(first, last, width);
}

void TExtStringGrid::SizeToCols()
{
    int width = 0;
    for (int c = 0; c < ColCount(); ++c)
        width += ColWidths(c);
    SetClientWidth(width);
}

void TExtStringGrid::SizeToRows()
{
    int height = 0;
    for (int r = 0; r < RowCount(); ++r)
        height += RowHeights(r);
    SetClientHeight(height);
}

void TExtStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}
