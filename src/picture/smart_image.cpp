#include "picture/smart_image.h"

#include "picture/image_metafile.h"
#include "picture/image_picture.h"
#include "picture/pcx_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace picture {

namespace {

// Far above any picture meant for a label, envelope or report.
constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;

QByteArray QtFormatFor(const QString& extension)
{
    if (extension == u"JPG" || extension == u"JIF" || extension == u"JPEG")
        return "jpeg";
    if (extension == u"BMP" || extension == u"DIB" || extension == u"RLE")
        return "bmp";
    if (extension == u"GIF")
        return "gif";
    if (extension == u"TGA")
        return "tga";
    if (extension == u"ICO")
        return "ico";
    return {}; // unknown: Qt decides from the content
}

QString UpperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper(); }

TGPicture MetafilePicture(const QByteArray& bytes)
{
    if (metafile::IsEnhanced(bytes) || metafile::IsPlaceable(bytes))
        return TGPicture::Metafile(bytes);
    return {};
}

} // namespace

QByteArray TSmartImage::ReadPictureFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return {};
    return file.readAll();
}

QImage TSmartImage::DecodeFile(const QByteArray& bytes, const QString& extension)
{
    if (extension == u"PCX")
        return DecodePcx(bytes);
    const QByteArray format = QtFormatFor(extension);
    if ((format == "bmp" && !image_picture::BitmapOffsetFits(bytes)) ||
        (format == "ico" && !image_picture::IconDirectoryFits(bytes)))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (!format.isEmpty())
        reader.setDecideFormatFromContent(false);
    return reader.read();
}

TGPicture TSmartImage::LoadFromFile(const QString& path)
{
    const QByteArray bytes = ReadPictureFile(path);
    if (bytes.isEmpty())
        return {};
    const QImage image = DecodeFile(bytes, UpperExtension(path));
    return image.isNull() ? TGPicture() : image_picture::BitmapPicture(image);
}

TGImageFileLoad LoadImageFile(const QString& path)
{
    const QString extension = UpperExtension(path);
    if (extension == u"BMP")
        return {TSmartImage::LoadFromFile(path), true};
    if (extension == u"WMF")
        return {MetafilePicture(TSmartImage::ReadPictureFile(path)), true};
    // Icons and the library formats fail quietly: the preview stays empty.
    return {TSmartImage::LoadFromFile(path), false};
}

} // namespace picture
