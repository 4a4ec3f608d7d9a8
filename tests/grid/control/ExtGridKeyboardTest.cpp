#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SyncGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"

namespace {

// Records the check-box toggles the keyboard asks for.
class TKeyProbeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    struct TToggle {
        int col, row;
        bool fromUser;
    };
    std::vector<TToggle> toggles;
    std::vector<bool> clickStates;
    bool ToggleCheckBoxCell(int ACol, int ARow, bool FromUser) override
    {
        toggles.push_back({ACol, ARow, FromUser});
        return true;
    }
    void DoCheckBoxClick(int, int, bool State) override { clickStates.push_back(State); }
};

class ExtGridKeyboardTest : public GridOnFormOf<TKeyProbeGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf::SetUp();
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(6);
        grid->SetRowCount(20);
        FillCoordinates();
        grid->SetFocus();
        grid->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { keysDown.push_back(Key); };
    }
    void Key(Word key, TShiftState shift = {}) { SendKey(key, shift, grid); }
    void GoTo(int col, int row) { grid->MoveCurrentCell(col, row); }
    TPoint Cell() const { return {grid->Col(), grid->Row()}; }
    TNavigation& Nav() { return *grid->Navigation(); }

    std::vector<Word> keysDown;
};

std::string Show(TPoint p) { return "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")"; }

TEST_F(ExtGridKeyboardTest, HomeAndEndGoWhereHomeEndKeySays)
{
    const struct {
        THomeEndAction action;
        Word key;
        TShiftState shift;
        int fixedFooters;
        TPoint expected;
    } cases[] = {
        {heFirstLastCell, VK_HOME, {}, 0, {1, 1}},  {heFirstLastCell, VK_END, {}, 0, {5, 19}},
        {heFirstLastRow, VK_HOME, {}, 0, {3, 1}},   {heFirstLastRow, VK_END, {}, 0, {3, 19}},
        {heFirstLastRow, VK_END, {}, 2, {3, 17}},   {heFirstLastColumn, VK_HOME, {}, 0, {1, 5}},
        {heFirstLastColumn, VK_END, {}, 0, {5, 5}}, {heFirstLastColumn, VK_HOME, {ssCtrl}, 0, {1, 1}},
    };
    for (const auto& c : cases) {
        Nav().HomeEndKey = c.action;
        grid->FixedFooters = c.fixedFooters;
        GoTo(3, 5);
        keysDown.clear();
        Key(c.key, c.shift);
        const std::string label = "action " + std::to_string(c.action) + " key " + std::to_string(c.key);
        EXPECT_EQ(Show(Cell()), Show(c.expected)) << label;
        EXPECT_EQ(keysDown, std::vector<Word>{c.key}) << label;
    }
}

TEST_F(ExtGridKeyboardTest, ShiftHomeSelectsToTheFirstColumnOfTheRow)
{
    GoTo(4, 6);
    Key(VK_HOME, {ssShift});
    const TGridRect sel = grid->Selection();
    EXPECT_EQ(std::min(sel.Left, sel.Right), 1);
    EXPECT_EQ(std::max(sel.Left, sel.Right), 4);
    EXPECT_EQ(sel.Top, 6);
    EXPECT_EQ(sel.Bottom, 6);
}

TEST_F(ExtGridKeyboardTest, ScrollOnlyKeysMoveTheViewNotTheCurrentCell)
{
    Nav().MoveScrollOnly = true;
    const int visible = grid->VisibleRowCount();
    const int bottom = grid->RowCount() - visible;
    ASSERT_GT(bottom, 3);
    const struct {
        Word key;
        int topBefore, topAfter;
    } cases[] = {
        {VK_DOWN, 1, 2},
        {VK_DOWN, bottom, bottom},
        {VK_UP, 2, 1},
        {VK_UP, 1, 1},
        {VK_HOME, bottom, 1},
        {VK_END, 1, bottom},
        {VK_NEXT, 1, 1 + visible},
        {VK_PRIOR, 3, 1},
        {VK_PRIOR, bottom, bottom - visible},
    };
    for (const auto& c : cases) {
        grid->SetTopRow(c.topBefore);
        GoTo(2, grid->TopRow());
        const TPoint before = Cell();
        keysDown.clear();
        Key(c.key);
        EXPECT_EQ(grid->TopRow(), c.topAfter) << "key " << c.key << " from " << c.topBefore;
        EXPECT_EQ(Show(Cell()), Show(before)) << "key " << c.key;
        EXPECT_TRUE(keysDown.empty()) << "key " << c.key;
    }
}

