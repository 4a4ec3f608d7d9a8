#include <gtest/gtest.h>

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownBars.h"
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDropDown.h"
#include "platform/rtl/Ticks.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScreenInput.h"

namespace {
// A drop-down whose popup shows a plain panel.
class TPanelDropDown : public TExtCustomDropDown {
public:
    explicit TPanelDropDown(TComponent* owner) : TExtCustomDropDown(owner)
    {
        Panel = new TPanel(this);
        Panel->SetBounds(0, 0, 150, 60);
    }
    TPanel* Panel;

protected:
    void BeforeDropDown() override
    {
        TExtCustomDropDown::BeforeDropDown();
        Panel->SetBounds(0, 0, 150, 60);
        SetDropDownControl(Panel);
    }
};

class TDropDownHost : public TForm {
public:
    explicit TDropDownHost(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 300, 200);
        DropDown = new TPanelDropDown(this);
        DropDown->SetParent(this);
        DropDown->SetBounds(10, 10, 120, 21);
        Other = new TEdit(this);
        Other->SetParent(this);
        Other->SetBounds(10, 100, 80, 21);
    }
    TPanelDropDown* DropDown;
    TEdit* Other;
};

class ExtDropDownTest : public testing::Test {
protected:
    ExtDropDownTest()
    {
        Host.Show();
        Host.DropDown->SetFocus();
        SetTickSource([this] { return Ticks; });
    }
    ~ExtDropDownTest() override { SetTickSource(nullptr); }

    TDropDownHost Host{nullptr};
    TPanelDropDown& Edit = *Host.DropDown;
    uint64_t Ticks = 1000;
};
} // namespace

TEST_F(ExtDropDownTest, OpensBelowTheEditAndClosesWithTheKeys)
{
    SendKey(VK_F4);
    ASSERT_TRUE(Edit.DroppedDown());
    TDropDownForm* Popup = Edit.DropDownForm();
    const TPoint Anchor = Host.ClientToScreen(TPoint{Edit.Left(), Edit.Top()});
    EXPECT_EQ(Popup->Left(), Anchor.X);
    EXPECT_EQ(Popup->Top(), Anchor.Y + Edit.Height() - 1);
    // As wide as its control, as high as the control with both bars and the frame.
    EXPECT_EQ(Popup->Width(), 150);
    EXPECT_EQ(Popup->Height(), 60 + 22 + 22 + 2);
    SendKey(VK_UP, {ssAlt});
    EXPECT_FALSE(Edit.DroppedDown());
    EXPECT_FALSE(Popup->Visible());
    SendKey(VK_DOWN, {ssAlt});
    EXPECT_TRUE(Edit.DroppedDown());
    SendKey(VK_F4);
    EXPECT_FALSE(Edit.DroppedDown());
}

TEST_F(ExtDropDownTest, EscapeRestoresTheValueAndEnterKeepsIt)
{
    Edit.SetText("first");
    Edit.ShowDropDown();
    Edit.SetEditText("picked");
    SendKey(VK_ESCAPE);
    EXPECT_EQ(Edit.Text(), "first");
    Edit.ShowDropDown();
    Edit.SetEditText("picked");
    SendKey(VK_RETURN);
    EXPECT_FALSE(Edit.DroppedDown());
    EXPECT_EQ(Edit.Text(), "picked");
}

TEST_F(ExtDropDownTest, RemembersTheSizeTheUserGaveUntilTheSizeIsSet)
{
    Edit.ShowDropDown();
    Edit.DropDownForm()->SizeTo(260, 140);
    Edit.HideDropDown(false);
    Edit.ShowDropDown();
    EXPECT_EQ(Edit.DropDownForm()->Width(), 260);
    EXPECT_EQ(Edit.DropDownForm()->Height(), 140);
    Edit.HideDropDown(false);
    Edit.SetDropDownWidth(0);
    Edit.SetDropDownHeight(0);
    Edit.ShowDropDown();
    EXPECT_EQ(Edit.DropDownForm()->Width(), 150);
}

