#pragma once
#include <memory>
#include <string>

#include "grid/foundation/dragdrop/DragDropFormats.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/Streams.h"

class TEnumFormats;

// A drop target that sorts out what a drag offers and hands each kind of data to its hook.
// The hooks do nothing here; the grid's own target gives them their meaning.
class TESGDropTarget : public IDropTarget {
public:
    bool AcceptText = true;
    bool AcceptFiles = true;
    bool AcceptCols = false;
    bool AcceptURLs = true;
    // The formats offered by the drag in progress, whatever the accept flags say.
    TDropFormats DropFormats() const { return FDropFormats; }

    HRESULT DragEnter(IDataObject* data, DWORD keyState, TPoint pt, DWORD& effect) override;
    HRESULT DragOver(DWORD keyState, TPoint pt, DWORD& effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* data, DWORD keyState, TPoint pt, DWORD& effect) override;

protected:
    virtual void DropText(TPoint /*pt*/, const std::string& /*s*/) {}
    virtual void DropStream(TPoint /*pt*/, TMemoryStream& /*ms*/) {}
    virtual void DropCol(TPoint /*pt*/, int /*Col*/) {}
    virtual void DropRTF(TPoint /*pt*/, const std::string& /*s*/) {}
    virtual void DropFiles(TPoint /*pt*/, TStringList& /*Files*/) {}
    virtual void DropURL(TPoint /*pt*/, const std::string& /*s*/) {}
    virtual void DragMouseMove(TPoint /*pt*/, bool& /*Allow*/, TDropFormats /*DropFormats*/) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

private:
    static TDropFormats OfferedFormats(TEnumFormats& formats);
    bool Accepts(TDropFormats offered) const;
    void Deliver(TEnumFormats& formats, TPoint pt);

    TDropFormats FDropFormats;
    bool FCanDrop = false;
};
