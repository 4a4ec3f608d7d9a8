#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "platform/ui/Input.h"

namespace {

// --- keyboard moves ------------------------------------------------------------------

struct TKeyMove {
    const char* Name;
    TGridCoord Start;
    Word Key;
    TShiftState Shift;
    TGridOptions Extra;
    TGridCoord Expected;
};

class GridKeyMoveTest : public ::testing::TestWithParam<TKeyMove>, public GridFixture {};

TEST_P(GridKeyMoveTest, MovesTheCurrentCell)
{
    const TKeyMove& c = GetParam();
    grid->SetOptions(grid->Options() + c.Extra);
    grid->FocusCell(c.Start.X, c.Start.Y, true);
    grid->SetFocus();
    PressKey(c.Key, c.Shift);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.Expected);
}

// 5 x 5 cells, one fixed column and row, three columns and rows fully in view.
const TKeyMove kKeyMoves[] = {
    {"Down", {2, 2}, VK_DOWN, {}, {}, {2, 3}},
    {"UpStopsAtTheFixedRow", {2, 1}, VK_UP, {}, {}, {2, 1}},
    {"Right", {2, 2}, VK_RIGHT, {}, {}, {3, 2}},
    {"Left", {2, 2}, VK_LEFT, {}, {}, {1, 2}},
    {"Home", {3, 2}, VK_HOME, {}, {}, {1, 2}},
    {"End", {2, 2}, VK_END, {}, {}, {4, 2}},
    {"CtrlHome", {3, 3}, VK_HOME, {ssCtrl}, {}, {1, 1}},
    {"CtrlEnd", {2, 2}, VK_END, {ssCtrl}, {}, {4, 4}},
    {"PageDown", {2, 1}, VK_NEXT, {}, {}, {2, 3}},
    {"PageUpStopsAtTheFixedRow", {2, 2}, VK_PRIOR, {}, {}, {2, 1}},
    {"TabWithGoTabs", {2, 2}, VK_TAB, {}, {goTabs}, {3, 2}},
    {"TabWrapsToTheNextRow", {4, 2}, VK_TAB, {}, {goTabs}, {1, 3}},
    {"ShiftTabWrapsBack", {1, 2}, VK_TAB, {ssShift}, {goTabs}, {4, 1}},
    {"TabWithoutGoTabsLeavesTheGrid", {2, 2}, VK_TAB, {}, {}, {2, 2}},
    {"RowSelectRightMovesDown", {2, 2}, VK_RIGHT, {}, {goRowSelect}, {1, 3}},
};

INSTANTIATE_TEST_SUITE_P(Keys, GridKeyMoveTest, ::testing::ValuesIn(kKeyMoves),
                         [](const auto& info) { return std::string(info.param.Name); });

class GridSelectionTest : public ::testing::Test, public GridFixture {};

TEST_F(GridSelectionTest, SelectCellDecidesAndShiftExtendsTheRange)
{
    grid->Refused = {{3, 2}};
    grid->FocusCell(2, 2, true);
    grid->SetCol(3); // refused: nothing moves
    EXPECT_EQ(grid->Col(), 2);
    grid->SetFocus();
    PressKey(VK_DOWN, {ssShift});
    PressKey(VK_RIGHT, {ssShift});
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 3}));
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 3}));
    grid->SetSelection({-1, -1, -1, -1}); // a selection may lie outside the grid
    EXPECT_EQ(grid->Selection(), (TGridRect{-1, -1, -1, -1}));
    grid->Repaint();
}

TEST_F(GridSelectionTest, DialogCodeFollowsTheOptions)
{
    const auto code = [&] { return grid->Perform(WM_GETDLGCODE); };
    EXPECT_EQ(code(), DLGC_WANTARROWS);
    grid->SetOptions(grid->Options() + goTabs + goEditing);
    EXPECT_EQ(code(), DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS);
    grid->SetOptions(grid->Options() + goRowSelect);
    EXPECT_EQ(code(), DLGC_WANTARROWS);
}

