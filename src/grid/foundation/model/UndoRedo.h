#pragma once
#include <functional>
#include <string>
#include <vector>

#include "grid/foundation/model/CellAddress.h"
#include "platform/ui/Component.h"

// What an undo history needs of the grid it works on; the base grid provides it.
class TUndoRedoGrid {
public:
    virtual ~TUndoRedoGrid() = default;
    // The cell text, through merged cells.
    virtual std::string Cells(int ACol, int ARow) const = 0;
    virtual void SetCells(int ACol, int ARow, const std::string& Value) = 0;
    // The display index of a real column.
    virtual int DisplColIndex(int ACol) const = 0;
    // The current cell.
    virtual int Col() const = 0;
    virtual void SetCol(int ACol) = 0;
    virtual void SetRow(int ARow) = 0;
    virtual void RepaintCell(int ACol, int ARow) = 0;
    virtual void RepaintGrid() = 0;
    // A grid that takes rows out of view maps between the rows it shows and the rows it
    // stores, and reaches a stored cell wherever its row is; a grid that shows every row
    // keeps the defaults.
    virtual TRealRow StoredRowAt(TDisplRow Row) const { return TRealRow(Row.Index()); }
    // False when the stored row is out of view.
    virtual bool IsRowShown(TRealRow Row) const { return Row.Index() >= 0; }
    virtual TDisplRow ShownRowOf(TRealRow Row) const { return TDisplRow(Row.Index()); }
    virtual std::string StoredCellText(TStoredCell Cell) const { return Cells(Cell.Col.Index(), Cell.Row.Index()); }
    virtual void SetStoredCellText(TStoredCell Cell, const std::string& Value)
    {
        SetCells(Cell.Col.Index(), Cell.Row.Index(), Value);
    }
};

// Col and Row name the stored cell, as the history keeps it.
using TExtGridUndoRedoEvent = std::function<void(TObject* Sender, TUndoRedoGrid* Grid, int Col, int Row,
                                                 const std::string& OrigValue, const std::string& NewValue)>;

// One entry of the history: a change of one cell's text, or a marker that opens or closes
// a sequence of changes undone and redone as one step (Col and Row -1, empty texts).
struct TUndoRedoItem {
    // The stored (real) row, not the display row the grid registered: a row hidden, shown
    // or filtered out after the change moves every display row below it, and an undo by
    // display row would write the old text into whichever row stands there by then.
    int Row = -1;
    int Col = -1;
    std::string Value;     // the text after the change
    std::string OrigValue; // the text before it
    bool SequenceStart = false;
    bool SequenceStop = false;

    bool IsMarker() const { return SequenceStart || SequenceStop; }
};

// The entries, oldest first.
class TUndoRedoCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const TUndoRedoItem& Items(int Index) const { return items_.at(Index); }
    void Add(const TUndoRedoItem& Item) { items_.push_back(Item); }
    // Deletes the entries First to Last, both included.
    void DeleteRange(int First, int Last) { items_.erase(items_.begin() + First, items_.begin() + Last + 1); }
    void Clear() { items_.clear(); }

private:
    std::vector<TUndoRedoItem> items_;
};

// The history of the cell-text changes of one grid. Entries 0 to Level - 1 can be undone
// (newest last), entries from Level on redone. The grid brackets changes of several cells
// with StartSequence and StopSequence, so that one step undoes or redoes them all.
//
// A marker is matched by the nearest marker beside it: a start whose next marker is a
// stop opens a sequence. Markers that match nothing (a sequence left open, a stop whose
// start was trimmed) are passed over as if they were not there and never touch a cell.
class TExtGridUndoRedo : public TComponent {
public:
    explicit TExtGridUndoRedo(TComponent* AOwner);

    const TUndoRedoCollection& Items() const { return items_; }
    int Level() const { return level_; }
    TUndoRedoGrid* Grid() const { return grid_; }
    void SetGrid(TUndoRedoGrid* AGrid);
    // The most entries RegisterChange keeps; 0: no limit. The oldest steps go first,
    // a sequence always as a whole.
    int MaxLevel = 0;

    // ARow is the display row of the change; the entry keeps the row stored there.
    virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();

    void Undo();
    void Redo();
    bool CanUndo() const { return level_ > 0; }
    bool CanRedo() const { return level_ < items_.Count(); }
    void Reset();

    TExtGridUndoRedoEvent OnUndo;
    TExtGridUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void AddMarker(bool Start);
    void DropOldestStep();
    // The index of the marker that closes the sequence opened at Index, or -1.
    int MatchingStop(int Index) const;
    // The index of the marker that opens the sequence closed at Index, or -1.
    int MatchingStart(int Index) const;
    bool IsSequenceStop(int Index) const;
    bool IsSequenceStart(int Index) const;
    // Writes one side of an entry into its stored cell and makes that cell current when its
    // row is shown.
    void Apply(const TUndoRedoItem& Item, const std::string& Text, const TExtGridUndoRedoEvent& Event);

    TUndoRedoCollection items_;
    int level_ = 0;
    TUndoRedoGrid* grid_ = nullptr;
    TComponent* gridComponent_ = nullptr;
};
