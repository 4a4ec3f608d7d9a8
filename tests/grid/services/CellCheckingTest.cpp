#include <gtest/gtest.h>

#include <string>

#include "../control/GridOnForm.h"
#include "grid/foundation/model/CellChecker.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"

namespace {

// A checker that writes "teh" as "the".
class TSpellingChecker : public TExtStringGridCheck {
public:
    using TExtStringGridCheck::TExtStringGridCheck;
    std::string Correct(int, int, const std::string& s) override { return s == "teh" ? "the" : s; }
    void StartCheck() override { ++starts; }
    int starts = 0;
};

using CellCheckingTest = GridOnForm;

TEST_F(CellCheckingTest, CheckingCorrectsCellsAndTellsWhetherAllPassed)
{
    grid->SetCells(1, 1, "teh");
    grid->SetCells(2, 1, "<e>ok</e>");
    EXPECT_TRUE(grid->CheckCell(1, 1)) << "no checker: every check passes";
    EXPECT_EQ(grid->GridCells(1, 1), "teh");
    TSpellingChecker checker(nullptr);
    checker.UseCorrect = true;
    grid->CellChecker = &checker;
    EXPECT_FALSE(grid->CheckRow(false, 1));
    EXPECT_EQ(grid->GridCells(1, 1), "the");
    EXPECT_EQ(grid->GridCells(2, 1), "ok") << "old marks go";
    EXPECT_EQ(checker.starts, 1);
    EXPECT_TRUE(grid->CheckGrid(false));
    grid->CellChecker = nullptr;
}

TEST_F(CellCheckingTest, DatesAndTimesAsCellTexts)
{
    const TDateTime date = EncodeDate(2020, 3, 15);
    grid->SetDates(1, 1, date);
    EXPECT_EQ(grid->Dates(1, 1), date);
    grid->SetTimes(1, 2, date + 0.5);
    EXPECT_NEAR(grid->Times(1, 2), 0.5, 1e-9);
    grid->ShowNullDates = false;
    grid->SetDates(1, 1, 0);
    EXPECT_EQ(grid->Cells(1, 1), "");
    grid->SetCells(1, 1, "no date");
    EXPECT_THROW(grid->Dates(1, 1), EConvertError);
    EXPECT_THROW(grid->Times(1, 1), EConvertError);
}

} // namespace