TEST_F(ExtDropDownTest, RefusedOpeningPreparesTheBarsButStaysClosed)
{
    Edit.OnDropDown = [](TObject*, bool& Accept) { Accept = false; };
    Edit.ShowDropDown();
    EXPECT_FALSE(Edit.DroppedDown());
    EXPECT_FALSE(Edit.DropDownForm()->Visible());
    EXPECT_NE(Edit.DropDownForm()->Header(), nullptr);
}

TEST_F(ExtDropDownTest, APressOutsideClosesAndTheButtonWaitsBeforeReopening)
{
    Edit.SetText("kept");
    Edit.ShowDropDown();
    Edit.SetEditText("changed");
    const TPoint Outside = Host.ClientToScreen(TPoint{250, 150});
    ScreenClick(Outside);
    EXPECT_FALSE(Edit.DroppedDown());
    EXPECT_EQ(Edit.Text(), "kept"); // a press outside cancels by default
    SendClick(Edit.Button()->Button(), 5, 5);
    EXPECT_FALSE(Edit.DroppedDown()) << "the click that closed it must not reopen it";
    Ticks += 251;
    SendClick(Edit.Button()->Button(), 5, 5);
    EXPECT_TRUE(Edit.DroppedDown());
}

TEST_F(ExtDropDownTest, PickOnlyEditSwallowsTypingAndOpensOnAClick)
{
    Edit.SetEditorEnabled(false);
    Edit.SetText("value");
    SendText("xyz");
    EXPECT_EQ(Edit.Text(), "value");
    SendClick(&Edit, 20, 5);
    EXPECT_TRUE(Edit.DroppedDown());
}

TEST_F(ExtDropDownTest, TypedInputReachesTheEdit)
{
    Edit.SetInputType(etFloat);
    Edit.SetPrecision(2);
    EXPECT_EQ(Edit.Text(), "0.00");
    Edit.SelectAll();
    SendText("12.345");
    // The third decimal overwrites nothing: with two decimals at the end a digit is refused.
    EXPECT_EQ(Edit.Text(), "12.34");
    EXPECT_TRUE(Edit.GetValueModified());
    Host.Other->SetFocus();
    EXPECT_EQ(Edit.GetFloatValue(), 12.34);
}

// A paste that would make the value longer than MaxLength is refused whole, not cut; the
// limit counts characters.
TEST_F(ExtDropDownTest, APastePastMaxLengthIsRefusedWhole)
{
    struct Case {
        const char* Text;
        const char* Clip;
        const char* Expected;
    };
    const Case Cases[] = {
        {"abc", "wxyz", "abc"},
        {"abc", "wxy", "awxyc"},
        {"äbc", "wxy", "äwxyc"},
        {"äbc", "wxyü", "äbc"},
    };
    Edit.SetMaxLength(5);
    for (const Case& C : Cases) {
        Edit.SetText(C.Text);
        Edit.SetSelStart(1);
        Edit.SetSelLength(1);
        Clipboard()->SetAsText(C.Clip);
        SendKey('V', {ssCtrl});
        EXPECT_EQ(Edit.Text(), C.Expected) << C.Text << " with " << C.Clip;
    }
}

namespace {
// The darkest pixel the drop-down's button paints, as the sum of its colour channels: the
// arrow's colour.
int DarkestButtonPixel(const TExtCustomDropDown& Edit)
{
    TControl* Button = Edit.Button()->Button();
    TBitmap Shot(Button->Width(), Button->Height());
    Shot.Canvas()->Brush()->SetColor(clWhite);
    Shot.Canvas()->FillRect({0, 0, Button->Width(), Button->Height()});
    Button->PaintTo(Shot.Canvas(), 0, 0);
    int Darkest = 3 * 255;
    for (int Y = 0; Y < Shot.Height(); ++Y)
        for (int X = 0; X < Shot.Width(); ++X) {
            const TColor C = Shot.Canvas()->Pixels(X, Y);
            Darkest = std::min(Darkest, static_cast<int>((C & 0xFF) + ((C >> 8) & 0xFF) + ((C >> 16) & 0xFF)));
        }
    return Darkest;
}
} // namespace

