#pragma once

#include <QByteArrayView>
#include <QImage>

// Device-independent bitmaps inside metafile records: a BITMAPINFO (header
// and colour table) and the pixel rows, decoded by Qt's bitmap reader after
// the file header a .BMP file would have is put in front of them.
namespace design::metafile {

struct TDib {
    QImage image;
    bool bottomUp = true; // rows stored from the bottom (positive height)
};

// A null image when the header is not one we know, the picture is larger
// than a label could use, or the bits are missing or do not decode.
TDib DecodeDib(QByteArrayView info, QByteArrayView bits);
// A packed DIB: the BITMAPINFO immediately followed by the bits.
TDib DecodePackedDib(QByteArrayView packed);

} // namespace design::metafile
