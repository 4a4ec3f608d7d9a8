#pragma once
#include "platform/rtl/Sets.h"
#include "platform/ui/DragDrop.h"

// The kinds of data a grid drag carries, the formats that name them, and the rules shared
// by the grid's drop target and drag source.

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat>;

// The identifiers of the four named formats; 0 until RegisterDragDropFormats has run.
struct TDragDropFormatIds {
    TClipFormat RTF = 0;
    TClipFormat GridColumn = 0;
    TClipFormat GridCells = 0;
    TClipFormat URL = 0;
};
const TDragDropFormatIds& DragDropFormatIds();
// Registers "Rich Text Format", "Grid Column", "TExtStringGrid Cells" and
// "UniformResourceLocator". The clipboard is left alone: another program holding it open
// must not keep the formats unknown.
void RegisterDragDropFormats();

// Rich text is offered and accepted only while this switch is on (off at start).
void SetDragDropActive(bool Value);
bool DragDropActive();

// The effect of a drop: copy with Ctrl held, else move when the source allows it, else copy.
DWORD DropEffectFor(DWORD KeyState, DWORD OKEffects);
