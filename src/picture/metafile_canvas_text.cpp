// Text and bitmaps of the metafile canvas.
#include "picture/metafile_canvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>

#include <cmath>
#include <numbers>

namespace picture::metafile {

namespace {

constexpr std::uint32_t kUpdateCurrent = 1;
constexpr std::uint32_t kHorizontalMask = 6;
constexpr std::uint32_t kRight = 2;
constexpr std::uint32_t kCentre = 6;
constexpr std::uint32_t kVerticalMask = 24;
constexpr std::uint32_t kBottom = 8;
constexpr std::uint32_t kBaseline = 24;
// Text smaller than this (device pixels) cannot be read; larger is damage.
constexpr double kMinTextPixels = 0.5;
constexpr double kMaxTextPixels = 20000;
// The size a font of height zero gets, in logical units.
constexpr double kDefaultFontHeight = 12;

QFont FontFor(const TFontSpec& spec, double pixels)
{
    QFont font(spec.face.isEmpty() ? QStringLiteral("Arial") : spec.face);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight == 0 ? 400 : spec.weight, 1, 1000)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    if (spec.height > 0) {
        // A positive height is the whole cell; the em square is smaller.
        const QFontMetricsF metrics(font);
        const double cell = metrics.ascent() + metrics.descent();
        if (cell > 0)
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / cell))));
    }
    return font;
}

// How far the text moves from the reference point for the alignment flags.
QPointF AlignmentOffset(std::uint32_t align, const QFontMetricsF& metrics, double width)
{
    double x = 0;
    if ((align & kHorizontalMask) == kCentre)
        x = -width / 2;
    else if ((align & kHorizontalMask) == kRight)
        x = -width;
    double y = metrics.ascent();
    if ((align & kVerticalMask) == kBaseline)
        y = 0;
    else if ((align & kVerticalMask) == kBottom)
        y = -metrics.descent();
    return QPointF(x, y);
}

// A world transform that turns the drawing turns its text with it; mirror
// images and plain scaling leave the letters upright.
double WorldRotation(const QTransform& world)
{
    if (world.m12() == 0 && world.m21() == 0)
        return 0;
    return std::atan2(world.m12(), world.m11()) * 180 / std::numbers::pi;
}

bool UsesSource(std::uint32_t index) { return ((index >> 2) & 0x33) != (index & 0x33); }
bool UsesPattern(std::uint32_t index) { return ((index >> 4) & 0x0F) != (index & 0x0F); }

} // namespace

void TMetafileCanvas::Text(QPointF reference, const QString& text, const std::optional<QRectF>& opaque)
{
    // Fonts need the application's font database; the file tools that
    // only copy designs have none, and draw no text.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr || pathOpen_)
        return;
    const QTransform full = Full();
    if (!full.isInvertible())
        return;
    ApplyClip();
    if (opaque && state_.opaqueBackground) {
        painter_.setTransform(full);
        painter_.fillRect(opaque->normalized(), state_.backColor);
    }
    const bool fromCurrent = (state_.textAlign & kUpdateCurrent) != 0;
    const QPointF at = fromCurrent ? state_.current : reference;
    const double verticalScale = std::hypot(full.m21(), full.m22());
    const double height = state_.font.height == 0 ? kDefaultFontHeight : std::abs(state_.font.height);
    const double pixels = height * verticalScale;
    if (text.isEmpty() || pixels < kMinTextPixels || pixels > kMaxTextPixels)
        return;
    const QFont font = FontFor(state_.font, pixels);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    const QPointF offset = AlignmentOffset(state_.textAlign, metrics, width);

    // Drawn upright in device space, so that a mapping whose y axis points
    // up does not turn the letters upside down.
    painter_.setTransform(QTransform::fromTranslate(full.map(at).x(), full.map(at).y()));
    painter_.rotate(WorldRotation(state_.world) - state_.font.escapement / 10.0);
    painter_.setFont(font);
    if (state_.opaqueBackground && !opaque)
        painter_.fillRect(QRectF(offset.x(), offset.y() - metrics.ascent(), width, metrics.height()), state_.backColor);
    painter_.setPen(state_.textColor);
    painter_.drawText(offset, text);
    drew_ = true;
    Charge(painter_.transform().mapRect(QRectF(offset.x(), offset.y() - metrics.ascent(), width, metrics.height())));
    if (fromCurrent) {
        const double horizontalScale = std::hypot(full.m11(), full.m12());
        state_.current.rx() += horizontalScale > 0 ? width / horizontalScale : 0;
    }
}

TMetafileCanvas::TBlit TMetafileCanvas::BlitFor(std::uint32_t rasterOp)
{
    switch (rasterOp) {
    case 0x00CC0020: return TBlit::Source;
    case 0x008800C6: return TBlit::SourceAnd;
    case 0x00EE0086: return TBlit::SourcePaint;
    case 0x00660046: return TBlit::SourceInvert;
    case 0x00330008: return TBlit::InvertedSource;
    case 0x00F00021: return TBlit::Pattern;
    case 0x00000042: return TBlit::Black;
    case 0x00FF0062: return TBlit::White;
    default: break;
    }
    const std::uint32_t index = (rasterOp >> 16) & 0xFF;
    if (UsesSource(index))
        return TBlit::Source;
    return UsesPattern(index) ? TBlit::Pattern : TBlit::None;
}

void TMetafileCanvas::Blit(TBlit operation, const QRectF& target, const QImage& image, const QRectF& source)
{
    const QTransform full = Full();
    if (pathOpen_ || !full.isInvertible() || operation == TBlit::None)
        return;
    ApplyClip();
    painter_.setTransform(full);
    const QRectF area = target.normalized();
    switch (operation) {
    case TBlit::Pattern: painter_.fillRect(area, state_.brush); break;
    case TBlit::Black: painter_.fillRect(area, Qt::black); break;
    case TBlit::White: painter_.fillRect(area, Qt::white); break;
    default: {
        if (image.isNull())
            return;
        QImage pixels = image;
        if (operation == TBlit::InvertedSource)
            pixels.invertPixels();
        const bool blends = painter_.paintEngine() && painter_.paintEngine()->hasFeature(QPaintEngine::BlendModes);
        if (blends && operation == TBlit::SourceAnd)
            painter_.setCompositionMode(QPainter::CompositionMode_Multiply);
        else if (blends && operation == TBlit::SourcePaint)
            painter_.setCompositionMode(QPainter::CompositionMode_Lighten);
        else if (blends && operation == TBlit::SourceInvert)
            painter_.setCompositionMode(QPainter::CompositionMode_Difference);
        painter_.drawImage(area, pixels, source.isValid() ? source : QRectF(pixels.rect()));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    }
    drew_ = true;
    Charge(full.mapRect(area));
}

} // namespace picture::metafile
