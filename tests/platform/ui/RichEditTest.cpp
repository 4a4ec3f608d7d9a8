#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/RichEdit.h"

namespace {

class RichEditOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientSize(300, 200);
        edit = new TRichEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 200, 100);
        form.Show();
        edit->SetFocus();
    }
    TForm form{nullptr};
    TRichEdit* edit = nullptr;
};

} // namespace

TEST_F(RichEditOnForm, TypedTextIsFormattedThroughTheSelection)
{
    SendText("H2O");
    SendKey(VK_RETURN);
    SendText("ok");
    EXPECT_EQ(edit->Text(), "H2O\r\nok");
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    EXPECT_EQ(edit->SelText(), "2");
    edit->SelAttributes().SetOffset(-40);
    edit->SetSelStart(4);
    SendKey(VK_RIGHT, {ssShift});
    SendKey(VK_RIGHT, {ssShift});
    EXPECT_EQ(edit->SelText(), "ok");
    edit->SelAttributes().SetBold(true);
    EXPECT_TRUE(edit->SelAttributes().Bold());
    EXPECT_EQ(edit->SelAttributes().Offset(), 0);

    TRichCharFormat sub, bold;
    sub.Offset = -40;
    bold.Bold = true;
    const TRichRuns expected = {{u"H", {}}, {u"2", sub}, {u"O\n", {}}, {u"ok", bold}};
    EXPECT_EQ(edit->Runs(), expected);
    EXPECT_EQ(ReadRtf(edit->RtfText()), expected);
}

TEST_F(RichEditOnForm, ChangingOneAttributeKeepsTheOthers)
{
    edit->SetRtfText(R"({\rtf1 {\i ab}{\b cd}})");
    edit->SelectAll();
    edit->SelAttributes().SetUnderline(true);
    TRichCharFormat italic, bold;
    italic.Italic = italic.Underline = true;
    bold.Bold = bold.Underline = true;
    const TRichRuns expected = {{u"ab", italic}, {u"cd", bold}};
    EXPECT_EQ(edit->Runs(), expected);
}

TEST_F(RichEditOnForm, PlainTextLoadsAsTextAndRtfAsItsContent)
{
    edit->SetRtfText("not {rtf} at all\r\nsecond");
    EXPECT_EQ(edit->Text(), "not {rtf} at all\r\nsecond");
    edit->SetRtfText(R"({\rtf1 {\fonttbl{\f0 Arial;}}x\par y})");
    EXPECT_EQ(edit->Text(), "x\r\ny");
    edit->Clear();
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(RichEditOnForm, ReportsSelectionChangesOnceAndAsksToGrow)
{
    int selectionChanges = 0;
    std::vector<int> heights;
    edit->OnSelectionChange = [&](TObject*) { ++selectionChanges; };
    edit->OnResizeRequest = [&](TObject*, const TRect& r) { heights.push_back(r.Height()); };
    SendText("a");
    EXPECT_EQ(selectionChanges, 1);
    SendKey(VK_LEFT, {ssShift});
    EXPECT_EQ(selectionChanges, 2);
    const int oneLine = heights.empty() ? 0 : heights.back();
    SendKey(VK_END);
    SendKey(VK_RETURN);
    SendText("b");
    ASSERT_FALSE(heights.empty());
    EXPECT_GT(heights.back(), oneLine);
}
