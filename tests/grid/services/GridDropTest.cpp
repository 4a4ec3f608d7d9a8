#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../control/GridOnForm.h"
#include "grid/control/GridDropTarget.h"
#include "grid/control/HeaderDragButton.h"
#include "grid/control/NoActiveForm.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/foundation/dragdrop/OleDragDrop.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/Classes.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/ScreenInput.h"
#include "platform/ui/StdCtrls.h"
#include "support/TestFiles.h"
#include "../foundation/dragdrop/ForeignData.h"

namespace {

using namespace std::string_literals;

// Two grids of five columns and six rows (one fixed row and column) side by side, both
// sources and targets of drags that paste what they take. The drag loop carries a drag to the point set, as the
// desktop would: enter, one move, then the release with the keys given.
class GridDropTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientSize(900, 300);
        left = MakeGrid(0);
        right = MakeGrid(450);
        previous = SetDragLoop([this](IDataObject& data, IDropSource& source, DWORD ok, DWORD& effect) {
            const TPoint at = dropOn->ClientToScreen(dropAt);
            DWORD granted = SendDragStep(dropOn, dsEnter, data, at, keys | MK_LBUTTON, ok);
            source.GiveFeedback(granted);
            source.QueryContinueDrag(false, keys | MK_LBUTTON);
            midDrag();
            granted = SendDragStep(dropOn, dsOver, data, at, keys | MK_LBUTTON, ok);
            source.GiveFeedback(granted);
            const HRESULT end = source.QueryContinueDrag(false, keys);
            if (granted != DROPEFFECT_NONE)
                effect = SendDragStep(dropOn, dsDrop, data, at, keys, ok);
            else
                SendDragStep(dropOn, dsLeave, data, at, keys, ok);
            return end;
        });
        form.Show();
    }
    void TearDown() override { SetDragLoop(previous); }

    TExtStringGrid* MakeGrid(int Left)
    {
        auto* grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(Left, 0, 400, 280);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetOptions(grid->Options() + TGridOptions{goRangeSelect});
        grid->DragDropSettings()->OleDropSource = true;
        grid->DragDropSettings()->SetOleDropTarget(true);
        // A drop pastes; a grid that drags its cells cannot be editing, so it pastes always.
        grid->Navigation()->AllowClipboardAlways = true;
        return grid;
    }
    static TPoint Centre(TExtStringGrid* Grid, int ACol, int ARow)
    {
        const TRect r = Grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Selects Block of From and drags it from its top-left cell onto Onto at the point At.
    void DragBlock(TExtStringGrid* From, const TGridRect& Block, TExtStringGrid* Onto, TPoint At)
    {
        From->SetSelection(Block);
        dropOn = Onto;
        dropAt = At;
        const TPoint press = From->ClientToScreen(Centre(From, Block.Left, Block.Top));
        ScreenMouse(smPress, press);
        ScreenMouse(smMove, {press.X + 6, press.Y + 6});
        ScreenMouse(smRelease, {press.X + 6, press.Y + 6});
    }
    static void Fill(TExtStringGrid* Grid, const std::vector<std::vector<std::string>>& Rows, int ACol, int ARow)
    {
        for (size_t r = 0; r < Rows.size(); ++r)
            for (size_t c = 0; c < Rows[r].size(); ++c)
                Grid->SetCells(ACol + static_cast<int>(c), ARow + static_cast<int>(r), Rows[r][c]);
    }
    static std::vector<std::string> Row(TExtStringGrid* Grid, int ARow)
    {
        std::vector<std::string> texts;
        for (int c = 1; c < Grid->ColCount(); ++c)
            texts.push_back(Grid->Cells(c, ARow));
        return texts;
    }

    TForm form{nullptr};
    TExtStringGrid* left = nullptr;
    TExtStringGrid* right = nullptr;
    TWinControl* dropOn = nullptr;
    TPoint dropAt;
    DWORD keys = 0;
    TDragLoop previous;
    // Runs while the button is still held, after the source has followed the pointer.
    std::function<void()> midDrag = [] {};
};

