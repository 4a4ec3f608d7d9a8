#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "controls/LbButton.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"
#include "platform/ui/PopupCommandMenu.h"
#include "support/FakeDialogs.h"

namespace {
constexpr TColor WindowFace = 15595512; // (248, 247, 237)
constexpr TColor Orange = 33023;

// A shown form with two buttons set up as the system's windows set them, and a plain
// windowed control that takes the focus but is no push button.
class LbButtonTest : public testing::Test {
protected:
    LbButtonTest()
    {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
        button = AddButton(10);
        other = AddButton(50);
        field = new TCustomControl(form);
        field->SetParent(form);
        field->SetBounds(10, 90, 100, 23);
        field->SetTabStop(true);
        button->OnClick = [this](TObject*) { ++clicks; };
        form->AfterConstruction();
        form->Show();
    }
    ~LbButtonTest() override { delete form; }

    TLbButton* AddButton(int top)
    {
        auto* b = new TLbButton(form);
        b->SetParent(form);
        b->SetBounds(10, top, 100, 23);
        b->SetStyle(bsEncarta);
        b->SetColor(WindowFace);
        b->SetLightColor(clGray);
        b->SetColorWhenDown(Orange);
        b->SetHotTrackColor(clYellow);
        return b;
    }

    TColor Pixel(int x, int y)
    {
        button->Perform(WM_PAINT);
        return button->Canvas()->Pixels(x, y);
    }

    void Send(UINT msg, WPARAM w, LPARAM l = 0) { button->Perform(msg, w, l); }
    void Mouse(UINT msg, int x, int y) { button->Perform(msg, MK_LBUTTON, PointToLParam({x, y})); }

    TForm* form;
    TLbButton* button;
    TLbButton* other;
    TCustomControl* field;
    int clicks = 0;
};

TEST_F(LbButtonTest, NewButtonHasTheDocumentedDefaults)
{
    TLbButton fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 23);
    EXPECT_TRUE(fresh.TabStop());
    EXPECT_EQ(fresh.Color(), clBtnFace);
    EXPECT_EQ(fresh.LightColor(), RGB(255, 255, 255));
    EXPECT_EQ(fresh.ShadowColor(), RGB(128, 128, 128));
    EXPECT_EQ(fresh.HotTrackColor(), clNone);
    EXPECT_EQ(fresh.ColorWhenDown(), clNone);
    EXPECT_EQ(fresh.Style(), bsNormal);
    EXPECT_EQ(fresh.Alignment(), taCenter);
    EXPECT_EQ(fresh.Kind(), bkCustom);
    EXPECT_EQ(fresh.NumGlyphs(), 0);
    EXPECT_TRUE(fresh.Glyph()->Empty());
}

TEST_F(LbButtonTest, GlyphCountsItsSquareFramesUntilNumGlyphsIsWritten)
{
    button->SetKind(bkOK);
    TBitmap glyph(36, 18);
    button->SetGlyph(&glyph);
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(button->Kind(), bkCustom);
    button->SetNumGlyphs(1);
    EXPECT_EQ(button->NumGlyphs(), 1);
    TBitmap empty;
    button->SetGlyph(&empty);
    EXPECT_EQ(button->NumGlyphs(), 0);
}

TEST_F(LbButtonTest, KindSetsGlyphCaptionAndModalResult)
{
    struct Case {
        TLbButtonKind kind;
        TModalResult result;
        const char* caption;
        int glyphHeight;
    };
    const Case cases[] = {{bkOK, mrOk, "OK", 18},
                          {bkCancel, mrCancel, "Abbrechen", 18},
                          {bkHelp, mrNone, "Hilfe", 18},
                          {bkClose, mrNone, "Schließen", 18},
                          {bkRetry, mrRetry, "Wiederholen", 18},
                          {bkAll, mrAll, "Alle", 19}};
    for (const Case& c : cases) {
        button->SetKind(c.kind);
        EXPECT_EQ(button->Kind(), c.kind);
        EXPECT_EQ(button->ModalResult(), c.result) << c.caption;
        EXPECT_EQ(button->Caption(), c.caption);
        EXPECT_EQ(button->NumGlyphs(), 2);
        EXPECT_EQ(button->Glyph()->Width(), 36) << c.caption;
        EXPECT_EQ(button->Glyph()->Height(), c.glyphHeight) << c.caption;
    }
    button->SetModalResult(mrYes);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->Caption(), "Alle");
}

