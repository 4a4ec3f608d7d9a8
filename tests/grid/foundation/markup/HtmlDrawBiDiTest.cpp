#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

#include "../PixelMap.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "platform/os/SystemProfile.h"

namespace {

struct BiDiCase {
    const char* Name;
    bool MiddleEast;
    TBiDiMode Mode;
    bool FromTheRight; // the line is laid out from the rectangle's right edge
};

void PrintTo(const BiDiCase& c, std::ostream* os) { *os << c.Name; }

// Markup drawn in a 200 x 30 rectangle on white.
class HtmlBiDi : public testing::TestWithParam<BiDiCase> {
protected:
    HtmlBiDi()
    {
        SystemProfile().MiddleEastLocale = GetParam().MiddleEast;
        Blank(bitmap_, 200, 30);
        params_.BiDiMode = GetParam().Mode;
    }
    ~HtmlBiDi() override { SystemProfile() = profile_; }

    THtmlDrawResult Draw(const std::string& text, const THtmlDrawParams& params)
    {
        return HtmlDraw(bitmap_.Canvas(), text, Rect(0, 0, 200, 30), params);
    }

    // The first and the last column holding pixels close to the colour; -1 for none.
    std::pair<int, int> Ink(TColor color)
    {
        int first = -1, last = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < bitmap_.Height(); ++y) {
                const TColor pixel = bitmap_.Canvas()->Pixels(x, y);
                bool close = true;
                for (int shift : {0, 8, 16})
                    close =
                        close && std::abs(int((pixel >> shift) & 0xFF) - int((color >> shift) & 0xFF)) <= 80;
                if (!close) continue;
                if (first < 0) first = x;
                last = x;
                break;
            }
        return {first, last};
    }

    TSystemProfile profile_ = SystemProfile();
    TBitmap bitmap_;
    THtmlDrawParams params_;
};

// Only a right-to-left mode on a system whose locale reads from the right turns the line
// round: its first run then stands at the right edge and the next one left of it.
TEST_P(HtmlBiDi, RunsFollowTheReadingDirection)
{
    Draw("<FONT COLOR=\"clRed\">first</FONT> second", params_);
    const auto red = Ink(clRed);
    const auto black = Ink(clBlack);
    ASSERT_GE(red.first, 0);
    ASSERT_GE(black.first, 0);
    if (GetParam().FromTheRight) {
        EXPECT_GT(red.second, 190);
        EXPECT_LT(black.second, red.first);
    } else {
        EXPECT_LT(red.first, 5);
        EXPECT_LT(red.second, black.first);
    }
}

// Alignment turns round with the line: a right-aligned paragraph then stands at the left.
TEST_P(HtmlBiDi, ARightAlignedParagraphTurnsRoundWithTheLine)
{
    Draw("<P ALIGN=\"RIGHT\">text</P>", params_);
    const auto black = Ink(clBlack);
    ASSERT_GE(black.first, 0);
    if (GetParam().FromTheRight)
        EXPECT_LT(black.first, 5);
    else
        EXPECT_GT(black.second, 190);
}

// A turned run stands where an upright one would.
TEST_P(HtmlBiDi, ARotatedRunStandsAtTheEdgeTheLineStartsFrom)
{
    // Turned upwards, the run rises above its line: the line lies low in a taller bitmap.
    Blank(bitmap_, 200, 90);
    HtmlDraw(bitmap_.Canvas(), "<R a=\"90\">WWWW</R>", Rect(0, 60, 200, 90), params_);
    const auto black = Ink(clBlack);
    ASSERT_GE(black.first, 0);
    if (GetParam().FromTheRight)
        EXPECT_GT(black.first, 100);
    else
        EXPECT_LT(black.second, 100);
}

// The point is tested where the anchor is drawn.
TEST_P(HtmlBiDi, AnAnchorIsHitWhereItIsDrawn)
{
    params_.HitTestOnly = true;
    params_.Y = 8;
    const std::string text = "<A HREF=\"go\">link</A>";
    params_.X = GetParam().FromTheRight ? 195 : 5;
    const THtmlDrawResult hit = Draw(text, params_);
    EXPECT_TRUE(hit.Hit);
    EXPECT_EQ(hit.HitAnchor, "go");
    params_.X = GetParam().FromTheRight ? 5 : 195;
    EXPECT_FALSE(Draw(text, params_).Hit);
}

const BiDiCase kBiDiCases[] = {
    {"LeftToRight", true, bdLeftToRight, false},
    {"RightToLeft", true, bdRightToLeft, true},
    {"ReadingOnly", true, bdRightToLeftReadingOnly, false},
    {"NoAlign", true, bdRightToLeftNoAlign, false},
    {"RightToLeftElsewhere", false, bdRightToLeft, false},
};

INSTANTIATE_TEST_SUITE_P(Modes, HtmlBiDi, testing::ValuesIn(kBiDiCases),
                         [](const testing::TestParamInfo<BiDiCase>& info) { return info.param.Name; });

} // namespace
