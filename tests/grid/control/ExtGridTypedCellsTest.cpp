#include <gtest/gtest.h>

#include <optional>

#include "../foundation/Locale.h"
#include "GridOnForm.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/DateFormat.h"

namespace {

using ExtGridTypedCellsTest = GridOnForm;

TEST_F(ExtGridTypedCellsTest, IntsReadTheCellTextOrRaise)
{
    const struct {
        const char* text;
        std::optional<int> value; // none: the read raises
    } cases[] = {{"", 0}, {"-", 0}, {" 42 ", 42}, {"-17", -17}, {"<b>7</b>", 7}, {"4x", std::nullopt}};
    for (const auto& c : cases) {
        grid->SetCells(2, 3, c.text);
        if (c.value) {
            EXPECT_EQ(grid->Ints(2, 3), *c.value) << '"' << c.text << '"';
            continue;
        }
        try {
            grid->Ints(2, 3);
            ADD_FAILURE() << '"' << c.text << "\" raised nothing";
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), "Cell does not contain integer value");
        }
    }
    grid->SetCells(2, 3, "<b>7</b>");
    EXPECT_THROW(grid->AllInts(2, 3), EExtGridError);
}

TEST_F(ExtGridTypedCellsTest, FloatsAreWrittenWithTheFloatFormatAndReadInTheLocale)
{
    grid->SetFloats(1, 2, 3.14159);
    EXPECT_EQ(grid->Cells(1, 2), "3.14");
    for (const TestLocale& locale : {kEnglish, kGerman}) {
        LocaleScope scope(locale);
        const std::string text = std::string("1") + locale.Thousand + "234" + locale.Decimal + "5";
        grid->SetCells(1, 2, text);
        EXPECT_DOUBLE_EQ(grid->Floats(1, 2), 1234.5) << locale.Name;
    }
    grid->SetCells(1, 2, "1.2.3");
    try {
        grid->Floats(1, 2);
        ADD_FAILURE() << "\"1.2.3\" raised nothing";
    } catch (const EExtGridError& e) {
        EXPECT_STREQ(e.what(), "Cell does not contain a float value");
    }
}

TEST_F(ExtGridTypedCellsTest, AllFormsReachHiddenRows)
{
    grid->SetInts(1, 6, 60);
    grid->HideRows(5, 6);
    EXPECT_EQ(grid->AllInts(1, 6), 60);
    grid->SetAllInts(1, 6, 61);
    grid->SetAllFloats(2, 8, 2.5);
    EXPECT_EQ(grid->Cells(2, 6), "2.50");
    grid->UnHideRows(5, 6);
    EXPECT_EQ(grid->Ints(1, 6), 61);
}

TEST_F(ExtGridTypedCellsTest, ControlValuesRewriteOnlyAnExistingControl)
{
    const std::string text = "Name <CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"old\">";
    grid->SetCells(1, 1, text);
    EXPECT_EQ(grid->ControlValues(1, 1, "n"), "old");
    EXPECT_EQ(grid->ControlValues(1, 1, "x"), "");
    grid->SetControlValues(1, 1, "x", "new");
    EXPECT_EQ(grid->Cells(1, 1), text);
    grid->SetControlValues(1, 1, "n", "new");
    EXPECT_EQ(grid->ControlValues(1, 1, "n"), "new");
}

TEST_F(ExtGridTypedCellsTest, PrintMeasuresExistForColumnsUpTo511)
{
    grid->SetPrintColWidth(511, 80);
    grid->SetPrintColOffset(511, 12);
    EXPECT_EQ(grid->PrintColWidth(511), 80);
    EXPECT_EQ(grid->PrintColOffset(511), 12);
    for (int col : {-1, 512}) {
        try {
            grid->PrintColWidth(col);
            ADD_FAILURE() << col << " raised nothing";
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), "Columns is not in valid range");
        }
        EXPECT_THROW(grid->PrintColOffset(col), EExtGridError);
    }
}

} // namespace

namespace {

// The column items read and write their cells through the grid's own typed access.
TEST(ExtGridDatesAndTimesTest, DatesAndTimesTravelAsTextsOfTheFormatSettings)
{
    TForm form(nullptr);
    auto* grid = new TExtColumnGrid(&form);
    TGridColumnItem* item = grid->Columns()->Items(2);
    for (const TestLocale& locale : {kEnglish, kGerman}) {
        LocaleScope scope(locale);
        const std::string sep(1, locale.DateSeparator);
        item->SetDates(1, EncodeDate(2024, 2, 29));
        EXPECT_EQ(grid->Cells(2, 1), "29" + sep + "02" + sep + "2024") << locale.Name;
        EXPECT_DOUBLE_EQ(item->GetDates(1), EncodeDate(2024, 2, 29)) << locale.Name;
    }
    item->SetTimes(3, EncodeTime(7, 5, 9, 0));
    EXPECT_EQ(grid->Cells(2, 3), "07:05:09");
    EXPECT_DOUBLE_EQ(item->GetTimes(3), EncodeTime(7, 5, 9, 0));
    grid->SetCells(2, 3, " 23:59 ");
    EXPECT_DOUBLE_EQ(grid->Times(2, 3), EncodeTime(23, 59, 0, 0));
}

TEST(ExtGridDatesAndTimesTest, TextsThatAreNoDateOrTimeRaise)
{
    TForm form(nullptr);
    auto* grid = new TExtColumnGrid(&form);
    TGridColumnItem* item = grid->Columns()->Items(1);
    for (const char* text : {"", "31/02/2024", "tomorrow", "1/13/2024"}) {
        grid->SetCells(1, 1, text);
        EXPECT_THROW(item->GetDates(1), EConvertError) << '"' << text << '"';
    }
    for (const char* text : {"", "24:00", "12:60", "noon"}) {
        grid->SetCells(1, 1, text);
        EXPECT_THROW(item->GetTimes(1), EConvertError) << '"' << text << '"';
    }
    grid->SetCells(1, 1, "x");
    try {
        grid->Dates(1, 1);
        ADD_FAILURE() << "\"x\" raised nothing";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid date");
    }
}

} // namespace
