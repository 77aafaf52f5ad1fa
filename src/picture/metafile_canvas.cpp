#include "picture/metafile_canvas.h"

#include <cmath>
#include <numbers>

namespace picture::metafile {

namespace {

// Deeper nesting than any drawing program writes; a file that saves more
// often only loses the oldest levels' restores.
constexpr std::size_t kMaxSavedStates = 1024;
// How many times over the drawing may cover the device, and a floor for
// small targets, before a file counts as hostile.
constexpr double kCoveragesAllowed = 1000;
constexpr double kMinimumWork = 1e8;
// A pen thicker than this many device pixels is a damaged width.
constexpr double kMaxPenPixels = 30000.0;

double MillimetresPerUnit(int mapMode)
{
    switch (mapMode) {
    case TMetafileCanvas::MM_LOMETRIC: return 0.1;
    case TMetafileCanvas::MM_HIMETRIC: return 0.01;
    case TMetafileCanvas::MM_LOENGLISH: return 0.254;
    case TMetafileCanvas::MM_HIENGLISH: return 0.0254;
    case TMetafileCanvas::MM_TWIPS: return 25.4 / 1440;
    default: return 0;
    }
}

double Ratio(double numerator, double denominator) { return denominator == 0 ? 1.0 : numerator / denominator; }

// The angle of the ellipse's own parameter at which the line from the
// centre through point meets it; painter paths measure arcs this way.
double ParametricAngle(const QRectF& box, QPointF point)
{
    const QPointF centre = box.center();
    const double radians = std::atan2(-(point.y() - centre.y()) / (box.height() / 2),
                                      (point.x() - centre.x()) / (box.width() / 2));
    return radians * 180 / std::numbers::pi;
}

} // namespace

TMetafileCanvas::TMetafileCanvas(QPainter& painter, const QTransform& deviceToPainter)
    : painter_(painter), deviceToPainter_(deviceToPainter * painter.transform()),
      initialTransform_(painter.transform())
{
    if (painter.hasClipping())
        callerClip_ = painter.clipPath();
    const QPaintDevice* device = painter.device();
    const double area = device ? static_cast<double>(device->width()) * device->height() : 0;
    budget_ = kMinimumWork + kCoveragesAllowed * area;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
}

TMetafileCanvas::~TMetafileCanvas() { painter_.restore(); }

QTransform TMetafileCanvas::PageTransform() const
{
    double sx = 1;
    double sy = 1;
    const int mode = state_.mapMode;
    if (const double mm = MillimetresPerUnit(mode); mm > 0) {
        sx = mm * pixelsPerMm_.width();
        sy = -mm * pixelsPerMm_.height();
    } else if (mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) {
        sx = Ratio(state_.viewportExt.width(), state_.windowExt.width());
        sy = Ratio(state_.viewportExt.height(), state_.windowExt.height());
        if (mode == MM_ISOTROPIC) {
            const double uniform = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(uniform, sx);
            sy = std::copysign(uniform, sy);
        }
    }
    return QTransform(sx, 0, 0, sy, state_.viewportOrg.x() - state_.windowOrg.x() * sx,
                      state_.viewportOrg.y() - state_.windowOrg.y() * sy);
}

QTransform TMetafileCanvas::LogicalToDevice() const { return state_.world * PageTransform(); }

void TMetafileCanvas::SaveState()
{
    if (saved_.size() < kMaxSavedStates)
        saved_.push_back(state_);
}

void TMetafileCanvas::RestoreState(int relative)
{
    const auto depth = static_cast<qint64>(saved_.size());
    const qint64 level = relative < 0 ? depth + relative : static_cast<qint64>(relative) - 1;
    if (level < 0 || level >= depth)
        return; // no such level: the device context stays as it is
    state_ = saved_[static_cast<std::size_t>(level)];
    clipChanged_ = true;
    saved_.resize(static_cast<std::size_t>(level));
}

void TMetafileCanvas::Select(const TGdiObject& object)
{
    switch (object.kind) {
    case TGdiObject::Kind::Pen: state_.pen = object.pen; break;
    case TGdiObject::Kind::Brush: state_.brush = object.brush; break;
    case TGdiObject::Kind::Font: state_.font = object.font; break;
    case TGdiObject::Kind::Other: break;
    }
}

QPen TMetafileCanvas::StrokePen(const QTransform& full) const
{
    QPen pen = state_.pen;
    const double scale = std::sqrt(std::abs(full.determinant()));
    const double pixels = pen.widthF() * scale;
    if (pixels < 1)
        pen.setWidthF(0); // the thinnest line a device draws, as on paper
    else if (pixels > kMaxPenPixels)
        pen.setWidthF(kMaxPenPixels / scale);
    return pen;
}

void TMetafileCanvas::Draw(const QPainterPath& shape, bool stroke, bool fill)
{
    if (pathOpen_) {
        path_.addPath(shape);
        return;
    }
    const QTransform full = Full();
    if (!full.isInvertible())
        return;
    ApplyClip();
    painter_.setTransform(full);
    const bool hatched = state_.brush.style() != Qt::SolidPattern && state_.brush.style() != Qt::NoBrush;
    if (fill && hatched && state_.opaqueBackground)
        painter_.fillPath(shape, state_.backColor);
    painter_.setPen(stroke ? StrokePen(full) : QPen(Qt::NoPen));
    painter_.setBrush(fill ? state_.brush : QBrush(Qt::NoBrush));
    painter_.drawPath(shape);
    drew_ = true;
    Charge(full.mapRect(shape.controlPointRect()));
}

void TMetafileCanvas::Charge(const QRectF& painterArea)
{
    const QPaintDevice* device = painter_.device();
    const QRectF covered = device ? painterArea.intersected(QRectF(0, 0, device->width(), device->height()))
                                  : painterArea;
    // Every operation costs something, even one that falls off the device.
    work_ += 1 + std::max(0.0, covered.width()) * std::max(0.0, covered.height());
}

void TMetafileCanvas::EnsureFigureStart()
{
    if (path_.elementCount() == 0)
        path_.moveTo(state_.current);
}

void TMetafileCanvas::MoveTo(QPointF point)
{
    state_.current = point;
    if (pathOpen_)
        path_.moveTo(point);
}

void TMetafileCanvas::LineTo(QPointF point) { PolylineTo(QPolygonF{point}); }

void TMetafileCanvas::PolylineTo(const QPolygonF& points)
{
    if (points.isEmpty())
        return;
    if (pathOpen_) {
        EnsureFigureStart();
        for (const QPointF& point : points)
            path_.lineTo(point);
    } else {
        QPainterPath line(state_.current);
        for (const QPointF& point : points)
            line.lineTo(point);
        Draw(line, true, false);
    }
    state_.current = points.last();
}

void TMetafileCanvas::Polyline(const QPolygonF& points)
{
    if (points.size() < 2)
        return;
    QPainterPath line;
    line.addPolygon(points);
    Draw(line, true, false);
}

void TMetafileCanvas::PolyPolyline(const std::vector<QPolygonF>& polylines)
{
    QPainterPath lines;
    for (const QPolygonF& line : polylines)
        if (line.size() >= 2)
            lines.addPolygon(line);
    if (!lines.isEmpty())
        Draw(lines, true, false);
}

void TMetafileCanvas::PolyBezier(const QPolygonF& points, bool fromCurrent)
{
    const qsizetype first = fromCurrent ? 0 : 1;
    if (points.size() < first + 3)
        return;
    if (pathOpen_ && fromCurrent)
        EnsureFigureStart();
    QPainterPath curve(fromCurrent ? state_.current : points.first());
    for (qsizetype i = first; i + 2 < points.size(); i += 3)
        curve.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (pathOpen_ && fromCurrent)
        path_.connectPath(curve);
    else
        Draw(curve, true, false);
    if (fromCurrent)
        state_.current = curve.currentPosition();
}

void TMetafileCanvas::Polygon(const QPolygonF& points) { PolyPolygon({points}); }

void TMetafileCanvas::PolyPolygon(const std::vector<QPolygonF>& polygons)
{
    QPainterPath area;
    area.setFillRule(state_.fillRule);
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        area.addPolygon(polygon);
        area.closeSubpath();
    }
    if (!area.isEmpty())
        Draw(area, true, true);
}

