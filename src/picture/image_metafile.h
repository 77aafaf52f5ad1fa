#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>

#include <QPainter>
#include <QRectF>

// Windows metafiles as pictures: recognised, measured from their headers
// and drawn by our own players (metafile_player.h). A file with nothing
// drawable, or damaged before anything was drawn, shows a labelled frame
// instead, at the size its header gives.
namespace picture::metafile {

// An enhanced metafile (" EMF" at offset 40) or a placeable Windows
// metafile (key 9AC6CDD7).
bool IsEnhanced(QByteArrayView data);
bool IsPlaceable(QByteArrayView data);

// The picture's size in screen pixels at the given resolution, or an empty
// size when the header gives none.
QSize PixelSize(QByteArrayView data, int pixelsPerInch);

// The frame with the word "Metafile" shown in place of the drawing.
QImage Placeholder(QSize size);

// Draws the metafile stretched into target; false when nothing was drawn
// (not a metafile, damaged from the start, or no drawing records).
bool Draw(QByteArrayView data, QPainter& painter, const QRectF& target);

// The metafile drawn on white into an image of the given size; a null
// image when Draw draws nothing or the size is beyond what a picture needs.
QImage RenderDrawing(QByteArrayView data, QSize size);

// For the screen: the drawing, or the placeholder where there is none.
QImage Render(QByteArrayView data, QSize size);

// The last drawing made for one purpose (the screen, the printer), kept
// while its owner's picture and the size stay the same: a design prints the
// same picture on every label of a run. The owner clears it when its
// picture changes.
class TRenderCache {
public:
    // RenderDrawing(data, size), from the cache when nothing changed.
    const QImage& Drawing(QByteArrayView data, QSize size);
    void Clear();

private:
    bool valid_ = false;
    QSize size_;
    QImage image_;
};

} // namespace picture::metafile
