#include <gtest/gtest.h>

#include "platform/ui/Capture.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Popup.h"
#include "platform/ui/ScreenInput.h"

namespace {

// Records the mouse messages and capture changes that reach it.
class TMouseLog : public TCustomControl {
public:
    explicit TMouseLog(TComponent* owner) : TCustomControl(owner) {}
    struct Entry {
        UINT msg;
        TPoint at;
    };
    std::vector<Entry> entries;
    std::vector<TControl*> captureTakers;
    int clicks = 0;

    int Count(UINT msg) const
    {
        return static_cast<int>(
            std::count_if(entries.begin(), entries.end(), [msg](const Entry& e) { return e.msg == msg; }));
    }
    void WndProc(TMessage& m) override
    {
        if (m.Msg >= WM_LBUTTONDOWN && m.Msg <= WM_MBUTTONDBLCLK)
            entries.push_back({m.Msg, LParamToPoint(m.LParam)});
        if (m.Msg == WM_CAPTURECHANGED) captureTakers.push_back(reinterpret_cast<TControl*>(m.LParam));
        TCustomControl::WndProc(m);
    }

protected:
    void Click() override { ++clicks; }
};

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetPosition(poDesigned);
        form->SetBounds(100, 100, 300, 200);
        left = NewLog(form, Rect(0, 0, 100, 100));
        right = NewLog(form, Rect(150, 0, 250, 100));
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        ReleaseCapture();
        delete form;
    }
    static TMouseLog* NewLog(TWinControl* parent, const TRect& bounds)
    {
        auto* log = new TMouseLog(parent);
        log->SetParent(parent);
        log->SetBoundsRect(bounds);
        return log;
    }
    TForm* form = nullptr;
    TMouseLog* left = nullptr;
    TMouseLog* right = nullptr;
};