TEST_F(GridDropTest, ACopyToAnotherGridPastesAndSelectsTheBlockAndKeepsTheSource)
{
    Fill(left, {{"a", "b"}, {"c", "d"}}, 1, 1);
    std::vector<TGridRect> dropped;
    right->OnOleDropped = [&](TObject*, const TGridRect& R) { dropped.push_back(R); };
    keys = MK_CONTROL;
    DragBlock(left, {1, 1, 2, 2}, right, Centre(right, 2, 3));
    EXPECT_EQ(Row(right, 3), (std::vector<std::string>{"", "a", "b", ""}));
    EXPECT_EQ(Row(right, 4), (std::vector<std::string>{"", "c", "d", ""}));
    EXPECT_EQ(right->Selection(), (TGridRect{2, 3, 3, 4}));
    EXPECT_EQ(dropped, std::vector<TGridRect>{(TGridRect{2, 3, 3, 4})});
    EXPECT_EQ(Row(left, 1), (std::vector<std::string>{"a", "b", "", ""}));
}

TEST_F(GridDropTest, CellsTravelInTheGridsOwnFormatWhereItLetsThemOut)
{
    Fill(left, {{"a", "b"}}, 1, 1);
    left->SetColors(2, 1, clRed);
    left->Navigation()->AllowFmtClipboard = true;
    int droppedCalls = 0;
    right->OnOleDropped = [&](TObject*, const TGridRect&) { ++droppedCalls; };
    keys = MK_CONTROL;
    DragBlock(left, {1, 1, 2, 1}, right, Centre(right, 2, 4));
    EXPECT_EQ(Row(right, 4), (std::vector<std::string>{"", "a", "b", ""}));
    EXPECT_EQ(right->Colors(3, 4), clRed) << "the cells' properties come along";
    EXPECT_EQ(droppedCalls, 1);
}

TEST_F(GridDropTest, TheDraggedCellsFloatBesideThePointerUntilTheDragEnds)
{
    Fill(left, {{"a", "b"}}, 1, 1);
    std::vector<std::string> seen;
    midDrag = [&] {
        TNoActiveForm* form = left->MoveForm();
        ASSERT_NE(form, nullptr);
        const TPoint pointer = Mouse->CursorPos();
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(form->ScreenPos(), (TPoint{pointer.X + 4, pointer.Y + 4}));
        EXPECT_EQ(form->Picture().Width(), left->ColWidths(1) + left->ColWidths(2) + 1) << "with the line at its right";
        seen.push_back("cells");
    };
    keys = MK_CONTROL;
    DragBlock(left, {1, 1, 2, 1}, right, Centre(right, 1, 1));
    EXPECT_EQ(seen, std::vector<std::string>{"cells"});
    EXPECT_EQ(left->MoveForm(), nullptr);

    // Without the cells, a column drag carries its header; the drop puts it away.
    left->DragDropSettings()->ShowCells = false;
    left->DragDropSettings()->OleColumnDragDrop = true;
    left->DragDropSettings()->OleColumnReorder = true;
    left->EnhRowColMove = false;
    left->SetCells(2, 0, "Header");
    midDrag = [&] {
        EXPECT_EQ(left->MoveForm(), nullptr);
        ASSERT_NE(left->MoveButton(), nullptr);
        EXPECT_TRUE(left->MoveButton()->Visible());
        EXPECT_EQ(left->MoveButton()->DragCaption(), "Header");
        EXPECT_EQ(left->MoveButton()->Top() + left->MoveButton()->Height(), Mouse->CursorPos().Y);
        seen.push_back("header");
    };
    dropOn = left;
    dropAt = Centre(left, 4, 0);
    const TPoint press = left->ClientToScreen(Centre(left, 2, 0));
    ScreenMouse(smPress, press);
    ScreenMouse(smMove, {press.X + 6, press.Y});
    ScreenMouse(smRelease, {press.X + 6, press.Y});
    EXPECT_EQ(seen.back(), "header");
    EXPECT_FALSE(left->MoveButton()->Visible());
    EXPECT_EQ(left->Cells(left->RealColIndex(4), 0), "Header");
}