// The button of an edit that cannot open its popup, read-only or disabled, is drawn greyed.
TEST_F(ExtDropDownTest, TheButtonOfAReadOnlyOrDisabledEditIsDrawnGreyed)
{
    const int Usable = DarkestButtonPixel(Edit);
    Edit.SetReadOnly(true);
    EXPECT_GT(DarkestButtonPixel(Edit), Usable + 90) << "read-only";
    Edit.SetReadOnly(false);
    EXPECT_EQ(DarkestButtonPixel(Edit), Usable);
    Edit.SetEnabled(false);
    EXPECT_GT(DarkestButtonPixel(Edit), Usable + 90) << "disabled";
}

// Assign copies the image list, which the copy then follows like its own.
TEST_F(ExtDropDownTest, AssignCopiesTheImages)
{
    auto* Images = new TCustomImageList(&Host, 10, 8);
    Edit.SetImages(Images);
    TPanelDropDown Copy(&Host);
    Copy.Assign(Edit);
    EXPECT_EQ(Copy.Images(), Images);
    delete Images;
    EXPECT_EQ(Copy.Images(), nullptr);
}

TEST_F(ExtDropDownTest, TheLabelStandsBesideTheEdit)
{
    Edit.SetLabelCaption("Name");
    Edit.SetLabelPosition(lpRightCenter);
    Edit.SetLabelMargin(4);
    TLabel* Label = Edit.EditLabel();
    ASSERT_NE(Label, nullptr);
    EXPECT_EQ(Label->Left(), Edit.Left() + Edit.Width() + 4);
    EXPECT_EQ(Label->Top(), Edit.Top() + (Edit.Height() - Label->Height()) / 2);
    Edit.SetVisible(false);
    EXPECT_FALSE(Label->Visible());
}

TEST_F(ExtDropDownTest, FooterButtonsCloseByTheirModalResult)
{
    TFooterButton& Ok = Edit.DropDownFooter()->Buttons()->Add();
    Ok.SetCaption("OK");
    Ok.ModalResult = mrOk;
    TFooterButton& Retry = Edit.DropDownFooter()->Buttons()->Add();
    Retry.SetCaption("Retry");
    Retry.ModalResult = 4;
    std::vector<std::string> Log;
    Edit.OnDropUp = [&](TObject*, bool Cancelled) { Log.push_back(Cancelled ? "up cancelled" : "up"); };
    Edit.OnDropDownFooterButtonClick = [&](TObject*, int Index) { Log.push_back("button " + std::to_string(Index)); };
    Edit.ShowDropDown();
    TExtFooter* Footer = Edit.DropDownForm()->Footer();
    ASSERT_NE(Footer, nullptr);
    ASSERT_EQ(Footer->ButtonList().Count(), 2);
    TExtButton* RetryButton = Footer->ButtonList().GetItemsEx(1);
    SendClick(RetryButton, 3, 3);
    EXPECT_TRUE(Edit.DroppedDown());
    SendClick(Footer->ButtonList().GetItemsEx(0), 3, 3);
    EXPECT_FALSE(Edit.DroppedDown());
    EXPECT_EQ(Log, (std::vector<std::string>{"button 1", "up", "button 0"}));
}