TEST_F(LbButtonTest, ColorStyleAppliesAPresetAndReadsBackCustom)
{
    button->SetColorStyle(lcsGold);
    EXPECT_EQ(button->ColorStyle(), lcsCustom);
    EXPECT_EQ(button->Style(), bsModern);
    EXPECT_EQ(button->Color(), RGB(192, 192, 0));
    EXPECT_EQ(button->HotTrackColor(), RGB(223, 223, 0));
    EXPECT_EQ(button->ColorWhenDown(), clNone);
    button->SetColorStyle(lcsUltraFlat2);
    EXPECT_EQ(button->Style(), bsNormal);
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->Color(), clBtnFace);
    EXPECT_EQ(button->Font()->Color(), clBlack);
    button->SetColorStyle(lcsQuicken);
    EXPECT_EQ(button->Font()->Color(), clWhite);
    EXPECT_EQ(button->Style(), bsQuicken);
    button->SetColorStyle(lcsCustom);
    EXPECT_EQ(button->Style(), bsQuicken);
}

TEST_F(LbButtonTest, PaintsRestHotPressedAndDisabledFaces)
{
    EXPECT_EQ(Pixel(50, 2), WindowFace);
    EXPECT_EQ(Pixel(0, 10), clGray); // the light edge, as the windows set it
    Send(CM_MOUSEENTER, 0);
    EXPECT_EQ(Pixel(50, 2), clYellow);
    Mouse(WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(Pixel(50, 2), Orange);
    EXPECT_EQ(Pixel(99, 10), clGray); // the light edge moved to the right: bevel inverted
    Mouse(WM_LBUTTONUP, 5, 5);
    button->SetEnabled(false);
    EXPECT_EQ(Pixel(50, 2), WindowFace);
}

TEST_F(LbButtonTest, FocusedOldStyleButtonSitsInABlackFrame)
{
    button->SetStyle(bsOld);
    field->SetFocus();
    EXPECT_EQ(Pixel(0, 10), clGray);
    button->SetFocus();
    EXPECT_EQ(Pixel(0, 10), clBlack);
    EXPECT_EQ(Pixel(1, 10), clGray);  // the face, one pixel smaller, inside the frame
    EXPECT_EQ(Pixel(97, 10), RGB(128, 128, 128));
}

TEST_F(LbButtonTest, PressOnTheButtonClicksOnReleaseAnywhere)
{
    Mouse(WM_LBUTTONDOWN, 5, 5);
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(button->Focused());
    EXPECT_EQ(clicks, 0);
    Mouse(WM_LBUTTONUP, 500, 400);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->Pressed());
    Mouse(WM_LBUTTONUP, 5, 5); // a release without a press
    EXPECT_EQ(clicks, 1);
}

// A step whose handler closes and frees its window frees the button inside its own click.
TEST_F(LbButtonTest, ButtonFreedByItsOwnClickIsNotTouchedAfterIt)
{
    const std::vector<std::pair<UINT, UINT>> presses = {{WM_LBUTTONDOWN, WM_LBUTTONUP},
                                                        {WM_KEYDOWN, WM_KEYUP}};
    for (const auto& [press, release] : presses) {
        TLbButton* doomed = AddButton(130);
        TWeakRef<TLbButton> alive(doomed);
        doomed->OnClick = [doomed](TObject*) { delete doomed; };
        const WPARAM w = press == WM_KEYDOWN ? VK_RETURN : MK_LBUTTON;
        doomed->Perform(press, w, 0);
        doomed->Perform(release, w, 0);
        EXPECT_FALSE(alive);
    }
    form->Perform(WM_PAINT);
}

