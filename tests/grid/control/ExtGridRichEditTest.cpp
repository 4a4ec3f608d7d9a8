#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingGridOnForm.h"
#include "grid/control/ExtRichEdit.h"
#include "grid/control/settings/ColumnSize.h"
#include "platform/ui/RichTextFormat.h"

namespace {

// Cell (1, 1) edited in the grid's rich edit, by real keys.
class ExtGridRichEditTest : public EditingGridOnForm {
protected:
    TRichRuns CellRuns(int ACol, int ARow)
    {
        const std::optional<TRichRuns> runs = ReadRtf(grid->Cells(ACol, ARow));
        EXPECT_TRUE(runs.has_value()) << grid->Cells(ACol, ARow);
        return runs.value_or(TRichRuns{});
    }
};

TRichCharFormat Raised(int offset, bool bold = false)
{
    TRichCharFormat f;
    f.Offset = offset;
    f.Bold = bold;
    return f;
}

} // namespace

TEST_F(ExtGridRichEditTest, TypedTextFormattedBySelectionIsStoredAsRtfOnEnter)
{
    Open("", edRichEdit);
    TExtRichEdit* editor = grid->InplaceRichEdit();
    EXPECT_EQ(FocusedControl(), editor);
    EXPECT_EQ(grid->ActiveEditControl(), editor);
    int selectionChanges = 0;
    grid->OnRichEditSelectionChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, editor);
        ++selectionChanges;
    };
    SendText("x2 m2");
    SendKey(VK_LEFT, {ssShift});
    EXPECT_TRUE(editor->IsSelNormal());
    editor->SelSuperscript();
    EXPECT_TRUE(editor->IsSelSuperscript());
    EXPECT_FALSE(editor->IsSelNormal());
    SendKey(VK_HOME);
    SendKey(VK_RIGHT);
    SendKey(VK_RIGHT, {ssShift});
    editor->SelSubscript();
    EXPECT_TRUE(editor->IsSelSubscript());
    editor->SelAttributes().SetBold(true);
    EXPECT_GE(selectionChanges, 3);
    SendKey(VK_RETURN);

    EXPECT_FALSE(editor->Visible());
    EXPECT_FALSE(grid->IsEditMode());
    const TRichRuns expected = {{u"x", {}}, {u"2", Raised(-40, true)}, {u" m", {}}, {u"2", Raised(40)}};
    EXPECT_EQ(CellRuns(1, 1), expected);
    // The grid moved on; the document loads again as it was stored.
    grid->MoveCurrentCell(1, 1);
    SendKey(VK_F2);
    EXPECT_EQ(editor->Runs(), expected);
    EXPECT_EQ(editor->SelLength(), 5);
}

TEST_F(ExtGridRichEditTest, OneLineCellsLeaveOnUpAndDownStoringTheText)
{
    const struct {
        Word key;
        int row;
    } cases[] = {{VK_DOWN, 2}, {VK_UP, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        grid->SetFixedRows(0);
        grid->SetWordWrap(false);
        grid->MoveCurrentCell(1, 1);
        Open(R"({\rtf1 {\b old}})", edRichEdit);
        EXPECT_EQ(grid->InplaceRichEdit()->Text(), "old");
        SendKey(VK_END);
        SendText("er");
        SendKey(c.key);
        EXPECT_FALSE(grid->IsEditMode());
        EXPECT_EQ(grid->Row(), c.row);
        TRichCharFormat bold;
        bold.Bold = true;
        EXPECT_EQ(CellRuns(1, 1), (TRichRuns{{u"older", bold}}));
    }
}

TEST_F(ExtGridRichEditTest, TheRowGrowsWhileTypingOnlyWhenAsked)
{
    for (const bool grow : {false, true}) {
        SCOPED_TRACE(grow);
        grid->SetRowHeights(1, grid->DefaultRowHeight());
        grid->SizeWhileTyping()->Height = grow;
        grid->Multilinecells = true;
        std::vector<int> sized;
        grid->OnEndRowSize = [&](TObject*, int ARow) { sized.push_back(ARow); };
        // Loading three lines does not size the row: the editor is locked meanwhile.
        Open(R"({\rtf1 a\par b\par c})", edRichEdit);
        EXPECT_EQ(grid->RowHeights(1), grid->DefaultRowHeight());
        EXPECT_TRUE(sized.empty());
        SendKey(VK_END, {ssCtrl});
        SendKey(VK_RETURN, {ssCtrl});
        SendText("d");
        EXPECT_TRUE(grid->IsEditMode());
        if (grow) {
            EXPECT_GT(grid->RowHeights(1), 3 * grid->DefaultRowHeight() / 2);
            EXPECT_EQ(grid->InplaceRichEdit()->Height(), grid->RowHeights(1) - 1);
            ASSERT_FALSE(sized.empty());
            EXPECT_EQ(sized.back(), 1);
        } else {
            EXPECT_EQ(grid->RowHeights(1), grid->DefaultRowHeight());
            EXPECT_TRUE(sized.empty());
        }
        grid->SetFocus();
        EXPECT_EQ(RichPlainText(CellRuns(1, 1)), "a\r\nb\r\nc\r\nd");
    }
}

TEST_F(ExtGridRichEditTest, TheHiddenRichEditConvertsAndMeasures)
{
    grid->SetCells(2, 2, R"({\rtf1 {\b bold}\par second line})");
    TExtRichEdit* hidden = grid->RichEdit();
    EXPECT_FALSE(hidden->Visible());
    grid->CellToRich(2, 2, hidden);
    EXPECT_EQ(hidden->Text(), "bold\r\nsecond line");
    hidden->SetWordWrap(false);
    hidden->RequestSize();
    EXPECT_GT(hidden->ReqWidth(), 0);
    EXPECT_GT(hidden->ReqHeight(), 0);
    EXPECT_EQ(grid->RichEdit(), hidden);
}

TEST_F(ExtGridRichEditTest, AutoSizeTakesTheRoomOfWhatARichTextCellSays)
{
    grid->SetCells(2, 1, "some words");
    grid->AutoSizeCol(2);
    const int plainWidth = grid->ColWidths(2);
    grid->SetCells(2, 1, R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}some words})");
    grid->AutoSizeCol(2);
    EXPECT_EQ(grid->ColWidths(2), plainWidth);
}

