#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "GridShapes.h"
#include "grid/control/FindParameters.h"
#include "grid/control/GridCombo.h"
#include "grid/control/settings/Filter.h"
#include "grid/foundation/model/CellChecker.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

namespace {

// The editors a changed value is held in while the rows change.
struct TEditorCase {
    const char* what;
    TEditorType kind;
    std::string cell;
    const char* typed;
    Word key; // pressed after typing, 0 for none
};

const std::vector<TEditorCase>& EditorCases()
{
    static const std::vector<TEditorCase> cases = {
        {"text", edNormal, "abc", "9", 0},
        {"spin", edSpinEdit, "42", "7", 0},
        {"editable combo", edComboEdit, "X", "q", 0},
        {"list combo", edComboList, "A", "", VK_DOWN},
        {"date picker", edDateEdit, DateToStr(EncodeDate(2020, 3, 14)), "", VK_UP},
        {"memo drop-down", edMemoDropDown, "abc", "z", 0},
    };
    return cases;
}

// A program call that changes the rows while the cell that showed "2,5" (real column 2,
// real row 5) is edited; Prepare runs before the editor opens. EditedAt is the display row
// of the edited cell.
struct TRowChangeCase {
    const char* what;
    std::function<void(TExtStringGrid&)> prepare;
    std::function<void(TExtStringGrid&, int EditedAt)> change;
};

// Hides display row 1 (real row 1 in every shape) as a filter of its own.
void FilterOutRowOne(TExtStringGrid& Grid)
{
    Grid.OnCustomFilter = [](TObject*, int ARow, bool& Accept) {
        if (ARow == 1) Accept = false;
    };
}

// The first node from the top in the given state, as a real row.
int FirstNode(TExtStringGrid& Grid, bool Contracted)
{
    for (int r = Grid.FixedRows(); r < Grid.RowCount(); ++r)
        if (Grid.IsNode(r) && Grid.GetNodeState(r) == Contracted) return Grid.RealRowIndex(r);
    ADD_FAILURE() << "no node " << (Contracted ? "contracted" : "open");
    return -1;
}

const std::vector<TRowChangeCase>& RowChangeCases()
{
    using G = TExtStringGrid;
    static const std::vector<TRowChangeCase> cases = {
        {"HideRows above", {}, [](G& g, int) { g.HideRows(1, 1); }},
        {"HideRowsEx above", {}, [](G& g, int) { g.HideRowsEx(1, 1); }},
        {"HideRowList above", {}, [](G& g, int) { g.HideRowList({1}); }},
        {"UnHideRows above", [](G& g) { g.HideRows(1, 1); }, [](G& g, int) { g.UnHideRows(1, 1); }},
        {"InsertRows above", {}, [](G& g, int) { g.InsertRows(1, 1); }},
        {"RemoveRows above", {}, [](G& g, int) { g.RemoveRows(1, 1); }},
        {"MoveRows from above to below", {}, [](G& g, int at) { g.MoveRows(1, at + 2, 1); }},
        {"SwapRows with the edited row", {}, [](G& g, int at) { g.SwapRows(1, at); }},
        {"ApplyFilter", FilterOutRowOne, [](G& g, int) { g.ApplyFilter(); }},
        {"RemoveLastFilter",
         [](G& g) {
             FilterOutRowOne(g);
             g.ApplyFilter();
         },
         [](G& g, int) { g.RemoveLastFilter(); }},
        {"ExpandNode above",
         [](G& g) {
             if (g.HasNodes()) return;
             g.AddNode(1, 4);
             g.ContractNode(1);
         },
         [](G& g, int) { g.ExpandNode(FirstNode(g, true)); }},
        {"ContractNode above",
         [](G& g) {
             if (!g.HasNodes()) g.AddNode(1, 4);
             g.ExpandAll();
         },
         [](G& g, int) { g.ContractNode(FirstNode(g, false)); }},
        {"RowCount grows", {}, [](G& g, int) { g.SetRowCount(g.RowCount() + 1); }},
    };
    return cases;
}

// An open editor belongs to its cell: whatever comes, goes or moves around it, what the
// edit stores lands in the cell it was opened on, and no other cell changes.
class ExtGridEditUnderRowChangeTest : public GridOnForm, public testing::WithParamInterface<TGridShape> {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        SetBeeper([] {});
        Shape();
    }
    void TearDown() override { SetBeeper(nullptr); }

