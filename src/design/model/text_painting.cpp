// Screen painting of the single-line text objects.
#include "design/model/base_label.h"
#include "design/model/text_metrics.h"

#include <QPainter>

namespace design {

namespace {

QRect ClipRect(const TTextRect& rect) { return QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)); }

// Draws the text with its own top-left corner at the origin, turned
// counter-clockwise by the angle around that corner.
void DrawTurnedText(QPainter& painter, const QString& text, TTextPoint origin, int angle, const TTextRect& clip)
{
    painter.save();
    painter.setClipRect(ClipRect(clip));
    painter.translate(origin.X, origin.Y);
    painter.rotate(-angle);
    painter.drawText(QPointF(0, painter.fontMetrics().ascent()), text);
    painter.restore();
}

} // namespace

void TGBaseLabel::Paint(QPainter& painter)
{
    if (Width() < 5 || Height() < 5)
        MarkLayoutNeeded();
    const TLabelLayout& layout = Layout();
    painter.save();
    if (!Transparent())
        painter.fillRect(QRect(0, 0, Width(), Height()), QColor(ColorToRgb(BackColor())));
    painter.setFont(ScreenFont());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QColor(ColorToRgb(colorShadow())));
    DrawTurnedText(painter, Caption(), layout.ShadowOrigin, Angle(), layout.Shadow);
    painter.setPen(QColor(ColorToRgb(colorHighlight())));
    DrawTurnedText(painter, Caption(), layout.HighlightOrigin, Angle(), layout.Highlight);
    painter.setPen(QColor(ColorToRgb(Font().Color)));
    DrawTurnedText(painter, Caption(), layout.MainOrigin, Angle(), layout.Main);
    if (BorderStyle() == TBorderStyle::bsSingle) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, 0, Width() - 1, Height() - 1));
    }
    painter.restore();
}

} // namespace design
