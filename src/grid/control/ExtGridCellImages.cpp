#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/IntList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ImgList.h"

// Cells that show images of the grid's image list: one chosen image, the image whose index
// is the cell's number, or a row or column of several.

void TExtStringGrid::SetGridImages(TCustomImageList* Value)
{
    if (FGridImages == Value) return;
    if (FGridImages) FGridImages->RemoveFreeNotification(this);
    FGridImages = Value;
    if (FGridImages) FGridImages->FreeNotification(this);
    Invalidate();
}

void TExtStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages) return;
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetImageIdx(Aidx, hal, val);
}

bool TExtStringGrid::GetImageIdx(int ACol, int ARow, int& idx) const
{
    if (!FGridImages) return false;
    const TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctImageList);
    if (!graphic) return false;
    idx = graphic->CellIndex;
    return true;
}

void TExtStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (!FGridImages) return;
    if (TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctImageList)) graphic->CellIndex = Idx;
}

void TExtStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).empty()) SetInts(ACol, ARow, Aidx);
}

void TExtStringGrid::RemoveDataImage(int ACol, int ARow)
{
    if (!IsStoredCell(ACol, ARow)) return;
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    SetCells(ACol, ARow, "");
}

int TExtStringGrid::DataImageIndex(int ARealCol, int ADisplRow) const
{
    int32_t index = -1;
    return TryStrToInt(Cells(ARealCol, ADisplRow), index) ? index : -1;
}

void TExtStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    auto* images = new TIntList(ACol, ARow);
    images->OnChange = [this](TObject*, int Col, int Row) { RepaintGraphicCell(Col, Row); };
    graphic->SetMultiImage(images, Dir, hal, val);
}

TIntList* TExtStringGrid::GetCellImages(int ACol, int ARow) const
{
    const TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctImages);
    return graphic ? dynamic_cast<TIntList*>(graphic->CellBitmap) : nullptr;
}

TPoint TExtStringGrid::MultiImageSize(const TCellGraphic& G) const
{
    const auto* indexes = dynamic_cast<const TIntList*>(G.CellBitmap);
    if (!FGridImages || !indexes) return {0, 0};
    const int count = indexes->Count();
    if (G.CellBoolean) return {count * FGridImages->Width(), FGridImages->Height()};
    return {FGridImages->Width(), count * FGridImages->Height()};
}
