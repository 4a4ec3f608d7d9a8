#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "GridOnForm.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Opens the protected focus handlers and records the cells it repaints.
class TProbeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::DoEnter;
    using TExtStringGrid::DoExit;
    using TExtStringGrid::FCellSelectorMode;
    using TExtStringGrid::FEditSession;
    using TExtStringGrid::FOldCellText;
    using TExtStringGrid::FSizeFixed;
    using TExtStringGrid::TExtStringGrid;
    void RepaintCell(int ACol, int ARow) override
    {
        Repainted.insert({ACol, ARow});
        TExtStringGrid::RepaintCell(ACol, ARow);
    }
    void Tick() { Perform(WM_TIMER, GridTimerID); }
    std::set<std::pair<int, int>> Repainted;
};

// The tests drive the ticks themselves; the real timer must not add any.
class ExtGridFocusTimerTest : public GridOnFormOf<TProbeGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf<TProbeGrid>::SetUp();
        grid->KillTimer(TExtStringGrid::GridTimerID);
    }
};

TEST_F(ExtGridFocusTimerTest, OnlyTheGridTimerTicks)
{
    grid->Perform(WM_TIMER, 7);
    EXPECT_EQ(grid->TimerTicks(), 0);
    grid->Tick();
    grid->Tick();
    EXPECT_EQ(grid->TimerTicks(), 2);
}

TEST_F(ExtGridFocusTimerTest, TheIncrementalSearchTextIsForgottenOnTheFourthTick)
{
    grid->Navigation()->AutoGotoIncremental = true;
    grid->SetIncrSearchText("ab");
    for (int tick = 1; tick <= 4; ++tick) {
        grid->Tick();
        EXPECT_EQ(grid->IncrSearchText(), tick < 4 ? "ab" : "") << tick;
    }
}

TEST_F(ExtGridFocusTimerTest, WithHoveringTheCurrentCellFollowsTheMouseOverNormalCells)
{
    grid->Hovering = true;
    const struct {
        int col, row;
        TPoint expected;
    } cases[] = {{3, 4, {3, 4}}, {0, 6, {3, 4}}, {2, 0, {3, 4}}, {1, 2, {1, 2}}};
    for (const auto& c : cases) {
        const TRect r = grid->CellRect(c.col, c.row);
        grid->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(r.Left + 2, r.Top + 2));
        grid->Tick();
        EXPECT_EQ((TPoint{grid->Col(), grid->Row()}), c.expected) << c.col << "," << c.row;
    }
}

TEST_F(ExtGridFocusTimerTest, BlinkingCellsInViewAreRepaintedEveryTick)
{
    grid->EnableBlink = true;
    grid->SetCells(2, 3, "<bli>on</bli>");
    grid->SetCells(0, 5, "<BLINK>fixed</BLINK>");
    grid->SetCells(3, 3, "plain");
    grid->Repainted.clear();
    grid->Tick();
    EXPECT_TRUE(grid->GridBlink());
    EXPECT_EQ(grid->Repainted, (std::set<std::pair<int, int>>{{2, 3}, {0, 5}}));
    grid->Tick();
    EXPECT_FALSE(grid->GridBlink());
}

TEST_F(ExtGridFocusTimerTest, EnteringKeepsTheCurrentValueEvenWhenOnEnterRaises)
{
    grid->SetCells(1, 1, "before");
    grid->OnEnter = [](TObject*) { throw std::runtime_error("handler"); };
    EXPECT_THROW(grid->DoEnter(), std::runtime_error);
    EXPECT_EQ(grid->FOldCellText, "before");

    int entered = 0, exited = 0;
    grid->OnEnter = [&](TObject*) { ++entered; };
    grid->OnExit = [&](TObject*) { ++exited; };
    {
        // An edit ending hands the focus back to the grid: that is neither entering nor leaving.
        grid->FEditSession.Begin(edSpinEdit);
        grid->FEditSession.End(TEditEnd::Accepted, {.Close = [&] {
                                                         const auto refocus = grid->FEditSession.HoldRefocus();
                                                         grid->DoEnter();
                                                         grid->DoExit();
                                                     }});
    }
    EXPECT_EQ(entered + exited, 0);
    grid->DoEnter();
    grid->DoExit();
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 1);
}

