#pragma once
#include <string>

#include "grid/foundation/model/CellProperties.h"
#include "grid/foundation/model/GridEnums.h"
#include "grid/foundation/model/GridEvents.h"
#include "grid/foundation/model/MergedCells.h"
#include "grid/foundation/model/UndoRedo.h"
#include "platform/grids/Grids.h"

// The foundation of the grid controls: a string grid whose cells may carry a properties
// object (kept in the cell's object slot and owned by the grid), whose texts are read and
// written through merged blocks, whose displayed texts descendants and the application may
// rewrite, and which paints every cell itself: grid lines of its own width and colours, an
// active row, a hover row and the selection looks. It links to an undo history.
class TBaseGrid : public TStringGrid, public TUndoRedoGrid, public TCellPropsStore {
public:
    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;

    // Cell texts: read and written through the base cell of a merged block. A read of a row
    // below the normal row count passes the display-text hooks.
    std::string Cells(int ACol, int ARow) const override;
    void SetCells(int ACol, int ARow, const std::string& Value) override;
    // The stored text and object slot, without merging or hooks.
    std::string GridCells(int ACol, int ARow) const { return TStringGrid::Cells(ACol, ARow); }
    void SetGridCells(int ACol, int ARow, const std::string& Value)
    {
        TStringGrid::SetCells(ACol, ARow, Value);
    }
    TObject* GridObjects(int ACol, int ARow) const { return TStringGrid::Objects(ACol, ARow); }
    void SetGridObjects(int ACol, int ARow, TObject* Value) { TStringGrid::SetObjects(ACol, ARow, Value); }

    // The properties of a cell inside the grid, created with the grid's defaults on first use.
    TCellProperties* GetCellProperties(int ACol, int ARow) override;
    // Gives new properties the defaults of the cell (ACol, ARow).
    void FillDefaultCellProperties(TCellProperties& Props, int ACol, int ARow);
    // Frees the object the cell's slot holds, then stores Value (nullptr allowed).
    void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
    TCellProperties* FindCellProperties(int ACol, int ARow) const override;
    bool HasCellProperties(int ACol, int ARow) const { return FindCellProperties(ACol, ARow) != nullptr; }

    // The user object and the graphic object kept in the cell's properties.
    TObject* Objects(int ACol, int ARow) const override;
    void SetObjects(int ACol, int ARow, TObject* Value) override;
    TObject* GraphicObjects(int ACol, int ARow) const;
    void SetGraphicObjects(int ACol, int ARow, TObject* Value);

