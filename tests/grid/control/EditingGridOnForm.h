#pragma once
#include "GridOnForm.h"
#include "platform/ui/Beep.h"

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
};
