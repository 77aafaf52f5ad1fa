#pragma once

#include "picture/picture.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace picture {

// Reads picture files of every raster format the image dialog offers
// (JPEG, GIF, Windows bitmaps including DIB and RLE files, Targa, PCX and
// anything else Qt's image plugins recognise) into a bitmap picture.
class TSmartImage {
public:
    // A bitmap picture of the file, or an empty picture when it cannot be read.
    static TGPicture LoadFromFile(const QString& path);
    // The file's pixels; the format comes from the extension.
    static QImage DecodeFile(const QByteArray& bytes, const QString& extension);
    // A file's bytes, or nothing when it cannot be read or is too large to
    // be a picture for a label.
    static QByteArray ReadPictureFile(const QString& path);
};

// What the image dialog makes of a file it previews: the picture (empty
// when the file could not be read) and whether a failure is reported to the
// user ("Error loading file!" for bitmap and metafile files).
struct TGImageFileLoad {
    TGPicture Picture;
    bool ReportFailure = false;
};

// Loads by the extension, compared in capitals: ".BMP" and ".WMF" as
// bitmap and metafile, ".ICO" drawn onto a bitmap, anything else through
// TSmartImage.
TGImageFileLoad LoadImageFile(const QString& path);

} // namespace picture
