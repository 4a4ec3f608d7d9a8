#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/text/CellText.h"

namespace {

// Writers make the cell's properties when it has none and repaint it where it is shown.
template <typename TSet> void WriteCellProperties(TExtStringGrid& Grid, int ACol, int ARow, TSet Set)
{
    Set(*Grid.GetCellProperties(ACol, ARow));
    Grid.RepaintCell(Grid.DisplColIndex(ACol), ARow);
}

template <typename T, typename TGet>
T ReadCellProperty(const TExtStringGrid& Grid, int ACol, int ARow, T Default, TGet Get)
{
    const TCellProperties* props = Grid.FindCellProperties(ACol, ARow);
    return props ? Get(*props) : Default;
}

bool Between(int Value, int A, int B) { return Value >= std::min(A, B) && Value <= std::max(A, B); }

} // namespace

int TExtStringGrid::AllColWidths(int ACol) const
{
    if (IsHiddenColumn(ACol)) return FColumns.KeptWidth(TRealCol(ACol));
    return ColWidths(RealToDisplCol(ACol));
}

void TExtStringGrid::SetAllColWidths(int ACol, int Value)
{
    if (ACol < 0) return;
    FColumns.SetKeptWidth(TRealCol(ACol), Value);
    if (!IsHiddenColumn(ACol) && RealToDisplCol(ACol) < ColCount()) SetColWidths(RealToDisplCol(ACol), Value);
}

std::string TExtStringGrid::WideCells(int ACol, int ARow) const
{
    return DecodeWideCellText(Cells(ACol, ARow));
}

bool TExtStringGrid::ReadOnly(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, false, [](const TCellProperties& P) { return P.ReadOnly; });
}

void TExtStringGrid::SetReadOnly(int ACol, int ARow, bool Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.ReadOnly = Value; });
}

TColor TExtStringGrid::Colors(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, clNone,
                            [](const TCellProperties& P) { return P.BrushColor(); });
}

void TExtStringGrid::SetColors(int ACol, int ARow, TColor Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.SetBrushColor(Value); });
}

TColor TExtStringGrid::ColorsTo(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, clNone,
                            [](const TCellProperties& P) { return P.BrushColorTo(); });
}

void TExtStringGrid::SetColorsTo(int ACol, int ARow, TColor Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.SetBrushColorTo(Value); });
}

TCellGradientDirection TExtStringGrid::Gradients(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, GradientVertical,
                            [](const TCellProperties& P) { return P.GradientDirection; });
}

void TExtStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.GradientDirection = Value; });
}

TColor TExtStringGrid::FontColors(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, clNone, [](const TCellProperties& P) { return P.FontColor; });
}

void TExtStringGrid::SetFontColors(int ACol, int ARow, TColor Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.FontColor = Value; });
}

TAlignment TExtStringGrid::Alignments(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, taLeftJustify,
                            [](const TCellProperties& P) { return P.Alignment; });
}

void TExtStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.Alignment = Value; });
}

TFontStyles TExtStringGrid::FontStyles(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, TFontStyles{},
                            [](const TCellProperties& P) { return P.FontStyle; });
}

void TExtStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.FontStyle = Value; });
}

int TExtStringGrid::FontSizes(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, 0, [](const TCellProperties& P) { return P.FontSize; });
}

void TExtStringGrid::SetFontSizes(int ACol, int ARow, int Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.FontSize = Value; });
}

std::string TExtStringGrid::FontNames(int ACol, int ARow) const
{
    return ReadCellProperty(*this, ACol, ARow, std::string(),
                            [](const TCellProperties& P) { return P.FontName; });
}

void TExtStringGrid::SetFontNames(int ACol, int ARow, const std::string& Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.FontName = Value; });
}

const TFont* TExtStringGrid::Fonts(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    if (!props) return Font();
    FCellFont->SetName(props->FontName);
    FCellFont->SetSize(props->FontSize);
    FCellFont->SetStyle(props->FontStyle);
    FCellFont->SetColor(props->FontColor);
    return FCellFont.get();
}

void TExtStringGrid::SetFonts(int ACol, int ARow, const TFont& Value)
{
    TCellProperties* props = GetCellProperties(ACol, ARow);
    props->FontName = Value.Name();
    props->FontSize = Value.Size();
    props->FontStyle = Value.Style();
    props->FontColor = Value.Color();
    if (!LockUpdate()) RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExtStringGrid::WordWraps(int ACol, int ARow) { return GetCellProperties(ACol, ARow)->WordWrap(); }

void TExtStringGrid::SetWordWraps(int ACol, int ARow, bool Value)
{
    WriteCellProperties(*this, ACol, ARow, [&](TCellProperties& Props) { Props.SetWordWrap(Value); });
}

// Taking a colour away never takes the cells' other settings with it: read-only flags,
// fonts and graphics stay.
void TExtStringGrid::SetRowColorField(int ADisplRow, TColor Value,
                                      void (*Store)(TCellProperties& Props, TColor Value))
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone)
            Store(*GetCellProperties(c, ADisplRow), Value);
        else if (TCellProperties* props = FindCellProperties(c, ADisplRow))
            Store(*props, clNone);
    }
    RepaintRow(ADisplRow);
}

