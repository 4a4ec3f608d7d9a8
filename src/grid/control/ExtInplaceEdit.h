#pragma once
#include <string>

#include "grid/control/ExtGridEditEvents.h"
#include "platform/grids/Grids.h"

class TExtStringGrid;

// The string grid's text editor. It filters typed and pasted characters by the editor kind
// of its cell, completes typed text from the grid's lookup list, validates the value on the
// keys that leave the cell, and reports changes and clipboard use to the grid's events.
class TExtInplaceEdit : public TInplaceEdit {
public:
    explicit TExtInplaceEdit(TExtStringGrid* AGrid);

    // The most characters the text may hold; 0 or less: no limit.
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    // Completes the text up to the caret from the grid's lookup items.
    void DoChange();
    void UpdateContents() override;
    void WndProc(TMessage& Message) override;

protected:
    void Change() override;
    void BoundsChanged() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMLButtonDblClk(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    bool ForGrid(Word Key, TShiftState Shift) const override;

private:
    // Validates the text for the keys that leave the cell; on refusal the editor shows the
    // grid's corrected text and keeps the caret. True when accepted.
    bool ValidateForExit();
    void ShowDecidedText();
    void KeepCaretAfterRefusal();
    bool StoreAndValidateForExit();
    bool CtrlEnterBreaksLine() const;
    bool EnterBreaksLine() const;
    bool CaretAtEnd() const;
    bool FilledToAdvance() const;
    void Paste();
    bool ClipboardAllowed(const std::function<void(TObject*, bool&)>& Event);
    // The character filter of the cell's editor kind; false when the character is dropped.
    bool FilterChar(char32_t& Ch, bool Ctrl);

    TExtStringGrid* FGrid;
    int FLengthLimit = 0;
    bool FGotFocus = false;
    // Alt+Backspace is held down: a focus loss meanwhile leaves the edit open.
    bool FAltBack = false;
    bool Workmode = true;
    bool FRefusedReturn = false;
    int FSelKeyDown = 0;
    Word FLastKeyDown = 0;
    TEditorTextAlignment FTextAlignment;
    int FColE = -1;
    int FRowE = -1;
};
