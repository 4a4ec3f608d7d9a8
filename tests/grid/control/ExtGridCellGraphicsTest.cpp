#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

// Opens the freeing of a cell's properties.
class TPropsGrid : public TExtStringGrid {
public:
    using TBaseGrid::FreeCellProperties;
    using TExtStringGrid::TExtStringGrid;
};
using ExtGridCellGraphicsTest = GridOnFormOf<TPropsGrid>;

// An object that tells when it is freed.
class TFreeProbe : public TObject {
public:
    explicit TFreeProbe(bool* Freed) : FFreed(Freed) {}
    ~TFreeProbe() override { *FFreed = true; }

private:
    bool* FFreed;
};

struct OwnershipCase {
    TCellType Kind;
    bool Created;
    int Angle;
    bool Freed;
};

TEST(CellGraphicTest, FreesWhatItsKindOwns)
{
    const std::vector<OwnershipCase> cases = {
        {ctBitmap, true, 0, true},        {ctBitmap, false, 0, false},   {ctPicture, true, 0, true},
        {ctFilePicture, false, 0, false}, {ctBitButton, true, 0, true},  {ctImages, false, 0, true},
        {ctButton, true, 0, false},       {ctInterface, true, 0, false}, {ctProgress, true, 0, false},
    };
    for (const OwnershipCase& c : cases) {
        bool freed = false;
        auto graphic = std::make_unique<TCellGraphic>();
        graphic->CellType = c.Kind;
        graphic->CellCreated = c.Created;
        graphic->CellAngle = c.Angle;
        auto* probe = new TFreeProbe(&freed);
        graphic->CellBitmap = probe;
        graphic.reset();
        EXPECT_EQ(freed, c.Freed) << "kind " << c.Kind;
        if (!freed) delete probe;
    }
}

TEST(CellGraphicTest, AnglesComeIntoAFullTurnAndAssignLeavesTheObjects)
{
    const std::vector<std::pair<int, int>> angles = {{-90, 270}, {720, 360}, {45, 45}, {-360, 0}, {361, 1}};
    for (const auto& [given, stored] : angles) {
        TCellGraphic graphic;
        graphic.SetAngle(given);
        EXPECT_EQ(graphic.CellType, ctRotated);
        EXPECT_EQ(graphic.CellAngle, stored) << given;
    }
    TBitmap bitmap;
    TCellGraphic source, copy;
    source.SetButton(40, 18, "Go", haFull, vaCenter);
    source.CellBitmap = &bitmap;
    copy.Assign(source);
    EXPECT_EQ(copy.CellType, ctButton);
    EXPECT_EQ(copy.ButtonWidth(), 40);
    EXPECT_EQ(copy.ButtonHeight(), 18);
    EXPECT_EQ(copy.CellText, "Go");
    EXPECT_EQ(copy.CellBitmap, nullptr);
}

TEST_F(ExtGridCellGraphicsTest, AGraphicDiesWithItsCellPropertiesAndWithTheGrid)
{
    bool freedWithProps = false, freedByRemove = false, freedWithGrid = false;
    auto plant = [this](int c, int r, bool* flag) {
        TCellGraphic* graphic = grid->CreateCellGraphic(c, r);
        graphic->CellType = ctBitmap;
        graphic->CellCreated = true;
        graphic->CellBitmap = new TFreeProbe(flag);
    };
    plant(1, 1, &freedWithProps);
    plant(2, 1, &freedByRemove);
    plant(3, 1, &freedWithGrid);
    grid->FreeCellProperties(1, 1);
    EXPECT_TRUE(freedWithProps);
    EXPECT_TRUE(grid->RemoveCellGraphic(2, 1));
    EXPECT_TRUE(freedByRemove);
    EXPECT_FALSE(grid->RemoveCellGraphic(2, 1));
    delete grid;
    EXPECT_TRUE(freedWithGrid);
}

TEST_F(ExtGridCellGraphicsTest, AddReplacesAnyKindAndRemoveTakesOnlyItsOwn)
{
    TBitmap callers(4, 4);
    grid->AddComment(1, 1, "note");
    EXPECT_FALSE(grid->RemoveBitmap(1, 1));
    EXPECT_EQ(grid->GetComment(1, 1), "note");
    grid->AddBitmap(1, 1, &callers, false, haLeft, vaTop);
    EXPECT_EQ(grid->GetCellType(1, 1), ctBitmap);
    EXPECT_EQ(grid->GetComment(1, 1), "");
    EXPECT_EQ(grid->GetBitmap(1, 1), &callers);
    EXPECT_TRUE(grid->RemoveBitmap(1, 1));
    EXPECT_EQ(callers.Width(), 4); // still the caller's
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid->Cells(1, 1), ""); // an empty cell keeps its empty text
}

