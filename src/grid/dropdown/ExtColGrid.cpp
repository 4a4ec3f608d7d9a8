#include "grid/dropdown/ExtColGrid.h"

#include <algorithm>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ListWheel.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"

namespace {
unsigned AlignmentFlags(TAlignment Alignment)
{
    return Alignment == taRightJustify ? DT_RIGHT : Alignment == taCenter ? DT_CENTER : DT_LEFT;
}
} // namespace

TExtColGrid::TExtColGrid(TComponent* owner)
    : TStringGrid(owner), FColumns(std::make_unique<TDropDownColumns>())
{
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect});
    SetDefaultDrawing(false);
    TStringGrid::SetGridLineWidth(0);
    SetBorderStyle(bsNone);
}

TExtColGrid::~TExtColGrid() = default;

void TExtColGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TExtColGrid::LoadFromDropDown(TExtMultiColumnDropDown* DropDown)
{
    if (!DropDown) return;
    AttachDropDown(DropDown);
    FColumns->Assign(*DropDown->Columns());
    SetColCount(std::max(FColumns->Count(), 1));
    SetRowCount(DropDown->Items()->Count() + 1);
    if (RowCount() > 1) {
        SetFixedRows(1);
        SetRow(1);
    }
    for (int I = 0; I < FColumns->Count(); ++I)
        SetColWidths(I, FColumns->Items(I)->Width);
    TakeLook(*DropDown);
    SetDefaultRowHeight(DropDown->DropDownRowHeight());
    SetRowHeights(0, DropDown->HeaderHeight);
    TGridOptions Options = this->Options();
    SetOptions(DropDown->ColumnSizing ? Options + goColSizing : Options - goColSizing);
    AutoSizeColumns();
    AutoSizeRows();
}

bool TExtColGrid::AllRowsVisible() const { return VisibleRowCount() >= RowCount() - FixedRows(); }

int TExtColGrid::RequiredWidth() const
{
    int Width = 0;
    for (int I = 0; I < ColCount(); ++I)
        Width += ColWidths(I);
    return Width + (AllRowsVisible() ? 0 : DropDownScrollBarWidth);
}

bool TExtColGrid::OnPopup() const { return dynamic_cast<TDropDownForm*>(Parent()) != nullptr; }

void TExtColGrid::AutoSizeColumns()
{
    for (int I = 0; I < FColumns->Count(); ++I)
        AutoSizeColumn(I);
}

void TExtColGrid::AutoSizeColumn(int Index)
{
    if (Index < 0 || Index >= FColumns->Count() || !FColumns->Items(Index)->AutoSize || !OnPopup() || !FExtDropDown)
        return;
    TDropDownColumn& Column = *FColumns->Items(Index);
    TColumnCellMeasure Measure;
    int Widest = 0;
    for (int I = 0; I < FExtDropDown->Items()->Count(); ++I)
        if (const std::string* Text = FExtDropDown->Items()->Items(I)->TextOf(Index))
            Widest = std::max(Widest, Measure.Width(Column, *Text));
    Column.Width = Widest;
    SetColWidths(Index, Widest);
}

void TExtColGrid::AutoSizeRows()
{
    if (!OnPopup() || !FExtDropDown) return;
    if (!TColumnCellMeasure::AnyWraps(*FColumns)) return;
    TColumnCellMeasure Measure;
    for (int Row = 1; Row < RowCount(); ++Row) {
        const TDropDownItem* Item = Row - 1 < FExtDropDown->Items()->Count() ? FExtDropDown->Items()->Items(Row - 1) : nullptr;
        int Height = kMinWrappedRowHeight;
        for (int Col = 0; Col < FColumns->Count() && Item; ++Col) {
            const TDropDownColumn& Column = *FColumns->Items(Col);
            const std::string* Text = Item->TextOf(Col);
            if (!Column.Wordwrap || !Text) continue;
            Height = std::max(Height, Measure.WrappedHeight(Column, *Text, ColWidths(Col)));
        }
        SetRowHeights(Row, Height);
    }
}

TRect TExtColGrid::CellBounds(int ACol, int ARow) const
{
    const TRect R = CellRect(ACol, ARow);
    return TRect{R.Left, R.Top, R.Left + ColWidths(ACol), R.Top + RowHeights(ARow)};
}

