#include "grid/dropdown/CalculatorEngine.h"

#include <cmath>

#include "grid/dropdown/EditNumberText.h"
#include "platform/rtl/SysUtils.h"

namespace {
// Operation codes of the pending operation, as the keypad's keys order them.
constexpr int kNone = -1, kAdd = 0, kMultiply = 1, kSubtract = 2, kDivide = 3;

std::string GeneralText(long double Value) { return Format("%g", {static_cast<double>(Value)}); }
} // namespace

long double TCalculator::DisplayNumber() const
{
    double Value = 0;
    return TryStrToFloat(StripThousandSeparators(FDisplay.Text()), Value) ? Value : 0;
}

void TCalculator::EmptyOrErrorBecomesZero()
{
    const std::string Text = FDisplay.Text();
    if (Text.empty() || Text == "Error") FDisplay.SetText("0");
}

void TCalculator::StartEntry()
{
    FNewval = true;
    FDecim = 0;
}

void TCalculator::Clear()
{
    FDisplay.SetText("0");
    FPrevval = 0;
    FPrevop = kNone;
}

void TCalculator::Calculate()
{
    EmptyOrErrorBecomesZero();
    const long double X = DisplayNumber();
    switch (FPrevop) {
    case kAdd: FPrevval = X + FPrevval; break;
    case kMultiply: FPrevval = X * FPrevval; break;
    case kSubtract: FPrevval = FPrevval - X; break;
    case kDivide:
        if (X == 0) {
            FPrevval = 0;
            FDisplay.SetText("Error");
            return;
        }
        FPrevval = FPrevval / X;
        break;
    default: FPrevval = X; break;
    }
    // An overflow zeroes the accumulator.
    if (!std::isfinite(static_cast<double>(FPrevval))) FPrevval = 0;
    FDisplay.Show(FPrevval);
    FNewval = true;
}

void TCalculator::Equals()
{
    Calculate();
    if (FDisplay.Text().empty()) FDisplay.SetText("0");
    FPrevop = kNone;
    // The accumulator carries the shown, rounded result.
    if (FDisplay.Text() != "Error") FPrevval = DisplayNumber();
}

void TCalculator::Percent()
{
    EmptyOrErrorBecomesZero();
    FDisplay.SetText(GeneralText(FPrevval * DisplayNumber() / 100));
}

void TCalculator::Operation(char Op)
{
    Calculate();
    FPrevop = Op == '+' ? kAdd : Op == '-' ? kSubtract : Op == '*' ? kMultiply : kDivide;
}

void TCalculator::Digit(int Value)
{
    if ((FDisplay.Number() == 0 && FDecim == 0) || FNewval) {
        FDisplay.SetText(std::to_string(Value));
        FNewval = false;
        return;
    }
    // A negative number grows away from zero, as typed digits read.
    const double Number = FDisplay.Number();
    const double Signed = Number < 0 ? -Value : Value;
    if (FDecim == 0) {
        FDisplay.Show(Number * 10 + Signed);
    } else {
        FDisplay.Show(Number + Signed / FDecim);
        FDecim *= 10;
    }
}

void TCalculator::Point()
{
    const std::string Separator(1, FormatSettings().DecimalSeparator);
    if (FDisplay.Text().find(Separator) == std::string::npos) FDisplay.SetText(FDisplay.Text() + Separator);
    FDecim = 10;
    if (FNewval) FDisplay.SetText("0");
    FNewval = false;
}

void TCalculator::ToggleSign()
{
    const std::string Text = FDisplay.Text();
    FDisplay.SetText(Text.find('-') != std::string::npos ? Text.substr(1) : "-" + Text);
}

void TCalculator::Back()
{
    if (FPrevop >= 0) return;
    std::string Text = GeneralText(FDisplay.Number());
    if (!Text.empty()) Text.pop_back();
    FDisplay.SetText(Text);
}

void TCalculator::Key(int Code)
{
    if ((Code >= ckAdd && Code <= ckSign) || (Code >= ckClear && Code <= ckPercent)) FDecim = 0;
    const bool Typing = (Code >= 0 && Code <= 9) || Code == ckSign || Code == ckPoint;
    const int Max = FDisplay.MaxLength();
    if (Typing && Max > 0 && static_cast<int>(FDisplay.Text().size()) == Max) return;
    switch (Code) {
    case ckAdd: Operation('+'); break;
    case ckSubtract: Operation('-'); break;
    case ckMultiply: Operation('*'); break;
    case ckDivide: Operation('/'); break;
    case ckSign: ToggleSign(); break;
    case ckPoint: Point(); break;
    case ckClear:
    case ckOn:
    case ckClearEntry: Clear(); break;
    case ckEquals: Equals(); break;
    case ckPercent: Percent(); break;
    case ckBack: Back(); break;
    case ckMemoryClear: FMVal = 0; break;
    case ckMemoryRecall: FDisplay.Show(FMVal); break;
    case ckMemoryStore: FMVal = DisplayNumber(); break;
    case ckMemoryAdd: FMVal += DisplayNumber(); break;
    case ckSquareRoot:
        if (FDisplay.Number() >= 0) FDisplay.Show(std::sqrt(FDisplay.Number()));
        else FDisplay.SetText("Error");
        break;
    case ckReciprocal:
        if (FDisplay.Number() != 0) FDisplay.Show(1.0 / FDisplay.Number());
        else FDisplay.SetText("Error");
        break;
    default:
        if (Code < 0 || Code > 9) return;
        Digit(Code);
        break;
    }
    FDisplay.MarkModified();
}
