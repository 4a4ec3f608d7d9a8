#pragma once
#include <string>

#include "grid/foundation/dragdrop/DragDropFormats.h"
#include "platform/rtl/Streams.h"

// The data of a drag that the grid starts: its text (as 8-bit and as wide text), its rich
// text, a dragged column and the grid's cell stream.
class TSourceDataObject : public IDataObject {
public:
    // Col -1: no column. Cells may be null; it stays the caller's and must outlive the drag.
    TSourceDataObject(std::string Text, std::string RTF, int Col, const TMemoryStream* Cells);

    HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) override;
    HRESULT GetDataHere(const TFormatEtc& format, TStgMedium& medium) override;
    HRESULT QueryGetData(const TFormatEtc& format) override;
    HRESULT GetCanonicalFormatEtc(const TFormatEtc& format, TFormatEtc& canonical) override;
    HRESULT SetData(const TFormatEtc& format, const TStgMedium& medium) override;
    HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) override;

private:
    std::string Content(TClipFormat format) const;

    std::string FText;
    std::string FRTF;
    int FCol;
    const TMemoryStream* FCells;
};

// The formats of a grid drag in their order: 8-bit text, wide text, rich text, then the
// column and the cells when the drag carries them.
class TSourceEnumFormatEtc : public TFormatEtcEnumerator {
public:
    TSourceEnumFormatEtc(bool HasCol, bool HasCells);
};
