#include <gtest/gtest.h>

#include "platform/ui/Forms.h"
#include "support/FakeDialogs.h"

// Errors that escape our code where Qt called it: the handler ends, the error box comes
// afterwards from the event loop, once per distinct message.

namespace {

class TFailingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string failure; // empty: paints normally
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        if (!failure.empty()) throw Exception(failure);
        Canvas()->Brush()->SetColor(clLime);
        Canvas()->FillRect(ClientRect());
    }
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_USER && !failure.empty()) throw Exception(failure);
        TCustomControl::WndProc(m);
    }
};

class QtBoundaryTest : public ::testing::Test {
protected:
    QtBoundaryTest()
    {
        form = new TForm(nullptr);
        form->AfterConstruction();
        form->SetBounds(0, 0, 120, 80);
        control = new TFailingControl(form);
        control->SetParent(form);
        control->SetBounds(10, 10, 40, 30);
        form->Show();
        Application->ProcessMessages();
    }
    ~QtBoundaryTest() override { delete form; }

    TFakeDialogs dialogs;
    TForm* form;
    TFailingControl* control;
};

TEST_F(QtBoundaryTest, AThrowingPaintEndsThePaintAndShowsTheErrorOnceAfterwards)
{
    control->failure = "Cannot read the picture";
    control->Repaint();
    control->Repaint();
    EXPECT_GE(control->paints, 2);
    EXPECT_TRUE(dialogs.Messages().empty()) << "no error box inside the paint event";

    Application->ProcessMessages();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "Cannot read the picture");
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);

    // The control paints normally again once the fault is gone.
    control->failure.clear();
    TBitmap bitmap;
    bitmap.SetSize(40, 30);
    control->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Canvas()->Pixels(20, 15), clLime);
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(QtBoundaryTest, DistinctErrorsEachShowOnceInTheOrderTheyHappened)
{
    control->failure = "First";
    PostMessage(control, WM_USER, 0, 0);
    PostMessage(control, WM_USER, 0, 0);
    Application->ProcessMessages();
    control->failure = "Second";
    control->Invalidate();
    PostMessage(control, WM_USER, 0, 0);
    Application->ProcessMessages();

    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "First");
    EXPECT_EQ(dialogs.Messages()[1].Text, "Second");

    // Once shown, the same error shows again when it happens again.
    control->failure = "First";
    PostMessage(control, WM_USER, 0, 0);
    Application->ProcessMessages();
    EXPECT_EQ(dialogs.Messages().size(), 3u);
}

// A test's fake dialogs, or a real box, never get an error that happened before them.
TEST_F(QtBoundaryTest, AWaitingErrorIsShownByTheDialogServiceOfItsTime)
{
    control->failure = "Cannot read the picture";
    control->Repaint();
    control->failure.clear();
    {
        TFakeDialogs next;
        EXPECT_TRUE(next.Messages().empty());
    }
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "Cannot read the picture");
}

} // namespace
