#include <gtest/gtest.h>

#include <string>

#include "EditingGridOnForm.h"
#include "grid/control/GridCombo.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Where an opened editor puts its caret and its text: at the click that opened it, over an
// edit mask, aligned as its cell, and over its cell again after typing grew the row.
class ExtGridEditorPlacementTest : public EditingGridOnForm {
protected:
    void SetUp() override
    {
        EditingGridOnForm::SetUp();
        grid->SetColWidths(1, 200);
    }
    // A click at a distance from the left of the current cell (1, 1), which opens its editor.
    void ClickIntoCell(int X)
    {
        const TRect r = grid->CellRect(1, 1);
        SendClick(grid, r.Left + X, r.Top + r.Height() / 2);
    }
};

TEST_F(ExtGridEditorPlacementTest, ClickOpeningTheTextEditorPutsTheCaretUnderThePointer)
{
    grid->SetCells(1, 1, "abcdefghijklmnop");
    const int length = 16;
    grid->MouseActions()->CaretPositioning = true;
    const struct {
        int x;
        int minCaret, maxCaret;
    } cases[] = {
        {1, 0, 0},
        {40, 1, length - 1},
        {195, length, length},
    };
    int previous = -1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        grid->HideInplaceEdit();
        ClickIntoCell(c.x);
        TCustomEdit* editor = grid->InplaceEditor();
        ASSERT_TRUE(editor && editor->Visible());
        EXPECT_EQ(editor->SelLength(), 0);
        EXPECT_GE(editor->SelStart(), c.minCaret);
        EXPECT_LE(editor->SelStart(), c.maxCaret);
        EXPECT_GT(editor->SelStart(), previous);
        previous = editor->SelStart();
    }
}

// A click that only moved the current cell leaves no caret position behind: a character
// typed afterwards opens the editor as typing always does, replacing the selected text.
TEST_F(ExtGridEditorPlacementTest, KeyOpenedEditorIgnoresAnEarlierClick)
{
    grid->MouseActions()->CaretPositioning = true;
    grid->SetCells(2, 1, "abcdefghij");
    const TRect r = grid->CellRect(2, 1);
    SendClick(grid, r.Left + 20, r.Top + r.Height() / 2);
    ASSERT_EQ(grid->Col(), 2);
    ASSERT_FALSE(grid->EditorMode());
    SendText("Z");
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Z");
}

TEST_F(ExtGridEditorPlacementTest, WithoutCaretPositioningAClickOpensTheEditorAsF2Does)
{
    grid->SetCells(1, 1, "abcdefghijklmnop");
    ClickIntoCell(40);
    TCustomEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(editor->SelLength(), 16);
}

TEST_F(ExtGridEditorPlacementTest, ClickOpeningAnEditableComboPutsTheCaretUnderThePointer)
{
    grid->MouseActions()->CaretPositioning = true;
    grid->SetCells(1, 1, "abcdefghijklmnop");
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edComboEdit; };
    ClickIntoCell(40);
    TGridCombo* combo = grid->EditCombo();
    ASSERT_TRUE(combo->Visible());
    EXPECT_GT(combo->SelStart(), 0);
    EXPECT_LT(combo->SelStart(), 16);
    EXPECT_EQ(combo->SelLength(), 0);
}

// Typing over a mask begins at its first character, instead of replacing the whole text,
// unless a click placed the caret.
TEST_F(ExtGridEditorPlacementTest, ImproveMaskSelStartsTypingAtTheFirstCharacterOfAMask)
{
    grid->OnGetEditMask = [](TObject*, int, int, std::string& Value) { Value = "99-99;1;_"; };
    const struct {
        bool improve;
        const char* typed;
        const char* want;
    } cases[] = {
        {true, "5", "52-34"},
        {true, "56", "56-34"},
        {false, "5", "5-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        grid->Navigation()->ImproveMaskSel = c.improve;
        grid->SetCells(1, 1, "12-34");
        SendText(c.typed);
        ASSERT_TRUE(grid->EditorMode());
        EXPECT_EQ(grid->InplaceEditor()->Text(), c.want);
        SendKey(VK_ESCAPE);
    }
    grid->Navigation()->ImproveMaskSel = true;
    grid->MouseActions()->CaretPositioning = true;
    ClickIntoCell(195);
    TCustomEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    EXPECT_EQ(editor->SelStart(), 5);
    EXPECT_EQ(editor->SelLength(), 0);
}

// The rows and columns of dark pixels in a painted editor.
struct TInk {
    int top = -1, bottom = -1, left = -1, right = -1;
};

TInk InkOf(TControl& Editor)
{
    TBitmap shot(Editor.Width(), Editor.Height());
    Editor.PaintTo(shot.Canvas(), 0, 0);
    TInk ink;
    for (int y = 0; y < Editor.Height(); ++y)
        for (int x = 0; x < Editor.Width(); ++x) {
            const TColor c = ColorToRGB(shot.Canvas()->Pixels(x, y));
            if ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) > 3 * 100) continue;
            if (ink.top < 0) ink.top = y;
            ink.bottom = y;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    return ink;
}