TEST_F(ExtGridKeyboardTest, CursorAdvanceWrapsAtTheEdges)
{
    const struct {
        TCursorAdvance advance;
        Word key;
        TPoint from, expected;
    } cases[] = {
        {caDefault, VK_LEFT, {1, 4}, {1, 4}}, {caLoop, VK_LEFT, {1, 4}, {5, 4}},
        {caSnake, VK_LEFT, {1, 4}, {5, 3}},   {caSnake, VK_LEFT, {1, 1}, {5, 1}},
        {caLoop, VK_RIGHT, {5, 4}, {1, 4}},   {caSnake, VK_RIGHT, {5, 4}, {1, 5}},
        {caLoop, VK_UP, {2, 1}, {2, 19}},     {caSnake, VK_UP, {2, 1}, {1, 19}},
        {caSnake, VK_DOWN, {2, 19}, {3, 1}},  {caLoop, VK_DOWN, {2, 19}, {2, 1}},
        {caSnake, VK_RIGHT, {3, 4}, {4, 4}},
    };
    for (const auto& c : cases) {
        Nav().CursorAdvance = c.advance;
        GoTo(c.from.X, c.from.Y);
        Key(c.key);
        EXPECT_EQ(Show(Cell()), Show(c.expected))
            << "advance " << c.advance << " key " << c.key << " from " << Show(c.from);
    }
}

class ExtGridTabTest : public ExtGridKeyboardTest {
protected:
    void SetUp() override
    {
        ExtGridKeyboardTest::SetUp();
        grid->SetOptions(grid->Options() + goTabs);
        Nav().AdvanceAutoEdit = false;
    }
    std::vector<TPoint> Walk(int steps, TShiftState shift = {})
    {
        std::vector<TPoint> cells;
        for (int i = 0; i < steps; ++i) {
            Key(VK_TAB, shift);
            cells.push_back(Cell());
        }
        return cells;
    }
    static std::string ShowAll(const std::vector<TPoint>& cells)
    {
        std::string s;
        for (const TPoint& p : cells)
            s += ::Show(p);
        return s;
    }
};

TEST_F(ExtGridTabTest, TabStepsOverMergedCellsBothWays)
{
    grid->MergeCells(2, 2, 2, 1);
    GoTo(1, 2);
    EXPECT_EQ(ShowAll(Walk(4)), "(2,2)(4,2)(5,2)(1,3)");
    GoTo(5, 2);
    EXPECT_EQ(ShowAll(Walk(3, {ssShift})), "(4,2)(2,2)(1,2)");
}

TEST_F(ExtGridTabTest, TabWhileEditingStopsOnlyOnEditableCells)
{
    grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) {
        if (ARow == 2 && (ACol == 2 || ACol == 3)) CanEdit = false;
    };
    grid->SetOptions(grid->Options() + goEditing);
    GoTo(1, 2);
    EXPECT_EQ(ShowAll(Walk(2)), "(4,2)(5,2)");
    EXPECT_EQ(ShowAll(Walk(2, {ssShift})), "(4,2)(1,2)");
}

TEST_F(ExtGridTabTest, TabAtTheEndOfTheGrid)
{
    GoTo(5, 19);
    Key(VK_TAB);
    EXPECT_EQ(Show(Cell()), "(1,1)");

    Nav().TabToNextAtEnd = true;
    GoTo(5, 19);
    EXPECT_FALSE(grid->AdvanceTab(false));
    EXPECT_EQ(Show(Cell()), "(1,1)");

    Nav().TabToNextAtEnd = false;
    Nav().SetAdvanceInsert(true);
    std::vector<int> added;
    grid->OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
    GoTo(5, 19);
    EXPECT_TRUE(grid->AdvanceTab(false));
    EXPECT_EQ(grid->RowCount(), 21);
    EXPECT_EQ(Show(Cell()), "(1,20)");
    EXPECT_EQ(added, std::vector<int>{20});
}

