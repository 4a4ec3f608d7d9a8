#pragma once
#include "GridOnForm.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

// A focused, editable grid on a shown form, its current cell (1, 1); refused keys beep silently.
template <typename TGrid> class EditingGridOnFormOf : public GridOnFormOf<TGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf<TGrid>::SetUp();
        SetBeeper([] {});
        this->grid->SetOptions(this->grid->Options() + goEditing);
        this->grid->SetFocus();
        this->grid->MoveCurrentCell(1, 1);
    }
    void TearDown() override { SetBeeper(nullptr); }
    // Cell (1, 1) holds Text and opens, by F2, in the editor of that kind.
    void Open(const std::string& Text, TEditorType Kind)
    {
        this->grid->SetCells(1, 1, Text);
        this->grid->OnGetEditorType = [Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Kind; };
        SendKey(VK_F2);
        ASSERT_TRUE(this->grid->IsEditMode());
    }
};

using EditingGridOnForm = EditingGridOnFormOf<TExtStringGrid>;
