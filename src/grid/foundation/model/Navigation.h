#pragma once
#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/Component.h"

// The plain options of TNavigation, copied as a whole by Assign.
struct TNavigationOptions {
    bool AdvanceOnEnterLoop = true;
    bool AdvanceAutoEdit = true;
    bool AdvanceSkipReadOnlyCells = true;
    bool AllowCtrlEnter = true;
    bool AllowClipboardRowGrow = true;
    bool AllowClipboardColGrow = true;
    bool ComboGetUpDown = true;
    bool CopyHTMLTagsToClipboard = true;
    bool CursorWalkAlwaysEdit = true;
    bool EditSelectAll = true;
    bool LeftRightRowSelect = true;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;

    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AlwaysEdit = false;
    bool AdvanceOnEnter = false;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    bool AllowClipboardShortCuts = false;
    bool AllowSmartClipboard = false;
    bool AllowRTFClipboard = false;
    bool AllowFmtClipboard = false;
    bool AllowClipboardAlways = false;
    bool AppendOnArrowDown = false;
    bool CursorWalkEditor = false;
    bool CursorMoveRows = false;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool MoveScrollOnly = false;
    bool ImproveMaskSel = false;
    bool KeepHorizScroll = false;
    bool LineFeedOnEnter = false;
    bool TabToNextAtEnd = false;

    TAdvanceDirection TabAdvanceDirection = adLeftRight;
    TInsertPosition InsertPosition = pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    TCursorAdvance CursorAdvance = caDefault;
    THomeEndAction HomeEndKey = heFirstLastColumn;

protected:
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceInsert = false;
    bool FAdvanceAuto = false;
};

// Keyboard, editing-advance and clipboard behaviour of the grid. The options whose
// writers do more than store have accessors.
class TNavigation : public TPersistent, public TNavigationOptions {
public:
    // The owner is not kept.
    explicit TNavigation(TComponent*) {}

    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value); // OnChange when changed
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool Value); // OnChange when changed
    bool AdvanceAuto() const { return FAdvanceAuto; }
    // Turning it on turns AdvanceOnEnter on as well; turning it off leaves AdvanceOnEnter.
    void SetAdvanceAuto(bool Value);

    TNotifyEvent OnChange;

    // Copies every option but KeepScrollOnSort, firing nothing.
    void Assign(const TPersistent& Source) override;

private:
    void Changed();
};