// With nothing editable the advance ends where it started, both ways.
TEST_F(ExtGridTabTest, TabInAGridWithoutEditableCellsEnds)
{
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    grid->SetOptions(grid->Options() + goEditing);
    GoTo(3, 4);
    EXPECT_TRUE(grid->AdvanceTab(false));
    EXPECT_EQ(Show(Cell()), "(3,4)");
    EXPECT_TRUE(grid->AdvanceTab(true));
    EXPECT_EQ(Show(Cell()), "(3,4)");
}

TEST_F(ExtGridKeyboardTest, SpaceTogglesACheckBoxOnlyWhereItMay)
{
    auto* graphic = new TCellGraphic;
    graphic->CellType = ctCheckBox;
    grid->GetCellProperties(2, 3)->GraphicObject = graphic;
    const struct {
        bool editing, alwaysActive;
        Word key;
        bool toggles;
    } cases[] = {
        {false, false, VK_SPACE, false},
        {false, true, VK_SPACE, true},
        {true, false, VK_SPACE, true},
        {true, false, VK_RETURN, false},
    };
    for (const auto& c : cases) {
        grid->toggles.clear();
        grid->ControlLook()->CheckAlwaysActive = c.alwaysActive;
        grid->SetOptions(c.editing ? grid->Options() + goEditing : grid->Options() - goEditing);
        GoTo(2, 3);
        Key(c.key);
        ASSERT_EQ(grid->toggles.size(), c.toggles ? 1u : 0u) << "editing " << c.editing << " key " << c.key;
        if (c.toggles) {
            EXPECT_EQ(grid->toggles[0].col, 2);
            EXPECT_EQ(grid->toggles[0].row, 3);
            EXPECT_TRUE(grid->toggles[0].fromUser);
        }
    }
    EXPECT_EQ(grid->clickStates.size(), 2u);
}

TEST_F(ExtGridKeyboardTest, KeypadPointEntersTheLocaleSeparator)
{
    FormatSettings().DecimalSeparator = ',';
    grid->ExcelStyleDecimalSeparator = true;
    grid->SetOptions(grid->Options() + goEditing);
    const struct {
        Word key;
        const char* typed;
    } cases[] = {{VK_DECIMAL, ","}, {VK_OEM_PERIOD, "."}};
    for (const auto& c : cases) {
        GoTo(2, 2);
        grid->HideInplaceEdit();
        GoTo(3, 3);
        Key(c.key);
        ASSERT_TRUE(grid->EditorMode()) << "key " << c.key;
        EXPECT_EQ(grid->InplaceEditor()->Text(), c.typed) << "key " << c.key;
    }
}

TEST_F(ExtGridKeyboardTest, TypingALetterOpensTheEditorWithTheChangedKey)
{
    grid->SetOptions(grid->Options() + goEditing);
    grid->OnKeyPress = [](TObject*, char32_t& Key) {
        if (Key == U'q') Key = U'Q';
    };
    GoTo(2, 2);
    SendText("q", grid);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Q");
}

TEST_F(ExtGridKeyboardTest, EnterOnAReadOnlyCellOnlyFiresOnKeyDown)
{
    std::vector<char32_t> pressed;
    grid->OnKeyPress = [&](TObject*, char32_t& Key) { pressed.push_back(Key); };
    GoTo(2, 2);
    Key(VK_RETURN);
    EXPECT_EQ(keysDown, std::vector<Word>{VK_RETURN});
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(Show(Cell()), "(2,2)");
}