TEST_F(ExtGridFocusTimerTest, AnAlwaysEditGridOpensTheEditorOnArrivalOnlyForEditableCells)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    grid->SetOptions(grid->Options() + goEditing);
    grid->Navigation()->AlwaysEdit = true;
    grid->GetCellProperties(3, 4)->ReadOnly = true;
    grid->SetFocus();
    grid->SetEditorMode(true); // the text editor exists from here on
    const struct {
        int col, row;
        bool editing;
    } cases[] = {{3, 4, false}, {2, 2, true}};
    for (const auto& c : cases) {
        grid->FocusCell(c.col, c.row);
        other->SetFocus();
        grid->SetEditorMode(false);
        grid->SetFocus();
        EXPECT_EQ(grid->EditorMode(), c.editing) << c.col << "," << c.row;
    }
}

TEST_F(ExtGridFocusTimerTest, LosingTheFocusRepaintsAMergedCurrentCellUnlessBlocked)
{
    grid->MergeCells(2, 2, 2, 2);
    grid->FocusCell(2, 2);
    grid->SetFocus();
    grid->Repainted.clear();
    EXPECT_EQ(grid->Perform(WM_KILLFOCUS), 0);
    EXPECT_TRUE(grid->Repainted.count({2, 2}));
    grid->Repainted.clear();
    grid->FEditSession.Begin(edSpinEdit);
    grid->FEditSession.End(TEditEnd::Accepted, {.Close = [&] { EXPECT_EQ(grid->Perform(WM_KILLFOCUS), 1); }});
    EXPECT_TRUE(grid->Repainted.empty());
}

TEST_F(ExtGridFocusTimerTest, TheCursorFollowsTheSelectModeTheSelectorAndTheSizingEdges)
{
    const TPoint inside{grid->CellRect(2, 2).Left + 2, grid->CellRect(2, 2).Top + 2};
    grid->SetCursor(crDefault);
    const struct {
        TMouseSelectMode mode;
        TCursor cursor;
    } modes[] = {{msColumn, TExtStringGrid::crColumnSelect},
                 {msRow, TExtStringGrid::crRowSelect},
                 {msAll, TExtStringGrid::crSelectAll},
                 {msResize, TExtStringGrid::crSelectAll},
                 {msURL, crHandPoint}};
    for (const auto& m : modes) {
        grid->SetMouseSelectMode(m.mode, crHandPoint);
        EXPECT_EQ(grid->CursorAt(inside), m.cursor) << m.mode;
    }
    grid->Perform(CM_CURSORCHANGED);
    EXPECT_EQ(grid->MouseSelectMode(), msNormal) << "a cursor change from elsewhere resets the mode";

    grid->FCellSelectorMode = true;
    EXPECT_EQ(grid->CursorAt(inside), TExtStringGrid::crCellSelector);
    grid->FCellSelectorMode = false;
    grid->OnGetCellCursor = [](TObject*, int col, int, int, int, TCursor& cursor) {
        cursor = col == 2 ? crIBeam : cursor;
    };
    EXPECT_EQ(grid->CursorAt(inside), crIBeam);
    grid->FSizeFixed = true;
    EXPECT_EQ(grid->CursorAt(inside), crHSplit);
}

// The mouse over a cell shows that cell's cursor; the grid's own Cursor stays.
TEST_F(ExtGridFocusTimerTest, TheMouseShowsTheCellsCursorWithoutChangingTheGridsCursor)
{
    grid->OnGetCellCursor = [](TObject*, int col, int, int, int, TCursor& cursor) {
        cursor = col == 2 ? crHandPoint : cursor;
    };
    const TRect cell = grid->CellRect(2, 2), other = grid->CellRect(3, 2);
    SendMouseMove(grid, cell.Left + 5, cell.Top + 5);
    EXPECT_EQ(grid->VisibleCursor(), crHandPoint);
    EXPECT_EQ(grid->Cursor(), crDefault);
    SendMouseMove(grid, other.Left + 5, other.Top + 5);
    EXPECT_EQ(grid->VisibleCursor(), crDefault);
}

TEST_F(ExtGridFocusTimerTest, HoverFixedCellsChoosesWhichFixedCellsLightUp)
{
    const struct {
        THoverFixedCells setting;
        bool fixedCol, fixedRow, normal;
    } cases[] = {{hfNone, false, false, false},
                 {hfAll, true, true, false},
                 {hfFixedColumns, true, false, false},
                 {hfFixedRows, false, true, false}};
    for (const auto& c : cases) {
        grid->SetHoverFixedCells(c.setting);
        EXPECT_EQ(grid->IsHoverFixedCell(0, 3), c.fixedCol) << c.setting;
        EXPECT_EQ(grid->IsHoverFixedCell(3, 0), c.fixedRow) << c.setting;
        EXPECT_EQ(grid->IsHoverFixedCell(3, 3), c.normal) << c.setting;
    }
}

} // namespace
