#include <gtest/gtest.h>

#include <memory>

#include "grid/foundation/editors/EsgComboBox.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Input.h"

namespace {

// A shown form holding one combo box, and the system profile restored afterwards.
class EsgComboTest : public ::testing::Test {
protected:
    EsgComboTest() : savedProfile_(SystemProfile())
    {
        Application->CreateForm(form);
        form->SetColor(clWhite);
        form->Show();
        combo = new TEsgComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(60, 40, 120, 22);
        for (const char* item : {"10K", "125K", "250K", "1000K"})
            combo->Items()->Add(item);
        other = new TEdit(form);
        other->SetParent(form);
        other->SetBounds(60, 100, 50, 21);
    }
    ~EsgComboTest() override
    {
        delete form;
        SystemProfile() = savedProfile_;
    }
    std::unique_ptr<TBitmap> Shot()
    {
        auto shot = std::make_unique<TBitmap>(combo->Width(), combo->Height());
        combo->PaintTo(shot->Canvas(), 0, 0);
        return shot;
    }

    TForm* form = nullptr;
    TEsgComboBox* combo = nullptr;
    TEdit* other = nullptr;

private:
    TSystemProfile savedProfile_;
};

TEST_F(EsgComboTest, ButtonWidthTakesOnly14To32)
{
    EXPECT_EQ(combo->ButtonWidth(), 19);
    const std::pair<int, int> cases[] = {{13, 19}, {14, 14}, {33, 14}, {32, 32}, {0, 32}};
    for (const auto& [value, expected] : cases) {
        combo->SetButtonWidth(value);
        EXPECT_EQ(combo->ButtonWidth(), expected) << value;
    }
}

TEST_F(EsgComboTest, DropWidthWidensTheListOnlyWhenPositive)
{
    combo->SetDropWidth(0);
    EXPECT_EQ(combo->DropWidth(), 0);
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 120);
    combo->SetDropWidth(200);
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 200);
}

TEST_F(EsgComboTest, SelectItemIgnoresCaseAndLeavesUnknownTextsAlone)
{
    combo->SelectItem("250k");
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->SelectItem("500K");
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(EsgComboTest, FocusColourComesAndGoesWithTheFocus)
{
    combo->SetColor(clYellow);
    combo->SetFocusColor(clAqua);
    combo->SetFocusLabel(true);
    combo->SetLabelCaption("Baud rate");
    combo->SetFocus();
    EXPECT_TRUE(combo->HasFocus());
    EXPECT_EQ(combo->Color(), clAqua);
    EXPECT_TRUE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
    other->SetFocus();
    EXPECT_FALSE(combo->HasFocus());
    // Never initialised by loading: the colour it had before the focus came back.
    EXPECT_EQ(combo->Color(), clYellow);
    EXPECT_FALSE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
    combo->SetColor(clLime);
    combo->Init();
    combo->SetFocus();
    other->SetFocus();
    EXPECT_EQ(combo->Color(), clLime);
}

TEST_F(EsgComboTest, DisablingAFlatControlKeepsItsColourForLater)
{
    combo->SetFlatParentColor(false);
    combo->SetFlat(true);
    combo->SetColor(clYellow);
    combo->SetEnabled(false);
    EXPECT_TRUE(combo->ParentColor());
    EXPECT_EQ(combo->Color(), clWhite);
    combo->SetEnabled(true);
    EXPECT_FALSE(combo->ParentColor());
    EXPECT_EQ(combo->Color(), clYellow);
}

TEST_F(EsgComboTest, MouseMarksTheControlAndTheButton)
{
    combo->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(combo->MouseInControl());
    combo->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(110, 5));
    EXPECT_TRUE(combo->ButtonHover());
    combo->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(101, 5)); // Width - ButtonWidth is not over it
    EXPECT_FALSE(combo->ButtonHover());
    combo->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(102, 5));
    combo->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(combo->MouseInControl());
    EXPECT_FALSE(combo->ButtonHover());
    combo->SetAutoFocus(true);
    form->Perform(CM_ACTIVATE);
    combo->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(combo->Focused());
}

