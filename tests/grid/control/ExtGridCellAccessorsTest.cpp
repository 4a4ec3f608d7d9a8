#include <gtest/gtest.h>

#include <memory>

#include "GridOnForm.h"
#include "grid/control/HTMLHintWindow.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Hints.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/StdCtrls.h"

namespace {

using ExtGridCellAccessorsTest = GridOnForm;

TEST_F(ExtGridCellAccessorsTest, HiddenColumnsKeepTheWidthWrittenForThem)
{
    grid->SetColWidths(2, 50);
    grid->HideColumn(2);
    EXPECT_EQ(grid->AllColWidths(2), 50);
    grid->SetAllColWidths(2, 70);
    grid->SetAllColWidths(3, 33);
    EXPECT_EQ(grid->ColWidths(2), 33);
    grid->UnHideColumn(2);
    EXPECT_EQ(grid->ColWidths(2), 70);
    EXPECT_EQ(grid->AllColWidths(3), 33);
}

TEST_F(ExtGridCellAccessorsTest, ReadersCreateNoPropertiesAndWritersDo)
{
    EXPECT_EQ(grid->Colors(1, 1), clNone);
    EXPECT_FALSE(grid->ReadOnly(1, 1));
    EXPECT_EQ(grid->FontColors(1, 1), clNone);
    EXPECT_FALSE(grid->HasCellProperties(1, 1));
    grid->SetReadOnly(1, 1, true);
    EXPECT_TRUE(grid->HasCellProperties(1, 1));
    EXPECT_TRUE(grid->ReadOnly(1, 1));
    EXPECT_EQ(grid->Colors(1, 1), clNone);
}

TEST_F(ExtGridCellAccessorsTest, WideCellsReadTheDecodedText)
{
    grid->SetWideCells(1, 1, "Grüße");
    EXPECT_EQ(grid->WideCells(1, 1), "Grüße");
    grid->SetCells(1, 2, std::string("|\\") + '\0' + 'A' + '\x01' + '\x00');
    EXPECT_EQ(grid->WideCells(1, 2), "A\xC4\x80");
}

TEST_F(ExtGridCellAccessorsTest, SelectedCellsOfARectangleAreCountedColumnByColumn)
{
    grid->SetSelection({1, 2, 3, 3});
    EXPECT_EQ(grid->SelectedCellsCount(), 6);
    EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{1, 2}));
    EXPECT_EQ(grid->SelectedCell(1), (TGridCoord{1, 3}));
    EXPECT_EQ(grid->SelectedCell(5), (TGridCoord{3, 3}));
    EXPECT_TRUE(grid->SelectedCells(2, 3));
    EXPECT_FALSE(grid->SelectedCells(4, 3));
}

TEST_F(ExtGridCellAccessorsTest, DisjunctSelectedCellsAreKeptOnceEach)
{
    grid->MouseActions()->SetDisjunctCellSelect(true);
    grid->SetSelectedCells(2, 1, true);
    grid->SetSelectedCells(2, 1, true);
    grid->SetSelectedCells(1, 3, true);
    EXPECT_EQ(grid->SelectedCellsCount(), 2);
    EXPECT_TRUE(grid->SelectedCells(2, 1));
    EXPECT_FALSE(grid->SelectedCells(1, 1));
    grid->SetSelectedCells(2, 1, false);
    EXPECT_EQ(grid->SelectedCellsCount(), 1);
    EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{1, 3}));
    grid->ClearSelectedCells();
    EXPECT_EQ(grid->SelectedCellsCount(), 0);
}

TEST_F(ExtGridCellAccessorsTest, SelectedRowsAndColumnsOfARectangleWidenOverMergedCorners)
{
    grid->SetRowCount(12);
    grid->SetSelection({1, 2, 3, 4});
    EXPECT_EQ(grid->SelectedRowCount(), 3);
    EXPECT_EQ(grid->SelectedColCount(), 3);
    EXPECT_EQ(grid->SelectedRow(0), 2);
    EXPECT_EQ(grid->SelectedRow(2), 4);
    EXPECT_EQ(grid->SelectedRow(3), -1);
    EXPECT_EQ(grid->SelectedRow(-1), -1);

    grid->SetFixedFooters(1);
    grid->SetSelection({1, 9, 1, 11});
    EXPECT_EQ(grid->SelectedRowCount(), 2) << "the footer row is left out";
    grid->SetFixedFooters(0);

    grid->MergeCells(1, 6, 1, 3);
    grid->SetSelection({1, 4, 1, 6});
    EXPECT_EQ(grid->SelectedRowCount(), 5) << "a merge at the bottom corner adds its rows";
    grid->SetSelection({1, 6, 1, 7});
    EXPECT_EQ(grid->SelectedRowCount(), 3) << "a merge at the top corner counts its height";
    grid->MergeCells(3, 1, 2, 1);
    grid->SetSelection({2, 1, 3, 1});
    EXPECT_EQ(grid->SelectedColCount(), 3);
}

