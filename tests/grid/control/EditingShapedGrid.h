#pragma once
#include <string>

#include "GridShapes.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

// A focused, editable grid in the shape of the test's parameter, standing on the cell that
// shows "2,5"; refused keys beep silently.
class EditingShapedGridTest : public ShapedGridTest {
protected:
    void SetUp() override
    {
        ShapedGridTest::SetUp();
        SetBeeper([] {});
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetFocus();
        StandOn(*grid, "2,5");
        home = {grid->Col(), grid->Row()};
    }
    void TearDown() override { SetBeeper(nullptr); }
    std::string CurrentText() const { return grid->Cells(grid->RealCol(), grid->Row()); }
    // The cell the test started on (real column 2), wherever the current cell went since.
    std::string HomeText() const { return grid->Cells(2, home.Y); }
    void GoHome() { grid->MoveCurrentCell(home.X, home.Y); }
    // The display cell showing "2,5" when the test started.
    TPoint home;
    // The current cell holds Text and opens, by F2, in the editor of that kind.
    void Open(const std::string& Text, TEditorType Kind)
    {
        grid->SetCells(grid->RealCol(), grid->Row(), Text);
        grid->OnGetEditorType = [Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Kind; };
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode());
    }
};
