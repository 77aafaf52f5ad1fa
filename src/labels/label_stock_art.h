#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A stock picture shows the printed parts of a sheet (a logo, lines to
// write on) as a faint background of the design, so the user places text
// around them. It is never printed.
namespace labels {

// The picture's file name for a layout's ART: the text before a "." in
// upper case, with ".BMP" ("av5305.x" -> "AV5305.BMP"); empty for no art.
QString StockArtFileName(const QString& art);

// The background the design surface shows: a picture of the label's size
// that takes the stock picture from its top-left corner, unscaled, through
// one bit per pixel; black shows as light grey (192, 192, 192), white as
// white. Where the stock picture is smaller than the label it is white.
QImage StockArtBackground(const QImage& stockPicture, QSize labelSize);

} // namespace labels