TEST_F(ExtGridCellAccessorsTest, DisjunctSelectedRowsAreTheRowsPickedOneByOne)
{
    grid->SetRowCount(12);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(7, true);
    grid->SetRowSelect(3, true);
    EXPECT_EQ(grid->SelectedRowCount(), 2);
    EXPECT_EQ(grid->SelectedRow(0), 7);
    EXPECT_EQ(grid->SelectedRow(1), 3);
    EXPECT_EQ(grid->SelectedRow(2), -1);
}

// A colour given to a row goes to every cell from the fixed columns on; taking it away
// again leaves the cells' other settings, a read-only flag here, as they were.
TEST_F(ExtGridCellAccessorsTest, RowColoursComeAndGoWithoutTakingOtherSettings)
{
    const struct {
        const char* what;
        void (TExtStringGrid::*write)(int, TColor);
        TColor (TExtStringGrid::*read)(int, int) const;
    } cases[] = {
        {"RowColor", &TExtStringGrid::SetRowColor, &TExtStringGrid::Colors},
        {"RowColorTo", &TExtStringGrid::SetRowColorTo, &TExtStringGrid::ColorsTo},
        {"RowFontColor", &TExtStringGrid::SetRowFontColor, &TExtStringGrid::FontColors},
    };
    grid->HideColumn(3);
    for (const auto& c : cases) {
        grid->SetReadOnly(2, 1, true);
        (grid->*c.write)(1, clRed);
        for (int col : {1, 2, 3, 4})
            EXPECT_EQ((grid->*c.read)(col, 1), clRed) << c.what << " column " << col;
        EXPECT_EQ((grid->*c.read)(0, 1), clNone) << c.what;
        EXPECT_EQ((grid->*c.read)(1, 2), clNone) << c.what;
        (grid->*c.write)(1, clNone);
        for (int col : {1, 2, 3, 4})
            EXPECT_EQ((grid->*c.read)(col, 1), clNone) << c.what << " column " << col;
        EXPECT_TRUE(grid->ReadOnly(2, 1)) << c.what;
    }
}

TEST_F(ExtGridCellAccessorsTest, CellPropertyReadersGiveTheDefaultsOfACellWithout)
{
    EXPECT_EQ(grid->Alignments(1, 1), taLeftJustify);
    EXPECT_EQ(grid->FontSizes(1, 1), 0);
    EXPECT_EQ(grid->FontNames(1, 1), "");
    EXPECT_TRUE(grid->FontStyles(1, 1).Empty());
    EXPECT_FALSE(grid->HasCellProperties(1, 1));
    grid->SetAlignments(1, 1, taRightJustify);
    grid->SetFontSizes(1, 1, 12);
    grid->SetFontNames(1, 1, "Tahoma");
    grid->SetFontStyles(1, 1, TFontStyles{fsBold});
    EXPECT_EQ(grid->Alignments(1, 1), taRightJustify);
    EXPECT_EQ(grid->FontSizes(1, 1), 12);
    EXPECT_EQ(grid->FontNames(1, 1), "Tahoma");
    EXPECT_TRUE(grid->FontStyles(1, 1).Contains(fsBold));
    EXPECT_TRUE(grid->WordWraps(2, 2));
    EXPECT_TRUE(grid->HasCellProperties(2, 2));
}

TEST_F(ExtGridCellAccessorsTest, HeadersAreFoundExactlyHiddenColumnsIncluded)
{
    grid->SetCells(1, 0, "Name");
    grid->SetCells(3, 0, "Value");
    grid->HideColumn(3);
    EXPECT_EQ(grid->ColumnByHeader("Value"), 3);
    EXPECT_EQ(grid->ColumnByHeader("Name"), 1);
    EXPECT_EQ(grid->ColumnByHeader("name"), -1);
    EXPECT_EQ(grid->ColumnByHeader("Nam"), -1);
}

TEST_F(ExtGridCellAccessorsTest, CurrentCellIsTheBaseCellOfItsMerge)
{
    grid->SetCells(1, 1, "base");
    grid->MergeCells(1, 1, 2, 2);
    grid->FocusCell(2, 2);
    EXPECT_EQ(grid->CurrentCell(), "base");
    grid->SetCurrentCell("new");
    EXPECT_EQ(grid->GridCells(1, 1), "new");
    EXPECT_EQ(grid->GridCells(2, 2), "");
}