// Each kind's adder gives the cell that kind; its query finds it; its remover takes it away.
TEST_F(ExtGridCellGraphicsTest, EveryKindIsAddedFoundAndRemoved)
{
    TStringList captions;
    struct KindCase {
        TCellType Kind;
        std::function<void()> Add;
        std::function<bool()> Remove;
    };
    const int c = 2, r = 2;
    const std::vector<KindCase> cases = {
        {ctBitmap, [&] { grid->CreateBitmap(c, r, true, haLeft, vaTop); },
         [&] { return grid->RemoveBitmap(c, r); }},
        {ctPicture, [&] { grid->CreatePicture(c, r, false, Shrink, 0, haLeft, vaTop); },
         [&] { return grid->RemovePicture(c, r); }},
        {ctFilePicture, [&] { grid->CreateFilePicture(c, r, false, noStretch, 0, haLeft, vaTop); },
         [&] { return grid->RemoveFilePicture(c, r); }},
        {ctIcon, [&] { grid->CreateIcon(c, r, haLeft, vaTop); }, [&] { return grid->RemoveIcon(c, r); }},
        {ctProgress, [&] { grid->AddProgress(c, r, clRed, clWhite); },
         [&] { return grid->RemoveProgress(c, r); }},
        {ctXPProgress, [&] { grid->AddExtProgress(c, r, 0, 10); },
         [&] { return grid->RemoveExtProgress(c, r); }},
        {ctProgressPie, [&] { grid->AddProgressPie(c, r, clRed, 40); },
         [&] { return grid->RemoveProgressPie(c, r); }},
        {ctRangeIndicator, [&] { grid->AddRangeIndicator(c, r, 10, clRed, clGreen, true); },
         [&] { return grid->RemoveRangeIndicator(c, r); }},
        {ctComment, [&] { grid->AddComment(c, r, "x"); }, [&] { return grid->RemoveComment(c, r); }},
        {ctShape, [&] { grid->AddShape(c, r, csStar, clRed, clBlack, haLeft, vaTop); },
         [&] { return grid->RemoveShape(c, r); }},
        {ctRating, [&] { grid->AddRating(c, r, 5, clYellow, clGray); },
         [&] { return grid->RemoveRating(c, r); }},
        {ctScrollbar, [&] { grid->AddScrollBar(c, r, false); }, [&] { return grid->RemoveScrollBar(c, r); }},
        {ctButton, [&] { grid->AddButton(c, r, 30, 16, "b", haLeft, vaTop); },
         [&] { return grid->RemoveButton(c, r); }},
        {ctBitButton, [&] { grid->CreateBitButton(c, r, 30, 16, "b", haLeft, vaTop); },
         [&] { return grid->RemoveButton(c, r); }},
        {ctBalloon, [&] { grid->AddBalloon(c, r, "t", "x", biInfo); },
         [&] {
             grid->RemoveBalloon(c, r);
             return !grid->HasBalloon(c, r);
         }},
        {ctExpand, [&] { grid->AddExpand(c, r, 60); }, [&] { return grid->RemoveExpand(c, r); }},
        {ctRadio, [&] { grid->AddRadio(c, r, 0, -1, &captions); }, [&] { return grid->RemoveRadio(c, r); }},
        {ctInterface, [&] { grid->AddInterfacedCell(c, r, grid); },
         [&] { return grid->RemoveInterfacedCell(c, r); }},
    };
    for (const KindCase& k : cases) {
        k.Add();
        EXPECT_EQ(grid->GetCellType(c, r), k.Kind) << k.Kind;
        EXPECT_TRUE(k.Remove()) << k.Kind;
        EXPECT_EQ(grid->GetCellType(c, r), ctEmpty) << k.Kind;
    }
}

TEST_F(ExtGridCellGraphicsTest, ControlCellsAreThoseThatReactToClicks)
{
    TStringList captions;
    grid->AddCheckBox(1, 1, false, false);
    grid->AddRadio(2, 1, 0, 0, &captions);
    grid->AddButton(3, 1, 20, 16, "b", haLeft, vaTop);
    grid->CreateBitButton(4, 1, 20, 16, "b", haLeft, vaTop);
    grid->AddCheckBox(1, 2, true, true);
    grid->AddComment(2, 2, "c");
    const std::vector<std::pair<TPoint, bool>> cells = {
        {{1, 1}, true},  {{2, 1}, true},  {{3, 1}, true},   {{4, 1}, false},  {{1, 2}, true},
        {{2, 2}, false}, {{3, 3}, false}, {{-1, 1}, false}, {{1, -1}, false},
    };
    for (const auto& [cell, control] : cells)
        EXPECT_EQ(grid->IsControlCell(cell.X, cell.Y), control) << cell.X << "," << cell.Y;
    EXPECT_TRUE(grid->IsDataGraphicCell(1, 2));
    EXPECT_FALSE(grid->IsDataGraphicCell(1, 1));
}

