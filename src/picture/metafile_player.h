#pragma once

#include <QByteArrayView>
#include <QPainter>
#include <QRectF>

// Players for the two Windows metafile formats: each walks the records of a
// file and draws them with a painter into a target rectangle. Every length,
// count and object index is checked against the file; records we do not
// know are skipped, and a record that runs past the end stops the drawing.
namespace picture::metafile {

struct TPlayResult {
    bool drewSomething = false;
    bool damaged = false; // the header or a record was not sound
};

// A placeable Windows metafile; its bounding box fills the target.
TPlayResult PlayPlaceable(QByteArrayView data, QPainter& painter, const QRectF& target);
// An enhanced metafile; its picture frame fills the target.
TPlayResult PlayEnhanced(QByteArrayView data, QPainter& painter, const QRectF& target);

// The drawing records a player reads at most: a file of more is not a
// picture for a label.
inline constexpr int kMaxRecords = 1'000'000;

} // namespace picture::metafile
