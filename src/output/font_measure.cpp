#include "output/font_measure.h"

#include "output/font_setup.h"

namespace output {

TFontMeasure::TFontMeasure() : reference_(1, 1, QImage::Format_ARGB32_Premultiplied)
{
    const int dotsPerMeter = static_cast<int>(kReferenceDpi / 0.0254 + 0.5);
    reference_.setDotsPerMeterX(dotsPerMeter);
    reference_.setDotsPerMeterY(dotsPerMeter);
}

const QFontMetricsF& TFontMeasure::metricsFor(const TFontSpec& font)
{
    // Colour and angle do not change widths; ignore them so a colour change
    // keeps the cache.
    TFontSpec key = font;
    key.color = 0;
    key.angle = 0.0;
    if (!cached_ || !(key == cachedSpec_)) {
        cachedSpec_ = key;
        const double pixels = font.size / 72.0 * kReferenceDpi;
        cached_.emplace(MakeQFont(key, pixels, reference_), &reference_);
    }
    return *cached_;
}

double TFontMeasure::width(const TFontSpec& font, const QString& text)
{
    return metricsFor(font).horizontalAdvance(text) / kReferenceDpi;
}

double TFontMeasure::ascent(const TFontSpec& font)
{
    return metricsFor(font).ascent() / kReferenceDpi;
}

double TFontMeasure::descent(const TFontSpec& font)
{
    return metricsFor(font).descent() / kReferenceDpi;
}

} // namespace output