    // The grid filled and shaped afresh, focused and standing on the cell that shows "2,5".
    void Shape()
    {
        FillInShape(*grid, GetParam());
        grid->SetOptions(grid->Options() + goEditing);
        grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
            grid->EditCombo()->Items()->Clear();
            grid->EditCombo()->Items()->Add("A");
            grid->EditCombo()->Items()->Add("B");
        };
        grid->SetFocus();
        StandOn(*grid, "2,5");
    }
    void NewGrid()
    {
        Application->ProcessMessages();
        delete grid;
        grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        Shape();
    }

    // The current cell, opened by F2 in the editor of Case, holding Case's changed value.
    void OpenAndChange(const TEditorCase& Case)
    {
        grid->SetCells(grid->RealCol(), grid->Row(), Case.cell);
        grid->OnGetEditorType = [kind = Case.kind](TObject*, int, int, TEditorType& AEditor) { AEditor = kind; };
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode());
        SendText(Case.typed);
        if (Case.key != 0) SendKey(Case.key);
    }

    // What Enter stores from Case's editor on a grid whose rows stay put.
    std::string ValueEnterStores(const TEditorCase& Case)
    {
        NewGrid();
        OpenAndChange(Case);
        SendKey(VK_RETURN);
        const std::string stored = grid->AllGridCells(2, 5);
        EXPECT_NE(stored, Case.cell) << "the editor changed nothing";
        return stored;
    }

    // Every stored row holds the "c,r" texts of its own row (an inserted row none), but the
    // edited cell, real column 2 of the row that showed "2,5", which holds Edited.
    void ExpectOnlyTheEditedCellChanged(const std::string& Edited)
    {
        bool editedSeen = false;
        for (int r = 0; r < grid->TotalRowCount(); ++r) {
            const std::string first = grid->AllGridCells(0, r);
            const int own = first.empty() ? -1 : std::stoi(first.substr(first.find(',') + 1));
            for (int c = 0; c < grid->TotalColCount(); ++c) {
                const bool edited = own == 5 && c == 2;
                editedSeen = editedSeen || edited;
                const std::string expected = own < 0 ? "" : edited ? Edited : ShapedCellText(c, own);
                EXPECT_EQ(grid->AllGridCells(c, r), expected) << "stored cell " << c << "," << r;
            }
        }
        EXPECT_TRUE(editedSeen);
    }

    // The current cell is the edited one, at the place the rows' change took it to.
    void ExpectFocusOnTheEditedCell()
    {
        EXPECT_EQ(grid->RealCol(), 2);
        EXPECT_EQ(grid->AllGridCells(0, grid->RealRowIndex(grid->Row())), "0,5");
    }
};

TEST_P(ExtGridEditUnderRowChangeTest, RowsThatChangeUnderAnOpenEditorEndItIntoItsOwnCell)
{
    for (const TEditorCase& editor : EditorCases()) {
        SCOPED_TRACE(editor.what);
        const std::string value = ValueEnterStores(editor);
        for (const TRowChangeCase& change : RowChangeCases())
            for (const Word key : {VK_RETURN, VK_ESCAPE}) {
                SCOPED_TRACE(std::string(change.what) + (key == VK_RETURN ? ", then Enter" : ", then Escape"));
                NewGrid();
                if (change.prepare) change.prepare(*grid);
                StandOn(*grid, "2,5");
                OpenAndChange(editor);
                change.change(*grid, grid->Row());
                EXPECT_FALSE(grid->IsEditMode());
                ExpectFocusOnTheEditedCell();
                const TStoredCell edited = grid->EditedCell();
                EXPECT_EQ(grid->AllGridCells(edited.Col.Index(), edited.Row.Index()), value);
                SendKey(key);
                if (grid->IsEditMode()) SendKey(VK_ESCAPE);
                ExpectOnlyTheEditedCellChanged(value);
                EXPECT_EQ(grid->RowSpace().CheckConsistency(grid->RowCount()), "");
            }
    }
}

// A user's click on the glyph of a contracted node above the edited row, in a grid without
// fixed columns, brings the node's rows back under the open editor.
TEST_P(ExtGridEditUnderRowChangeTest, ANodeGlyphClickAboveTheEditedRowEndsTheEditIntoItsOwnCell)
{
    for (const TEditorCase& editor : EditorCases()) {
        SCOPED_TRACE(editor.what);
        const std::string value = ValueEnterStores(editor);
        for (const Word key : {VK_RETURN, VK_ESCAPE}) {
            SCOPED_TRACE(key == VK_RETURN ? "then Enter" : "then Escape");
            NewGrid();
            grid->SetFixedCols(0);
            if (!grid->HasNodes()) {
                grid->AddNode(1, 4);
                grid->ContractNode(1);
            }
            const int node = grid->DisplRowIndex(FirstNode(*grid, true));
            StandOn(*grid, "2,5");
            OpenAndChange(editor);
            const TRect glyph = grid->CellRect(0, node);
            SendClick(grid, glyph.Left + 8, glyph.Top + glyph.Height() / 2);
            EXPECT_FALSE(grid->GetNodeState(node)) << "the click expanded no node";
            EXPECT_FALSE(grid->IsEditMode());
            ExpectFocusOnTheEditedCell();
            SendKey(key);
            if (grid->IsEditMode()) SendKey(VK_ESCAPE);
            ExpectOnlyTheEditedCellChanged(value);
        }
    }
}

