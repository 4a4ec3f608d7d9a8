#include "grid/foundation/dragdrop/ESGDropTarget.h"

#include "grid/foundation/dragdrop/EnumFormats.h"

TDropFormats TESGDropTarget::OfferedFormats(TEnumFormats& formats)
{
    TDropFormats offered;
    if (formats.HasText()) offered += dfText;
    if (formats.HasFile()) offered += dfFile;
    if (formats.HasCol()) offered += dfCol;
    if (formats.HasRTF()) offered += dfRTF;
    if (formats.HasURL()) offered += dfURL;
    if (formats.HasGridCells()) offered += dfGridCells;
    return offered;
}

bool TESGDropTarget::Accepts(TDropFormats offered) const
{
    return (offered.Contains(dfText) && AcceptText) || (offered.Contains(dfFile) && AcceptFiles) ||
           (offered.Contains(dfRTF) && DragDropActive() && AcceptText) ||
           (offered.Contains(dfCol) && AcceptCols) || (offered.Contains(dfURL) && AcceptURLs) ||
           offered.Contains(dfGridCells);
}

HRESULT TESGDropTarget::DragEnter(IDataObject* data, DWORD keyState, TPoint, DWORD& effect)
{
    TEnumFormats formats(data);
    FDropFormats = OfferedFormats(formats);
    FCanDrop = Accepts(FDropFormats);
    effect = FCanDrop ? DropEffectFor(keyState, effect) : DROPEFFECT_NONE;
    DragMouseEnter();
    return S_OK;
}

HRESULT TESGDropTarget::DragOver(DWORD keyState, TPoint pt, DWORD& effect)
{
    effect = FCanDrop ? DropEffectFor(keyState, effect) : DROPEFFECT_NONE;
    bool allow = effect != DROPEFFECT_NONE;
    DragMouseMove(pt, allow, FDropFormats);
    if (!allow) effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TESGDropTarget::DragLeave()
{
    DragMouseLeave();
    return S_OK;
}

void TESGDropTarget::Deliver(TEnumFormats& formats, TPoint pt)
{
    if (formats.HasCol()) {
        DropCol(pt, formats.Col());
        return;
    }
    if (formats.HasGridCells()) {
        if (std::unique_ptr<TMemoryStream> cells = formats.Stream()) DropStream(pt, *cells);
    } else if (DragDropActive() && formats.HasRTF()) {
        DropRTF(pt, formats.RTF());
    } else if (formats.HasText()) {
        DropText(pt, formats.Text());
    }
    if (formats.ReadFileNames()) DropFiles(pt, formats.FileNames());
    if (formats.HasURL()) DropURL(pt, formats.Text());
}

HRESULT TESGDropTarget::Drop(IDataObject* data, DWORD keyState, TPoint pt, DWORD& effect)
{
    if (!FCanDrop) {
        effect = DROPEFFECT_NONE;
        return S_OK;
    }
    TEnumFormats formats(data);
    Deliver(formats, pt);
    effect = DropEffectFor(keyState, effect);
    return S_OK;
}
