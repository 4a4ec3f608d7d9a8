#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"
#include "support/FakeDialogs.h"

// Real Qt key, mouse and wheel events through the bridge: what a user's input does.
namespace {

// Records what reaches its handlers, in order.
class TRecordingControl : public TCustomControl {
public:
    explicit TRecordingControl(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    std::vector<std::string> log;
    std::u32string typed;

protected:
    void KeyDown(Word& key, TShiftState shift) override
    {
        log.push_back("down " + std::to_string(key) + (shift.Contains(ssShift) ? " shift" : "") +
                      (shift.Contains(ssCtrl) ? " ctrl" : ""));
        TCustomControl::KeyDown(key, shift);
    }
    void KeyPress(char32_t& key) override
    {
        typed += key;
        TCustomControl::KeyPress(key);
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        log.push_back("mouse down " + std::to_string(button) + " at " + std::to_string(x) + "," + std::to_string(y));
        TCustomControl::MouseDown(button, shift, x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override
    {
        log.push_back("mouse up " + std::to_string(button));
        TCustomControl::MouseUp(button, shift, x, y);
    }
    void Click() override
    {
        log.push_back("click");
        TCustomControl::Click();
    }
    void DblClick() override
    {
        log.push_back("double click");
        TCustomControl::DblClick();
    }
};

class TInputForm : public TForm {
public:
    explicit TInputForm(TComponent* owner) : TForm(owner)
    {
        SetClientSize(200, 160);
        Control = Add<TRecordingControl>(10, 10, 60, 30);
        Edit = Add<TEdit>(10, 50, 80, 21);
        Ok = Add<TButton>(10, 80, 75, 25);
        Ok->SetCaption("OK");
        Ok->SetModalResult(mrOk);
        Ok->SetDefault(true);
        Label = Add<TLabel>(100, 10, 60, 15);
        Label->SetCaption("Label");
    }
    TRecordingControl* Control;
    TEdit* Edit;
    TButton* Ok;
    TLabel* Label;

private:
    template <class T>
    T* Add(int left, int top, int width, int height)
    {
        auto* control = new T(this);
        control->SetParent(this);
        control->SetBounds(left, top, width, height);
        return control;
    }
};

class RealInputTest : public testing::Test {
protected:
    RealInputTest()
    {
        form.Show();
        form.Control->SetFocus();
    }
    TInputForm form{nullptr};
};

struct TKeyCase {
    const char* name;
    Word key;
    TShiftState shift;
    const char* logged;
    std::u32string typed;
};

const TKeyCase KeyCases[] = {
    {"Letter", 'A', {}, "down 65", U"a"},
    {"ShiftedLetter", 'A', {ssShift}, "down 65 shift", U"A"},
    {"ControlLetter", 'C', {ssCtrl}, "down 67 ctrl", U"\x03"},
    {"FunctionKey", VK_F5, {}, "down 116", U""},
    {"Delete", VK_DELETE, {}, "down 46", U""},
    {"Keypad", VK_NUMPAD9, {}, "down 105", U"9"},
};

TEST_F(RealInputTest, KeyEventsBecomeKeyDownAndKeyPress)
{
    for (const TKeyCase& c : KeyCases) {
        form.Control->SetFocus();
        form.Control->log.clear();
        form.Control->typed.clear();
        SendKey(c.key, c.shift);
        EXPECT_EQ(form.Control->log, std::vector<std::string>{c.logged}) << c.name;
        EXPECT_EQ(form.Control->typed, c.typed) << c.name;
    }
}

TEST_F(RealInputTest, TypedTextReachesTheEditUnlessItsKeyPressConsumesIt)
{
    form.Edit->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == '.') key = 0;
        if (key == 'x') key = 'y';
    };
    form.Edit->SetFocus();
    SendText("1.2xé");
    EXPECT_EQ(form.Edit->Text(), "12yé");
    SendKey(VK_BACK);
    SendKey(VK_HOME);
    SendKey(VK_DELETE);
    EXPECT_EQ(form.Edit->Text(), "2y");
}

TEST_F(RealInputTest, EnterPressesTheDefaultButtonOfAModalForm)
{
    form.Hide();
    TFakeDialogs dialogs;
    dialogs.OnModal([](TCustomForm& f) {
        static_cast<TInputForm&>(f).Edit->SetFocus();
        SendKey(VK_RETURN);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST_F(RealInputTest, ClicksReachMouseDownMouseUpAndClick)
{
    SendClick(form.Control, 5, 7);
    SendClick(form.Control, 6, 8, mbRight);
    EXPECT_EQ(form.Control->log, (std::vector<std::string>{"mouse down 0 at 5,7", "click", "mouse up 0",
                                                            "mouse down 1 at 6,8", "mouse up 1"}));
    form.Control->log.clear();
    SendDoubleClick(form.Control, 1, 1);
    // The second press arrives as the double click alone, and only once.
    EXPECT_EQ(form.Control->log, (std::vector<std::string>{"mouse down 0 at 1,1", "click", "mouse up 0",
                                                            "double click", "mouse down 0 at 1,1", "mouse up 0"}));
}

TEST_F(RealInputTest, ClicksReachPushButtonsAndWindowlessControls)
{
    int buttonClicks = 0, labelClicks = 0;
    form.Ok->OnClick = [&](TObject*) { ++buttonClicks; };
    form.Label->OnClick = [&](TObject*) { ++labelClicks; };
    SendClick(form.Ok, 10, 10);
    SendClick(form.Label, 3, 3);
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(labelClicks, 1);
}

TEST_F(RealInputTest, TheWheelGoesUpTheParentsUntilOneHandlesIt)
{
    std::vector<std::string> seen;
    form.Control->OnMouseWheel = [&](TObject*, TShiftState shift, int delta, TPoint, bool& handled) {
        seen.push_back("control " + std::to_string(delta) + (shift.Contains(ssCtrl) ? " ctrl" : ""));
        handled = delta < 0;
    };
    form.OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        seen.push_back("form " + std::to_string(delta));
        handled = true;
    };
    SendWheel(form.Control, 5, 5, -120);
    SendWheel(form.Control, 5, 5, 240, {ssCtrl});
    EXPECT_EQ(seen, (std::vector<std::string>{"control -120", "control 240 ctrl", "form 240"}));
}

}  // namespace
