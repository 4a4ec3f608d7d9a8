#include "grid/control/GridDropTarget.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/DragDropSettings.h"

HRESULT TGridDropTarget::DragEnter(IDataObject* data, DWORD keyState, TPoint pt, DWORD& effect)
{
    const TDragDropSettings& dd = *FGrid->DragDropSettings();
    AcceptText = dd.OleAcceptText;
    AcceptFiles = dd.OleAcceptFiles;
    AcceptURLs = dd.OleAcceptURLs;
    // A column lands where the grid reorders its columns, or where it waits for one that
    // was announced as coming back.
    AcceptCols = dd.OleColumnReorder || FGrid->OleColumnPending();
    return TESGDropTarget::DragEnter(data, keyState, pt, effect);
}

void TGridDropTarget::DropText(TPoint pt, const std::string& s) { FGrid->OleDropText(pt, s); }

void TGridDropTarget::DropStream(TPoint pt, TMemoryStream& ms) { FGrid->OleDropCells(pt, ms); }

void TGridDropTarget::DropCol(TPoint pt, int Col) { FGrid->OleDropColumn(pt, Col); }

void TGridDropTarget::DropRTF(TPoint pt, const std::string& s) { FGrid->OleDropCellText(pt, s, false); }

void TGridDropTarget::DropFiles(TPoint pt, TStringList& Files) { FGrid->OleDropFiles(pt, Files); }

void TGridDropTarget::DropURL(TPoint pt, const std::string& s) { FGrid->OleDropCellText(pt, s, true); }

void TGridDropTarget::DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats)
{
    FGrid->OleDragMove(pt, Allow, DropFormats);
}

void TGridDropTarget::DragMouseLeave() { FGrid->OleDragLeave(); }
