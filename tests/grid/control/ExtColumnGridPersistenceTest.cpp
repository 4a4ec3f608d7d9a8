#include <gtest/gtest.h>

#include <memory>

#include "ColumnGridOnForm.h"
#include "EditBoxLink.h"
#include "grid/control/ComponentStream.h"
#include "grid/control/settings/ColumnSize.h"
#include "platform/os/IniFiles.h"
#include "platform/os/Registry.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Menus.h"
#include "support/TestFiles.h"

namespace {

using ExtColumnGridPersistenceTest = ColumnGridOnForm;

// Column 1 carries a setting of every kind a stream holds.
void ConfigureColumns(TExtColumnGrid& Grid)
{
    Grid.SetColCount(6);
    TGridColumnItem* item = Grid.Columns()->Items(1);
    item->SetHeader("Zähler");
    item->Name = "Counter";
    item->SetEditor(edComboList);
    item->SetAlignment(taCenter);
    item->SetBorders({cbTop, cbBottom});
    item->BorderPen()->SetWidth(2);
    item->CheckTrue = "1";
    item->CheckFalse = "";
    item->ComboItems()->SetCommaText("Ein,Aus");
    item->EditLength = 12;
    item->ReadOnly = true;
    item->SetColor(clAqua);
    item->Font()->SetStyle({fsBold, fsItalic});
    item->HeaderFont()->SetName("Arial");
    item->PrintFontCustom = false;
    item->ColumnPopupType = cpNormalCellsLClick;
    item->SortStyle = ssNumeric;
    item->SpinStep = 5;
    item->Tag = -3;
    item->SetWidth(97);
    Grid.Columns()->Items(4)->SetFloatFormat("%.1f");
}

TEST_F(ExtColumnGridPersistenceTest, ColumnsSurviveAStreamRoundTrip)
{
    ConfigureColumns(*grid);
    TMemoryStream stream;
    grid->SaveColumnsToStream(stream);

    auto* copy = new TProbeColumnGrid(&form);
    copy->SetParent(&form);
    copy->SetColCount(6);
    stream.SetPosition(0);
    copy->LoadColumnsFromStream(stream);

    const TGridColumnItem* item = copy->Columns()->Items(1);
    EXPECT_EQ(item->Header(), "Zähler");
    EXPECT_EQ(copy->Cells(1, 0), "Zähler");
    EXPECT_EQ(item->Name, "Counter");
    EXPECT_EQ(item->Editor(), edComboList);
    EXPECT_EQ(item->Alignment(), taCenter);
    EXPECT_TRUE(item->Borders() == TCellBorders({cbTop, cbBottom}));
    EXPECT_EQ(item->BorderPen()->Width(), 2);
    EXPECT_EQ(item->CheckTrue, "1");
    EXPECT_EQ(item->ComboItems()->Text(), "Ein\r\nAus\r\n");
    EXPECT_EQ(item->EditLength, 12);
    EXPECT_TRUE(item->ReadOnly);
    EXPECT_EQ(item->Color(), clAqua);
    EXPECT_TRUE(item->Font()->Style() == TFontStyles({fsBold, fsItalic}));
    EXPECT_EQ(item->HeaderFont()->Name(), "Arial");
    EXPECT_EQ(item->CheckFalse, "");
    EXPECT_FALSE(item->PrintFontCustom);
    EXPECT_EQ(item->ColumnPopupType, cpNormalCellsLClick);
    EXPECT_EQ(item->SortStyle, ssNumeric);
    EXPECT_EQ(item->SpinStep, 5);
    EXPECT_EQ(item->Tag, -3);
    EXPECT_EQ(copy->ColWidths(1), 97);
    EXPECT_EQ(copy->Columns()->Items(4)->FloatFormat(), "%.1f");

    TMemoryStream again;
    copy->SaveColumnsToStream(again);
    EXPECT_EQ(again.Bytes(), stream.Bytes());
}

TEST_F(ExtColumnGridPersistenceTest, AStreamWithFewerItemsLeavesTheColumnCountAlone)
{
    auto* small = new TProbeColumnGrid(&form);
    small->SetColCount(3);
    TMemoryStream stream;
    small->SaveColumnsToStream(stream);
    grid->SetColCount(7);
    stream.SetPosition(0);
    grid->LoadColumnsFromStream(stream);
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_EQ(grid->Columns()->Count(), 3);
    bool canEdit = true;
    grid->IsReadOnlyCell(5, 1, canEdit);
    EXPECT_FALSE(canEdit) << "a column without an item";
}

TEST_F(ExtColumnGridPersistenceTest, ABrokenStreamRaisesAndLeavesTheColumnsAsTheyWere)
{
    ConfigureColumns(*grid);
    TMemoryStream stream;
    grid->SaveColumnsToStream(stream);
    const std::string bytes = stream.Bytes();
    const std::string cases[] = {"", "TPF1" + bytes.substr(4), bytes.substr(0, bytes.size() / 2),
                                 bytes.substr(0, bytes.size() - 1)};
    for (const std::string& broken : cases) {
        TMemoryStream input(broken);
        EXPECT_THROW(grid->LoadColumnsFromStream(input), EReadError);
        EXPECT_EQ(grid->Columns()->Count(), 6);
        EXPECT_EQ(grid->Columns()->Items(1)->Name, "Counter");
    }
}

// Menus and edit links travel by name and are found again among the form's components; a
// name the form does not hold, or holds with another class, leaves no reference.
TEST_F(ExtColumnGridPersistenceTest, ReferencesTravelByTheirNamesOnTheForm)
{
    auto* menu = new TPopupMenu(&form);
    menu->SetName("ColumnMenu");
    auto* link = new TEditBoxLink(&form);
    link->SetName("AddressLink");
    auto* unnamed = new TPopupMenu(&form);
    grid->Columns()->Items(1)->SetColumnPopup(menu);
    grid->Columns()->Items(2)->SetEditLink(link);
    grid->Columns()->Items(3)->SetColumnPopup(unnamed);
    TMemoryStream stream;
    grid->SaveColumnsToStream(stream);

    for (TGridColumnItem* item : {grid->Columns()->Items(1), grid->Columns()->Items(3)})
        item->SetColumnPopup(nullptr);
    grid->Columns()->Items(2)->SetEditLink(nullptr);
    stream.SetPosition(0);
    grid->LoadColumnsFromStream(stream);
    EXPECT_EQ(grid->Columns()->Items(1)->ColumnPopup(), menu);
    EXPECT_EQ(grid->Columns()->Items(2)->EditLink(), link);
    EXPECT_EQ(grid->Columns()->Items(3)->ColumnPopup(), nullptr);

    // On a form whose component of that name is of another class, or missing.
    menu->SetName("Other");
    link->SetName("ColumnMenu");
    stream.SetPosition(0);
    grid->LoadColumnsFromStream(stream);
    EXPECT_EQ(grid->Columns()->Items(1)->ColumnPopup(), nullptr);
    EXPECT_EQ(grid->Columns()->Items(2)->EditLink(), nullptr);
}

// The order is saved by design position and restored by moving columns.
class ColumnPositionsTest : public ColumnGridOnForm {
protected:
    void SetUp() override
    {
        ColumnGridOnForm::SetUp();
        for (int i = 0; i < 5; ++i)
            grid->Columns()->Items(i)->SetHeader("H" + std::to_string(i));
        grid->Columns()->SetOrganization();
    }
    TempDir dir;
    std::string file = dir.File("grid.ini");
};

TEST_F(ColumnPositionsTest, PositionsRoundTripThroughAnIniFile)
{
    grid->MoveColumn(1, 3);
    ASSERT_EQ(grid->ItemHeaders(), "H0|H2|H3|H1|H4");
    grid->SaveColumnPositions(file, "Scan list");
    EXPECT_EQ(TIniFile(file).ReadInteger("Scan list", "CP3", -1), 1);

    auto* other = new TProbeColumnGrid(&form);
    for (int i = 0; i < 5; ++i)
        other->Columns()->Items(i)->SetHeader("H" + std::to_string(i));
    other->Columns()->SetOrganization();
    other->LoadColumnPositions(file, "Scan list");

    EXPECT_EQ(other->ItemHeaders(), "H0|H2|H3|H1|H4");
    EXPECT_EQ(other->Columns()->Items(3)->DefIdx, 1);
    EXPECT_EQ(other->Cells(3, 0), "H1");
}

TEST_F(ColumnPositionsTest, PositionsThatAreNoPermutationChangeNothing)
{
    const struct {
        const char* name;
        std::vector<int> values; // CP0, CP1 ...
    } cases[] = {
        {"a key missing", {4, 3, 2, 1}},
        {"a position repeated", {1, 1, 2, 3, 4}},
        {"a position beyond the columns", {0, 1, 2, 3, 9}},
        {"a negative position", {0, 1, 2, 3, -2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(file.c_str());
        TIniFile ini(file);
        for (size_t i = 0; i < c.values.size(); ++i)
            ini.WriteInteger("S", "CP" + std::to_string(i), c.values[i]);
        grid->LoadColumnPositions(file, "S");
        EXPECT_EQ(grid->ItemHeaders(), "H0|H1|H2|H3|H4");
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(grid->Columns()->Items(i)->DefIdx, i);
    }
}

TEST_F(ColumnPositionsTest, TheColumnSizeSettingsChooseTheIniFileOrTheRegistry)
{
    const auto saved = RegistryStore();
    SetRegistryStore(std::make_shared<TRegistryStore>());
    grid->ColumnSize()->Key = file;
    grid->ColumnSize()->Section = "Cols";
    grid->MoveColumn(4, 0);
    for (TColumnSizeLocation location : {clIniFile, clRegistry}) {
        grid->ColumnSize()->Location = location;
        grid->SaveColPositions();
    }
    EXPECT_EQ(TIniFile(file).ReadInteger("Cols", "CP0", -1), 4);
    const auto stored = RegistryStore()->ReadValue(HKEY_CURRENT_USER, file + "\\Cols", "CP0");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(std::get<int32_t>(*stored), 4);

    for (TColumnSizeLocation location : {clIniFile, clRegistry}) {
        auto* other = new TProbeColumnGrid(&form);
        for (int i = 0; i < 5; ++i)
            other->Columns()->Items(i)->SetHeader("H" + std::to_string(i));
        other->Columns()->SetOrganization();
        other->ColumnSize()->Key = file;
        other->ColumnSize()->Section = "Cols";
        other->ColumnSize()->Location = location;
        other->LoadColPositions();
        EXPECT_EQ(other->ItemHeaders(), "H4|H0|H1|H2|H3");
    }
    SetRegistryStore(saved);
}

} // namespace