// The room is measured in the format the rich text starts with: a large bold text needs
// more than the same words in the cell's font.
TEST_F(ExtGridRichEditTest, AutoSizeMeasuresARichTextInItsFormat)
{
    grid->SetCells(2, 1, R"({\rtf1 some words})");
    grid->AutoSizeCol(2);
    const int plainWidth = grid->ColWidths(2);
    grid->SetCells(2, 1, R"({\rtf1\fs48\b some words})");
    grid->AutoSizeCol(2);
    EXPECT_GT(grid->ColWidths(2), plainWidth * 3 / 2);
}

// A saved rich-text cell is what it says, or with SaveWithRTF its RTF on one line.
TEST_F(ExtGridRichEditTest, SavedRichTextIsItsPlainTextOrItsRtfOnOneLine)
{
    const std::string rtf = "{\\rtf1 {\\b bold}\\par\r\nsecond line}";
    grid->SetCells(2, 2, rtf);
    std::string saved;
    grid->SaveCell(2, 2, saved);
    EXPECT_EQ(saved, "bold\r\nsecond line");
    grid->SaveWithRTF = true;
    grid->SaveCell(2, 2, saved);
    EXPECT_EQ(saved, "{\\rtf1 {\\b bold}\\parsecond line}");
}

// A rich-text cell shows its formatted text, not its RTF source: red text and no black.
TEST_F(ExtGridRichEditTest, RichTextCellsArePaintedWithTheirFormatting)
{
    grid->SetColWidths(2, 120);
    grid->SetCells(2, 2, R"({\rtf1{\colortbl;\red255\green0\blue0;}{\b\cf1 MMMM}})");
    grid->MoveCurrentCell(1, 1);
    TBitmap bitmap;
    bitmap.SetSize(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.Canvas(), 0, 0);
    const TRect r = grid->CellRect(2, 2);
    int red = 0, black = 0;
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
        for (int x = r.Left + 1; x < r.Right - 1; ++x) {
            const TColor c = ColorToRGB(bitmap.Canvas()->Pixels(x, y));
            if (GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90) ++red;
            if (GetRValue(c) < 60 && GetGValue(c) < 60 && GetBValue(c) < 60) ++black;
        }
    EXPECT_GT(red, 10);
    EXPECT_EQ(black, 0);
}

// With goTabs, Tab stores the cell and opens the editor again on the next one.
TEST_F(ExtGridRichEditTest, TabMovesTheEditorToTheNextCell)
{
    grid->SetOptions(grid->Options() + goTabs);
    Open("", edRichEdit);
    SendText("one");
    SendKey(VK_TAB);
    EXPECT_EQ(RichPlainText(CellRuns(1, 1)), "one");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(grid->IsEditMode());
    EXPECT_EQ(FocusedControl(), grid->InplaceRichEdit());
    SendText("two");
    SendKey(VK_RETURN);
    EXPECT_EQ(RichPlainText(CellRuns(2, 1)), "two");
}

// A cell is only rewritten when its document changed: what the rich edit cannot show stays.
TEST_F(ExtGridRichEditTest, UnchangedOrCancelledEditsLeaveTheCellAsItWas)
{
    const std::string source = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 {\b word} plain})";
    const struct {
        const char* what;
        bool typeFirst;
        bool formatFirst;
        Word key;
        bool rewritten;
    } cases[] = {
        {"Enter without a change", false, false, VK_RETURN, false},
        {"Escape after typing", true, false, VK_ESCAPE, false},
        {"Escape after formatting", false, true, VK_ESCAPE, false},
        {"Enter after formatting", false, true, VK_RETURN, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->MoveCurrentCell(1, 1);
        Open(source, edRichEdit);
        if (c.typeFirst) SendText("zz");
        if (c.formatFirst) grid->InplaceRichEdit()->SelAttributes().SetItalic(true);
        SendKey(c.key);
        EXPECT_FALSE(grid->IsEditMode());
        if (c.rewritten) {
            EXPECT_NE(grid->Cells(1, 1), source);
            EXPECT_TRUE(CellRuns(1, 1).front().Format.Italic);
        } else {
            EXPECT_EQ(grid->Cells(1, 1), source);
        }
    }
}

TEST_F(ExtGridRichEditTest, WithAHiddenColumnToItsLeftTheEditorLoadsAndStoresItsOwnCell)
{
    grid->HideColumn(1);
    ASSERT_EQ(grid->RealCol(), 2);
    grid->SetCells(1, 1, "hidden");
    grid->SetCells(2, 1, "");
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edRichEdit; };
    SendKey(VK_F2);
    ASSERT_TRUE(grid->IsEditMode());
    TExtRichEdit* editor = grid->InplaceRichEdit();
    EXPECT_EQ(editor->Runs(), TRichRuns{}) << "the shown cell's empty text, not the hidden one's";
    SendText("own");
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "hidden");
    const TRichRuns expected = {{u"own", {}}};
    EXPECT_EQ(CellRuns(2, 1), expected);
}
