#pragma once
#include <string>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"

class TExtCheckBox;
class TExtGridButton;
class TSearchFooter;
struct TSearchPanelLayout;

// The search edit of the search bar: Enter finds the next occurrence, Ctrl+Enter the
// previous one, and neither beeps nor breaks the line.
class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;
    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
};

// The search bar along the bottom of the grid: close, search edit, find next, find
// previous, highlight toggle and match case.
class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TComponent* AOwner);

    TRetEdit* Edit() const { return FEdit; }
    TExtGridButton* ForwardButton() const { return FForwardButton; }
    TExtGridButton* BackwardButton() const { return FBackwardButton; }
    TExtGridButton* ExitButton() const { return FExitButton; }
    TExtGridButton* HiliteButton() const { return FHiliteButton; }
    TExtCheckBox* MatchCase() const { return FMatchCase; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    // Captions, hints, show flags and colours from the footer settings.
    void ApplyFooter(const TSearchFooter& Footer, TColor LineColor);

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

protected:
    void Paint() override;

private:
    void EditChanged();
    void PlaceChildren(const TSearchPanelLayout& Layout);

    TRetEdit* FEdit;
    TExtGridButton* FForwardButton;
    TExtGridButton* FBackwardButton;
    TExtGridButton* FExitButton;
    TExtGridButton* FHiliteButton;
    TExtCheckBox* FMatchCase;
    TColor FColorTo = clNone;
    TColor FLineColor = clSilver;
};
