#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"
#include "support/FakeDialogs.h"

namespace {

// A self-painted control that counts what reaches its overridable handlers.
class TCountingControl : public TCustomControl {
public:
    explicit TCountingControl(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    int keyDowns = 0, keyPresses = 0, mouseDowns = 0, clicks = 0, paints = 0;
    std::u32string typed;
    Word lastKey = 0;
    TShiftState lastShift;
    LRESULT dialogCode = 0;

protected:
    void KeyDown(Word& key, TShiftState shift) override
    {
        ++keyDowns;
        lastKey = key;
        lastShift = shift;
        TCustomControl::KeyDown(key, shift);
    }
    void KeyPress(char32_t& key) override
    {
        ++keyPresses;
        typed += key;
        TCustomControl::KeyPress(key);
    }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override
    {
        ++mouseDowns;
        TCustomControl::MouseDown(button, shift, x, y);
    }
    void Click() override
    {
        ++clicks;
        TCustomControl::Click();
    }
    void Paint() override
    {
        ++paints;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, 5, 5));
    }
    void WMGetDlgCode(TMessage& m) override { m.Result = dialogCode; }
};

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner)
    {
        Custom = new TCountingControl(this);
        Custom->SetParent(this);
        Custom->SetBounds(10, 10, 50, 20);
        First = new TEdit(this);
        First->SetParent(this);
        First->SetBounds(10, 40, 80, 21);
        Second = new TEdit(this);
        Second->SetParent(this);
        Second->SetBounds(10, 70, 80, 21);
        Ok = new TButton(this);
        Ok->SetParent(this);
        Ok->SetCaption("&OK");
        Ok->SetModalResult(mrOk);
        Ok->SetDefault(true);
        Cancel = new TButton(this);
        Cancel->SetParent(this);
        Cancel->SetCaption("Cancel");
        Cancel->SetModalResult(mrCancel);
        Cancel->SetCancel(true);
    }
    TCountingControl* Custom;
    TEdit* First;
    TEdit* Second;
    TButton* Ok;
    TButton* Cancel;
};

class ControlMessagesTest : public ::testing::Test {
protected:
    ControlMessagesTest() { Application->CreateForm(form); }
    ~ControlMessagesTest() override { delete form; }
    TTestForm* form = nullptr;
};

TEST_F(ControlMessagesTest, KeysReachKeyDownAndKeyPressOfTheFocusedControl)
{
    form->Show();
    form->Custom->SetFocus();
    ASSERT_TRUE(form->Custom->Focused());
    PressKey('A', {ssShift});
    EXPECT_EQ(form->Custom->keyDowns, 1);
    EXPECT_EQ(form->Custom->lastKey, 'A');
    EXPECT_EQ(form->Custom->lastShift, TShiftState{ssShift});
    EXPECT_EQ(form->Custom->typed, U"A");
    TypeText("é1");
    EXPECT_EQ(form->Custom->typed, U"Aé1");
    EXPECT_EQ(form->Custom->keyPresses, 3);
}

TEST_F(ControlMessagesTest, MouseMessagesReachMouseDownAndClick)
{
    ClickAt(form->Custom, 3, 4);
    EXPECT_EQ(form->Custom->mouseDowns, 1);
    EXPECT_EQ(form->Custom->clicks, 1);
    // A press released outside the control is no click.
    form->Custom->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    form->Custom->Perform(WM_LBUTTONUP, 0, MAKELPARAM(300, 4));
    EXPECT_EQ(form->Custom->mouseDowns, 2);
    EXPECT_EQ(form->Custom->clicks, 1);
}

// The window system says nothing to the control under the pointer when its window hides;
// the form does, once, and only to the controls the pointer is in.
TEST_F(ControlMessagesTest, HidingTheWindowEndsThePointersStayInItsControls)
{
    std::vector<std::string> crossings;
    for (TControl* control : std::initializer_list<TControl*>{form->Custom, form->First, form->Ok}) {
        control->OnMouseEnter = [&crossings, control](TObject*) {
            crossings.push_back("enter " + control->ClassName());
        };
        control->OnMouseLeave = [&crossings, control](TObject*) {
            crossings.push_back("leave " + control->ClassName());
        };
    }
    form->Show();
    form->Custom->Perform(CM_MOUSEENTER);
    form->First->Perform(CM_MOUSEENTER);
    form->First->Perform(CM_MOUSELEAVE);
    form->Hide();
    form->Show();
    form->Hide();
    EXPECT_EQ(crossings, (std::vector<std::string>{"enter TCountingControl", "enter TEdit", "leave TEdit",
                                                   "leave TCountingControl"}));
}

TEST_F(ControlMessagesTest, KeyPressThatClearsTheKeyStopsTheEditTyping)
{
    form->Show();
    form->First->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == '.') key = 0;
        if (key == 'x') key = 'y';
    };
    form->First->SetFocus();
    TypeText("1.2x");
    EXPECT_EQ(form->First->Text(), "12y");
    PressKey(VK_BACK);
    EXPECT_EQ(form->First->Text(), "12");
}

TEST_F(ControlMessagesTest, KeyPreviewLetsTheFormSeeKeysFirst)
{
    form->Show();
    form->SetKeyPreview(true);
    std::vector<std::string> order;
    form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        order.push_back("form");
        if (key == VK_F2) key = 0;
    };
    form->First->OnKeyDown = [&](TObject*, Word&, TShiftState) { order.push_back("edit"); };
    form->First->SetFocus();
    PressKey(VK_F5);
    PressKey(VK_F2);
    EXPECT_EQ(order, (std::vector<std::string>{"form", "edit", "form"}));
}

