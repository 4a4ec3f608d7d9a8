#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/rtl/Resources.h"
#include "platform/ui/Graphics.h"

using TDownLoadErrorEvent = std::function<void(TObject* Sender, const std::string& err)>;
using TDownLoadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownLoadProgressEvent = std::function<void(TObject* Sender, uint32_t dwSize, uint32_t dwTotSize)>;

// A picture of HTML cell text. It keeps the image file's raw bytes exactly as loaded and
// draws what the platform decodes from them; an animated GIF shows one frame at a time,
// with whatever lies under the picture showing around the frame's box.
// Data that cannot be decoded leaves the picture empty.
class THTMLPicture : public TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // Takes a copy of another THTMLPicture's bytes; any other source leaves it empty.
    void Assign(const TPersistent& Source) override;
    bool Empty() const override { return FIsEmpty; }
    int Width() const override;
    int Height() const override;

    // Nothing for no stream; otherwise the whole stream, decoded (errors reach the caller).
    void LoadFromStream(std::istream* Stream);
    void SaveToStream(std::ostream& Stream) const;
    // Any failure, a missing file or undecodable data, leaves the picture empty silently.
    void LoadFromFile(const std::string& FileName) override;
    void SaveToFile(const std::string& FileName) const override;
    // The stored form of the picture: its raw bytes. Reading them fires no OnChange.
    void ReadData(std::istream& Stream);
    void WriteData(std::ostream& Stream) const;
    // A resource the module lacks: nothing by name, EResNotFound by number.
    void LoadFromResourceName(const TResourceModule& Instance, const std::string& ResName);
    void LoadFromResourceID(const TResourceModule& Instance, int ResID);
    // "RES://name" and "FILE://path" load at once; any other address is only remembered,
    // since no transfer is made.
    void LoadFromURL(const std::string& url);

    bool Stretch() const { return FStretched; }
    void SetStretch(bool Value) { FStretched = Value; }
    const std::string& ID() const { return FID; }
    const std::string& URL() const { return FURL; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool Value) { FIsDB = Value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    bool Busy() const { return FThreadBusy; }

    bool IsGIF() const;
    int FrameCount() const;
    int FrameTime(int Frame) const;
    int Frame() const { return FFrame; }
    // Shows frame Value, kept within 1..FrameCount.
    void SetFrame(int Value);
    void FrameNext();
    void FramePrev();
    // One animation tick of a tenth of a second; true when the frame changed.
    bool Step();
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    int MaxWidth() const;
    int MaxHeight() const;

    TNotifyEvent OnFrameChange;
    TDownLoadErrorEvent OnDownLoadError;
    TNotifyEvent OnDownLoadComplete;
    TDownLoadCancelEvent OnDownLoadCancel;
    TDownLoadProgressEvent OnDownLoadProgress;

protected:
    void DrawOn(TCanvas& Canvas, const TRect& Rect) const override;

private:
    void TakeData(std::string Bytes);
    void DecodePictureData();
    void Clear();
    void ResetAnimation();

    std::string FDatastream;
    bool FIsEmpty = true;
    bool FStretched = false;
    std::unique_ptr<TBitmap> gpPicture;
    int FLogPixX = 96;
    int FLogPixY = 96;
    std::string FURL;
    std::string FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    mutable int FFrameCount = -1;
    int FFrameXPos = 0;
    int FFrameYPos = 0;
    int FAnimMaxX = 0;
    int FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};
