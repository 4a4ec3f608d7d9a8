#include "grid/foundation/model/UndoRedo.h"

TExtGridUndoRedo::TExtGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}

void TExtGridUndoRedo::SetGrid(TUndoRedoGrid* AGrid)
{
    if (gridComponent_) RemoveFreeNotification(gridComponent_);
    grid_ = AGrid;
    gridComponent_ = dynamic_cast<TComponent*>(AGrid);
    if (gridComponent_) FreeNotification(gridComponent_);
}

void TExtGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent && AComponent == gridComponent_) {
        grid_ = nullptr;
        gridComponent_ = nullptr;
    }
    TComponent::Notification(AComponent, Operation);
}

void TExtGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue,
                                      const std::string& NewValue)
{
    while (MaxLevel > 0 && items_.Count() >= MaxLevel)
        DropOldestStep();
    TUndoRedoItem item;
    item.Col = ACol;
    item.Row = grid_ ? grid_->StoredRowAt(TDisplRow(ARow)).Index() : ARow;
    item.Value = NewValue;
    item.OrigValue = OldValue;
    items_.Add(item);
    level_ = items_.Count();
}

void TExtGridUndoRedo::StartSequence() { AddMarker(true); }

void TExtGridUndoRedo::StopSequence() { AddMarker(false); }

void TExtGridUndoRedo::AddMarker(bool Start)
{
    TUndoRedoItem marker;
    marker.SequenceStart = Start;
    marker.SequenceStop = !Start;
    items_.Add(marker);
    level_ = items_.Count();
}

void TExtGridUndoRedo::DropOldestStep()
{
    const int stop = IsSequenceStart(0) ? MatchingStop(0) : -1;
    items_.DeleteRange(0, stop < 0 ? 0 : stop);
}

int TExtGridUndoRedo::MatchingStop(int Index) const
{
    for (int i = Index + 1; i < items_.Count(); ++i)
        if (items_.Items(i).IsMarker()) return items_.Items(i).SequenceStop ? i : -1;
    return -1;
}

int TExtGridUndoRedo::MatchingStart(int Index) const
{
    for (int i = Index - 1; i >= 0; --i)
        if (items_.Items(i).IsMarker()) return items_.Items(i).SequenceStart ? i : -1;
    return -1;
}

bool TExtGridUndoRedo::IsSequenceStop(int Index) const
{
    return items_.Items(Index).SequenceStop && MatchingStart(Index) >= 0;
}

bool TExtGridUndoRedo::IsSequenceStart(int Index) const
{
    return items_.Items(Index).SequenceStart && MatchingStop(Index) >= 0;
}

void TExtGridUndoRedo::Apply(const TUndoRedoItem& Item, const std::string& Text,
                             const TExtGridUndoRedoEvent& Event)
{
    const TStoredCell cell{TRealCol(Item.Col), TRealRow(Item.Row)};
    if (Event) Event(this, grid_, Item.Col, Item.Row, grid_->StoredCellText(cell), Text);
    grid_->SetStoredCellText(cell, Text);
    if (!grid_->IsRowShown(cell.Row)) return;
    grid_->SetCol(grid_->DisplColIndex(Item.Col));
    grid_->SetRow(grid_->ShownRowOf(cell.Row).Index());
}

void TExtGridUndoRedo::Undo()
{
    if (!grid_ || level_ == 0 || level_ > items_.Count()) return;
    while (level_ > 0 && items_.Items(level_ - 1).IsMarker() && !IsSequenceStop(level_ - 1))
        --level_;
    if (level_ == 0) return;
    const int top = level_ - 1;
    if (IsSequenceStop(top)) {
        const int start = MatchingStart(top);
        for (int i = top - 1; i > start; --i) {
            const TUndoRedoItem& item = items_.Items(i);
            Apply(item, item.OrigValue, OnUndo);
        }
        level_ = start;
        grid_->RepaintGrid();
    } else {
        const TUndoRedoItem& item = items_.Items(top);
        Apply(item, item.OrigValue, OnUndo);
        const TRealRow row(item.Row);
        if (grid_->IsRowShown(row)) grid_->RepaintCell(grid_->Col(), grid_->ShownRowOf(row).Index());
        level_ = top;
    }
}

void TExtGridUndoRedo::Redo()
{
    if (!grid_ || level_ >= items_.Count()) return;
    while (level_ < items_.Count() && items_.Items(level_).IsMarker() && !IsSequenceStart(level_))
        ++level_;
    if (level_ >= items_.Count()) return;
    if (IsSequenceStart(level_)) {
        const int stop = MatchingStop(level_);
        for (int i = level_ + 1; i < stop; ++i) {
            const TUndoRedoItem& item = items_.Items(i);
            Apply(item, item.Value, OnRedo);
        }
        level_ = stop + 1;
        grid_->RepaintGrid();
    } else {
        const TUndoRedoItem& item = items_.Items(level_);
        Apply(item, item.Value, OnRedo);
        ++level_;
    }
}

void TExtGridUndoRedo::Reset()
{
    items_.Clear();
    level_ = 0;
}