// A plain cell loads as its text; what the rich edit gives back is an RTF document that
// loads as the same text again.
TEST_F(ExtGridCellAccessorsTest, RichTextCellsTravelAsRtf)
{
    const std::string text = "first\r\nsecond \u00FC {x}";
    grid->SetCells(1, 2, text);
    EXPECT_EQ(grid->LinesInCell(1, 2), 2);
    TRichEdit edit(&form);
    edit.SetParent(&form);
    grid->CellToRich(1, 2, &edit);
    EXPECT_EQ(edit.Text(), text);
    grid->RichToCell(2, 2, &edit);
    EXPECT_EQ(grid->Cells(2, 2).rfind("{\\rtf1", 0), 0u);
    grid->SetCells(1, 2, "");
    grid->CellToRich(1, 2, &edit);
    EXPECT_EQ(edit.Text(), "");
    grid->CellToRich(2, 2, &edit);
    EXPECT_EQ(edit.Text(), text);
}

// A hidden row's cell list grows to the column written; a negative column writes nothing.
TEST_F(ExtGridCellAccessorsTest, AllCellsOfHiddenRowsGrowAndRefuseNegativeColumns)
{
    grid->SetCells(1, 2, "b");
    grid->HideRow(2);
    grid->SetAllCells(8, 2, "far");
    grid->SetAllCells(-1, 2, "nowhere");
    EXPECT_EQ(grid->AllCells(8, 2), "far");
    EXPECT_EQ(grid->AllCells(-1, 2), "");
    EXPECT_EQ(grid->AllCells(-1, 3), "");
    EXPECT_EQ(grid->AllCells(1, 2), "b");
}

// A hidden row keeps a cell's object in the cell's properties, so the row comes back with
// the object where Objects reads it and with the cell's other settings.
TEST_F(ExtGridCellAccessorsTest, AllObjectsOfHiddenRowsComeBackWithTheirRows)
{
    TObject coloured, plain, shown;
    grid->SetColors(1, 2, clRed);
    grid->HideRow(2);
    grid->SetAllObjects(1, 2, &coloured);
    grid->SetAllObjects(2, 2, &plain);
    // Outside the grid's columns there is no cell to hold an object.
    grid->SetAllObjects(grid->TotalColCount(), 2, &plain);
    grid->SetAllObjects(-1, 2, &plain);
    grid->SetAllObjects(1, 3, &shown);
    EXPECT_EQ(grid->AllObjects(1, 2), &coloured);
    EXPECT_EQ(grid->AllObjects(2, 2), &plain);
    EXPECT_EQ(grid->AllObjects(3, 2), nullptr);
    EXPECT_EQ(grid->AllObjects(grid->TotalColCount(), 2), nullptr);
    EXPECT_EQ(grid->AllObjects(-1, 2), nullptr);
    EXPECT_EQ(grid->Objects(1, 2), &shown);
    EXPECT_EQ(grid->AllObjects(1, 3), &shown);
    grid->UnHideRow(2);
    EXPECT_EQ(grid->Objects(1, 2), &coloured);
    EXPECT_EQ(grid->Colors(1, 2), clRed);
    EXPECT_EQ(grid->Objects(2, 2), &plain);
    EXPECT_EQ(grid->Objects(1, 3), &shown);
}

TEST_F(ExtGridCellAccessorsTest, FontsAreTheGridsFontUntilACellHasItsOwn)
{
    EXPECT_EQ(grid->Fonts(1, 1), grid->Font());
    TFont font;
    font.SetName("Courier New");
    font.SetSize(14);
    font.SetStyle({fsBold});
    font.SetColor(clBlue);
    grid->SetFonts(1, 1, font);
    const TFont* cell = grid->Fonts(1, 1);
    EXPECT_NE(cell, grid->Font());
    EXPECT_EQ(cell->Name(), "Courier New");
    EXPECT_EQ(cell->Size(), 14);
    EXPECT_EQ(cell->Style(), TFontStyles{fsBold});
    EXPECT_EQ(cell->Color(), clBlue);
    EXPECT_EQ(grid->FontSizes(1, 1), 14);
    EXPECT_EQ(grid->Fonts(2, 1), grid->Font());
}

TEST_F(ExtGridCellAccessorsTest, UseHTMLHintsSetsTheHintWindowOfTheWholeApplication)
{
    grid->SetUseHTMLHints(true);
    ASSERT_TRUE(Application->HintWindowClass());
    const std::unique_ptr<THintWindow> window(Application->HintWindowClass()(nullptr));
    EXPECT_NE(dynamic_cast<THTMLHintWindow*>(window.get()), nullptr);
    grid->SetUseHTMLHints(false);
    EXPECT_FALSE(Application->HintWindowClass());
}

