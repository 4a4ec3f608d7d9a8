#include "grid/control/ExtColumnGrid.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

TExtColumnGrid::TExtColumnGrid(TComponent* AOwner)
    : TExtStringGrid(AOwner), FColumnCollection(std::make_unique<TGridColumnCollection>(this)),
      FCellGraphic(std::make_unique<TCellGraphic>()), FSaveCol(std::make_unique<TGridColumnItem>(nullptr))
{
    TNoRecursiveUpdate suspended(*FColumnCollection);
    SyncColumnCount();
}

// The items go before the string grid does, so that none of them asks a grid half gone.
TExtColumnGrid::~TExtColumnGrid() { FColumnCollection.reset(); }

std::string TExtColumnGrid::GetVersionString() const { return Version() + " Aug, 2012"; }

void TExtColumnGrid::SetColCount(int Value)
{
    TExtStringGrid::SetColCount(Value);
    if (!FColumnCollection) return;
    TNoRecursiveUpdate suspended(*FColumnCollection);
    SyncColumnCount();
}

void TExtColumnGrid::SetColumnHeaders(const TStringList& Value)
{
    SyncColumnHeaders(Value);
    TExtStringGrid::SetColumnHeaders(Value);
}

void TExtColumnGrid::SyncColumnHeaders(const TStringList& Headers)
{
    if (!FColumnCollection) return;
    const int common = std::min(FColumnCollection->Count(), Headers.Count());
    for (int i = 0; i < common; ++i)
        FColumnCollection->Items(i)->FColumnHeader = Headers[i];
}

TGridColumnItem* TExtColumnGrid::GetColumnByName(const std::string& Name) const
{
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        if (FColumnCollection->Items(i)->Name == Name) return FColumnCollection->Items(i);
    return nullptr;
}

void TExtColumnGrid::SyncColumnCount()
{
    const int wanted = ColCount() + NumHiddenColumns();
    while (FColumnCollection->Count() < wanted)
        FColumnCollection->Add();
    while (FColumnCollection->Count() > wanted)
        FColumnCollection->Delete(FColumnCollection->Count() - 1);
}

void TExtColumnGrid::RebuildColumnHeaders()
{
    if (FixedRows() <= 0) return;
    TStringList headers;
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        const std::string shown = Cells(i, 0);
        if (item->FColumnHeader.empty() && !shown.empty()) item->FColumnHeader = shown;
        headers.Add(item->FColumnHeader);
    }
    SetColumnHeaders(headers);
}

namespace {

// Holds a flag set for the life of the scope.
class TKeepItems {
public:
    explicit TKeepItems(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TKeepItems() { FFlag = false; }
    TKeepItems(const TKeepItems&) = delete;
    TKeepItems& operator=(const TKeepItems&) = delete;

private:
    bool& FFlag;
};

} // namespace

void TExtColumnGrid::InsertCols(int ColIndex, int CCount)
{
    {
        const TKeepItems keep(FKeepItems);
        TExtStringGrid::InsertCols(ColIndex, CCount);
    }
    TNoRecursiveUpdate suspended(*FColumnCollection);
    for (int i = 0; i < CCount; ++i)
        FColumnCollection->Insert(ColIndex);
}

void TExtColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    {
        const TKeepItems keep(FKeepItems);
        TExtStringGrid::RemoveCols(ColIndex, CCount);
    }
    {
        TNoRecursiveUpdate suspended(*FColumnCollection);
        for (int i = 0; i < CCount && ColIndex < FColumnCollection->Count(); ++i)
            FColumnCollection->Delete(ColIndex);
    }
    RebuildColumnHeaders();
}

void TExtColumnGrid::ColumnsChanged()
{
    TExtStringGrid::ColumnsChanged();
    if (FKeepItems) return;
    TNoRecursiveUpdate suspended(*FColumnCollection);
    SyncColumnCount();
}

namespace {

void ClampWidth(int& Width, int Low, int High)
{
    if (Low > 0 && Width < Low) Width = Low;
    if (High > 0 && Width > High) Width = High;
}

} // namespace

// The sized column is a display column; its item is its real column's.
void TExtColumnGrid::UpdateColumnSize(int ACol, int& AWidth)
{
    if (const TGridColumnItem* item = ItemOf(RealColIndex(ACol))) ClampWidth(AWidth, item->MinSize, item->MaxSize);
    // The string grid's event, without the limits of the sizing to the contents.
    TExtStringGrid::UpdateAutoColumnSize(ACol, AWidth);
}

void TExtColumnGrid::UpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (const TGridColumnItem* item = ItemOf(RealColIndex(ACol)))
        ClampWidth(AWidth, item->AutoMinSize, item->AutoMaxSize);
    TExtStringGrid::UpdateAutoColumnSize(ACol, AWidth);
}

std::string TExtColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    const TGridColumnItem* item = ItemOf(ACol);
    return item ? FormatCellNumber(ACol, ARow, item->FloatFormat())
                : TExtStringGrid::GetFormattedCell(ACol, ARow);
}

void TExtColumnGrid::Loaded()
{
    TExtStringGrid::Loaded();
    SyncColumnCount();
    FColumnCollection->SetOrganization();
}

TGridColumnItem* TExtColumnGrid::ItemOf(int ACol) const
{
    if (!FColumnCollection || ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
    return FColumnCollection->Items(ACol);
}

// The item keeps its settings and its header through the move; only the pop-up type and
// the two print switches start afresh, as with every copy of an item.
void TExtColumnGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    TNoRecursiveUpdate suspended(*FColumnCollection);
    const int topRow = TopRow();
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
    BeginUpdate();
    FColMoving = true;
    TGridColumnCollection& columns = *FColumnCollection;
    if (from >= 0 && from < columns.Count() && to >= 0 && to < columns.Count()) {
        columns.Add()->Assign(*columns.Items(from));
        columns.Delete(from);
        columns.Insert(to)->Assign(*columns.Items(columns.Count() - 1));
        columns.Delete(columns.Count() - 1);
    }
    SetTopRow(topRow);
    FColMoving = false;
    EndUpdate();
    if (OnAfterColumnMoved) OnAfterColumnMoved(this, from, to);
}

void TExtColumnGrid::ChangeScale(int M, int D)
{
    TExtStringGrid::ChangeScale(M, D);
    if (M == D || D == 0) return;
    for (int c = 0; c < std::min(ColCount(), FColumnCollection->Count()); ++c) {
        TGridColumnItem* item = FColumnCollection->Items(c);
        for (TFont* font : {item->Font(), item->HeaderFont()})
            font->SetSize(static_cast<int>(Round(static_cast<double>(font->Size()) * M / D)));
    }
}
