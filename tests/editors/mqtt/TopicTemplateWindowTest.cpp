#include <gtest/gtest.h>

#include "editors/mqtt/UTopicTemplate.h"
#include "grid/control/ExtStringGrid.h"
#include "support/FakeDialogs.h"
#include "workspace/ULanguage.h"

namespace {
class TopicTemplateWindow : public testing::Test {
protected:
    TopicTemplateWindow()
    {
        Load_Default_Texts();
        window = new TFTopicTemplate(&owner);
        window->AfterConstruction();
    }

    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TFTopicTemplate* window;
};
} // namespace

TEST_F(TopicTemplateWindow, IsTitledByWhatItEdits)
{
    EXPECT_EQ(window->Caption(), "Set Topic");
    window->TopicTemplate = 1;
    std::string shownCaption;
    std::string shownDesc;
    dialogs.OnModal([&](TCustomForm&) {
        shownCaption = window->Caption();
        shownDesc = window->L_SW_Desc->Caption();
    });
    window->ShowModal();
    EXPECT_EQ(shownCaption, "Set Template");
    EXPECT_EQ(shownDesc, "Set Template");
    // Relabelling while hidden names the topic again, until the next showing.
    window->Set_Lang();
    EXPECT_EQ(window->Caption(), "Set Topic");
    dialogs.OnModal([&](TCustomForm&) { shownCaption = window->Caption(); });
    window->ShowModal();
    EXPECT_EQ(shownCaption, "Set Template");
}

TEST_F(TopicTemplateWindow, ReturnsTypedLinesOnOkOnly)
{
    const std::string lines = "first line\r\nsecond ünïcode line";
    dialogs.OnModal([&](TCustomForm&) {
        window->RE_TopicTemplate->SetText(lines);
        window->Btn_OK->Click();
    });
    EXPECT_EQ(window->ShowModal(), mrOk);
    EXPECT_EQ(window->RE_TopicTemplate->Text(), lines);
    dialogs.OnModal([&](TCustomForm&) { window->Btn_Cancel->Click(); });
    EXPECT_EQ(window->ShowModal(), mrCancel);
}

TEST_F(TopicTemplateWindow, ShowsAnEmptyKeywordTableWithAReadOnlyDescription)
{
    TExtStringGrid& keywords = *window->ESG_Keywords;
    dialogs.OnModal([&](TCustomForm&) {
        keywords.SetCells(0, 1, "typed");
        keywords.SetRowCount(5);
    });
    window->ShowModal();
    dialogs.OnModal([](TCustomForm&) {});
    window->ShowModal();
    EXPECT_EQ(keywords.RowCount(), 2);
    EXPECT_EQ(keywords.Cells(0, 0), "Keyword");
    EXPECT_EQ(keywords.Cells(1, 0), "Description of Keyword");
    EXPECT_EQ(keywords.Cells(0, 1), "");
    EXPECT_FALSE(keywords.ReadOnly(0, 1));
    EXPECT_TRUE(keywords.ReadOnly(1, 1));
    EXPECT_EQ(window->L_List_Keywords->Caption(), "List of keywords");
    EXPECT_EQ(window->ClientWidth(), 635);
    // The legend stands between the text and the buttons.
    EXPECT_LT(window->Panel1->Top(), window->P_Legend->Top());
    EXPECT_LT(window->P_Legend->Top(), window->P_Button->Top());
}