// Rows sorted since InitSortXRef are still found by the place they had before.
TEST_F(ExtGridCellAccessorsTest, UnSortedCellsFindRowsByTheirPlaceBeforeSorting)
{
    grid->SetRowCount(5);
    const char* values[] = {"c", "a", "d", "b"};
    for (int r = 1; r <= 4; ++r)
        grid->SetCells(1, r, values[r - 1]);
    EXPECT_EQ(grid->UnSortedRowIndex(3), 3);
    grid->InitSortXRef();
    grid->SortSettings()->Direction = sdAscending;
    grid->SortByColumn(1);
    ASSERT_EQ(grid->Cells(1, 1), "a");
    EXPECT_EQ(grid->UnSortedCells(1, 1), "c");
    EXPECT_EQ(grid->UnSortedCells(1, 3), "d");
    EXPECT_EQ(grid->UnSortedRowIndex(1), 3);
    EXPECT_EQ(grid->SortedRowIndex(1), 2);
    grid->SetUnSortedCells(1, 4, "B");
    EXPECT_EQ(grid->Cells(1, 2), "B");
    // Rows beyond the recorded ones are read where they are; nothing is written outside
    // the grid.
    EXPECT_EQ(grid->UnSortedCells(1, 9), grid->Cells(1, 9));
    EXPECT_EQ(grid->UnSortedRowIndex(7), grid->RowCount());
    grid->SetUnSortedCells(1, 7, "nowhere");
    EXPECT_EQ(grid->UnSortedCells(1, 7), "");
}

} // namespace

namespace {

using ExtGridStoredCellsTest = GridOnForm;

// The stored forms skip the display hook, and a hidden row's cell list does not grow by them.
TEST_F(ExtGridStoredCellsTest, AllGridCellsReadAndWriteTheStoredTexts)
{
    grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value += "!"; };
    grid->SetCells(1, 1, "shown");
    grid->SetCells(1, 2, "hidden");
    grid->HideRow(2);
    EXPECT_EQ(grid->AllGridCells(1, 1), "shown");
    EXPECT_EQ(grid->AllCells(1, 1), "shown!");
    EXPECT_EQ(grid->AllGridCells(1, 2), "hidden");
    EXPECT_EQ(grid->AllCells(1, 2), "hidden!");
    EXPECT_EQ(grid->AllGridCells(-1, 2), "");
    grid->SetAllGridCells(1, 2, "kept");
    EXPECT_EQ(grid->AllGridCells(1, 2), "kept");
    EXPECT_THROW(grid->SetAllGridCells(40, 2, "far"), EListError);
    EXPECT_EQ(grid->AllGridCells(40, 2), "");
    grid->SetAllGridCells(2, 3, "\u00E4 shown");
    EXPECT_EQ(grid->GridCells(2, 2), "\u00E4 shown");
    EXPECT_EQ(grid->AllWideCells(2, 3), "\u00E4 shown!");
}

TEST_F(ExtGridStoredCellsTest, OriginalCellsFollowTheRecordedColumns)
{
    for (int c = 0; c < 5; ++c)
        grid->SetCells(c, 1, std::string(1, char('A' + c)));
    EXPECT_EQ(grid->OriginalCells(2, 1), "C");
    grid->SetColumnOrder();
    grid->MoveColumn(2, 4);
    EXPECT_EQ(grid->Cells(4, 1), "C");
    EXPECT_EQ(grid->OriginalCells(2, 1), "C");
    grid->SetOriginalCells(2, 1, "c");
    EXPECT_EQ(grid->Cells(4, 1), "c");
}

TEST_F(ExtGridStoredCellsTest, GradientsAndTheCurrentEditor)
{
    EXPECT_EQ(grid->Gradients(1, 1), GradientVertical);
    EXPECT_FALSE(grid->HasCellProperties(1, 1));
    grid->SetGradients(1, 1, GradientHorizontal);
    EXPECT_EQ(grid->Gradients(1, 1), GradientHorizontal);
    EXPECT_EQ(grid->CurrentEditor(), edNormal);
}

// The extended form reads the shown text and stores a value as the editor would.
TEST_F(ExtGridStoredCellsTest, CurrentCellExGoesThroughTheBaseCellOfItsMerge)
{
    grid->SetOptions(grid->Options() + goEditing);
    grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value = "<" + Value + ">"; };
    grid->SetCells(1, 1, "base");
    grid->MergeCells(1, 1, 2, 2);
    grid->FocusCell(2, 2);
    EXPECT_EQ(grid->GetCurrentCellEx(), "<base>");
    grid->SetCurrentCellEx("new");
    EXPECT_EQ(grid->GridCells(1, 1), "new");
    EXPECT_EQ(grid->GridCells(2, 2), "");
    grid->FocusCell(3, 3);
    grid->SetCurrentCellEx("plain");
    EXPECT_EQ(grid->GridCells(3, 3), "plain");
}

} // namespace
