#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingShapedGrid.h"
#include "grid/control/GridCheckBox.h"
#include "grid/control/GridDatePicker.h"
#include "grid/control/GridEditBtn.h"
#include "grid/control/GridSpin.h"
#include "grid/control/GridUnitEditBtn.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

namespace {

// The edit-with-button and spin editors on the cell showing "2,5" of a shaped grid, driven
// by real key events.
class ExtGridEditBtnSpinTest : public EditingShapedGridTest {
protected:
    void SetUp() override
    {
        EditingShapedGridTest::SetUp();
        grid->OnEditingDone = [this](TObject*) { ++editingDone; };
    }
    void Open(const std::string& Text, TEditorType Kind)
    {
        EditingShapedGridTest::Open(Text, Kind);
        ASSERT_NE(FocusedControl(), grid);
    }

    int editingDone = 0;
};

TEST_P(ExtGridEditBtnSpinTest, EllipsisButtonChangesTheTextAndEnterStoresIt)
{
    grid->OnEllipsClick = [this](TObject*, int ACol, int ARow, std::string& S) {
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, home.Y);
        S += "!";
    };
    Open("abc", edEditBtn);
    TGridEditBtn* editor = grid->EditBtn();
    EXPECT_EQ(grid->ActiveEditControl(), editor);
    editor->ButtonClick(editor);
    EXPECT_EQ(editor->Text(), "abc!");
    SendKey(VK_RETURN);
    EXPECT_FALSE(editor->Visible());
    EXPECT_EQ(HomeText(), "abc!");
    EXPECT_EQ(editingDone, 1);
    EXPECT_TRUE(grid->Modified());
}

TEST_P(ExtGridEditBtnSpinTest, TheCellFollowsTheTypingAndEscapeLeavesItAsItWas)
{
    const struct {
        const char* what;
        TEditorType kind;
        const char* typed;
    } cases[] = {{"edit with button", edEditBtn, "xyz"}, {"spin", edSpinEdit, "7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open("42", c.kind);
        SendText(c.typed);
        EXPECT_NE(HomeText(), "42");
        EXPECT_EQ(HomeText(), grid->ActiveEditControl()->Text());
        SendKey(VK_ESCAPE);
        EXPECT_FALSE(grid->IsEditMode());
        EXPECT_EQ(grid->ActiveEditControl()->Visible(), false);
        EXPECT_EQ(HomeText(), "42");
        EXPECT_FALSE(grid->Modified());
    }
}

TEST_P(ExtGridEditBtnSpinTest, LoadingASpinEditorWritesNothingBack)
{
    Open("007", edSpinEdit);
    EXPECT_EQ(grid->SpinEdit()->Text(), "7");
    EXPECT_EQ(HomeText(), "007");
}

TEST_P(ExtGridEditBtnSpinTest, NumericEditWithButtonFiltersTypedCharacters)
{
    Open("", edNumericEditBtn);
    SendText("-1-2a");
    EXPECT_EQ(grid->EditBtn()->Text(), "-12");
}

TEST_P(ExtGridEditBtnSpinTest, SpinKeysJumpWithinTheRangeAndEnterStores)
{
    std::vector<bool> clicks;
    grid->OnSpinClick = [&](TObject*, int, int, int, bool UpDown) { clicks.push_back(UpDown); };
    grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
        grid->SpinEdit()->SetMinValue(0);
        grid->SpinEdit()->SetMaxValue(100);
        grid->SpinEdit()->SetIncrement(10);
    };
    Open("95", edSpinEdit);
    TGridSpin* spin = grid->SpinEdit();
    const struct {
        Word key;
        int value;
    } steps[] = {{VK_PRIOR, 95}, {VK_NEXT, 85}, {VK_HOME, 100}, {VK_END, 0}};
    for (const auto& step : steps) {
        SendKey(step.key);
        EXPECT_EQ(spin->Value(), step.value) << "key " << step.key;
    }
    EXPECT_EQ(clicks, (std::vector<bool>{true, false, true, false}));
    SendKey(VK_NEXT);
    SendKey(VK_PRIOR);
    SendKey(VK_RETURN);
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(HomeText(), "10");
    EXPECT_EQ(editingDone, 1);
}

