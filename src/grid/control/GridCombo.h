#pragma once
#include <string>

#include "grid/foundation/editors/EsgComboBox.h"

class TExtStringGrid;

// The string grid's combo editor for the editable combo and the list combo kinds: it
// completes typed text, validates the value on the keys that leave the cell, and reports
// item changes to the grid's events. The grid shows it over the cell and reads it back.
class TGridCombo : public TEsgComboBox {
public:
    explicit TGridCombo(TExtStringGrid* AGrid);

    // The width of the opened list, from the items' text widths; never narrower than the
    // editor.
    void SizeDropDownWidth();
    // Completes the text up to the caret from the items, then from the grid's lookup items.
    void DoChange();
    // The value the editor stands for: a list combo on which nothing was picked stands for
    // the cell's own text.
    std::string Value() const;
    bool Picked() const { return Style() != csDropDownList || ItemIndex() >= 0; }
    // Selects the item equal to the text, or none.
    void SelectValue(const std::string& Text);
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnReturnKey;
    // The item the last completion used, and whether one happened.
    int ItemIdx = -1;
    bool ItemChange = false;

protected:
    void Change() override;
    // A pick from the list, by mouse or by keys.
    void Select() override;
    // The text is selected, so that a typed character replaces it.
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    bool IsHandledKey(Word Key) const;
    // Stores and validates the value for a key that leaves the cell; on refusal the editor
    // shows the grid's corrected text. True when accepted.
    bool ValidateForExit();
    // Reports the picked item to the grid once per item.
    void NotifyPick();
    // A wheel turn towards the user (Delta below 0) picks the next item, away the previous;
    // it stops at either end, and reports the item even then.
    void WheelPick(int Delta);

    TExtStringGrid* FGrid;
    bool WorkMode = true;
    int FNotifiedIndex = -1;
    // The caret when the last key went down.
    int FSelKeyDown = 0;
};
