#pragma once
#include "platform/ui/Messages.h"

// Where the released key takes the caret walk out of a cell editor: Left at the start of the
// text walks back, Right at its end walks forward, each with nothing selected, no shift key
// held, and the caret already at that end when the key went down (so the caret first
// reaches the end, and the next press leaves).
enum class TCursorWalk { None, Back, Forward };

struct TCaretAtKeyUp {
    int SelStart = 0;
    int SelLength = 0;
    int TextLength = 0;
    int SelStartAtKeyDown = 0;
};

TCursorWalk CursorWalkOf(Word Key, TShiftState Shift, const TCaretAtKeyUp& Caret);
