#include "grid/dropdown/TypedInput.h"

#include <algorithm>
#include <cmath>

#include "grid/dropdown/EditNumberText.h"
#include "grid/foundation/text/NameText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Messages.h"

namespace {
constexpr char32_t kBackspace = 8, kTab = 9, kLineFeed = 10, kReturn = 13;

// The edit text split around its value, in characters.
struct TValueParts {
    std::u32string Text;
    int ValueStart = 0;
    int ValueEnd = 0;
    std::u32string Value() const { return Text.substr(ValueStart, ValueEnd - ValueStart); }
};

TValueParts SplitValue(const std::string& EditText, const std::string& Prefix, const std::string& Suffix)
{
    TValueParts Parts{utf8::Decode(EditText)};
    const std::u32string Lead = utf8::Decode(Prefix), Trail = utf8::Decode(Suffix);
    const int Size = static_cast<int>(Parts.Text.size());
    if (Parts.Text.compare(0, Lead.size(), Lead) == 0) Parts.ValueStart = static_cast<int>(Lead.size());
    Parts.ValueEnd = Size;
    if (Size - Parts.ValueStart >= static_cast<int>(Trail.size()) &&
        Parts.Text.compare(Size - Trail.size(), Trail.size(), Trail) == 0)
        Parts.ValueEnd = Size - static_cast<int>(Trail.size());
    return Parts;
}

bool IsDigit(char32_t Ch) { return Ch >= '0' && Ch <= '9'; }
char32_t Decimal() { return static_cast<unsigned char>(FormatSettings().DecimalSeparator); }
char32_t Thousand() { return static_cast<unsigned char>(FormatSettings().ThousandSeparator); }
int Find(const std::u32string& Text, char32_t Ch)
{
    const size_t At = Text.find(Ch);
    return At == std::u32string::npos ? -1 : static_cast<int>(At);
}
bool SelectionHas(const TEditState& State, char32_t Ch)
{
    const std::u32string Text = utf8::Decode(State.Text);
    const int Start = std::clamp(State.SelStart, 0, static_cast<int>(Text.size()));
    return Text.substr(Start, State.SelLength).find(Ch) != std::u32string::npos;
}
TInputResult Refused(const TEditState& State) { return {false, State, false}; }
TInputResult Changed(const TEditState& Before, const TEditState& After)
{
    return {true, After, After.Text != Before.Text};
}
} // namespace

TEditState TypeInto(const TEditState& State, char32_t Ch)
{
    std::u32string Text = utf8::Decode(State.Text);
    int Start = std::clamp(State.SelStart, 0, static_cast<int>(Text.size()));
    const int Count = std::clamp(State.SelLength, 0, static_cast<int>(Text.size()) - Start);
    if (Ch == kTab || Ch == kReturn || Ch == kLineFeed) return State; // a single-line edit types none of them
    if (Ch == kBackspace) {
        if (Count > 0) Text.erase(Start, Count);
        else if (Start > 0) Text.erase(--Start, 1);
        return {utf8::Encode(Text), Start, 0};
    }
    Text.replace(Start, Count, 1, Ch);
    return {utf8::Encode(Text), Start + 1, 0};
}

std::string TTypedInput::ValueOf(const std::string& EditText) const
{
    return utf8::Encode(SplitValue(EditText, Prefix, Suffix).Value());
}

std::string TTypedInput::NormalizedValue(const std::string& Value) const
{
    std::string Result = Value;
    if (Result.empty() && (IsNumberType() || EditType == etHex)) Result = "0";
    if (Precision > 0 && !Result.empty() && Result != "Error") {
        if (EditType == etMoney) Result = Format("%.*n", {Precision, ParseFloatText(Result)});
        else if (EditType == etFloat) Result = Format("%.*f", {Precision, ParseFloatText(Result)});
    }
    if (EditType == etHex) Result = UpperCase(Result);
    return Result;
}

std::string TTypedInput::FloatValueText(double X) const
{
    const bool General = Precision < 0;
    switch (EditType) {
    case etString:
    case etFloat:
        return NormalizedValue(General ? Format("%g", {X}) : Format("%.*f", {Precision, X}));
    case etNumeric:
        return NormalizedValue(General ? Format("%g", {X}) : Format("%.*n", {Precision, X}));
    case etMoney:
        return MoneyText(NormalizedValue(General ? Format("%g", {X}) : Format("%.*f", {Precision, X})));
    case etHex:
        return NormalizedValue(IntToHex(static_cast<int64_t>(std::trunc(X)), 0));
    default:
        return NormalizedValue("");
    }
}

