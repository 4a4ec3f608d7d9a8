#pragma once
#include <cstdint>
#include <string>

#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Graphics.h"

class TCellProperties;

// What the cell-properties objects and the merge rules need of their grid. The base grid
// provides it; the rules never reach a cell outside 0..TotalColCount - 1 x 0..RowCount - 1.
class TCellPropsStore {
public:
    virtual ~TCellPropsStore() = default;
    // The properties object of a cell, or nullptr when it has none or lies outside the
    // grid. Never creates one.
    virtual TCellProperties* FindCellProperties(int ACol, int ARow) const = 0;
    // The properties object of a cell inside the grid, created with the grid's defaults
    // when missing.
    virtual TCellProperties* GetCellProperties(int ACol, int ARow) = 0;
    // Columns including the hidden ones.
    virtual int TotalColCount() const = 0;
    virtual int GridColCount() const = 0;
    virtual int GridRowCount() const = 0;
    virtual void RepaintCell(int ACol, int ARow) = 0;
};

// The optional settings of one cell, kept in the cell's object slot and owned by the grid.
// A merged block is encoded in its cells: the top-left (base) cell holds IsBaseCell and
// the block's size less one in CellSpanX and CellSpanY, every other cell of the block its
// offset from the base cell. A single cell holds -1 in both spans.
class TCellProperties : public TPersistent {
public:
    TCellProperties(TCellPropsStore* AOwner, int ACol, int ARow);
    ~TCellProperties() override;

    // Copies the settings and the merge encoding, without repainting; leaves the owner,
    // the graphic object, BrushColorTo, GradientDirection, the calculation and the paint
    // cycle as they are.
    void Assign(const TPersistent& Source) override;

    TCellPropsStore* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol() const { return FOwnerCol; }
    int OwnerRow() const { return FOwnerRow; }
    // The base cell of (ACol, ARow) as this object's merge values place it.
    TPoint BaseCell(int ACol, int ARow) const;

    // The writers of these repaint the owner cell.
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    uintptr_t CellObject = 0;
    TObject* GraphicObject = nullptr; // a TCellGraphic is freed with the properties
    TBrushStyle BrushStyle = bsSolid;
    int FontSize = 0;
    TColor FontColor = clNone;
    TFontStyles FontStyle;
    int CellSpanY = -1;
    int CellSpanX = -1;
    int BorderWidth = 0;
    TColor BorderColor = clBlack;
    TAlignment Alignment = taLeftJustify;
    // The paint cycle in which the block of this base cell was last painted.
    int PaintID = 0;
    bool IsBaseCell = true;
    TColumnCalcType CalcType = acNONE;
    TObject* CalcObject = nullptr;
    int NodeLevel = 0;
    TEditorType Editor = edNormal;
    std::string FontName;
    bool ReadOnly = false;
    TCellGradientDirection GradientDirection = GradientVertical;
    TControl* Control = nullptr;

private:
    void Repaint();

    TCellPropsStore* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    TVAlignment FVAlignment = vtaTop;
    bool FWordWrap = true;
};
