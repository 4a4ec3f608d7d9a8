#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingGridOnForm.h"
#include "grid/control/BalloonWindow.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Typing into the text editor of a grid whose current cell is (1, 1): the cursor walk, line
// breaks, the automatic advance, sizing while typing and the refused-entry balloon.
class ExtGridTypingTest : public EditingGridOnForm {
protected:
    TCustomEdit* OpenEditor(int ACol, int ARow, const std::string& Text)
    {
        grid->SetCells(ACol, ARow, Text);
        grid->MoveCurrentCell(ACol, ARow);
        SendKey(VK_F2);
        EXPECT_TRUE(grid->EditorMode());
        return grid->InplaceEditor();
    }
};

TEST_F(ExtGridTypingTest, CursorWalkLeavesTheTextAtItsEndsIntoTheNeighbouringCell)
{
    grid->Navigation()->CursorWalkEditor = true;
    grid->Navigation()->CursorWalkAlwaysEdit = false;
    const int last = grid->ColCount() - 1;
    const struct {
        const char* what;
        int col;
        Word key;
        int wantCol, wantRow;
    } cases[] = {
        {"right at the end", 1, VK_RIGHT, 2, 1},
        {"left at the start", 2, VK_LEFT, 1, 1},
        {"right at the end of the last column goes to the next row", last, VK_RIGHT, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->MoveCurrentCell(c.col, 1);
        TCustomEdit* editor = OpenEditor(c.col, 1, "ab");
        editor->SetSelStart(c.key == VK_LEFT ? 0 : 2);
        SendText("x");
        editor->SetSelStart(c.key == VK_LEFT ? 0 : 3);
        SendKey(c.key);
        EXPECT_EQ(grid->Col(), c.wantCol);
        EXPECT_EQ(grid->Row(), c.wantRow);
        EXPECT_FALSE(grid->EditorMode());
        EXPECT_EQ(grid->Cells(c.col, 1), c.key == VK_LEFT ? "xab" : "abx");
    }
}

TEST_F(ExtGridTypingTest, CursorInsideTheTextMovesThereWithoutLeaving)
{
    grid->Navigation()->CursorWalkEditor = true;
    TCustomEdit* editor = OpenEditor(1, 1, "abc");
    editor->SetSelStart(1);
    SendKey(VK_LEFT);
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->EditorMode());
}

TEST_F(ExtGridTypingTest, LineFeedOnEnterBreaksTheLineOfTextKindsOnly)
{
    grid->SetWordWrap(true);
    grid->Navigation()->LineFeedOnEnter = true;
    TCustomEdit* editor = OpenEditor(1, 1, "");
    SendText("a");
    SendKey(VK_RETURN);
    SendText("b");
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(editor->Text(), "a\r\nb");
    SendKey(VK_ESCAPE);

    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edNumeric; };
    OpenEditor(1, 1, "");
    SendText("7");
    SendKey(VK_RETURN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "7");
}

