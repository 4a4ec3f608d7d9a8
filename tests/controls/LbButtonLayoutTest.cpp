#include <gtest/gtest.h>

#include "controls/LbButtonLayout.h"
#include "platform/rtl/SysUtils.h"

namespace {
// A step button of the main window (170 x 36) with a 24 x 24 glyph cell and a caption that
// measures 60 x 13 pixels: the text limit beside the glyph is 170 - 24 - 12 = 134.
struct PlacementCase {
    const char* name;
    TLbButtonStyle style;
    TLbButtonLayout layout;
    TAlignment alignment;
    bool wordWrap;
    bool pressed;
    int cell; // 0: no glyph
    bool hasCaption;
    int glyphLeft;
    int glyphTop;
    TRect text;
};

class LbPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(LbPlacement, PutsGlyphAndCaptionWhereTheLayoutSays)
{
    const PlacementCase& c = GetParam();
    TLbFaceGeometry g;
    g.Width = 170;
    g.Height = 36;
    g.Style = c.style;
    g.Layout = c.layout;
    g.Alignment = c.alignment;
    g.WordWrap = c.wordWrap;
    g.Offset = LbSunkenOffset(c.style, c.pressed);
    g.CellWidth = g.CellHeight = c.cell;
    const TLbFacePlacement p = PlaceLbFace(g, c.hasCaption, c.hasCaption ? 60 : 0, 13);
    EXPECT_EQ(p.GlyphLeft, c.glyphLeft) << c.name;
    EXPECT_EQ(p.GlyphTop, c.glyphTop) << c.name;
    EXPECT_EQ(p.Text, c.text) << c.name;
}

// Left layout: text left 4 + 24 + 4 = 32, text top (36 - 13) / 2 = 11, glyph top (36 - 24) / 2 = 6;
// the glyph goes left 4, right 170 - 24 - 64 - 4 = 78, centre 73 - 32 = 41 (g = 60 + 4).
// Right layout: left 4 + 64 = 68, right 170 - 24 - 4 = 142, centre 73 + 32 = 105.
// Top and bottom: block 24 + 13 + 4 = 41, c = (36 - 41) / 2 = -2 (rounded toward zero).
INSTANTIATE_TEST_SUITE_P(
    Cases, LbPlacement,
    testing::Values(
        PlacementCase{"left, left",
                      bsEncarta,
                      blGlyphLeft,
                      taLeftJustify,
                      false,
                      false,
                      24,
                      true,
                      4,
                      6,
                      {32, 11, 166, 24}},
        PlacementCase{"left, right",
                      bsEncarta,
                      blGlyphLeft,
                      taRightJustify,
                      false,
                      false,
                      24,
                      true,
                      78,
                      6,
                      {32, 11, 166, 24}},
        PlacementCase{"left, centre",
                      bsNormal,
                      blGlyphLeft,
                      taCenter,
                      false,
                      false,
                      24,
                      true,
                      41,
                      6,
                      {32, 11, 166, 24}},
        PlacementCase{"left, centre, sunken",
                      bsNormal,
                      blGlyphLeft,
                      taCenter,
                      false,
                      true,
                      24,
                      true,
                      42,
                      7,
                      {33, 12, 167, 25}},
        PlacementCase{"Encarta does not sink",
                      bsEncarta,
                      blGlyphLeft,
                      taCenter,
                      false,
                      true,
                      24,
                      true,
                      41,
                      6,
                      {32, 11, 166, 24}},
        PlacementCase{"left, centre, word wrap",
                      bsNormal,
                      blGlyphLeft,
                      taCenter,
                      true,
                      false,
                      24,
                      true,
                      4,
                      6,
                      {32, 11, 166, 24}},
        PlacementCase{"left, centre, no caption",
                      bsNormal,
                      blGlyphLeft,
                      taCenter,
                      false,
                      false,
                      24,
                      false,
                      73,
                      6,
                      {32, 11, 166, 24}},
        PlacementCase{"left, no glyph",
                      bsNormal,
                      blGlyphLeft,
                      taCenter,
                      false,
                      false,
                      0,
                      true,
                      53,
                      18,
                      {4, 11, 166, 24}},
        PlacementCase{"right, left",
                      bsEncarta,
                      blGlyphRight,
                      taLeftJustify,
                      false,
                      false,
                      24,
                      true,
                      68,
                      6,
                      {4, 11, 138, 24}},
        PlacementCase{"right, right",
                      bsEncarta,
                      blGlyphRight,
                      taRightJustify,
                      false,
                      false,
                      24,
                      true,
                      142,
                      6,
                      {4, 11, 138, 24}},
        PlacementCase{"right, centre",
                      bsEncarta,
                      blGlyphRight,
                      taCenter,
                      false,
                      false,
                      24,
                      true,
                      105,
                      6,
                      {4, 11, 138, 24}},
        PlacementCase{"right, right, word wrap",
                      bsEncarta,
                      blGlyphRight,
                      taRightJustify,
                      true,
                      false,
                      24,
                      true,
                      68,
                      6,
                      {4, 11, 138, 24}},
        PlacementCase{
            "top, centre", bsNormal, blGlyphTop, taCenter, false, false, 24, true, 73, -2, {4, 22, 166, 35}},
        PlacementCase{"bottom, right, sunken",
                      bsNormal,
                      blGlyphBottom,
                      taRightJustify,
                      false,
                      true,
                      24,
                      true,
                      143,
                      12,
                      {5, -1, 167, 12}},
        PlacementCase{"top, no glyph",
                      bsNormal,
                      blGlyphTop,
                      taLeftJustify,
                      false,
                      false,
                      0,
                      true,
                      4,
                      11,
                      {4, 11, 166, 24}},
        PlacementCase{"shape centres both",
                      bsShape,
                      blGlyphRight,
                      taLeftJustify,
                      false,
                      true,
                      24,
                      true,
                      73,
                      6,
                      {1, 12, 170, 36}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return "case" + std::to_string(info.index); });

TEST(LbTextWidthLimit, LeavesRoomForTheGlyphBesideTheCaptionAndNeverGoesNegative)
{
    TLbFaceGeometry g;
    g.Width = 30;
    g.CellWidth = g.CellHeight = 10;
    EXPECT_EQ(LbTextWidthLimit(g), 8); // 30 - 10 - 12
    g.Layout = blGlyphTop;
    EXPECT_EQ(LbTextWidthLimit(g), 22);
    g.Width = 5;
    EXPECT_EQ(LbTextWidthLimit(g), 0);
    g.Layout = blGlyphRight;
    EXPECT_EQ(LbTextWidthLimit(g), 0);
}

TEST(LbGlyphFrame, ChoosesTheFrameOfTheStateAndFallsBackToTheFirst)
{
    struct Case {
        bool enabled, hot, pressed;
        int numGlyphs, frame;
    };
    const Case cases[] = {{false, true, true, 1, 1}, {false, false, false, 4, 1}, {true, false, false, 4, 0},
                          {true, true, false, 4, 3}, {true, true, false, 3, 0},   {true, false, true, 3, 2},
                          {true, false, true, 2, 0}, {true, true, true, 4, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(LbGlyphFrame(c.enabled, c.hot, c.pressed, c.numGlyphs), c.frame)
            << c.enabled << c.hot << c.pressed << c.numGlyphs;
}

TEST(FitLbCaption, DropsWholeCharactersFromTheEndUntilTheCaptionFits)
{
    const auto sevenPerCharacter = [](const std::string& s) { return 7 * Length(s); };
    EXPECT_EQ(FitLbCaption("Schließen", 63, sevenPerCharacter), "Schließen");
    EXPECT_EQ(FitLbCaption("Schließen", 49, sevenPerCharacter), "Schließ");
    EXPECT_EQ(FitLbCaption("Schließen", 48, sevenPerCharacter), "Schlie");
    EXPECT_EQ(FitLbCaption("Schließen", 0, sevenPerCharacter), "");
}
} // namespace
