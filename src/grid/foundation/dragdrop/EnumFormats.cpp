#include "grid/foundation/dragdrop/EnumFormats.h"

#include <algorithm>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"

namespace {
uint32_t UInt32At(const std::string& bytes, size_t offset)
{
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + k]);
    return v;
}

// The text from offset up to its terminating zero unit, or up to the end of the memory.
std::string Terminated(const std::string& bytes, size_t offset, size_t unit, bool* terminated = nullptr)
{
    size_t end = offset;
    while (end + unit <= bytes.size() && bytes.compare(end, unit, std::string(unit, '\0')) != 0)
        end += unit;
    if (terminated) *terminated = end + unit <= bytes.size();
    return bytes.substr(offset, std::min(end, bytes.size()) - offset);
}
} // namespace

TEnumFormats::TEnumFormats(IDataObject* DataObject) : FDataObject(DataObject)
{
    if (!FDataObject || FDataObject->EnumFormatEtc(DATADIR_GET, FEnumerator) != S_OK || !FEnumerator)
        throw EAssertionFailed("Cannot get the format enumerator");
    Reset();
    RegisterDragDropFormats();
}

bool TEnumFormats::Reset()
{
    FValid = false;
    FCount = 0;
    return FEnumerator->Reset() == S_OK;
}

bool TEnumFormats::Next()
{
    uint32_t fetched = 0;
    FValid = FEnumerator->Next(1, &FFormatEtc, &fetched) == S_OK && fetched == 1;
    if (FValid) ++FCount;
    return FValid;
}

bool TEnumFormats::HasFormat(TClipFormat ClipFormat)
{
    Reset();
    while (Next())
        if (FFormatEtc.cfFormat == ClipFormat) return true;
    return false;
}

HGLOBAL TEnumFormats::Handle(DWORD Tymed)
{
    if (!FValid || (FFormatEtc.tymed & Tymed) != Tymed) return nullptr;
    TFormatEtc wanted = FFormatEtc;
    wanted.tymed = Tymed;
    TStgMedium medium;
    if (FDataObject->GetData(wanted, medium) != S_OK || medium.tymed != TYMED_HGLOBAL) return nullptr;
    return medium.hGlobal;
}

HGLOBAL TEnumFormats::DataOf(TClipFormat ClipFormat)
{
    return HasFormat(ClipFormat) ? GlobalHandle() : nullptr;
}

std::string TEnumFormats::Text()
{
    if (const HGLOBAL wide = DataOf(CF_UNICODETEXT)) return Utf16LeToUtf8(Terminated(*wide, 0, 2));
    if (const HGLOBAL narrow = DataOf(CF_TEXT)) return Win1252ToUtf8(Terminated(*narrow, 0, 1));
    return {};
}

std::string TEnumFormats::RTF()
{
    const HGLOBAL data = DataOf(DragDropFormatIds().RTF);
    return data ? Win1252ToUtf8(Terminated(*data, 0, 1)) : std::string();
}

int TEnumFormats::Col()
{
    const HGLOBAL data = DataOf(DragDropFormatIds().GridColumn);
    if (!data || data->size() < 4) return -1;
    return static_cast<int32_t>(UInt32At(*data, 0));
}

std::unique_ptr<TMemoryStream> TEnumFormats::Stream()
{
    const HGLOBAL data = DataOf(DragDropFormatIds().GridCells);
    if (!data || data->size() < 8) return nullptr;
    const uint32_t count = UInt32At(*data, 0);
    if (count > data->size() - 8) return nullptr;
    return std::make_unique<TMemoryStream>(data->substr(8, count));
}

bool TEnumFormats::ReadFileNames()
{
    FFileNames.Clear();
    const HGLOBAL data = DataOf(CF_HDROP);
    if (!data || data->size() < 20) return false;
    const bool wide = UInt32At(*data, 16) != 0;
    const size_t unit = wide ? 2 : 1;
    size_t offset = UInt32At(*data, 0);
    while (offset < data->size()) {
        bool terminated = false;
        const std::string name = Terminated(*data, offset, unit, &terminated);
        if (name.empty() || !terminated) break;
        FFileNames.Add(wide ? Utf16LeToUtf8(name) : Win1252ToUtf8(name));
        offset += name.size() + unit;
    }
    return FFileNames.Count() > 0;
}