TEST_F(EsgComboTest, ClosingTheListFiresOnDropUp)
{
    int dropUps = 0;
    combo->OnDropUp = [&](TObject*) { ++dropUps; };
    combo->Perform(CN_COMMAND, static_cast<WPARAM>(CBN_DROPDOWN) << 16);
    EXPECT_EQ(dropUps, 0);
    combo->SetDroppedDown(true);
    combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 1);
}

TEST_F(EsgComboTest, F4AndAltDownOpenTheListAndTypingCompletes)
{
    combo->SetFocus();
    PressKey(VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    TypeText("12");
    EXPECT_EQ(combo->Text(), "125K");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

struct PaintCase {
    const char* name;
    std::function<void(TEsgComboBox&)> setup;
    bool focused;
    bool paintsItself;
};

class EsgComboPaintTable : public EsgComboTest, public testing::WithParamInterface<PaintCase> {};

TEST_P(EsgComboPaintTable, WhoPaintsTheFrame)
{
    GetParam().setup(*combo);
    if (GetParam().focused) combo->SetFocus();
    EXPECT_EQ(combo->PaintsItself(), GetParam().paintsItself);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, EsgComboPaintTable,
    testing::Values(
        PaintCase{"AllColoursUnset", [](TEsgComboBox&) {}, false, false},
        PaintCase{"Flat", [](TEsgComboBox& c) { c.SetFlat(true); }, false, true},
        PaintCase{"ButtonColor", [](TEsgComboBox& c) { c.Colors.ButtonColor = clRed; }, false, true},
        PaintCase{"BorderColor", [](TEsgComboBox& c) { c.SetBorderColor(clRed); }, false, true},
        PaintCase{"FocusBorderUnfocused", [](TEsgComboBox& c) { c.SetFocusBorderColor(clRed); }, false,
                  false},
        PaintCase{"FocusBorderFocused", [](TEsgComboBox& c) { c.SetFocusBorderColor(clRed); }, true, true},
        PaintCase{"DisabledWithoutBorder",
                  [](TEsgComboBox& c) {
                      c.SetDisabledBorder(false);
                      c.SetEnabled(false);
                  },
                  false, true},
        PaintCase{"DisabledWithBorder", [](TEsgComboBox& c) { c.SetEnabled(false); }, false, false},
        PaintCase{"VistaFlat",
                  [](TEsgComboBox& c) {
                      c.IsVista = true;
                      c.SetFlat(true);
                  },
                  false, false}),
    [](const testing::TestParamInfo<PaintCase>& info) { return std::string(info.param.name); });

TEST_F(EsgComboTest, WithoutAnyLookThePlatformPaintsItAll)
{
    auto* plain = new TCustomComboBox(form);
    plain->SetParent(form);
    plain->SetBounds(60, 70, 120, 22);
    for (const char* item : {"10K", "125K", "250K", "1000K"}) plain->Items()->Add(item);
    plain->SetItemIndex(1);
    combo->SetItemIndex(1);
    auto own = Shot();
    TBitmap platform(120, 22);
    plain->PaintTo(platform.Canvas(), 0, 0);
    int differing = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 120; ++x) differing += own->Canvas()->Pixels(x, y) != platform.Canvas()->Pixels(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(EsgComboTest, FocusBorderColourFramesOnlyTheFocusedControl)
{
    combo->SetFocusBorderColor(clRed);
    EXPECT_NE(Shot()->Canvas()->Pixels(0, 10), clRed);
    combo->SetFocus();
    auto focused = Shot();
    EXPECT_EQ(focused->Canvas()->Pixels(0, 10), clRed);
    EXPECT_EQ(focused->Canvas()->Pixels(60, 0), clRed);
    EXPECT_EQ(focused->Canvas()->Pixels(119, 21), clRed);
    combo->SetBorderColor(clBlue);
    other->SetFocus();
    EXPECT_EQ(Shot()->Canvas()->Pixels(0, 10), clBlue);
}

TEST_F(EsgComboTest, ColouredButtonShowsItsArrow)
{
    combo->Colors.ButtonColor = clNavy;
    combo->Colors.ButtonTextColor = clYellow;
    combo->Colors.ButtonBorderColor = clRed;
    auto shot = Shot();
    // Button rectangle: left 120 - 19 + 2 + 1 - 1 = 103, top 1 + 1 = 2.
    EXPECT_EQ(shot->Canvas()->Pixels(103, 10), clRed);
    EXPECT_EQ(shot->Canvas()->Pixels(110, 4), clNavy);
    EXPECT_EQ(shot->Canvas()->Pixels(108, 9), clYellow); // (L + 5, T + 7)
}

TEST_F(EsgComboTest, FlatLookFramesInTheParentColourWithAResting)
{
    form->SetColor(clSilver);
    combo->SetFlatParentColor(false);
    combo->SetFlat(true);
    combo->SetColor(clWhite);
    combo->SetFlatLineColor(clRed);
    auto shot = Shot();
    EXPECT_EQ(ColorToRGB(shot->Canvas()->Pixels(0, 5)), ColorToRGB(clSilver));
    EXPECT_EQ(shot->Canvas()->Pixels(2, 5), clWhite);
    EXPECT_EQ(shot->Canvas()->Pixels(10, 21), clRed);
    // The resting button's ring in the button face: x from 101 to 117, y from 3 to 19.
    EXPECT_EQ(ColorToRGB(shot->Canvas()->Pixels(102, 3)), ColorToRGB(clBtnFace));
}

TEST_F(EsgComboTest, ClassicDesktopDrawsTheScrollGlyph)
{
    SystemProfile().ThemeActive = false;
    combo->SetBorderColor(clRed);
    combo->Perform(CM_MOUSEENTER);
    auto shot = Shot();
    // The arrow is black in the middle of the button.
    bool arrow = false;
    for (int x = 100; x < 118; ++x)
        arrow = arrow || shot->Canvas()->Pixels(x, 11) == ColorToRGB(clBtnText);
    EXPECT_TRUE(arrow);
}

TEST(LabelOrigin, EveryPositionAroundTheControl)
{
    const TRect control = Bounds(100, 50, 80, 20);
    const TSize label{60, 13};
    struct Case {
        TLabelPosition position;
        TPoint expected;
    };
    const Case cases[] = {
        {lpLeftTop, {36, 50}},        {lpLeftCenter, {36, 53}},     {lpLeftBottom, {36, 57}},
        {lpTopLeft, {100, 33}},       {lpBottomLeft, {100, 74}},    {lpLeftTopLeft, {96, 50}},
        {lpLeftCenterLeft, {96, 53}}, {lpLeftBottomLeft, {96, 57}}, {lpTopCenter, {110, 33}},
        {lpBottomCenter, {110, 74}},  {lpRightTop, {184, 50}},      {lpRightCenter, {184, 53}},
        {lpRighBottom, {184, 57}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LabelOrigin(c.position, control, 60, label, 4), c.expected) << c.position;
    // Wider than the control: left of it by half the difference, truncated toward zero.
    EXPECT_EQ(LabelOrigin(lpTopCenter, control, 95, {95, 13}, 4).X, 100 - 7);
}

TEST_F(EsgComboTest, TheLabelFollowsTheControl)
{
    combo->SetLabelPosition(lpTopCenter);
    combo->SetLabelCaption("A rather long caption for the box");
    TLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    EXPECT_GT(label->Width(), combo->Width());
    EXPECT_EQ(label->Left(), 60 + (120 - label->Width()) / 2);
    EXPECT_EQ(label->Top(), 40 - label->Height() - 4);
    combo->SetLeft(80);
    EXPECT_EQ(label->Left(), 80 + (120 - label->Width()) / 2);
    combo->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    combo->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
    combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

} // namespace
