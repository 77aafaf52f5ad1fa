// Decodes the input as every kind of picture file the image dialog offers
// and as every kind of picture a design file can hold. Nothing may crash,
// and a decoded picture must survive being stored as a bitmap.

#include "design/design_picture.h"
#include "design/image_metafile.h"
#include "design/image_picture.h"
#include "design/pcx_decoder.h"
#include "design/smart_image.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstdlib>

using namespace design;

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
    const TGPicture picture = image_picture::BitmapPicture(image);
    Require(picture.HasGraphic());
    Require(image_picture::DecodeRaster(picture).size() == image.size());
}

void CheckPictureFiles(const QByteArray& input)
{
    const QImage pcx = DecodePcx(input);
    CheckStoredAsBitmap(pcx);
    for (const char* extension : {"BMP", "JPG", "GIF", "TGA", "ICO", "XYZ"})
        TSmartImage::DecodeFile(input, QString::fromLatin1(extension));
}

void CheckStoredPictures(const QByteArray& input)
{
    image_picture::DecodeRaster(TGPicture::Bitmap(input));
    image_picture::DecodeRaster(TGPicture::Icon(input));
    const QSize size = metafile::PixelSize(input, 96);
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
