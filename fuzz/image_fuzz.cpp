// Decodes the input as every kind of picture file the image dialog offers
// and as every kind of picture a design file can hold. Nothing may crash,
// and a decoded picture must survive being stored as a bitmap.

#include "picture/image_metafile.h"
#include "picture/image_picture.h"
#include "picture/pcx_decoder.h"
#include "picture/picture.h"
#include "picture/smart_image.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstdlib>

using namespace picture;

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckStoredAsBitmap(const QImage& image)
{
    if (image.isNull())
        return;
    const picture::TGPicture picture = picture::image_picture::BitmapPicture(image);
    Require(picture.HasGraphic());
    Require(picture::image_picture::DecodeRaster(picture).size() == image.size());
}

void CheckPictureFiles(const QByteArray& input)
{
    const QImage pcx = picture::DecodePcx(input);
    CheckStoredAsBitmap(pcx);
    for (const char* extension : {"BMP", "JPG", "GIF", "TGA", "ICO", "XYZ"})
        picture::TSmartImage::DecodeFile(input, QString::fromLatin1(extension));
}

void CheckStoredPictures(const QByteArray& input)
{
    picture::image_picture::DecodeRaster(picture::TGPicture::Bitmap(input));
    picture::image_picture::DecodeRaster(picture::TGPicture::Icon(input));
    const QSize size = picture::metafile::PixelSize(input, 96);
    Require(size.isEmpty() || (size.width() <= 16384 && size.height() <= 16384));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckPictureFiles(input);
    CheckStoredPictures(input);
    return 0;
}
