#include <gtest/gtest.h>

#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Forms.h"

namespace {

struct FormatChange {
    const char* name;
    TDateTimeKind kind;
    const char* format;
};

class DateTimePickerFormatTest : public testing::TestWithParam<FormatChange> {
protected:
    DateTimePickerFormatTest()
    {
        Application->CreateForm(form);
        picker = new TDateTimePicker(form);
        picker->SetParent(form);
    }
    ~DateTimePickerFormatTest() override { delete form; }

    TForm* form = nullptr;
    TDateTimePicker* picker = nullptr;
};

// A date-only field still holds the time of day, and a time-only one still takes any date,
// whatever kind or format came before.
TEST_P(DateTimePickerFormatTest, KeepsTheWholeValueAcrossKindAndFormat)
{
    const TDateTime value = EncodeDate(2024, 3, 15) + EncodeTime(14, 25, 30, 0);
    picker->SetDateTime(value);
    picker->SetKind(dtkTime);
    picker->SetKind(GetParam().kind);
    picker->SetFormat(GetParam().format);
    EXPECT_DOUBLE_EQ(picker->DateTime(), value);
    const TDateTime other = EncodeDate(2031, 11, 2) + EncodeTime(8, 5, 0, 0);
    picker->SetDateTime(other);
    EXPECT_DOUBLE_EQ(picker->DateTime(), other);
}

const FormatChange kFormatChanges[] = {
    {"DateKind", dtkDate, ""},
    {"TimeKind", dtkTime, ""},
    {"DateFormat", dtkDate, "yyyy-mm-dd"},
    {"TimeWithoutSeconds", dtkTime, "hh:nn"},
};

INSTANTIATE_TEST_SUITE_P(Formats, DateTimePickerFormatTest, testing::ValuesIn(kFormatChanges),
                         [](const testing::TestParamInfo<FormatChange>& info) { return info.param.name; });

// The calendar hides as the picker goes: the picker is not told any more, and what watched
// the calendar goes with it (the sanitizer run sees a leak or a late call).
TEST(DateTimePickerLifetime, APickerFreedWithItsCalendarOpenTakesItsWatcherAlong)
{
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    for (int i = 0; i < 3; ++i) {
        auto* picker = new TDateTimePicker(form);
        picker->SetParent(form);
        int closeUps = 0;
        picker->OnCloseUp = [&](TObject*) { ++closeUps; };
        picker->SetDroppedDown(true);
        Application->ProcessMessages();
        ASSERT_TRUE(picker->DroppedDown());
        delete picker;
        Application->ProcessMessages();
        EXPECT_EQ(closeUps, 0);
    }
    delete form;
}

} // namespace
