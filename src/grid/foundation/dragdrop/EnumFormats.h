#pragma once
#include <memory>
#include <string>

#include "grid/foundation/dragdrop/DragDropFormats.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/Streams.h"

// Reads what a foreign data object offers. The readers take only what lies within the
// memory the object hands out; a format that cannot be fetched reads as absent.
class TEnumFormats {
public:
    // Raises EAssertionFailed "Cannot get the format enumerator" when the object cannot
    // enumerate its formats. Registers the grid's named formats.
    explicit TEnumFormats(IDataObject* DataObject);

    bool Reset();
    bool Next();
    // Looks for the format from the start; the entry found stays current.
    bool HasFormat(TClipFormat ClipFormat);
    // The data of the current entry when it offers every requested medium type, else none.
    HGLOBAL Handle(DWORD Tymed);
    HGLOBAL GlobalHandle() { return Handle(TYMED_HGLOBAL); }

    bool HasText() { return HasFormat(CF_UNICODETEXT) || HasFormat(CF_TEXT); }
    bool HasFile() { return HasFormat(CF_HDROP); }
    bool HasRTF() { return HasFormat(DragDropFormatIds().RTF); }
    bool HasCol() { return HasFormat(DragDropFormatIds().GridColumn); }
    bool HasURL() { return HasFormat(DragDropFormatIds().URL); }
    bool HasGridCells() { return HasFormat(DragDropFormatIds().GridCells); }

    // The text (from the wide text, else the 8-bit one); empty when absent.
    std::string Text();
    // The rich text, read as 8-bit text; empty when absent.
    std::string RTF();
    // The dragged column; -1 when absent.
    int Col();
    // The cell bytes in a new stream; none when absent or when the count does not fit.
    std::unique_ptr<TMemoryStream> Stream();
    // Fills FileNames with every dropped name; true for at least one.
    bool ReadFileNames();
    TStringList& FileNames() { return FFileNames; }

    bool Valid() const { return FValid; }
    int Count() const { return FCount; }
    const TFormatEtc& FormatEtc() const { return FFormatEtc; }
    DWORD Aspect() const { return FFormatEtc.dwAspect; }
    void SetAspect(DWORD Value) { FFormatEtc.dwAspect = Value; }
    TClipFormat Format() const { return FFormatEtc.cfFormat; }
    void SetFormat(TClipFormat Value) { FFormatEtc.cfFormat = Value; }
    int32_t Index() const { return FFormatEtc.lindex; }
    void SetIndex(int32_t Value) { FFormatEtc.lindex = Value; }
    DWORD Medium() const { return FFormatEtc.tymed; }
    void SetMedium(DWORD Value) { FFormatEtc.tymed = Value; }

private:
    // The bytes of a format, or nothing when it is not offered or cannot be fetched.
    HGLOBAL DataOf(TClipFormat ClipFormat);

    IDataObject* FDataObject;
    std::shared_ptr<IEnumFORMATETC> FEnumerator;
    TFormatEtc FFormatEtc;
    bool FValid = false;
    int FCount = 0;
    TStringList FFileNames;
};
