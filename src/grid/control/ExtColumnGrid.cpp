#include "grid/control/ExtColumnGrid.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

TExtColumnGrid::TExtColumnGrid(TComponent* AOwner)
    : TExtStringGrid(AOwner), FCellGraphic(std::make_unique<TCellGraphic>()),
      FSaveCol(std::make_unique<TGridColumnItem>(nullptr))
{
}

// The items go before the string grid does, so that none of them asks a grid half gone.
TExtColumnGrid::~TExtColumnGrid()
{
    FColumnsGone = true;
    FColumnCollection.reset();
}

std::unique_ptr<TGridColumnCollection> TExtColumnGrid::CreateColumns()
{
    return std::make_unique<TGridColumnCollection>(this);
}

TGridColumnCollection* TExtColumnGrid::Columns() const
{
    if (!FColumnCollection && !FColumnsGone) {
        auto* self = const_cast<TExtColumnGrid*>(this);
        FColumnCollection = self->CreateColumns();
        TNoRecursiveUpdate suspended(*FColumnCollection);
        self->SyncColumnCount();
    }
    return FColumnCollection.get();
}

std::string TExtColumnGrid::GetVersionString() const { return Version() + " Aug, 2012"; }

void TExtColumnGrid::SetShownColCount(int Value)
{
    TExtStringGrid::SetShownColCount(Value);
    if (FKeepItems || !Columns()) return;
    TNoRecursiveUpdate suspended(*Columns());
    SyncColumnCount();
}

void TExtColumnGrid::SetColumnHeaders(const TStringList& Value)
{
    SyncColumnHeaders(Value);
    TExtStringGrid::SetColumnHeaders(Value);
}

void TExtColumnGrid::SyncColumnHeaders(const TStringList& Headers)
{
    if (!Columns()) return;
    const int common = std::min(Columns()->Count(), Headers.Count());
    for (int i = 0; i < common; ++i)
        Columns()->Items(i)->FColumnHeader = Headers[i];
}

TGridColumnItem* TExtColumnGrid::GetColumnByName(const std::string& Name) const
{
    for (int i = 0; i < Columns()->Count(); ++i)
        if (Columns()->Items(i)->Name == Name) return Columns()->Items(i);
    return nullptr;
}

void TExtColumnGrid::SyncColumnCount()
{
    const int wanted = ColCount() + NumHiddenColumns();
    while (Columns()->Count() < wanted)
        Columns()->Add();
    while (Columns()->Count() > wanted)
        Columns()->Delete(Columns()->Count() - 1);
}

void TExtColumnGrid::RebuildColumnHeaders()
{
    if (FixedRows() <= 0) return;
    TStringList headers;
    for (int i = 0; i < Columns()->Count(); ++i) {
        TGridColumnItem* item = Columns()->Items(i);
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
    TNoRecursiveUpdate suspended(*Columns());
    for (int i = 0; i < CCount; ++i)
        Columns()->Insert(ColIndex);
}

void TExtColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    {
        const TKeepItems keep(FKeepItems);
        TExtStringGrid::RemoveCols(ColIndex, CCount);
    }
    {
        TNoRecursiveUpdate suspended(*Columns());
        for (int i = 0; i < CCount && ColIndex < Columns()->Count(); ++i)
            Columns()->Delete(ColIndex);
    }
    RebuildColumnHeaders();
}

void TExtColumnGrid::ColumnsChanged()
{
    TExtStringGrid::ColumnsChanged();
    if (FKeepItems) return;
    TNoRecursiveUpdate suspended(*Columns());
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
    Columns()->SetOrganization();
}

TGridColumnItem* TExtColumnGrid::ItemOf(int ACol) const
{
    if (!Columns() || ACol < 0 || ACol >= Columns()->Count()) return nullptr;
    return Columns()->Items(ACol);
}

// The item keeps its settings and its header through the move; only the pop-up type and
// the two print switches start afresh, as with every copy of an item.
void TExtColumnGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    TNoRecursiveUpdate suspended(*Columns());
    const int topRow = TopRow();
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
    BeginUpdate();
    FColMoving = true;
    TGridColumnCollection& columns = *Columns();
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
    for (int c = 0; c < std::min(ColCount(), Columns()->Count()); ++c) {
        TGridColumnItem* item = Columns()->Items(c);
        for (TFont* font : {item->Font(), item->HeaderFont()})
            font->SetSize(static_cast<int>(Round(static_cast<double>(font->Size()) * M / D)));
    }
}
