#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/dropdown/EditNumberText.h"
#include "grid/dropdown/TypedInput.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Messages.h"

namespace {
// Typing starts from Start and types every character of Keys; "\b" is Backspace.
struct TypingCase {
    const char* Name;
    std::function<void(TTypedInput&)> Setup;
    TEditState Start;
    std::u32string Keys;
    TEditState Expected;
    bool Ctrl = false;
};

TTypedInput Input(const std::function<void(TTypedInput&)>& Setup)
{
    TTypedInput In;
    Setup(In);
    return In;
}

auto Kind(TDropDownEditType Type, int Precision = 0, bool Signed = false)
{
    return [=](TTypedInput& In) {
        In.EditType = Type;
        In.Precision = Precision;
        In.Signed = Signed;
    };
}
} // namespace

TEST(TypedInput, TypingFollowsTheInputType)
{
    const auto Units = [](TTypedInput& In) {
        In.Prefix = "$";
        In.Suffix = " kg";
    };
    const auto Limited = [](TTypedInput& In) {
        In.EditType = etFloat;
        In.Precision = 2;
        In.LengthLimit = 3;
    };
    const std::vector<TypingCase> Cases = {
        {"float: a second separator only moves the caret", Kind(etFloat, 2), {"12.34", 1, 0}, U".", {"12.34", 3, 0}},
        {"float: a digit before the last decimal overwrites", Kind(etFloat, 2), {"12.34", 3, 0}, U"9", {"12.94", 4, 0}},
        {"float: a digit behind full decimals is refused", Kind(etFloat, 2), {"12.34", 5, 0}, U"9", {"12.34", 5, 0}},
        {"float: separator into empty gives 0.", Kind(etFloat, 2), {"", 0, 0}, U".", {"0.", 2, 0}},
        {"float: no separator without decimals", Kind(etFloat, 0), {"12", 2, 0}, U".", {"12", 2, 0}},
        {"float: letters and minus refused", Kind(etFloat, 2), {"1", 1, 0}, U"a-", {"1", 1, 0}},
        {"money: digits are grouped as typed", Kind(etMoney, 2), {"", 0, 0}, U"12345", {"12,345", 6, 0}},
        {"money: whole value and separator give 0.00", Kind(etMoney, 2), {"1,234.50", 0, 8}, U".", {"0.00", 2, 0}},
        {"money: a separator off the grouping is refused", Kind(etMoney, 2), {"1,234", 3, 0}, U".", {"1,234", 3, 0}},
        {"numeric: digits only", Kind(etNumeric), {"", 0, 0}, U"1a2", {"12", 2, 0}},
        {"numeric: anything with Ctrl", Kind(etNumeric), {"", 0, 0}, U"x", {"x", 1, 0}, true},
        {"numeric signed: minus toggles", Kind(etNumeric, 0, true), {"12", 2, 0}, U"-", {"-12", 3, 0}},
        {"numeric signed: minus twice", Kind(etNumeric, 0, true), {"12", 2, 0}, U"--", {"12", 2, 0}},
        {"numeric signed: minus over the whole value", Kind(etNumeric, 0, true), {"12", 0, 2}, U"-", {"-", 1, 0}},
        {"range: no separator first or twice", Kind(etRange), {"", 0, 0}, U",1,-;2", {"1,2", 3, 0}},
        {"hex: letters A-F only", Kind(etHex), {"", 0, 0}, U"fgA", {"fA", 2, 0}},
        {"alphanumeric", Kind(etAlphaNumeric), {"", 0, 0}, U"a-1 B", {"a1B", 3, 0}},
        {"uppercase converts", Kind(etUppercase), {"", 0, 0}, U"aé", {"AÉ", 2, 0}},
        {"lowercase converts", Kind(etLowerCase), {"", 0, 0}, U"AB", {"ab", 2, 0}},
        {"mixed case capitalises the name", Kind(etMixedCase), {"", 0, 0}, U"ann lee", {"Ann Lee", 7, 0}},
        {"prefix: backspace cannot eat it", Units, {"$12 kg", 1, 0}, U"\b", {"$12 kg", 1, 0}},
        {"prefix: backspace inside the value", Units, {"$12 kg", 3, 0}, U"\b", {"$1 kg", 2, 0}},
        {"length limit: no fourth digit", Limited, {"123", 3, 0}, U"4.5", {"123.5", 5, 0}},
        {"valid chars", [](TTypedInput& In) { In.EditType = etValidChars; In.ValidChars = "ab"; }, {"", 0, 0}, U"abcab", {"abab", 4, 0}},
    };
    for (const auto& C : Cases) {
        const TTypedInput In = Input(C.Setup);
        TEditState State = C.Start;
        for (const char32_t Ch : C.Keys) {
            const TInputResult R = In.TypeChar(State, Ch, {C.Ctrl, false});
            if (R.Accepted) State = R.State;
        }
        EXPECT_EQ(State.Text, C.Expected.Text) << C.Name;
        EXPECT_EQ(State.SelStart, C.Expected.SelStart) << C.Name;
        EXPECT_EQ(State.SelLength, C.Expected.SelLength) << C.Name;
    }
}

