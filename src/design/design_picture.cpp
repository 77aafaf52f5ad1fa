#include "design/design_picture.h"

#include "design/byte_reader.h"
#include "design/byte_writer.h"
#include "design/design_error.h"

namespace design {

namespace {

const QByteArray kBitmapClass = QByteArrayLiteral("TBitmap");
const QByteArray kMetafileClass = QByteArrayLiteral("TMetafile");
const QByteArray kIconClass = QByteArrayLiteral("TIcon");

// The longest graphic class name a stored picture may carry.
constexpr qsizetype kMaxClassNameLength = 63;

bool IsBitmapFile(const QByteArray& data) { return data.isEmpty() || (data.size() >= 14 && data.startsWith("BM")); }

bool IsMetafile(const QByteArray& data)
{
    const bool enhanced = data.size() >= 44 && data.mid(40, 4) == QByteArrayLiteral(" EMF");
    const bool placeable = data.size() >= 22 && data.startsWith(QByteArrayLiteral("\xD7\xCD\xC6\x9A"));
    return data.isEmpty() || enhanced || placeable;
}

bool IsIconFile(const QByteArray& data)
{
    return data.size() >= 6 && data.startsWith(QByteArrayLiteral("\x00\x00\x01\x00"));
}

// A graphic with a 4-byte length in front of its file; bytes after the
// announced length belong to no graphic and are dropped.
QByteArray ReadPrefixedFile(TGByteReader& reader) { return reader.ReadBytes(reader.ReadLength()); }

} // namespace

TGPicture TGPicture::DecodeGraphic(TGByteReader& reader, qint64 streamOffset)
{
    const QByteArray className = reader.ReadShortString();
    if (className.size() > kMaxClassNameLength)
        throw EDesignFileError(messages::invalidPropertyValue(), streamOffset);
    if (className.compare(kBitmapClass, Qt::CaseInsensitive) == 0) {
        QByteArray data = ReadPrefixedFile(reader);
        if (!IsBitmapFile(data))
            throw EDesignFileError(messages::bitmapNotValid(), streamOffset);
        return TGPicture::Bitmap(std::move(data));
    }
    if (className.compare(kMetafileClass, Qt::CaseInsensitive) == 0) {
        QByteArray data = ReadPrefixedFile(reader);
        if (!IsMetafile(data))
            throw EDesignFileError(messages::metafileNotValid(), streamOffset);
        return TGPicture::Metafile(std::move(data));
    }
    QByteArray rest = reader.ReadBytes(reader.Remaining());
    if (className.compare(kIconClass, Qt::CaseInsensitive) == 0) {
        if (!IsIconFile(rest))
            throw EDesignFileError(messages::iconNotValid(), streamOffset);
        return TGPicture::Icon(std::move(rest));
    }
    return TGPicture(TGraphicKind::Other, className, std::move(rest));
}

TGPicture::TGPicture(TGraphicKind kind, QByteArray className, QByteArray data)
    : kind_(kind), className_(std::move(className)), data_(std::move(data))
{
}

TGPicture TGPicture::Bitmap(QByteArray bitmapFile)
{
    return TGPicture(TGraphicKind::Bitmap, kBitmapClass, std::move(bitmapFile));
}

TGPicture TGPicture::Metafile(QByteArray metafile)
{
    return TGPicture(TGraphicKind::Metafile, kMetafileClass, std::move(metafile));
}

TGPicture TGPicture::Icon(QByteArray iconFile) { return TGPicture(TGraphicKind::Icon, kIconClass, std::move(iconFile)); }

QByteArray TGPicture::EncodeData() const
{
    TGByteWriter writer;
    writer.WriteShortString(className_);
    if (kind_ == TGraphicKind::Bitmap || kind_ == TGraphicKind::Metafile)
        writer.WriteInt32(static_cast<std::int32_t>(data_.size()));
    writer.WriteBytes(data_);
    return writer.Bytes();
}

TGPicture TGPicture::DecodeData(QByteArrayView payload, qint64 streamOffset)
{
    TGByteReader reader(payload);
    try {
        return DecodeGraphic(reader, streamOffset);
    } catch (const EDesignFileError& error) {
        // A length inside the payload that overruns it is a bad value of
        // this property, reported where the property's value begins.
        if (error.message() != messages::invalidStreamFormat())
            throw;
        throw EDesignFileError(messages::invalidPropertyValue(), streamOffset);
    }
}

} // namespace design
