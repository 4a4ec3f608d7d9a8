#include "grid/control/editing/EditSession.h"

#include <utility>

#include "grid/control/editing/EditorKinds.h"

void TEditSession::Keep(std::string TextBefore)
{
    if (!FReopening) FTextBefore = std::move(TextBefore);
}

void TEditSession::Begin(TEditorType Kind, TStoredCell Cell)
{
    FKind = Kind;
    FCell = Cell;
    FOpen = true;
    FAwaitsVerdict = true;
}

bool TEditSession::SpecialEditorOpen() const
{
    return FOpen && EditorKindOf(FKind).Family != TEditorFamily::Text;
}

bool TEditSession::End(TEditEnd How, const TSteps& Steps)
{
    const bool refused = How == TEditEnd::Refused;
    if (!FOpen && !(refused && FValidating)) return false;
    const bool editorWasOpen = FOpen;
    FOpen = false;
    FLastEnd = How;
    const auto run = [](const std::function<void()>& Step) {
        if (Step) Step();
    };
    {
        TValueHold<bool> ending(FEnding, true);
        const bool stores = How == TEditEnd::Accepted || How == TEditEnd::MovedOn;
        if (stores) run(Steps.Store);
        run(Steps.Close);
        if (!stores) run(Steps.Restore);
        if (How == TEditEnd::Cancelled) FAwaitsVerdict = false;
        if (!refused) run(Steps.Done);
    }
    if (refused) {
        // The edit goes on, in the editor still open or in one opened again on the kept
        // cell, as an edit the verdict is still due for.
        TValueHold<bool> editorsMayOpen(FValidating, false), reopening(FReopening, true);
        FOpen = editorWasOpen;
        FAwaitsVerdict = true;
        run(Steps.Done);
    }
    return true;
}
