#include <gtest/gtest.h>

#include "platform/ui/ComCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {
class TMemoForm : public TForm {
public:
    explicit TMemoForm(TComponent* owner) : TForm(owner)
    {
        SetClientSize(300, 200);
        Memo = new TMemo(this);
        Memo->SetParent(this);
        Ok = new TButton(this);
        Ok->SetParent(this);
        Ok->SetBounds(200, 150, 75, 25);
        Ok->SetModalResult(mrOk);
        Ok->SetDefault(true);
        Bar = new TTrackBar(this);
        Bar->SetParent(this);
        Bar->SetBounds(0, 100, 150, 40);
    }
    TMemo* Memo;
    TButton* Ok;
    TTrackBar* Bar;
};
} // namespace

TEST(Memo, EnterBreaksTheLineInsteadOfPressingTheDefaultButton)
{
    TMemoForm Form(nullptr);
    Form.Show();
    Form.Memo->SetFocus();
    SendText("ab");
    SendKey(VK_RETURN);
    SendText("c");
    EXPECT_EQ(Form.Memo->Text(), "ab\r\nc");
    EXPECT_EQ(Form.ModalResult(), mrNone);

    Form.Memo->SetWantReturns(false);
    SendKey(VK_RETURN);
    EXPECT_EQ(Form.Memo->Text(), "ab\r\nc");
    Form.Memo->SetScrollBars(ssVertical);
    EXPECT_EQ(Form.Memo->ScrollBars(), ssVertical);
}

TEST(TrackBar, PositionStaysInRangeAndReportsChanges)
{
    TMemoForm Form(nullptr);
    Form.Show();
    int Changes = 0;
    Form.Bar->OnChange = [&](TObject*) { ++Changes; };
    Form.Bar->SetPosition(4);
    Form.Bar->SetPosition(40);
    EXPECT_EQ(Form.Bar->Position(), 10);
    EXPECT_EQ(Changes, 2);
    Form.Bar->SetFocus();
    SendKey(VK_LEFT);
    EXPECT_EQ(Form.Bar->Position(), 9);
    EXPECT_EQ(Changes, 3);
}
