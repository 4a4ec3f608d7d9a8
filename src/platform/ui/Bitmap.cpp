#include <QBuffer>

#include "platform/rtl/Files.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/QtGraphics.h"

namespace {

QImage::Format FormatOf(TPixelFormat format)
{
    return format == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

// A JPEG file starts with the start-of-image marker and a further marker.
bool IsJpegFile(const std::string& bytes) { return bytes.starts_with("\xFF\xD8\xFF"); }

}  // namespace

TBitmap::TBitmap() : image_(std::make_unique<TQtImage>())
{
    image_->surface.image = &image_->image;
}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() { ReleaseCanvas(); }

TBitmap::TQtImage& TBitmap::Qt() const { return *image_; }

void TBitmap::ReleaseCanvas() const
{
    if (canvas_) EndCanvasPainter(*canvas_);
}

void TBitmap::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TBitmap*>(&source);
    if (!other) return TGraphic::Assign(source);
    ReleaseCanvas();
    other->ReleaseCanvas();
    image_->image = other->image_->image.copy();
    image_->surface.device = image_->image.isNull() ? nullptr : &image_->image;
    ++image_->surface.version;
    jpegBytes_ = other->JpegBytes();
    jpegVersion_ = image_->surface.version;
    pixelFormat_ = other->pixelFormat_;
    transparentMode_ = other->transparentMode_;
    transparentColor_ = other->transparentColor_;
    SetTransparent(other->Transparent());
    Changed();
}

int TBitmap::Width() const { return image_->image.width(); }
int TBitmap::Height() const { return image_->image.height(); }
bool TBitmap::Empty() const { return image_->image.isNull(); }
void TBitmap::SetWidth(int width) { SetSize(width, Height()); }
void TBitmap::SetHeight(int height) { SetSize(Width(), height); }

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height()) return;
    EnsureQtApplication();
    ReleaseCanvas();
    QImage& image = image_->image;
    if (width == 0 || height == 0) {
        image = QImage();
        image_->surface.device = nullptr;
    } else {
        // A bitmap grows white, keeping what it held in its top-left corner.
        QImage grown(width, height, FormatOf(pixelFormat_));
        grown.fill(Qt::white);
        if (!image.isNull()) {
            QPainter p(&grown);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, image);
        }
        image = grown;
        image_->surface.device = &image;
    }
    ++image_->surface.version;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == pixelFormat_) return;
    ReleaseCanvas();
    pixelFormat_ = format;
    if (!image_->image.isNull()) image_->image = image_->image.convertToFormat(FormatOf(format));
    ++image_->surface.version;
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (Empty()) return clNone;
    return FromQColor(QColor(image_->image.pixel(0, Height() - 1)));
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
}

TCanvas* TBitmap::Canvas()
{
    if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(this);
    return canvas_.get();
}

TCanvasSurface* TBitmapCanvas::Surface() const { return &bitmap_->Qt().surface; }

void TBitmap::LoadFromFile(const std::string& path)
{
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const EInOutError&) {
        throw EInvalidGraphic("Cannot load the picture " + path);
    }
    if (!LoadImageBytes(bytes)) throw EInvalidGraphic("Cannot load the picture " + path);
}

void TBitmap::LoadFromBytes(const std::string& bytes)
{
    if (!LoadImageBytes(bytes)) throw EInvalidGraphic("Cannot load the picture");
}

bool TBitmap::LoadImageBytes(const std::string& bytes)
{
    EnsureQtApplication();
    const QImage loaded = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    if (loaded.isNull()) return false;
    ReleaseCanvas();
    if (!loaded.hasAlphaChannel()) pixelFormat_ = pf24bit;
    image_->image = loaded.convertToFormat(loaded.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image_->surface.device = &image_->image;
    ++image_->surface.version;
    jpegBytes_ = IsJpegFile(bytes) ? bytes : std::string();
    jpegVersion_ = image_->surface.version;
    Changed();
    return true;
}

std::string TBitmap::JpegBytes() const
{
    return jpegVersion_ == image_->surface.version ? jpegBytes_ : std::string();
}

std::string TBitmap::SaveToBytes(TFileFormat Format) const
{
    ReleaseCanvas();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image_->image.save(&buffer, Format == ffIco ? "ICO" : "BMP")) return {};
    return bytes.toStdString();
}

void TBitmap::SaveToFile(const std::string& path) const
{
    const std::string bytes = SaveToBytes();
    if (bytes.empty()) throw EFCreateError("Cannot create file \"" + path + "\"");
    WriteFileBytes(path, bytes);
}

const QImage& DrawnImage(const TBitmap& bitmap)
{
    auto& q = bitmap.Qt();
    if (!bitmap.Transparent()) return q.image;
    const TColor key = bitmap.TransparentColor();
    if (q.keyedVersion != q.surface.version || q.keyedColor != key) {
        q.keyed = q.image.convertToFormat(QImage::Format_ARGB32);
        const QRgb keyRgb = ToQColor(key).rgb() & 0xFFFFFF;
        for (int y = 0; y < q.keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(q.keyed.scanLine(y));
            for (int x = 0; x < q.keyed.width(); ++x)
                if ((line[x] & 0xFFFFFF) == keyRgb) line[x] = 0;
        }
        q.keyedVersion = q.surface.version;
        q.keyedColor = key;
    }
    return q.keyed;
}

void TBitmap::DrawOn(TCanvas& canvas, const TRect& rect) const
{
    const QImage& source = DrawnImage(*this);
    QPainter* p = BeginCanvasPainter(canvas);
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), source);
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TPicture*>(&source)) return SetGraphic(other->Graphic());
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) return SetGraphic(graphic);
    TPersistent::Assign(source);
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (!graphic) {
        graphic_.reset();
    } else {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->Assign(*graphic);
        graphic_ = std::move(bitmap);
        graphic_->OnChange = [this](TObject*) { Changed(); };
    }
    Changed();
}

TBitmap* TPicture::Bitmap()
{
    auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
    if (!bitmap) {
        graphic_ = std::make_unique<TBitmap>();
        bitmap = static_cast<TBitmap*>(graphic_.get());
        bitmap->OnChange = [this](TObject*) { Changed(); };
    }
    return bitmap;
}

void TPicture::LoadFromFile(const std::string& path)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(path);
    bitmap->OnChange = [this](TObject*) { Changed(); };
    graphic_ = std::move(bitmap);
    Changed();
}

void TPicture::SaveToFile(const std::string& path) const
{
    if (graphic_) graphic_->SaveToFile(path);
}

void TPicture::Clear() { SetGraphic(nullptr); }

void TPicture::Changed()
{
    if (OnChange) OnChange(this);
}
