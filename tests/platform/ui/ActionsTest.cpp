#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/ActnList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Two buttons linked to one action.
class ActionsTest : public testing::Test {
protected:
    ActionsTest()
    {
        Application->CreateForm(form);
        action = new TAction(form);
        action->SetCaption("Find");
        action->SetHint("Find the next cell");
        for (int i = 0; i < 2; ++i) {
            buttons[i] = new TButton(form);
            buttons[i]->SetParent(form);
            links[i] = std::make_unique<TControlActionLink>(buttons[i]);
            links[i]->SetAction(action);
        }
    }
    ~ActionsTest() override
    {
        for (auto& link : links)
            link.reset();
        delete form;
    }

    TForm* form = nullptr;
    TAction* action = nullptr;
    TButton* buttons[2] = {};
    std::unique_ptr<TControlActionLink> links[2];
};

TEST_F(ActionsTest, LinkedControlsShowTheActionAndFollowItsChanges)
{
    for (TButton* button : buttons) {
        EXPECT_EQ(button->Caption(), "Find");
        EXPECT_EQ(button->Hint(), "Find the next cell");
        EXPECT_TRUE(button->Enabled());
    }
    action->SetCaption("Find next");
    action->SetEnabled(false);
    action->SetVisible(false);
    action->SetHint("Next");
    for (TButton* button : buttons) {
        EXPECT_EQ(button->Caption(), "Find next");
        EXPECT_FALSE(button->Enabled());
        EXPECT_FALSE(button->Visible());
        EXPECT_EQ(button->Hint(), "Next");
    }
}

// A control given a value of its own keeps it; the others still follow.
TEST_F(ActionsTest, AControlsOwnValueIsNoLongerLinked)
{
    buttons[0]->SetCaption("Search");
    action->SetCaption("Find next");
    EXPECT_EQ(buttons[0]->Caption(), "Search");
    EXPECT_EQ(buttons[1]->Caption(), "Find next");
}

TEST_F(ActionsTest, ExecuteRunsOnExecuteWhileEnabled)
{
    int runs = 0;
    EXPECT_FALSE(links[0]->Execute()); // nothing to run yet
    action->OnExecute = [&](TObject* sender) {
        EXPECT_EQ(sender, action);
        ++runs;
    };
    EXPECT_TRUE(links[0]->Execute());
    action->SetEnabled(false);
    EXPECT_FALSE(links[1]->Execute());
    EXPECT_EQ(runs, 1);
}

// Either side may go first: the action's clients lose it, a freed link leaves it.
TEST_F(ActionsTest, FreeingEitherSideUntiesThem)
{
    links[0].reset();
    action->SetCaption("Find next");
    EXPECT_EQ(buttons[0]->Caption(), "Find");
    delete action;
    EXPECT_EQ(links[1]->Action(), nullptr);
    EXPECT_FALSE(links[1]->Execute());
}

} // namespace
