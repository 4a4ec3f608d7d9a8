#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/editors/ExtGridButton.h"
#include "grid/foundation/editors/GlyphCaptionLayout.h"
#include "grid/foundation/editors/StyleQueries.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Forms.h"

namespace {

class ExtGridButtonTest : public testing::Test {
protected:
    ExtGridButtonTest()
    {
        Application->CreateForm(form);
        form->Show();
    }
    ~ExtGridButtonTest() override { delete form; }

    TExtGridButton* Add(int left = 0)
    {
        auto* button = new TExtGridButton(form);
        button->SetParent(form);
        button->SetLeft(left);
        button->SetCaption("");
        return button;
    }
    static void Press(TControl* c, int x, int y)
    {
        c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({x, y}));
    }
    static void Move(TControl* c, int x, int y)
    {
        c->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({x, y}));
    }
    static void Release(TControl* c, int x, int y) { c->Perform(WM_LBUTTONUP, 0, PointToLParam({x, y})); }
    static void ClickAtPoint(TControl* c, int x, int y)
    {
        Press(c, x, y);
        Release(c, x, y);
    }
    // The button painted on white.
    static TColor PixelAfterPaint(TExtGridButton* b, int x, int y)
    {
        TBitmap bitmap;
        Blank(bitmap, b->Width(), b->Height());
        b->PaintTo(bitmap.Canvas(), 0, 0);
        return bitmap.Canvas()->Pixels(x, y);
    }

    TForm* form = nullptr;
};

TEST_F(ExtGridButtonTest, StartsAsAFlatToolButton)
{
    TExtGridButton* b = Add();
    EXPECT_EQ(b->Width(), 22);
    EXPECT_EQ(b->Height(), 23);
    EXPECT_TRUE(b->Flat());
    EXPECT_TRUE(b->Shaded());
    EXPECT_EQ(b->Color(), clBtnFace);
    EXPECT_EQ(b->ColorDown, 0xD8D3D2u);
    EXPECT_EQ(b->ColorHot, 0xCAC7C7u);
    EXPECT_EQ(b->ColorChecked(), clGray);
    EXPECT_EQ(b->Margin(), -1);
    EXPECT_EQ(b->Spacing(), 4);
    EXPECT_EQ(b->Style(), tasButton);
}

TEST_F(ExtGridButtonTest, DownFollowsStyleGroupAndAllowAllUp)
{
    TExtGridButton* plain = Add();
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());

    TExtGridButton* check = Add();
    check->SetStyle(tasCheck);
    check->SetDown(true);
    EXPECT_TRUE(check->Down());

    TExtGridButton* first = Add(30);
    TExtGridButton* second = Add(60);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    first->SetDown(true);
    EXPECT_EQ(first->State(), bsExclusive);
    second->SetDown(true);
    EXPECT_FALSE(first->Down());
    EXPECT_EQ(first->State(), bsUp);
    EXPECT_TRUE(second->Down());
    second->SetDown(false); // the chosen one stays down without AllowAllUp
    EXPECT_TRUE(second->Down());
    second->SetAllowAllUp(true); // the group takes it over
    EXPECT_TRUE(first->AllowAllUp());
    second->SetDown(false);
    EXPECT_FALSE(second->Down());
}

TEST_F(ExtGridButtonTest, ClicksOnAReleaseInsideOnly)
{
    TExtGridButton* b = Add();
    int clicks = 0, dropDowns = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->OnDropDown = [&](TObject*) { ++dropDowns; };
    ClickAtPoint(b, 5, 5);
    EXPECT_EQ(clicks, 1);
    Press(b, 5, 5);
    EXPECT_EQ(b->State(), bsDown);
    Move(b, 40, 5);
    EXPECT_EQ(b->State(), bsUp);
    Move(b, 5, 5);
    EXPECT_EQ(b->State(), bsDown);
    Move(b, 40, 5);
    Release(b, 40, 5);
    EXPECT_EQ(clicks, 1);

    b->SetDropDownButton(true);
    ClickAtPoint(b, b->Width() - 12, 5);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(clicks, 1);
    ClickAtPoint(b, b->Width() - 13, 5);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ExtGridButtonTest, ACheckButtonTogglesAndAGroupButtonStaysDown)
{
    TExtGridButton* check = Add();
    check->SetStyle(tasCheck);
    ClickAtPoint(check, 3, 3);
    EXPECT_TRUE(check->Down());
    ClickAtPoint(check, 3, 3);
    EXPECT_FALSE(check->Down());

    TExtGridButton* radio = Add(30);
    radio->SetGroupIndex(2);
    ClickAtPoint(radio, 3, 3);
    EXPECT_TRUE(radio->Down());
    ClickAtPoint(radio, 3, 3);
    EXPECT_TRUE(radio->Down());
    Press(radio, 3, 3);
    Release(radio, 50, 3);
    EXPECT_EQ(radio->State(), bsExclusive);
}

