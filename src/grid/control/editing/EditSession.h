#pragma once
#include <functional>
#include <string>

#include "grid/foundation/model/CellAddress.h"
#include "grid/control/ValueHold.h"
#include "grid/foundation/model/GridEnums.h"

// How an edit ended.
enum class TEditEnd {
    Accepted,  // the value is taken, the focus stays on the cell
    Cancelled, // the cell gets back the text from before editing
    MovedOn,   // the value is taken and the focus moves (a key, a click, a focus loss)
    Refused,   // the application refused the value: the editor opens again on the decided text
};

// One edit of a cell, in the text editor or a special one: what it edits, what Escape
// brings back, whether its value still awaits the application's verdict, and the one way
// it ends. Ending runs the steps the way it ended calls for, once: a second end that the
// first one's steps set off (hiding the editor moves the focus, whose loss ends the edit)
// does nothing.
class TEditSession {
public:
    // The steps of an end, each optional. Store reads the editor's value into the cell,
    // Close hides the editor, Restore puts the text back that the cell keeps (TextBefore
    // on a cancel, the decided text on a refusal), Done announces the end, or opens the
    // editor again after a refusal.
    struct TSteps {
        std::function<void()> Store = nullptr;
        std::function<void()> Close = nullptr;
        std::function<void()> Restore = nullptr;
        std::function<void()> Done = nullptr;
    };

    // Holds the session as validating for a scope: no editor opens and the cell is not
    // written from an editor meanwhile.
    [[nodiscard]] TValueHold<bool> HoldValidating() { return {FValidating, true}; }
    // Holds the session as loading an editor with its cell's text for a scope: the text it
    // takes is no typing, so it is neither announced nor written back.
    [[nodiscard]] TValueHold<bool> HoldLoading() { return {FLoading, true}; }
    // Holds the session as handing the focus back to the grid after an end for a scope:
    // the grid's arrival is no entering.
    [[nodiscard]] TValueHold<bool> HoldRefocus() { return {FRefocusing, true}; }
    // Holds the session as closing an editor of its own window for a scope: the focus that
    // arrives at the grid meanwhile comes from that editor, and the grid leaves it alone.
    [[nodiscard]] TValueHold<bool> HoldFocusFromEditor() { return {FFocusFromEditor, true}; }

    // The current cell's text as the focus found it: what Escape brings back. A refused
    // value that reopens the editor does not replace it.
    void Keep(std::string TextBefore);
    // Opens the edit of Cell in an editor of Kind; its value awaits a verdict from here on.
    void Begin(TEditorType Kind, TStoredCell Cell = NoCell);
    // The cell edited last, by its stored row: what an end stores belongs there, wherever
    // the rows went meanwhile.
    TStoredCell Cell() const { return FCell; }
    // The rows changed: the edited cell's row now stands at Row, or left the grid (a
    // negative Row).
    void CellRowMoved(TRealRow Row) { FCell.Row = Row; }
    static constexpr TStoredCell NoCell{TRealCol(-1), TRealRow(-1)};
    // Open from Begin until an end starts.
    bool Open() const { return FOpen; }
    // Open in a special editor (any but the text editor, whose edit the grid may resume
    // as it moves the editor along with its cell).
    bool SpecialEditorOpen() const;
    // An end's steps are running.
    bool Ending() const { return FEnding; }
    // The value is being validated (or the cell written) and no editor may store over it.
    bool Validating() const { return FValidating; }
    bool Loading() const { return FLoading; }
    bool Refocusing() const { return FRefocusing; }
    bool FocusFromEditor() const { return FFocusFromEditor; }
    // The value was edited and awaits the application's verdict.
    bool AwaitsVerdict() const { return FAwaitsVerdict; }
    // The value needs no verdict any more: it was decided, or nothing will be stored.
    void Settle() { FAwaitsVerdict = false; }
    // The last end was not a refusal.
    bool LastAccepted() const { return FLastEnd != TEditEnd::Refused; }
    TEditorType Kind() const { return FKind; }
    const std::string& TextBefore() const { return FTextBefore; }
    // False, running nothing, when no edit is open; a refusal ends an edit whose editor
    // closed already, as long as its value is validated. A refused edit goes on: open when
    // its editor was, and Done opens the editor again otherwise.
    bool End(TEditEnd How, const TSteps& Steps);

private:
    TEditorType FKind = edNormal;
    TStoredCell FCell = NoCell;
    std::string FTextBefore;
    TEditEnd FLastEnd = TEditEnd::Accepted;
    bool FOpen = false;
    bool FEnding = false;
    bool FValidating = false;
    bool FLoading = false;
    bool FRefocusing = false;
    bool FFocusFromEditor = false;
    bool FAwaitsVerdict = false;
    bool FReopening = false;
};
