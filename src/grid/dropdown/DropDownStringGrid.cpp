#include "grid/dropdown/DropDownStringGrid.h"

#include <algorithm>
#include <cstdint>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ListWheel.h"
#include "grid/dropdown/ExtGridDropDown.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Messages.h"

TDropDownStringGrid::TDropDownStringGrid(TComponent* AOwner)
    : TExtStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>())
{
    FixedRowAlways = true;
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions((Options() - goRangeSelect) + goHorzLine + goRowSelect);
    SetBorderStyle(bsNone);
    FOldRow = Row();
}

TDropDownStringGrid::~TDropDownStringGrid() = default;

TObject* TDropDownStringGrid::ItemIndexObject(int Index)
{
    return reinterpret_cast<TObject*>(static_cast<intptr_t>(Index));
}

int TDropDownStringGrid::ItemIndexOfCell(int ARow) const
{
    return static_cast<int>(reinterpret_cast<intptr_t>(Objects(0, ARow)));
}

bool TDropDownStringGrid::OnPopup() const { return dynamic_cast<TDropDownForm*>(Parent()) != nullptr; }

void TDropDownStringGrid::SetupFromDropDown(TCustomExtGridDropDown* DropDown)
{
    if (!DropDown) return;
    FExtDropDown = DropDown;
    FColumns->Assign(*DropDown->Columns());
    if (ColCount() < FColumns->Count()) SetColCount(FColumns->Count());
    if (DropDown->UseItems) SetRowCount(DropDown->Items()->Count() + 1);
    for (int I = 0; I < FColumns->Count(); ++I)
        SetColWidths(I, FColumns->Items(I)->Width);
    TakeLook(*DropDown);
    SetDefaultRowHeight(DropDown->DropDownRowHeight());
    SetRowHeights(0, DropDown->HeaderHeight);
    TGridOptions Options = this->Options();
    Options = DropDown->ColumnSizing ? Options + goColSizing : Options - goColSizing;
    Options = DropDown->ColumnMoving ? Options + goColMoving : Options - goColMoving;
    Options = DropDown->RowSizing ? Options + goRowSizing : Options - goRowSizing;
    Options = DropDown->RowMoving ? Options + goRowMoving : Options - goRowMoving;
    SetOptions(Options);
    if (DropDown->AutoSizeColumns) {
        if (DropDown->UseItems) AutoSizeAutoColumns();
        else TExtStringGrid::AutoSizeColumns(true, 4);
    }
    AutoSizeRows();
}

void TDropDownStringGrid::FillFromItems()
{
    if (!FExtDropDown) return;
    const TDropDownItems& Items = *FExtDropDown->Items();
    SetColCount(std::max(FColumns->Count(), 1));
    for (int I = 0; I < FColumns->Count(); ++I) {
        SetCells(I, 0, FColumns->Items(I)->Header);
        SetObjects(I, 0, ItemIndexObject(-1));
    }
    if (Items.Count() == 0) return;
    SetRowCount(FixedRows() + Items.Count());
    for (int K = 0; K < Items.Count(); ++K) {
        for (int C = 0; C < ColCount(); ++C) {
            const std::string* Text = Items.Items(K)->TextOf(C);
            SetCells(C, K + 1, Text ? *Text : std::string());
        }
        SetObjects(0, K + 1, ItemIndexObject(K));
        for (int C = 0; C < FColumns->Count() && C < ColCount(); ++C)
            if (FColumns->Items(C)->ColumnType == ctImage) ShowItemImage(C, K + 1, Items.Items(K)->ImageIndex);
    }
}

void TDropDownStringGrid::ShowItemImage(int ACol, int ARow, int ImageIndex)
{
    const TCustomImageList* Images = FExtDropDown->Images();
    if (!Images || ImageIndex < 0 || ImageIndex >= Images->Count()) {
        RemoveBitmap(ACol, ARow);
        return;
    }
    // On the column's colour: the grid keys a transparent cell bitmap on its corner pixel,
    // which would take away an image's own colour.
    TBitmap* Image = CreateBitmap(ACol, ARow, false, haBeforeText, vaCenter);
    Image->SetSize(Images->Width(), Images->Height());
    Image->Canvas()->Brush()->SetColor(FColumns->Items(ACol)->Color);
    Image->Canvas()->FillRect(TRect{0, 0, Images->Width(), Images->Height()});
    Images->Draw(Image->Canvas(), 0, 0, ImageIndex);
}

void TDropDownStringGrid::ShowListLook()
{
    SuiteGradientFrom = HeaderColor;
    SuiteGradientTo = HeaderColorTo;
    SuiteGradientMirrorFrom = clNone;
    SuiteGradientMirrorTo = clNone;
    SetFixedColor(HeaderColor);
    SetFixedFont(*FHeaderFont);
    SetGridLineColor(LineColor);
    SetGridFixedLineColor(FixedLineColor);
}

const TDropDownColumn* TDropDownStringGrid::DataColumn(int ACol, int ARow) const
{
    return ARow < FixedRows() ? nullptr : ColumnOf(ACol);
}

void TDropDownStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (const TDropDownColumn* Column = DataColumn(ACol, ARow)) {
        ABrush->SetColor(Column->Color);
        AFont->Assign(*Column->Font());
    }
    TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TDropDownStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (const TDropDownColumn* Column = DataColumn(ACol, ARow)) HAlign = Column->Alignment;
    TExtStringGrid::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

const TDropDownColumn* TDropDownStringGrid::ColumnOf(int ACol) const
{
    return ACol >= 0 && ACol < FColumns->Count() ? FColumns->Items(ACol) : nullptr;
}

void TDropDownStringGrid::GetCellWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (const TDropDownColumn* Column = ColumnOf(ACol)) WordWrap = Column->Wordwrap;
    TExtStringGrid::GetCellWordWrap(ACol, ARow, WordWrap);
}

bool TDropDownStringGrid::CellEndsInEllipsis(int ACol, int ARow) const
{
    const TDropDownColumn* Column = ColumnOf(ACol);
    return Column ? Column->Ellipsis : TExtStringGrid::CellEndsInEllipsis(ACol, ARow);
}

int TDropDownStringGrid::GetNeededWidth() const
{
    int Width = 0;
    for (int I = 0; I < ColCount(); ++I)
        Width += ColWidths(I);
    return Width + (ShowsAllRows() ? 0 : DropDownScrollBarWidth);
}

void TDropDownStringGrid::AutoSizeAutoColumns()
{
    for (int I = 0; I < FColumns->Count(); ++I)
        if (FColumns->Items(I)->AutoSize) AutoSizeColumn(I);
}

std::string TDropDownStringGrid::ColumnText(int Column, int ARow) const
{
    if (!FExtDropDown || !FExtDropDown->UseItems) return Cells(Column, ARow);
    const int Item = ARow - 1;
    if (Item < 0 || Item >= FExtDropDown->Items()->Count()) return {};
    const std::string* Text = FExtDropDown->Items()->Items(Item)->TextOf(Column);
    return Text ? *Text : std::string();
}

void TDropDownStringGrid::AutoSizeColumn(int Index)
{
    if (Index < 0 || Index >= FColumns->Count() || !FColumns->Items(Index)->AutoSize || !OnPopup() || !FExtDropDown)
        return;
    TDropDownColumn& Column = *FColumns->Items(Index);
    TColumnCellMeasure Measure;
    int Widest = 0;
    const TCustomImageList* Images = FExtDropDown->Images();
    for (int Row = 1; Row < RowCount(); ++Row) {
        int Width = Measure.Width(Column, ColumnText(Index, Row));
        const int Item = Row - 1;
        if (Column.ColumnType == ctImage && Images && Item < FExtDropDown->Items()->Count() &&
            FExtDropDown->Items()->Items(Item)->ImageIndex >= 0)
            Width += Images->Width() + 4;
        Widest = std::max(Widest, Width);
    }
    Column.Width = Widest;
    SetColWidths(Index, Widest);
}

void TDropDownStringGrid::AutoSizeRows()
{
    if (!OnPopup() || !FExtDropDown) return;
    if (!TColumnCellMeasure::AnyWraps(*FColumns)) return;
    TColumnCellMeasure Measure;
    const TCustomImageList* Images = FExtDropDown->Images();
    for (int Row = 1; Row < RowCount(); ++Row) {
        int Height = kMinWrappedRowHeight;
        for (int Col = 0; Col < FColumns->Count(); ++Col) {
            const TDropDownColumn& Column = *FColumns->Items(Col);
            if (!Column.Wordwrap) continue;
            Height = std::max(Height, Measure.WrappedHeight(Column, ColumnText(Col, Row), ColWidths(Col)));
            if (Column.ColumnType == ctImage && Images) Height = std::max(Height, Images->Height() + 6);
        }
        SetRowHeights(Row, Height);
    }
}

void TDropDownStringGrid::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

void TDropDownStringGrid::KeyDown(Word& Key, TShiftState Shift)
{
    FConfirmSelection = true;
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN) && FExtDropDown) {
        FExtDropDown->Perform(WM_KEYDOWN, Key, 0);
        return;
    }
    if (Key == VK_RETURN) {
        Word None = 0;
        TExtStringGrid::KeyDown(None, Shift);
        Key = 0;
        DoSelect();
        return;
    }
    TExtStringGrid::KeyDown(Key, Shift);
}

void TDropDownStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    FOldRow = Row();
    TExtStringGrid::MouseDown(Button, Shift, X, Y);
}

void TDropDownStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TExtStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    int Col = -1, ARow = -1;
    MouseToCell(X, Y, Col, ARow);
    if (ARow >= FixedRows() && Col >= 0 && !HasCheckBox(RealColIndex(Col), ARow)) DoSelect();
}

void TDropDownStringGrid::WndProc(TMessage& Message)
{
    if (Message.Msg != WM_MOUSEWHEEL) {
        TExtStringGrid::WndProc(Message);
        return;
    }
    WheelWithoutPicking(FMouseWheelSelection, FConfirmSelection, [&] {
        TExtStringGrid::WndProc(Message);
        return true;
    });
}
