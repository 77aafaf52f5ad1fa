#include "picture/picture.h"

namespace picture {

TGPicture::TGPicture(TGraphicKind kind, QByteArray className, QByteArray data)
    : kind_(kind), className_(std::move(className)), data_(std::move(data))
{
}

TGPicture TGPicture::Bitmap(QByteArray bitmapFile)
{
    return TGPicture(TGraphicKind::Bitmap, QByteArrayLiteral("TBitmap"), std::move(bitmapFile));
}

TGPicture TGPicture::Metafile(QByteArray metafile)
{
    return TGPicture(TGraphicKind::Metafile, QByteArrayLiteral("TMetafile"), std::move(metafile));
}

TGPicture TGPicture::Icon(QByteArray iconFile)
{
    return TGPicture(TGraphicKind::Icon, QByteArrayLiteral("TIcon"), std::move(iconFile));
}

TGPicture TGPicture::Other(QByteArray className, QByteArray data)
{
    return TGPicture(TGraphicKind::Other, std::move(className), std::move(data));
}

} // namespace picture
