#pragma once

#include <QImage>
#include <QSize>

namespace design {

// The picture a POSTNET object shows on the screen in place of a record's
// barcode: the bars of 12345-6789 with delivery point 23.
inline constexpr int kPostnetSampleWidth = 270;
inline constexpr int kPostnetSampleHeight = 16;

const QImage& PostnetSampleImage();

// The sample's size at a zoom factor, each side rounded half to even.
QSize PostnetSampleSizeAtZoom(float zoom);

} // namespace design