// Program moves of the focus (find, the cell checker, the filter, FocusCell itself) leave
// the edited cell the way a move the cell-selection rules allow does: its value goes into
// it first.
TEST_P(ExtGridEditUnderRowChangeTest, ProgramMovesOfTheFocusEndTheEditIntoItsOwnCell)
{
    using G = TExtStringGrid;
    TExtStringGridCheck checker(nullptr);
    checker.GotoCell = true;
    const struct {
        const char* what;
        std::function<void(G&)> move;
        const char* focusAfter; // the text the current cell shows afterwards
    } moves[] = {
        {"FocusCell", [](G& g) { StandOn(g, "3,7"); }, "3,7"},
        {"find", [](G& g) { g.FindFirst("3,7", {fnAutoGoto}); }, "3,7"},
        {"the cell checker",
         [&checker](G& g) {
             g.CellChecker = &checker;
             g.CheckRow(false, DisplayCellShowing(g, "3,7").Y);
         },
         "2,5"},
        {"the filter switched",
         [](G& g) {
             if (!g.FilterActive()) {
                 TFilterData& item = g.Filter()->Add();
                 item.Column = 1;
                 item.Condition = "*1|*3|*5|*7|*9";
                 item.Data = fcNormal;
             }
             g.SetFilterActive(!g.FilterActive());
         },
         "2,5"},
    };
    for (const TEditorCase& editor : EditorCases()) {
        SCOPED_TRACE(editor.what);
        const std::string value = ValueEnterStores(editor);
        for (const auto& m : moves)
            for (const Word key : {VK_RETURN, VK_ESCAPE}) {
                SCOPED_TRACE(std::string(m.what) + (key == VK_RETURN ? ", then Enter" : ", then Escape"));
                NewGrid();
                OpenAndChange(editor);
                m.move(*grid);
                EXPECT_FALSE(grid->IsEditMode());
                EXPECT_EQ(grid->Cells(grid->RealCol(), grid->Row()), m.focusAfter == std::string("2,5") ? value : m.focusAfter);
                EXPECT_EQ(grid->AllGridCells(2, 5), value);
                SendKey(key);
                if (grid->IsEditMode()) SendKey(VK_ESCAPE);
                ExpectOnlyTheEditedCellChanged(value);
                grid->CellChecker = nullptr;
            }
    }
}

// The application's own handlers change the rows while the value is typed or decided.
TEST_P(ExtGridEditUnderRowChangeTest, RowsThatAHandlerChangesDuringTheEditLeaveTheValueInItsOwnCell)
{
    const struct {
        const char* what;
        // Change runs when the value first differs from Before.
        std::function<void(TExtStringGrid&, const std::string& Before, std::function<void()> Change)> hook;
    } handlers[] = {
        {"while typed",
         [](TExtStringGrid& g, const std::string& Before, std::function<void()> Change) {
             g.OnEditChange = [Change, Before](TObject*, int, int, const std::string& Value) {
                 if (Value != Before) Change();
             };
         }},
        {"while validated",
         [](TExtStringGrid& g, const std::string&, std::function<void()> Change) {
             g.OnCellValidate = [Change](TObject*, int, int, std::string&, bool&) { Change(); };
         }},
    };
    for (const TEditorCase& editor : {EditorCases()[0], EditorCases()[1], EditorCases()[2]}) {
        SCOPED_TRACE(editor.what);
        const std::string value = ValueEnterStores(editor);
        for (const auto& h : handlers) {
            SCOPED_TRACE(h.what);
            NewGrid();
            bool changed = false;
            h.hook(*grid, editor.cell, [this, &changed] {
                if (!std::exchange(changed, true)) grid->HideRows(1, 1);
            });
            OpenAndChange(editor);
            SendKey(VK_RETURN);
            if (grid->IsEditMode()) SendKey(VK_RETURN);
            EXPECT_TRUE(changed);
            ExpectOnlyTheEditedCellChanged(value);
        }
    }
}

// A value the application refuses does not hold up a change of the rows, which the program
// asked for: the edit is given up, back to the cell's text from before editing, and the rows
// change. A program move of the focus waits, as a refused click does: the editor stays open
// on its cell.
TEST_P(ExtGridEditUnderRowChangeTest, ARefusedValueIsGivenUpForARowChangeAndHoldsAFocusMove)
{
    for (const TEditorCase& editor : EditorCases()) {
        SCOPED_TRACE(editor.what);
        {
            SCOPED_TRACE("rows inserted above");
            NewGrid();
            OpenAndChange(editor);
            grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& Valid) { Valid = false; };
            grid->InsertRows(1, 1);
            EXPECT_FALSE(grid->IsEditMode());
            ExpectFocusOnTheEditedCell();
            grid->OnCellValidate = nullptr;
            ExpectOnlyTheEditedCellChanged(editor.cell);
        }
        {
            SCOPED_TRACE("focus moved");
            NewGrid();
            OpenAndChange(editor);
            grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& Valid) { Valid = false; };
            grid->FocusCell(grid->DisplColIndex(3), DisplayCellShowing(*grid, "3,7").Y);
            EXPECT_TRUE(grid->IsEditMode());
            ExpectFocusOnTheEditedCell();
            ExpectOnlyTheEditedCellChanged(grid->AllGridCells(2, 5));
            grid->OnCellValidate = nullptr;
            SendKey(VK_ESCAPE);
            EXPECT_FALSE(grid->IsEditMode());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridEditUnderRowChangeTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