void TExtStringGrid::SetRowColor(int ARow, TColor Value)
{
    SetRowColorField(ARow, Value, [](TCellProperties& Props, TColor Color) { Props.SetBrushColor(Color); });
}

void TExtStringGrid::SetRowColorTo(int ARow, TColor Value)
{
    SetRowColorField(ARow, Value, [](TCellProperties& Props, TColor Color) { Props.SetBrushColorTo(Color); });
}

void TExtStringGrid::SetRowFontColor(int ARow, TColor Value)
{
    SetRowColorField(ARow, Value, [](TCellProperties& Props, TColor Color) { Props.FontColor = Color; });
}

void TExtStringGrid::ClearModifiedRows()
{
    FRows.Flags().ClearModified();
    Invalidate();
}

bool TExtStringGrid::SelectedCells(int ACol, int ARow) const
{
    if (MouseActions()->DisjunctCellSelect())
        return FRows.Flags().CellSelected(ACol, ARow);
    const TGridRect sel = Selection();
    return Between(ACol, sel.Left, sel.Right) && Between(ARow, sel.Top, sel.Bottom);
}

void TExtStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    if (FRows.Flags().SetCellSelected(ACol, ARow, Value)) RepaintCell(ACol, ARow);
}

// Without disjunct cell selection the set is the selection rectangle, column by column.
int TExtStringGrid::SelectedCellsCount()
{
    if (!MouseActions()->DisjunctCellSelect()) {
        FRows.Flags().ClearCells();
        const TGridRect sel = Selection();
        if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
            FRows.Flags().SetCellSelected(Col(), Row(), true);
        } else {
            for (int c = std::min(sel.Left, sel.Right); c <= std::max(sel.Left, sel.Right); ++c)
                for (int r = std::min(sel.Top, sel.Bottom); r <= std::max(sel.Top, sel.Bottom); ++r)
                    FRows.Flags().SetCellSelected(c, r, true);
        }
    }
    return static_cast<int>(FRows.Flags().SelectedCells().size());
}

TGridCoord TExtStringGrid::SelectedCell(int Index) const
{
    const TFlagCell& cell = FRows.Flags().SelectedCells().at(static_cast<size_t>(Index));
    return {cell.Col, cell.Line};
}

void TExtStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FRows.Flags().ClearCells();
    Invalidate();
}

int TExtStringGrid::SelectedRow(int Index) const
{
    if (MouseActions()->DisjunctRowSelect())
        return Index >= 0 && Index < static_cast<int>(SelectedRows().size())
                   ? SelectedRows()[static_cast<size_t>(Index)]
                   : -1;
    const TGridRect sel = Selection();
    const int row = std::min(sel.Top, sel.Bottom) + Index;
    return Index >= 0 && row <= std::max(sel.Top, sel.Bottom) ? row : -1;
}

namespace {

// The lines First..Last of a selection, widened by the merged cell at its first corner
// when that reaches past Last (then its own extent counts), else by the one at its last
// corner reaching on beyond it.
int MergeWidenedCount(int First, int Last, int FirstCellExtent, int LastCellExtent)
{
    if (First + FirstCellExtent > Last) return FirstCellExtent + 1;
    return Last - First + 1 + LastCellExtent;
}

} // namespace

int TExtStringGrid::SelectedRowCount() const
{
    if (MouseActions()->DisjunctRowSelect()) return static_cast<int>(SelectedRows().size());
    const TGridRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom);
    const int bottom = std::min(std::max(sel.Top, sel.Bottom), RowCount() - FixedFooters - 1);
    const int left = std::min(sel.Left, sel.Right);
    return MergeWidenedCount(top, bottom, CellExt(left, top).Y, CellExt(left, bottom).Y);
}

int TExtStringGrid::SelectedColCount() const
{
    if (MouseActions()->DisjunctColSelect()) return ColSelectCount();
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right);
    const int right = std::max(sel.Left, sel.Right);
    const int top = std::min(sel.Top, sel.Bottom);
    return MergeWidenedCount(left, right, CellExt(left, top).X, CellExt(right, top).X);
}
