#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../control/GridShapes.h"
#include "../control/RowSpaceChecks.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Input.h"

namespace {

using TTexts = std::vector<std::vector<std::string>>;

// The binary cell stream carries the cells the grid shows, each read from its real column,
// and with SaveHiddenCells the hidden columns too; read back, the cells land on shown cells.
class ShapedCellStreamTest : public ShapedGridTest {
protected:
    // The texts of the display rows, over the columns 0..Cols-1 of Column(c).
    static TTexts Texts(const TExtStringGrid& Grid, int Cols, const std::function<int(int)>& Column)
    {
        TTexts texts(static_cast<size_t>(Grid.RowCount()));
        for (int r = 0; r < Grid.RowCount(); ++r)
            for (int c = 0; c < Cols; ++c)
                texts[static_cast<size_t>(r)].push_back(Grid.Cells(Column(c), r));
        return texts;
    }
};

TEST_P(ShapedCellStreamTest, SavedCellsLoadBackAsTheGridShowsThem)
{
    const struct {
        const char* save;
        bool hiddenCells;
    } cases[] = {{"shown cells", false}, {"with SaveHiddenCells", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.save);
        grid->SetParent(nullptr);
        SetUp();
        grid->SaveHiddenCells = c.hiddenCells;
        TMemoryStream stream;
        grid->SaveToBinStream(stream);
        ExpectRowsConsistent(*grid, "saved");
        EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected());

        TExtStringGrid* loaded = SecondGrid();
        stream.SetPosition(0);
        loaded->LoadFromBinStream(stream);
        ExpectRowsConsistent(*loaded, "loaded");
        const TTexts expected =
            c.hiddenCells ? Texts(*grid, grid->TotalColCount(), [](int Col) { return Col; })
                          : Texts(*grid, grid->ColCount(), [&](int Col) { return grid->RealColIndex(Col); });
        EXPECT_EQ(loaded->ColCount(), static_cast<int>(expected.front().size()));
        EXPECT_EQ(loaded->NumHiddenColumns(), 0);
        EXPECT_EQ(Texts(*loaded, loaded->ColCount(), [](int Col) { return Col; }), expected);
        loaded->SetParent(nullptr);
    }
}

// Ctrl+C puts the grid's own block of the selected cells on the clipboard; Ctrl+V reads it
// back into shown cells, of another grid or of this one, and hidden cells stay as they were.
TEST_P(ShapedCellStreamTest, CellsCopiedWithTheKeysPasteOntoShownCells)
{
    grid->Navigation()->AllowFmtClipboard = true;
    grid->Navigation()->AllowClipboardShortCuts = true;
    grid->SetFocus();
    StandOn(*grid, "2,5");
    SendKey(VK_RIGHT, TShiftState{ssShift});
    SendKey(VK_DOWN, TShiftState{ssShift});
    const TGridRect sel = grid->Selection();
    TTexts copied;
    for (int r = sel.Top; r <= sel.Bottom; ++r) {
        copied.emplace_back();
        for (int d = sel.Left; d <= sel.Right; ++d)
            copied.back().push_back(grid->Cells(grid->RealColIndex(d), r));
    }
    ASSERT_EQ(copied.front().front(), "2,5");
    SendKey('C', TShiftState{ssCtrl});

    TExtStringGrid* other = SecondGrid();
    other->SetColCount(2);
    other->SetRowCount(2);
    other->SetFixedCols(0);
    other->SetFixedRows(0);
    other->Navigation()->AllowFmtClipboard = true;
    other->Navigation()->AllowClipboardShortCuts = true;
    other->SetOptions(other->Options() + goEditing);
    other->SetFocus();
    other->FocusCell(0, 0);
    SendKey('V', TShiftState{ssCtrl}, other);
    EXPECT_EQ(CellsOf(*other), copied);

    grid->SetOptions(grid->Options() + goEditing);
    grid->SetFocus();
    StandOn(*grid, "2,7");
    const int top = grid->Row();
    SendKey('V', TShiftState{ssCtrl});
    ExpectRowsConsistent(*grid, "pasted");
    for (size_t i = 0; i < copied.size(); ++i)
        for (size_t j = 0; j < copied[i].size(); ++j)
            EXPECT_EQ(
                grid->Cells(grid->RealColIndex(sel.Left + static_cast<int>(j)), top + static_cast<int>(i)),
                copied[i][j]);
    if (!grid->IsHiddenColumn(1)) return;
    for (int r = 0; r < grid->TotalRowCount(); ++r) {
        EXPECT_EQ(grid->AllGridCells(1, r), ShapedCellText(1, r)) << "hidden cells stay";
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedCellStreamTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