// A dialog's OK button whose handler frees the dialog: the click still ends the dialog with
// the button's result, by mouse, by key or called by code, and the dialog goes afterwards.
TEST_F(LbButtonTest, ButtonFreeingItsModalFormInOnClickEndsShowModalWithItsResult)
{
    TFakeDialogs dialogs;
    const std::vector<std::pair<std::string, std::function<void(TLbButton*)>>> clicks = {
        {"mouse", [](TLbButton* ok) { ClickAt(ok, 5, 5); }},
        {"key", [](TLbButton* ok) { PressKey(VK_RETURN, {}, ok); }},
        {"code", [](TLbButton* ok) { ok->Click(); }},
    };
    for (const auto& [how, click] : clicks) {
        auto* dialog = new TForm(nullptr);
        auto* ok = new TLbButton(dialog);
        ok->SetParent(dialog);
        ok->SetBounds(10, 10, 75, 25);
        ok->SetModalResult(mrOk);
        int destroyed = 0;
        dialog->OnDestroy = [&destroyed](TObject*) { ++destroyed; };
        ok->OnClick = [dialog](TObject*) { delete dialog; };
        TWeakRef<TForm> alive(dialog);
        dialogs.OnModal([&, click = click](TCustomForm&) { click(ok); });
        EXPECT_EQ(dialog->ShowModal(), mrOk) << how;
        Application->ProcessMessages();
        EXPECT_FALSE(alive) << how;
        EXPECT_EQ(destroyed, 1) << how;
    }
}

TEST_F(LbButtonTest, DisabledButtonIgnoresTheMouseAndDisablingDropsThePress)
{
    Mouse(WM_LBUTTONDOWN, 5, 5);
    button->SetEnabled(false);
    EXPECT_FALSE(button->Pressed());
    Mouse(WM_LBUTTONUP, 5, 5);
    Mouse(WM_LBUTTONDOWN, 5, 5);
    Mouse(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 0);
}

TEST_F(LbButtonTest, EnterAndSpaceClickOnRelease)
{
    int expected = 0;
    for (Word key : {VK_RETURN, VK_SPACE}) {
        Send(WM_KEYDOWN, key);
        EXPECT_TRUE(button->Pressed());
        EXPECT_EQ(clicks, expected);
        Send(WM_KEYUP, key);
        EXPECT_FALSE(button->Pressed());
        EXPECT_EQ(clicks, ++expected);
    }
    EXPECT_EQ(clicks, 2);
    Send(WM_KEYDOWN, 'A');
    Send(WM_KEYUP, 'A');
    EXPECT_EQ(clicks, 2);
}

TEST_F(LbButtonTest, OnlyTheReleaseOfTheKeyThatPressedTheButtonClicksIt)
{
    Send(WM_KEYUP, VK_RETURN);
    EXPECT_EQ(clicks, 0);
    Send(WM_KEYDOWN, VK_SPACE);
    Send(WM_KEYUP, VK_RETURN);
    EXPECT_EQ(clicks, 0);
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks, 1);
}

TEST_F(LbButtonTest, EnterThatClosesTheErrorBoxDoesNotClickTheStepButtonAgain)
{
    TFakeDialogs dialogs;
    button->OnClick = [](TObject*) { MessageDlg("Error! Project not Valid", mtError, {mbOK}, 0); };
    button->SetFocus();
    // Enter pressed on the step button opens the box on its release ...
    DeliverKeyDown(button, VK_RETURN, {}, U"\r");
    DeliverKeyUp(button, VK_RETURN, {});
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    // ... and the next Enter goes down in the box, which closes, and comes up on the button.
    DeliverKeyUp(button, VK_RETURN, {});
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(LbButtonTest, AcceleratorOfTheCaptionClicksTheButton)
{
    button->SetCaption("&Open");
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'p'), 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'O'), 1);
    EXPECT_EQ(clicks, 1);
    button->SetVisible(false);
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'o'), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(LbButtonTest, DefaultAndCancelAnswerEnterAndEscapeUnlessAButtonHasTheFocus)
{
    button->SetDefault(true);
    field->SetFocus();
    EXPECT_EQ(button->Perform(CM_DIALOGKEY, VK_RETURN), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->Perform(CM_DIALOGKEY, VK_ESCAPE), 0);
    button->SetCancel(true);
    EXPECT_EQ(button->Perform(CM_DIALOGKEY, VK_ESCAPE, ShiftStateToKeyData({ssShift})), 0);
    EXPECT_EQ(button->Perform(CM_DIALOGKEY, VK_ESCAPE), 1);
    EXPECT_EQ(clicks, 2);

    // Enter on a window with a default button clicks the focused button instead.
    int otherClicks = 0;
    other->OnClick = [&](TObject*) { ++otherClicks; };
    other->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_EQ(otherClicks, 1);
    EXPECT_EQ(clicks, 2);
}

