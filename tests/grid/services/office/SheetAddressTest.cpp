#include <gtest/gtest.h>

#include "grid/services/office/SheetAddress.h"

TEST(SheetAddress, ColumnLettersBothWaysForAnyColumn)
{
    const struct {
        int column;
        const char* letters;
    } cases[] = {{1, "A"},    {26, "Z"},    {27, "AA"},     {30, "AD"},     {52, "AZ"},     {53, "BA"},
                 {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}, {18278, "ZZZ"}, {18279, "AAAA"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnLetters(c.column), c.letters) << c.column;
        EXPECT_EQ(ColumnNumber(c.letters), c.column) << c.letters;
    }
    EXPECT_EQ(ColumnNumber("ad"), 30);
    for (const char* bad : {"", "A1", "$A", "Ä", "ZZZZZZZZ"})
        EXPECT_EQ(ColumnNumber(bad), 0) << bad;
    EXPECT_EQ(ColumnLetters(0), "");
}

TEST(SheetAddress, CellReferencesWithAndWithoutDollarsAndParts)
{
    const struct {
        const char* text;
        bool ok;
        int column, row;
    } cases[] = {
        {"B12", true, 2, 12},   {"$B$12", true, 2, 12}, {"$AB$3", true, 28, 3},       {"$3", true, 0, 3},
        {"C", true, 3, 0},      {"", false, 0, 0},      {"1B", false, 0, 0},          {"B0", false, 0, 0},
        {"B1:C2", false, 0, 0}, {"$$B1", false, 0, 0},  {"B99999999999", false, 0, 0}};
    for (const auto& c : cases) {
        TSheetCellRef ref;
        EXPECT_EQ(ParseCellRef(c.text, ref), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(ref.Column, c.column) << c.text;
        EXPECT_EQ(ref.Row, c.row) << c.text;
    }
}
