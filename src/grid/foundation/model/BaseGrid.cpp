#include "grid/foundation/model/BaseGrid.h"

#include <algorithm>

#include "grid/foundation/text/CellText.h"

TBaseGrid::TBaseGrid(TComponent* AOwner) : TStringGrid(AOwner)
{
    TStringGrid::SetDefaultDrawing(false);
    TBaseGrid::SetGridLineWidth(1);
}

// Properties made for cells beyond the counts, or left there when a count was lowered, are
// freed too.
TBaseGrid::~TBaseGrid()
{
    FreeCellPropertiesRange(0, 0, std::max(ColCount(), FPropsExtent.X) - 1,
                            std::max(RowCount(), FPropsExtent.Y) - 1);
}

// A cell without an object has no properties, so no merge: it is its own base cell.
std::string TBaseGrid::Cells(int ACol, int ARow) const
{
    const TPoint base = GridObjects(ACol, ARow) ? BaseCell(ACol, ARow) : TPoint{ACol, ARow};
    std::string value = GridCells(base.X, base.Y);
    if (base.Y >= FNormalRowCount) return value;
    GetDisplText(base.X, base.Y, value);
    if (OnGetDisplWideText) {
        std::string wide = DecodeWideCellText(value);
        GetDisplWideText(base.X, base.Y, wide);
        value = EncodeWideCellText(wide);
    }
    return value;
}

void TBaseGrid::SetCells(int ACol, int ARow, const std::string& Value)
{
    if (HasCellProperties(ACol, ARow)) {
        const TPoint base = BaseCell(ACol, ARow);
        SetGridCells(base.X, base.Y, Value);
        CellTextChanged(base.X, base.Y);
        if (Parent()) RepaintCell(ACol, ARow);
    } else {
        SetGridCells(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1) FooterRowChanged();
}

TCellProperties* TBaseGrid::FindCellProperties(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return nullptr;
    return dynamic_cast<TCellProperties*>(GridObjects(ACol, ARow));
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow)
{
    if (auto* existing = dynamic_cast<TCellProperties*>(GridObjects(ACol, ARow))) return existing;
    auto* props = new TCellProperties(this, ACol, ARow);
    NoteCellPropertiesAt(ACol, ARow);
    props->SetWordWrap(FWordWrap);
    FHasCellProps = true;
    SetGridObjects(ACol, ARow, props);
    // Placed first: the default questions may ask about the cell again.
    FillDefaultCellProperties(*props, ACol, ARow);
    return props;
}

void TBaseGrid::FillDefaultCellProperties(TCellProperties& Props, int ACol, int ARow)
{
    TFont font;
    TBrush brush;
    TColor colorTo = clNone, colorMirror = clNone, colorMirrorTo = clNone;
    TAlignment hAlign = taLeftJustify;
    TVAlignment vAlign = vtaTop;
    bool wordWrap = FWordWrap;
    TCellGradientDirection direction = GradientVertical;
    GetDefaultCellProperties(ACol, ARow, &font, &brush, colorTo, colorMirror, colorMirrorTo, hAlign, vAlign,
                             wordWrap, direction);
    Props.CalcType = acNONE;
    Props.Alignment = hAlign;
    Props.SetVAlignment(vAlign);
    Props.SetWordWrap(wordWrap);
    Props.FontName = font.Name();
    Props.FontSize = font.Size();
    Props.FontStyle = font.Style();
    Props.FontColor = font.Color();
    Props.SetBrushColor(brush.Color());
    Props.SetBrushColorTo(colorTo);
    Props.GradientDirection = direction;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value)
{
    delete GridObjects(ACol, ARow);
    SetGridObjects(ACol, ARow, Value);
    if (Value) NoteCellPropertiesAt(ACol, ARow);
}

void TBaseGrid::NoteCellPropertiesAt(int ACol, int ARow)
{
    FPropsExtent = {std::max(FPropsExtent.X, ACol + 1), std::max(FPropsExtent.Y, ARow + 1)};
}

TObject* TBaseGrid::Objects(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    return props ? reinterpret_cast<TObject*>(props->CellObject) : nullptr;
}

TObject* TBaseGrid::GraphicObjects(int ACol, int ARow) const
{
    return GraphicOfCellProperties(FindCellProperties(ACol, ARow));
}

TObject* TBaseGrid::GraphicOfCellProperties(const TCellProperties* Props)
{
    return Props ? Props->GraphicObject : nullptr;
}

namespace {

// Gives an empty cell a blank text while its properties are made, so that the text hooks
// of descendants see a written cell, and empties it again afterwards.
template <typename TStore> void WithWrittenCell(TBaseGrid& Grid, int ACol, int ARow, TStore Store)
{
    const bool empty = Grid.Cells(ACol, ARow).empty();
    if (empty) Grid.SetCells(ACol, ARow, " ");
    Store(Grid.GetCellProperties(ACol, ARow));
    if (empty) Grid.SetCells(ACol, ARow, "");
}

} // namespace

void TBaseGrid::SetObjects(int ACol, int ARow, TObject* Value)
{
    WithWrittenCell(*this, ACol, ARow, [Value](TCellProperties* props) {
        props->CellObject = reinterpret_cast<uintptr_t>(Value);
    });
}

void TBaseGrid::SetGraphicObjects(int ACol, int ARow, TObject* Value)
{
    if (ComponentState().Contains(csDestroying)) return;
    WithWrittenCell(*this, ACol, ARow, [Value](TCellProperties* props) { props->GraphicObject = Value; });
}

void TBaseGrid::ClearCell(int ACol, int ARow)
{
    SetCells(ACol, ARow, "");
    SetGridObjects(ACol, ARow, nullptr);
}

void TBaseGrid::ClearRowCells(int ARow)
{
    for (int c = 0; c < ColCount(); ++c) {
        SetGridObjects(c, ARow, nullptr);
        SetCells(c, ARow, "");
    }
}

void TBaseGrid::ClearColumnCells(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        SetGridObjects(ACol, r, nullptr);
        SetCells(ACol, r, "");
    }
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow) { SetCellProperties(ACol, ARow, nullptr); }

