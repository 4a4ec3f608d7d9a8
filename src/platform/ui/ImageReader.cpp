#include "platform/ui/ImageReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "platform/ui/QtGraphics.h"

bool ReadImage(const std::string& bytes, TBitmap& bitmap)
{
    if (bytes.empty()) return false;
    EnsureQtApplication();
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return false;

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
