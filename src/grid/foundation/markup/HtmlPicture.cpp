#include "grid/foundation/markup/HtmlPicture.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <iterator>
#include <ostream>

#include "grid/foundation/painting/GifFrames.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/CanvasResolution.h"
#include "platform/ui/ImageReader.h"

namespace {

// A decoded picture measures itself in hundredths of a millimetre, taken from its pixels
// at the screen's 96 pixels per inch.
int PixelsToHimetric(int pixels) { return static_cast<int>(std::lround(pixels * 2540.0 / 96)); }
int HimetricToPixels(int himetric, int pixelsPerInch)
{
    return static_cast<int>(std::lround(himetric * double(pixelsPerInch) / 2540));
}

} // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Clear()
{
    FDatastream.clear();
    FIsEmpty = true;
    gpPicture.reset();
}

void THTMLPicture::ResetAnimation()
{
    FFrame = 1;
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
}

// New bytes start a new animation: the frame count is counted again from them.
void THTMLPicture::TakeData(std::string Bytes)
{
    FDatastream = std::move(Bytes);
    FIsEmpty = false;
    ResetAnimation();
    DecodePictureData();
}

void THTMLPicture::DecodePictureData()
{
    FFrameXPos = FFrameYPos = 0;
    FAnimMaxX = FAnimMaxY = 0;
    auto picture = std::make_unique<TBitmap>();
    bool read = false;
    if (FrameCount() >= 1) {
        FAnimMaxX = GifScreenWidth(FDatastream);
        FAnimMaxY = GifScreenHeight(FDatastream);
        TGifFrameBox box;
        const std::string frame = ExtractGifFrame(FDatastream, FFrame, box);
        FFrameXPos = box.X;
        FFrameYPos = box.Y;
        // Outside its box a frame shows what lies under it, never what the decoder made up.
        const TRect shown = Bounds(box.X, box.Y, box.Width, box.Height);
        read = box.Width > 0 && box.Height > 0 ? ReadImageFrame(frame, shown, *picture)
                                               : ReadImage(frame, *picture);
    } else {
        read = ReadImage(FDatastream, *picture);
    }
    if (!read) {
        Clear();
        throw EInvalidGraphic("Could not load image. Invalid format");
    }
    gpPicture = std::move(picture);
}

void THTMLPicture::Assign(const TPersistent& Source)
{
    Clear();
    ResetAnimation();
    const auto* other = dynamic_cast<const THTMLPicture*>(&Source);
    if (!other || other->FDatastream.empty()) return;
    TakeData(other->FDatastream);
    Changed();
}

int THTMLPicture::Width() const
{
    return gpPicture ? HimetricToPixels(PixelsToHimetric(gpPicture->Width()), FLogPixX) : 0;
}

int THTMLPicture::Height() const
{
    return gpPicture ? HimetricToPixels(PixelsToHimetric(gpPicture->Height()), FLogPixY) : 0;
}

int THTMLPicture::MaxWidth() const
{
    if (!gpPicture) return 0;
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int THTMLPicture::MaxHeight() const
{
    if (!gpPicture) return 0;
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

void THTMLPicture::DrawOn(TCanvas& Canvas, const TRect& Rect) const
{
    if (FIsEmpty || !gpPicture) return;
    if (FStretched) return Canvas.StretchDraw(Rect, gpPicture.get());
    const TPoint pixelsPerInch = CanvasPixelsPerInch(Canvas);
    Canvas.StretchDraw(Bounds(Rect.Left, Rect.Top,
                              HimetricToPixels(PixelsToHimetric(gpPicture->Width()), pixelsPerInch.X),
                              HimetricToPixels(PixelsToHimetric(gpPicture->Height()), pixelsPerInch.Y)),
                       gpPicture.get());
}

void THTMLPicture::LoadFromStream(std::istream* Stream)
{
    if (!Stream) return;
    ReadData(*Stream);
    Changed();
}

void THTMLPicture::ReadData(std::istream& Stream)
{
    Stream.clear();
    Stream.seekg(0);
    TakeData(std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>()));
}

void THTMLPicture::SaveToStream(std::ostream& Stream) const
{
    Stream.write(FDatastream.data(), static_cast<std::streamsize>(FDatastream.size()));
}

void THTMLPicture::WriteData(std::ostream& Stream) const { SaveToStream(Stream); }

void THTMLPicture::LoadFromFile(const std::string& FileName)
{
    try {
        TakeData(ReadFileBytes(FileName));
    } catch (const Exception&) {
        Clear();
        return;
    }
    Changed();
}

void THTMLPicture::SaveToFile(const std::string& FileName) const { WriteFileBytes(FileName, FDatastream); }

void THTMLPicture::LoadFromResourceName(const TResourceModule& Instance, const std::string& ResName)
{
    const std::string* bytes = Instance.FindResource(ResName);
    if (!bytes) return;
    TakeData(*bytes);
    Changed();
}

void THTMLPicture::LoadFromResourceID(const TResourceModule& Instance, int ResID)
{
    TakeData(Instance.LoadResource(ResID));
    Changed();
}

void THTMLPicture::LoadFromURL(const std::string& url)
{
    const std::string upper = UpperCase(url);
    for (const std::string& prefix : {std::string("RES://"), std::string("FILE://")}) {
        if (!upper.starts_with(prefix)) continue;
        FID = url;
        const std::string rest = url.substr(prefix.size());
        if (rest.empty()) return;
        if (prefix == "RES://") return LoadFromResourceName(HInstance(), rest);
        return LoadFromFile(rest);
    }
    if (!FAsynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        // A remote transfer would start here; none is made, so the picture stays busy and empty.
        FURL = url;
        FThreadBusy = true;
    }
}

bool THTMLPicture::IsGIF() const { return IsGifData(FDatastream); }

int THTMLPicture::FrameCount() const
{
    if (!IsGIF()) return -1;
    if (FFrameCount < 0) FFrameCount = GifFrameCount(FDatastream);
    return FFrameCount;
}

int THTMLPicture::FrameTime(int Frame) const { return GifFrameTime(FDatastream, Frame); }

void THTMLPicture::SetFrame(int Value)
{
    FFrame = std::clamp(Value, 1, std::max(1, FrameCount()));
    if (FDatastream.empty()) return;
    DecodePictureData();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() { SetFrame(FFrame < FrameCount() ? FFrame + 1 : 1); }

void THTMLPicture::FramePrev() { SetFrame(FFrame > 1 ? FFrame - 1 : FrameCount()); }

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || FIsEmpty) return false;
    if (FNextCount == -1) FNextCount = FrameTime(FFrame);
    bool changed = false;
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        FNextCount += FrameTime(FFrame);
        changed = true;
    }
    ++FTimerCount;
    return changed;
}
