#pragma once
#include "GridOnForm.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

// A focused, editable grid on a shown form, its current cell (1, 1); refused keys beep silently.
class EditingGridOnForm : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        SetBeeper([] {});
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetFocus();
        grid->MoveCurrentCell(1, 1);
    }
    void TearDown() override { SetBeeper(nullptr); }
    // Cell (1, 1) holds Text and opens, by F2, in the editor of that kind.
    void Open(const std::string& Text, TEditorType Kind)
    {
        grid->SetCells(1, 1, Text);
        grid->OnGetEditorType = [Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Kind; };
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode());
    }
};
