#pragma once
#include <functional>
#include <string>

#include "grid/foundation/model/GridEnums.h"

// How an edit ended.
enum class TEditEnd {
    Accepted,  // the value is taken, the focus stays on the cell
    Cancelled, // the cell gets back the text from before editing
    MovedOn,   // the value is taken and the focus moves (a key, a click, a focus loss)
};

// One edit of a cell in a special editor (any editor but the base grid's text editor): what
// it edits, what Escape brings back, and the one way it ends. Ending runs the steps the way
// it ended calls for, once: a second end that the first one's steps set off (hiding the
// editor moves the focus, whose loss ends the edit) does nothing.
class TEditSession {
public:
    // The steps of an end, each optional. Store reads the editor's value into the cell,
    // Close hides the editor, Restore puts TextBefore back, Done announces the end.
    struct TSteps {
        std::function<void()> Store = nullptr;
        std::function<void()> Close = nullptr;
        std::function<void()> Restore = nullptr;
        std::function<void()> Done = nullptr;
    };

    void Begin(TEditorType Kind, std::string TextBefore);
    // Open from Begin until an end starts.
    bool Open() const { return FOpen; }
    // An end's steps are running.
    bool Ending() const { return FEnding; }
    TEditorType Kind() const { return FKind; }
    const std::string& TextBefore() const { return FTextBefore; }
    // False, running nothing, when no edit is open.
    bool End(TEditEnd How, const TSteps& Steps);

private:
    TEditorType FKind = edNormal;
    std::string FTextBefore;
    bool FOpen = false;
    bool FEnding = false;
};
