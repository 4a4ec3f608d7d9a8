#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/Classes.h"
#include "platform/ui/Input.h"

namespace {

// Four columns, six rows holding "c,r"; the grid has the focus on (1, 2).
class ExtGridKeyRowsAndControlsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(6);
        FillCoordinates();
        grid->SetFocus();
        grid->MoveCurrentCell(1, 2);
    }
    std::vector<std::string> Column1() const
    {
        std::vector<std::string> texts;
        for (int r = 1; r < grid->RowCount(); ++r)
            texts.push_back(grid->Cells(1, r));
        return texts;
    }
};

TEST_F(ExtGridKeyRowsAndControlsTest, InsertAddsARowBeforeOrAfterTheCurrentOne)
{
    const struct {
        TInsertPosition position;
        int insertedAt;
        int rowAfter;
    } cases[] = {{pInsertBefore, 2, 2}, {pInsertAfter, 3, 3}};
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        std::vector<int> announced;
        grid->OnAutoInsertRow = [&](TObject*, int ARow) { announced.push_back(ARow); };
        grid->Navigation()->AllowInsertRow = true;
        grid->Navigation()->InsertPosition = c.position;
        SendKey(VK_INSERT);
        EXPECT_EQ(grid->RowCount(), 7) << c.position;
        EXPECT_EQ(grid->Cells(1, c.insertedAt), "") << c.position;
        EXPECT_EQ(announced, std::vector<int>{c.insertedAt}) << c.position;
        EXPECT_EQ(grid->Row(), c.rowAfter) << c.position;
        EXPECT_TRUE(grid->Modified());
    }
}

TEST_F(ExtGridKeyRowsAndControlsTest, RowKeysNeedTheirSettingAndMayBeRefused)
{
    SendKey(VK_INSERT);
    SendKey(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 6);

    grid->Navigation()->AllowInsertRow = true;
    grid->Navigation()->AllowDeleteRow = true;
    grid->OnCanInsertRow = [](TObject*, int, bool& CanInsert) { CanInsert = false; };
    grid->OnCanDeleteRow = [](TObject*, int, bool& CanDelete) { CanDelete = false; };
    SendKey(VK_INSERT);
    SendKey(VK_DELETE);
    EXPECT_EQ(Column1(), (std::vector<std::string>{"1,1", "1,2", "1,3", "1,4", "1,5"}));
    EXPECT_FALSE(grid->Modified());

    std::vector<int> asked;
    grid->OnCanDeleteRow = [&](TObject*, int ARow, bool&) { asked.push_back(ARow); };
    SendKey(VK_DELETE);
    EXPECT_EQ(Column1(), (std::vector<std::string>{"1,1", "1,3", "1,4", "1,5"}));
    EXPECT_EQ(asked, std::vector<int>{2});
    EXPECT_TRUE(grid->Modified());
}

TEST_F(ExtGridKeyRowsAndControlsTest, SpaceStepsARadioGroupAndEnterPushesAButton)
{
    grid->SetOptions(grid->Options() + goEditing);
    TStringList* captions = grid->CreateRadio(1, 2, 0, 0);
    captions->Add("A");
    captions->Add("B");
    captions->Add("C");
    grid->AddButton(2, 2, 30, 14, "go", haLeft, vaTop);
    std::vector<int> radioClicks;
    int buttonClicks = 0;
    grid->OnRadioClick = [&](TObject*, int, int, int AIdx) { radioClicks.push_back(AIdx); };
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) {
        if (ACol == 2 && ARow == 2) ++buttonClicks;
    };

    SendKey(VK_SPACE);
    SendKey(VK_SPACE);
    EXPECT_EQ(grid->Cells(1, 2), "C");
    EXPECT_EQ(radioClicks, (std::vector<int>{1, 2}));
    EXPECT_FALSE(grid->IsEditMode());

    grid->MoveCurrentCell(2, 2);
    SendKey(VK_RETURN);
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_FALSE(grid->IsEditMode());
}

} // namespace
