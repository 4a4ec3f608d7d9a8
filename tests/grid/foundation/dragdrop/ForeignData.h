#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/foundation/dragdrop/EnumFormats.h"
#include "grid/foundation/dragdrop/OleDragDrop.h"

// Data of another program: the formats it offers with their memory, as it hands it out.
class TForeignData : public IDataObject {
public:
    TForeignData() = default;
    explicit TForeignData(std::vector<std::pair<TClipFormat, std::string>> Offered) : Formats(std::move(Offered)) {}

    std::vector<std::pair<TClipFormat, std::string>> Formats;
    bool CanEnumerate = true;

    HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) override
    {
        for (const auto& [f, bytes] : Formats)
            if (f == format.cfFormat) {
                medium.tymed = TYMED_HGLOBAL;
                medium.hGlobal = std::make_shared<const std::string>(bytes);
                return S_OK;
            }
        return DV_E_FORMATETC;
    }
    HRESULT GetDataHere(const TFormatEtc&, TStgMedium&) override { return E_NOTIMPL; }
    HRESULT QueryGetData(const TFormatEtc&) override { return S_OK; }
    HRESULT GetCanonicalFormatEtc(const TFormatEtc&, TFormatEtc&) override { return E_NOTIMPL; }
    HRESULT SetData(const TFormatEtc&, const TStgMedium&) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(DWORD, std::shared_ptr<IEnumFORMATETC>& e) override
    {
        if (!CanEnumerate) return E_NOTIMPL;
        std::vector<TFormatEtc> list;
        for (const auto& entry : Formats)
            list.push_back({entry.first});
        e = std::make_shared<TFormatEtcEnumerator>(list);
        return S_OK;
    }
};
