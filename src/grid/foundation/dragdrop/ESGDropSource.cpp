#include "grid/foundation/dragdrop/ESGDropSource.h"

HRESULT TESGDropSource::QueryContinueDrag(bool escapePressed, DWORD keyState)
{
    HRESULT result = S_OK;
    if (escapePressed)
        result = DRAGDROP_S_CANCEL;
    else if (!(keyState & MK_LBUTTON))
        result = DRAGDROP_S_DROP;
    if (result != S_OK) DragFinished();
    QueryDrag();
    return result;
}

HRESULT TESGDropSource::GiveFeedback(DWORD effect)
{
    FNoEffect = effect == DROPEFFECT_NONE;
    CurrentEffect(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}
