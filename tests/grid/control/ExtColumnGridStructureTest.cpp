#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "ColumnGridOnForm.h"
#include "grid/control/GridRegistrations.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Messages.h"

namespace {

using ExtColumnGridStructureTest = ColumnGridOnForm;

TEST_F(ExtColumnGridStructureTest, NewColumnsRepeatTheVisualsOfTheLastColumnButNotItsIdentity)
{
    ASSERT_EQ(grid->Columns()->Count(), 5);
    TGridColumnItem* last = grid->Columns()->Items(4);
    last->SetEditor(edComboList);
    last->SetAlignment(taRightJustify);
    last->CheckTrue = "1";
    last->EditLength = 7;
    last->SetHeader("Addr");
    last->Name = "Address";
    last->Tag = 9;
    last->DropDownCount = 20;
    last->ComboItems()->Add("A");
    last->SetColor(clYellow);
    last->Font()->SetSize(14);
    last->HeaderFont()->SetSize(15);

    grid->SetColCount(19);

    ASSERT_EQ(grid->Columns()->Count(), 19);
    const TGridColumnItem* added = grid->Columns()->Items(18);
    EXPECT_EQ(added->Editor(), edComboList);
    EXPECT_EQ(added->Alignment(), taRightJustify);
    EXPECT_EQ(added->CheckTrue, "1");
    EXPECT_EQ(added->EditLength, 7);
    EXPECT_EQ(added->Header(), "");
    EXPECT_EQ(added->Name, "");
    EXPECT_EQ(added->Tag, 0);
    EXPECT_EQ(added->DropDownCount, 8);
    EXPECT_EQ(added->ComboItems()->Count(), 0);
    EXPECT_EQ(added->Color(), grid->Color());
    EXPECT_EQ(added->Font()->Size(), grid->Font()->Size());
    EXPECT_EQ(added->HeaderFont()->Size(), grid->Font()->Size());

    grid->SetColCount(5);
    EXPECT_EQ(grid->Columns()->Count(), 5);
    EXPECT_EQ(grid->Columns()->Items(4)->Header(), "Addr");
}

TEST_F(ExtColumnGridStructureTest, HidingAColumnKeepsItsItemAndTheNeighboursOwnSettings)
{
    grid->SetColCount(19);
    grid->Columns()->Items(3)->SetColor(clRed);
    grid->Columns()->Items(3)->SetHeader("Hidden");
    grid->Columns()->Items(4)->SetColor(clLime);

    grid->HideColumn(3);

    EXPECT_EQ(grid->Columns()->Count(), 19);
    EXPECT_EQ(grid->ColCount(), 18);
    EXPECT_EQ(grid->Columns()->Items(3)->Header(), "Hidden");
    TBrush brush;
    TFont font;
    grid->GetCellColor(4, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clLime);

    grid->UnHideColumn(3);
    EXPECT_EQ(grid->Columns()->Count(), 19);
    EXPECT_EQ(grid->ColCount(), 19);
}

// Items deleted through the collection take grid columns along, but never the last
// normal column: one fixed column and one item leave two columns.
TEST_F(ExtColumnGridStructureTest, DeletingItemsLowersTheColumnCountDownToOneAboveTheFixedColumns)
{
    grid->SetColCount(19);
    ASSERT_EQ(grid->FixedCols(), 1);
    grid->Columns()->Delete(18);
    EXPECT_EQ(grid->ColCount(), 18);
    while (grid->Columns()->Count() > 1)
        grid->Columns()->Delete(grid->Columns()->Count() - 1);
    EXPECT_EQ(grid->ColCount(), 2);

    grid->Columns()->Add();
    grid->Columns()->Add();
    EXPECT_EQ(grid->ColCount(), 3);
}

TEST_F(ExtColumnGridStructureTest, AnInsertedItemHasTheCreationDefaultsWhateverItsNeighbours)
{
    for (int i = 0; i < 5; ++i)
        grid->Columns()->Items(i)->SetEditor(edDataCheckBox);
    const TGridColumnItem* inserted = grid->Columns()->Insert(2);
    EXPECT_EQ(inserted->Editor(), edNormal);
    EXPECT_EQ(inserted->Index(), 2);
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_THROW(grid->Columns()->Insert(8), EListError);
    EXPECT_THROW(grid->Columns()->Items(-1), EListError);
}

TEST_F(ExtColumnGridStructureTest, HeadersRowZeroAndColumnHeadersStayInStep)
{
    grid->Columns()->Items(2)->SetHeader("Start");
    EXPECT_EQ(grid->Cells(2, 0), "Start");
    EXPECT_EQ(grid->ColumnHeaders()->Text(), "\r\n\r\nStart\r\n\r\n\r\n");

    TStringList headers;
    headers.SetCommaText("A,B,Grüße,D,E");
    grid->SetColumnHeaders(headers);
    EXPECT_EQ(grid->ItemHeaders(), "A|B|Grüße|D|E");
    EXPECT_EQ(grid->Cells(2, 0), "Grüße");
}

TEST_F(ExtColumnGridStructureTest, WithoutFixedRowsAHeaderLeavesRowZeroAlone)
{
    grid->SetFixedRows(0);
    grid->SetCells(1, 0, "data");
    grid->Columns()->Items(1)->SetHeader("Name");
    EXPECT_EQ(grid->Cells(1, 0), "data");
    EXPECT_EQ(grid->ColumnHeaders()->Count(), 5);
    EXPECT_EQ((*grid->ColumnHeaders())[1], "Name");
}

TEST_F(ExtColumnGridStructureTest, DisplayNamesAndLookupByExactName)
{
    grid->Columns()->Items(3)->Name = "Addr";
    EXPECT_EQ(grid->Columns()->Items(3)->GetDisplayName(), "Col 3: Addr");
    EXPECT_EQ(grid->Columns()->Items(2)->GetDisplayName(), "Column 2");
    EXPECT_EQ(grid->GetColumnByName("Addr"), grid->Columns()->Items(3));
    EXPECT_EQ(grid->GetColumnByName("addr"), nullptr);
    EXPECT_EQ(grid->GetColumnByName(""), grid->Columns()->Items(0));
}

TEST_F(ExtColumnGridStructureTest, AMovedColumnTakesItsSettingsAlongAndIsReported)
{
    grid->SetColCount(7);
    TGridColumnItem* moving = grid->Columns()->Items(2);
    moving->SetHeader("Moving");
    moving->SetEditor(edComboEdit);
    moving->ColumnPopupType = cpAllCellsLClick;
    std::vector<int> reported;
    grid->OnAfterColumnMoved = [&](TObject*, int from, int to) { reported = {from, to}; };

    grid->MoveColumn(2, 5);

    EXPECT_EQ(reported, (std::vector<int>{2, 5}));
    ASSERT_EQ(grid->Columns()->Count(), 7);
    const TGridColumnItem* moved = grid->Columns()->Items(5);
    EXPECT_EQ(moved->Header(), "Moving");
    EXPECT_EQ(moved->Editor(), edComboEdit);
    EXPECT_EQ(moved->ColumnPopupType, cpFixedCellsRClick);
    EXPECT_EQ(grid->Cells(5, 0), "Moving");
    EXPECT_FALSE(grid->ColMoving());
}

// Every order of five columns comes back to the design order.
TEST_F(ExtColumnGridStructureTest, ResetOrganizationRestoresEveryPermutation)
{
    std::vector<int> order(5);
    std::iota(order.begin(), order.end(), 0);
    do {
        for (int i = 0; i < 5; ++i)
            grid->Columns()->Items(i)->DefIdx = order[static_cast<size_t>(i)];
        grid->Columns()->ResetOrganization();
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(grid->Columns()->Items(i)->DefIdx, i);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(ExtColumnGridStructureTest, ResetOrganizationMovesNothingWithoutAPermutation)
{
    const std::vector<std::vector<int>> cases = {{0, 0, 1, 2, 3}, {4, 3, 2, 1, 7}, {-1, 0, 1, 2, 3}};
    for (const auto& positions : cases) {
        for (int i = 0; i < 5; ++i) {
            grid->Columns()->Items(i)->DefIdx = positions[static_cast<size_t>(i)];
            grid->Columns()->Items(i)->SetHeader(std::to_string(i));
        }
        grid->Columns()->ResetOrganization();
        EXPECT_EQ(grid->ItemHeaders(), "0|1|2|3|4");
    }
}

TEST_F(ExtColumnGridStructureTest, TheColumnGridHasItsOwnVersion)
{
    EXPECT_EQ(grid->Version(), "3.1.3.1");
    EXPECT_EQ(grid->GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST(GridRegistrationsTest, NamesAreRegisteredOnceAndKeepTheirIdentifiers)
{
    const TGridRegistrations& first = GridRegistrations();
    EXPECT_EQ(&first, &GridRegistrations());
    EXPECT_EQ(first.DTPShiftFocus, RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_GE(first.DTPShiftFocus, 0xC000u);
    EXPECT_EQ(first.CellsClipboardFormat, RegisterClipboardFormat("TExtStringGrid Cells"));
    EXPECT_NE(first.CellsClipboardFormat, CF_TEXT);
}

} // namespace

namespace {

// A save slot: an item of no collection and no grid.
TEST(GridColumnItemTest, AnItemWithoutCollectionStandsAlone)
{
    TGridColumnItem item(nullptr);
    EXPECT_EQ(item.Width(), 0);
    EXPECT_EQ(item.Color(), 0u);
    EXPECT_EQ(item.Index(), -1);
    EXPECT_EQ(item.BorderPen()->Color(), clSilver);
    item.SetHeader("Slot");
    item.SetWidth(50);
    item.Font()->SetSize(20);
    EXPECT_EQ(item.Header(), "Slot");
    EXPECT_EQ(item.Width(), 0);
    EXPECT_THROW(item.GetRows(1), EListError);
}

} // namespace

namespace {

// A form that builds its column grid in its constructor, as a window's resource does: the
// collection leaves the grid alone until the form has been built.
class TFormWithColumnGrid : public TForm {
public:
    explicit TFormWithColumnGrid(TComponent* AOwner) : TForm(AOwner)
    {
        Grid = new TProbeColumnGrid(this);
        Grid->SetParent(this);
        Grid->Columns()->Add();
        ItemsWhileLoading = Grid->Columns()->Count();
        ColCountWhileLoading = Grid->ColCount();
        Grid->Columns()->Items(4)->SetHeader("Last");
        CanEditWhileLoading = Grid->CanEdit(2, 2);
    }
    TProbeColumnGrid* Grid;
    int ItemsWhileLoading = 0;
    int ColCountWhileLoading = 0;
    bool CanEditWhileLoading = true;
};

TEST(ExtColumnGridLoadingTest, LoadedBringsTheItemsInLineAndRecordsTheDesignOrder)
{
    TFormWithColumnGrid form(nullptr);
    EXPECT_EQ(form.ItemsWhileLoading, 6);
    EXPECT_EQ(form.ColCountWhileLoading, 5);
    EXPECT_FALSE(form.CanEditWhileLoading);

    form.AfterConstruction();

    ASSERT_EQ(form.Grid->Columns()->Count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form.Grid->Columns()->Items(i)->DefIdx, i);
    EXPECT_EQ(form.Grid->Cells(4, 0), "Last");
}

} // namespace

namespace {

class TOwnColumns : public TGridColumnCollection {
public:
    using TGridColumnCollection::TGridColumnCollection;
};

// A column grid that keeps its items in a collection of its own.
class TOwnColumnsGrid : public TExtColumnGrid {
public:
    using TExtColumnGrid::TExtColumnGrid;
    int Made = 0;

protected:
    std::unique_ptr<TGridColumnCollection> CreateColumns() override
    {
        ++Made;
        return std::make_unique<TOwnColumns>(this);
    }
};

} // namespace

TEST(ExtColumnGridCreateColumns, ADerivedGridsOwnCollectionHoldsOneItemPerColumn)
{
    TForm form(nullptr);
    auto* grid = new TOwnColumnsGrid(&form);
    EXPECT_NE(dynamic_cast<TOwnColumns*>(grid->Columns()), nullptr);
    EXPECT_EQ(grid->Columns()->Count(), grid->ColCount());
    grid->SetColCount(7);
    grid->HideColumn(2);
    EXPECT_EQ(grid->Columns()->Count(), 7);
    EXPECT_EQ(grid->Made, 1);
}