TEST_F(ExtGridButtonTest, FacesInTheirColoursByState)
{
    TExtGridButton* b = Add();
    const TColor face = ColorToRGB(clBtnFace);
    // The face leaves a one-pixel edge of what lies under it.
    EXPECT_EQ(PixelAfterPaint(b, 0, 0), clWhite);
    EXPECT_EQ(PixelAfterPaint(b, 1, 1), face);
    b->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(PixelAfterPaint(b, 1, 1), 0xCAC7C7u);
    EXPECT_EQ(PixelAfterPaint(b, 11, 11), 0xCAC7C7u);
    Press(b, 5, 5);
    EXPECT_EQ(PixelAfterPaint(b, 11, 11), 0xD8D3D2u);
    Release(b, 5, 5);
    b->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(PixelAfterPaint(b, 11, 11), face);

    b->SetStyle(tasCheck);
    b->SetDown(true);
    EXPECT_EQ(PixelAfterPaint(b, 11, 11), clGray);

    b->SetStyle(tasButton);
    b->SetDown(false);
    b->SetColor(clBlack);
    b->SetColorTo(clWhite);
    EXPECT_EQ(PixelAfterPaint(b, 11, 1), clBlack);
    EXPECT_GT(GetRValue(PixelAfterPaint(b, 11, b->Height() - 2)), 200);
}

TEST_F(ExtGridButtonTest, AGlyphAloneSitsAtTheTopLeftCorner)
{
    TExtGridButton* b = Add();
    b->SetBounds(0, 0, 30, 30);
    TBitmap glyph;
    Blank(glyph, 4, 4); // white bottom-left: white is transparent
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 3, 3));
    b->SetGlyph(&glyph);
    EXPECT_EQ(PixelAfterPaint(b, 0, 0), clRed);
    EXPECT_EQ(PixelAfterPaint(b, 2, 2), clRed);
    EXPECT_EQ(PixelAfterPaint(b, 3, 0), clWhite); // transparent: the edge around the face
    EXPECT_EQ(PixelAfterPaint(b, 1, 3), ColorToRGB(clBtnFace));
}

TEST_F(ExtGridButtonTest, TheDisabledGlyphIsMadeOnceFromTheGlyph)
{
    TExtGridButton* b = Add();
    TBitmap glyph;
    Blank(glyph, 2, 1);
    glyph.Canvas()->SetPixels(0, 0, RGB(200, 101, 0)); // (301 / 3 = 100.3 -> 100) / 2 + 96
    b->SetGlyph(&glyph);
    EXPECT_EQ(b->GlyphDisabled()->Canvas()->Pixels(0, 0), RGB(146, 146, 146));
    EXPECT_EQ(b->GlyphDisabled()->Canvas()->Pixels(1, 0), RGB(223, 223, 223)); // 255 / 2 + 96

    TBitmap other;
    Blank(other, 2, 1);
    other.Canvas()->SetPixels(0, 0, clBlack);
    b->SetGlyph(&other);
    EXPECT_EQ(b->GlyphDisabled()->Canvas()->Pixels(0, 0), RGB(146, 146, 146));
}

TEST_F(ExtGridButtonTest, LooksSetTheirColoursAndUnknownLooksNothing)
{
    TExtGridButton* b = Add();
    b->SetLook(0);
    EXPECT_TRUE(b->Rounded());
    EXPECT_EQ(b->BorderDownColor, 0xAF987Au);
    EXPECT_EQ(b->BorderHotColor, 0xC3CECEu);
    b->SetLook(3);
    EXPECT_FALSE(b->Rounded());
    EXPECT_EQ(b->Color(), 0xCFF0EAu);
    EXPECT_EQ(b->ColorHot, 0xCCF4FFu);
    EXPECT_EQ(b->ColorCheckedTo(), 0x55ADFFu);
    EXPECT_EQ(b->BorderColor(), clNone);
    b->SetLook(7);
    EXPECT_EQ(b->Look(), 3);
    EXPECT_EQ(b->Color(), 0xCFF0EAu);

    // The theme look follows the style's colour scheme: "NormalColor" gives look 2.
    b->SetAutoThemeAdapt(true);
    EXPECT_EQ(b->Look(), 2);
    const std::string scheme = SystemProfile().ThemeColorName;
    SystemProfile().ThemeColorName = "Metallic";
    b->Perform(WM_THEMECHANGED);
    EXPECT_EQ(b->Look(), 4);
    SystemProfile().ThemeColorName = scheme;
}

// A button with an action runs it when clicked, unless it has its own OnClick.
TEST_F(ExtGridButtonTest, AClickRunsTheActionWhenTheButtonHasNoOnClick)
{
    TExtGridButton* b = Add();
    b->SetWidth(40);
    auto* action = new TAction(form);
    int executed = 0, clicked = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    b->SetAction(action);
    EXPECT_EQ(b->Action(), action);
    ClickAtPoint(b, 5, 5);
    EXPECT_EQ(executed, 1);
    b->OnClick = [&](TObject*) { ++clicked; };
    ClickAtPoint(b, 5, 5);
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicked, 1);
    b->SetAction(nullptr);
    EXPECT_EQ(b->Action(), nullptr);
}

