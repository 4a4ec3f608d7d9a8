#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "ColumnGridOnForm.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/model/CellProperties.h"

namespace {

using ExtColumnGridCellsTest = ColumnGridOnForm;

TEST_F(ExtColumnGridCellsTest, ReadOnlyAndFixedColumnsRefuseEditingWhateverTheCellSays)
{
    grid->SetOptions(grid->Options() + goEditing);
    const struct {
        const char* name;
        bool readOnly;
        bool fixed;
        bool cellReadOnly;
        bool expected;
    } cases[] = {
        {"plain column", false, false, false, true},
        {"read-only column, editable cell", true, false, false, false},
        {"fixed column, editable cell", false, true, false, false},
        {"plain column, read-only cell", false, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TGridColumnItem* item = grid->Columns()->Items(2);
        item->ReadOnly = c.readOnly;
        item->SetFixed(c.fixed);
        grid->GetCellProperties(2, 3)->ReadOnly = c.cellReadOnly;
        EXPECT_EQ(grid->CanEdit(2, 3), c.expected);
    }
    EXPECT_FALSE(grid->CanEdit(2, 0)) << "header row";
    EXPECT_FALSE(grid->CanEdit(0, 3)) << "fixed column";
}

TEST_F(ExtColumnGridCellsTest, OnCanEditCellHasTheLastWord)
{
    grid->Columns()->Items(2)->ReadOnly = true;
    int seenRow = -1, seenCol = -1;
    grid->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
        seenRow = ARow;
        seenCol = ACol;
        CanEdit = true;
    };
    EXPECT_TRUE(grid->CanEdit(2, 3));
    EXPECT_EQ(seenRow, 3);
    EXPECT_EQ(seenCol, 2);
}

TEST_F(ExtColumnGridCellsTest, AFixedColumnIsAFixedCell)
{
    grid->Columns()->Items(3)->SetFixed(true);
    bool fixed = false;
    grid->IsFixedCell(3, 2, fixed);
    EXPECT_TRUE(fixed);
    fixed = false;
    grid->IsFixedCell(2, 2, fixed);
    EXPECT_FALSE(fixed);
}

TEST_F(ExtColumnGridCellsTest, CombosComeFromTheColumnEditorOutsideTheHeaders)
{
    grid->Columns()->Items(0)->SetEditor(edComboList);
    grid->Columns()->Items(2)->SetEditor(edComboList);
    grid->Columns()->Items(3)->SetEditor(edComboEdit);
    grid->Columns()->Items(4)->SetEditor(edDataCheckBox);
    EXPECT_TRUE(grid->HasCombo(2, 1));
    EXPECT_TRUE(grid->HasCombo(3, 1));
    EXPECT_FALSE(grid->HasCombo(4, 1));
    EXPECT_FALSE(grid->HasCombo(2, 0)) << "header row";
    EXPECT_FALSE(grid->HasCombo(0, 1)) << "fixed column";
    TEditorType editor = edNormal;
    grid->GetCellEditor(4, 1, editor);
    EXPECT_EQ(editor, edDataCheckBox);
}

TEST_F(ExtColumnGridCellsTest, TheColumnCheckTextsWinOverTheGridsEvents)
{
    grid->Columns()->Items(2)->CheckTrue = "Ja";
    grid->OnGetCheckTrue = [](TObject*, int, int, std::string& Value) { Value = "X"; };
    std::string normal, header, otherColumn;
    grid->GetCheckTrue(2, 1, normal);
    grid->GetCheckTrue(2, 0, header);
    grid->GetCheckTrue(6, 1, otherColumn);
    EXPECT_EQ(normal, "Ja");
    EXPECT_EQ(header, "X");
    EXPECT_EQ(otherColumn, "X") << "a column without an item";
}

TEST_F(ExtColumnGridCellsTest, ColoursAndAlignmentComeFromTheColumnThenTheCell)
{
    TGridColumnItem* item = grid->Columns()->Items(2);
    item->SetColor(clYellow);
    item->SetAlignment(taRightJustify);
    item->SetHeaderAlignment(taCenter);
    item->Font()->SetColor(clBlue);
    item->HeaderFont()->SetColor(clMaroon);

    const auto colours = [&](int row) {
        TBrush brush;
        TFont font;
        grid->GetCellColor(2, row, {}, &brush, &font);
        return std::make_pair(brush.Color(), font.Color());
    };
    EXPECT_EQ(colours(1), std::make_pair(clYellow, clBlue));
    EXPECT_EQ(colours(0).second, clMaroon);
    item->SetFixed(true);
    EXPECT_EQ(colours(1).first, grid->FixedColor());
    item->SetFixed(false);
    grid->GetCellProperties(2, 1)->SetBrushColor(clLime);
    EXPECT_EQ(colours(1).first, clLime);

    TAlignment align = taLeftJustify;
    TVAlignment valign = vtaTop;
    grid->GetCellAlignment(2, 0, align, valign);
    EXPECT_EQ(align, taCenter);
    grid->GetCellAlignment(2, 2, align, valign);
    EXPECT_EQ(align, taRightJustify);
}

TEST_F(ExtColumnGridCellsTest, AnEmptyColumnFloatFormatKeepsTheGridsOne)
{
    EXPECT_EQ(grid->GetFloatFormat(2, 1), grid->FloatFormat);
    grid->Columns()->Items(2)->SetFloatFormat("%.3f");
    EXPECT_EQ(grid->GetFloatFormat(2, 1), "%.3f");
}

TEST_F(ExtColumnGridCellsTest, TheEditLimitIsTheColumnsEditLengthUnderHiddenColumns)
{
    grid->SetOptions(grid->Options() + goEditing);
    grid->Columns()->Items(3)->EditLength = 4;
    grid->HideColumn(1);
    grid->SetCol(2); // real column 3
    EXPECT_EQ(grid->GetEditLimit(), 4);
}

TEST_F(ExtColumnGridCellsTest, AColumnFilterListsTheDisplayNamesOfItsLines)
{
    TStringList lines;
    lines.Add("Small=<10");
    lines.Add("Large=>100");
    lines.Add("Any");
    grid->Columns()->Items(2)->SetFilter(lines);
    ASSERT_TRUE(grid->GetColumnFilter(2));
    EXPECT_EQ(grid->FilterEntries()->Text(), "Small\r\nLarge\r\nAny\r\n");
    EXPECT_FALSE(grid->GetColumnFilter(3));
}

TEST_F(ExtColumnGridCellsTest, DataCheckBoxColumnsShowAVirtualCheckBoxInNormalCells)
{
    grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
    const TCellGraphic* graphic = grid->GetCellGraphic(2, 1);
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(graphic->CellType, ctVirtCheckBox);
    EXPECT_EQ(grid->GetCellType(2, 1), ctDataCheckBox);
    EXPECT_TRUE(grid->HasCheckBox(2, 1));
    EXPECT_EQ(grid->GetCellGraphic(2, 0), nullptr);
    EXPECT_EQ(grid->GetCellGraphic(3, 1), nullptr);
    EXPECT_EQ(grid->GetCellType(3, 1), ctEmpty);

    // A graphic of the cell's own wins over the column's box.
    grid->AddCheckBox(2, 2, true, false);
    EXPECT_EQ(grid->GetCellType(2, 2), ctCheckBox);

    grid->SetCells(2, 3, "Y");
    bool state = false;
    ASSERT_TRUE(grid->GetCheckBoxState(2, 3, state));
    EXPECT_TRUE(state);
    ASSERT_TRUE(grid->ToggleCheckBox(2, 3));
    EXPECT_EQ(grid->Cells(2, 3), "N");
}

} // namespace

