#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/dropdown/CalculatorEngine.h"
#include "grid/dropdown/TypedInput.h"

namespace {
// The edit's value as a float input with two decimals formats it.
class TFakeDisplay : public TCalculatorDisplay {
public:
    TFakeDisplay()
    {
        Input.EditType = etFloat;
        Input.Precision = 2;
    }
    std::string Text() const override { return Value; }
    void SetText(const std::string& V) override { Value = Input.NormalizedValue(V); }
    void Show(long double V) override { Value = Input.FloatValueText(static_cast<double>(V)); }
    double Number() const override { return Input.FloatValue(Value); }
    int MaxLength() const override { return Max; }
    void MarkModified() override { Modified = true; }

    TTypedInput Input;
    std::string Value = "0.00";
    int Max = 0;
    bool Modified = false;
};

// Keys as typed on the keypad: digits, + - * / = % . and the named keys.
int CodeOf(const std::string& Key)
{
    if (Key.size() == 1 && Key[0] >= '0' && Key[0] <= '9') return Key[0] - '0';
    static const std::vector<std::pair<std::string, int>> Names = {
        {"+", ckAdd}, {"-", ckSubtract}, {"*", ckMultiply}, {"/", ckDivide}, {"+/-", ckSign}, {".", ckPoint},
        {"C", ckClear}, {"=", ckEquals}, {"%", ckPercent}, {"Back", ckBack}, {"MC", ckMemoryClear},
        {"MR", ckMemoryRecall}, {"MS", ckMemoryStore}, {"M+", ckMemoryAdd}, {"sqrt", ckSquareRoot}, {"1/x", ckReciprocal}};
    for (const auto& [Name, Code] : Names)
        if (Name == Key) return Code;
    return -1;
}

struct CalcCase {
    const char* Name;
    std::vector<std::string> Keys;
    std::string Shown;
};
} // namespace

TEST(Calculator, KeySequences)
{
    const std::vector<CalcCase> Cases = {
        {"add", {"1", "2", "+", "3", "="}, "15.00"},
        {"equals again keeps", {"1", "2", "+", "3", "=", "="}, "15.00"},
        {"rounded result carries on", {"1", "/", "3", "=", "*", "3", "="}, "0.99"},
        {"percent", {"2", "0", "0", "+", "1", "0", "%"}, "20.00"},
        {"percent then equals", {"2", "0", "0", "+", "1", "0", "%", "="}, "220.00"},
        {"divide by zero", {"5", "/", "0", "="}, "Error"},
        {"a digit after an error starts anew", {"5", "/", "0", "=", "7"}, "7.00"},
        {"fraction digits", {"9", "=", ".", "3", "7"}, "0.37"},
        {"a third fraction digit rounds", {"9", "=", ".", "3", "7", "6"}, "0.38"},
        {"back", {"1", "2", "3", "Back"}, "12.00"},
        {"back with an operation pending", {"1", "2", "3", "+", "Back"}, "123.00"},
        {"negative digits extend", {"5", "+/-", "3"}, "-53.00"},
        {"negative decimals extend", {"5", "+/-", ".", "3"}, "-5.30"},
        {"square root of a negative", {"4", "+/-", "sqrt"}, "Error"},
        {"reciprocal of zero", {"1/x"}, "Error"},
        {"reciprocal", {"4", "1/x"}, "0.25"},
        {"memory", {"7", "MS", "C", "2", "M+", "MR"}, "9.00"},
        {"clear", {"7", "+", "C", "3", "="}, "3.00"},
    };
    for (const CalcCase& C : Cases) {
        TFakeDisplay Display;
        TCalculator Calc(Display);
        for (const std::string& Key : C.Keys)
            Calc.Key(CodeOf(Key));
        EXPECT_EQ(Display.Value, C.Shown) << C.Name;
    }
}

TEST(Calculator, MemoryReadsGroupedNumbersAndALoneMinusIsZero)
{
    TFakeDisplay Display;
    Display.Input.EditType = etMoney;
    TCalculator Calc(Display);
    Display.Value = "1,234.50";
    Calc.Key(ckMemoryStore);
    Calc.Key(ckMemoryAdd);
    EXPECT_EQ(Calc.Memory(), 2469.0L);
    Display.Value = "-";
    Calc.Key(ckEquals);
    EXPECT_EQ(Calc.Accumulator(), 0.0L);
}

TEST(Calculator, MaxLengthStopsTyping)
{
    TFakeDisplay Display;
    Display.Max = 5;
    TCalculator Calc(Display);
    Calc.Key(1);
    Calc.Key(2);
    EXPECT_EQ(Display.Value, "12.00");
    Display.Modified = false;
    Calc.Key(3);
    EXPECT_EQ(Display.Value, "12.00");
    EXPECT_FALSE(Display.Modified);
}