TEST_F(ExtGridTypingTest, AdvanceAutoMovesOnWhenTheTextReachesItsLimit)
{
    grid->Navigation()->SetAdvanceAuto(true);
    grid->SetMaxEditLength(2);
    OpenEditor(1, 1, "");
    SendText("a");
    EXPECT_EQ(grid->Col(), 1);
    SendText("b");
    EXPECT_EQ(grid->Cells(1, 1), "ab");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(ExtGridTypingTest, ColumnGrowsToTheTypedTextAndNeverShrinks)
{
    grid->SizeWhileTyping()->Width = true;
    const int before = grid->ColWidths(1);
    TCustomEdit* editor = OpenEditor(1, 1, "");
    SendText("a rather long text that cannot fit");
    const int grown = grid->ColWidths(1);
    EXPECT_GT(grown, before);
    EXPECT_GE(editor->Width(), grown - 1);
    // The cell follows the typing.
    EXPECT_EQ(grid->Cells(1, 1), "a rather long text that cannot fit");
    for (int i = 0; i < 20; ++i)
        SendKey(VK_BACK);
    EXPECT_EQ(grid->ColWidths(1), grown);
    SendKey(VK_ESCAPE);
    EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(ExtGridTypingTest, WrappingRowGrowsWhileTypingAndReportsTheSizing)
{
    grid->SetWordWrap(true);
    grid->SizeWhileTyping()->Height = true;
    grid->ColumnSize()->SynchWithGrid = true;
    int sized = 0;
    grid->OnEndRowSize = [&](TObject*, int ARow) {
        EXPECT_EQ(ARow, 1);
        ++sized;
    };
    const int before = grid->RowHeights(1);
    OpenEditor(1, 1, "");
    SendText("many words that wrap over several lines of this narrow cell");
    EXPECT_GT(grid->RowHeights(1), before);
    EXPECT_GT(sized, 0);
    EXPECT_TRUE(grid->ColumnSize()->SynchWithGrid);
}

TEST_F(ExtGridTypingTest, CtrlEnterInAMultiLineCellMakesRoomForTheNewLine)
{
    grid->SetWordWrap(false);
    grid->Multilinecells = true;
    grid->SizeWhileTyping()->Height = true;
    int sized = 0;
    grid->OnEndRowSize = [&](TObject*, int) { ++sized; };
    TCustomEdit* editor = OpenEditor(1, 1, "");
    SendText("a");
    const int oneLine = grid->RowHeights(1);
    SendKey(VK_RETURN, {ssCtrl});
    SendText("b");
    EXPECT_EQ(editor->Text(), "a\r\nb");
    EXPECT_GT(grid->RowHeights(1), oneLine);
    EXPECT_EQ(sized, 1);
    EXPECT_TRUE(grid->EditorMode());
}

TEST_F(ExtGridTypingTest, RefusedEntryShowsTheInvalidEntryBalloonUntilTheUserTypes)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) { Valid = Value != "bad"; };
    OpenEditor(1, 1, "");
    SendText("bad");
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->InvalidEntryBalloon(), nullptr) << "no texts, no balloon";

    grid->InvalidEntryTitle = "Invalid";
    grid->InvalidEntryText = "Not allowed here";
    grid->InvalidEntryIcon = ieError;
    SendKey(VK_RETURN);
    TBalloonWindow* balloon = grid->InvalidEntryBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->Visible());
    EXPECT_EQ(balloon->Title(), "Invalid");
    EXPECT_EQ(balloon->Body(), "Not allowed here");
    EXPECT_EQ(balloon->Icon(), 3);
    SendKey(VK_BACK);
    EXPECT_FALSE(balloon->Visible());
    SendText("good");
    SendKey(VK_RETURN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "good");
}

// The cell shows a refused text while its editor is open again; that text is no new
// starting point: Enter checks it again and Escape brings back the text from before.
TEST_F(ExtGridTypingTest, RefusedTextIsCheckedAgainAndEscapeBringsBackTheOldText)
{
    int checks = 0;
    grid->OnCellValidate = [&](TObject*, int, int, std::string& Value, bool& Valid) {
        ++checks;
        Valid = Value != "bad";
    };
    TCustomEdit* editor = OpenEditor(1, 1, "old");
    editor->SetText("bad");
    SendKey(VK_RETURN);
    SendKey(VK_RETURN);
    EXPECT_EQ(checks, 2);
    EXPECT_TRUE(grid->EditorMode());
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_FALSE(grid->Modified());
}

TEST_F(ExtGridTypingTest, KeypadPointInTheEditorTypesTheLocaleSeparator)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = ',';
    grid->ExcelStyleDecimalSeparator = true;
    TCustomEdit* editor = OpenEditor(1, 1, "");
    SendText("1");
    SendKey(VK_DECIMAL);
    SendKey(VK_OEM_PERIOD);
    EXPECT_EQ(editor->Text(), "1,.");
    SendKey(VK_ESCAPE);
    FormatSettings() = saved;
}

TEST_F(ExtGridTypingTest, DoubleClickInTheEditorReportsTheCell)
{
    std::vector<TPoint> clicked;
    grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) { clicked.push_back({ACol, ARow}); };
    TCustomEdit* editor = OpenEditor(2, 3, "abc");
    SendDoubleClick(editor, 5, 5);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], (TPoint{2, 3}));
}

} // namespace