void TMetafileCanvas::Rectangle(const QRectF& box)
{
    QPainterPath area;
    area.addRect(box.normalized());
    Draw(area, true, true);
}

void TMetafileCanvas::RoundRect(const QRectF& box, QSizeF corner)
{
    QPainterPath area;
    area.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    Draw(area, true, true);
}

void TMetafileCanvas::Ellipse(const QRectF& box)
{
    QPainterPath area;
    area.addEllipse(box.normalized());
    Draw(area, true, true);
}

void TMetafileCanvas::ArcShape(TArcKind kind, const QRectF& box, QPointF start, QPointF end)
{
    const QRectF rect = box.normalized();
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    // Counter-clockwise from start to end; equal points make a whole turn.
    const double from = ParametricAngle(rect, start);
    double sweep = ParametricAngle(rect, end) - from;
    while (sweep <= 0)
        sweep += 360;
    if (state_.clockwiseArcs)
        sweep -= 360;
    if (sweep == 0)
        sweep = -360;
    if (kind == TArcKind::ArcTo) {
        // A line from the current position to the arc's start, then the arc.
        QPainterPath shape(state_.current);
        shape.arcTo(rect, from, sweep);
        state_.current = shape.currentPosition();
        if (pathOpen_) {
            EnsureFigureStart();
            path_.connectPath(shape);
        } else {
            Draw(shape, true, false);
        }
        return;
    }
    QPainterPath shape;
    if (kind == TArcKind::Pie)
        shape.moveTo(rect.center());
    else
        shape.arcMoveTo(rect, from);
    shape.arcTo(rect, from, sweep);
    if (kind != TArcKind::Arc)
        shape.closeSubpath();
    Draw(shape, true, kind != TArcKind::Arc);
}

void TMetafileCanvas::BeginPath()
{
    path_ = QPainterPath();
    pathOpen_ = true;
}

void TMetafileCanvas::CloseFigure()
{
    if (pathOpen_)
        path_.closeSubpath();
}

void TMetafileCanvas::AbortPath()
{
    path_ = QPainterPath();
    pathOpen_ = false;
}

void TMetafileCanvas::DrawPath(bool stroke, bool fill)
{
    pathOpen_ = false;
    QPainterPath shape = path_;
    path_ = QPainterPath();
    shape.setFillRule(state_.fillRule);
    if (!shape.isEmpty())
        Draw(shape, stroke, fill);
}

} // namespace picture::metafile