void TExtColGrid::DrawCell(int ACol, int ARow, const TRect&, TGridDrawState AState)
{
    const TRect R = CellBounds(ACol, ARow);
    TCanvas* Canvas = this->Canvas();
    if (FExtDropDown && FExtDropDown->OnDropDownDrawItem) {
        FExtDropDown->OnDropDownDrawItem(FExtDropDown, ACol, ARow, Canvas, R);
        return;
    }
    const int Place = ColCount() == 1 ? 0 : ACol == 0 ? 1 : ACol == ColCount() - 1 ? 2 : 3;
    std::string Text = ARow >= 0 ? Cells(ACol, ARow) : std::string();
    TColor Color = this->Color();
    TAlignment Alignment = taLeftJustify;
    bool Wrap = false, Ellipsis = false;
    if (ACol < FColumns->Count()) {
        const TDropDownColumn& Column = *FColumns->Items(ACol);
        Color = Column.Color;
        Alignment = Column.Alignment;
        Wrap = Column.Wordwrap;
        Ellipsis = Column.Ellipsis;
        Canvas->Font()->Assign(*Column.Font());
        if (FExtDropDown && ARow > 0 && ARow - 1 < FExtDropDown->Items()->Count())
            if (const std::string* ItemText = FExtDropDown->Items()->Items(ARow - 1)->TextOf(ACol)) Text = *ItemText;
    } else {
        Canvas->Font()->Assign(*FHeaderFont);
    }
    if (FExtDropDown && FExtDropDown->OnDropDownGetItemText) FExtDropDown->OnDropDownGetItemText(FExtDropDown, ACol, ARow, Text);
    const bool Header = ARow == 0;
    const bool Selected = !Header && AState.Contains(gdSelected);
    if (Header) {
        Text = ACol < FColumns->Count() ? FColumns->Items(ACol)->Header : std::string();
        if (HeaderColor == clNone || HeaderColorTo == clNone) {
            Canvas->Brush()->SetColor(HeaderColor);
            Canvas->FillRect(R);
        } else if (FExtDropDown) {
            FExtDropDown->PaintGradient(Canvas, HeaderColor, gdVertical, R, 80, HeaderColorTo);
        }
    } else if (Selected && FExtDropDown) {
        FExtDropDown->DrawSelection(Canvas, R, Place, Color);
    } else {
        Canvas->Brush()->SetColor(Color);
        Canvas->Pen()->SetColor(Color);
        Canvas->Rectangle(R);
    }
    const TGridOptions Options = this->Options();
    const int Offset = Header ? 1 : (FGridLineWidth + 1) / 2;
    Canvas->Pen()->SetWidth(Header ? 1 : std::max(FGridLineWidth, 1));
    if (Header || FGridLineWidth > 0) Canvas->Pen()->SetColor(Header ? FixedLineColor : LineColor);
    const bool Lines = Header || FGridLineWidth > 0;
    if (Lines && Options.Contains(Header ? goFixedHorzLine : goHorzLine)) {
        Canvas->MoveTo(R.Left - Offset + 1, R.Bottom - Offset);
        Canvas->LineTo(R.Right - Offset + 1, R.Bottom - Offset);
    }
    if (Lines && Options.Contains(Header ? goFixedVertLine : goVertLine)) {
        const int X = UseRightToLeftReading() ? R.Right - Offset + 1 : R.Right - Offset;
        Canvas->MoveTo(X, R.Bottom - Offset);
        Canvas->LineTo(X, R.Top - Offset);
    }
    Canvas->Pen()->SetWidth(1);
    if (Text.empty()) return;
    TRect Content = InflateRect(R, -FGridLineWidth, -FGridLineWidth);
    Content.Left += 2;
    Canvas->Brush()->SetStyle(bsClear);
    if (Selected && FExtDropDown) Canvas->Font()->SetColor(FExtDropDown->SelectionTextColor);
    if (Header) Canvas->Font()->Assign(*FHeaderFont);
    unsigned Flags = AlignmentFlags(Alignment) | DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
    Flags |= Wrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (Ellipsis) Flags |= DT_END_ELLIPSIS;
    DrawText(Canvas, Text, Content, Flags);
    Canvas->Brush()->SetStyle(bsSolid);
}

void TExtColGrid::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

void TExtColGrid::KeyDown(Word& key, TShiftState shift)
{
    FConfirmSelection = true;
    TStringGrid::KeyDown(key, shift);
    if (key == VK_RETURN) DoSelect();
}

void TExtColGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    FConfirmSelection = true;
    TStringGrid::MouseDown(button, shift, x, y);
}

void TExtColGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TStringGrid::MouseUp(button, shift, x, y);
    int Col = -1, Row = -1;
    MouseToCell(x, y, Col, Row);
    if (Row > 0) DoSelect();
}

bool TExtColGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    return WheelWithoutPicking(FMouseWheelSelection, FConfirmSelection, [&] { return TStringGrid::DoMouseWheelDown(shift, mousePos); });
}

bool TExtColGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    return WheelWithoutPicking(FMouseWheelSelection, FConfirmSelection, [&] { return TStringGrid::DoMouseWheelUp(shift, mousePos); });
}
