#include <gtest/gtest.h>

#include <string>

#include "GridOnForm.h"
#include "platform/ui/Input.h"

namespace {

class ExtGridClickValidationTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 480, 280);
        FillCoordinates();
        grid->SetOptions(grid->Options() + goEditing);
    }
    void ClickCell(int ACol, int ARow)
    {
        const TRect r = grid->CellRect(ACol, ARow);
        SendClick(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

// A click on another cell moves the focus only past the validation of the edited value, as
// the keys that leave an editor do.
TEST_F(ExtGridClickValidationTest, AClickOnAnotherCellValidatesTheEditedValue)
{
    const struct {
        const char* what;
        bool valid;
        std::string decided;  // the value the handler leaves; empty keeps the typed one
        int col;              // where the focus ends
        std::string cell;     // the edited cell's text after the click
        bool editorOpen;
    } cases[] = {
        {"accepted", true, "", 3, "typed", false},
        {"corrected and accepted", true, "TYPED", 3, "TYPED", false},
        {"refused", false, "", 1, "typed", true},
        {"refused and changed", false, "other", 1, "1,2", true},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        std::string seen;
        grid->OnCellValidate = [&](TObject*, int ACol, int ARow, std::string& Value, bool& Valid) {
            seen = std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Value;
            if (!c.decided.empty()) Value = c.decided;
            Valid = c.valid;
        };
        grid->EditCell(1, 2);
        ASSERT_TRUE(grid->EditorMode()) << c.what;
        grid->InplaceEditor()->SetText("typed");
        ClickCell(3, 2);
        EXPECT_EQ(seen, "1,2=typed") << c.what;
        EXPECT_EQ(grid->Col(), c.col) << c.what;
        EXPECT_EQ(grid->Cells(1, 2), c.cell) << c.what;
        EXPECT_EQ(grid->EditorMode() && grid->Col() == 1, c.editorOpen) << c.what;
    }
}

TEST_F(ExtGridClickValidationTest, AnUnchangedValueMovesOnWithoutTheEvent)
{
    bool fired = false;
    grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool& Valid) {
        fired = true;
        Valid = false;
    };
    grid->EditCell(1, 2);
    ClickCell(3, 2);
    EXPECT_FALSE(fired);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Cells(1, 2), "1,2");
}

} // namespace
