#include <gtest/gtest.h>

#include <string>

#include "GridOnForm.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/CellProperties.h"

namespace {

// One fixed row, eleven data rows holding 1 to 11 (three of them, 2 to 4, hidden) and the
// footer row: ten rows are shown.
class ExtGridFooterTest : public GridOnForm {
protected:
    static constexpr int kCol = 1;

    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetRowCount(13);
        for (int r = 1; r <= 11; ++r)
            grid->SetCells(kCol, r, std::to_string(r));
        grid->HideRows(2, 4);
        grid->FloatingFooter()->SetVisible(true);
    }
    int Footer() const { return grid->RowCount() - 1; }
};

TEST_F(ExtGridFooterTest, FooterCellsShowTheirColumnsCalculation)
{
    ASSERT_EQ(grid->RowCount(), 10);
    const struct {
        TColumnCalcType calc;
        bool hiddenToo;
        const char* expected;
    } cases[] = {
        {acCOUNT, true, "11"},       {acCOUNT, false, "8"},       {acSUM, true, "66.00"},
        {acSUM, false, "57.00"},     {acAVG, true, "6.00"},       {acAVG, false, "7.12"},
        {acMIN, true, "1.00"},       {acMAX, true, "11.00"},      {acMAX, false, "11.00"},
        {acDISTINCT, true, "11.00"}, {acDISTINCT, false, "8.00"}, {acSTDDEV, true, "3.16"},
        {acSTDDEV, false, "2.98"},   {acCUSTOM, true, "row 12"},  {acCUSTOM, false, "row 9"},
        {acNONE, true, "left"},      {acSPREAD, true, "left"},
    };
    grid->OnCalcFooter = [](TObject*, int, int ARow, std::string& Value) {
        Value = "row " + std::to_string(ARow);
    };
    for (const auto& c : cases) {
        grid->SetCells(kCol, Footer(), "left");
        grid->GetCellProperties(kCol, Footer())->CalcType = c.calc;
        grid->FloatingFooter()->CalculateHiddenRows = c.hiddenToo;
        grid->CalcFooter(-1);
        EXPECT_EQ(grid->Cells(kCol, Footer()), c.expected)
            << c.calc << (c.hiddenToo ? " with hidden rows" : "");
    }
}

TEST_F(ExtGridFooterTest, NothingIsCalculatedWithoutAShownFixedFooterRowOrWhenDisabled)
{
    grid->GetCellProperties(kCol, Footer())->CalcType = acCOUNT;
    const struct {
        const char* what;
        bool visible;
        TFooterStyle style;
        bool enabled;
    } cases[] = {
        {"footer hidden", false, fsFixedLastRow, true},
        {"footer in a panel", true, fsColumnPreview, true},
        {"calculation off", true, fsFixedLastRow, false},
    };
    for (const auto& c : cases) {
        grid->SetCells(kCol, Footer(), "left");
        grid->FloatingFooter()->SetVisible(c.visible);
        grid->FloatingFooter()->SetFooterStyle(c.style);
        grid->FloatingFooter()->EnableCalculation = c.enabled;
        grid->CalcFooter(kCol);
        EXPECT_EQ(grid->Cells(kCol, Footer()), "left") << c.what;
    }
}

// A column whose first row holds no number keeps its footer; the rows after skip such cells.
TEST_F(ExtGridFooterTest, UnreadableCellsAreSkippedOrLeaveTheFooterAlone)
{
    grid->FloatingFooter()->CalculateHiddenRows = false;
    grid->SetCells(kCol, 5, "1.2.3");
    grid->GetCellProperties(kCol, Footer())->CalcType = acSUM;
    grid->CalcFooter(kCol);
    EXPECT_EQ(grid->Cells(kCol, Footer()), "49.00");
    grid->SetCells(kCol, 1, "1.2.3");
    grid->SetCells(kCol, Footer(), "left");
    grid->GetCellProperties(kCol, Footer())->CalcType = acMIN;
    grid->CalcFooter(kCol);
    EXPECT_EQ(grid->Cells(kCol, Footer()), "left");
}

// Rows added to a grid with a footer go above it.
TEST_F(ExtGridFooterTest, AddedRowsGoAboveTheFooterRow)
{
    grid->SetCells(kCol, Footer(), "footer");
    grid->AddRow();
    grid->InsertRows(grid->RowCount(), 1);
    EXPECT_EQ(grid->RowCount(), 12);
    EXPECT_EQ(grid->Cells(kCol, 11), "footer");
    EXPECT_EQ(grid->Cells(kCol, 10), "");
}


// A new row count keeps the footer row last and recalculates it.
TEST_F(ExtGridFooterTest, FooterRowFollowsTheRowCount)
{
    grid->FloatingFooter()->CalculateHiddenRows = false;
    grid->GetCellProperties(kCol, Footer())->CalcType = acSUM;
    grid->CalcFooter(kCol);
    const struct {
        int rowCount;
        const char* footer;
    } cases[] = {{12, "57.00"}, {8, "36.00"}};
    for (const auto& c : cases) {
        grid->SetRowCount(c.rowCount);
        EXPECT_EQ(grid->Cells(kCol, Footer()), c.footer) << c.rowCount;
        ASSERT_NE(grid->FindCellProperties(kCol, Footer()), nullptr);
        EXPECT_EQ(grid->FindCellProperties(kCol, Footer())->CalcType, acSUM) << c.rowCount;
    }
    EXPECT_EQ(grid->Cells(kCol, 9), "");
}

TEST_F(ExtGridFooterTest, FooterIsAsHighAsADefaultRow)
{
    grid->SetDefaultRowHeight(31);
    EXPECT_EQ(grid->FloatingFooter()->Height(), 31);
}

} // namespace
