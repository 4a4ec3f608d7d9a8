#include "platform/ui/ImageReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "platform/ui/QtGraphics.h"
#include "platform/ui/QtImageStore.h"

namespace {

QImage Decode(const std::string& bytes)
{
    if (bytes.empty()) return {};
    EnsureQtApplication();
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

bool StoreImage(const QImage& image, TBitmap& bitmap)
{
    const bool alpha = image.hasAlphaChannel();
    bitmap.SetSize(0, 0);
    bitmap.SetPixelFormat(alpha ? pf32bit : pf24bit);
    bitmap.SetSize(image.width(), image.height());
    QPainter* p = BeginCanvasPainter(*bitmap.Canvas());
    if (!p) return false;
    p->setClipping(false);
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(0, 0, image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32));
    EndCanvasPainter(*bitmap.Canvas());
    return true;
}

bool ReadImage(const std::string& bytes, TBitmap& bitmap)
{
    const QImage image = Decode(bytes);
    return !image.isNull() && StoreImage(image, bitmap);
}

bool ReadImageFrame(const std::string& bytes, const TRect& frame, TBitmap& bitmap)
{
    const QImage image = Decode(bytes);
    if (image.isNull()) return false;
    // What a decoder puts around the frame differs (the file's background colour, black or
    // nothing at all); transparent is what lets the earlier frames or the page show.
    QImage framed(image.size(), QImage::Format_ARGB32);
    framed.fill(Qt::transparent);
    const QRect shown = QRect(frame.Left, frame.Top, frame.Width(), frame.Height()).intersected(image.rect());
    if (!shown.isEmpty()) {
        QPainter p(&framed);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(shown.topLeft(), image.convertToFormat(QImage::Format_ARGB32), shown);
    }
    return StoreImage(framed, bitmap);
}
