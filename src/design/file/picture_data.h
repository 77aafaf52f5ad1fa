#pragma once

#include "picture/picture.h"

#include <QByteArray>
#include <QByteArrayView>

namespace design {

// The stored Picture.Data property of an image object: the graphic's class
// name as a short string, then for bitmaps and metafiles a 4-byte length and
// the file, for icons and unknown classes the rest of the payload.

QByteArray EncodePictureData(const picture::TGPicture& picture);

// Reads that payload; raises EDesignFileError (at the given stream position)
// when it is not a valid picture. A graphic class this program does not know
// is kept as it is, so that nothing of a design gets lost.
picture::TGPicture DecodePictureData(QByteArrayView payload, qint64 streamOffset);

} // namespace design
