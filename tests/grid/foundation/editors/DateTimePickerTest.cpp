#include <gtest/gtest.h>

#include <cmath>

#include "../Locale.h"
#include "grid/foundation/editors/ExtDateTimePicker.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {

// The field advance is a message posted by a posted message; each round of the event
// loop delivers only what was posted before it began.
void ProcessPostedChain()
{
    Application->ProcessMessages();
    Application->ProcessMessages();
}

class DateTimePickerTest : public testing::TestWithParam<TestLocale> {
protected:
    DateTimePickerTest() : locale(GetParam())
    {
        FormatSettings().ShortDateFormat = "dd/mm/yyyy";
        FormatSettings().LongTimeFormat = "hh:nn:ss";
        Application->CreateForm(form);
        form->Show();
        picker = new TExtDateTimePicker(form);
        picker->SetParent(form);
        picker->SetBounds(10, 10, 240, 22);
    }
    ~DateTimePickerTest() override { delete form; }

    LocaleScope locale;
    TForm* form = nullptr;
    TExtDateTimePicker* picker = nullptr;
};

TEST_P(DateTimePickerTest, DateTimeKindShowsATimeFieldThatDateKindFrees)
{
    picker->Repaint();
    Application->ProcessMessages();
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->Visible());
    EXPECT_EQ(picker->TimePicker()->Kind(), dtkTime);
    EXPECT_GT(picker->TimePicker()->Left(), picker->Width() / 3);
    picker->SetKind(dkDate);
    EXPECT_EQ(picker->TimePicker(), nullptr);
}

TEST_P(DateTimePickerTest, ValuesDropMillisecondsAndDateKeepsTheTimeOfDay)
{
    const TDateTime value = EncodeDate(2024, 3, 15) + EncodeTime(10, 20, 30, 456);
    picker->SetDateTime(value);
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 15) + EncodeTime(10, 20, 30, 0));
    picker->Repaint();  // the first paint lays the time field out from the date field's value
    Application->ProcessMessages();
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 15) + EncodeTime(10, 20, 30, 0));
    picker->SetDate(EncodeDate(2025, 1, 2) + 0.9);
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(10, 20, 30, 0));
    const std::string sep(1, FormatSettings().DateSeparator);
    EXPECT_EQ(picker->Text(), "02" + sep + "01" + sep + "2025");
}

TEST_P(DateTimePickerTest, ClearedCheckBoxDisablesTheTimeFieldAndTickingEnablesIt)
{
    picker->SetShowCheckbox(true);
    picker->SetChecked(false);
    EXPECT_FALSE(picker->Checked());
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    picker->SetChecked(true);
    EXPECT_TRUE(picker->TimePicker()->Enabled());
    picker->Perform(CN_NOTIFY, DTN_DATETIMECHANGE, GDT_NONE);  // the user clears the box
    EXPECT_FALSE(picker->TimePicker()->Enabled());
}

TEST_P(DateTimePickerTest, F4OpensTheCalendarAndRightMovesToTheNextField)
{
    int drops = 0;
    picker->OnDropDown = [&](TObject*) { ++drops; };
    picker->SetFocus();
    picker->SetCurrentField(0);
    PressKey(VK_RIGHT, {}, picker);
    EXPECT_EQ(picker->CurrentField(), 1);
    PressKey(VK_F4, {}, picker);
    Application->ProcessMessages();
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_EQ(drops, 1);
    picker->SetDroppedDown(false);
    Application->ProcessMessages();
    EXPECT_FALSE(picker->DroppedDown());
}

TEST_P(DateTimePickerTest, AutoTabMovesOnAfterTheDayAndIntoTheTimeAfterTheYear)
{
    picker->SetFormat("dd/MM/yyyy");
    picker->SetAutoTab(true);
    picker->SetDateTime(EncodeDate(2024, 3, 15));
    picker->SetFocus();
    picker->SetCurrentField(0);
    PressKey('2', {}, picker);
    ProcessPostedChain();
    EXPECT_EQ(picker->CurrentField(), 1);
    picker->SetCurrentField(2);
    for (char digit : std::string("2031")) PressKey(static_cast<Word>(digit), {}, picker);
    ProcessPostedChain();
    int year = 0, month = 0, day = 0;
    DecodeDate(picker->DateTime(), year, month, day);
    EXPECT_EQ(year, 2031);
    EXPECT_TRUE(picker->TimePicker()->Focused());
}

TEST_P(DateTimePickerTest, TimePickerAutoTabMovesWhenTheTimeChanged)
{
    TCustomDateTimePicker* time = picker->TimePicker();
    time->SetAutoTab(true);
    time->SetDateTime(EncodeTime(10, 20, 30, 0));
    time->SetFocus();
    time->SetCurrentField(0);
    PressKey('9', {}, time);
    ProcessPostedChain();
    EXPECT_EQ(time->CurrentField(), 1);
}

TEST(DateTimePickers, DefaultsOfTheTwoFamilies)
{
    TEsgDateTimePicker esg(nullptr);
    TExtDateTimePicker ext(nullptr);
    EXPECT_EQ(esg.BorderColor(), clNone);
    EXPECT_EQ(ext.BorderColor(), clBlack);
    EXPECT_EQ(esg.BorderStyle(), bsNone);
    EXPECT_EQ(ext.BorderStyle(), bsSingle);
    EXPECT_EQ(esg.Version(), "1.0.0.0");
    EXPECT_EQ(ext.Version(), "1.2.0.0");
    EXPECT_EQ(ext.Kind(), dkDateTime);
    EXPECT_FALSE(ext.AutoTab());
    EXPECT_EQ(RegisterWindowMessage("DTPShiftFocus"), DTPShiftFocusMessage());
}

INSTANTIATE_TEST_SUITE_P(Locales, DateTimePickerTest, testing::Values(kEnglish, kGerman),
                         [](const testing::TestParamInfo<TestLocale>& info) { return std::string(info.param.Name); });

}  // namespace