// Sorted column 2; the lookup compares upper-cased texts.
TEST_F(ExtGridKeyboardTest, IncrementalLookupFindsTheFirstRowStartingWithTheTypedText)
{
    const char* texts[] = {"zulu", "beta", "Abend", "abba", "Ärger", "bravo"};
    for (int r = 0; r < 6; ++r)
        grid->SetCells(2, r + 1, texts[r]);
    grid->SortSettings()->Column = 2;
    Nav().AutoGotoWhenSorted = true;
    const struct {
        bool incremental;
        const char* typed;
        int row;
        const char* searchText;
    } cases[] = {
        {true, "ab", 3, "ab"}, {true, "abb", 4, "abb"}, {true, "br", 6, "br"},
        {false, "ab", 2, "b"}, {true, "ä", 5, "ä"},     {true, "q", 9, ""},
    };
    for (const auto& c : cases) {
        Nav().AutoGotoIncremental = c.incremental;
        grid->SetIncrSearchText("");
        GoTo(1, 9);
        SendText(c.typed, grid);
        EXPECT_EQ(grid->Row(), c.row) << c.typed;
        EXPECT_EQ(grid->IncrSearchText(), c.searchText) << c.typed;
    }
    // Backspace takes the last character back; Home keeps the text, Down clears it.
    Nav().AutoGotoIncremental = true;
    grid->SetIncrSearchText("");
    SendText("abx", grid);
    EXPECT_EQ(grid->IncrSearchText(), "");
    SendText("abb", grid);
    SendKey(VK_BACK, {}, grid);
    EXPECT_EQ(grid->IncrSearchText(), "ab");
    EXPECT_EQ(grid->Row(), 3);
    Key(VK_HOME);
    EXPECT_EQ(grid->IncrSearchText(), "ab");
    Key(VK_DOWN);
    EXPECT_EQ(grid->IncrSearchText(), "");
}

// The lookup reads a cell as it is shown: its markup tags do not count.
TEST_F(ExtGridKeyboardTest, IncrementalLookupComparesTheTextWithoutItsTags)
{
    const char* texts[] = {"zulu", "<b>Beta</b>", "<font color=\"red\">bravo</font>"};
    for (int r = 0; r < 3; ++r)
        grid->SetCells(2, r + 1, texts[r]);
    grid->SortSettings()->Column = 2;
    Nav().AutoGotoWhenSorted = true;
    Nav().AutoGotoIncremental = true;
    const struct {
        const char* typed;
        int row;
    } cases[] = {{"be", 2}, {"br", 3}, {"<", 9}};
    for (const auto& c : cases) {
        grid->SetIncrSearchText("");
        GoTo(1, 9);
        SendText(c.typed, grid);
        EXPECT_EQ(grid->Row(), c.row) << c.typed;
    }
}

TEST_F(ExtGridKeyboardTest, TheLookupMakesTheGridWantCharacters)
{
    EXPECT_EQ(grid->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0);
    Nav().AutoGotoWhenSorted = true;
    EXPECT_NE(grid->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0);
    grid->SetOptions(grid->Options() + goEditing);
    EXPECT_NE(grid->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0);
}

TEST_F(ExtGridKeyboardTest, CtrlAllSelectsTheNormalCellsOnlyForRangeOrRowSelection)
{
    GoTo(3, 4);
    grid->SetOptions(grid->Options() - goRangeSelect);
    Key('A', {ssCtrl});
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 3, 4}));
    grid->FixedFooters = 1;
    grid->SetOptions(grid->Options() + goRangeSelect);
    Key('A', {ssCtrl});
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 5, 18}));
}

