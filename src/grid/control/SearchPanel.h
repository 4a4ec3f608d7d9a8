#pragma once
#include <string>

#include "grid/control/settings/ControlLook.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"

class TExtCheckBox;
class TExtGridButton;
class TSearchFooter;

// The search edit of the search bar: Enter finds the next occurrence and Ctrl+Enter the
// previous one, with no line break and no beep.
class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;
    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
};

// The search bar along the grid's bottom edge: a close button, the search edit, buttons to
// find the next and the previous occurrence, a highlight toggle and a match-case box. The
// find and highlight buttons wait for a text in the edit.
class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TComponent* AOwner);

    TRetEdit* EditControl() const { return FEdit; }
    TExtGridButton* ForwardButton() const { return FForwardButton; }
    TExtGridButton* BackwardButton() const { return FBackwardButton; }
    TExtGridButton* HiliteButton() const { return FHiliteButton; }
    TExtGridButton* ExitButton() const { return FExitButton; }
    TExtCheckBox* MatchCase() const { return FMatchCase; }

    // Clears to Color when none, else a vertical gradient from Color to ColorTo.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    // The colour of the line along the top edge.
    TColor LineColor = clGray;

    // Takes the footer's colours, font, texts, visibility and the flat or themed look of
    // the buttons; the grid's height places the shown bar at its bottom.
    void ApplySettings(const TSearchFooter& Footer, TControlLook::TControlStyle Style, bool AutoThemeAdapt,
                       int GridHeight);

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

protected:
    void Paint() override;
    void Resize() override;

private:
    void EditChanged();
    TExtGridButton* NewButton(const TNotifyEvent& Event, const TRect& Place);
    // Puts each part at its left edge, counted from the right edge under a right-to-left grid.
    void PlaceParts();
    bool UseRightToLeftAlignment() const;

    TRetEdit* FEdit = nullptr;
    TExtGridButton* FForwardButton = nullptr;
    TExtGridButton* FBackwardButton = nullptr;
    TExtGridButton* FHiliteButton = nullptr;
    TExtGridButton* FExitButton = nullptr;
    TExtCheckBox* FMatchCase = nullptr;
    TColor FColorTo = clNone;
    int FMatchCaseLeft;
};