TEST(TypedInput, TypingMarksOnlyChangesModified)
{
    const TTypedInput In = Input(Kind(etFloat, 2));
    EXPECT_FALSE(In.TypeChar({"12.34", 1, 0}, '.', {}).MarkModified);
    EXPECT_TRUE(In.TypeChar({"12.34", 3, 0}, '9', {}).MarkModified);
    TTypedInput Excel = Input(Kind(etFloat, 2));
    Excel.ExcelStyleDecimalSeparator = true;
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    EXPECT_EQ(Excel.TypeChar({"12", 2, 0}, '.', {false, true}).State.Text, "12,");
    FormatSettings().DecimalSeparator = '.';
    FormatSettings().ThousandSeparator = ',';
}

TEST(TypedInput, PastesAreCheckedByType)
{
    struct PasteCase {
        const char* Name;
        std::function<void(TTypedInput&)> Setup;
        TEditState Start;
        std::string Clip;
        bool Accepted;
        TEditState Expected;
    };
    const std::vector<PasteCase> Cases = {
        {"range ignores pastes", Kind(etRange), {"1", 1, 0}, "2", false, {"1", 1, 0}},
        {"hex ignores pastes", Kind(etHex), {"1", 1, 0}, "A", false, {"1", 1, 0}},
        {"numeric refuses a letter", Kind(etNumeric), {"1", 1, 0}, "2a", false, {"1", 1, 0}},
        {"numeric refuses a minus unsigned", Kind(etNumeric), {"1", 0, 0}, "-", false, {"1", 0, 0}},
        {"numeric inserts at the caret", Kind(etNumeric), {"3", 1, 0}, "12", true, {"312", 3, 0}},
        {"float without decimals refuses a separator", Kind(etFloat, 0), {"", 0, 0}, "1.5", false, {"", 0, 0}},
        {"float is re-formatted", Kind(etFloat, 2), {"", 0, 0}, "1.5", true, {"1.50", 3, 0}},
        {"money is grouped and selected", Kind(etMoney, 2), {"", 0, 0}, "1234567", true, {"1,234,567.00", 0, 12}},
        {"string replaces the selection, which stays selected", Kind(etString), {"abcd", 1, 2}, "XYZ", true, {"aXYZd", 1, 3}},
        {"alphanumeric refuses a blank", Kind(etAlphaNumeric), {"", 0, 0}, "a b", false, {"", 0, 0}},
        {"max length", [](TTypedInput& In) { In.MaxLength = 3; }, {"ab", 2, 0}, "cd", false, {"ab", 2, 0}},
        {"prefix and suffix stay", [](TTypedInput& In) { In.Prefix = "<"; In.Suffix = ">"; }, {"<ab>", 2, 0}, "é", true, {"<aéb>", 3, 0}},
    };
    for (const auto& C : Cases) {
        const TInputResult R = Input(C.Setup).Paste(C.Start, C.Clip);
        EXPECT_EQ(R.Accepted, C.Accepted) << C.Name;
        if (R.Accepted) {
            EXPECT_EQ(R.State, C.Expected) << C.Name << ": " << R.State.Text << " " << R.State.SelStart << "," << R.State.SelLength;
        }
    }
}

