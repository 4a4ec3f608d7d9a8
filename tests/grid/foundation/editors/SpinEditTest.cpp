#include <gtest/gtest.h>

#include "../Locale.h"
#include "grid/foundation/editors/EsgSpinEdit.h"
#include "platform/rtl/DateFormat.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {

class SpinEditTest : public testing::TestWithParam<TestLocale> {
protected:
    SpinEditTest() : locale(GetParam())
    {
        FormatSettings().ShortDateFormat = "dd/mm/yyyy";
        FormatSettings().LongTimeFormat = "hh:nn:ss";
        SetBeeper([this] { ++beeps; });
        Application->CreateForm(form);
        form->Show();
        edit = new TEsgSpinEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 22);
    }
    ~SpinEditTest() override
    {
        delete form;
        SetBeeper({});
        SetClock({});
    }
    // Types one character with the caret at `caret` and reports whether it got through.
    bool Types(const std::string& text, int caret, char32_t key, int selLength = 0)
    {
        edit->SetText(text);
        edit->SetSelStart(caret);
        edit->SetSelLength(selLength);
        const int before = beeps;
        edit->Perform(WM_CHAR, key, 0);
        return beeps == before;
    }

    LocaleScope locale;
    int beeps = 0;
    TForm* form = nullptr;
    TEsgSpinEdit* edit = nullptr;
};

TEST_P(SpinEditTest, IntegerValuesAreClampedUnlessTheLimitsAreEqual)
{
    EXPECT_EQ(edit->Text(), "0");
    struct Case {
        int min, max, value;
        const char* shown;
    };
    for (const Case& c : {Case{0, 100, 150, "100"}, Case{0, 100, -5, "0"}, Case{0, 0, -5, "-5"}, Case{0, 0, 12345, "12345"}}) {
        edit->SetMinValue(c.min);
        edit->SetMaxValue(c.max);
        edit->SetValue(c.value);
        EXPECT_EQ(edit->Text(), c.shown) << c.value;
    }
    edit->SetText("abc");
    edit->SetMinValue(7);
    EXPECT_EQ(edit->Value(), 7);
    edit->SetText("  ");
    EXPECT_EQ(edit->Value(), 0);
}

TEST_P(SpinEditTest, FloatTextFollowsPrecisionAndTheDecimalSeparator)
{
    edit->SetSpinType(sptFloat);
    edit->SetPrecision(2);
    edit->SetFloatValue(3.14159);
    EXPECT_EQ(edit->Text(), InLocale("3{d}14"));
    EXPECT_FALSE(Types(InLocale("3{d}14"), 4, '5'));
    EXPECT_TRUE(Types(InLocale("3{d}1"), 3, '5'));
    edit->SetPrecision(0);
    edit->SetFloatValue(2.5);
    EXPECT_EQ(edit->Text(), InLocale("2{d}5"));
    edit->SetMinFloatValue(1.5);
    edit->SetMinValue(7);
    edit->SetText("x");
    EXPECT_EQ(edit->FloatValue(), 7); // an unreadable text reads the integer minimum
}

TEST_P(SpinEditTest, TypedCharactersAreFilteredByKind)
{
    const char ds = FormatSettings().DecimalSeparator, ts = FormatSettings().ThousandSeparator;
    struct Case {
        TEsgSpinType kind;
        std::string text;
        int caret, selLength;
        char32_t key;
        bool accepted;
    };
    const Case cases[] = {
        {sptNormal, "12", 2, 0, '7', true},
        {sptNormal, "12", 2, 0, 'a', false},
        {sptNormal, "12", 2, 0, static_cast<char32_t>(ds), false},
        {sptNormal, "12", 0, 0, '-', true},
        {sptNormal, "12", 1, 0, '-', false},
        {sptNormal, "-12", 0, 0, '-', false},
        {sptNormal, "-12", 0, 1, '-', true},
        {sptFloat, "1", 1, 0, static_cast<char32_t>(ds), true},
        {sptFloat, std::string("1") + ds + "5", 3, 0, static_cast<char32_t>(ds), false},
        {sptFloat, std::string("1") + ds + "5", 1, 1, static_cast<char32_t>(ds), true},
        {sptFloat, "15", 2, 0, static_cast<char32_t>(ts), false},
        {sptTime, "12:30", 5, 0, ':', true},
        {sptTime, "12:30:1", 7, 0, ':', false},
        {sptTime, "12", 2, 0, 'x', false},
    };
    for (const Case& c : cases) {
        edit->SetSpinType(sptNormal);
        edit->SetMinValue(0);
        edit->SetMaxValue(0);
        TSpinCharContext context{c.kind, c.text, c.caret, c.selLength, 0, true};
        EXPECT_EQ(IsValidSpinChar(c.key, context), c.accepted) << c.text << " " << static_cast<char>(c.key);
    }
}

TEST_P(SpinEditTest, WithoutEditorOnlyStepsChangeTheText)
{
    edit->SetEditorEnabled(false);
    edit->SetValue(5);
    edit->SetFocus();
    EXPECT_FALSE(Types("5", 1, '3'));
    edit->SetSelStart(1);
    PressKey(VK_BACK, {}, edit);
    PressKey(VK_DELETE, {}, edit);
    EXPECT_EQ(edit->Text(), "5");
    PressKey(VK_UP, {}, edit);
    EXPECT_EQ(edit->Text(), "6");
    PressKey(VK_NEXT, {}, edit);
    EXPECT_EQ(edit->Text(), "5");
}