TEST_F(GridSelectionTest, WheelMovesOneRowPerNotch)
{
    grid->FocusCell(2, 2, true);
    grid->Perform(WM_MOUSEWHEEL, WPARAM(uint16_t(-120)) << 16, PointToLParam({70, 30}));
    EXPECT_EQ(grid->Row(), 3);
    grid->Perform(WM_MOUSEWHEEL, WPARAM(240) << 16, PointToLParam({70, 30}));
    EXPECT_EQ(grid->Row(), 1);
}

// --- the inplace editor -------------------------------------------------------------

class GridEditorTest : public ::testing::Test, public GridFixture {
protected:
    GridEditorTest()
    {
        grid->SetOptions(grid->Options() + goEditing + goTabs);
        grid->SetCells(2, 2, "abc");
        grid->FocusCell(2, 2, true);
        grid->SetFocus();
    }
    TInplaceEdit* Editor() const { return grid->InplaceEditor(); }
};

TEST_F(GridEditorTest, F2OpensOverTheCellAndEnterStoresThroughSetEditText)
{
    PressKey(VK_F2);
    ASSERT_TRUE(grid->EditorMode());
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(Editor()->Text(), "abc");
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(2, 2));
    EXPECT_EQ(Editor()->SelStart(), 3); // F2 leaves the caret at the end
    TypeText("dé");
    PressKey(VK_RETURN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(grid->EditTexts, std::vector<std::string>{"2,2=abcdé"});
    EXPECT_EQ(grid->Cells(2, 2), "abcdé");
    // Every character typed in the editor went through the grid's KeyPress first.
    EXPECT_EQ(grid->KeyPresses, (std::vector<char32_t>{U'd', U'é', U'\r'}));
}

TEST_F(GridEditorTest, ACharacterOpensTheEditorAndReplacesTheText)
{
    std::vector<char32_t> seen;
    grid->OnKeyPress = [&](TObject*, char32_t& key) { seen.push_back(key); };
    TypeText("x");
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(Editor()->Text(), "x");
    EXPECT_EQ(seen, std::vector<char32_t>{U'x'});
    PressKey(VK_RETURN);
    EXPECT_EQ(seen, (std::vector<char32_t>{U'x', U'\r'})); // Enter reaches OnKeyPress while editing
    EXPECT_EQ(grid->Cells(2, 2), "x");
}

TEST_F(GridEditorTest, RemovingGoEditingClosesTheEditorAndKeepsTheText)
{
    grid->ShowEditor();
    Editor()->SetText("new");
    grid->SetOptions(grid->Options() - goEditing);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_EQ(grid->Cells(2, 2), "new");
}

TEST_F(GridEditorTest, MovingAwayStoresAndInvalidateEditorReloads)
{
    grid->ShowEditor();
    Editor()->SetText("typed");
    grid->InvalidateEditor(); // reload: the typed text is dropped
    EXPECT_EQ(Editor()->Text(), "abc");
    Editor()->SetText("kept");
    grid->SetRow(3);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 2), "kept");
    grid->SetOptions(grid->Options() + goAlwaysShowEditor); // the editor follows the current cell
    EXPECT_TRUE(grid->EditorMode());
    grid->SetCells(3, 3, "other");
    grid->SetCol(3);
    EXPECT_EQ(Editor()->Text(), "other");
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(3, 3));
}

TEST_F(GridEditorTest, EditorOpensOnlyForTheActiveGrid)
{
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetFocus();
    grid->ShowEditor();
    EXPECT_TRUE(Editor() == nullptr || !Editor()->Visible());
    grid->SetFocus();
    grid->ShowEditor();
    ASSERT_TRUE(Editor()->Visible());
    other->SetFocus(); // leaving the grid closes the editor and stores its text
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->EditTexts, std::vector<std::string>{"2,2=abc"});
}

struct TPassCase {
    const char* Name;
    int Caret; // -1: the whole text selected
    Word Key;
    TShiftState Shift;
    TGridCoord Expected; // the current cell afterwards
    bool Editing;        // the editor still open
    // A caret key at the end of the text (or with Ctrl): it goes to the grid only when the
    // editor follows the current cell (goAlwaysShowEditor), and stays in the text otherwise.
    bool CaretKey;
};

