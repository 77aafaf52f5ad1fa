#pragma once

#include "output/page_ops.h"

#include <QFontMetricsF>
#include <QImage>

#include <optional>

namespace output {

// Text metrics in inches, independent of any device: measured at a high
// reference resolution with unhinted outlines, so a job lays out the same
// for the printer, the PDF file and the preview.
class TFontMeasure {
public:
    TFontMeasure();

    double width(const TFontSpec& font, const QString& text);
    double ascent(const TFontSpec& font);
    double descent(const TFontSpec& font);

    static constexpr double kReferenceDpi = 1200.0;

private:
    const QFontMetricsF& metricsFor(const TFontSpec& font);

    QImage reference_;
    TFontSpec cachedSpec_;
    std::optional<QFontMetricsF> cached_;
};

} // namespace output