TEST_F(CaptureTest, APressIsHeardByTheControlUnderTheMouseAlone)
{
    int formPresses = 0;
    form->OnMouseDown = [&formPresses](TObject*, TMouseButton, TShiftState, int, int) { ++formPresses; };
    ScreenClick(right->ClientToScreen({10, 10}));
    EXPECT_EQ(right->Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(formPresses, 0);
    ScreenClick(form->ClientToScreen({120, 150}));
    EXPECT_EQ(formPresses, 1);
}

TEST_F(CaptureTest, TheCapturingControlGetsTheMouseOverAnotherControl)
{
    ScreenClick(right->ClientToScreen({10, 10}));
    EXPECT_EQ(right->Count(WM_LBUTTONDOWN), 1) << "without capture the control under the mouse hears it";

    SetCapture(left);
    EXPECT_EQ(GetCapture(), left);
    EXPECT_TRUE(left->MouseCapture());
    ScreenClick(right->ClientToScreen({10, 10}));
    EXPECT_EQ(right->Count(WM_LBUTTONDOWN), 1);
    ASSERT_EQ(left->Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(left->entries[0].at.X, 160) << "in the capturing control's own coordinates";
    EXPECT_EQ(left->entries[0].at.Y, 10);
    EXPECT_EQ(left->clicks, 0) << "a release outside is no click";

    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(ReleaseCapture());
    ScreenClick(right->ClientToScreen({10, 10}));
    EXPECT_EQ(right->Count(WM_LBUTTONDOWN), 2);
}

TEST_F(CaptureTest, TheCapturingControlGetsTheMouseOutsideEveryWindow)
{
    const TPoint origin = left->ClientToScreen({0, 0});
    const TPoint away{origin.X - 60, origin.Y - 70};
    ScreenClick(away);
    EXPECT_TRUE(left->entries.empty());
    SetCapture(left);
    ScreenClick(away);
    ASSERT_EQ(left->Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(left->entries[0].at.X, -60);
    EXPECT_EQ(left->entries[0].at.Y, -70);
}

TEST_F(CaptureTest, TheLosingControlHearsWhoTookTheCapture)
{
    SetCapture(left);
    EXPECT_EQ(SetCapture(right), left);
    ReleaseCapture();
    ASSERT_EQ(left->captureTakers.size(), 1u);
    EXPECT_EQ(left->captureTakers[0], right);
    ASSERT_EQ(right->captureTakers.size(), 1u);
    EXPECT_EQ(right->captureTakers[0], nullptr);
}

TEST_F(CaptureTest, AHiddenOrFreedControlLosesTheCapture)
{
    SetCapture(left);
    left->Hide();
    EXPECT_EQ(GetCapture(), nullptr);
    SetCapture(right);
    delete right;
    right = nullptr;
    EXPECT_EQ(GetCapture(), nullptr);
    ScreenClick(left->ClientToScreen({10, 10})); // nothing left to crash into
}

TEST_F(CaptureTest, SetMouseCaptureTakesAndGivesBackTheCapture)
{
    left->SetMouseCapture(true);
    EXPECT_EQ(GetCapture(), left);
    left->SetMouseCapture(false);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(left->MouseCapture());
}

class PopupTest : public CaptureTest {
protected:
    void SetUp() override
    {
        CaptureTest::SetUp();
        popup = new TPopupWindow(form);
        popup->SetBounds(0, 0, 120, 80);
        inner = NewLog(popup, Rect(10, 10, 110, 70));
        popup->OnCloseUp = [this](TObject*, bool cancelled) { closes.push_back(cancelled); };
        const TPoint below = form->ClientToScreen({0, 120});
        popup->Popup(below.X, below.Y);
        Application->ProcessMessages();
    }
    TPopupWindow* popup = nullptr;
    TMouseLog* inner = nullptr;
    std::vector<bool> closes;
};

TEST_F(PopupTest, TheMouseInsideReachesTheControlUnderIt)
{
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_EQ(GetCapture(), popup);
    ScreenClick(inner->ClientToScreen({5, 6}));
    ASSERT_EQ(inner->Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(inner->entries[0].at.X, 5);
    EXPECT_EQ(inner->entries[0].at.Y, 6);
    EXPECT_EQ(inner->clicks, 1);
    EXPECT_TRUE(popup->IsOpen());
    EXPECT_TRUE(closes.empty());
}

TEST_F(PopupTest, APressOutsideClosesItCancelled)
{
    ScreenClick(right->ClientToScreen({10, 10}));
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(closes, std::vector<bool>{true});
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(right->Count(WM_LBUTTONDOWN), 0) << "the closing press is the pop-up's";
    ScreenClick(right->ClientToScreen({10, 10}));
    EXPECT_EQ(right->Count(WM_LBUTTONDOWN), 1);
    popup->CloseUp(false);
    EXPECT_EQ(closes.size(), 1u) << "a closed pop-up does not close again";
}

TEST_F(PopupTest, APressOutsideEveryWindowClosesIt)
{
    const TPoint origin = form->ClientToScreen({0, 0});
    ScreenClick({origin.X - 50, origin.Y - 50});
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(closes, std::vector<bool>{true});
}

TEST_F(PopupTest, ACaptureInsideReturnsToThePopupAndOneOutsideClosesIt)
{
    SetCapture(inner);
    EXPECT_TRUE(popup->IsOpen());
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), popup);
    SetCapture(right);
    EXPECT_FALSE(popup->IsOpen());
    EXPECT_EQ(closes, std::vector<bool>{true});
}

// A grid in a drop-down's popup asks for the focus on every press; the keyboard stays where
// it was, while a control that stands in no window at all still refuses.
TEST_F(PopupTest, AControlInsideAskingForTheFocusLeavesItWhereItWas)
{
    left->SetFocus();
    ASSERT_TRUE(left->Focused());
    EXPECT_NO_THROW(inner->SetFocus());
    EXPECT_TRUE(left->Focused());
    EXPECT_FALSE(inner->Focused());
    TMouseLog alone(nullptr);
    EXPECT_THROW(alone.SetFocus(), EInvalidOperation);
}

TEST_F(PopupTest, CloseUpTellsWhetherItWasCancelled)
{
    popup->CloseUp(false);
    EXPECT_EQ(closes, std::vector<bool>{false});
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
