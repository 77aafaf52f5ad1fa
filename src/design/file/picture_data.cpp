#include "design/file/picture_data.h"

#include "design/file/byte_reader.h"
#include "design/file/byte_writer.h"
#include "design/file/design_error.h"

namespace design {

using picture::TGPicture;

namespace {

// Empty pictures of the three kinds drawn here, for their class names.
const TGPicture kBitmap = TGPicture::Bitmap({});
const TGPicture kMetafile = TGPicture::Metafile({});
const TGPicture kIcon = TGPicture::Icon({});

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

// Stored class names are matched without regard to case.
bool IsClass(const QByteArray& className, const TGPicture& picture)
{
    return className.compare(picture.GraphicClassName(), Qt::CaseInsensitive) == 0;
}

// A graphic with a 4-byte length in front of its file; bytes after the
// announced length belong to no graphic and are dropped.
QByteArray ReadPrefixedFile(TGByteReader& reader) { return reader.ReadBytes(reader.ReadLength()); }

TGPicture DecodeGraphic(TGByteReader& reader, qint64 streamOffset)
{
    const QByteArray className = reader.ReadShortString();
    if (className.size() > kMaxClassNameLength)
        throw EDesignFileError(messages::invalidPropertyValue(), streamOffset);
    if (IsClass(className, kBitmap)) {
        QByteArray data = ReadPrefixedFile(reader);
        if (!IsBitmapFile(data))
            throw EDesignFileError(messages::bitmapNotValid(), streamOffset);
        return TGPicture::Bitmap(std::move(data));
    }
    if (IsClass(className, kMetafile)) {
        QByteArray data = ReadPrefixedFile(reader);
        if (!IsMetafile(data))
            throw EDesignFileError(messages::metafileNotValid(), streamOffset);
        return TGPicture::Metafile(std::move(data));
    }
    QByteArray rest = reader.ReadBytes(reader.Remaining());
    if (IsClass(className, kIcon)) {
        if (!IsIconFile(rest))
            throw EDesignFileError(messages::iconNotValid(), streamOffset);
        return TGPicture::Icon(std::move(rest));
    }
    return TGPicture::Other(className, std::move(rest));
}

} // namespace

QByteArray EncodePictureData(const TGPicture& picture)
{
    TGByteWriter writer;
    writer.WriteShortString(picture.GraphicClassName());
    const auto kind = picture.Kind();
    if (kind == TGPicture::TGraphicKind::Bitmap || kind == TGPicture::TGraphicKind::Metafile)
        writer.WriteInt32(static_cast<std::int32_t>(picture.GraphicData().size()));
    writer.WriteBytes(picture.GraphicData());
    return writer.Bytes();
}

TGPicture DecodePictureData(QByteArrayView payload, qint64 streamOffset)
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
