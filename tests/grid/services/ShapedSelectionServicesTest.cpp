#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../control/GridShapes.h"
#include "../control/RowSpaceChecks.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/foundation/dragdrop/EnumFormats.h"
#include "grid/foundation/model/CellChecker.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Input.h"
#include "platform/ui/RichTextFormat.h"
#include "platform/ui/ScreenInput.h"

namespace {

// A stored cell by its real column and real row.
using TStoredPlace = std::pair<int, int>;

// The operations over the selection, an area or the normal cells, on every shape: they
// change the cells the user sees selected (or the area's shown cells) and no other stored
// cell, and every row stays whole and in its place.
class ShapedSelectionServicesTest : public ShapedGridTest {
protected:
    void SetUp() override
    {
        ShapedGridTest::SetUp();
        Prepare();
    }
    void Prepare()
    {
        grid->SetOptions(grid->Options() + TGridOptions{goEditing, goRangeSelect});
        grid->Navigation()->AllowClipboardShortCuts = true;
        grid->SetFocus();
    }

    // A new grid in the test's shape, in place of the one the last case changed.
    void Reshape()
    {
        delete grid;
        grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        FillInShape(*grid, GetParam());
        Prepare();
    }

    // The stored place of the cell shown at a display column and row.
    TStoredPlace StoredAt(int DisplCol, int DisplRow) const
    {
        return {grid->RealColIndex(DisplCol), grid->RealRowIndex(DisplRow)};
    }

    // Stands on "2,5" and widens the selection by Shift+Right and Shift+Down: the 2 x 2
    // block the user sees from "2,5". Its four stored places, row by row.
    std::vector<TStoredPlace> SelectBlockFrom25()
    {
        StandOn(*grid, "2,5");
        const int col = grid->Col(), row = grid->Row();
        SendKey(VK_RIGHT, TShiftState{ssShift});
        SendKey(VK_DOWN, TShiftState{ssShift});
        EXPECT_EQ(grid->Selection(), (TGridRect{col, row, col + 1, row + 1}));
        return {StoredAt(col, row), StoredAt(col + 1, row), StoredAt(col, row + 1), StoredAt(col + 1, row + 1)};
    }

    // The shapes' texts of stored places, a row's joined by tabs, rows by CR LF.
    static std::string BlockText(const std::vector<TStoredPlace>& Block, const std::string& RowEnd)
    {
        const auto text = [&](size_t i) { return ShapedCellText(Block[i].first, Block[i].second); };
        return text(0) + "\t" + text(1) + "\r\n" + text(2) + "\t" + text(3) + RowEnd;
    }

    // Every stored cell holds its "c,r" but the Changed ones, which hold their texts; then,
    // the changed cells given their "c,r" back, the rows in place: every stored row whole
    // and where it was. Columns names, for each real column now, the column it was.
    void ExpectStoredCells(const std::map<TStoredPlace, std::string>& Changed, const std::string& Step,
                           std::vector<int> Columns = {})
    {
        if (Columns.empty())
            for (int c = 0; c < ShapedGridCols; ++c) Columns.push_back(c);
        ASSERT_EQ(grid->TotalColCount(), static_cast<int>(Columns.size())) << Step;
        ASSERT_EQ(grid->TotalRowCount(), ShapedGridRows) << Step;
        for (int r = 0; r < ShapedGridRows; ++r)
            for (int c = 0; c < grid->TotalColCount(); ++c) {
                const int was = Columns[static_cast<size_t>(c)];
                const auto changed = Changed.find({was, r});
                EXPECT_EQ(grid->AllGridCells(c, r), changed != Changed.end() ? changed->second : ShapedCellText(was, r))
                    << Step << ": stored cell " << c << "," << r;
                if (changed != Changed.end()) grid->SetAllGridCells(c, r, ShapedCellText(was, r));
            }
        EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected()) << Step;
        ExpectRowsConsistent(*grid, Step);
    }

    static std::map<TStoredPlace, std::string> Emptied(const std::vector<TStoredPlace>& Places)
    {
        std::map<TStoredPlace, std::string> changed;
        for (const TStoredPlace& place : Places) changed[place] = "";
        return changed;
    }