void TBaseGrid::FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!FHasCellProps) return;
    for (int c = FromCol; c <= ToCol; ++c)
        for (int r = FromRow; r <= ToRow; ++r) {
            if (!dynamic_cast<TCellProperties*>(GridObjects(c, r))) continue;
            FreeCellObject(GridObjects(c, r));
            SetGridObjects(c, r, nullptr);
        }
}

void TBaseGrid::FreeCellObject(TObject* Object)
{
    // The properties free their graphic themselves.
    delete dynamic_cast<TCellProperties*>(Object);
}

void TBaseGrid::FreeAllCellProperties() { FreeCellPropertiesRange(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::RepaintCell(int ACol, int ARow)
{
    if (HandleAllocated()) InvalidateRect(CellRect(ACol, ARow));
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
    TStringGrid::Notification(AComponent, Operation);
}

void TBaseGrid::SetUndoRedo(TExtGridUndoRedo* Value)
{
    if (FUndoRedo) FUndoRedo->RemoveFreeNotification(this);
    FUndoRedo = Value;
    if (!FUndoRedo) return;
    FUndoRedo->FreeNotification(this);
    FUndoRedo->SetGrid(this);
}

void TBaseGrid::ChangeColor(TColor& Field, TColor Value)
{
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value)
{
    if (FActiveRowShow == Value) return;
    FActiveRowShow = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value) { ChangeColor(FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { ChangeColor(FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { ChangeColor(FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) { ChangeColor(FActiveRowMirrorColorTo, Value); }

void TBaseGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value)
{
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value)
{
    FGridFixedLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value)
{
    if (FSelectionStyle == Value) return;
    FSelectionStyle = Value;
    Invalidate();
}

bool TBaseGrid::IsFixed(int, int) const { return false; }
int TBaseGrid::GetNodeIndent(int) const { return 0; }
bool TBaseGrid::HasNodes() const { return false; }
void TBaseGrid::FooterRowChanged() {}
void TBaseGrid::CellTextChanged(int, int) {}
bool TBaseGrid::HasCustomCellBorders() const { return false; }
bool TBaseGrid::UsesVclStyles() const { return false; }

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value) const
{
    if (OnGetDisplText) OnGetDisplText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, std::string& Value) const
{
    if (OnGetDisplWideText) OnGetDisplWideText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

void TBaseGrid::GetDefaultCellProperties(int, int, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                         TColor& ColorMirror, TColor& ColorMirrorTo, TAlignment& HAlign,
                                         TVAlignment& VAlign, bool& WordWrap,
                                         TCellGradientDirection& GradientDirection)
{
    AFont->Assign(*Font());
    ABrush->SetColor(Color());
    ColorTo = ColorMirror = ColorMirrorTo = clNone;
    HAlign = taLeftJustify;
    VAlign = vtaTop;
    WordWrap = FWordWrap;
    GradientDirection = GradientVertical;
}

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush*, TColor& ColorTo,
                                    TColor& ColorMirror, TColor& ColorMirrorTo, TFont*, TAlignment&,
                                    TVAlignment&, bool&, TCellGradientDirection& GradientDirection)
{
    ColorTo = ColorMirror = ColorMirrorTo = clNone;
    GradientDirection = GradientVertical;
}

void TBaseGrid::DrawCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    TRect r = ARect;
    Canvas->Brush()->SetStyle(bsClear);
    DrawText(Canvas, Cells(ACol, ARow), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    if (UseRightToLeftReading()) {
        const bool result = TStringGrid::SelectCell(ACol, ARow);
        Invalidate();
        return result;
    }
    RepaintCell(Col(), Row());
    // The active-row colours leave the old row and reach the new one.
    if (FActiveRowShow && ARow != Row()) InvalidateRow(Row());
    const bool result = TStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    if (FActiveRowShow && ARow != Row()) InvalidateRow(ARow);
    return result;
}

void TBaseGrid::Paint()
{
    TStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::GetEditLines(int ACol, int ARow, bool& MultiLine, bool& WordWrap)
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    WordWrap = props ? props->WordWrap() : FWordWrap;
    MultiLine = WordWrap;
}
