#pragma once

#include <QByteArrayView>
#include <QImage>

namespace picture {

// Decodes a ZSoft PCX picture: monochrome, up to four one-bit colour planes
// (the header's 16-colour palette), 256 colours with the palette at the end of the file, and
// 24-bit colour in three planes. Returns a null image for anything it cannot
// read; every size in the header is checked before memory is taken.
QImage DecodePcx(QByteArrayView file);

} // namespace picture
