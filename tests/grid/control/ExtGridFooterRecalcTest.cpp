#include <gtest/gtest.h>

#include <string>

#include "GridOnForm.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/CellProperties.h"
#include "platform/ui/Input.h"

namespace {

// Rows 1 to 3 hold 1, 2 and 3 in column 1; the last row is the footer, summing them.
class ExtGridFooterRecalcTest : public GridOnForm {
protected:
    static constexpr int kCol = 1;

    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetRowCount(5);
        for (int r = 1; r <= 3; ++r)
            grid->SetCells(kCol, r, std::to_string(r));
        grid->FloatingFooter()->SetVisible(true);
        grid->GetCellProperties(kCol, Footer())->CalcType = acSUM;
        grid->SetOptions(grid->Options() + goEditing);
    }
    int Footer() const { return grid->RowCount() - 1; }
};

TEST_F(ExtGridFooterRecalcTest, AnAcceptedEditRecalculatesTheFooterARefusedOneDoesNot)
{
    const struct {
        bool valid;
        const char* footer;
    } cases[] = {{true, "14.00"}, {false, "old"}};
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        grid->SetCells(kCol, Footer(), "old");
        grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool& Valid) { Valid = c.valid; };
        grid->EditCell(kCol, 2);
        grid->InplaceEditor()->SetText("10");
        SendKey(VK_RETURN);
        EXPECT_EQ(grid->Cells(kCol, Footer()), c.footer) << c.valid;
    }
}

TEST_F(ExtGridFooterRecalcTest, AnnouncedChangesRecalculateEveryColumn)
{
    grid->GetCellProperties(2, Footer())->CalcType = acSUM;
    grid->SetCells(2, 1, "7");
    grid->DoCellsChanged(TRect{kCol, 1, kCol, 1});
    EXPECT_EQ(grid->Cells(kCol, Footer()), "6.00");
    EXPECT_EQ(grid->Cells(2, Footer()), "7.00");
}

} // namespace
