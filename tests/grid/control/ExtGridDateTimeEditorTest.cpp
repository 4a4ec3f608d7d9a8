#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EditingGridOnForm.h"
#include "grid/control/GridDatePicker.h"
#include "grid/control/GridDateTimePicker.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Input.h"

namespace {

// The date-and-time editor on cell (1, 1), driven by real key events.
class ExtGridDateTimeEditorTest : public EditingGridOnForm {
protected:
    void SetUp() override
    {
        EditingGridOnForm::SetUp();
        grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edDateTimeEdit; };
    }
    TGridDateTimePicker* Open(const std::string& Text)
    {
        grid->SetCells(1, 1, Text);
        SendKey(VK_F2);
        EXPECT_TRUE(grid->IsEditMode());
        return grid->DateAndTimePicker();
    }
};

TEST_F(ExtGridDateTimeEditorTest, CellTextsReadAndWriteDateAndTime)
{
    const struct {
        const char* text;
        const char* written;
    } cases[] = {{"24/12/2025 18:30", "24/12/2025 18:30"},
                 {"01/02/2024", "01/02/2024 00:00"},
                 {" 5/3/2023  7:05 ", "05/03/2023 07:05"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TGridDateTimePicker::CellText(TGridDateTimePicker::ReadCellText(c.text)), c.written);
    }
}

TEST_F(ExtGridDateTimeEditorTest, EnterStoresTheChangedDateAndTime)
{
    TGridDateTimePicker* picker = Open("24/12/2025 18:30");
    EXPECT_TRUE(picker->Visible());
    picker->SetDateTime(EncodeDate(2026, 1, 2) + EncodeTime(9, 15, 0, 0));
    SendKey(VK_RETURN);
    EXPECT_FALSE(picker->Visible());
    EXPECT_FALSE(grid->IsEditMode());
    EXPECT_EQ(grid->Cells(1, 1), "02/01/2026 09:15");
}

TEST_F(ExtGridDateTimeEditorTest, EscapeKeepsTheCellAsItWas)
{
    const char* texts[] = {"24/12/2025 18:30", "2025-12-24 18:30:00", ""};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        TGridDateTimePicker* picker = Open(text);
        picker->SetDateTime(EncodeDate(2001, 5, 6) + EncodeTime(1, 2, 0, 0));
        SendKey(VK_ESCAPE);
        EXPECT_FALSE(picker->Visible());
        EXPECT_EQ(grid->Cells(1, 1), text);
    }
}

TEST_F(ExtGridDateTimeEditorTest, TabStoresTheWholeValueOfTheCellItLeaves)
{
    grid->SetOptions(grid->Options() + goTabs);
    TGridDateTimePicker* picker = Open("24/12/2025 18:30");
    picker->SetDateTime(EncodeDate(2026, 3, 4) + EncodeTime(5, 6, 0, 0));
    SendKey(VK_TAB);
    EXPECT_EQ(grid->Cells(1, 1), "04/03/2026 05:06");
    EXPECT_EQ(grid->Col(), 2);
    // The Tab advance opens the next cell's editor, which is this picker again.
    EXPECT_TRUE(picker->Visible());
    EXPECT_EQ(picker->Left(), grid->CellRect(2, 1).Left);
}

TEST_F(ExtGridDateTimeEditorTest, DateEditorOpensInsideItsLimits)
{
    const TDateTime minDate = EncodeDate(2024, 1, 10);
    const TDateTime maxDate = EncodeDate(2024, 1, 20);
    const struct {
        const char* text;
        TDateTime min, max, shown;
    } cases[] = {{"25/01/2024", minDate, maxDate, maxDate - 1},   {"20/01/2024", minDate, maxDate, maxDate},
                 {"10/01/2024", minDate, maxDate, minDate + 1},   {"05/01/2024", minDate, maxDate, minDate + 1},
                 {"15/01/2024", minDate, maxDate, minDate + 5},   {"25/01/2024", 0, 0, EncodeDate(2024, 1, 25)},
                 {"01/01/2024", 0, maxDate, EncodeDate(2024, 1, 1)}};
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edDateEdit; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        grid->DatePicker()->MinDate = c.min;
        grid->DatePicker()->MaxDate = c.max;
        Open(c.text);
        EXPECT_EQ(grid->DatePicker()->Date(), c.shown);
        SendKey(VK_ESCAPE);
    }
}

TEST_F(ExtGridDateTimeEditorTest, DateEditorReadsTheCellThroughTheApplicationsConversion)
{
    std::string asked;
    grid->OnCustomStrToDate = [&asked](TObject*, const std::string& Value, TDateTime& ADate) {
        asked = Value;
        ADate = EncodeDate(1999, 12, 31);
    };
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edDateEdit; };
    Open("new year's eve");
    EXPECT_EQ(asked, "new year's eve");
    EXPECT_EQ(grid->DatePicker()->Date(), EncodeDate(1999, 12, 31));
}

int RedPixels(TBitmap& Picture)
{
    int red = 0;
    for (int y = 0; y < Picture.Height(); ++y)
        for (int x = 0; x < Picture.Width(); ++x) {
            const TColor c = Picture.Canvas()->Pixels(x, y);
            if (GetRValue(c) > 2 * GetGValue(c) && GetRValue(c) > 2 * GetBValue(c)) ++red;
        }
    return red;
}

// Alt+Down drops the date editor's calendar: it looks as the picker's settings say, and the
// application hears of it with the cell's row and column.
TEST_F(ExtGridDateTimeEditorTest, DroppedCalendarFollowsThePickersMarksAndIsReported)
{
    SetClock([] { return EncodeDate(2024, 1, 17) + EncodeTime(10, 30, 0, 0); });
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edDateEdit; };
    std::vector<TPoint> dropped;
    grid->OnDatePickerDropDown = [&](TObject*, int ARow, int ACol) { dropped.push_back({ACol, ARow}); };
    const struct {
        bool weekNumbers, showToday, todayCircle;
        const char* todayLine;
    } cases[] = {{false, true, true, "Today: 17/01/2024"},
                 {true, false, false, ""},
                 {false, false, true, ""},
                 {false, false, false, ""}};
    TGridDatePicker* picker = grid->DatePicker();
    std::vector<std::unique_ptr<TBitmap>> pictures;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.weekNumbers << c.showToday << c.todayCircle);
        picker->Weeknumbers = c.weekNumbers;
        picker->ShowToday = c.showToday;
        picker->ShowTodayCircle = c.todayCircle;
        Open("15/01/2024");
        SendKey(VK_DOWN, {ssAlt});
        ASSERT_TRUE(picker->DroppedDown());
        EXPECT_EQ(picker->CalendarWeekNumbers(), c.weekNumbers);
        EXPECT_EQ(picker->CalendarCirclesToday(), c.todayCircle);
        EXPECT_EQ(picker->CalendarTodayLine(), c.todayLine);
        pictures.push_back(std::make_unique<TBitmap>(400, 400));
        picker->PaintCalendarTo(pictures.back()->Canvas());
        picker->SetDroppedDown(false);
        SendKey(VK_ESCAPE);
    }
    EXPECT_EQ(dropped, std::vector<TPoint>(4, {1, 1}));
    // The circle around today's day is red (as are the weekend's days in both pictures).
    EXPECT_GT(RedPixels(*pictures[2]), RedPixels(*pictures[3]) + 40);
    SetClock({});
}
} // namespace
