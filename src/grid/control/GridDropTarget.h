#pragma once
#include "grid/foundation/dragdrop/ESGDropTarget.h"

class TExtStringGrid;

// The string grid's drop target: it hands every drop to the grid. The accept flags follow
// the grid's drag-and-drop settings at the start of each drag, so later changes apply.
class TGridDropTarget : public TESGDropTarget {
public:
    explicit TGridDropTarget(TExtStringGrid* Grid) : FGrid(Grid) {}

    HRESULT DragEnter(IDataObject* data, DWORD keyState, TPoint pt, DWORD& effect) override;

protected:
    void DropText(TPoint pt, const std::string& s) override;
    void DropStream(TPoint pt, TMemoryStream& ms) override;
    void DropCol(TPoint pt, int Col) override;
    void DropRTF(TPoint pt, const std::string& s) override;
    void DropFiles(TPoint pt, TStringList& Files) override;
    void DropURL(TPoint pt, const std::string& s) override;
    void DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats) override;
    void DragMouseLeave() override;

private:
    TExtStringGrid* FGrid;
};
