#pragma once

#include "picture/picture.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>

// A stored picture made visible: the bitmap or icon decoded by Qt's image
// plugins, a metafile measured here and drawn by our own player
// (image_metafile.h).
namespace picture::image_picture {

// The picture as pixels: a bitmap or an icon decoded (an icon on white,
// its largest image), a null image for a metafile, an empty picture or
// bytes that do not decode.
QImage DecodeRaster(const TGPicture& picture);

// The picture's natural size in screen pixels at the resolution.
QSize NaturalSize(const TGPicture& picture, const QImage& raster, int pixelsPerInch);

// A raster picture stored the way designs keep bitmaps: a Windows bitmap file.
TGPicture BitmapPicture(const QImage& image);

// Qt's bitmap and icon readers seek to the offsets a file gives without
// checking them against the file, and complain on the console when they
// point past the end. Such files are damaged; these look before handing
// them over: the bitmap's pixel offset, and every image of an icon directory,
// must lie inside the bytes.
bool BitmapOffsetFits(QByteArrayView bytes);
bool IconDirectoryFits(QByteArrayView bytes);

// An image flattened onto white, for pictures with transparent parts.
QImage OnWhite(const QImage& image);

} // namespace picture::image_picture