TEST_F(GridDropTest, AMoveWithinTheGridEmptiesWhereTheCellsCameFrom)
{
    Fill(left, {{"a", "b"}}, 1, 1);
    DragBlock(left, {1, 1, 2, 1}, left, Centre(left, 3, 4));
    EXPECT_EQ(Row(left, 1), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(Row(left, 4), (std::vector<std::string>{"", "", "a", "b"}));
}

TEST_F(GridDropTest, InsertedRowsTakeTheDropAndAMoveStillEmptiesItsOwnCells)
{
    // Three lines of two fields dropped on (2, 5) go into three new rows 5 to 7.
    Fill(left, {{"1", "2"}, {"3", "4"}, {"5", "6"}}, 1, 1);
    Fill(right, {{"keep"}}, 1, 5);
    right->DragDropSettings()->OleInsertRows = true;
    keys = MK_CONTROL;
    DragBlock(left, {1, 1, 2, 3}, right, Centre(right, 2, 5));
    EXPECT_EQ(right->RowCount(), 9);
    EXPECT_EQ(Row(right, 5), (std::vector<std::string>{"", "1", "2", ""}));
    EXPECT_EQ(Row(right, 7), (std::vector<std::string>{"", "5", "6", ""}));
    EXPECT_EQ(Row(right, 8), (std::vector<std::string>{"keep", "", "", ""}));
    EXPECT_EQ(right->Selection(), (TGridRect{2, 5, 3, 7}));

    // Moving row 4 up to row 2 of the same grid: the source row went down with the insert,
    // and it is that row which empties, not the one now standing where it was.
    Fill(left, {{"x", "y"}, {"under", ""}}, 1, 4);
    left->DragDropSettings()->OleInsertRows = true;
    keys = 0;
    DragBlock(left, {1, 4, 2, 4}, left, Centre(left, 1, 2));
    EXPECT_EQ(left->RowCount(), 7);
    EXPECT_EQ(Row(left, 2), (std::vector<std::string>{"x", "y", "", ""}));
    EXPECT_EQ(Row(left, 5), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(Row(left, 6), (std::vector<std::string>{"under", "", "", ""}));
}

TEST_F(GridDropTest, ADropBelowTheLastRowAppendsWholeRows)
{
    Fill(left, {{"p", "q"}}, 2, 1);
    right->DragDropSettings()->OleEntireRows = true;
    right->DragDropSettings()->OleAppendRows = true;
    Fill(right, {{"last"}}, 1, 5);
    keys = MK_CONTROL;
    const TRect last = right->CellRect(1, 5);
    DragBlock(left, {2, 1, 3, 1}, right, {last.Left + 5, last.Bottom + 20});
    EXPECT_EQ(right->RowCount(), 7);
    EXPECT_EQ(Row(right, 5), (std::vector<std::string>{"last", "", "", ""}));
    EXPECT_EQ(Row(right, 6), (std::vector<std::string>{"p", "q", "", ""}));
}

TEST_F(GridDropTest, AFixedRowRefusesTheDropUnlessItIsTheGridsOnlyRow)
{
    Fill(left, {{"a"}}, 1, 1);
    bool asked = false;
    right->OnOleDragOver = [&](TObject*, int ARow, int, bool& Allow) {
        asked = true;
        EXPECT_EQ(ARow, 0);
        EXPECT_FALSE(Allow);
    };
    DragBlock(left, {1, 1, 1, 1}, right, Centre(right, 2, 0));
    EXPECT_TRUE(asked);
    EXPECT_EQ(right->Cells(2, 0), "");
    EXPECT_EQ(left->Cells(1, 1), "a") << "a refused move leaves the source";

    right->OnOleDragOver = nullptr;
    right->FixedRowAlways = true;
    right->SetRowCount(1);
    ASSERT_EQ(right->RowCount(), 1);
    right->DragDropSettings()->OleInsertRows = true;
    keys = MK_CONTROL;
    DragBlock(left, {1, 1, 1, 1}, right, Centre(right, 2, 0));
    EXPECT_EQ(right->Cells(2, 1), "a");
}

TEST_F(GridDropTest, AHeaderDragMovesTheColumnWhereColumnsReorder)
{
    Fill(left, {{"h1", "h2", "h3"}}, 1, 0);
    left->EnhRowColMove = false;
    left->DragDropSettings()->OleColumnDragDrop = true;
    std::vector<int> droppedCols;
    left->OnOleDropCol = [&](TObject*, int, int ACol, int Col) { droppedCols.push_back(ACol * 10 + Col); };
    // Refused on entry while the grid does not reorder its columns.
    dropOn = left;
    dropAt = Centre(left, 3, 0);
    const TPoint press = left->ClientToScreen(Centre(left, 1, 0));
    const auto drag = [&] {
        ScreenMouse(smPress, press);
        ScreenMouse(smMove, {press.X + 6, press.Y});
        ScreenMouse(smRelease, {press.X + 6, press.Y});
    };
    drag();
    EXPECT_EQ(Row(left, 0), (std::vector<std::string>{"h1", "h2", "h3", ""}));
    left->DragDropSettings()->OleColumnReorder = true;
    drag();
    EXPECT_EQ(Row(left, 0), (std::vector<std::string>{"h2", "h3", "h1", ""}));
    EXPECT_EQ(droppedCols, std::vector<int>{31});
}

// Dropped files, with 8-bit names.
TForeignData DroppedFiles(const std::vector<std::string>& Names)
{
    std::string bytes = "\x14\0\0\0"s + std::string(16, '\0');
    for (const std::string& name : Names)
        bytes += name + '\0';
    return TForeignData({{CF_HDROP, bytes + '\0'}});
}

TEST_F(GridDropTest, HoveringMarksTheDropAndScrollsSidewaysOnceATick)
{
    TForeignData text({{CF_TEXT, "x\0"s}});
    TGridDropTarget target(right);
    DWORD effect = DROPEFFECT_COPY;
    target.DragEnter(&text, 0, right->ClientToScreen(Centre(right, 2, 2)), effect);
    const auto hover = [&](TPoint ClientPt) {
        DWORD granted = DROPEFFECT_COPY;
        target.DragOver(0, right->ClientToScreen(ClientPt), granted);
        return granted;
    };
    EXPECT_EQ(hover(Centre(right, 2, 2)), DROPEFFECT_COPY);
    const TRect cell = right->CellRect(2, 2);
    EXPECT_TRUE(right->MoveMarkers().Showing());
    EXPECT_EQ(right->MoveMarkers().LeftArrowPos(), (TPoint{cell.Left - 10, cell.Top}));
    EXPECT_EQ(hover(Centre(right, 2, 0)), DROPEFFECT_NONE);
    EXPECT_FALSE(right->MoveMarkers().Showing());

    right->SetColCount(30);
    const TPoint edge{right->ClientWidth() - 2, Centre(right, 1, 2).Y};
    const int left = right->LeftCol();
    if (right->TimerTicks() % 2 != 0) right->Perform(WM_TIMER, TExtStringGrid::GridTimerID);
    hover(edge);
    hover(edge);
    hover(edge);
    EXPECT_EQ(right->LeftCol(), left + 1);
    right->Perform(WM_TIMER, TExtStringGrid::GridTimerID);
    hover(edge);
    EXPECT_EQ(right->LeftCol(), left + 2);
    target.DragLeave();
}

TEST_F(GridDropTest, AnAnnouncedHiddenColumnComesBackWhereItIsDropped)
{
    Fill(right, {{"h1", "h2", "h3", "h4"}}, 1, 0);
    right->HideColumn(3);
    TListBox list(&form);
    list.SetParent(&form);
    list.Items()->Add("h3");
    list.Items()->Add("other");
    std::vector<int> dropped;
    right->OnOleDropCol = [&](TObject*, int ARow, int ACol, int Col) { dropped = {ARow, ACol, Col}; };
    right->OleColumnDragStart(3, 0, &list);
    dropOn = right;
    dropAt = Centre(right, 1, 0);
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(BeginColumnDragDrop(std::make_shared<TESGDropSource>(), 3, DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(Row(right, 0), (std::vector<std::string>{"h3", "h1", "h2", "h4"}));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items()->Strings(0), "other");
    EXPECT_EQ(dropped, (std::vector<int>{0, 1, 3}));
    EXPECT_FALSE(right->OleColumnPending());

    // Nothing pending and no reordering: a column is refused on entry.
    EXPECT_EQ(BeginColumnDragDrop(std::make_shared<TESGDropSource>(), 2, DROPEFFECT_MOVE, effect),
              DRAGDROP_S_CANCEL);
    EXPECT_EQ(Row(right, 0), (std::vector<std::string>{"h3", "h1", "h2", "h4"}));
}

TEST_F(GridDropTest, RichTextAndUrlsBecomeTheWholeTextOfOneCell)
{
    RegisterDragDropFormats();
    const TDragDropFormatIds& ids = DragDropFormatIds();
    const bool rtfWas = DragDropActive();
    TGridDropTarget target(right);
    const auto drop = [&](TForeignData Data, TPoint Cell) {
        const TPoint at = right->ClientToScreen(Centre(right, Cell.X, Cell.Y));
        DWORD effect = DROPEFFECT_COPY;
        target.DragEnter(&Data, 0, at, effect);
        target.DragOver(0, at, effect);
        target.Drop(&Data, 0, at, effect);
    };
    std::vector<std::string> urls;
    right->OnOleDropURL = [&](TObject*, int, int, const std::string& URL, bool&) { urls.push_back(URL); };
    drop(TForeignData({{CF_TEXT, "http://example.org\0"s}, {ids.URL, ""}}), {2, 2});
    EXPECT_EQ(right->Cells(2, 2), "http://example.org");
    EXPECT_EQ(urls, std::vector<std::string>{"http://example.org"});

    // Rich text is plain text while the switch is off, and one cell's text while it is on.
    const std::vector<std::pair<TClipFormat, std::string>> rich = {{CF_TEXT, "plain\tnext\0"s},
                                                                   {ids.RTF, "{\\rtf1 x}\0"s}};
    right->DragDropSettings()->SetOleDropRTF(false);
    drop(TForeignData(rich), {1, 3});
    EXPECT_EQ(Row(right, 3), (std::vector<std::string>{"plain", "next", "", ""}));
    right->DragDropSettings()->SetOleDropRTF(true);
    drop(TForeignData(rich), {1, 4});
    EXPECT_EQ(Row(right, 4), (std::vector<std::string>{"{\\rtf1 x}", "", "", ""}));
    SetDragDropActive(rtfWas);
}

TEST_F(GridDropTest, OneDroppedCsvFileLoadsAndNothingElseDoes)
{
    TempDir dir;
    const std::string csv = dir.File("data.CSV"), other = dir.File("notes.txt");
    WriteTestFile(csv, "x,y\r\n1,2\r\n");
    WriteTestFile(other, "x,y\r\n");
    Fill(right, {{"before"}}, 1, 1);
    std::vector<std::string> asked;
    right->OnOleDrop = [&](TObject*, int ARow, int ACol, const std::string& Data, bool&) {
        asked.push_back(std::to_string(ARow) + std::to_string(ACol) + Data);
    };
    TGridDropTarget target(right);
    const auto drop = [&](const std::vector<std::string>& Names) {
        TForeignData files = DroppedFiles(Names);
        const TPoint at = right->ClientToScreen(Centre(right, 1, 1));
        DWORD effect = DROPEFFECT_COPY;
        target.DragEnter(&files, 0, at, effect);
        EXPECT_EQ(effect, DROPEFFECT_COPY);
        target.DragOver(0, at, effect);
        target.Drop(&files, 0, at, effect);
    };
    drop({csv, other});
    drop({other});
    EXPECT_EQ(right->Cells(1, 1), "before");
    EXPECT_TRUE(asked.empty());
    drop({csv});
    EXPECT_EQ(asked, std::vector<std::string>{"-1-1" + csv});
    EXPECT_EQ(right->Cells(0, 0), "x");
    EXPECT_EQ(right->Cells(1, 1), "2");

    // A workbook loads the same way.
    const std::string book = dir.File("book.xlsx");
    left->SetCells(1, 1, "from the book");
    left->SaveToXLS(book, true);
    asked.clear();
    drop({book});
    EXPECT_EQ(asked, std::vector<std::string>{"-1-1" + book});
    bool found = false;
    for (int r = 0; r < right->RowCount(); ++r)
        for (int c = 0; c < right->ColCount(); ++c)
            found = found || right->Cells(c, r) == "from the book";
    EXPECT_TRUE(found);
}

} // namespace