    // The stored places of the shown cells of display columns Cols, in every shown row.
    std::vector<TStoredPlace> ShownCellsOfColumns(const std::vector<int>& DisplCols) const
    {
        std::vector<TStoredPlace> places;
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c : DisplCols) places.push_back(StoredAt(c, r));
        return places;
    }
};

TEST_P(ShapedSelectionServicesTest, CutAndClearEmptyTheSelectedCellsOnly)
{
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> act;
        bool cuts;
    } cases[] = {
        {"Ctrl+X", [](TExtStringGrid&) { SendKey('X', TShiftState{ssCtrl}); }, true},
        {"Shift+Delete", [](TExtStringGrid&) { SendKey(VK_DELETE, TShiftState{ssShift}); }, true},
        {"ClearSelection", [](TExtStringGrid& Grid) { Grid.ClearSelection(); }, false},
    };
    for (const auto& c : cases) {
        Clipboard()->SetAsText("before");
        const std::vector<TStoredPlace> block = SelectBlockFrom25();
        c.act(*grid);
        EXPECT_EQ(Clipboard()->AsText(), c.cuts ? BlockText(block, "\r\n") : "before") << c.what;
        for (int dc = 0; dc < 2; ++dc)
            for (int dr = 0; dr < 2; ++dr)
                EXPECT_EQ(grid->Cells(grid->RealColIndex(grid->Selection().Left + dc), grid->Selection().Top + dr), "")
                    << c.what << ": the cut cell is no longer shown";
        ExpectStoredCells(Emptied(block), c.what);
    }
}

TEST_P(ShapedSelectionServicesTest, CutAndClearOfPickedColumnsEmptyThoseColumns)
{
    grid->MouseActions()->SetDisjunctColSelect(true);
    const std::vector<int> picked = {DisplayCellShowing(*grid, "3,5").X, DisplayCellShowing(*grid, "5,5").X};
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> act;
    } cases[] = {
        {"Ctrl+X", [](TExtStringGrid&) { SendKey('X', TShiftState{ssCtrl}); }},
        {"ClearSelection", [](TExtStringGrid& Grid) { Grid.ClearSelection(); }},
    };
    for (const auto& c : cases) {
        for (int col : picked) grid->SetColSelect(col, true);
        c.act(*grid);
        const std::map<TStoredPlace, std::string> emptied = Emptied(ShownCellsOfColumns(picked));
        ExpectStoredCells(emptied, c.what);
    }
}

TEST_P(ShapedSelectionServicesTest, PastesWriteFromTheCellStoodOn)
{
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&, const std::string&)> paste;
    } cases[] = {
        {"Ctrl+V",
         [](TExtStringGrid&, const std::string& Text) {
             Clipboard()->SetAsText(Text);
             SendKey('V', TShiftState{ssCtrl});
         }},
        {"SetSelectionAsText", [](TExtStringGrid& Grid, const std::string& Text) { Grid.SetSelectionAsText(Text); }},
    };
    for (const auto& c : cases) {
        const std::vector<TStoredPlace> block = SelectBlockFrom25();
        c.paste(*grid, "a\tb\r\nc\td");
        ExpectStoredCells({{block[0], "a"}, {block[1], "b"}, {block[2], "c"}, {block[3], "d"}}, c.what);
    }
}

// The smart paste reads what it continues from the cells the user sees selected.
TEST_P(ShapedSelectionServicesTest, CtrlVContinuesTheSelectedCells)
{
    grid->Navigation()->AllowSmartClipboard = true;
    const struct {
        const char* what;
        const char* pasted;
        bool block; // the 2 x 2 block from "2,5", else three cells down from it
        std::vector<std::string> texts;
    } cases[] = {
        {"one text fills the block", "x", true, {"x", "x", "x", "x"}},
        {"two numbers run on", "1\r\n2\r\n", false, {"1", "2", "3"}},
        {"two texts repeat", "a\r\nb\r\n", false, {"a", "b", "a"}},
    };
    for (const auto& c : cases) {
        std::vector<TStoredPlace> places;
        if (c.block) {
            places = SelectBlockFrom25();
        } else {
            StandOn(*grid, "2,5");
            SendKey(VK_DOWN, TShiftState{ssShift});
            SendKey(VK_DOWN, TShiftState{ssShift});
            const TGridRect sel = grid->Selection();
            for (int r = sel.Top; r <= sel.Bottom; ++r) places.push_back(StoredAt(sel.Left, r));
        }
        ASSERT_EQ(places.size(), c.texts.size()) << c.what;
        Clipboard()->SetAsText(c.pasted);
        SendKey('V', TShiftState{ssCtrl});
        std::map<TStoredPlace, std::string> pasted;
        for (size_t i = 0; i < places.size(); ++i) pasted[places[i]] = c.texts[i];
        ExpectStoredCells(pasted, c.what);
    }
}

