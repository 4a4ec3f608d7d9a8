#include <algorithm>

#include "grid/control/BalloonWindow.h"
#include "grid/control/ExtStringGrid.h"

// The balloon that tells the user why the entry just typed was refused. It points at the
// editor that opened again on the refused text and goes when the user types or the edit ends.

TWinControl* TExtStringGrid::RefusedEntryEditor() const
{
    if (EditMode && !FEditSession.SpecialEditorOpen()) return InplaceEditor();
    return EditCtrl;
}

void TExtStringGrid::ShowInvalidEntryBalloon()
{
    if (InvalidEntryText.empty() && InvalidEntryTitle.empty()) return;
    TWinControl* editor = RefusedEntryEditor();
    if (!editor || !editor->Visible()) return;
    if (!FInvalidEntryBalloon) FInvalidEntryBalloon = new TBalloonWindow(this);
    FInvalidEntryBalloon->SetContent(InvalidEntryTitle, InvalidEntryText, static_cast<int>(InvalidEntryIcon));
    // The tip sits just under the start of the editor's text line.
    const TPoint tip{std::min(10, editor->Width() / 2), editor->Height() - 2};
    FInvalidEntryBalloon->ShowAt(editor->ClientToScreen(tip));
}

void TExtStringGrid::HideInvalidEntryBalloon()
{
    if (FInvalidEntryBalloon && FInvalidEntryBalloon->Visible()) FInvalidEntryBalloon->Hide();
}
