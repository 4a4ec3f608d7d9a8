#include <gtest/gtest.h>

#include <algorithm>

#include "../control/GridOnForm.h"
#include "grid/control/GridRegistrations.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/CodePage.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"
#include "support/TestFiles.h"

namespace {

class ClipboardTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetOptions(grid->Options() + goEditing);
    }
    // A plain grid of Cols x Rows empty cells with the text pasted into the selection.
    void SmartPaste(int Cols, int Rows, const TGridRect& Selection, const std::string& Text)
    {
        FillPlain(std::vector<std::vector<std::string>>(Rows, std::vector<std::string>(Cols)));
        grid->Navigation()->AllowSmartClipboard = true;
        grid->SetSelection(Selection);
        Clipboard()->SetAsText(Text);
        grid->PasteSelectionFromClipboard();
    }
    std::vector<std::string> Column(int ACol)
    {
        std::vector<std::string> texts;
        for (int r = 0; r < grid->RowCount(); ++r) texts.push_back(grid->Cells(ACol, r));
        return texts;
    }
};

TEST_F(ClipboardTest, CopiedCellsAreTabAndLineSeparatedText)
{
    FillPlain({{"a", "b"}, {"c", "d"}});
    grid->SetSelection(TGridRect{0, 0, 1, 1});
    grid->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "a\tb\r\nc\td\r\n");
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    grid->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "d");

    grid->SetCells(0, 0, "a\r\nb");
    grid->SetSelection(TGridRect{0, 0, 0, 0});
    grid->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "\"a\nb\"");
}

// Cells with tabs, line breaks and quotes go out quoted as spreadsheets write them, and come
// back whole, through the keys and the system's clipboard.
TEST_F(ClipboardTest, CellsWithTabsLineBreaksAndQuotesSurviveCopyAndPaste)
{
    const std::vector<std::vector<std::string>> cells = {{"say \"hi\"\r\nbye", "x\ty"}, {"\"quoted\"", "one\rcr"}};
    FillPlain(cells);
    grid->Navigation()->AllowClipboardShortCuts = true;
    grid->SetFocus();
    grid->SetSelection(TGridRect{0, 0, 1, 1});
    SendKey('C', TShiftState{ssCtrl});
    EXPECT_EQ(Clipboard()->AsText(), "\"say \"\"hi\"\"\nbye\"\t\"x\ty\"\r\n\"\"\"quoted\"\"\"\t\"one\ncr\"\r\n");
    FillPlain({{"", ""}, {"", ""}});
    grid->SetSelection(TGridRect{0, 0, 0, 0});
    SendKey('V', TShiftState{ssCtrl});
    // A lone CR came back as the grid's line break.
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"say \"hi\"\r\nbye", "x\ty"},
                                                                     {"\"quoted\"", "one\r\ncr"}}));
}

// Text as a spreadsheet puts it on the clipboard: quoted cells with doubled quotes, line
// feeds or character 11 inside; a quote inside a plain cell is an ordinary character.
TEST_F(ClipboardTest, SpreadsheetTextPastesWithItsQuotingUndone)
{
    FillPlain({{"", "", ""}, {"", "", ""}});
    grid->SetSelection(TGridRect{0, 0, 0, 0});
    Clipboard()->SetAsText("\"say \"\"hi\"\"\"\t\"two\nlines\"\t5\" screen\r\n\"a\x0B" "b\"\t\"x\ty\"\t\"open\r\n");
    grid->PasteSelectionFromClipboard();
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"say \"hi\"", "two\r\nlines", "5\" screen"},
                                                                     {"a\r\nb", "x\ty", "\"open"}}));
}

