#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/SearchPanel.h"
#include "grid/foundation/editors/ExtCheckBox.h"
#include "grid/foundation/editors/ExtGridButton.h"
#include "grid/foundation/model/SearchFooter.h"
#include "platform/ui/Input.h"

namespace {

// A 400 x 250 grid whose search footer has its captions and hints.
class SearchPanelTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 400, 250);
        TSearchFooter& footer = *grid->SearchFooter();
        footer.SetFindNextCaption("Find &next");
        footer.SetFindPrevCaption("Find &previous");
        footer.SetHighLightCaption("Highlight");
        footer.SetMatchCaseCaption("Match case");
        footer.SetHintFindNext("Find next occurrence");
        footer.SetHintClose("");
        panel = grid->SearchPanel();
        panel->OnForwardClick = [this](TObject*) { events.push_back("forward"); };
        panel->OnBackwardClick = [this](TObject*) { events.push_back("backward"); };
        panel->OnEditChange = [this](TObject*) { events.push_back("change"); };
    }

    TSearchPanel* panel = nullptr;
    std::vector<std::string> events;
};

} // namespace

TEST_F(SearchPanelTest, TheFooterShowsTheBarAlongTheGridsBottomWithItsTextsAndParts)
{
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->Visible());
    grid->SearchFooter()->SetVisible(true);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Height(), 32);
    EXPECT_EQ(panel->Top() + panel->Height(), grid->ClientHeight());
    EXPECT_EQ(panel->ForwardButton()->Caption(), "Find &next");
    EXPECT_EQ(panel->BackwardButton()->Caption(), "Find &previous");
    EXPECT_EQ(panel->HiliteButton()->Caption(), "Highlight");
    EXPECT_EQ(panel->MatchCase()->Caption(), "Match case");
    EXPECT_EQ(panel->ForwardButton()->Hint(), "Find next occurrence");
    EXPECT_TRUE(panel->ForwardButton()->ShowHint());
    EXPECT_FALSE(panel->ExitButton()->ShowHint()) << "an empty hint is not shown";
    EXPECT_EQ(panel->MatchCase()->Left(), 425);

    grid->SearchFooter()->SetShowHighLight(false);
    EXPECT_FALSE(panel->HiliteButton()->Visible());
    EXPECT_EQ(panel->HiliteButton()->Height(), 0);
    EXPECT_EQ(panel->MatchCase()->Left(), 330);

    grid->SearchFooter()->SetVisible(false);
    EXPECT_FALSE(panel->Visible());
}

TEST_F(SearchPanelTest, TheFindButtonsWaitForATextAndEnterStepsWithoutABreak)
{
    grid->SearchFooter()->SetVisible(true);
    TRetEdit* edit = panel->EditControl();
    for (TExtGridButton* b : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()})
        EXPECT_FALSE(b->Enabled());
    edit->SetFocus();
    SendText("ab", edit);
    EXPECT_EQ(edit->Text(), "ab");
    for (TExtGridButton* b : {panel->ForwardButton(), panel->BackwardButton(), panel->HiliteButton()})
        EXPECT_TRUE(b->Enabled());

    events.clear();
    SendKey(VK_RETURN, {}, edit);
    SendKey(VK_RETURN, {ssCtrl}, edit);
    EXPECT_EQ(events, (std::vector<std::string>{"forward", "backward"}));
    EXPECT_EQ(edit->Text(), "ab");

    events.clear();
    edit->SetText("");
    EXPECT_EQ(events, (std::vector<std::string>{"change"}));
    EXPECT_FALSE(panel->ForwardButton()->Enabled());
}

TEST_F(SearchPanelTest, TheCloseButtonHidesTheFooterAfterTellingTheWindow)
{
    grid->SearchFooter()->SetVisible(true);
    bool toldVisible = false;
    grid->OnSearchFooterClose = [&](TObject*) { toldVisible = grid->SearchFooter()->Visible(); };
    panel->ExitButton()->Click();
    EXPECT_TRUE(toldVisible);
    EXPECT_FALSE(grid->SearchFooter()->Visible());
    EXPECT_FALSE(panel->Visible());
}

TEST_F(SearchPanelTest, TheBarPaintsItsGradientUnderALineInTheGridLineColour)
{
    grid->SearchFooter()->SetColor(clWhite);
    grid->SearchFooter()->SetColorTo(clBlack);
    grid->SetGridLineColor(clRed);
    grid->SearchFooter()->SetVisible(true);
    TBitmap picture(panel->Width(), panel->Height());
    panel->PaintTo(picture.Canvas(), 0, 0);
    EXPECT_EQ(picture.Canvas()->Pixels(200, 0), ColorToRGB(clRed));
    const auto brightness = [&](int Y) { return picture.Canvas()->Pixels(200, Y) & 0xFF; };
    EXPECT_GT(brightness(2), brightness(29));
}

TEST_F(SearchPanelTest, ARightToLeftGridMirrorsTheBarsParts)
{
    grid->SetBiDiMode(bdRightToLeft);
    grid->SearchFooter()->SetVisible(true);
    const int width = panel->Width();
    ASSERT_GT(width, 0);
    const struct {
        TControl* Part;
        int Left;
    } parts[] = {{panel->ExitButton(), 5},      {panel->EditControl(), 25},  {panel->ForwardButton(), 140},
                 {panel->BackwardButton(), 235}, {panel->HiliteButton(), 330}, {panel->MatchCase(), 425}};
    for (const auto& part : parts)
        EXPECT_EQ(part.Part->Left(), width - part.Part->Width() - part.Left) << part.Left;

    grid->SetBounds(0, 0, 500, 250);
    EXPECT_EQ(panel->ExitButton()->Left(), panel->Width() - 14 - 5) << "the close button stays at the right edge";
    grid->SetBiDiMode(bdLeftToRight);
    grid->SearchFooter()->SetShowHighLight(false);
    EXPECT_EQ(panel->ExitButton()->Left(), 5);
    EXPECT_EQ(panel->MatchCase()->Left(), 330);
}