    // Painting of one cell onto any canvas; PaintCellExt draws background and lines only,
    // in the given rectangle.
    void PaintCell(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void PaintCellExt(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Invalidates the cell's rectangle (its whole block for a merged cell).
    void RepaintCell(int ACol, int ARow) override;
    void RepaintGrid() override { Invalidate(); }

    // Merged cells.
    virtual void MergeCells(int ACol, int ARow, int ColSpan, int RowSpan);
    virtual void SplitCells(int ACol, int ARow);
    bool IsBaseCell(int ACol, int ARow) const { return FMerged.IsBaseCell(ACol, ARow); }
    bool IsMergedCell(int ACol, int ARow) const { return FMerged.IsMergedCell(ACol, ARow); }
    bool IsMergedNonBaseCell(int ACol, int ARow) const { return FMerged.IsMergedNonBaseCell(ACol, ARow); }
    bool IsXMergedCell(int ACol, int ARow) const { return FMerged.IsXMergedCell(ACol, ARow); }
    bool IsYMergedCell(int ACol, int ARow) const { return FMerged.IsYMergedCell(ACol, ARow); }
    TPoint BaseCell(int ACol, int ARow) const { return FMerged.BaseCell(ACol, ARow); }
    TPoint CellSpan(int ACol, int ARow) const { return FMerged.CellSpan(ACol, ARow); }
    TPoint CellExt(int ACol, int ARow) const { return FMerged.CellExt(ACol, ARow); }
    TRect FullCell(int ACol, int ARow) const { return FMerged.FullCell(ACol, ARow); }
    int MinRowSpan(int ARow) const { return FMerged.MinRowSpan(ARow); }
    int MaxRowSpan(int ARow) const { return FMerged.MaxRowSpan(ARow); }
    bool RowSpanIdentical(int ARow1, int ARow2) const { return FMerged.RowSpanIdentical(ARow1, ARow2); }
    bool ColSpanIdentical(int ACol1, int ACol2) const { return FMerged.ColSpanIdentical(ACol1, ACol2); }
    // True, with the cell itself, for a single cell or a base cell; false with the base
    // cell for any other cell of a block.
    bool FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    // Makes the current cell the base cell of its block.
    void MoveToBaseCell();

    // Pixel rectangles: the cell's (its block's for a merged cell), and the rectangle summed
    // from the widths and heights, shifted by the scroll position, also out of view.
    TRect CellRect(int ACol, int ARow) const override;
    TRect CellRectUnclipped(int ACol, int ARow) const;
    TPoint CellSize(int ACol, int ARow) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    virtual int TotalColCount() const override { return ColCount(); }
    virtual int DisplColIndex(int ACol) const override { return ACol; }
    int GridColCount() const override { return ColCount(); }
    int GridRowCount() const override { return RowCount(); }
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Selection,
                                     bool MapColumn, TBrush* ABrush, TColor& ColorTo, TColor& ColorMirror,
                                     TColor& ColorMirrorTo, TFont* AFont, TAlignment& HAlign,
                                     TVAlignment& VAlign, bool& WordWrap,
                                     TCellGradientDirection& GradientDirection);

    // The current cell, as the undo history moves it.
    int Col() const override { return TStringGrid::Col(); }
    void SetCol(int ACol) override { TStringGrid::SetCol(ACol); }
    int Row() const { return TStringGrid::Row(); }
    void SetRow(int ARow) override { TStringGrid::SetRow(ARow); }

    // Properties.
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    // The grid's own flag and line width, through any pointer to the grid: the inherited
    // grid never draws cells itself and its lines stay 0 wide, so cells never move.
    bool DefaultDrawing() const override { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value) override { FDefaultDrawing = Value; }
    int GridLineWidth() const override { return FGridLineWidth; }
    void SetGridLineWidth(int Value) override;
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    TExtGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExtGridUndoRedo* Value);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

protected:
    // Hooks for the grid controls built on this one.
    virtual bool IsFixed(int ACol, int ARow) const;
    virtual int GetNodeIndent(int ARow) const;
    virtual bool HasNodes() const;
    virtual void DrawCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect,
                                 TGridDrawState AState);
    virtual void FooterRowChanged();
    virtual void GetDisplText(int ACol, int ARow, std::string& Value) const;
    virtual void GetDisplWideText(int ACol, int ARow, std::string& Value) const;
    virtual void GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                          TColor& ColorMirror, TColor& ColorMirrorTo, TAlignment& HAlign,
                                          TVAlignment& VAlign, bool& WordWrap,
                                          TCellGradientDirection& GradientDirection);
    virtual void CellTextChanged(int ACol, int ARow);
    // A cell that wraps its text is edited in a window that wraps the same way.
    void GetEditLines(int ACol, int ARow, bool& MultiLine, bool& WordWrap) override;
    virtual bool HasCustomCellBorders() const;
    virtual bool UsesVclStyles() const;

    // The cell painter behind DrawCell, PaintCell and PaintCellExt.
    void DoPaintCell(TCanvas* Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full);

    void ClearCell(int ACol, int ARow);
    void ClearRowCells(int ARow);
    void ClearColumnCells(int ACol);
    void FreeCellProperties(int ACol, int ARow);
    void FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow);
    void FreeAllCellProperties();
    // Frees a cell's properties object (with its graphic); other objects stay.
    static void FreeCellObject(TObject* Object);
    static TObject* GraphicOfCellProperties(const TCellProperties* Props);

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;

    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FShowSel = true;
    bool FHasCellProps = false;
    int FMergeCount = 0;
    // The last row holds the data of a floating footer and is not shown.
    bool FHideLastRow = false;
    // Rows below this count pass the display-text hooks.
    int FNormalRowCount = 0;
    // For descendants; the base grid does not read it.
    bool FCustomSelect = true;
    // Grows after every full paint.
    int FPaintID = 1;

private:
    // The pixels that the columns or rows From..To - 1 take.
    int ShownWidths(int From, int To) const;
    int ShownHeights(int From, int To) const;
    // The clip region that keeps a scrolled block from painting over the fixed cells.
    bool NeedsFixedClip(int ACol, int ARow, const TRect& ARect) const;
    void PaintSelection(TCanvas* Canvas, int ACol, TRect ARect);
    void PaintGridLines(TCanvas* Canvas, int ACol, const TRect& ARect, TGridDrawState AState);
    void RepaintMergedFixedColCells();
    void RepaintMergedFixedRowCells();
    // Sets a colour property and repaints the grid when it changed.
    void ChangeColor(TColor& Field, TColor Value);

    // Widens the range of cells that may hold properties.
    void NoteCellPropertiesAt(int ACol, int ARow);

    TMergedCells FMerged{*this};
    TPoint FPropsExtent; // columns and rows up to which properties were ever stored
    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = clSilver;
    TColor FGridFixedLineColor = clGray;
    TExtGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
};