TEST_F(ExtGridKeyboardTest, CtrlUpAndDownMoveTheCurrentRowWithCursorMoveRows)
{
    Nav().CursorMoveRows = true;
    GoTo(2, 4);
    Key(VK_DOWN, {ssCtrl});
    EXPECT_EQ(grid->Cells(2, 5), "2,4");
    EXPECT_EQ(grid->Cells(2, 4), "2,5");
    EXPECT_EQ(grid->Row(), 5);
    Key(VK_UP, {ssCtrl});
    Key(VK_UP, {ssCtrl});
    EXPECT_EQ(grid->Cells(2, 3), "2,4");
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(ExtGridKeyboardTest, ArrowsSkipDisabledRows)
{
    grid->SetRowEnabled(5, false);
    grid->SetRowEnabled(6, false);
    GoTo(2, 4);
    Key(VK_DOWN);
    EXPECT_EQ(grid->Row(), 7);
    Key(VK_UP);
    EXPECT_EQ(grid->Row(), 4);
}

TEST_F(ExtGridKeyboardTest, ASynchronisedGridFollowsTheCurrentCell)
{
    auto* other = new TStringGrid(&form);
    other->SetParent(&form);
    other->SetColCount(6);
    other->SetRowCount(20);
    grid->SyncGrid()->SetGrid(other);
    grid->SyncGrid()->SelectionRow = true;
    GoTo(2, 4);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    EXPECT_EQ(other->Row(), 5);
    EXPECT_EQ(other->Col(), 1);
    grid->SyncGrid()->SelectionColumn = true;
    Key(VK_RIGHT);
    EXPECT_EQ(other->Col(), 4);
}

TEST_F(ExtGridKeyboardTest, LeftAndRightScrollAWideRowSelectingGrid)
{
    grid->SetColCount(30);
    grid->SetOptions(grid->Options() + goRowSelect);
    // Where Left and Right select rows, plain Right goes to the next row instead.
    const struct {
        bool leftRightRowSelect;
        TShiftState shift;
        int leftAfter, rowAfter;
    } cases[] = {{false, {}, 2, 4}, {true, {}, 1, 5}, {true, {ssCtrl}, 2, 4}};
    for (const auto& c : cases) {
        Nav().LeftRightRowSelect = c.leftRightRowSelect;
        GoTo(1, 4);
        grid->SetLeftCol(1);
        Key(VK_RIGHT, c.shift);
        EXPECT_EQ(grid->LeftCol(), c.leftAfter) << "row keys " << c.leftRightRowSelect;
        EXPECT_EQ(grid->Row(), c.rowAfter) << "row keys " << c.leftRightRowSelect;
    }
}

// The clipboard keys ask their events; with shortcuts off they are plain keys.
TEST_F(ExtGridKeyboardTest, ClipboardKeysAskTheirEvents)
{
    std::string asked;
    grid->OnClipboardCut = [&](TObject*, bool&) { asked += "x"; };
    grid->OnClipboardCopy = [&](TObject*, bool&) { asked += "c"; };
    grid->OnClipboardPaste = [&](TObject*, bool&) { asked += "v"; };
    const struct {
        Word key;
        TShiftState shift;
    } keys[] = {{'X', {ssCtrl}},       {'C', {ssCtrl}},        {'V', {ssCtrl}},
                {VK_INSERT, {ssCtrl}}, {VK_INSERT, {ssShift}}, {VK_DELETE, {ssShift}}};
    for (const auto& k : keys)
        Key(k.key, k.shift);
    EXPECT_EQ(asked, "");
    Nav().AllowClipboardShortCuts = true;
    for (const auto& k : keys)
        Key(k.key, k.shift);
    EXPECT_EQ(asked, "xcvcvx");
}

// A cell whose markup holds form controls leaves Enter, F2 and typed characters to them.
TEST_F(ExtGridKeyboardTest, KeysOnACellWithFormControlsOpenNoEditor)
{
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetCells(2, 3, "Name: <CONTROL TYPE=\"EDIT\" ID=\"n\">");
    grid->SetCells(3, 3, "<b>bold</b>");
    const struct {
        int col;
        Word key;
        bool opens;
    } cases[] = {{2, VK_F2, false}, {2, 'A', false}, {3, VK_F2, true}, {3, 'A', true}};
    for (const auto& c : cases) {
        GoTo(1, 1);
        GoTo(c.col, 3);
        Key(c.key);
        EXPECT_EQ(grid->EditorMode(), c.opens) << "column " << c.col << " key " << c.key;
    }
}

// The automatic edit starts as a click would, without the mouse events.
TEST_F(ExtGridTabTest, TabWithAutoEditOpensTheEditorInTheNextCell)
{
    int mouseEvents = 0;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseEvents; };
    grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseEvents; };
    grid->SetOptions(grid->Options() + goEditing);
    Nav().AdvanceAutoEdit = true;
    GoTo(2, 3);
    Key(VK_TAB);
    EXPECT_EQ(::Show(Cell()), "(3,3)");
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(mouseEvents, 0);
    ASSERT_TRUE(grid->OnMouseDown);
    ASSERT_TRUE(grid->OnMouseUp);
}

} // namespace
