#pragma once
#include <string>

#include "platform/ui/Component.h"

// The base of the pluggable cell checkers: a checker corrects a cell text or marks the
// errors in it. The base changes nothing; concrete checkers override the virtual
// operations.
class TExtStringGridCheck : public TComponent {
public:
    explicit TExtStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

    bool GotoCell = false;      // move the grid's current cell to each cell before it is checked
    bool AutoCorrect = false;   // correct a cell when its editing ends
    bool AutoMarkError = false; // mark the errors of a cell when its editing ends
    bool UseCorrect = false;    // the checking operations call Correct
    bool UseMarkError = false;  // the checking operations call MarkError

    virtual std::string MarkError(int ACol, int ARow, const std::string& s) { return s; }
    virtual std::string Correct(int ACol, int ARow, const std::string& s) { return s; }
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    // The text of one cell after the checks the checker is set up for: Correct with
    // UseCorrect, then MarkError with UseMarkError. The cell counts as correct when the
    // result equals the text.
    std::string CheckText(int ACol, int ARow, const std::string& s);
};