TEST_F(ExtGridCellGraphicsTest, CellsOutsideTheGridGetNoGraphic)
{
    const std::vector<TPoint> outside = {{-1, 1}, {1, -1}, {grid->ColCount(), 1}, {1, grid->RowCount()}};
    for (const TPoint& cell : outside) {
        EXPECT_EQ(grid->CreateCellGraphic(cell.X, cell.Y), nullptr);
        EXPECT_EQ(grid->CreateBitmap(cell.X, cell.Y, false, haLeft, vaTop), nullptr);
        grid->AddComment(cell.X, cell.Y, "x");
        grid->AddMarker(cell.X, cell.Y, 1, 2);
        EXPECT_EQ(grid->GetCellType(cell.X, cell.Y), ctEmpty);
        EXPECT_FALSE(grid->RemoveCellGraphic(cell.X, cell.Y));
    }
}

// An auto-range bar scrolls over the cell's text: its page is the row, its range the
// text's height, measured anew with each text.
TEST_F(ExtGridCellGraphicsTest, AnAutoRangeScrollBarFollowsTheCellText)
{
    grid->AddScrollBar(1, 1, true);
    grid->AddScrollBar(2, 1, false);
    grid->SetScrollProp(2, 1, {5, 50});
    grid->SetCells(1, 1, "one");
    grid->SetCells(2, 1, "one\ntwo\nthree");
    const TScrollProp oneLine = grid->GetScrollProp(1, 1);
    EXPECT_EQ(oneLine.PageSize, grid->RowHeights(1));
    EXPECT_GT(oneLine.Range, 0);
    grid->SetCells(1, 1, "one\ntwo\nthree\nfour");
    EXPECT_GT(grid->GetScrollProp(1, 1).Range, oneLine.Range);
    EXPECT_EQ(grid->GetScrollProp(2, 1).Range, 50) << "a bar without auto range keeps its range";
}

TEST_F(ExtGridCellGraphicsTest, KindValuesAnswerOnlyForTheirKind)
{
    EXPECT_EQ(grid->GetShapeColor(1, 1), clNone);
    EXPECT_EQ(grid->GetScrollPosition(1, 1), -1);
    EXPECT_EQ(grid->GetScrollProp(1, 1).Range, -1);
    EXPECT_EQ(grid->GetImageSortValue(1, 1), -1);
    grid->AddScrollBar(1, 1, true);
    EXPECT_TRUE(grid->HasAutoRangeScrollBar(1, 1));
    grid->SetScrollPosition(1, 1, 7);
    grid->SetScrollProp(1, 1, {5, 50});
    EXPECT_EQ(grid->GetScrollPosition(1, 1), 7);
    EXPECT_EQ(grid->GetScrollProp(1, 1).PageSize, 5);
    EXPECT_EQ(grid->GetScrollProp(1, 1).Range, 50);

    grid->SetComment(2, 1, "first");
    grid->SetComment(2, 1, "second");
    EXPECT_EQ(grid->GetComment(2, 1), "second");
    grid->SetComment(1, 1, "ignored"); // a scroll bar cell keeps its scroll bar
    EXPECT_TRUE(grid->HasScrollBar(1, 1));

    int from = -1, len = -1;
    grid->AddMarker(2, 1, 3, 4);
    grid->GetMarker(2, 1, from, len);
    EXPECT_EQ(from, 3);
    EXPECT_EQ(len, 4);
    grid->RemoveAllMarkers();
    grid->GetMarker(2, 1, from, len);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(grid->GetComment(2, 1), "second");
    grid->AddMarker(3, 3, 1, 1);
    EXPECT_EQ(grid->GetCellType(3, 3), ctEmpty);
    grid->RemoveMarker(3, 3);
    EXPECT_EQ(grid->GetCellGraphic(3, 3), nullptr);
}

