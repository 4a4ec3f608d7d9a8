#include <gtest/gtest.h>

#include <algorithm>
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

namespace {

// The box around what is drawn on a white bitmap.
TRect InkBox(TBitmap& Bitmap)
{
    TRect box{Bitmap.Width(), Bitmap.Height(), -1, -1};
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x)
            if (Bitmap.Canvas()->Pixels(x, y) != clWhite)
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                       std::max(box.Bottom, y + 1)};
    return box;
}

} // namespace

TEST_F(RichEditOnForm, DrawingScalesTheTextsOwnSizesAndTurnsIt)
{
    edit->SetRtfText(R"({\rtf1\ansi {\fs40 MMMM}})");
    struct TCase {
        TRichDrawing How;
        double Width, Height;  // of the ink, against the text drawn as it is
    };
    const TCase cases[] = {
        {{1.0, 0}, 1.0, 1.0},
        {{0.5, 0}, 0.5, 0.5},
        {{1.0, 900}, -1.0, -1.0},  // upward: as wide as the text was high, and the other way
    };
    TSize plain{};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.How.Scale);
        TBitmap page(300, 300);
        const TSize extent = edit->DrawnExtent(*page.Canvas(), c.How.Scale);
        // A turned text is drawn from the bottom-left corner of where it lands.
        const TPoint from = c.How.Escapement ? TPoint{10, 290} : TPoint{10, 10};
        edit->DrawTo(*page.Canvas(), {from.X, from.Y, from.X + extent.cx, from.Y + extent.cy}, c.How);
        const TRect ink = InkBox(page);
        ASSERT_GT(ink.Width(), 0);
        if (c.How.Scale == 1.0 && !c.How.Escapement) {
            plain = {ink.Width(), ink.Height()};
            EXPECT_LE(ink.Width(), extent.cx);
            continue;
        }
        if (c.Width > 0) {
            EXPECT_NEAR(ink.Width(), plain.cx * c.Width, plain.cx * 0.15);
            EXPECT_NEAR(ink.Height(), plain.cy * c.Height, plain.cy * 0.25);
            EXPECT_NEAR(extent.cx, edit->DrawnExtent(*page.Canvas()).cx * c.Width, 3);
        } else {
            EXPECT_NEAR(ink.Height(), plain.cx, plain.cx * 0.15);
            EXPECT_NEAR(ink.Width(), plain.cy, plain.cy * 0.25);
            EXPECT_LE(ink.Bottom, from.Y + 1);
        }
    }
}
