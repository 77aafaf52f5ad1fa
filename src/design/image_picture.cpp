#include "design/image_picture.h"

#include "design/image_metafile.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace design::image_picture {

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

// An icon file holds several sizes; the largest is the one to show.
QImage LargestIcon(const QByteArray& bytes)
{
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
    case TGPicture::TGraphicKind::Bitmap: return ReadWithFormat(picture.GraphicData(), "bmp");
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

} // namespace design::image_picture