// Each case runs with a single-line and with a multi-line editor, and with an editor that
// follows the current cell (which stays open) and one that does not.
class GridEditorKeyTest : public GridEditorTest,
                          public ::testing::WithParamInterface<std::tuple<TPassCase, bool, bool>> {};

TEST_P(GridEditorKeyTest, MovementKeysGoToTheGrid)
{
    const auto& [c, multiLine, followed] = GetParam();
    grid->MultiLineCells = multiLine;
    if (followed) grid->SetOptions(grid->Options() + goAlwaysShowEditor);
    grid->ShowEditor();
    ASSERT_EQ(Editor()->MultiLine(), multiLine);
    if (c.Caret >= 0) {
        Editor()->SetSelStart(c.Caret);
        Editor()->SetSelLength(0);
    }
    const std::string text = Editor()->Text();
    PressKey(c.Key, c.Shift);
    const bool staysInText = c.CaretKey && !followed;
    const TGridCoord expected = staysInText ? TGridCoord{2, 2} : c.Expected;
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), expected);
    EXPECT_EQ(grid->EditorMode(), c.Editing || followed || staysInText);
    EXPECT_EQ(Editor()->Visible(), grid->EditorMode());
    if (staysInText) {
        EXPECT_EQ(Editor()->Text(), text);
    }
}

// The editor holds "abc" in cell (2, 2).
const TPassCase kPassCases[] = {
    {"Down", 1, VK_DOWN, {}, {2, 3}, false, false},
    {"Up", 1, VK_UP, {}, {2, 1}, false, false},
    {"PageDown", 1, VK_NEXT, {}, {2, 4}, false, false},
    {"Tab", 1, VK_TAB, {}, {3, 2}, false, false},
    {"LeftAtTheStart", 0, VK_LEFT, {}, {1, 2}, false, true},
    {"LeftInsideStaysInTheText", 1, VK_LEFT, {}, {2, 2}, true, false},
    {"LeftWithAllSelected", -1, VK_LEFT, {}, {1, 2}, false, true},
    {"HomeAtTheStart", 0, VK_HOME, {}, {1, 2}, false, true},
    {"HomeInsideStaysInTheText", 2, VK_HOME, {}, {2, 2}, true, false},
    {"RightAtTheEnd", 3, VK_RIGHT, {}, {3, 2}, false, true},
    {"RightInsideStaysInTheText", 1, VK_RIGHT, {}, {2, 2}, true, false},
    {"EndAtTheEnd", 3, VK_END, {}, {4, 2}, false, true},
    {"CtrlRightAtTheCaretKeys", 1, VK_RIGHT, {ssCtrl}, {4, 2}, false, true},
    {"CtrlHomeAtTheCaretKeys", 1, VK_HOME, {ssCtrl}, {1, 1}, false, true},
    {"EscapeGoesToTheGridAndStays", 1, VK_ESCAPE, {}, {2, 2}, true, false},
};

INSTANTIATE_TEST_SUITE_P(Keys, GridEditorKeyTest,
                         ::testing::Combine(::testing::ValuesIn(kPassCases), ::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) +
                                    (std::get<1>(info.param) ? "_MultiLine" : "_SingleLine") +
                                    (std::get<2>(info.param) ? "_Followed" : "");
                         });

TEST_F(GridEditorTest, MultiLineEditorKeepsLineBreaksAndMasksTakeOneLine)
{
    grid->MultiLineCells = true;
    grid->SetCells(2, 2, "ab\r\ncé");
    PressKey(VK_F2);
    ASSERT_TRUE(Editor()->MultiLine());
    EXPECT_TRUE(Editor()->WordWrap());
    EXPECT_EQ(Editor()->Text(), "ab\r\ncé");
    EXPECT_EQ(Editor()->SelStart(), 6); // a line break counts two characters
    Editor()->SetSelStart(2);
    TypeText("x");
    PressKey(VK_RETURN, {ssCtrl}); // Ctrl+Enter breaks the line; the grid sees the line feed first
    EXPECT_EQ(Editor()->Text(), "abx\r\n\r\ncé");
    EXPECT_EQ(Editor()->SelStart(), 5);
    EXPECT_EQ(grid->KeyPresses, (std::vector<char32_t>{U'x', U'\n'}));
    // Up and Down leave the cell even in the middle of several lines.
    PressKey(VK_DOWN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(2, 2), "abx\r\n\r\ncé");

    // The same editor turns single-line for a cell with a mask, keeping the text it shows.
    grid->OnGetEditMask = [](TObject*, int, int ARow, std::string& Value) { Value = ARow == 4 ? "000" : ""; };
    grid->SetCells(2, 4, "123");
    grid->SetRow(4);
    PressKey(VK_F2);
    EXPECT_FALSE(Editor()->MultiLine());
    EXPECT_EQ(Editor()->Text(), "123");
    PressKey(VK_UP);
    PressKey(VK_F2);
    EXPECT_TRUE(Editor()->MultiLine());
}

