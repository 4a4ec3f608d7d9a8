#pragma once
#include <string>

#include "grid/dropdown/DropDownTypes.h"

// An edit's text with its selection, positions counted in characters from 0.
struct TEditState {
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
    bool operator==(const TEditState&) const = default;
};

// What a typed character, key or paste does to the edit.
struct TInputResult {
    bool Accepted = false;      // false: the edit is left as it was
    TEditState State;           // the edit after the input
    bool MarkModified = false;  // the value counts as changed by the user
};

// What a key does before the edit's own key handling.
enum TKeyOutcome {
    koPass,     // the edit handles the key as usual
    koSwallow,  // nothing happens
    koConsumed  // the key moved the caret to State
};

struct TKeyResult {
    TKeyOutcome Outcome = koPass;
    TEditState State;
    bool MarkModified = false;
};

// Modifier state of a typed character.
struct TCharModifiers {
    bool Ctrl = false;
    bool KeypadDecimal = false; // typed with the numeric keypad's decimal key
};

// The typed-input rules of a drop-down edit: which characters, keys and pastes its input type
// accepts, and how its value text is normalised, read and written as a number. The value is the
// edit text between the fixed leading and trailing texts. Pure: it works on an edit state, so
// the control applies the results and tests need no window.
class TTypedInput {
public:
    TDropDownEditType EditType = etString;
    int Precision = 0;       // decimals of etFloat and etMoney; negative: general format
    int LengthLimit = 0;     // most digits before the decimal separator; 0: no limit
    std::string Prefix;
    std::string Suffix;
    bool Signed = false;
    std::string ValidChars;
    bool ExcelStyleDecimalSeparator = false;
    bool AutoThousandSeparator = true;
    bool AllowNumericNullValue = false;
    int MaxLength = 0;

    bool IsNumberType() const { return EditType == etNumeric || EditType == etFloat || EditType == etMoney; }
    std::string ValueOf(const std::string& EditText) const;
    std::string Shown(const std::string& Value) const { return Prefix + Value + Suffix; }

    // The value as SetText stores it: "0" for an empty number, the decimals of Precision,
    // hexadecimal in upper case.
    std::string NormalizedValue(const std::string& Value) const;
    // The value texts that SetFloatValue and SetIntValue show.
    std::string FloatValueText(double X) const;
    std::string IntValueText(int N) const;
    double FloatValue(const std::string& Value) const;
    // The money value with its integer part grouped again; the caret keeps its distance from
    // the end of the value.
    TEditState FormatMoney(const TEditState& State) const;

    // A typed character (not Enter, Escape or the clipboard keys, which the control routes).
    TInputResult TypeChar(const TEditState& State, char32_t Ch, TCharModifiers Modifiers) const;
    // A paste of clipboard text; not Accepted when the input type refuses it.
    TInputResult Paste(const TEditState& State, const std::string& ClipText) const;
    // Right, Left, Home, End, Delete and Backspace (virtual key codes) keep the caret out of the
    // leading and trailing text; Delete respects LengthLimit.
    TKeyResult KeyDown(const TEditState& State, int Key, bool Shift) const;

    // The selection that covers exactly the value.
    TEditState SelectValue(const TEditState& State) const;
    // Caret and selection pulled back from the leading and trailing text.
    TEditState ClampToValue(const TEditState& State) const;
    // The caret just behind the decimal separator, or behind the value when it has none.
    int DecimalCaretLimit(const std::string& EditText) const;
    int CountIntDigits(const std::string& Value) const;

private:
    TInputResult TypeByKind(const TEditState& State, char32_t Ch, TCharModifiers Modifiers) const;
    TInputResult TypeNumber(const TEditState& State, char32_t Ch) const;
    TInputResult ToggleSign(const TEditState& State) const;
    std::string MoneyText(const std::string& Value) const;
    bool LengthLimitReached(const TEditState& State, char32_t Ch) const;
    bool ThousandSpacingRefuses(const TEditState& State) const;
};

// The character typed over the selection, or a Backspace applied, as the plain edit does.
TEditState TypeInto(const TEditState& State, char32_t Ch);
