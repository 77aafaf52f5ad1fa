#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QRectF>

// Device-independent bitmaps inside metafile records: a BITMAPINFO (header
// and colour table) and the pixel rows, decoded by Qt's bitmap reader after
// the file header a .BMP file would have is put in front of them.
namespace picture::metafile {

struct TDib {
    QImage image;
    bool bottomUp = true; // rows stored from the bottom (positive height)
};

// A null image when the header is not one we know, the picture is larger
// than a label could use, or the bits are missing or do not decode.
TDib DecodeDib(QByteArrayView info, QByteArrayView bits);
// A packed DIB: the BITMAPINFO immediately followed by the bits.
TDib DecodePackedDib(QByteArrayView packed);

// Where a record's source rectangle lies in the decoded image: bottom-up
// bitmaps count the source row from the bottom for the DIB-bits records.
// A zero-sized source means the whole image.
QRectF DibSourceRect(const QImage& image, bool countFromBottom, double x, double y, double width, double height);

} // namespace picture::metafile