TEST_P(ShapedSelectionServicesTest, ColumnRemovalsTakeTheSelectedOrTheOtherShownColumns)
{
    const bool hidden = GetParam() == TGridShape::HiddenColumnLeft;
    const struct {
        const char* what;
        bool disjunct; // the columns 3 and 5 picked, else the columns of the block from "2,5"
        bool selected; // RemoveSelectedCols, else RemoveUnSelectedCols
        std::vector<int> left; // the columns that stay
    } cases[] = {
        {"selected block", false, true, {0, 1, 4, 5}},
        {"unselected of the block", false, false, hidden ? std::vector<int>{0, 1, 2, 3} : std::vector<int>{0, 2, 3}},
        {"picked", true, true, {0, 1, 2, 4}},
        {"unpicked", true, false, hidden ? std::vector<int>{0, 1, 3, 5} : std::vector<int>{0, 3, 5}},
    };
    for (const auto& c : cases) {
        Reshape();
        grid->MouseActions()->SetDisjunctColSelect(c.disjunct);
        if (c.disjunct) {
            grid->ClearColSelect();
            grid->SetColSelect(DisplayCellShowing(*grid, "3,5").X, true);
            grid->SetColSelect(DisplayCellShowing(*grid, "5,5").X, true);
        } else {
            SelectBlockFrom25();
        }
        if (c.selected)
            grid->RemoveSelectedCols();
        else
            grid->RemoveUnSelectedCols();
        ExpectStoredCells({}, c.what, c.left);
        EXPECT_EQ(grid->IsHiddenColumn(1), hidden) << c.what;
    }
}

TEST_P(ShapedSelectionServicesTest, MergeColsJoinsEveryStoredRow)
{
    grid->MergeCols(2, 3, "+");
    std::map<TStoredPlace, std::string> joined;
    for (int r = 1; r < ShapedGridRows; ++r) joined[{2, r}] = ShapedCellText(2, r) + "+" + ShapedCellText(3, r);
    ExpectStoredCells(joined, "MergeCols", {0, 1, 2, 4, 5});
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->TotalRowCount(), ShapedGridRows);
}