TEST_F(ExtDropDownTest, HeaderButtonsRunFromTheRightAndAreCutToTheBar)
{
    for (const char* Caption : {"One", "Two", "Three"})
        Edit.DropDownHeader()->Buttons()->Add().SetCaption(Caption);
    Edit.DropDownHeader()->Buttons()->Items(2).SetHeight(100);
    Edit.ShowDropDown();
    TExtHeader* Header = Edit.DropDownForm()->Header();
    const TDbgList& Buttons = Header->ButtonList();
    const TRect Area = Header->ButtonArea();
    EXPECT_EQ(Buttons.GetItemsEx(0)->Left() + Buttons.GetItemsEx(0)->Width(), Area.Right);
    EXPECT_EQ(Buttons.GetItemsEx(1)->Left() + Buttons.GetItemsEx(1)->Width(), Buttons.GetItemsEx(0)->Left());
    EXPECT_EQ(Buttons.GetItemsEx(2)->Height(), Area.Height());
    try {
        Buttons.GetItemsEx(3);
        FAIL();
    } catch (const EListError& E) {
        EXPECT_STREQ(E.what(), "Index out of bounds in list read access");
    }
}

TEST_F(ExtDropDownTest, TheFrameIsAsWideAsTheBorderWidth)
{
    Edit.SetDropDownBorderWidth(3);
    Edit.SetDropDownBorderColor(clRed);
    Edit.SetDropDownColor(clWhite);
    Edit.SetDropDownColorTo(clNone);
    Edit.DropDownHeader()->SetVisible(false);
    Edit.DropDownFooter()->SetVisible(false);
    Edit.ShowDropDown();
    TDropDownForm* Popup = Edit.DropDownForm();
    EXPECT_EQ(Edit.Panel->Left(), 3);
    EXPECT_EQ(Edit.Panel->Top(), 3);
    TBitmap Shot(Popup->Width(), Popup->Height());
    Popup->PaintTo(Shot.Canvas(), 0, 0);
    const int W = Popup->Width(), H = Popup->Height();
    for (int I = 0; I < 3; ++I) {
        EXPECT_EQ(Shot.Canvas()->Pixels(I, H / 2), clRed) << I;
        EXPECT_EQ(Shot.Canvas()->Pixels(W - 1 - I, H / 2), clRed) << I;
        EXPECT_EQ(Shot.Canvas()->Pixels(W / 2, I), clRed) << I;
        EXPECT_EQ(Shot.Canvas()->Pixels(W / 2, H - 1 - I), clRed) << I;
    }
}

TEST_F(ExtDropDownTest, AutoPlacementOpensAboveWhenBelowIsNotStrictlyEnough)
{
    Edit.ShowDropDown();
    const int H = Edit.DropDownForm()->Height();
    Edit.HideDropDown(false);
    const auto AnchorY = [&] { return Host.ClientToScreen(TPoint{Edit.Left(), Edit.Top()}).Y; };
    for (const int Spare : {0, 1}) {
        Edit.SetTop(Edit.Top() + (Screen->Height() - H - Spare) - AnchorY());
        ASSERT_EQ(AnchorY() + H + Spare, Screen->Height());
        Edit.ShowDropDown();
        const bool Above = Edit.DropDownForm()->Top() == AnchorY() - H;
        EXPECT_EQ(Above, Spare == 0) << "spare " << Spare;
        Edit.HideDropDown(false);
    }
}

TEST_F(ExtDropDownTest, TheFrameColourFollowsTheFocus)
{
    Edit.SetBorderColor(clRed);
    const auto FramePixel = [&] {
        Application->ProcessMessages();
        TBitmap Shot(Edit.Width(), Edit.Height());
        Edit.PaintTo(Shot.Canvas(), 0, 0);
        return Shot.Canvas()->Pixels(0, Edit.Height() / 2);
    };
    EXPECT_EQ(FramePixel(), clRed) << "focused, without a focus colour";
    Edit.SetFocusBorderColor(clBlue);
    Edit.Invalidate();
    EXPECT_EQ(FramePixel(), clBlue);
    Host.Other->SetFocus();
    EXPECT_EQ(FramePixel(), clRed);
}
