#include "grid/foundation/dragdrop/SourceDataObject.h"

#include "platform/rtl/CodePage.h"

namespace {
std::string UInt32Bytes(uint32_t v)
{
    std::string out;
    for (int k = 0; k < 4; ++k)
        out += static_cast<char>((v >> (8 * k)) & 0xFF);
    return out;
}

std::vector<TFormatEtc> SourceFormats(bool HasCol, bool HasCells)
{
    RegisterDragDropFormats();
    const TDragDropFormatIds& ids = DragDropFormatIds();
    std::vector<TClipFormat> list{CF_TEXT, CF_UNICODETEXT, ids.RTF};
    if (HasCol) list.push_back(ids.GridColumn);
    if (HasCells) list.push_back(ids.GridCells);
    std::vector<TFormatEtc> formats;
    for (TClipFormat f : list) {
        TFormatEtc entry;
        entry.cfFormat = f;
        formats.push_back(entry);
    }
    return formats;
}
} // namespace

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool HasCol, bool HasCells)
    : TFormatEtcEnumerator(SourceFormats(HasCol, HasCells))
{
}

TSourceDataObject::TSourceDataObject(std::string Text, std::string RTF, int Col, const TMemoryStream* Cells)
    : FText(std::move(Text)), FRTF(std::move(RTF)), FCol(Col), FCells(Cells)
{
    RegisterDragDropFormats();
}

HRESULT TSourceDataObject::QueryGetData(const TFormatEtc& format)
{
    if (format.dwAspect != DVASPECT_CONTENT || format.tymed != TYMED_HGLOBAL) return DV_E_FORMATETC;
    const TDragDropFormatIds& ids = DragDropFormatIds();
    const TClipFormat f = format.cfFormat;
    // Rich text is handed out only when the drag carries some: an empty one would be read
    // by the target as a rich text to drop.
    const bool offered = ((f == CF_TEXT || f == CF_UNICODETEXT) && !FText.empty()) ||
                         (f == ids.RTF && !FText.empty() && !FRTF.empty() && DragDropActive()) ||
                         (f == ids.GridCells && FCells) || (f == ids.GridColumn && FCol != -1);
    return offered ? S_OK : DV_E_FORMATETC;
}

std::string TSourceDataObject::Content(TClipFormat format) const
{
    const TDragDropFormatIds& ids = DragDropFormatIds();
    if (format == CF_TEXT) return Utf8ToWin1252(FText) + '\0';
    if (format == CF_UNICODETEXT) return Utf8ToUtf16Le(FText) + std::string(2, '\0');
    if (format == ids.RTF) return Utf8ToWin1252(FRTF) + '\0';
    if (format == ids.GridColumn) return UInt32Bytes(static_cast<uint32_t>(FCol));
    const std::string& cells = FCells->Bytes();
    return UInt32Bytes(static_cast<uint32_t>(cells.size())) + std::string(4, '\0') + cells;
}

HRESULT TSourceDataObject::GetData(const TFormatEtc& format, TStgMedium& medium)
{
    medium = {};
    const HRESULT query = QueryGetData(format);
    if (query != S_OK) return query;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = std::make_shared<const std::string>(Content(format.cfFormat));
    return S_OK;
}

HRESULT TSourceDataObject::GetDataHere(const TFormatEtc&, TStgMedium&) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::SetData(const TFormatEtc&, const TStgMedium&) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc& canonical)
{
    canonical.ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator)
{
    if (direction != DATADIR_GET) return E_NOTIMPL;
    enumerator = std::make_shared<TSourceEnumFormatEtc>(FCol != -1, FCells != nullptr);
    return S_OK;
}