// Markers, button pushes and captions, and radio indexes share slots with other kinds:
// they never overwrite what another kind keeps there.
TEST_F(ExtGridCellGraphicsTest, OneKindsOperationsLeaveAnotherKindsValuesAlone)
{
    grid->AddProgressFormatted(1, 1, clRed, clBlack, clWhite, clBlack, "%d", 10, 90);
    grid->AddScrollBar(2, 1, false);
    grid->AddMarker(1, 1, 3, 4);
    grid->AddMarker(2, 1, 3, 4);
    grid->RemoveAllMarkers();
    EXPECT_EQ(grid->GetCellGraphic(1, 1)->CellErrFrom, 10);
    EXPECT_EQ(grid->GetCellGraphic(1, 1)->CellErrLen, 90);
    EXPECT_EQ(grid->GetScrollProp(2, 1).Range, 100);

    grid->AddCheckBox(3, 1, false, false);
    grid->PushButton(3, 1, true);
    EXPECT_FALSE(grid->IsChecked(3, 1));
    grid->AddComment(4, 1, "note");
    grid->SetButtonText(4, 1, "caption");
    EXPECT_EQ(grid->GetComment(4, 1), "note");
    grid->AddButton(1, 2, 40, 18, "b", haLeft, vaTop);
    EXPECT_FALSE(grid->SetRadioIdx(1, 2, 5));
    EXPECT_EQ(grid->GetCellGraphic(1, 2)->ButtonWidth(), 40);
    grid->PushButton(1, 2, true);
    grid->SetButtonText(1, 2, "Go");
    EXPECT_TRUE(grid->GetCellGraphic(1, 2)->CellBoolean);
    EXPECT_EQ(grid->GetButtonText(1, 2), "Go");
}

TEST_F(ExtGridCellGraphicsTest, ABalloonRidesOnACheckBoxAndLeavesItBehind)
{
    grid->AddCheckBox(1, 1, true, false);
    grid->AddBalloon(1, 1, "Title", "Text", biWarning);
    std::string title, text;
    TBalloonIcon icon = biNone;
    EXPECT_TRUE(grid->IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, "Title");
    EXPECT_EQ(text, "Text");
    EXPECT_EQ(icon, biWarning);
    EXPECT_TRUE(grid->HasCheckBox(1, 1));
    grid->RemoveBalloon(1, 1);
    EXPECT_TRUE(grid->HasCheckBox(1, 1));
    EXPECT_FALSE(grid->IsBalloon(1, 1, title, text, icon));
    grid->AddComment(2, 1, "c");
    grid->AddBalloon(2, 1, "T", "X", biInfo);
    EXPECT_FALSE(grid->IsBalloon(2, 1, title, text, icon));
}

TEST_F(ExtGridCellGraphicsTest, ExpandCellsKeepTheirTwoHeights)
{
    grid->SetRowHeights(2, 20);
    grid->AddExpand(1, 2, 60);
    EXPECT_FALSE(grid->GetExpandState(1, 2));
    EXPECT_TRUE(grid->ToggleExpand(1, 2));
    EXPECT_TRUE(grid->GetExpandState(1, 2));
    EXPECT_EQ(grid->GetExpandHeight(1, 2, true), 60);
    EXPECT_EQ(grid->GetExpandHeight(1, 2, false), 20);
    EXPECT_EQ(grid->GetExpandHeight(3, 3, true), grid->DefaultRowHeight());
    EXPECT_FALSE(grid->ToggleExpand(3, 3));
    const TRect cell = grid->CellRect(1, 2);
    const TRect button = grid->GetExpandRect(1, 2);
    EXPECT_EQ(button.Left, cell.Right - 13);
    EXPECT_EQ(button.Width(), 11);
    EXPECT_EQ(button.Height(), 11);
    EXPECT_EQ(grid->GetExpandRect(3, 3).Width(), 0);
}

TEST_F(ExtGridCellGraphicsTest, TheRowCheckBoxColumnShowsTheRowSelection)
{
    grid->SetRowCount(4);
    grid->MouseActions()->SetHotmailRowSelect(true);
    EXPECT_EQ(grid->GetCellType(0, 2), ctRowCheckBox);
    EXPECT_EQ(grid->GetCellType(0, 0), ctRowCheckBox);
    EXPECT_EQ(grid->GetCellType(1, 2), ctEmpty);
    grid->SetRowSelect(2, true);
    EXPECT_TRUE(grid->GetCellGraphic(0, 2)->CellBoolean);
    EXPECT_FALSE(grid->GetCellGraphic(0, 1)->CellBoolean);
    const TCellGraphic* header = grid->GetCellGraphic(0, 0);
    EXPECT_FALSE(header->CellBoolean);
    EXPECT_EQ(header->CellAngle, 1); // partly checked
    grid->SelectRows(1, 3);
    header = grid->GetCellGraphic(0, 0);
    EXPECT_TRUE(header->CellBoolean);
    EXPECT_EQ(header->CellAngle, 0);
    EXPECT_FALSE(grid->RemoveCellGraphic(0, 2)); // the shared graphic is nobody's to remove
}

} // namespace
