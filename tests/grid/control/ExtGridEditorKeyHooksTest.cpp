#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingGridOnForm.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// A descendant that watches the text editor's keys through the grid's hooks.
class TKeyWatchingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    std::vector<std::string> Seen;
    struct TSelChange {
        std::string Text;
        TPoint CharPos;
        int Caret;
    };
    std::vector<TSelChange> SelChanges;

protected:
    void EditorWMKeyDown(TMessage& Message) override
    {
        Seen.push_back("message " + std::to_string(Message.WParam));
    }
    void EditorKeyDown(Word& Key, TShiftState) override { Seen.push_back("key " + std::to_string(Key)); }
    void EditorKeyStateChanged(bool Formula) override { Seen.push_back(Formula ? "formula" : "text"); }
    void DoSelChange(const std::string& Text, TPoint CharPos, int Caret) override
    {
        SelChanges.push_back({Text, CharPos, Caret});
    }
};

using ExtGridEditorKeyHooksTest = EditingGridOnFormOf<TKeyWatchingGrid>;

TEST_F(ExtGridEditorKeyHooksTest, TextEditorReportsItsKeysAndWhetherItHoldsAFormula)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(0, 280, 50, 20);
    grid->SetFocus();
    SendKey(VK_F2);
    grid->Seen.clear();
    SendText("=");
    ASSERT_EQ(grid->Seen.size(), 3u);
    EXPECT_EQ(grid->Seen[0].rfind("message ", 0), 0u);
    EXPECT_EQ(grid->Seen[1].rfind("key ", 0), 0u);
    EXPECT_EQ(grid->Seen[2], "formula");
    SendKey(VK_BACK);
    SendText("a");
    EXPECT_EQ(grid->Seen.back(), "text");
    grid->Seen.clear();
    other->SetFocus();
    EXPECT_EQ(grid->Seen, std::vector<std::string>{"text"});
}

TEST_F(ExtGridEditorKeyHooksTest, EachKeyReportsTheCharacterBeforeTheCaretAndLeavingReportsNone)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    grid->SetFocus();
    SendKey(VK_F2);
    SendText("ab");
    ASSERT_EQ(grid->SelChanges.size(), 2u);
    EXPECT_EQ(grid->SelChanges[0].Text, "a");
    EXPECT_EQ(grid->SelChanges[1].Text, "ab");
    EXPECT_EQ(grid->SelChanges[1].Caret, 2);
    EXPECT_GT(grid->SelChanges[1].CharPos.X, grid->SelChanges[0].CharPos.X) << "b stands right of a";
    EXPECT_EQ(grid->SelChanges[1].CharPos.Y, grid->SelChanges[0].CharPos.Y);
    SendKey(VK_HOME);
    EXPECT_EQ(grid->SelChanges.size(), 2u) << "nothing before a caret at the start";
    other->SetFocus();
    ASSERT_EQ(grid->SelChanges.size(), 3u);
    EXPECT_EQ(grid->SelChanges[2].CharPos, (TPoint{-1, -1}));
    EXPECT_EQ(grid->SelChanges[2].Caret, -1);
}

// Row insertion and deletion by key work while a cell is edited.
TEST_F(ExtGridEditorKeyHooksTest, InsertAndCtrlDeleteInTheEditorInsertAndDeleteRows)
{
    grid->Navigation()->AllowInsertRow = true;
    grid->Navigation()->AllowDeleteRow = true;
    const int rows = grid->RowCount();
    SendKey(VK_F2);
    SendKey(VK_INSERT);
    EXPECT_EQ(grid->RowCount(), rows + 1);
    grid->SetFocus();
    SendKey(VK_F2);
    SendKey(VK_DELETE, {ssCtrl});
    EXPECT_EQ(grid->RowCount(), rows);
    grid->SetFocus();
    grid->MoveCurrentCell(1, 1);
    grid->SetCells(1, 1, "abc");
    SendKey(VK_F2);
    SendKey(VK_HOME);
    SendKey(VK_DELETE);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "bc");
    EXPECT_EQ(grid->RowCount(), rows);
}

// The rows move under an open editor: its value goes into its own cell before they do.
TEST_F(ExtGridEditorKeyHooksTest, RowKeysInTheEditorStoreTheValueInItsOwnRowFirst)
{
    grid->Navigation()->AllowInsertRow = true;
    grid->Navigation()->AllowDeleteRow = true;
    for (int r = 1; r < 4; ++r)
        grid->SetCells(1, r, "r" + std::to_string(r));
    grid->MoveCurrentCell(1, 2);
    SendKey(VK_F2);
    SendText("x");
    SendKey(VK_INSERT);
    EXPECT_FALSE(grid->EditorMode());
    const std::vector<std::string> inserted{grid->Cells(1, 1), grid->Cells(1, 2), grid->Cells(1, 3),
                                            grid->Cells(1, 4)};
    EXPECT_EQ(inserted, (std::vector<std::string>{"r1", "", "r2x", "r3"}));
    grid->MoveCurrentCell(1, 3);
    SendKey(VK_F2);
    SendText("y");
    SendKey(VK_DELETE, {ssCtrl});
    EXPECT_FALSE(grid->EditorMode());
    const std::vector<std::string> deleted{grid->Cells(1, 1), grid->Cells(1, 2), grid->Cells(1, 3)};
    EXPECT_EQ(deleted, (std::vector<std::string>{"r1", "", "r3"}));
}

// F2 in an open editor leaves its text and ends any selection.
TEST_F(ExtGridEditorKeyHooksTest, F2InTheEditorDeselectsTheText)
{
    grid->SetCells(1, 1, "abc");
    SendKey(VK_F2);
    TCustomEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor->Visible());
    editor->SelectAll();
    SendKey(VK_F2);
    EXPECT_EQ(editor->SelLength(), 0);
    EXPECT_EQ(editor->SelStart(), 3);
    EXPECT_EQ(editor->Text(), "abc");
    EXPECT_TRUE(grid->EditorMode());
}

} // namespace
