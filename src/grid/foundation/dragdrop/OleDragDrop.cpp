#include "grid/foundation/dragdrop/OleDragDrop.h"

#include "grid/foundation/dragdrop/SourceDataObject.h"

namespace {
HRESULT RunDrag(std::shared_ptr<TESGDropSource> DropSource, std::shared_ptr<TSourceDataObject> Data,
                DWORD OKEffects, DWORD& Effect)
{
    const HRESULT result = DoDragDrop(Data, DropSource, OKEffects, Effect);
    return DropSource->LastEffectNone() ? DRAGDROP_S_CANCEL : result;
}
} // namespace

HRESULT BeginTextDragDrop(std::shared_ptr<TESGDropSource> DropSource, const std::string& Text,
                          const std::string& RTF, const TMemoryStream* Stream, DWORD OKEffects, DWORD& Effect)
{
    return RunDrag(DropSource, std::make_shared<TSourceDataObject>(Text, RTF, -1, Stream), OKEffects, Effect);
}

HRESULT BeginColumnDragDrop(std::shared_ptr<TESGDropSource> DropSource, int Column, DWORD OKEffects,
                            DWORD& Effect)
{
    return RunDrag(DropSource, std::make_shared<TSourceDataObject>("", "", Column, nullptr), OKEffects,
                   Effect);
}