TEST_P(SpinEditTest, KeysStepEveryKindAndDoNotReachOnKeyDown)
{
    int keyDowns = 0;
    edit->OnKeyDown = [&](TObject*, Word&, TShiftState) { ++keyDowns; };
    edit->SetSpinType(sptFloat);
    edit->SetFloatValue(1);
    edit->SetFocus();
    PressKey(VK_PRIOR, {}, edit);
    PressKey(VK_UP, {}, edit);
    EXPECT_EQ(edit->Text(), InLocale("2{d}1"));
    EXPECT_EQ(keyDowns, 0);
    edit->SetReadOnly(true);
    PressKey(VK_UP, {}, edit);
    EXPECT_EQ(edit->Text(), InLocale("2{d}1"));
    EXPECT_EQ(beeps, 1);
}

TEST_P(SpinEditTest, TimeStepsWrapAroundMidnight)
{
    edit->SetSpinType(sptTime);
    edit->SetShowSeconds(false);
    edit->SetTimeValue(EncodeTime(23, 30, 0, 0));
    EXPECT_EQ(edit->Text(), "23:30");
    edit->SetSelStart(0);
    edit->StepUp(false);
    EXPECT_EQ(edit->Text(), "0:30");
    edit->SetSelStart(0);
    edit->StepDown(false);
    EXPECT_EQ(edit->Text(), "23:30");
    edit->SetSelStart(4);  // in the minutes
    edit->StepUp(false);
    EXPECT_EQ(edit->Text(), "23:31");
    edit->SetIncrementHours(24);
    edit->SetSelStart(0);
    EXPECT_THROW(edit->StepUp(false), EConvertError);
    EXPECT_EQ(edit->Text(), "23:31");
}

TEST_P(SpinEditTest, DateStepsTheFieldUnderTheCaret)
{
    const std::string sep(1, FormatSettings().DateSeparator);
    struct Case {
        const char* format;
        int caret;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"dd/mm/yyyy", 0, "31/01/2024", "01/02/2024"},
        {"dd/mm/yyyy", 4, "31/01/2024", "29/02/2024"},
        {"dd/mm/yyyy", 8, "15/06/2024", "15/06/2025"},
        {"mm/dd/yyyy", 0, "01/31/2024", "02/29/2024"},
        {"mm/dd/yyyy", 3, "01/31/2024", "02/01/2024"},
    };
    edit->SetSpinType(sptDate);
    for (const Case& c : cases) {
        FormatSettings().ShortDateFormat = c.format;
        edit->SetText(StringReplace(c.before, "/", sep, rfReplaceAll));
        edit->SetSelStart(c.caret);
        edit->StepUp(false);
        EXPECT_EQ(edit->Text(), StringReplace(c.after, "/", sep, rfReplaceAll)) << c.format << " " << c.caret;
    }
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    edit->SetText(StringReplace("29/02/2024", "/", sep, rfReplaceAll));
    edit->SetSelStart(8);
    EXPECT_THROW(edit->StepUp(false), EConvertError);
    SetClock([] { return EncodeDate(2030, 5, 6) + 0.5; });
    edit->SetText("0");
    EXPECT_EQ(edit->DateValue(), EncodeDate(2030, 5, 6) + 0.5);
}

TEST_P(SpinEditTest, HeldButtonRepeatsAfter400ThenEvery100Milliseconds)
{
    TExtTimerSpeedButton* up = edit->Button()->UpButton();
    up->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({3, 3}));
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_TRUE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(up->RepeatTimer()->Interval(), 400u);
    up->RepeatTimer()->OnTimer(up->RepeatTimer());
    EXPECT_EQ(up->RepeatTimer()->Interval(), 100u);
    up->RepeatTimer()->OnTimer(up->RepeatTimer());
    EXPECT_EQ(edit->Text(), "2");
    up->Perform(WM_LBUTTONUP, 0, PointToLParam({3, 3}));
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(edit->Text(), "3");  // the release over the button is a click too
    TExtTimerSpeedButton* down = edit->Button()->DownButton();
    ClickAt(down, 3, 3);
    EXPECT_EQ(edit->Text(), "2");
}

TEST_P(SpinEditTest, ExcelStyleKeypadDecimalTypesTheLocaleSeparator)
{
    edit->SetSpinType(sptFloat);
    edit->SetExcelStyleDecimalSeparator(true);
    edit->SetText("1");
    edit->SetFocus();
    edit->SetSelStart(1);
    edit->Perform(WM_CHAR, '.', 0x400000);
    EXPECT_EQ(edit->Text(), InLocale("1{d}"));
}

INSTANTIATE_TEST_SUITE_P(Locales, SpinEditTest, testing::Values(kEnglish, kGerman),
                         [](const testing::TestParamInfo<TestLocale>& info) { return std::string(info.param.Name); });

// The buttons stand one pixel clear of the right and bottom edges of the area inside the
// frame, and the frameless edit keeps them inside it too.
TEST(SpinEditLayout, ButtonsStayInsideTheEditWithAndWithoutFrame)
{
    TForm* form = nullptr;
    Application->CreateForm(form);
    for (const TFormBorderStyle style : {bsSingle, bsNone}) {
        auto* edit = new TEsgSpinEdit(form);
        edit->SetParent(form);
        edit->SetBorderStyle(style);
        edit->SetBounds(10, 10, 120, 24);
        const int frame = style == bsNone ? 0 : 2;
        const TEsgSpinButton* button = edit->Button();
        EXPECT_EQ(button->Left() + button->Width(), edit->Width() - frame - 1) << style;
        EXPECT_EQ(button->Top(), frame) << style;
        EXPECT_EQ(button->Top() + button->Height(), edit->Height() - frame - 1) << style;
    }
    delete form;
}

}  // namespace
