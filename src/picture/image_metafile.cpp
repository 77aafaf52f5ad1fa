#include "picture/image_metafile.h"

#include "picture/metafile_player.h"

#include <QPainter>

#include <cstdint>
#include <cstdlib>

namespace picture::metafile {

namespace {

std::uint32_t U32(QByteArrayView data, qsizetype at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(data[at + i]);
    return value;
}

std::int32_t S32(QByteArrayView data, qsizetype at) { return static_cast<std::int32_t>(U32(data, at)); }

std::int16_t S16(QByteArrayView data, qsizetype at)
{
    return static_cast<std::int16_t>(static_cast<std::uint8_t>(data[at]) |
                                     (static_cast<std::uint8_t>(data[at + 1]) << 8));
}

constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

QSize Bounded(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return {};
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

// The frame rectangle, in hundredths of a millimetre.
QSize EnhancedSize(QByteArrayView data, int ppi)
{
    const qint64 width = static_cast<qint64>(S32(data, 32)) - S32(data, 24);
    const qint64 height = static_cast<qint64>(S32(data, 36)) - S32(data, 28);
    return Bounded(width * ppi / 2540, height * ppi / 2540);
}

// The bounding box in metafile units, with the units per inch after it.
QSize PlaceableSize(QByteArrayView data, int ppi)
{
    const int unitsPerInch = static_cast<std::uint8_t>(data[14]) | (static_cast<std::uint8_t>(data[15]) << 8);
    if (unitsPerInch == 0)
        return {};
    const qint64 width = std::abs(static_cast<qint64>(S16(data, 10)) - S16(data, 6));
    const qint64 height = std::abs(static_cast<qint64>(S16(data, 12)) - S16(data, 8));
    return Bounded(width * ppi / unitsPerInch, height * ppi / unitsPerInch);
}

} // namespace

bool IsEnhanced(QByteArrayView data) { return data.size() >= 44 && data.sliced(40, 4) == QByteArrayView(" EMF"); }

bool IsPlaceable(QByteArrayView data) { return data.size() >= 22 && U32(data, 0) == 0x9AC6CDD7u; }

QSize PixelSize(QByteArrayView data, int pixelsPerInch)
{
    if (IsEnhanced(data))
        return EnhancedSize(data, pixelsPerInch);
    if (IsPlaceable(data))
        return PlaceableSize(data, pixelsPerInch);
    return {};
}

QImage Placeholder(QSize size)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::darkGray);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Metafile"));
    return image;
}

bool Draw(QByteArrayView data, QPainter& painter, const QRectF& target)
{
    if (target.isEmpty())
        return false;
    if (IsEnhanced(data))
        return PlayEnhanced(data, painter, target).drewSomething;
    if (IsPlaceable(data))
        return PlayPlaceable(data, painter, target).drewSomething;
    return false;
}

QImage RenderDrawing(QByteArrayView data, QSize size)
{
    if (size.isEmpty() || size.width() > kMaxSide || size.height() > kMaxSide ||
        static_cast<qint64>(size.width()) * size.height() > kMaxPixels)
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    bool drew = false;
    {
        QPainter painter(&image);
        drew = Draw(data, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return drew ? image : QImage();
}

QImage Render(QByteArrayView data, QSize size)
{
    const QImage drawing = RenderDrawing(data, size);
    return drawing.isNull() ? Placeholder(size) : drawing;
}

const QImage& TRenderCache::Drawing(QByteArrayView data, QSize size)
{
    if (!valid_ || size != size_) {
        image_ = RenderDrawing(data, size);
        size_ = size;
        valid_ = true;
    }
    return image_;
}

void TRenderCache::Clear()
{
    valid_ = false;
    image_ = QImage();
}

} // namespace picture::metafile
