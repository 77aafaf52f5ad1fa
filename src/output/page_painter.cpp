#include "output/page_painter.h"

#include "output/font_measure.h"
#include "output/font_setup.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace output {

namespace {

Qt::PenStyle qtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psSolid:
    case psInsideFrame: break;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle qtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    case bsSolid: break;
    }
    return Qt::SolidPattern;
}

// Angle in degrees, counter-clockwise from three o'clock, of the ray from the
// centre of `box` through `point`, measured on the ellipse the box bounds.
double radialAngle(const QRectF& box, QPointF point)
{
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    if (rx == 0.0 || ry == 0.0)
        return 0.0;
    const double dx = (point.x() - box.center().x()) / rx;
    const double dy = (box.center().y() - point.y()) / ry;
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

// Arcs run counter-clockwise from start to end; equal ends mean a full turn.
double arcSpan(double start, double end)
{
    double span = std::fmod(end - start, 360.0);
    if (span <= 0.0)
        span += 360.0;
    return span;
}

} // namespace

TPagePainter::TPagePainter(QPainter& painter, const TDeviceMapping& mapping)
    : painter_(painter), mapping_(mapping)
{
    rasterOps_ = painter.paintEngine() != nullptr && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPointF TPagePainter::toPixels(QPointF inches) const
{
    return {mapping_.pixelX(inches.x()), mapping_.pixelY(inches.y())};
}

QRectF TPagePainter::toPixels(const QRectF& inches) const
{
    return QRectF(toPixels(inches.topLeft()), toPixels(inches.bottomRight()));
}

void TPagePainter::drawPage(const TPage& page)
{
    for (const TPageOp& op : page.ops)
        drawOp(op);
}

void TPagePainter::drawOp(const TPageOp& op)
{
    std::visit([this](const auto& concrete) { draw(concrete); }, op);
}

const QFont& TPagePainter::fontFor(const TFontSpec& spec, double pixels)
{
    if (!haveFont_ || !(spec == fontSpec_)) {
        font_ = MakeQFont(spec, pixels, *painter_.device());
        fontSpec_ = spec;
        haveFont_ = true;
    }
    return font_;
}

// Glyph advances are whole pixels at the size a font is laid out at, so a
// line of small text laid out at 96 or 300 dpi comes out a per cent or two
// wider or narrower than measured. Text is therefore laid out at the
// measuring resolution and scaled down to the device: it then has the width
// the job measured, on every device and at every zoom.
//
// A clip and the saved painter state around it cost a PDF page a path and
// a state dump per text, which makes dense pages (labels) markedly larger
// and slower to write; so a text whose glyphs lie inside its box is drawn
// without them, which looks the same.
void TPagePainter::draw(const TTextOp& op)
{
    const double layoutPixels = op.font.size / 72.0 * TFontMeasure::kReferenceDpi;
    const QFont& font = fontFor(op.font, layoutPixels);
    double offset = 0.0;
    if (op.align != taLeft) {
        const double width = QFontMetricsF(font, painter_.device()).horizontalAdvance(op.text);
        offset = op.align == taCenter ? -width / 2.0 : -width;
    }
    const bool clips = op.clip && !insideClip(op, font, offset, layoutPixels);
    const bool keepsState = clips || op.opaque;
    const QTransform before = painter_.worldTransform();
    if (keepsState)
        painter_.save();
    if (clips)
        painter_.setClipRect(toPixels(*op.clip).normalized());
    painter_.setFont(font);
    painter_.setPen(QColor::fromRgb(op.font.color));
    if (op.opaque) {
        painter_.setBackgroundMode(Qt::OpaqueMode);
        painter_.setBackground(Qt::white);
    }
    painter_.translate(toPixels(op.position));
    if (op.font.angle != 0.0)
        painter_.rotate(-op.font.angle);
    const double em = op.font.size / 72.0;
    painter_.scale(mapping_.lengthX(em) / layoutPixels, mapping_.lengthY(em) / layoutPixels);
    painter_.drawText(QPointF(offset, 0.0), op.text);
    if (keepsState)
        painter_.restore();
    else
        painter_.setWorldTransform(before);
}

// Whether the glyphs of the text, as draw() places them, lie inside its
// clip box (inches), so that the clip would cut nothing. Turned text is
// always clipped.
bool TPagePainter::insideClip(const TTextOp& op, const QFont& font, double offset, double layoutPixels) const
{
    if (!op.clip || op.font.angle != 0.0)
        return false;
    const QRectF glyphs = QFontMetricsF(font, painter_.device()).boundingRect(op.text).translated(offset, 0.0);
    const double inchesPerPixel = op.font.size / 72.0 / layoutPixels;
    const QRectF placed(op.position + glyphs.topLeft() * inchesPerPixel, glyphs.size() * inchesPerPixel);
    return op.clip->normalized().contains(placed);
}

// A shape drawn with the pen and brush the painter holds already keeps
// them: setting an equal new one marks the state changed, and a PDF page
// then repeats the colours before every bar of a barcode.
void TPagePainter::applyPen(const TPenSpec& spec)
{
    if (penSpec_ && *penSpec_ == spec && painter_.pen() == pen_)
        return;
    pen_ = QPen(QColor::fromRgb(spec.color));
    pen_.setStyle(qtPenStyle(spec.style));
    pen_.setWidthF(std::max(1.0, mapping_.penPixels(spec.width)));
    pen_.setCapStyle(Qt::SquareCap);
    pen_.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen_);
    penSpec_ = spec;
}

