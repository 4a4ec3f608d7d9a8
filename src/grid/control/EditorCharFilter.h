#pragma once
#include <string>

#include "grid/foundation/model/GridEnums.h"

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

// Whether a text resulting from a paste suits the kind; the case kinds change it to their
// case (the mixed case capitalises it as a name).
bool AcceptPastedText(TEditorType Kind, const std::string& ValidChars, std::string& Text);