TEST_F(GridEditorTest, MultiLineEditorKeepsTheLengthLimitAndReportsChanges)
{
    grid->MultiLineCells = true;
    grid->ShowEditor();
    int changes = 0;
    Editor()->OnChange = [&](TObject*) { ++changes; };
    Editor()->SetMaxLength(5);
    Editor()->SetSelStart(3);
    TypeText("de");
    EXPECT_EQ(Editor()->Text(), "abcde");
    EXPECT_EQ(changes, 2);
    TypeText("f"); // full: refused
    EXPECT_EQ(Editor()->Text(), "abcde");
}

// --- the mouse ---------------------------------------------------------------------------

class GridMouseTest : public ::testing::Test, public GridFixture {
protected:
    void Press(int x, int y, TShiftState shift = {})
    {
        grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON | ShiftStateToMouseKeys(shift), PointToLParam({x, y}));
    }
    void MoveTo(int x, int y) { grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({x, y})); }
    void Release(int x, int y) { grid->Perform(WM_LBUTTONUP, 0, PointToLParam({x, y})); }
};

TEST_F(GridMouseTest, DraggingSelectsARange)
{
    Press(80, 30);
    EXPECT_EQ(grid->GridState(), gsSelecting);
    MoveTo(200, 80);
    Release(200, 80);
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3}));
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1}));
    EXPECT_TRUE(grid->Focused());
}

TEST_F(GridMouseTest, SizingColumnsAndRowsOnTheFixedCellBorders)
{
    grid->SetOptions(grid->Options() + goColSizing + goRowSizing);
    grid->Perform(WM_MOUSEMOVE, 0, PointToLParam({130, 10}));
    EXPECT_EQ(grid->VisibleCursor(), crHSplit);
    Press(130, 10); // the line after column 1 lies at 129
    EXPECT_EQ(grid->GridState(), gsColSizing);
    MoveTo(161, 10);
    Release(161, 10);
    EXPECT_EQ(grid->ColWidths(1), 95);
    EXPECT_EQ(grid->ColWidthChanges, 1);
    grid->Perform(WM_MOUSEMOVE, 0, PointToLParam({200, 60}));
    EXPECT_EQ(grid->VisibleCursor(), crDefault);
    Press(10, 49); // the line after row 1
    EXPECT_EQ(grid->GridState(), gsRowSizing);
    MoveTo(10, 70);
    Release(10, 70);
    EXPECT_EQ(grid->RowHeights(1), 45);
    Press(130, 60); // a border inside the scrolling cells sizes nothing
    Release(130, 60);
    EXPECT_EQ(grid->ColWidths(1), 95);
}

TEST_F(GridMouseTest, MovingAColumnByItsFixedCell)
{
    grid->SetOptions(grid->Options() + goColMoving);
    grid->SetCells(1, 2, "moved");
    Press(80, 10);
    EXPECT_EQ(grid->GridState(), gsColMoving);
    MoveTo(220, 10);
    Release(220, 10);
    EXPECT_EQ(grid->Moves, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(grid->Cells(3, 2), "moved");
}

TEST_F(GridMouseTest, ClickOnTheCurrentCellOpensTheEditor)
{
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetCells(2, 2, "v");
    ClickAt(grid, 150, 60);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 2}));
    ClickAt(grid, 150, 60);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "v");
}

} // namespace
