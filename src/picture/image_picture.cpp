#include "picture/image_picture.h"

#include "picture/image_metafile.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <cstdint>

namespace picture::image_picture {

namespace {

QImage ReadWithFormat(const QByteArray& bytes, const char* format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

int U16(QByteArrayView bytes, qsizetype at)
{
    return static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

qint64 U32(QByteArrayView bytes, qsizetype at) { return U16(bytes, at) | (static_cast<qint64>(U16(bytes, at + 2)) << 16); }

// An icon file holds several sizes; the largest is the one to show.
QImage LargestIcon(const QByteArray& bytes)
{
    if (!IconDirectoryFits(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QImage best;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull() && (best.isNull() || image.width() * image.height() > best.width() * best.height()))
            best = image;
    }
    return best.isNull() ? best : OnWhite(best);
}

} // namespace

bool IconDirectoryFits(QByteArrayView bytes)
{
    constexpr qsizetype kDirectorySize = 6;
    constexpr qsizetype kEntrySize = 16;
    if (bytes.size() < kDirectorySize || U16(bytes, 0) != 0)
        return false;
    const int count = U16(bytes, 4);
    if (count == 0 || kDirectorySize + count * kEntrySize > bytes.size())
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = kDirectorySize + i * kEntrySize;
        const qint64 size = U32(bytes, entry + 8);
        const qint64 offset = U32(bytes, entry + 12);
        if (offset < kDirectorySize || size <= 0 || offset + size > bytes.size())
            return false;
    }
    return true;
}

bool BitmapOffsetFits(QByteArrayView bytes)
{
    constexpr qsizetype kFileHeaderSize = 14;
    constexpr qsizetype kSmallestInfoSize = 12;
    if (bytes.size() < kFileHeaderSize + kSmallestInfoSize || bytes.first(2) != QByteArrayView("BM"))
        return false;
    const qint64 offset = U32(bytes, 10);
    return offset >= kFileHeaderSize + kSmallestInfoSize && offset < bytes.size();
}

// Blended by hand: a painter would need the application's fonts, and
// pictures are decoded where no application object exists (the file tools).
QImage OnWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const auto blend = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha)) / 255; };
            line[x] = qRgb(blend(qRed(line[x])), blend(qGreen(line[x])), blend(qBlue(line[x])));
        }
    }
    return flat.convertToFormat(QImage::Format_RGB32);
}

QImage DecodeRaster(const TGPicture& picture)
{
    switch (picture.Kind()) {
    case TGPicture::TGraphicKind::Bitmap:
        return BitmapOffsetFits(picture.GraphicData()) ? ReadWithFormat(picture.GraphicData(), "bmp") : QImage();
    case TGPicture::TGraphicKind::Icon: return LargestIcon(picture.GraphicData());
    default: return {};
    }
}

QSize NaturalSize(const TGPicture& picture, const QImage& raster, int pixelsPerInch)
{
    if (picture.Kind() == TGPicture::TGraphicKind::Metafile)
        return metafile::PixelSize(picture.GraphicData(), pixelsPerInch);
    return raster.size();
}

TGPicture BitmapPicture(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(OnWhite(image).convertToFormat(QImage::Format_RGB32)))
        return {};
    return TGPicture::Bitmap(bytes);
}

} // namespace picture::image_picture
