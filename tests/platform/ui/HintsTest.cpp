#include <gtest/gtest.h>

#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"
#include "platform/ui/ScreenInput.h"
#include "support/EventLoop.h"

namespace {

// A control whose hint depends on the 20-pixel cell under the mouse, as a grid's does.
class TCellHintControl : public TCustomControl {
public:
    explicit TCellHintControl(TComponent* owner) : TCustomControl(owner) {}
    bool refuse = false;
    void* data = nullptr;
    THintWindowClass windowClass;

    void WndProc(TMessage& m) override
    {
        if (m.Msg != CM_HINTSHOW) return TCustomControl::WndProc(m);
        auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
        const int cell = info.CursorPos.X / 20;
        info.HintStr = cell == 3 ? "" : "cell " + std::to_string(cell);
        info.CursorRect = Rect(cell * 20, 0, cell * 20 + 20, Height());
        const TPoint corner = ClientToScreen({cell * 20, Height()});
        info.HintPos = corner;
        info.HintColor = clYellow;
        info.HintData = data;
        info.HintWindowClass = windowClass;
        m.Result = refuse ? 1 : 0;
    }
};

// Remembers the data it was shown with.
class TDataHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    void ActivateHintData(const TRect& rect, const std::string& hint, void* data) override
    {
        shownData = data;
        THintWindow::ActivateHintData(rect, hint, data);
    }
    static inline void* shownData = nullptr;
};

class HintsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetPosition(poDesigned);
        form->SetBounds(100, 100, 300, 120);
        plain = new TCustomControl(form);
        plain->SetParent(form);
        plain->SetBounds(0, 0, 100, 40);
        plain->SetHint("Save|Saves the project");
        plain->SetShowHint(true);
        cells = new TCellHintControl(form);
        cells->SetParent(form);
        cells->SetBounds(0, 50, 200, 40);
        cells->SetShowHint(true);
        form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        Application->CancelHint();
        Application->SetShowHint(true);
        Application->SetHintHidePause(2500);
        Application->SetHintPause(500);
        Application->SetHintWindowClass(nullptr);
        delete form;
    }
    TForm* form = nullptr;
    TCustomControl* plain = nullptr;
    TCellHintControl* cells = nullptr;
};

TEST_F(HintsTest, ARestingMouseShowsTheShortHintBelowThePointer)
{
    RestMouseOver(plain, {10, 5});
    THintWindow* hint = ShownHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->Caption(), "Save");
    const TPoint mouse = plain->ClientToScreen({10, 5});
    EXPECT_EQ(hint->Left(), mouse.X);
    EXPECT_EQ(hint->Top(), mouse.Y + 20);
    EXPECT_EQ(hint->Color(), clInfoBk);
}

// The whole way: the mouse stops over the control, Qt waits the hint pause and asks.
TEST_F(HintsTest, AMouseRestingForTheHintPauseShowsTheHint)
{
    Application->SetHintPause(0);
    ScreenMouse(smMove, plain->ClientToScreen({10, 5}));
    ScreenMouse(smMove, plain->ClientToScreen({11, 5}));
    Run_Loop_Until([] { return ShownHintWindow() != nullptr; });
    ASSERT_NE(ShownHintWindow(), nullptr);
    EXPECT_EQ(ShownHintWindow()->Caption(), "Save");
}

TEST_F(HintsTest, NoHintWithoutShowHint)
{
    struct Case {
        const char* name;
        bool controlShows, applicationShows;
    };
    for (const Case& c : {Case{"control", false, true}, Case{"application", true, false}}) {
        plain->SetShowHint(c.controlShows);
        Application->SetShowHint(c.applicationShows);
        RestMouseOver(plain, {10, 5});
        EXPECT_EQ(ShownHintWindow(), nullptr) << c.name;
    }
}

TEST_F(HintsTest, TheControlSetsTextPlaceAndColourOfEachCell)
{
    RestMouseOver(cells, {45, 10});
    THintWindow* hint = ShownHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->Caption(), "cell 2");
    const TPoint corner = cells->ClientToScreen({40, 40});
    EXPECT_EQ(hint->Left(), corner.X);
    EXPECT_EQ(hint->Top(), corner.Y);
    EXPECT_EQ(hint->Color(), clYellow);

    RestMouseOver(cells, {65, 10}); // a cell without a hint takes the shown one away
    EXPECT_EQ(ShownHintWindow(), nullptr);
    cells->refuse = true;
    RestMouseOver(cells, {5, 10});
    EXPECT_EQ(ShownHintWindow(), nullptr);
}

