#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../control/GridOnForm.h"
#include "grid/foundation/editors/ExtCheckBox.h"
#include "grid/foundation/editors/ExtGridButton.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/control/SearchPanel.h"
#include "platform/ui/Input.h"

namespace {

// Four columns of fruit, the search bar shown with its English captions and the edit focused.
class SearchFooterTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(4);
        grid->SetRowCount(6);
        const std::vector<std::vector<std::string>> rows{
            {"apple", "pear", "fig"}, {"plum", "apple pie", "kiwi"}, {"lime", "grape", "Apple"},
            {"melon", "fig", "pear"}, {"date", "lemon", "apple"}};
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                grid->SetCells(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
        TSearchFooter& footer = *grid->SearchFooter();
        footer.SetFindNextCaption("Find &next");
        footer.SetFindPrevCaption("Find &previous");
        footer.SetMatchCaseCaption("Match case");
        footer.SetHighLightCaption("Highlight");
        footer.SetVisible(true);
        grid->OnSearchFooterAction = [this](TObject*, const std::string& Value, int ACol, int ARow,
                                            TSearchAction Action) {
            actions.push_back(Value + " " + std::to_string(ACol) + "," + std::to_string(ARow) + " " +
                              std::to_string(Action));
        };
        panel = grid->SearchPanel();
        ASSERT_NE(panel, nullptr);
        panel->EditControl()->SetFocus();
    }
    TPoint Current() const { return {grid->Col(), grid->Row()}; }

    TSearchPanel* panel = nullptr;
    std::vector<std::string> actions;
};

TEST_F(SearchFooterTest, ShowsTheCaptionsAndStartsWithTheFindButtonsDisabled)
{
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Height(), 32);
    EXPECT_EQ(panel->ForwardButton()->Text(), "Find &next");
    EXPECT_EQ(panel->BackwardButton()->Text(), "Find &previous");
    EXPECT_EQ(panel->HiliteButton()->Text(), "Highlight");
    EXPECT_EQ(panel->MatchCase()->Text(), "Match case");
    EXPECT_EQ(panel->MatchCase()->Left(), 425);
    EXPECT_FALSE(panel->ForwardButton()->Enabled());
    grid->SearchFooter()->SetShowHighLight(false);
    EXPECT_EQ(panel->MatchCase()->Left(), 330);
}

TEST_F(SearchFooterTest, TypingFindsAtOnceAndEnterStepsOnAndBack)
{
    SendText("appl");
    EXPECT_TRUE(panel->ForwardButton()->Enabled());
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    EXPECT_EQ(actions.back(), "appl 1,1 0");
    SendKey(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{2, 2}));
    SendKey(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{3, 3}));
    SendKey(VK_RETURN, {ssCtrl});
    EXPECT_EQ(Current(), (TPoint{2, 2}));
    EXPECT_EQ(actions.back(), "appl 2,2 1");
    EXPECT_EQ(panel->EditControl()->Text(), "appl") << "Enter breaks no line";
}

TEST_F(SearchFooterTest, AnUnknownTextTurnsTheEditRedUntilItOccursAgain)
{
    SendText("applx");
    EXPECT_EQ(panel->EditControl()->Color(), 0x0000FF);
    SendKey(VK_BACK);
    EXPECT_EQ(panel->EditControl()->Color(), clWindow);
    EXPECT_EQ(Current(), (TPoint{1, 1}));
}

TEST_F(SearchFooterTest, HighlightTagsEveryOccurrenceAndReleasingRemovesThem)
{
    const std::string before = grid->GridCells(2, 4);
    SendText("fig");
    ClickAt(panel->HiliteButton(), 20, 10);
    ASSERT_TRUE(panel->HiliteButton()->Down());
    EXPECT_EQ(grid->GridCells(3, 1), "<hi>fig</hi>");
    EXPECT_EQ(grid->GridCells(2, 4), "<hi>fig</hi>");
    SendKey(VK_BACK);
    EXPECT_EQ(grid->GridCells(3, 1), "<hi>fi</hi>g");
    ClickAt(panel->HiliteButton(), 20, 10);
    EXPECT_EQ(grid->GridCells(2, 4), before);
}

TEST_F(SearchFooterTest, MatchCaseAndOneSearchColumn)
{
    panel->MatchCase()->SetChecked(true);
    SendText("Apple");
    EXPECT_EQ(Current(), (TPoint{3, 3}));
    panel->MatchCase()->SetChecked(false);
    grid->SearchFooter()->SearchColumn = 3;
    SendKey(VK_RETURN);
    EXPECT_EQ(Current(), (TPoint{3, 5}));
}

TEST_F(SearchFooterTest, WithoutAutoSearchTypingWaitsForFindNext)
{
    grid->SearchFooter()->AutoSearch = false;
    SendText("lemon");
    EXPECT_TRUE(actions.empty());
    panel->ForwardButton()->Click();
    EXPECT_EQ(Current(), (TPoint{2, 5}));
}

TEST_F(SearchFooterTest, CloseFiresItsEventAndHidesTheBar)
{
    int closed = 0;
    grid->OnSearchFooterClose = [&](TObject*) { ++closed; };
    panel->ExitButton()->Click();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(grid->SearchFooter()->Visible());
    EXPECT_FALSE(panel->Visible());
    grid->SearchFooter()->SetVisible(true);
    EXPECT_TRUE(panel->Visible());
}

// Run with VANTREL_SEARCH_FOOTER_PNG=path under a virtual display to look at the bar.
TEST_F(SearchFooterTest, Screenshot)
{
    SendText("apple");
    ClickAt(panel->HiliteButton(), 20, 10);
    SaveScreenshotTo("VANTREL_SEARCH_FOOTER_PNG");
}

} // namespace
