#include <gtest/gtest.h>

#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/ExtWatch.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {
class TTimeForm : public TForm {
public:
    explicit TTimeForm(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 320, 300);
        Picker = new TExtTimePickerDropDown(this);
        Picker->SetParent(this);
        Picker->SetBounds(10, 10, 120, 21);
        Show();
        Picker->SetFocus();
    }
    TExtTimePickerDropDown* Picker;
};

void PressAt(TExtTimePickerDropDown& Picker, int Caret, Word Key)
{
    Picker.SetSelStart(Caret);
    Picker.SetSelLength(0);
    SendKey(Key);
}
} // namespace

TEST(TimePickerDropDown, ShowsTheTimeWithOrWithoutSeconds)
{
    TTimeForm Form(nullptr);
    TExtTimePickerDropDown& Picker = *Form.Picker;
    EXPECT_EQ(Picker.Text(), "00:00:00");
    Picker.SetTime(EncodeTime(12, 34, 56, 0));
    EXPECT_EQ(Picker.Text(), "12:34:56");
    Picker.SetShowSeconds(false);
    EXPECT_EQ(Picker.Text(), "12:34");
    Picker.SetShowSeconds(true);
    EXPECT_EQ(Picker.Text(), "12:34:56");
}

TEST(TimePickerDropDown, UpAndDownStepThePartUnderTheCaret)
{
    TTimeForm Form(nullptr);
    TExtTimePickerDropDown& Picker = *Form.Picker;
    int Changes = 0;
    Picker.OnTimeChange = [&](TObject*) { ++Changes; };
    Picker.SetTime(EncodeTime(23, 59, 10, 0));
    PressAt(Picker, 0, VK_DOWN);
    EXPECT_EQ(Picker.Text(), "00:59:10");
    PressAt(Picker, 0, VK_UP);
    EXPECT_EQ(Picker.Text(), "23:59:10");
    PressAt(Picker, 4, VK_DOWN);
    EXPECT_EQ(Picker.Text(), "23:00:10") << "no carry into the hour";
    PressAt(Picker, 3, VK_UP);
    EXPECT_EQ(Picker.Text(), "23:59:10");
    PressAt(Picker, 7, VK_DOWN);
    EXPECT_EQ(Picker.Text(), "23:59:11");
    EXPECT_EQ(Changes, 5);
    Picker.SetShowSeconds(false);
    PressAt(Picker, 4, VK_DOWN);
    EXPECT_EQ(Picker.Text(), "23:00") << "without seconds the caret's part is the minute";
}

TEST(TimePickerDropDown, ACancelledCloseBringsBackTheTimeOfTheOpening)
{
    TTimeForm Form(nullptr);
    TExtTimePickerDropDown& Picker = *Form.Picker;
    Picker.SetTime(EncodeTime(8, 15, 0, 0));
    Picker.ShowDropDown();
    ASSERT_TRUE(Picker.DroppedDown());
    Picker.Watch()->Animation = false;
    SendKey(VK_PRIOR); // the clock's hour up
    EXPECT_EQ(Picker.Text(), "09:15:00");
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(Picker.DroppedDown());
    EXPECT_EQ(Picker.Text(), "08:15:00");
    EXPECT_EQ(Picker.Time(), EncodeTime(8, 15, 0, 0));

    Picker.ShowDropDown();
    Picker.Watch()->Animation = false;
    SendKey(VK_RIGHT); // the clock's minute on
    SendKey(VK_RETURN);
    EXPECT_EQ(Picker.Text(), "08:16:00");
}

TEST(TimePickerDropDown, TypedTimesOutOfRangeLeaveTheTime)
{
    TTimeForm Form(nullptr);
    TExtTimePickerDropDown& Picker = *Form.Picker;
    const std::pair<const char*, TDateTime> Cases[] = {
        {"09:15:30", EncodeTime(9, 15, 30, 0)},
        {"25:00:00", EncodeTime(9, 15, 30, 0)},
        {"10:61:00", EncodeTime(9, 15, 30, 0)},
        {"10:00:75", EncodeTime(9, 15, 30, 0)},
        {"23:59:59", EncodeTime(23, 59, 59, 0)},
    };
    for (const auto& [Typed, Expected] : Cases) {
        Picker.SetEditText(Typed); // as the edit's change sees a typed text
        EXPECT_EQ(Picker.Time(), Expected) << Typed;
    }
}
