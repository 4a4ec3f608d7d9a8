#include <gtest/gtest.h>

#include "../PlainLookGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {

void Drag(TControl* control, TPoint from, TPoint to)
{
    control->Perform(WM_MOUSEMOVE, 0, PointToLParam(from));
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(from));
    control->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(to));
    control->Perform(WM_LBUTTONUP, 0, PointToLParam(to));
}

// A small window with a base grid that scrolls, selects, sizes a column and edits a cell
// with the platform's editor.
TEST(BaseGridDemoTest, ScrollsSelectsSizesAndEdits)
{
    TForm form(nullptr);
    form.SetCaption("Base grid");
    form.SetClientSize(420, 220);
    auto* grid = new TPlainLookGrid(&form);
    grid->SetParent(&form);
    grid->SetAlign(alClient);
    grid->SetColCount(8);
    grid->SetRowCount(40);
    grid->SetDefaultColWidth(60);
    grid->SetDefaultRowHeight(20);
    grid->SetOptions(grid->Options() + goColSizing + goEditing);
    grid->SetSelectionStyle(ssWin7);
    grid->SetActiveRowShow(true);
    for (int c = 1; c < 8; ++c)
        grid->SetCells(c, 0, "Col " + IntToStr(c));
    for (int r = 1; r < 40; ++r) {
        grid->SetCells(0, r, IntToStr(r));
        for (int c = 1; c < 8; ++c)
            grid->SetCells(c, r, IntToStr(r * 10 + c));
    }
    grid->MergeCells(3, 6, 2, 2);
    grid->SetCells(3, 6, "merged");
    form.Show();
    grid->SetFocus();

    grid->SetTopRow(5);
    EXPECT_EQ(grid->TopRow(), 5);

    grid->SetCol(1);
    grid->SetRow(7);
    grid->SetSelection({1, 7, 2, 7});
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 7, 2, 7}));

    Drag(grid, {120, 10}, {150, 10}); // the line between columns 1 and 2
    EXPECT_EQ(grid->ColWidths(1), 90);

    grid->SetCol(2);
    grid->SetRow(9);
    PressKey(VK_F2);
    ASSERT_TRUE(grid->EditorMode());
    TypeText("5"); // F2 leaves the caret after the text
    PressKey(VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(grid->Cells(2, 9), "925");
    grid->SetCol(3);
    grid->SetRow(11);
    grid->SetSelection({3, 11, 5, 11});
}

} // namespace