namespace {

using ExtColumnGridPrintTest = ColumnGridOnForm;

TEST_F(ExtColumnGridPrintTest, PrintedCellsUseTheColumnsPrintSettings)
{
    TGridColumnItem* item = grid->Columns()->Items(2);
    item->PrintColor = clAqua;
    item->PrintFont()->SetColor(clRed);
    item->PrintBorders = {cbLeft};
    item->PrintBorderPen()->SetWidth(3);
    const auto print = [&](int col, int row) {
        TBrush brush;
        TFont font;
        TPen pen;
        TCellBorders borders;
        grid->GetCellPrintColor(col, row, {}, &brush, &font);
        grid->GetCellPrintBorder(col, row, &pen, borders);
        return std::make_tuple(brush.Color(), font.Color(), borders == TCellBorders{cbLeft}, pen.Width());
    };
    EXPECT_EQ(print(2, 1), std::make_tuple(clAqua, clRed, true, 3));
    EXPECT_EQ(std::get<1>(print(2, 0)), grid->PrintSettings()->FixedFont()->Color()) << "header row";
    item->PrintFontCustom = false;
    item->PrintBorderCustom = false;
    const auto plain = print(2, 1);
    EXPECT_EQ(std::get<1>(plain), grid->PrintSettings()->Font()->Color());
    EXPECT_FALSE(std::get<2>(plain));
}

TEST_F(ExtColumnGridPrintTest, ScalingScalesTheColumnFonts)
{
    grid->Columns()->Items(1)->Font()->SetSize(9);
    grid->Columns()->Items(1)->HeaderFont()->SetSize(10);
    grid->ChangeScale(3, 2);
    EXPECT_EQ(grid->Columns()->Items(1)->Font()->Size(), 14);
    EXPECT_EQ(grid->Columns()->Items(1)->HeaderFont()->Size(), 15);
}

TEST_F(ExtColumnGridPrintTest, AssigningColumnsCopiesEveryItem)
{
    auto* other = new TProbeColumnGrid(&form);
    other->SetColCount(3);
    other->Columns()->Items(1)->Name = "Copied";
    other->Columns()->Items(1)->SetEditor(edComboList);
    grid->SetColumns(*other->Columns());
    ASSERT_EQ(grid->Columns()->Count(), 3);
    EXPECT_EQ(grid->Columns()->Items(1)->Name, "Copied");
    EXPECT_EQ(grid->Columns()->Items(1)->Editor(), edComboList);
    EXPECT_EQ(grid->ColCount(), 3);
}

} // namespace

namespace {

using ExtColumnGridCellPropertiesTest = ColumnGridOnForm;

TEST_F(ExtColumnGridCellPropertiesTest, NewCellPropertiesStartFromTheColumn)
{
    TGridColumnItem* item = grid->Columns()->Items(2);
    item->SetColor(clYellow);
    item->SetAlignment(taRightJustify);
    item->SetHeaderAlignment(taCenter);
    item->Font()->SetName("Courier New");
    const TCellProperties* normal = grid->GetCellProperties(2, 3);
    EXPECT_EQ(normal->BrushColor(), clYellow);
    EXPECT_EQ(normal->Alignment, taRightJustify);
    EXPECT_EQ(grid->GetCellProperties(2, 0)->Alignment, taCenter);

    grid->Columns()->Items(3)->SetFixed(true);
    EXPECT_EQ(grid->GetCellProperties(3, 3)->BrushColor(), clNone) << "a fixed cell keeps no colour";
}

} // namespace