TEST_P(ShapedSelectionServicesTest, SelectedTextAndTheTextDragReadTheSelectedCells)
{
    const std::vector<TStoredPlace> block = SelectBlockFrom25();
    EXPECT_EQ(grid->SelectedText(), BlockText(block, ""));

    // A text drag carries that text, and a move empties the cells it came from. A grid that
    // edits its cells takes a press as the start of an edit, not of a drag.
    grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    grid->DragDropSettings()->OleDropSource = true;
    std::vector<std::string> dragged;
    const TDragLoop previous = SetDragLoop([&](IDataObject& Data, IDropSource& Source, DWORD, DWORD& Effect) {
        dragged.push_back(TEnumFormats(&Data).Text());
        Source.GiveFeedback(DROPEFFECT_MOVE);
        Effect = DROPEFFECT_MOVE;
        return DRAGDROP_S_DROP;
    });
    const TRect cell = grid->CellRect(grid->Selection().Left, grid->Selection().Top);
    const TPoint from{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    ScreenMouse(smPress, grid->ClientToScreen(from));
    ScreenMouse(smMove, grid->ClientToScreen(TPoint{from.X + 6, from.Y}));
    ScreenMouse(smRelease, grid->ClientToScreen(TPoint{from.X + 6, from.Y}));
    SetDragLoop(previous);
    EXPECT_EQ(dragged, std::vector<std::string>{BlockText(block, "")});
    ExpectStoredCells(Emptied(block), "move drag");
}

// A checker that corrects every text by adding "!".
class TExclaimingChecker : public TExtStringGridCheck {
public:
    using TExtStringGridCheck::TExtStringGridCheck;
    std::string Correct(int, int, const std::string& s) override { return s + "!"; }
};

TEST_P(ShapedSelectionServicesTest, FillsMarksAndChecksCoverTheShownNormalCells)
{
    TExclaimingChecker checker(nullptr);
    checker.UseCorrect = true;
    grid->CellChecker = &checker;
    const int row = DisplayCellShowing(*grid, "2,5").Y;
    const auto mark = [](const std::string& Tag) {
        return [Tag](int, int, const std::string& Text) {
            const size_t comma = Text.find(',');
            return Text.substr(0, comma) + "<" + Tag + ">,</" + Tag + ">" + Text.substr(comma + 1);
        };
    };
    const auto allRows = [](int) { return true; };
    const auto onlyRow = [row](int DisplRow) { return DisplRow == row; };
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> act;
        std::function<bool(int DisplRow)> rows;
        std::function<std::string(int DisplCol, int DisplRow, const std::string& Text)> becomes;
    } cases[] = {
        {"TextFill", [](TExtStringGrid& g) { g.TextFill(false, "x"); }, allRows,
         [](int, int, const std::string&) { return std::string("x"); }},
        {"LinearFill", [](TExtStringGrid& g) { g.LinearFill(false); }, allRows,
         [](int c, int r, const std::string&) { return std::to_string(c) + ":" + std::to_string(r); }},
        {"FormatFill", [](TExtStringGrid& g) { g.FormatFill(false, "R%dC%d"); }, allRows,
         [](int c, int r, const std::string&) { return "R" + std::to_string(c) + "C" + std::to_string(r); }},
        {"RandomFill", [](TExtStringGrid& g) { g.RandomFill(false, 1); }, allRows,
         [](int, int, const std::string&) { return std::string("0"); }},
        {"MarkInGrid", [](TExtStringGrid& g) { g.MarkInGrid(false, false, ","); }, allRows, mark("e")},
        {"MarkInRow", [row](TExtStringGrid& g) { g.MarkInRow(false, false, row, ","); }, onlyRow, mark("e")},
        {"HilightInRow", [row](TExtStringGrid& g) { g.HilightInRow(false, false, row, ","); }, onlyRow, mark("hi")},
        {"CheckGrid", [](TExtStringGrid& g) { EXPECT_FALSE(g.CheckGrid(false)); }, allRows,
         [](int, int, const std::string& Text) { return Text + "!"; }},
        {"CheckRow", [row](TExtStringGrid& g) { EXPECT_FALSE(g.CheckRow(false, row)); }, onlyRow,
         [](int, int, const std::string& Text) { return Text + "!"; }},
    };
    for (const auto& c : cases) {
        std::map<TStoredPlace, std::string> changed;
        for (int r = grid->FixedRows(); r < grid->RowCount() - grid->FixedFooters; ++r)
            for (int col = grid->FixedCols(); col < grid->ColCount(); ++col)
                if (c.rows(r)) {
                    const TStoredPlace place = StoredAt(col, r);
                    changed[place] = c.becomes(col, r, ShapedCellText(place.first, place.second));
                }
        c.act(*grid);
        ExpectStoredCells(changed, c.what);
    }
    // A column is named by its real index.
    std::map<TStoredPlace, std::string> checked;
    for (int r = grid->FixedRows(); r < grid->RowCount() - grid->FixedFooters; ++r)
        checked[StoredAt(DisplayCellShowing(*grid, "2,5").X, r)] = ShapedCellText(2, grid->RealRowIndex(r)) + "!";
    EXPECT_FALSE(grid->CheckCol(false, 2));
    ExpectStoredCells(checked, "CheckCol");
    grid->CellChecker = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedSelectionServicesTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// The selected text as another program takes it: rich text as its plain text, and, for a
// spreadsheet, a cell of several lines quoted with its line breaks as character 11.
TEST(SelectedTextForOtherProgramsTest, RichTextIsPlainAndMultiLineCellsAreQuotedForASpreadsheet)
{
    TForm form(nullptr);
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetCells(0, 1, WriteRtf(TRichRuns{{u"bold words", {}}}));
    grid->SetCells(1, 1, "one\r\ntwo");
    grid->SetSelection(TGridRect{0, 1, 1, 1});
    EXPECT_EQ(grid->SelectedText(), "bold words\tone\r\ntwo");
    grid->ExcelClipboardFormat = true;
    EXPECT_EQ(grid->SelectedText(), "bold words\t\"one\x0Btwo\"");
}

} // namespace
