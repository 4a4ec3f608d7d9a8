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

protected:
    void EditorWMKeyDown(TMessage& Message) override { Seen.push_back("message " + std::to_string(Message.WParam)); }
    void EditorKeyDown(Word& Key, TShiftState) override { Seen.push_back("key " + std::to_string(Key)); }
    void EditorKeyStateChanged(bool Formula) override { Seen.push_back(Formula ? "formula" : "text"); }
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