// Each spin type reports a step with its own event and the value after the step.
TEST_P(ExtGridEditBtnSpinTest, SpinButtonStepsFireTheEventOfTheSpinType)
{
    std::vector<std::string> fired;
    grid->OnSpinClick = [&](TObject*, int, int, int V, bool Up) {
        fired.push_back("int " + std::to_string(V) + (Up ? " up" : " down"));
    };
    grid->OnFloatSpinClick = [&](TObject*, int, int, double V, bool Up) {
        fired.push_back("float " + std::to_string(static_cast<int>(V * 10)) + (Up ? " up" : " down"));
    };
    grid->OnDateSpinClick = [&](TObject*, int, int, TDateTime V, bool Up) {
        fired.push_back("date " + std::to_string(static_cast<int>(V)) + (Up ? " up" : " down"));
    };
    grid->OnTimeSpinClick = [&](TObject*, int, int, TDateTime, bool Up) {
        fired.push_back(std::string("time") + (Up ? " up" : " down"));
    };
    const struct {
        TEditorType kind;
        const char* text;
        const char* up;
        const char* down;
    } cases[] = {
        {edSpinEdit, "5", "int 6 up", "int 5 down"},
        {edFloatSpinEdit, "1.5", "float 16 up", "float 15 down"},
        {edTimeSpinEdit, "10:00:00", "time up", "time down"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fired.clear();
        Open(c.text, c.kind);
        grid->SpinEdit()->UpClick(nullptr);
        grid->SpinEdit()->DownClick(nullptr);
        EXPECT_EQ(fired, (std::vector<std::string>{c.up, c.down}));
        SendKey(VK_ESCAPE);
    }
    fired.clear();
    Open("", edDateSpinEdit);
    const TDateTime loaded = grid->SpinEdit()->DateValue();
    grid->SpinEdit()->UpClick(nullptr);
    EXPECT_EQ(fired, (std::vector<std::string>{"date " + std::to_string(static_cast<int>(loaded) + 1) + " up"}));
    SendKey(VK_ESCAPE);
}

} // namespace

namespace {

TEST_P(ExtGridEditBtnSpinTest, UnitEditorShowsTheNumberApartAndStoresItWithItsUnit)
{
    grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
        TStringList units;
        units.Add("mm");
        units.Add("cm");
        grid->UnitEditBtn()->SetUnits(&units);
    };
    const struct {
        const char* cell;
        const char* shown;
        const char* unit;
    } cases[] = {{"12mm", "12", "mm"}, {"7 furlongs", "7 furlongs", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        Open(c.cell, edUnitEditBtn);
        TGridUnitEditBtn* editor = grid->UnitEditBtn();
        EXPECT_EQ(editor->Text(), c.shown);
        EXPECT_EQ(editor->UnitID(), c.unit);
        SendKey(VK_RETURN);
        EXPECT_FALSE(editor->Visible());
        EXPECT_EQ(HomeText(), c.cell);
    }
    Open("12mm", edUnitEditBtn);
    SendKey(VK_END);
    SendText("5");
    SendKey(VK_RETURN);
    EXPECT_EQ(HomeText(), "125mm");
}

TEST_P(ExtGridEditBtnSpinTest, CheckBoxStoresNothingAndButtonStoresTheClickAnswer)
{
    Open("Y", edCheckBox);
    EXPECT_TRUE(grid->EditCheck()->Visible());
    EXPECT_EQ(grid->ActiveEditControl(), nullptr);
    SendKey(VK_SPACE);
    SendKey(VK_DOWN);
    EXPECT_FALSE(grid->EditCheck()->Visible());
    EXPECT_EQ(HomeText(), "Y");
    EXPECT_EQ(grid->Row(), home.Y + 1);

    int buttonClicks = 0;
    grid->OnButtonClick = [&](TObject*, int, int) { ++buttonClicks; };
    grid->OnEllipsClick = [](TObject*, int, int, std::string& S) { S = "picked"; };
    GoHome();
    Open("Press", edButton);
    EXPECT_EQ(grid->GridButton()->Caption(), "Press");
    SendKey(VK_SPACE);
    EXPECT_EQ(HomeText(), "picked");
    EXPECT_EQ(buttonClicks, 1);
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(grid->GridButton()->Visible());
}

} // namespace

