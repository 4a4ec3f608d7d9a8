#include <gtest/gtest.h>

#include <vector>

#include "GridOnForm.h"
#include "grid/control/SearchPanel.h"
#include "grid/foundation/model/SearchFooter.h"
#include "platform/ui/Input.h"

namespace {

// Forty rows, five columns, the search footer shown and the last row current.
class ExtGridSearchFooterKeysTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 400, 250);
        grid->SetColCount(5);
        grid->SetRowCount(40);
        grid->SearchFooter()->SetVisible(true);
        grid->SetFocus();
        grid->MoveCurrentCell(1, 39);
        grid->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { keys.push_back(Key); };
    }
    std::vector<Word> keys;
};

TEST_F(ExtGridSearchFooterKeysTest, KeysStopAtTheEndsOfTheLastRow)
{
    const struct {
        Word key;
        int col;
    } cases[] = {{VK_DOWN, 2}, {VK_RIGHT, 4}, {VK_LEFT, 1}};
    for (const auto& c : cases) {
        grid->MoveCurrentCell(c.col, 39);
        keys.clear();
        SendKey(c.key);
        EXPECT_EQ(grid->Col(), c.col) << c.key;
        EXPECT_EQ(grid->Row(), 39) << c.key;
        EXPECT_EQ(keys, std::vector<Word>{c.key});
    }
}

TEST_F(ExtGridSearchFooterKeysTest, CtrlFPutsTheFocusIntoTheSearchEdit)
{
    SendKey('F', TShiftState{ssCtrl});
    EXPECT_TRUE(grid->SearchPanel()->EditControl()->Focused());
    EXPECT_EQ(keys, std::vector<Word>{'F'}) << "the key goes on to the grid's handlers";
}

} // namespace
