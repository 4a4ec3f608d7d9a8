#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/foundation/editors/ExtDateTimePicker.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Forms.h"

namespace {

struct Probe {
    int x, y;
    TColor color;
    bool equal;
};

struct LookCase {
    const char* name;
    std::function<void(TEsgDateTimePicker*)> setUp;
    bool ext; // the date-and-time family (Kind dkDate), else the plain picker
    std::vector<Probe> probes;
    bool classic = false; // common controls 5 without visual styles, fixed at creation
};

class PickerLookTest : public testing::TestWithParam<LookCase> {
protected:
    PickerLookTest()
    {
        Application->CreateForm(form);
        form->SetColor(clLime);
        form->Show();
        if (GetParam().classic) {
            SystemProfile().ComCtlMajorVersion = 5;
            SystemProfile().ThemeActive = false;
        }
        if (GetParam().ext) {
            auto* ext = new TExtDateTimePicker(form);
            ext->SetKind(dkDate);
            picker = ext;
        } else {
            picker = new TEsgDateTimePicker(form);
        }
        picker->SetParent(form);
        picker->SetBounds(20, 20, 120, 22);
    }
    ~PickerLookTest() override
    {
        delete form;
        SystemProfile() = savedProfile_;
    }

    TForm* form = nullptr;
    TEsgDateTimePicker* picker = nullptr;

private:
    TSystemProfile savedProfile_ = SystemProfile();
};

TEST_P(PickerLookTest, PaintsItsOwnLook)
{
    GetParam().setUp(picker);
    TBitmap shot(picker->Width(), picker->Height());
    picker->PaintTo(shot.Canvas(), 0, 0);
    for (const Probe& p : GetParam().probes) {
        if (p.equal)
            EXPECT_EQ(shot.Canvas()->Pixels(p.x, p.y), p.color) << p.x << "," << p.y;
        else
            EXPECT_NE(shot.Canvas()->Pixels(p.x, p.y), p.color) << p.x << "," << p.y;
    }
}

constexpr TColor kThemedOutline = 0xB99D7F;

// The coloured button: rectangle left 120 - 19 + 2 + 1 = 104, top 1; the border line on
// its left edge, the fill from 2 pixels right of it, the arrow from (L+5, T+7).
const LookCase kLooks[] = {
    {"FrameColourWithoutMetroStyleIsNotDrawn", [](TEsgDateTimePicker* p) { p->SetBorderColor(clRed); }, false,
     {{0, 10, clRed, false}, {60, 0, clRed, false}}},
    {"MetroStyleFramesInTheBorderColour",
     [](TEsgDateTimePicker* p) {
         p->SetBorderColor(clRed);
         p->SetMetroStyle(true);
     },
     false, {{0, 10, clRed, true}, {60, 0, clRed, true}, {119, 21, clRed, true}, {60, 10, clRed, false}}},
    // The strip left of the button is cleared inside the platform's frame, not over it.
    {"MetroStyleClearsTheStripInsideThePlatformFrame", [](TEsgDateTimePicker* p) { p->SetMetroStyle(true); }, false,
     {{95, 10, clWhite, true}, {95, 21, clWhite, false}, {119, 10, clWhite, false}}},
    {"ColouredButton",
     [](TEsgDateTimePicker* p) {
         p->SetMetroStyle(true);
         p->Colors().ButtonColor = clNavy;
         p->Colors().ButtonTextColor = clYellow;
         p->Colors().ButtonBorderColor = clRed;
     },
     false, {{104, 10, clRed, true}, {106, 4, clNavy, true}, {105, 4, clNavy, false}, {112, 9, clYellow, true}}},
    {"DisabledUnderAThemeGetsTheGreyBlueFrame",
     [](TEsgDateTimePicker* p) {
         p->SetMetroStyle(true);
         p->SetEnabled(false);
     },
     false, {{0, 10, kThemedOutline, true}, {119, 21, kThemedOutline, true}}},
    {"WithoutCtl3DTheOutlineTakesTheThemedColour", [](TEsgDateTimePicker* p) { p->SetCtl3D(false); }, true,
     {{0, 10, kThemedOutline, true}, {119, 0, kThemedOutline, true}, {60, 21, kThemedOutline, true}}},
    {"WithoutBorderStyleTheOutlineBlendsIntoTheParent",
     [](TEsgDateTimePicker* p) {
         p->SetCtl3D(false);
         p->SetBorderStyle(bsNone);
     },
     true, {{0, 10, clLime, true}, {60, 0, clLime, true}}},
    {"WithoutAThemeTheOutlineIsDoubleInTheBorderColour",
     [](TEsgDateTimePicker* p) {
         p->SetCtl3D(false);
         p->SetBorderColor(clBlue);
     },
     true, {{0, 10, clBlue, true}, {1, 10, clBlue, true}, {118, 10, clBlue, true}}, true},
    // Without Ctl3D the sunken platform frame gives way to a one-pixel border: the window
    // frame colour, or the parent's where a border colour asks for the own outline.
    {"WithoutCtl3DASingleBorderReplacesThePlatformFrame", [](TEsgDateTimePicker* p) { p->SetCtl3D(false); }, false,
     {{0, 10, clBlack, true}, {60, 0, clBlack, true}, {60, 1, clWhite, true}, {60, 20, clWhite, true}}},
    {"WithoutCtl3DABorderColourBlendsTheBorderIntoTheParent",
     [](TEsgDateTimePicker* p) {
         p->SetCtl3D(false);
         p->SetBorderColor(clRed);
     },
     false, {{0, 10, clLime, true}, {60, 0, clLime, true}, {60, 1, clWhite, true}, {60, 20, clWhite, true}}},
    {"NoOwnLookWithoutLocaleFunctions",
     [](TEsgDateTimePicker* p) {
         SystemProfile().HasLocaleInfoEx = false;
         p->SetBorderColor(clRed);
         p->SetMetroStyle(true);
     },
     false, {{0, 10, clRed, false}}},
};

INSTANTIATE_TEST_SUITE_P(Looks, PickerLookTest, testing::ValuesIn(kLooks),
                         [](const testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

class PickerLabelTest : public testing::Test {
protected:
    PickerLabelTest()
    {
        Application->CreateForm(form);
        form->Show();
        picker = new TExtDateTimePicker(form);
        picker->SetParent(form);
        picker->SetBounds(100, 50, 200, 22);
        picker->SetLabelCaption("Datum Äöü");
    }
    ~PickerLabelTest() override { delete form; }

    TForm* form = nullptr;
    TExtDateTimePicker* picker = nullptr;
};

TEST_F(PickerLabelTest, StandsAtEachPositionOnTheParent)
{
    TLabel* label = picker->PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    const int lw = label->Width(), lh = label->Height();
    struct Case {
        TLabelPosition position;
        int left, top;
    };
    const Case cases[] = {
        {lpLeftTop, 100 - lw - 4, 50},          {lpLeftCenter, 100 - lw - 4, 50 + (22 - lh) / 2},
        {lpTopLeft, 100, 50 - lh - 4},          {lpBottomCenter, 100 + (200 - lw) / 2, 76},
        {lpRighBottom, 304, 50 + 22 - lh},
    };
    for (const Case& c : cases) {
        picker->SetLabelPosition(c.position);
        EXPECT_EQ(label->Left(), c.left) << c.position;
        EXPECT_EQ(label->Top(), c.top) << c.position;
    }
    picker->SetLabelMargin(10);
    picker->SetBounds(120, 50, 200, 22);
    EXPECT_EQ(label->Left(), 330);
}

TEST_F(PickerLabelTest, FollowsEnabledVisibleAndFocus)
{
    TLabel* label = picker->PickerLabel();
    picker->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
    picker->SetEnabled(true);
    picker->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    picker->SetVisible(true);
    EXPECT_TRUE(label->Visible());
    picker->SetFocusLabel(true);
    picker->SetFocus();
    EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
    int clicks = 0;
    picker->OnLabelClick = [&](TObject* sender) { clicks += sender == picker; };
    label->OnClick(label);
    EXPECT_EQ(clicks, 1);
}

} // namespace