namespace {

// Typed digits that complete a field move the picker on to its next field, except in the
// last field of a custom format or, without a format, the year.
TEST_P(ExtGridEditBtnSpinTest, DatePickerMovesToTheNextFieldOnceADigitChangedTheField)
{
    std::vector<char32_t> pressed;
    grid->OnKeyPress = [&](TObject* Sender, char32_t& Key) {
        EXPECT_EQ(Sender, grid);
        pressed.push_back(Key);
    };
    const struct {
        const char* what;
        const char* format;
        int field;
        const char* typed;
        int fieldAfter;
    } cases[] = {
        {"day of dd/MM/yyyy", "dd/MM/yyyy", 0, "2", 1},
        {"year of dd/MM/yyyy, the last field", "dd/MM/yyyy", 2, "2031", 2},
        {"year without a format", "", 2, "2031", 2},
        {"month without a format", "", 1, "7", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->OnGetEditorProp = [&](TObject*, int, int, TEditLink*) { grid->DatePicker()->SetFormat(c.format); };
        Open("", edDateEdit);
        TGridDatePicker* picker = grid->DatePicker();
        picker->SetDateTime(EncodeDate(2024, 3, 15));
        picker->SetCurrentField(c.field);
        pressed.clear();
        for (const char* d = c.typed; *d; ++d) {
            SendKey(static_cast<Word>(*d));
            Application->ProcessMessages();
            Application->ProcessMessages();
        }
        EXPECT_EQ(picker->CurrentField(), c.fieldAfter);
        EXPECT_EQ(pressed.size(), std::string(c.typed).size());
        SendKey(VK_ESCAPE);
    }
}

TEST_P(ExtGridEditBtnSpinTest, DatePickerShowsTheCellsDateAndStoresWhatItShows)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    FormatSettings().DateSeparator = '/';
    Open("05/03/2024", edDateEdit);
    TGridDatePicker* picker = grid->DatePicker();
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 5));
    SendKey(VK_RETURN);
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(HomeText(), "05/03/2024");
    EXPECT_FALSE(grid->Modified());

    Open("05/03/2024", edDateEdit);
    picker->SetDate(EncodeDate(2025, 12, 24));
    SendKey(VK_ESCAPE);
    EXPECT_EQ(HomeText(), "05/03/2024");

    // A cleared check box of the picker stands for no date.
    grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
        grid->DatePicker()->SetShowCheckbox(true);
    };
    Open("05/03/2024", edDateEdit);
    picker->SetChecked(false);
    grid->HideCellEdit();
    EXPECT_EQ(HomeText(), "");
    FormatSettings() = saved;
}

} // namespace

namespace {

TEST_P(ExtGridEditBtnSpinTest, DateSpinReadsTheCellsDateOrTodayAndStoresTheDate)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    FormatSettings().DateSeparator = '/';
    SetClock([] { return EncodeDate(2026, 12, 10); });
    const struct {
        const char* cell;
        const char* stored;
    } cases[] = {{"05/03/2024", "05/03/2024"}, {"no date", "10/12/2026"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        Open(c.cell, edDateSpinEdit);
        SendKey(VK_RETURN);
        EXPECT_FALSE(grid->SpinEdit()->Visible());
        EXPECT_EQ(HomeText(), c.stored);
    }
    SetClock(nullptr);
    FormatSettings() = saved;
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridEditBtnSpinTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
