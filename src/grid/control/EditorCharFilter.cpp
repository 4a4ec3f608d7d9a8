#include "grid/control/EditorCharFilter.h"

#include "grid/foundation/text/NameText.h"
#include "grid/foundation/text/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Beep.h"

namespace {

constexpr char32_t Backspace = 8, Tab = 9, Enter = 13, Escape = 27;

bool IsControlKey(char32_t Ch) { return Ch == Backspace || Ch == Tab || Ch == Enter || Ch == Escape; }
bool IsDigit(char32_t Ch) { return Ch >= '0' && Ch <= '9'; }
bool Holds(const std::string& Text, char Ch) { return Text.find(Ch) != std::string::npos; }

std::string Utf8Char(char32_t Ch)
{
    std::string s;
    utf8::Append(s, Ch);
    return s;
}

TCharFilterResult Verdict(TCharVerdict V, char32_t Ch) { return {V, Ch}; }

TCharFilterResult FilterNumeric(const TTypedChar& T, bool AllowMinus)
{
    if (IsControlKey(T.Ch) || IsDigit(T.Ch)) return Verdict(TCharVerdict::Pass, T.Ch);
    if (AllowMinus && T.Ch == '-' && !Holds(T.Text, '-') && T.SelStart == 0)
        return Verdict(TCharVerdict::Pass, T.Ch);
    return Verdict(TCharVerdict::Beep, T.Ch);
}

TCharFilterResult FilterFloat(const TTypedChar& T, bool AllowMinus)
{
    const TFormatSettings& fs = FormatSettings();
    const bool candidate =
        IsControlKey(T.Ch) || IsDigit(T.Ch) || T.Ch == ',' || T.Ch == '.' || (T.Ch == '-' && AllowMinus);
    if (!candidate) return Verdict(T.Ctrl ? TCharVerdict::Pass : TCharVerdict::Drop, T.Ch);
    const std::string selected = Copy(T.Text, T.SelStart + 1, T.SelLength);
    if (T.Ch == static_cast<char32_t>(fs.DecimalSeparator) && Holds(T.Text, fs.DecimalSeparator) &&
        !Holds(selected, fs.DecimalSeparator))
        return Verdict(TCharVerdict::Drop, T.Ch);
    if (T.Ch == static_cast<char32_t>(fs.ThousandSeparator)) return Verdict(TCharVerdict::Drop, T.Ch);
    if (T.Ch == '-' && (T.SelStart != 0 || Holds(T.Text, '-')) && !Holds(selected, '-'))
        return Verdict(TCharVerdict::Beep, T.Ch);
    return Verdict(TCharVerdict::Pass, T.Ch);
}

TCharFilterResult FilterValidChars(const TTypedChar& T)
{
    const bool listed = T.ValidChars.empty() ? T.Ch <= 255 : Pos(Utf8Char(T.Ch), T.ValidChars) > 0;
    if (listed || T.Ch == Backspace || T.Ch == Enter) return Verdict(TCharVerdict::Pass, T.Ch);
    return Verdict(TCharVerdict::Beep, T.Ch);
}

char32_t ToUpper(char32_t Ch) { return Ch >= 'a' && Ch <= 'z' ? Ch - 32 : Ch; }
char32_t ToLower(char32_t Ch) { return Ch >= 'A' && Ch <= 'Z' ? Ch + 32 : Ch; }

bool NumberSuits(const std::string& Text, bool AllowSeparators, bool AllowMinus)
{
    const int kind = ClassifyNumberText(Text);
    const bool number = kind == ntInteger || (AllowSeparators && kind == ntSeparated);
    return number && (AllowMinus || !Holds(Text, '-'));
}

} // namespace

TCharFilterResult FilterTypedChar(const TTypedChar& T)
{
    switch (T.Kind) {
    case edNumeric:
        return FilterNumeric(T, true);
    case edPositiveNumeric:
        return FilterNumeric(T, false);
    case edFloat:
        return FilterFloat(T, true);
    case edPositiveFloat:
        return FilterFloat(T, false);
    case edCapital:
    case edUpperCase:
        return Verdict(TCharVerdict::Pass, ToUpper(T.Ch));
    case edLowerCase:
        return Verdict(TCharVerdict::Pass, ToLower(T.Ch));
    case edValidChars:
        return FilterValidChars(T);
    default:
        return Verdict(TCharVerdict::Pass, T.Ch);
    }
}

bool AcceptPastedText(TEditorType Kind, const std::string& ValidChars, std::string& Text)
{
    switch (Kind) {
    case edNumeric:
    case edPositiveNumeric:
        return NumberSuits(Text, false, Kind == edNumeric);
    case edFloat:
    case edPositiveFloat:
        return NumberSuits(Text, true, Kind == edFloat);
    case edMixedCase:
        Text = CapitalizeName(Text);
        return true;
    case edLowerCase:
        Text = AnsiLowerCase(Text);
        return true;
    case edUpperCase:
        Text = AnsiUpperCase(Text);
        return true;
    case edValidChars:
        for (int i = 1; i <= Length(Text); ++i)
            if (Pos(Copy(Text, i, 1), ValidChars) == 0) return false;
        return true;
    default:
        return true;
    }
}

TEditorType TypingRuleOf(TEditorType Kind)
{
    switch (Kind) {
    case edNumericEditBtn:
    case edNumericUnitEditBtn:
        return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn:
        return edFloat;
    default:
        return edNormal;
    }
}

bool PassesTypingRule(TEditorType Rule, const TCustomEdit& Edit, const TMessage& Message)
{
    const bool ctrl = KeyDataToShiftState(Message.LParam).Contains(ssCtrl);
    const TCharFilterResult result = FilterTypedChar({Rule, Edit.Text(), Edit.SelStart(), Edit.SelLength(),
                                                      static_cast<char32_t>(Message.WParam), ctrl, ""});
    if (result.Verdict == TCharVerdict::Beep) Beep();
    return result.Verdict == TCharVerdict::Pass;
}
