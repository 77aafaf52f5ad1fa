// The clipping area of the metafile canvas, kept in device space so that
// later changes of the mapping do not move it.
#include "picture/metafile_canvas.h"

namespace picture::metafile {

namespace {

// Region records may list any number of rectangles; real clipping regions
// have few, and a painter path of many thousands only costs time.
constexpr std::size_t kMaxClipRects = 4096;

// The whole device, for combining with "no clipping".
QPainterPath Everything()
{
    constexpr double kFar = 1e7;
    QPainterPath all;
    all.addRect(QRectF(-kFar, -kFar, 2 * kFar, 2 * kFar));
    return all;
}

} // namespace

void TMetafileCanvas::IntersectClip(const QRectF& box)
{
    QPainterPath area;
    area.addRect(box.normalized());
    CombineClip(LogicalToDevice().map(area), RGN_AND);
}

void TMetafileCanvas::ExcludeClip(const QRectF& box)
{
    QPainterPath area;
    area.addRect(box.normalized());
    CombineClip(LogicalToDevice().map(area), RGN_DIFF);
}

void TMetafileCanvas::SelectClipPath(int mode)
{
    QPainterPath area = path_;
    area.setFillRule(state_.fillRule);
    path_ = QPainterPath();
    pathOpen_ = false;
    CombineClip(LogicalToDevice().map(area), mode);
}

void TMetafileCanvas::SelectClipRegion(int mode, const std::vector<QRectF>& deviceRects)
{
    if (deviceRects.empty()) {
        if (mode == RGN_COPY) {
            state_.clip.reset();
            clipChanged_ = true;
        }
        return;
    }
    QPainterPath area;
    area.setFillRule(Qt::WindingFill);
    for (std::size_t i = 0; i < deviceRects.size() && i < kMaxClipRects; ++i)
        area.addRect(deviceRects[i].normalized());
    CombineClip(area, mode);
}

void TMetafileCanvas::CombineClip(QPainterPath area, int mode)
{
    const QPainterPath current = state_.clip ? *state_.clip : Everything();
    switch (mode) {
    case RGN_AND: state_.clip = current.intersected(area); break;
    case RGN_OR: state_.clip = current.united(area); break;
    case RGN_XOR: state_.clip = current.united(area).subtracted(current.intersected(area)); break;
    case RGN_DIFF: state_.clip = current.subtracted(area); break;
    case RGN_COPY: state_.clip = area; break;
    default: return; // not a combination: the area stays as it is
    }
    clipChanged_ = true;
}

// The caller's own clipping stays; the metafile's narrows it further.
void TMetafileCanvas::ApplyClip()
{
    if (!clipChanged_)
        return;
    clipChanged_ = false;
    painter_.setTransform(initialTransform_);
    if (callerClip_)
        painter_.setClipPath(*callerClip_);
    else
        painter_.setClipping(false);
    if (state_.clip) {
        painter_.setTransform(deviceToPainter_);
        painter_.setClipPath(*state_.clip, callerClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    }
}

} // namespace picture::metafile
