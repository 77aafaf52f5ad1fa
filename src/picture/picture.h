#pragma once

// The picture library: pictures that know nothing of designs, for labels,
// envelopes, reports and letters alike.
//
// What it reads:
// - Windows bitmaps (BMP, DIB, RLE) and icons, JPEG, GIF, PNG, Targa and
//   anything else Qt's image plugins recognise (smart_image.h);
// - PCX files, with our own decoder (pcx_decoder.h);
// - placeable Windows metafiles (WMF) and enhanced metafiles (EMF), drawn
//   by our own players onto any painter (image_metafile.h).
//
// What it refuses, without crashing and without touching the file:
// - bitmaps whose pixel offset, and icons whose directory, point past the
//   end of the file (image_picture.h);
// - picture files over 256 MB, and PCX pictures or metafile drawings over
//   16,384 pixels a side or 64 million pixels;
// - in metafiles: records or lengths that run past the file, more than
//   1,000,000 records, 4,096 WMF or 65,536 EMF objects, 1,024 saved states
//   or bitmaps over 16 million pixels; a file that keeps painting over the
//   whole picture is stopped. What was drawn before the damage stays; a
//   metafile with nothing drawable shows a frame with the word "Metafile".

#include <QByteArray>

namespace picture {

// A picture kept exactly as it was stored: the graphic's class name and the
// bytes of its file (a Windows bitmap file, an enhanced or placeable Windows
// metafile, an icon file). Decoding for the screen and the page is done by
// the painting code; the value only carries the bytes, so whatever holds one
// reads and writes it back unchanged.
class TGPicture {
public:
    enum class TGraphicKind { None, Bitmap, Metafile, Icon, Other };

    TGPicture() = default;
    static TGPicture Bitmap(QByteArray bitmapFile);
    static TGPicture Metafile(QByteArray metafile);
    static TGPicture Icon(QByteArray iconFile);
    // A graphic of a class this program does not draw, kept so that nothing
    // of the file that held it gets lost.
    static TGPicture Other(QByteArray className, QByteArray data);

    bool HasGraphic() const { return kind_ != TGraphicKind::None; }
    TGraphicKind Kind() const { return kind_; }
    // "TBitmap", "TMetafile", "TIcon", or the name found in a file.
    const QByteArray& GraphicClassName() const { return className_; }
    const QByteArray& GraphicData() const { return data_; }

    friend bool operator==(const TGPicture&, const TGPicture&) = default;

private:
    TGPicture(TGraphicKind kind, QByteArray className, QByteArray data);

    TGraphicKind kind_ = TGraphicKind::None;
    QByteArray className_;
    QByteArray data_;
};

} // namespace picture