TEST(TypedInput, ValueTextsAndNumbers)
{
    EXPECT_EQ(Input(Kind(etNumeric)).NormalizedValue(""), "0");
    EXPECT_EQ(Input(Kind(etFloat, 2)).NormalizedValue(""), "0.00");
    EXPECT_EQ(Input(Kind(etFloat, 2)).NormalizedValue("Error"), "Error");
    EXPECT_EQ(Input(Kind(etMoney, 2)).NormalizedValue("1234.5"), "1,234.50");
    EXPECT_EQ(Input(Kind(etHex)).NormalizedValue("ff"), "FF");
    EXPECT_EQ(Input(Kind(etString)).NormalizedValue(""), "");

    EXPECT_EQ(Input(Kind(etFloat, 3)).FloatValueText(2.5), "2.500");
    EXPECT_EQ(Input(Kind(etFloat, -1)).FloatValueText(2.5), "2.5");
    EXPECT_EQ(Input(Kind(etMoney, 0)).FloatValueText(-1234567.0), "-1,234,567");
    EXPECT_EQ(Input(Kind(etHex)).FloatValueText(255.9), "FF");
    EXPECT_EQ(Input(Kind(etMoney)).IntValueText(12345), "12,345");
    EXPECT_EQ(Input(Kind(etPassword)).IntValueText(5), "");

    EXPECT_EQ(Input(Kind(etNumeric)).FloatValue("-"), 0);
    EXPECT_EQ(Input(Kind(etFloat)).FloatValue("Error"), 0);
    EXPECT_EQ(Input(Kind(etFloat)).FloatValue("1,234.5"), 1234.5);
    EXPECT_EQ(Input(Kind(etMoney)).FloatValue("1,234."), 1234);
    EXPECT_EQ(Input(Kind(etHex)).FloatValue("FF"), 255);
    EXPECT_EQ(Input(Kind(etString)).FloatValue("abc"), 0);

    TTypedInput Money = Input(Kind(etMoney, 2));
    Money.Prefix = "$";
    EXPECT_EQ(Money.FormatMoney({"$-12345.6", 4, 0}), (TEditState{"$-12,345.6", 5, 0}));
    Money.AutoThousandSeparator = false;
    EXPECT_EQ(Money.FormatMoney({"$12345.6", 3, 0}).Text, "$12345.6");
}

TEST(TypedInput, KeysKeepTheCaretOutOfLeadingAndTrailingText)
{
    TTypedInput In;
    In.Prefix = "$";
    In.Suffix = " kg";
    const TEditState At1{"$12 kg", 1, 0}, AtEnd{"$12 kg", 3, 0};
    EXPECT_EQ(In.KeyDown(At1, VK_LEFT, false).Outcome, koSwallow);
    EXPECT_EQ(In.KeyDown(AtEnd, VK_RIGHT, false).Outcome, koSwallow);
    EXPECT_EQ(In.KeyDown(AtEnd, VK_DELETE, false).Outcome, koSwallow);
    EXPECT_EQ(In.KeyDown(At1, VK_RIGHT, false).Outcome, koPass);
    EXPECT_EQ(In.KeyDown(At1, VK_END, false).State, (TEditState{"$12 kg", 3, 0}));
    EXPECT_EQ(In.KeyDown(At1, VK_END, true).State, (TEditState{"$12 kg", 1, 2}));
    EXPECT_EQ(In.KeyDown(AtEnd, VK_HOME, false).State, (TEditState{"$12 kg", 1, 0}));
    EXPECT_EQ(In.KeyDown(AtEnd, VK_HOME, true).State, (TEditState{"$12 kg", 1, 2}));
    EXPECT_EQ(In.ClampToValue({"$12 kg", 0, 0}), (TEditState{"$12 kg", 1, 2}));
    EXPECT_EQ(In.ClampToValue({"$12 kg", 5, 0}), (TEditState{"$12 kg", 3, 0}));
    EXPECT_EQ(In.ClampToValue({"$12 kg", 2, 4}), (TEditState{"$12 kg", 2, 1}));

    TTypedInput Limited = Input(Kind(etFloat, 2));
    Limited.LengthLimit = 3;
    // Deleting the separator of 123.45 would leave five digits before the decimals.
    EXPECT_EQ(Limited.KeyDown({"123.45", 3, 0}, VK_DELETE, false).Outcome, koSwallow);
    EXPECT_TRUE(Limited.KeyDown({"123.45", 4, 0}, VK_DELETE, false).MarkModified);
}

TEST(EditNumberText, ClassifiesAndConverts)
{
    const std::vector<std::pair<std::string, TEditNumberKind>> Cases = {
        {"123", enkInteger}, {"-12", enkInteger}, {"1.5", enkDecimal}, {"1,234.5", enkDecimal},
        {",123", enkOther},  {"1,2,3", enkOther}, {"1f", enkHex},      {"", enkOther},
        {"--1", enkOther},   {"1.2.3", enkOther}, {"x", enkOther},
    };
    for (const auto& [Text, Kind] : Cases)
        EXPECT_EQ(ClassifyEditNumberText(Text), Kind) << Text;
    EXPECT_EQ(HexTextToInt("1aF"), 0x1AF);
    EXPECT_EQ(ParseFloatText("1,234.25"), 1234.25);
    EXPECT_EQ(ParseFloatText("abc"), 0);
    EXPECT_TRUE(IsRangeSeparator(';'));
    EXPECT_FALSE(IsRangeSeparator('.'));
}