TEST_F(ClipboardTest, SmartPasteFillsContinuesAndRepeats)
{
    SmartPaste(1, 5, TGridRect{0, 0, 0, 4}, "1\r\n2\r\n");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));

    SmartPaste(1, 5, TGridRect{0, 0, 0, 4}, "a\r\nb\r\n");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"a", "b", "a", "b", "a"}));

    SmartPaste(1, 3, TGridRect{0, 0, 0, 2}, "1.5\r\n2.0\r\n");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1.50", "2.00", "2.50"}));

    // Only the month differs: the series steps by months, not by 31 days.
    SmartPaste(1, 3, TGridRect{0, 0, 0, 2}, "15/01/2026\r\n15/02/2026\r\n");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"15/01/2026", "15/02/2026", "15/03/2026"}));

    SmartPaste(3, 2, TGridRect{0, 0, 2, 1}, "x");
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"x", "x", "x"}, {"x", "x", "x"}}));

    SmartPaste(3, 4, TGridRect{0, 0, 2, 3}, "p\tq\tr");
    for (int r = 0; r < 4; ++r) EXPECT_EQ(grid->Cells(2, r), "r") << r;

    // Two lines of two fields ended by a line break report one column, so the text is pasted
    // again at each further column of the top row ...
    SmartPaste(3, 3, TGridRect{0, 0, 2, 2}, "1\t2\r\n3\t4\r\n");
    EXPECT_EQ(CellsOf(*grid),
              (std::vector<std::vector<std::string>>{{"1", "1", "1", "2"}, {"3", "3", "3", "4"}, {"", "", "", ""}}));
    // ... and exactly fill a 2 x 2 selection.
    SmartPaste(3, 3, TGridRect{0, 0, 1, 1}, "1\t2\r\n3\t4\r\n");
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"1", "2", ""}, {"3", "4", ""}, {"", "", ""}}));
}

TEST_F(ClipboardTest, PastedTextStaysInsideTheGridUnlessItMayGrow)
{
    FillPlain(std::vector<std::vector<std::string>>(10, std::vector<std::string>(2)));
    int rows = 0, cols = 0;
    grid->Navigation()->AllowClipboardRowGrow = false;
    grid->Navigation()->AllowClipboardColGrow = false;
    EXPECT_EQ(grid->PasteTextAt(1, 8, rows, cols, "a\tx\r\nb\r\nc\r\nd"), 5);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(Column(1).back(), "b");

    grid->Navigation()->AllowClipboardRowGrow = true;
    grid->PasteTextAt(1, 8, rows, cols, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(grid->RowCount(), 12);
    EXPECT_EQ(grid->Cells(1, 11), "d");

    grid->SetOptions(grid->Options() - goEditing);
    EXPECT_EQ(grid->PasteTextAt(0, 0, rows, cols, "z"), 0);
    EXPECT_EQ(grid->Cells(0, 0), "");
}

TEST_F(ClipboardTest, CutEmptiesOnlyTheCellsThatMayChange)
{
    FillPlain({{"a", "b"}, {"c", "d"}});
    grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) { CanEdit = !(ACol == 1 && ARow == 0); };
    grid->CutToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"", "b"}, {"", ""}}));
}

TEST_F(ClipboardTest, TheCellFormatCarriesColoursAndFontsToAnotherGrid)
{
    FillPlain({{"a", "b"}, {"c", "d"}});
    grid->Navigation()->AllowFmtClipboard = true;
    grid->SetColors(1, 0, clRed);
    grid->SetFontStyles(1, 0, TFontStyles{fsBold});
    grid->SetSelection(TGridRect{0, 0, 1, 0});
    grid->CopySelectionToClipboard();
    EXPECT_TRUE(Clipboard()->HasFormat(GridRegistrations().CellsClipboardFormat));

    TExtStringGrid other(&form);
    other.SetOptions(other.Options() + goEditing);
    other.Navigation()->AllowFmtClipboard = true;
    other.SetSelection(TGridRect{1, 2, 1, 2});
    other.PasteSelectionFromClipboard();
    EXPECT_EQ(other.Cells(1, 2), "a");
    EXPECT_EQ(other.Cells(2, 2), "b");
    EXPECT_EQ(other.Colors(2, 2), clRed);
    EXPECT_TRUE(other.FontStyles(2, 2).Contains(fsBold));
}

