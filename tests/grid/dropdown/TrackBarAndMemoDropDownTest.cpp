#include <gtest/gtest.h>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtMemoDropDown.h"
#include "grid/dropdown/ExtTrackBarDropDown.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScreenInput.h"

namespace {
template <class TDropDown> class TOneDropDownForm : public TForm {
public:
    explicit TOneDropDownForm(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 320, 240);
        DropDown = new TDropDown(this);
        DropDown->SetParent(this);
        DropDown->SetBounds(10, 10, 150, 21);
        Show();
        DropDown->SetFocus();
    }
    TDropDown* DropDown;
};
} // namespace

TEST(TrackBarDropDown, KeysStepWithinTheRange)
{
    TOneDropDownForm<TExtTrackBarDropDown> Form(nullptr);
    TExtTrackBarDropDown& Edit = *Form.DropDown;
    for (int I = 0; I < 7; ++I)
        SendKey(VK_DOWN);
    EXPECT_EQ(Edit.Position(), 7);
    EXPECT_EQ(Edit.Text(), "7");
    Edit.SetPosition(10);
    SendKey(VK_DOWN);
    EXPECT_EQ(Edit.Position(), 10);
    Edit.SetPosition(0);
    SendKey(VK_UP);
    EXPECT_EQ(Edit.Position(), 0);
}

TEST(TrackBarDropDown, DraggingAcrossTheClosedEditMovesByPageSize)
{
    TOneDropDownForm<TExtTrackBarDropDown> Form(nullptr);
    TExtTrackBarDropDown& Edit = *Form.DropDown;
    Edit.SetPosition(3);
    Edit.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(TPoint{20, 5}));
    Edit.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(TPoint{25, 5}));
    EXPECT_EQ(Edit.Position(), 5); // 5 pixels / 2
    Edit.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(TPoint{26, 5}));
    Edit.Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(TPoint{27, 5}));
    EXPECT_EQ(Edit.Position(), 5); // single pixels are not summed up
    Edit.Perform(WM_LBUTTONUP, 0, PointToLParam(TPoint{27, 5}));
    Edit.SetPageSize(0);
    EXPECT_EQ(Edit.PageSize(), 1);
}

TEST(TrackBarDropDown, EscapeRestoresAndAPressOutsideKeeps)
{
    TOneDropDownForm<TExtTrackBarDropDown> Form(nullptr);
    TExtTrackBarDropDown& Edit = *Form.DropDown;
    Edit.SetText("2");
    Edit.ShowDropDown();
    ASSERT_TRUE(Edit.DroppedDown());
    Edit.TrackBar()->SetPosition(6);
    EXPECT_EQ(Edit.Text(), "6");
    SendKey(VK_ESCAPE);
    EXPECT_EQ(Edit.Text(), "2");
    Edit.ShowDropDown();
    Edit.TrackBar()->SetPosition(8);
    ScreenClick(Form.ClientToScreen(TPoint{300, 200}));
    EXPECT_FALSE(Edit.DroppedDown());
    EXPECT_EQ(Edit.Text(), "8");
}

TEST(MemoDropDown, PickOnlyShowsTheFirstLine)
{
    TOneDropDownForm<TExtMemoDropDown> Form(nullptr);
    TExtMemoDropDown& Edit = *Form.DropDown;
    Edit.SetEditorEnabled(false);
    TStringList Lines;
    Lines.SetText("first\r\nsecond");
    Edit.SetMemoText(Lines);
    EXPECT_EQ(Edit.Text(), "first...");
    Lines.SetText("first");
    Edit.SetMemoText(Lines);
    EXPECT_EQ(Edit.Text(), "first");
}

TEST(MemoDropDown, TheOpenMemoTakesTheKeysAndEscapeDiscardsThem)
{
    TOneDropDownForm<TExtMemoDropDown> Form(nullptr);
    TExtMemoDropDown& Edit = *Form.DropDown;
    TStringList Lines;
    Lines.SetText("one");
    Edit.SetMemoText(Lines);
    Edit.ShowDropDown();
    ASSERT_TRUE(Edit.DroppedDown());
    Edit.Memo()->SetSelStart(3);
    SendKey(VK_RETURN);
    SendText("two");
    EXPECT_TRUE(Edit.DroppedDown()) << "Enter stays in the memo";
    EXPECT_EQ(Edit.Memo()->Text(), "one\r\ntwo");
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(Edit.DroppedDown());
    EXPECT_EQ(Edit.MemoText().Text(), "one\r\n");

    Edit.ShowDropDown();
    Edit.Memo()->SetSelStart(3);
    SendText("!");
    EXPECT_EQ(Edit.Memo()->Text(), "one!");
    ScreenClick(Form.ClientToScreen(TPoint{300, 200}));
    EXPECT_EQ(Edit.MemoText().Text(), "one!\r\n");
}

TEST(MemoDropDown, TypingInTheEditReplacesTheText)
{
    TOneDropDownForm<TExtMemoDropDown> Form(nullptr);
    TExtMemoDropDown& Edit = *Form.DropDown;
    SendText("typed");
    EXPECT_EQ(Edit.MemoText().Text(), "typed\r\n");
}
