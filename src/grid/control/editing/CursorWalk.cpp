#include "grid/control/editing/CursorWalk.h"

TCursorWalk CursorWalkOf(Word Key, TShiftState Shift, const TCaretAtKeyUp& Caret)
{
    if (!Shift.Empty() || Caret.SelLength != 0) return TCursorWalk::None;
    const auto stays = [&](int At) { return Caret.SelStart == At && Caret.SelStartAtKeyDown == At; };
    if (Key == VK_LEFT && stays(0)) return TCursorWalk::Back;
    if (Key == VK_RIGHT && stays(Caret.TextLength)) return TCursorWalk::Forward;
    return TCursorWalk::None;
}