TEST_F(ExtGridEditorPlacementTest, EditorTextSitsWhereItsCellPaintsIt)
{
    grid->SetRowHeights(1, 90);
    const struct {
        const char* text;
        bool multiLine;
        TAlignment horizontal;
        TVAlignment vertical;
    } cases[] = {
        {"Pump", false, taLeftJustify, vtaTop},
        {"Pump", false, taRightJustify, vtaCenter},
        {"Pump", false, taLeftJustify, vtaBottom},
        {"Pump\r\nValve", true, taLeftJustify, vtaCenter},
        {"Pump\r\nValve", true, taLeftJustify, vtaBottom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " " << c.horizontal << " " << c.vertical);
        grid->HideInplaceEdit();
        grid->Multilinecells = c.multiLine;
        grid->OnGetAlignment = [&c](TObject*, int, int, TAlignment& HAlign, TVAlignment& VAlign) {
            HAlign = c.horizontal;
            VAlign = c.vertical;
        };
        grid->SetCells(1, 1, c.text);
        SendKey(VK_F2);
        TCustomEdit* editor = grid->InplaceEditor();
        ASSERT_TRUE(editor && editor->Visible());
        editor->SetSelLength(0);
        const TInk ink = InkOf(*editor);
        ASSERT_GE(ink.top, 0);
        const int h = editor->Height(), w = editor->Width();
        switch (c.vertical) {
        case vtaTop:
            EXPECT_LT(ink.top, 10);
            break;
        case vtaCenter:
            EXPECT_LT(std::abs((ink.top + ink.bottom) - h), 12);
            break;
        case vtaBottom:
            EXPECT_GT(ink.bottom, h - 10);
            break;
        }
        if (c.horizontal == taRightJustify)
            EXPECT_GT(ink.left, w / 2);
        else
            EXPECT_LT(ink.left, 10);
    }
}

// Every editor leaves its cell's right and bottom grid lines showing, and starts one pixel
// further right in a mirrored grid.
TEST_F(ExtGridEditorPlacementTest, EditorsCoverTheCellInsideItsGridLines)
{
    grid->MergeCells(1, 1, 2, 2);
    const struct {
        TEditorType kind;
        bool mirrored;
    } cases[] = {{edNormal, false}, {edNormal, true}, {edEditBtn, false}, {edEditBtn, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.mirrored);
        grid->SetBiDiMode(c.mirrored ? bdRightToLeft : bdLeftToRight);
        grid->OnGetEditorType = [&c](TObject*, int, int, TEditorType& AEditor) { AEditor = c.kind; };
        SendKey(VK_F2);
        TControl* editor =
            c.kind == edNormal ? static_cast<TControl*>(grid->InplaceEditor()) : grid->ActiveEditControl();
        ASSERT_TRUE(editor && editor->Visible());
        const TRect cell = grid->CellRect(1, 1);
        const int shift = c.mirrored ? 1 : 0;
        EXPECT_EQ(editor->Left(), cell.Left + shift);
        EXPECT_EQ(editor->Top(), cell.Top);
        EXPECT_EQ(editor->Width(), cell.Width() - 1 - shift);
        EXPECT_EQ(editor->Height(), cell.Height() - 1);
        SendKey(VK_ESCAPE);
    }
}

// A row grown by typing that pushes the grid into scrolling keeps the editor over its cell,
// with the caret after the typed text.
TEST_F(ExtGridEditorPlacementTest, EditorStaysOverItsCellWhenTypingMakesTheGridScroll)
{
    grid->SetRowCount(8);
    grid->SetColWidths(1, 40);
    grid->SetWordWrap(true);
    grid->SizeWhileTyping()->Height = true;
    const int last = grid->RowCount() - 1;
    ASSERT_EQ(grid->VisibleRowCount(), grid->RowCount() - grid->FixedRows());
    grid->MoveCurrentCell(1, last);
    SendKey(VK_F2);
    SendText("one two three four five six seven eight nine ten eleven twelve thirteen");
    ASSERT_LT(grid->VisibleRowCount(), grid->RowCount() - grid->FixedRows());
    TCustomEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor->Visible());
    const TRect cell = grid->CellRect(1, last);
    EXPECT_EQ(editor->Left(), cell.Left);
    EXPECT_EQ(editor->Top(), cell.Top);
    EXPECT_EQ(editor->SelStart(), Length(editor->Text()));
    EXPECT_EQ(editor->SelLength(), 0);
}

} // namespace
