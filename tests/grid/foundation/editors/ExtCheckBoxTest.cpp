#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/editors/ExtCheckBox.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Forms.h"

namespace {

class ExtCheckBoxTest : public testing::Test {
protected:
    ExtCheckBoxTest()
    {
        Application->CreateForm(form);
        form->SetClientSize(200, 100);
        form->Show();
        box = new TExtCheckBox(form);
        box->SetParent(form);
        box->OnClick = [this](TObject*) { ++clicks; };
    }
    ~ExtCheckBoxTest() override
    {
        delete form;
        SystemProfile() = profile;
    }
    void ClickAt(int x, int y, int releaseX)
    {
        box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({x, y}));
        box->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({releaseX, y}));
        box->Perform(WM_LBUTTONUP, 0, PointToLParam({releaseX, y}));
    }
    void Key(UINT msg, Word key) { box->Perform(msg, key, 0); }
    // The check box painted over a red background.
    void Paint(TBitmap& bitmap)
    {
        bitmap.SetSize(box->Width(), box->Height());
        bitmap.Canvas()->Brush()->SetColor(clRed);
        bitmap.Canvas()->FillRect(Rect(0, 0, box->Width(), box->Height()));
        box->PaintTo(bitmap.Canvas(), 0, 0);
    }

    TSystemProfile profile = SystemProfile();
    TForm* form = nullptr;
    TExtCheckBox* box = nullptr;
    int clicks = 0;
};

TEST_F(ExtCheckBoxTest, StartsUncheckedWithItsClassNameAsCaption)
{
    EXPECT_EQ(box->Width(), 98);
    EXPECT_EQ(box->Height(), 20);
    EXPECT_EQ(box->Caption(), "TExtCheckBox");
    EXPECT_EQ(box->Color(), clWindow);
    EXPECT_FALSE(box->TabStop());
    EXPECT_EQ(box->State(), cbUnchecked);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    box->SetChecked(true);
    EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(ExtCheckBoxTest, AReleaseOnTheControlTogglesAndClicks)
{
    ClickAt(5, 5, 40);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(box->Down());
    // Dragged off the control: the box comes up and nothing happens.
    box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({5, 5}));
    EXPECT_TRUE(box->Down());
    box->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({150, 5}));
    EXPECT_FALSE(box->Down());
    box->Perform(WM_LBUTTONUP, 0, PointToLParam({150, 5}));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ExtCheckBoxTest, SpaceTogglesOnItsReleaseAndReadOnlyOnlyClicks)
{
    Key(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(box->Down());
    Key(WM_KEYUP, VK_SPACE);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    box->ReadOnly = true;
    Key(WM_KEYDOWN, VK_SPACE);
    Key(WM_KEYUP, VK_SPACE);
    ClickAt(5, 5, 5);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(ExtCheckBoxTest, TheAcceleratorToggles)
{
    box->SetCaption("Match &case");
    box->Perform(CM_DIALOGCHAR, 'C', 0);
    EXPECT_TRUE(box->Checked());
    box->Perform(CM_DIALOGCHAR, 'x', 0);
    EXPECT_TRUE(box->Checked());
}

TEST_F(ExtCheckBoxTest, TheClassicBoxStandsWhereAlignmentPutsIt)
{
    SystemProfile().ComCtlMajorVersion = 5;
    box->SetCaption("");
    TBitmap bitmap;
    Paint(bitmap);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor window = ColorToRGB(clWindow);
    // Sunken 13 x 13 frame at (0, 4): shadow outside top-left, white inside, and the
    // control erased in its colour around it.
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 4), shadow);
    EXPECT_EQ(bitmap.Canvas()->Pixels(11, 4), shadow);
    EXPECT_EQ(bitmap.Canvas()->Pixels(12, 16), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bitmap.Canvas()->Pixels(6, 10), window);
    EXPECT_EQ(bitmap.Canvas()->Pixels(6, 2), window);
    EXPECT_EQ(bitmap.Canvas()->Pixels(50, 10), window);

    box->SetChecked(true);
    Paint(bitmap);
    EXPECT_EQ(bitmap.Canvas()->Pixels(5, 11), ColorToRGB(clWindowText));

    box->SetAlignment(taRightJustify);
    box->SetButtonVertAlign(tlBottom);
    Paint(bitmap);
    EXPECT_EQ(bitmap.Canvas()->Pixels(85, 3), shadow); // 98 - 13, 20 - 17
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 4), window);
}

TEST_F(ExtCheckBoxTest, TheThemedBoxAndTheCaptionBesideIt)
{
    box->SetCaption("Match case");
    TBitmap bitmap;
    Paint(bitmap);
    const TColor window = ColorToRGB(clWindow);
    int boxInk = 0, textInk = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 98; ++x) {
            const bool ink = bitmap.Canvas()->Pixels(x, y) != window;
            if (ink && x < 14 && y >= 4 && y < 18) ++boxInk;
            if (ink && x >= 15) ++textInk;
            if (ink && x >= 14 && x < 15) ADD_FAILURE() << "ink between box and text at " << x << "," << y;
        }
    EXPECT_GT(boxInk, 20);
    EXPECT_GT(textInk, 20);
    EXPECT_EQ(bitmap.Canvas()->Pixels(7, 1), window);
}

} // namespace
