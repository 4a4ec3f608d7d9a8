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
    }
    void TearDown() override { SetBeeper(nullptr); }
    std::string CurrentText() const { return grid->Cells(grid->RealCol(), grid->Row()); }
    // The current cell holds Text and opens, by F2, in the editor of that kind.
    void Open(const std::string& Text, TEditorType Kind)
    {
        grid->SetCells(grid->RealCol(), grid->Row(), Text);
        grid->OnGetEditorType = [Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Kind; };
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode());
    }
};