TEST_F(LbButtonTest, ModalResultClosesTheModalWindowAfterOnClick)
{
    TFakeDialogs dialogs;
    button->SetModalResult(mrCancel);
    TModalResult seenInOnClick = -1;
    button->OnClick = [&](TObject*) { seenInOnClick = form->ModalResult(); };
    form->Hide();
    dialogs.OnModal([&](TCustomForm&) {
        Mouse(WM_LBUTTONDOWN, 5, 5);
        Mouse(WM_LBUTTONUP, 5, 5);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(seenInOnClick, mrNone);
}

TEST_F(LbButtonTest, HotTrackingFollowsTheMouseAndFiresItsEvents)
{
    std::vector<std::string> events;
    button->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    button->OnMouseExit = [&](TObject*) { events.push_back("exit"); };
    Send(CM_MOUSEENTER, 0);
    EXPECT_EQ(button->HotTrackStep(), 8);
    Send(CM_MOUSELEAVE, 0);
    EXPECT_EQ(button->HotTrackStep(), 0); // at once without the slow fade
    button->SetEnabled(false);
    Send(CM_MOUSEENTER, 0);
    EXPECT_EQ(button->HotTrackStep(), 0);
    Send(CM_MOUSELEAVE, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

// The pointer that clicked a dialog's button is elsewhere when the dialog shows again: the
// button must not come back hot.
TEST_F(LbButtonTest, HotStateEndsWhenItsWindowHides)
{
    TFakeDialogs dialogs;
    button->SetModalResult(mrOk);
    form->Hide();
    for (const bool slowDecease : {false, true}) {
        button->SetSlowDecease(slowDecease);
        dialogs.OnModal([&](TCustomForm&) {
            Send(CM_MOUSEENTER, 0);
            Mouse(WM_LBUTTONDOWN, 5, 5);
            Mouse(WM_LBUTTONUP, 5, 5);
        });
        ASSERT_EQ(form->ShowModal(), mrOk);
        TColor face = clNone;
        dialogs.OnModal([&](TCustomForm& shown) {
            face = Pixel(50, 12);
            shown.SetModalResult(mrCancel);
        });
        form->ShowModal();
        EXPECT_EQ(button->HotTrackStep(), 0) << slowDecease;
        EXPECT_EQ(face, WindowFace) << slowDecease;
    }
}

TEST_F(LbButtonTest, SlowFadeReturnsToTheFaceColourInEightSteps)
{
    button->SetSlowDecease(true);
    Send(CM_MOUSEENTER, 0);
    Send(CM_MOUSELEAVE, 0);
    EXPECT_EQ(button->HotTrackStep(), 8);
    for (int i = 0; i < 4; ++i)
        button->FadeStep();
    EXPECT_EQ(Pixel(50, 2), RGB(252, 251, 119)); // half way from yellow to the face
    for (int i = 0; i < 4; ++i)
        button->FadeStep();
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(Pixel(50, 2), WindowFace);
}

void RunEventsFor(int milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

TEST_F(LbButtonTest, FadeRunsOnItsTimerAndStopsWhenTheMouseComesBack)
{
    button->SetSlowDecease(true);
    Send(CM_MOUSEENTER, 0);
    Send(CM_MOUSELEAVE, 0);
    RunEventsFor(120);
    const int step = button->HotTrackStep();
    EXPECT_GT(step, 0);
    EXPECT_LT(step, 8);
    Send(CM_MOUSEENTER, 0);
    RunEventsFor(120);
    EXPECT_EQ(button->HotTrackStep(), 8); // no fade under the mouse
    Send(CM_MOUSELEAVE, 0);
    RunEventsFor(400);
    EXPECT_EQ(button->HotTrackStep(), 0);
    button->SetSlowDecease(false);
}
// The menu drops from the bottom-left corner after OnClick, and the face shows its arrow
// (black, at W - 11, H / 2 - 1) only while the button has a menu.
TEST_F(LbButtonTest, PopupMenuDropsFromTheBottomLeftCornerAfterTheClick)
{
    EXPECT_NE(Pixel(100 - 11 + 2, 23 / 2 - 1), clBlack);
    TPopupMenu menu(nullptr);
    int picked = 0;
    menu.Add("Export")->OnClick = [&](TObject*) { ++picked; };
    std::vector<std::string> order;
    button->OnClick = [&](TObject*) { order.push_back("click"); };
    TPoint openedAt{-1, -1};
    SetPopupMenuTracker([&](const TPopupCommandMenu&, TPoint at) {
        order.push_back("menu");
        openedAt = at;
        return 1;
    });
    button->SetPopupMenu(&menu);
    EXPECT_EQ(button->PopupMenu(), &menu);
    EXPECT_EQ(Pixel(100 - 11 + 2, 23 / 2 - 1), clBlack);
    SendClick(button, 20, 10);
    SetPopupMenuTracker(nullptr);
    EXPECT_EQ(order, (std::vector<std::string>{"click", "menu"}));
    EXPECT_EQ(openedAt, button->ClientToScreen({0, 23}));
    EXPECT_EQ(picked, 1);
}

TEST_F(LbButtonTest, FreedPopupMenuLeavesTheButtonWithoutMenuOrArrow)
{
    auto* menu = new TPopupMenu(nullptr);
    button->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(button->PopupMenu(), nullptr);
    EXPECT_NE(Pixel(100 - 11 + 2, 23 / 2 - 1), clBlack);
    SendClick(button, 20, 10);
    EXPECT_EQ(clicks, 1);
}

// The button shows the action's caption and state, and its click runs the action's command
// after OnClick.
TEST_F(LbButtonTest, ActionGivesCaptionAndStateAndRunsAfterOnClick)
{
    TAction action(nullptr);
    action.SetCaption("&Export");
    std::vector<std::string> order;
    action.OnExecute = [&](TObject*) { order.push_back("action"); };
    button->OnClick = [&](TObject*) { order.push_back("click"); };
    button->SetAction(&action);
    EXPECT_EQ(button->Action(), &action);
    EXPECT_EQ(button->Caption(), "&Export");
    SendClick(button, 20, 10);
    EXPECT_EQ(order, (std::vector<std::string>{"click", "action"}));
    action.SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    SendClick(button, 20, 10);
    EXPECT_EQ(order.size(), 2u);
}

// The action's image becomes a one-frame glyph on magenta, the size of the image list; a
// button with a glyph of its own, or an action without a valid image, keeps what it has.
TEST_F(LbButtonTest, ActionImageBecomesTheGlyphOfAButtonWithoutOne)
{
    TCustomImageList images(nullptr, 12, 10);
    TBitmap dot(4, 4);
    dot.Canvas()->Brush()->SetColor(clRed);
    dot.Canvas()->FillRect(Rect(0, 0, 4, 4));
    images.Add(dot);
    TActionList list(nullptr);
    list.SetImages(&images);
    struct TCase {
        int ImageIndex;
        bool OwnGlyph;
        int Width;
        int NumGlyphs;
    };
    const TCase cases[] = {{0, false, 12, 1}, {1, false, 0, 0}, {-1, false, 0, 0}, {0, true, 36, 2}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.ImageIndex);
        TLbButton* b = AddButton(130);
        if (c.OwnGlyph) b->SetKind(bkOK);
        TAction action(nullptr);
        action.SetActionList(&list);
        action.SetImageIndex(c.ImageIndex);
        b->SetAction(&action);
        EXPECT_EQ(b->Glyph()->Width(), c.Width);
        EXPECT_EQ(b->NumGlyphs(), c.NumGlyphs);
        if (c.Width == 12) {
            EXPECT_EQ(b->Glyph()->Height(), 10);
            EXPECT_EQ(b->Glyph()->Canvas()->Pixels(1, 1), clRed);
            EXPECT_EQ(b->Glyph()->Canvas()->Pixels(8, 8), RGB(255, 0, 255));
        }
        delete b;
    }
}
} // namespace
