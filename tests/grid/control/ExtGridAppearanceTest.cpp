#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SyncGrid.h"
#include "platform/rtl/SysUtils.h"

namespace {

using ExtGridAppearanceTest = GridOnForm;

TEST_F(ExtGridAppearanceTest, WritersKeepTheirValuesInRange)
{
    const struct {
        int written, stored;
    } factors[] = {{150, 100}, {-5, 0}, {30, 30}};
    for (const auto& f : factors) {
        grid->SetSelectionColorMixerFactor(f.written);
        EXPECT_EQ(grid->SelectionColorMixerFactor, f.stored) << f.written;
    }
    const struct {
        TVAlignment value;
        unsigned flag;
    } alignments[] = {{vtaBottom, 8}, {vtaCenter, 4}, {vtaTop, 0}};
    for (const auto& a : alignments) {
        grid->SetVAlignment(a.value);
        EXPECT_EQ(grid->VAlignmentFlag(), a.flag) << a.value;
    }
}

TEST_F(ExtGridAppearanceTest, ASpreadSheetSelectsRangesAndEditsWhateverTheValue)
{
    grid->SetSpreadSheet(false);
    EXPECT_TRUE(grid->SelectionRectangle);
    EXPECT_TRUE(grid->SelectionResizer);
    EXPECT_TRUE(grid->Navigation()->AllowSmartClipboard);
    EXPECT_TRUE(grid->Options().Contains(goEditing));
    EXPECT_TRUE(grid->Options().Contains(goRangeSelect));
    EXPECT_TRUE(grid->MouseActions()->RangeSelectAndEdit);
}

TEST_F(ExtGridAppearanceTest, SelectionChangesAreReportedAndMarked)
{
    std::vector<int> seen;
    grid->OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) { seen = {l, t, r, b}; };
    grid->SelectRange(1, 3, 2, 4);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(ExtGridAppearanceTest, ARemovedSynchronisedGridIsUnset)
{
    auto* other = new TStringGrid(&form);
    grid->SyncGrid()->SetGrid(other);
    delete other;
    EXPECT_EQ(grid->SyncGrid()->Grid(), nullptr);
}

TEST_F(ExtGridAppearanceTest, BalloonsShowTheCellTextShortenedAndOnlyWhenEnabled)
{
    const TRect cell = grid->CellRect(2, 3);
    const TPoint inside{cell.Left + 2, cell.Top + 2};
    grid->SetCells(2, 3, "\r\n\tfirst\tsecond");
    EXPECT_FALSE(grid->BalloonTextAt(inside));

    grid->Balloon()->SetEnable(true);
    auto balloon = grid->BalloonTextAt(inside);
    ASSERT_TRUE(balloon);
    EXPECT_EQ(balloon->Text, " first second");
    EXPECT_EQ(balloon->Title, " ");
    EXPECT_EQ(balloon->Icon, TExtStringGrid::biInfo);
    EXPECT_EQ(grid->LastBalloonPos(), (TPoint{2, 3}));

    std::string longText;
    for (int i = 0; i < 3000; ++i)
        longText += "\xC3\xA9"; // counted as characters, not bytes
    grid->SetCells(2, 3, longText);
    grid->OnCellBalloon = [](TObject*, int col, int row, std::string& title, std::string&, int&) {
        title = std::string(120, 'T') + std::to_string(col) + std::to_string(row);
    };
    balloon = grid->BalloonTextAt(inside);
    EXPECT_EQ(balloon->Text, Copy(longText, 1, 2045) + "...");
    EXPECT_EQ(balloon->Title, std::string(97, 'T') + "...");
}

// A balloon of its own gives a cell's tooltip its title, text and icon, and the application
// may still change them; a hidden column before it changes nothing.
TEST_F(ExtGridAppearanceTest, ACellsOwnBalloonGivesTitleTextAndIcon)
{
    grid->Balloon()->SetEnable(true);
    grid->SetCells(3, 3, "cell text");
    grid->AddBalloon(3, 3, "Title", "Body", biWarning);
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden);
        if (hidden) grid->HideColumn(1);
        const int shown = hidden ? 2 : 3;
        const TRect cell = grid->CellRect(shown, 3);
        std::vector<int> asked;
        grid->OnCellBalloon = [&](TObject*, int col, int row, std::string& title, std::string& text, int& icon) {
            asked = {col, row};
            EXPECT_EQ(title, "Title");
            EXPECT_EQ(text, "Body");
            EXPECT_EQ(icon, biWarning);
        };
        const auto balloon = grid->BalloonTextAt({cell.Left + 2, cell.Top + 2});
        ASSERT_TRUE(balloon);
        EXPECT_EQ(balloon->Title, "Title");
        EXPECT_EQ(balloon->Text, "Body");
        EXPECT_EQ(balloon->Icon, biWarning);
        EXPECT_EQ(asked, (std::vector<int>{3, 3}));
    }
    grid->OnCellBalloon = [](TObject*, int, int, std::string& title, std::string&, int& icon) {
        title = "Changed";
        icon = biError;
    };
    const TRect cell = grid->CellRect(2, 3);
    const auto balloon = grid->BalloonTextAt({cell.Left + 2, cell.Top + 2});
    EXPECT_EQ(balloon->Title, "Changed");
    EXPECT_EQ(balloon->Text, "Body");
    EXPECT_EQ(balloon->Icon, biError);
}

} // namespace
