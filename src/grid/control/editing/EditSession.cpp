#include "grid/control/editing/EditSession.h"

#include <utility>

void TEditSession::Begin(TEditorType Kind, std::string TextBefore)
{
    FKind = Kind;
    FTextBefore = std::move(TextBefore);
    FOpen = true;
}

bool TEditSession::End(TEditEnd How, const TSteps& Steps)
{
    if (!FOpen) return false;
    FOpen = false;
    FEnding = true;
    const auto run = [](const std::function<void()>& Step) {
        if (Step) Step();
    };
    try {
        if (How != TEditEnd::Cancelled) run(Steps.Store);
        run(Steps.Close);
        if (How == TEditEnd::Cancelled) run(Steps.Restore);
        run(Steps.Done);
    } catch (...) {
        FEnding = false;
        throw;
    }
    FEnding = false;
    return true;
}