// Checked is Down for a button of a group that may be all up, while the two agree; the
// group index follows while they are equal; a button pushed up by its group unchecks its
// action.
TEST_F(ExtGridButtonTest, TheActionsCheckedStateAndGroupFollowTheButton)
{
    TExtGridButton* first = Add();
    TExtGridButton* second = Add(30);
    auto* action = new TAction(form);
    action->SetGroupIndex(1);
    first->SetAllowAllUp(true);
    first->SetAction(action);
    EXPECT_EQ(first->GroupIndex(), 1);
    action->SetChecked(true);
    EXPECT_TRUE(first->Down());
    action->SetChecked(false);
    EXPECT_FALSE(first->Down());
    action->SetGroupIndex(2);
    EXPECT_EQ(first->GroupIndex(), 2);
    first->SetGroupIndex(3); // the button's own group from now on
    action->SetGroupIndex(4);
    EXPECT_EQ(first->GroupIndex(), 3);

    second->SetGroupIndex(3);
    second->SetAllowAllUp(true);
    action->SetChecked(true);
    EXPECT_TRUE(first->Down());
    second->SetDown(true);
    EXPECT_FALSE(first->Down());
    EXPECT_FALSE(action->Checked());
}

TEST(StyleQueries, FollowThePlatformProfile)
{
    const TSystemProfile saved = SystemProfile();
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_TRUE(IsThemedComCtl6());
    SystemProfile().ComCtlMajorVersion = 5;
    EXPECT_FALSE(IsThemedComCtl6());
    SystemProfile().MajorVersion = 5;
    SystemProfile().MinorVersion = 0;
    EXPECT_FALSE(IsWinXPOrLater());
    SystemProfile() = saved;
}

TEST(DrawButtonGradient, BandsOverlapByOnePixelAndRound)
{
    TBitmap bitmap;
    Blank(bitmap, 3, 4);
    DrawButtonGradient(bitmap.Canvas(), clBlack, clWhite, clNone, 2, Rect(0, 0, 3, 4), false);
    const TColor mid = RGB(128, 128, 128); // 255 * 1 / 2 = 127.5, rounded
    EXPECT_EQ(PixelMap(bitmap, {{clBlack, 'K'}, {mid, 'M'}}),
              (std::vector<std::string>{"KKK", "KKK", "MMM", "MMM"}));
    Blank(bitmap, 4, 3);
    DrawButtonGradient(bitmap.Canvas(), clBlack, clWhite, clRed, 0, Rect(0, 0, 4, 3), true);
    EXPECT_EQ(PixelMap(bitmap, {{clBlack, 'K'}, {clRed, 'R'}}),
              (std::vector<std::string>{"RRRR", "RKKR", "RRRR"}));
}

struct LayoutCase {
    TButtonLayout layout;
    int margin, spacing;
    TSize glyph, text;
    TPoint glyphPos;
    TRect textBounds;
};

class GlyphCaptionLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(GlyphCaptionLayout, PlacesGlyphAndCaption)
{
    const LayoutCase& c = GetParam();
    const TGlyphCaptionPlace place =
        PlaceGlyphAndCaption(Rect(1, 1, 101, 21), {0, 0}, c.glyph, c.text, c.layout, c.margin, c.spacing);
    EXPECT_EQ(place.GlyphPos, c.glyphPos);
    EXPECT_EQ(place.TextBounds, c.textBounds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlyphCaptionLayout,
    testing::Values(
        // Centred as one group: (100 - (16 + 4 + 30) + 1) div 2 = 25.
        LayoutCase{blGlyphLeft, -1, 4, {16, 16}, {30, 10}, {26, 3}, Bounds(46, 6, 30, 10)},
        LayoutCase{blGlyphRight, -1, 4, {16, 16}, {30, 10}, {60, 3}, Bounds(26, 6, 30, 10)},
        // Margin and spacing a third of the free space each: (100 - 46) div 3 = 18.
        LayoutCase{blGlyphLeft, -1, -1, {16, 16}, {30, 10}, {19, 3}, Bounds(53, 6, 30, 10)},
        LayoutCase{blGlyphLeft, 2, -1, {16, 16}, {30, 10}, {3, 3}, Bounds(45, 6, 30, 10)},
        LayoutCase{blGlyphTop, 1, 2, {8, 8}, {30, 6}, {47, 2}, Bounds(36, 12, 30, 6)},
        // No glyph: no spacing.
        LayoutCase{blGlyphLeft, -1, 4, {0, 0}, {30, 10}, {36, 11}, Bounds(36, 6, 30, 10)},
        // No caption: the glyph at the corner.
        LayoutCase{blGlyphLeft, -1, 4, {16, 16}, {0, 0}, {0, 0}, Bounds(59, 11, 0, 0)}));

} // namespace