std::string TTypedInput::IntValueText(int N) const
{
    switch (EditType) {
    case etNumeric:
    case etFloat:
        return NormalizedValue(IntToStr(N));
    case etMoney:
        return MoneyText(NormalizedValue(IntToStr(N)));
    case etHex:
        return NormalizedValue(IntToHex(N, 0));
    default:
        return NormalizedValue("");
    }
}

double TTypedInput::FloatValue(const std::string& Value) const
{
    switch (EditType) {
    case etString: {
        double X = 0;
        return TryStrToFloat(Value, X) ? X : 0;
    }
    case etMoney: {
        std::string Plain = StripThousandSeparators(Value);
        if (!Plain.empty() && Plain.back() == FormatSettings().DecimalSeparator) Plain.pop_back();
        return Plain.empty() || Plain == "-" ? 0 : ParseFloatText(Plain);
    }
    case etNumeric:
    case etFloat:
        return Value.empty() || Value == "Error" || Value == "-" ? 0 : ParseFloatText(Value);
    case etHex:
        return static_cast<double>(HexTextToInt(Value));
    default:
        return 0;
    }
}

std::string TTypedInput::MoneyText(const std::string& Value) const
{
    if (Value.empty()) return Value;
    const std::string Sign = Value[0] == '-' ? "-" : "";
    const size_t DecimalAt = Value.find(FormatSettings().DecimalSeparator);
    const std::string Kept = DecimalAt == std::string::npos ? "" : Value.substr(DecimalAt, 255);
    const double Whole = std::trunc(std::fabs(FloatValue(Value)));
    std::string Integer = AutoThousandSeparator ? Format("%n", {Whole}) : Format("%f", {Whole});
    Integer.resize(std::min(Integer.size(), Integer.find(FormatSettings().DecimalSeparator)));
    return Sign + Integer + Kept;
}

TEditState TTypedInput::FormatMoney(const TEditState& State) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    const std::string Value = utf8::Encode(Parts.Value());
    if (Value.empty()) return State;
    const std::string Money = MoneyText(Value);
    const int FromEnd = std::max(Parts.ValueEnd - State.SelStart, 0);
    const int Caret = Parts.ValueStart + std::max(Length(Money) - FromEnd, 0);
    return {Shown(Money), Caret, 0};
}

int TTypedInput::CountIntDigits(const std::string& Value) const
{
    const std::u32string Plain = utf8::Decode(StripThousandSeparators(Value));
    const int At = Find(Plain, Decimal());
    int Count = At < 0 ? static_cast<int>(Plain.size()) + 1 : At + 1;
    if (Signed && IsNumberType() && Find(Plain, '-') >= 0) --Count;
    return Count;
}

int TTypedInput::DecimalCaretLimit(const std::string& EditText) const
{
    const TValueParts Parts = SplitValue(EditText, Prefix, Suffix);
    const int At = Find(Parts.Value(), Decimal());
    return At < 0 ? static_cast<int>(Parts.Text.size()) + 1 : Parts.ValueStart + At + 1;
}

TEditState TTypedInput::SelectValue(const TEditState& State) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    return {State.Text, Parts.ValueStart, Parts.ValueEnd - Parts.ValueStart};
}

TEditState TTypedInput::ClampToValue(const TEditState& State) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    TEditState Result = State;
    if (!Prefix.empty() && State.SelStart < Parts.ValueStart) return SelectValue(State);
    if (!Suffix.empty()) {
        if (State.SelStart > Parts.ValueEnd) return {State.Text, Parts.ValueEnd, 0};
        Result.SelLength = std::min(State.SelLength, Parts.ValueEnd - State.SelStart);
    }
    return Result;
}

bool TTypedInput::LengthLimitReached(const TEditState& State, char32_t Ch) const
{
    if (LengthLimit <= 0 || State.SelLength != 0 || Ch == kBackspace || Ch == Decimal()) return false;
    if (Ch == '-' && Signed && IsNumberType()) return false;
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    const std::string Value = utf8::Encode(Parts.Value());
    const int DecimalAt = Find(Parts.Value(), Decimal());
    const bool LeftOfDecimal = DecimalAt < 0 || State.SelStart - Parts.ValueStart <= DecimalAt;
    return LeftOfDecimal && CountIntDigits(Value) - 1 >= LengthLimit;
}

