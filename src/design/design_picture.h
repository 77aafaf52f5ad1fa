#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace design {

class TGByteReader;

// The picture of an image object, kept exactly as stored: the graphic's class
// name and the bytes of its file (a Windows bitmap file, an enhanced or
// placeable Windows metafile, an icon file). Decoding for the screen and the
// page is done by the painting code; the model only carries the bytes, so a
// design reads and writes back unchanged.
class TGPicture {
public:
    enum class TGraphicKind { None, Bitmap, Metafile, Icon, Other };

    TGPicture() = default;
    static TGPicture Bitmap(QByteArray bitmapFile);
    static TGPicture Metafile(QByteArray metafile);
    static TGPicture Icon(QByteArray iconFile);

    bool HasGraphic() const { return kind_ != TGraphicKind::None; }
    TGraphicKind Kind() const { return kind_; }
    // "TBitmap", "TMetafile", "TIcon", or the name found in a file.
    const QByteArray& GraphicClassName() const { return className_; }
    const QByteArray& GraphicData() const { return data_; }

    // The payload of the stored Picture.Data property.
    QByteArray EncodeData() const;
    // Reads that payload; raises EDesignFileError (at the given stream
    // position) when it is not a valid picture. A graphic class this program
    // does not know is kept as it is, so that nothing of a design gets lost.
    static TGPicture DecodeData(QByteArrayView payload, qint64 streamOffset);

    friend bool operator==(const TGPicture&, const TGPicture&) = default;

private:
    static TGPicture DecodeGraphic(TGByteReader& reader, qint64 streamOffset);
    TGPicture(TGraphicKind kind, QByteArray className, QByteArray data);

    TGraphicKind kind_ = TGraphicKind::None;
    QByteArray className_;
    QByteArray data_;
};

} // namespace design
