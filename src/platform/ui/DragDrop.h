#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"

// Drag and drop between windows and programs, with the interfaces, formats and result
// codes of OLE drag and drop. On the desktop the data travel as MIME data: the text as
// text, rich text as "text/rtf", dropped files as file URLs, and every other registered
// format as a private MIME type of its name that carries the same bytes.

using HRESULT = int32_t;
using DWORD = uint32_t;
using TClipFormat = uint16_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064);
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101);
constexpr HRESULT DRAGDROP_S_DROP = 0x40100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x40101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x40102;

constexpr DWORD DROPEFFECT_NONE = 0;
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;
constexpr DWORD DROPEFFECT_LINK = 4;

// The key state of the drag calls is made of the MK_ flags of the mouse messages.

constexpr TClipFormat CF_TEXT = 1;
constexpr TClipFormat CF_UNICODETEXT = 13;
constexpr TClipFormat CF_HDROP = 15;

constexpr DWORD DVASPECT_CONTENT = 1;
constexpr DWORD TYMED_HGLOBAL = 1;
constexpr DWORD TYMED_ISTREAM = 4;
constexpr DWORD DATADIR_GET = 1;
constexpr DWORD DATADIR_SET = 2;

// A format identifier of its own for a name, the same for the same name (letter case
// ignored) during the whole run, from 0xC000 on.
TClipFormat RegisterClipboardFormat(const std::string& name);
// The name of a registered format; empty for the standard ones and unknown identifiers.
std::string ClipboardFormatName(TClipFormat format);

struct TFormatEtc {
    TClipFormat cfFormat = 0;
    const void* ptd = nullptr; // target device: always none here
    DWORD dwAspect = DVASPECT_CONTENT;
    int32_t lindex = -1;
    DWORD tymed = TYMED_HGLOBAL;
};

// Global memory: the bytes of one format, exactly as long as they were allocated.
using HGLOBAL = std::shared_ptr<const std::string>;

struct TStgMedium {
    DWORD tymed = 0;
    HGLOBAL hGlobal;
};

class IEnumFORMATETC {
public:
    virtual ~IEnumFORMATETC() = default;
    // Delivers up to count entries; S_OK when count came, else S_FALSE.
    virtual HRESULT Next(uint32_t count, TFormatEtc* entries, uint32_t* fetched) = 0;
    virtual HRESULT Skip(uint32_t count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& clone) = 0;
};

// Walks a fixed list of formats.
class TFormatEtcEnumerator : public IEnumFORMATETC {
public:
    explicit TFormatEtcEnumerator(std::vector<TFormatEtc> formats, size_t position = 0)
        : formats_(std::move(formats)), position_(position)
    {
    }
    HRESULT Next(uint32_t count, TFormatEtc* entries, uint32_t* fetched) override;
    HRESULT Skip(uint32_t count) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& clone) override;

private:
    std::vector<TFormatEtc> formats_;
    size_t position_;
};

class IDataObject {
public:
    virtual ~IDataObject() = default;
    virtual HRESULT GetData(const TFormatEtc& format, TStgMedium& medium) = 0;
    virtual HRESULT GetDataHere(const TFormatEtc& format, TStgMedium& medium) = 0;
    virtual HRESULT QueryGetData(const TFormatEtc& format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const TFormatEtc& format, TFormatEtc& canonical) = 0;
    virtual HRESULT SetData(const TFormatEtc& format, const TStgMedium& medium) = 0;
    // E_NOTIMPL for a direction the object does not serve.
    virtual HRESULT EnumFormatEtc(DWORD direction, std::shared_ptr<IEnumFORMATETC>& enumerator) = 0;
};

class IDropSource {
public:
    virtual ~IDropSource() = default;
    // S_OK to go on, DRAGDROP_S_DROP or DRAGDROP_S_CANCEL to end the drag.
    virtual HRESULT QueryContinueDrag(bool escapePressed, DWORD keyState) = 0;
    virtual HRESULT GiveFeedback(DWORD effect) = 0;
};

// The calls of a drag over a window. Effect comes in as the effects the source allows and
// goes out as the one the target grants; points are in screen coordinates. The data
// object is valid during the call only.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, TPoint pt, DWORD& effect) = 0;
    virtual HRESULT DragOver(DWORD keyState, TPoint pt, DWORD& effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* data, DWORD keyState, TPoint pt, DWORD& effect) = 0;
};

// Makes the window a drop target; the window keeps the target until it is revoked or freed.
HRESULT RegisterDragDrop(TWinControl* window, std::shared_ptr<IDropTarget> target);
HRESULT RevokeDragDrop(TWinControl* window);

// Runs a drag with the data until the source ends it; Effect is the effect of the drop.
// Returns DRAGDROP_S_DROP or DRAGDROP_S_CANCEL.
HRESULT DoDragDrop(std::shared_ptr<IDataObject> data, std::shared_ptr<IDropSource> source, DWORD okEffects,
                   DWORD& effect);

// The loop that DoDragDrop runs: the desktop's own drag unless one is set. Returns the
// loop in force before.
using TDragLoop =
    std::function<HRESULT(IDataObject& data, IDropSource& source, DWORD okEffects, DWORD& effect)>;
TDragLoop SetDragLoop(TDragLoop loop);

// One step of a drag over a window, delivered as the desktop delivers it: the data travel
// as MIME data to the window's registered target. Returns the effect that the target
// grants (none when the window has no target). Drag loops of tests are made of these.
enum TDragStep { dsEnter, dsOver, dsLeave, dsDrop };
DWORD SendDragStep(TWinControl* window, TDragStep step, IDataObject& data, TPoint screenPoint, DWORD keyState,
                   DWORD okEffects);