// A separator typed into grouped digits must land three digits from a thousand separator.
bool TTypedInput::ThousandSpacingRefuses(const TEditState& State) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    std::u32string Rest = Parts.Value();
    int Caret = State.SelStart - Parts.ValueStart;
    int Smallest = -1;
    for (int At = Find(Rest, Thousand()); At >= 0; At = Find(Rest, Thousand())) {
        const int Position = At + 1;
        const int Distance = std::abs(Position - Caret);
        Smallest = Smallest < 0 ? Distance : std::min(Smallest, Distance);
        // Both measures continue in the rest of the value after this separator.
        Caret -= Position;
        Rest.erase(0, Position);
    }
    return Smallest >= 0 && Smallest != 3;
}

TInputResult TTypedInput::ToggleSign(const TEditState& State) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    std::u32string Value = Parts.Value();
    if (State.SelLength > 0 && State.SelStart <= Parts.ValueStart && State.SelStart + State.SelLength >= Parts.ValueEnd)
        return Changed(State, {Shown("-"), Parts.ValueStart + 1, 0});
    int Caret = State.SelStart;
    if (Find(Value, '-') < 0) {
        Value.insert(0, 1, '-');
        ++Caret;
    } else if (!Value.empty()) {
        Value.erase(0, 1);
        Caret = std::max(Caret - 1, Parts.ValueStart);
    }
    return Changed(State, {Shown(utf8::Encode(Value)), Caret, 0});
}

TInputResult TTypedInput::TypeNumber(const TEditState& State, char32_t Ch) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    const std::u32string Value = Parts.Value();
    const int DecimalAt = Find(Value, Decimal());
    const int Caret = State.SelStart - Parts.ValueStart;
    const auto BehindDecimal = [&](const TEditState& S) {
        const TValueParts P = SplitValue(S.Text, Prefix, Suffix);
        const int At = Find(P.Value(), Decimal());
        return TEditState{S.Text, At < 0 ? S.SelStart : P.ValueStart + At + 1, 0};
    };
    if (Ch == Decimal()) {
        if (EditType == etMoney) {
            TEditState Current = State;
            const bool WholeValue = State.SelLength > 0 && Caret <= 0 && Caret + State.SelLength >= static_cast<int>(Value.size());
            if (Precision > 0 && WholeValue)
                Current = {Shown(NormalizedValue(std::string("0") + FormatSettings().DecimalSeparator + "0")), 0, 0};
            if (ValueOf(Current.Text).find(FormatSettings().DecimalSeparator) != std::string::npos || Precision == 0) {
                if (Precision <= 0) return Refused(State);
                TInputResult Moved = Changed(State, BehindDecimal(Current));
                Moved.Accepted = Moved.State != State;
                return Moved;
            }
        } else if (!SelectionHas(State, Ch) && (DecimalAt >= 0 || Precision == 0)) {
            if (Precision > 0 && DecimalAt >= 0) return {true, BehindDecimal(State), false};
            return Refused(State);
        }
    }
    if (EditType == etFloat && Ch == ',' && Thousand() != ',' && Find(Value, ',') >= 0 && !SelectionHas(State, ','))
        return Refused(State);
    if ((Ch == Thousand() || Ch == Decimal()) && Find(Value, Thousand()) >= 0 && ThousandSpacingRefuses(State))
        return Refused(State);
    const int Decimals = DecimalAt < 0 ? 0 : static_cast<int>(Value.size()) - DecimalAt - 1;
    const int AfterCaret = static_cast<int>(Value.size()) - Caret;
    TEditState Target = State;
    if (Precision > 0 && DecimalAt >= 0 && Caret > DecimalAt && AfterCaret <= Precision && Decimals >= Precision) {
        if (Ch == Decimal() || (IsDigit(Ch) && AfterCaret == 0)) return Refused(State);
        if (IsDigit(Ch) && State.SelLength == 0) Target.SelLength = 1; // the digit overwrites the next one
    }
    if (Ch == Decimal() && Value.empty() && Caret == 0)
        return Changed(State, {Shown(std::string("0") + FormatSettings().DecimalSeparator), Parts.ValueStart + 2, 0});
    if (Signed && Ch == '-' && State.SelLength == 0) return ToggleSign(State);
    return Changed(State, TypeInto(Target, Ch));
}

