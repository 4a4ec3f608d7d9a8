#pragma once
#include <string>

#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/StdCtrls.h"

// What the text editor lets through of a typed character or a pasted text, by the editor
// kind of its cell.

enum class TCharVerdict { Pass, Beep, Drop };

struct TTypedChar {
    TEditorType Kind = edNormal;
    std::string Text;  // the editor's text before the character
    int SelStart = 0;  // characters
    int SelLength = 0; // characters
    char32_t Ch = 0;
    bool Ctrl = false;
    std::string ValidChars;
};

// The verdict, and the character that passes (upper- or lower-cased for the case kinds).
struct TCharFilterResult {
    TCharVerdict Verdict = TCharVerdict::Pass;
    char32_t Ch = 0;
};

TCharFilterResult FilterTypedChar(const TTypedChar& Typed);

// The typing rule of an edit-with-button or unit kind: the numeric or float text rule, or
// none (edNormal).
TEditorType TypingRuleOf(TEditorType Kind);

// Whether the character of a character message to the edit passes the rule; a refused one
// beeps where the rule says so.
bool PassesTypingRule(TEditorType Rule, const TCustomEdit& Edit, const TMessage& Message);

// Whether a text resulting from a paste suits the kind; the case kinds change it to their
// case (the mixed case capitalises it as a name).
bool AcceptPastedText(TEditorType Kind, const std::string& ValidChars, std::string& Text);