TEST_F(HintsTest, TheHintGoesWhenTheMouseLeavesItsCellOrPresses)
{
    RestMouseOver(cells, {45, 10});
    ScreenMouse(smMove, cells->ClientToScreen({50, 20}));
    EXPECT_NE(ShownHintWindow(), nullptr) << "a move inside the cell keeps it";
    ScreenMouse(smMove, cells->ClientToScreen({70, 20}));
    EXPECT_EQ(ShownHintWindow(), nullptr);

    RestMouseOver(cells, {45, 10});
    ScreenClick(cells->ClientToScreen({45, 10}));
    EXPECT_EQ(ShownHintWindow(), nullptr);

    RestMouseOver(cells, {45, 10});
    Application->CancelHint();
    EXPECT_EQ(ShownHintWindow(), nullptr);
}

TEST_F(HintsTest, TheHintGoesAfterTheHidePause)
{
    Application->SetHintHidePause(0);
    RestMouseOver(plain, {10, 5});
    EXPECT_NE(ShownHintWindow(), nullptr);
    Application->ProcessMessages();
    EXPECT_EQ(ShownHintWindow(), nullptr);
}

TEST_F(HintsTest, AControlMayShowItsOwnHintWindowClassWithData)
{
    int data = 0;
    cells->data = &data;
    cells->windowClass = HintWindowClassOf<TDataHintWindow>();
    RestMouseOver(cells, {5, 10});
    EXPECT_NE(dynamic_cast<TDataHintWindow*>(ShownHintWindow()), nullptr);
    EXPECT_EQ(TDataHintWindow::shownData, &data);
    cells->windowClass = nullptr;
    RestMouseOver(cells, {25, 10});
    ASSERT_NE(ShownHintWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<TDataHintWindow*>(ShownHintWindow()), nullptr);
}

// The application's class serves every control that picks none of its own.
TEST_F(HintsTest, TheApplicationsHintWindowClassServesEveryControl)
{
    Application->SetHintWindowClass(HintWindowClassOf<TDataHintWindow>());
    RestMouseOver(plain, {10, 5});
    EXPECT_NE(dynamic_cast<TDataHintWindow*>(ShownHintWindow()), nullptr);
    Application->CancelHint();
    Application->SetHintWindowClass(nullptr);
    RestMouseOver(plain, {12, 5});
    ASSERT_NE(ShownHintWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<TDataHintWindow*>(ShownHintWindow()), nullptr);
}

TEST(HintWindowTest, CalcHintRectWrapsAtTheMaximumWidth)
{
    THintWindow hint(nullptr);
    const TRect line = hint.CalcHintRect(1000, "one two three four", nullptr);
    const TRect wrapped = hint.CalcHintRect(60, "one two three four", nullptr);
    EXPECT_EQ(line.Left, 0);
    EXPECT_EQ(line.Top, 0);
    EXPECT_LE(wrapped.Width(), 60 + 6);
    EXPECT_GT(wrapped.Height(), line.Height());
}

TEST(HintWindowTest, AHintPastTheScreenEdgeMovesInside)
{
    THintWindow hint(nullptr);
    const int w = Screen->Width(), h = Screen->Height();
    hint.ActivateHint(Rect(w - 30, h - 10, w + 70, h + 20), "edge");
    EXPECT_EQ(hint.Left(), w - 100);
    EXPECT_EQ(hint.Top(), h - 30);
    EXPECT_EQ(hint.Width(), 100);
    EXPECT_TRUE(hint.Visible());
}

TEST(HintWindowTest, PaintsTheTextOnItsColour)
{
    THintWindow hint(nullptr);
    hint.ActivateHint(hint.CalcHintRect(300, "WWWW", nullptr), "WWWW");
    TBitmap picture(hint.Width(), hint.Height());
    hint.PaintTo(picture.Canvas(), 0, 0);
    EXPECT_EQ(picture.Canvas()->Pixels(1, hint.Height() - 2), ColorToRGB(clInfoBk));
    bool text = false;
    for (int x = 3; x < hint.Width() - 3; ++x)
        text |= picture.Canvas()->Pixels(x, hint.Height() / 2) != ColorToRGB(clInfoBk);
    EXPECT_TRUE(text);
}

} // namespace