TInputResult TTypedInput::TypeByKind(const TEditState& State, char32_t Ch, TCharModifiers Modifiers) const
{
    const bool Control = Ch == kTab || Ch == kReturn;
    const auto Typed = [&](char32_t C) { return Changed(State, TypeInto(State, C)); };
    switch (EditType) {
    case etString:
    case etPassword:
        return Typed(Ch);
    case etNumeric:
        if (Ch == '-') return ToggleSign(State);
        return IsDigit(Ch) || Control || Modifiers.Ctrl ? Typed(Ch) : Refused(State);
    case etFloat:
        if (!(IsDigit(Ch) || Control || Ch == ',' || Ch == '-' || Ch == '.')) return Refused(State);
        if ((Ch == ',' || Ch == '.') && Ch != Decimal() && Ch != Thousand()) return Refused(State);
        return TypeNumber(State, Ch);
    case etUppercase:
    case etLowerCase: {
        std::string One;
        utf8::Append(One, Ch);
        const std::string Cased = EditType == etUppercase ? AnsiUpperCase(One) : AnsiLowerCase(One);
        return Typed(utf8::Decode(Cased).front());
    }
    case etMixedCase: {
        const TEditState After = TypeInto(State, Ch);
        return Changed(State, {Shown(CapitalizeName(ValueOf(After.Text))), State.SelStart + 1, 0});
    }
    case etMoney: {
        if (!(IsDigit(Ch) || Control || Ch == '-' || Ch == Decimal())) return Refused(State);
        TInputResult Result = TypeNumber(State, Ch);
        const std::string Value = ValueOf(Result.State.Text);
        if (Result.Accepted && Ch != Decimal() && !Value.empty() && Value != "-") {
            Result.State = FormatMoney(Result.State);
            Result.MarkModified = Result.State.Text != State.Text;
        }
        return Result;
    }
    case etRange: {
        if (!(IsDigit(Ch) || Control || IsRangeSeparator(Ch))) return Refused(State);
        if (IsRangeSeparator(Ch)) {
            const std::u32string Text = utf8::Decode(State.Text);
            const int Caret = State.SelStart;
            const int PrefixEnd = SplitValue(State.Text, Prefix, Suffix).ValueStart;
            const bool Before = Caret > 0 && Caret <= static_cast<int>(Text.size()) && IsRangeSeparator(Text[Caret - 1]);
            const bool After = Caret < static_cast<int>(Text.size()) && IsRangeSeparator(Text[Caret]);
            if (Caret <= PrefixEnd || Before || After) return Refused(State);
        }
        return Typed(Ch);
    }
    case etHex:
        return IsDigit(Ch) || Control || Ch == '-' || (Ch >= 'A' && Ch <= 'F') || (Ch >= 'a' && Ch <= 'f') ? Typed(Ch)
                                                                                                              : Refused(State);
    case etAlphaNumeric:
        return IsDigit(Ch) || Control || (Ch >= 'A' && Ch <= 'Z') || (Ch >= 'a' && Ch <= 'z') ? Typed(Ch) : Refused(State);
    case etValidChars:
        return utf8::Decode(ValidChars).find(Ch) != std::u32string::npos ? Typed(Ch) : Refused(State);
    }
    return Refused(State);
}

TInputResult TTypedInput::TypeChar(const TEditState& State, char32_t Ch, TCharModifiers Modifiers) const
{
    if (ExcelStyleDecimalSeparator && Modifiers.KeypadDecimal && (Ch == '.' || Ch == ','))
        Ch = Decimal();
    const int ValueStart = SplitValue(State.Text, Prefix, Suffix).ValueStart;
    if (Ch == kBackspace && State.SelStart <= ValueStart && State.SelLength == 0) return Refused(State);
    if (LengthLimitReached(State, Ch)) return Refused(State);
    if (Ch == kBackspace) return Changed(State, TypeInto(State, Ch));
    if (Ch == kLineFeed && Modifiers.Ctrl) return Refused(State);
    if (Ch == '-' && IsNumberType() && !Signed) return Refused(State);
    return TypeByKind(State, Ch, Modifiers);
}

