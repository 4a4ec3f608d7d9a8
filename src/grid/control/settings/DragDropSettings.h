#pragma once
#include "platform/ui/Component.h"

// The plain flags of the grid's drag and drop with other grids and programs.
struct TDragDropFlags {
    bool OleAcceptText = true;
    bool OleEntireRows = false;
    bool OleDropSource = false;
    bool OleRemoveRows = false;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    bool OleInsertRows = false;
    bool OleAppendRows = false;
    bool OleCopyAlways = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool ShowCells = true;
};

class TDragDropSettings : public TPersistent, public TDragDropFlags {
public:
    // Rich text in drags is one switch for every grid: the writer sets it too.
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool Value);
    // The grid registers or revokes its drop target when told (OnDropTargetChange).
    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool Value);

    TNotifyEvent OnDropTargetChange;

    // From other drag-and-drop settings: all fifteen flags, without side effects.
    void Assign(const TPersistent& Source) override;

private:
    bool FOleDropRTF = false;
    bool FOleDropTarget = false;
};