TEST_F(ClipboardTest, HtmlCopyPutsPlainTextBesideTheMarkup)
{
    FillPlain({{"a", "b"}});
    grid->CreateBitmap(0, 0, false, haLeft, vaTop)->SetSize(4, 4);
    grid->CopyToClipBoardAsHTML();
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    const std::string html = Clipboard()->GetBuffer(RegisterClipboardFormat("HTML Format"));
    EXPECT_EQ(html.rfind("Version:", 0), 0u);
    EXPECT_NE(html.find("<TD class=\"c0\">a</td>"), std::string::npos);  // no picture without a folder
    EXPECT_FALSE(DirectoryExists("images"));
}

// Letters the Western code page lacks reach the pasting program, as they reach the browser
// from the HTML file: as character references, while the plain text keeps the letters.
TEST_F(ClipboardTest, HtmlCopyKeepsLettersBeyondTheCodePage)
{
    FillPlain({{"Sensor \xE4\xB8\xAD\xE6\x96\x87", "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC"}});
    grid->CopyToClipBoardAsHTML();
    EXPECT_EQ(Clipboard()->AsText(), "Sensor \xE4\xB8\xAD\xE6\x96\x87\tGr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC");
    const std::string html = Clipboard()->GetBuffer(RegisterClipboardFormat("HTML Format"));
    EXPECT_NE(html.find(">Sensor &#20013;&#25991;</td>"), std::string::npos) << html;
    EXPECT_NE(html.find(">Gr&#246;&#223;e &#8364;</td>"), std::string::npos) << html;
    EXPECT_EQ(html.find('?'), std::string::npos);
    EXPECT_TRUE(std::all_of(html.begin(), html.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    // The header's offsets still point at the fragment's markers.
    const auto offset = [&html](const std::string& Label) {
        return static_cast<size_t>(std::stoi(html.substr(html.find(Label) + Label.size(), 8)));
    };
    EXPECT_EQ(html.compare(offset("StartFragment:") - 20, 20, "<!--StartFragment-->"), 0);
    EXPECT_EQ(html.compare(offset("EndFragment:"), 18, "<!--EndFragment-->"), 0);
}

TEST_F(ClipboardTest, ClipboardKeysCopyAndPasteTheSelection)
{
    FillPlain({{"a", "b"}, {"", ""}});
    grid->Navigation()->AllowClipboardShortCuts = true;
    grid->SetFocus();
    grid->SetSelection(TGridRect{0, 0, 1, 0});
    SendKey('C', TShiftState{ssCtrl});
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    grid->SetSelection(TGridRect{0, 1, 0, 1});
    SendKey('V', TShiftState{ssCtrl});
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"a", "b"}, {"a", "b"}}));
}

} // namespace

#include "grid/services/ClipboardText.h"

namespace {

TEST(ClipboardText, SizeIsTheSameWithOrWithoutAFinalLineBreak)
{
    struct TCase {
        std::string Text;
        int Cols, RowsLessOne;
    };
    for (const TCase& c : {TCase{"a", 1, 0}, TCase{"a\tb\r\nc", 2, 1}, TCase{"a\tb\r\nc\r\n", 2, 1},
                           TCase{"a\r\n\r\nb\r\n", 1, 1}, TCase{"\"x\ny\"\tz", 2, 0}}) {
        int cols = 0, rows = 0;
        ClipboardTextSize(c.Text, cols, rows);
        EXPECT_EQ(cols, c.Cols) << c.Text;
        EXPECT_EQ(rows, c.RowsLessOne) << c.Text;
    }
    // A quoted field's line breaks become the grid's.
    EXPECT_EQ(SplitClipboardText("\"x\ny\"").front().Fields, (std::vector<std::string>{"x\r\ny"}));
    EXPECT_EQ(SplitClipboardText("\"x\x0By\"").front().Fields, (std::vector<std::string>{"x\r\ny"}));
}

} // namespace