TInputResult TTypedInput::Paste(const TEditState& State, const std::string& ClipText) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    const std::u32string Value = Parts.Value(), Clip = utf8::Decode(ClipText);
    const int Start = std::clamp(State.SelStart - Parts.ValueStart, 0, static_cast<int>(Value.size()));
    const int Count = std::clamp(State.SelLength, 0, static_cast<int>(Value.size()) - Start);
    if (MaxLength > 0 && static_cast<int>(Clip.size() + Value.size()) - Count > MaxLength) return Refused(State);
    std::u32string Joined = Value;
    Joined.replace(Start, Count, Clip);
    std::string NewValue = utf8::Encode(Joined);
    const auto Every = [&](auto Allowed) { return std::all_of(Clip.begin(), Clip.end(), Allowed); };
    const bool HasMinus = NewValue.find('-') != std::string::npos;
    switch (EditType) {
    case etString:
    case etPassword:
        NewValue = NormalizedValue(NewValue);
        break;
    case etNumeric:
        if (ClassifyEditNumberText(NewValue) != enkInteger || (!Signed && HasMinus)) return Refused(State);
        NewValue = NormalizedValue(NewValue);
        break;
    case etFloat:
    case etMoney: {
        const TEditNumberKind Kind = ClassifyEditNumberText(NewValue);
        if ((Kind != enkInteger && Kind != enkDecimal) || (!Signed && HasMinus) ||
            (Precision == 0 && ClipText.find(FormatSettings().DecimalSeparator) != std::string::npos))
            return Refused(State);
        NewValue = FloatValueText(FloatValue(NewValue));
        break;
    }
    case etUppercase:
        NewValue = AnsiUpperCase(NewValue);
        break;
    case etLowerCase:
        NewValue = AnsiLowerCase(NewValue);
        break;
    case etMixedCase:
        NewValue = CapitalizeName(NewValue);
        break;
    case etAlphaNumeric:
        if (!Every([](char32_t C) { return IsDigit(C) || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }))
            return Refused(State);
        break;
    case etValidChars: {
        const std::u32string Valid = utf8::Decode(ValidChars);
        if (!Every([&](char32_t C) { return Valid.find(C) != std::u32string::npos; })) return Refused(State);
        break;
    }
    case etRange:
    case etHex:
        return Refused(State);
    }
    TEditState After{Shown(NewValue), Parts.ValueStart + Start, 0};
    const int NewLength = Length(NewValue);
    if (EditType == etMoney && NewLength > 3) After.SelLength = NewLength;
    else if (Count > 0) After.SelLength = std::min(static_cast<int>(Clip.size()), NewLength - Start);
    else After.SelStart = Parts.ValueStart + std::min(Start + static_cast<int>(Clip.size()), NewLength);
    return {true, After, true};
}

TKeyResult TTypedInput::KeyDown(const TEditState& State, int Key, bool Shift) const
{
    const TValueParts Parts = SplitValue(State.Text, Prefix, Suffix);
    const int SelEnd = State.SelStart + State.SelLength;
    TKeyResult Pass{koPass, State, false};
    switch (Key) {
    case VK_RIGHT:
        if (!Suffix.empty() && SelEnd >= Parts.ValueEnd) return {koSwallow, State, false};
        return Pass;
    case VK_LEFT:
        if (!Prefix.empty() && SelEnd <= Parts.ValueStart) return {koSwallow, State, false};
        return Pass;
    case VK_END:
        if (Suffix.empty()) return Pass;
        return {koConsumed, Shift ? TEditState{State.Text, State.SelStart, Parts.ValueEnd - State.SelStart} : TEditState{State.Text, Parts.ValueEnd, 0}, false};
    case VK_HOME:
        if (Prefix.empty()) return Pass;
        return {koConsumed, Shift ? SelectValue(State) : TEditState{State.Text, Parts.ValueStart, 0}, false};
    case VK_BACK:
        Pass.MarkModified = Prefix.empty() || State.SelStart > Parts.ValueStart + 1;
        return Pass;
    case VK_DELETE: {
        if (!Suffix.empty() && SelEnd >= Parts.ValueEnd && State.SelLength == 0) return {koSwallow, State, false};
        if (State.SelStart < Parts.ValueStart) return Pass;
        std::u32string Left = Parts.Value();
        const int Start = std::min(State.SelStart - Parts.ValueStart, static_cast<int>(Left.size()));
        Left.erase(Start, State.SelLength > 0 ? State.SelLength : 1);
        if (LengthLimit > 0 && CountIntDigits(utf8::Encode(Left)) - 1 > LengthLimit) return {koSwallow, State, false};
        Pass.MarkModified = true;
        return Pass;
    }
    default:
        return Pass;
    }
}
