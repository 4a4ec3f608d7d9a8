#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/painting/SelectionCell.h"

namespace {

using Rows = std::vector<std::string>;

// Each part of the cell in a colour of its own: X fill, U and L the upper and lower inner
// lines, F the frame, C the corners and O the outer corner pixels.
constexpr TColor kFill = RGB(10, 10, 10), kUpper = RGB(20, 20, 20), kLower = RGB(30, 30, 30),
                 kFrame = RGB(40, 40, 40), kCorner = RGB(50, 50, 50), kOuter = RGB(60, 60, 60);

Rows DrawPart(int part)
{
    TBitmap bitmap;
    Blank(bitmap, 10, 12);
    DrawSelectionCell(bitmap.Canvas(), kFill, clNone, clNone, clNone, kUpper, kLower, kFrame, kCorner, kOuter,
                      Rect(0, 0, 10, 12), part);
    return PixelMap(
        bitmap, {{kFill, 'X'}, {kUpper, 'U'}, {kLower, 'L'}, {kFrame, 'F'}, {kCorner, 'C'}, {kOuter, 'O'}});
}

struct PartCase {
    int part;
    Rows rows;
};

class SelectionCell : public testing::TestWithParam<PartCase> {};

TEST_P(SelectionCell, RoundsOnlyTheEndsOfTheBar) { EXPECT_EQ(DrawPart(GetParam().part), GetParam().rows); }

INSTANTIATE_TEST_SUITE_P(
    Parts, SelectionCell,
    testing::Values(
        PartCase{spSingle,
                 {"OCFFFFFCO.", "CCUUUUUCC.", "FUXXXXXUF.", "FUXXXXXUF.", "FUXXXXXUF.", "FLXXXXXLF.",
                  "FLXXXXXLF.", "FLXXXXXLF.", "FLXXXXXLF.", "CCLLLLLCC.", "OCFFFFFCO.", ".........."}},
        PartCase{spLeftEnd,
                 {"OCFFFFFFF.", "CCUUUUUUU.", "FUXXXXXXX.", "FUXXXXXXX.", "FUXXXXXXX.", "FLXXXXXXX.",
                  "FLXXXXXXX.", "FLXXXXXXX.", "FLXXXXXXX.", "CCLLLLLLL.", "OCFFFFFFF.", ".........."}},
        PartCase{spRightEnd,
                 {"FFFFFFFCO.", "UUUUUUUCC.", "XXXXXXXUF.", "XXXXXXXUF.", "XXXXXXXUF.", "XXXXXXXLF.",
                  "XXXXXXXLF.", "XXXXXXXLF.", "XXXXXXXLF.", "LLLLLLLCC.", "FFFFFFFCO.", ".........."}},
        PartCase{spMiddle,
                 {"FFFFFFFFF.", "UUUUUUUUU.", "XXXXXXXXX.", "XXXXXXXXX.", "XXXXXXXXX.", "XXXXXXXXX.",
                  "XXXXXXXXX.", "XXXXXXXXX.", "XXXXXXXXX.", "LLLLLLLLL.", "FFFFFFFFF.", ".........."}}));

TEST(SelectionCellFill, AMirrorColourFillsTheLowerHalfOfTheInnerRectangle)
{
    TBitmap bitmap;
    Blank(bitmap, 10, 12);
    DrawSelectionCell(bitmap.Canvas(), clRed, clYellow, clBlue, clLime, kUpper, kLower, kFrame, kCorner,
                      kOuter, Rect(0, 0, 10, 12), spSingle);
    TCanvas* c = bitmap.Canvas();
    EXPECT_EQ(c->Pixels(4, 2), clRed);
    EXPECT_EQ(c->Pixels(4, 4), clYellow);
    EXPECT_EQ(c->Pixels(4, 5), clBlue);
    EXPECT_EQ(c->Pixels(4, 8), clLime);
}

} // namespace
