#pragma once
#include <memory>
#include <string>

#include "grid/foundation/dragdrop/ESGDropSource.h"
#include "platform/rtl/Streams.h"

// Runs a drag of cells: the text, the rich text and, when given, the cell stream (which
// stays the caller's). DRAGDROP_S_CANCEL when the last feedback granted no effect, else
// what the drag loop returns.
HRESULT BeginTextDragDrop(std::shared_ptr<TESGDropSource> DropSource, const std::string& Text,
                          const std::string& RTF, const TMemoryStream* Stream, DWORD OKEffects,
                          DWORD& Effect);
// Runs a drag of one column.
HRESULT BeginColumnDragDrop(std::shared_ptr<TESGDropSource> DropSource, int Column, DWORD OKEffects,
                            DWORD& Effect);