TEST_F(ControlMessagesTest, TabMovesTheFocusInTabOrder)
{
    form->Show();
    form->First->SetFocus();
    std::vector<std::string> events;
    form->First->OnExit = [&](TObject*) { events.push_back("exit First"); };
    form->Second->OnEnter = [&](TObject*) { events.push_back("enter Second"); };
    PressKey(VK_TAB);
    EXPECT_TRUE(form->Second->Focused());
    EXPECT_EQ(events, (std::vector<std::string>{"exit First", "enter Second"}));
    PressKey(VK_TAB, {ssShift});
    EXPECT_TRUE(form->First->Focused());
    // A control without TabStop is passed over; TabOrder changes the order.
    form->Second->SetTabStop(false);
    form->Cancel->SetTabOrder(0);
    EXPECT_EQ(form->FindNextControl(form->First, true, true, false), form->Ok);
    EXPECT_EQ(form->FindNextControl(form->Ok, true, true, false), form->Cancel);
    form->Second->SetEnabled(false);
    EXPECT_FALSE(form->Second->CanFocus());
    EXPECT_THROW(form->Second->SetFocus(), EInvalidOperation);
}

// A control that turns a key into another posts it; it must arrive as a typed key would,
// through the form's focus handling, not straight at the control.
TEST_F(ControlMessagesTest, PostedKeysGoWhereTypedKeysGo)
{
    form->Show();
    form->First->SetFocus();
    PostMessage(form->First, WM_KEYDOWN, VK_TAB, 0);
    Application->ProcessMessages();
    EXPECT_TRUE(form->Second->Focused());
    PostMessage(form->Second, WM_KEYDOWN, VK_TAB, ShiftStateToKeyData({ssShift}));
    Application->ProcessMessages();
    EXPECT_TRUE(form->First->Focused());

    // A control that wants the Tab gets its key-down and the character it types.
    form->Custom->SetFocus();
    form->Custom->dialogCode = DLGC_WANTTAB | DLGC_WANTCHARS;
    PostMessage(form->Custom, WM_KEYDOWN, VK_TAB, 0);
    PostMessage(form->Custom, WM_CHAR, 'x', 0);
    Application->ProcessMessages();
    EXPECT_TRUE(form->Custom->Focused());
    EXPECT_EQ(form->Custom->lastKey, VK_TAB);
    EXPECT_EQ(form->Custom->typed, U"\tx");
}

TEST_F(ControlMessagesTest, TheCustomControlGetsTabWhenItAsksForIt)
{
    form->Show();
    form->Custom->SetFocus();
    PressKey(VK_TAB);
    EXPECT_FALSE(form->Custom->Focused());
    form->Custom->SetFocus();
    form->Custom->dialogCode = DLGC_WANTTAB;
    PressKey(VK_TAB);
    EXPECT_TRUE(form->Custom->Focused());
    EXPECT_EQ(form->Custom->lastKey, VK_TAB);
}

TEST_F(ControlMessagesTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton)
{
    TFakeDialogs dialogs;
    dialogs.OnModal([](TCustomForm& f) {
        auto& form = static_cast<TTestForm&>(f);
        form.First->SetFocus();
        PressKey(VK_RETURN);
    });
    dialogs.OnModal([](TCustomForm&) { PressKey(VK_ESCAPE); });
    dialogs.OnModal([](TCustomForm& f) {
        // A focused button takes Enter itself.
        static_cast<TTestForm&>(f).Cancel->SetFocus();
        PressKey(VK_RETURN);
    });
    dialogs.OnModal([](TCustomForm&) { PressKey('O', {ssAlt}); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
}

TEST_F(ControlMessagesTest, ShowModalRunsOnShowAndLetsOnCloseQueryRefuse)
{
    TFakeDialogs dialogs;
    int shows = 0;
    bool allow = false;
    form->OnShow = [&](TObject*) { ++shows; };
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    dialogs.OnModal([&](TCustomForm& f) {
        f.SetModalResult(mrYes);
        EXPECT_FALSE(f.ModalFinished());
        EXPECT_EQ(f.ModalResult(), mrNone);
        allow = true;
        f.SetModalResult(mrNo);
    });
    EXPECT_EQ(form->ShowModal(), mrNo);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(dialogs.ModalForms(), std::vector<std::string>{"TTestForm"});
}

TEST_F(ControlMessagesTest, AnExceptionFromAnEventHandlerShowsItsMessage)
{
    TFakeDialogs dialogs;
    form->Ok->OnClick = [](TObject*) { throw Exception("Cannot write the file"); };
    form->Custom->OnClick = [](TObject*) { throw EConvertError("'x' is not a number"); };
    form->Show();
    form->Ok->SetFocus();
    PressKey(VK_SPACE);  // the push button clicks itself when the space key comes up
    PostMessage(form->Custom, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    PostMessage(form->Custom, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    Application->ProcessMessages();
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "Cannot write the file");
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_EQ(dialogs.Messages()[0].Buttons, TMsgDlgButtons{mbOK});
    EXPECT_EQ(dialogs.Messages()[1].Text, "'x' is not a number");
}

}  // namespace

TEST_F(ControlMessagesTest, AControlFreedByItsKeyHandlerIsNotTouchedAfterIt)
{
    for (UINT msg : {WM_KEYDOWN, WM_KEYUP, WM_CHAR}) {
        auto* edit = new TEdit(form);
        edit->SetParent(form);
        const auto freeIt = [&edit] {
            delete edit;
            edit = nullptr;
        };
        edit->OnKeyDown = [&](TObject*, Word&, TShiftState) { freeIt(); };
        edit->OnKeyUp = [&](TObject*, Word&, TShiftState) { freeIt(); };
        edit->OnKeyPress = [&](TObject*, char32_t&) { freeIt(); };
        edit->Perform(msg, 'A', 0);
        EXPECT_EQ(edit, nullptr) << msg;
    }
}