void TPagePainter::applyBrush(const TBrushSpec& spec)
{
    if (brushSpec_ && *brushSpec_ == spec && painter_.brush() == brush_)
        return;
    if (!spec.pattern.isNull() && spec.style != bsClear)
        brush_ = QBrush(spec.pattern);
    else
        brush_ = QBrush(QColor::fromRgb(spec.color), qtBrushStyle(spec.style));
    painter_.setBrush(brush_);
    brushSpec_ = spec;
}

void TPagePainter::applyMode(TPenMode mode)
{
    if (!rasterOps_)
        return;
    switch (mode) {
    case pmXor: painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case pmNot: painter_.setCompositionMode(QPainter::RasterOp_NotDestination); break;
    case pmCopy: painter_.setCompositionMode(QPainter::CompositionMode_SourceOver); break;
    }
}

void TPagePainter::draw(const TShapeOp& op)
{
    applyPen(op.pen);
    applyBrush(op.brush);
    applyMode(op.pen.mode);
    drawShape(op, toPixels(op.rect).normalized());
    if (op.pen.mode != pmCopy)
        applyMode(pmCopy);
}

void TPagePainter::drawShape(const TShapeOp& op, const QRectF& box)
{
    const auto arcAngles = [&] {
        const double start = radialAngle(op.rect, op.start);
        return std::pair{static_cast<int>(std::lround(start * 16.0)),
                         static_cast<int>(std::lround(arcSpan(start, radialAngle(op.rect, op.end)) * 16.0))};
    };
    switch (op.kind) {
    case skLine: painter_.drawLine(toPixels(op.rect.topLeft()), toPixels(op.rect.bottomRight())); return;
    case skRectangle: painter_.drawRect(box); return;
    case skEllipse: painter_.drawEllipse(box); return;
    case skRoundRect:
        painter_.drawRoundedRect(box, mapping_.lengthX(op.corner.width()) / 2.0,
                                 mapping_.lengthY(op.corner.height()) / 2.0);
        return;
    case skArc: { auto [s, span] = arcAngles(); painter_.drawArc(box, s, span); return; }
    case skChord: { auto [s, span] = arcAngles(); painter_.drawChord(box, s, span); return; }
    case skPie: { auto [s, span] = arcAngles(); painter_.drawPie(box, s, span); return; }
    case skPolygon:
    case skPolyline: break;
    }
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(op.points.size()));
    for (const QPointF& point : op.points)
        polygon.append(toPixels(point));
    if (op.kind == skPolygon)
        painter_.drawPolygon(polygon);
    else
        painter_.drawPolyline(polygon);
}

void TPagePainter::draw(const TImageOp& op)
{
    if (!op.image.isNull())
        painter_.drawImage(toPixels(op.target).normalized(), op.image);
}

} // namespace output
