#pragma once

#include "output/device_mapping.h"
#include "output/page_ops.h"

#include <QBrush>
#include <QFont>
#include <QPen>

#include <optional>

class QPainter;

namespace output {

// Draws recorded page operations onto any painter: the printer, a PDF file
// or a preview image. The device only decides the mapping.
class TPagePainter {
public:
    TPagePainter(QPainter& painter, const TDeviceMapping& mapping);

    void drawPage(const TPage& page);
    void drawOp(const TPageOp& op);

    QPointF toPixels(QPointF inches) const;
    QRectF toPixels(const QRectF& inches) const;

private:
    void draw(const TTextOp& op);
    bool insideClip(const TTextOp& op, const QFont& font, double offset, double layoutPixels) const;
    void draw(const TShapeOp& op);
    void draw(const TImageOp& op);
    void drawShape(const TShapeOp& op, const QRectF& box);
    void applyPen(const TPenSpec& spec);
    void applyBrush(const TBrushSpec& spec);
    void applyMode(TPenMode mode);
    const QFont& fontFor(const TFontSpec& spec, double pixels);

    QPainter& painter_;
    TDeviceMapping mapping_;
    bool rasterOps_ = false;
    TFontSpec fontSpec_;
    QFont font_;
    bool haveFont_ = false;
    // The pen and brush last set for a shape, and what they were made from.
    std::optional<TPenSpec> penSpec_;
    QPen pen_;
    std::optional<TBrushSpec> brushSpec_;
    QBrush brush_;
};

} // namespace output
