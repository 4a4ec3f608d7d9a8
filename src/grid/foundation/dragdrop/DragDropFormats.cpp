#include "grid/foundation/dragdrop/DragDropFormats.h"

namespace {
TDragDropFormatIds& Ids()
{
    static TDragDropFormatIds ids;
    return ids;
}

bool& RichTextSwitch()
{
    static bool on = false;
    return on;
}
} // namespace

const TDragDropFormatIds& DragDropFormatIds() { return Ids(); }

void RegisterDragDropFormats()
{
    TDragDropFormatIds& ids = Ids();
    ids.RTF = RegisterClipboardFormat("Rich Text Format");
    ids.GridColumn = RegisterClipboardFormat("Grid Column");
    ids.GridCells = RegisterClipboardFormat("TExtStringGrid Cells");
    ids.URL = RegisterClipboardFormat("UniformResourceLocator");
}

void SetDragDropActive(bool Value) { RichTextSwitch() = Value; }

bool DragDropActive() { return RichTextSwitch(); }

DWORD DropEffectFor(DWORD KeyState, DWORD OKEffects)
{
    if (KeyState & MK_CONTROL) return DROPEFFECT_COPY;
    return (OKEffects & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}
