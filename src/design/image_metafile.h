#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>

// Windows metafiles as pictures. No renderer for them ships with the
// platform, so the screen shows a labelled frame where the drawing would be;
// the size still comes from the metafile's header, so AutoSize and layout
// behave as with the drawing itself.
namespace design::metafile {

// An enhanced metafile (" EMF" at offset 40) or a placeable Windows
// metafile (key 9AC6CDD7).
bool IsEnhanced(QByteArrayView data);
bool IsPlaceable(QByteArrayView data);

// The picture's size in screen pixels at the given resolution, or an empty
// size when the header gives none.
QSize PixelSize(QByteArrayView data, int pixelsPerInch);

// The frame with the word "Metafile" shown in place of the drawing.
QImage Placeholder(QSize size);

} // namespace design::metafile
