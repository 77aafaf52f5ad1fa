// Painting and printing of multi-line text, line by line, clipped to the
// object.
#include "design/model/multi_line_label.h"
#include "design/model/multi_line_layout.h"
#include "design/model/text_metrics.h"
#include "design/model/text_placement.h"

#include "output/base_report.h"

#include <QPainter>

namespace design {

void TGMultiLineBaseLabel::Paint(QPainter& painter)
{
    const QStringList lines = ScreenLines(LinesShown(), BlankPlaceholder());
    const QFont font = ScreenFont();
    const int lineHeight = Metrics().TextHeight(font);
    painter.save();
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(QColor(ColorToRgb(Font().Color)));
    const int ascent = painter.fontMetrics().ascent();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int top = static_cast<int>(i) * lineHeight;
        const int x = ScreenLineX(Alignment(), Width(), Metrics().TextWidth(font, lines.at(i)));
        painter.setClipRect(QRect(QPoint(0, top), QPoint(Width() - 1, Height() - 1)));
        painter.drawText(QPoint(x, top + ascent), lines.at(i));
    }
    painter.restore();
}

// Positions are kept in inches rather than in the printer's dots, so that a
// recorded page shows and prints the same at every resolution.
void TGMultiLineBaseLabel::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    const QStringList lines = LinesShown();
    const TPagePlacement at{xOffset, yOffset, Left(), Top(), PixelsPerInch()};
    const double onePixel = 1.0 / PixelsPerInch();
    report.SetLineHeightMethod(output::lhmFont);
    report.SelectFont(Font().Name, Font().PointSize(PixelsPerInch()));
    report.SetBold(Font().Style.Has(TFontStyle::fsBold));
    report.SetItalic(Font().Style.Has(TFontStyle::fsItalic));
    report.SetFontColor(ColorToRgb(Font().Color));
    report.SetFontAngle(0);
    report.SelectBrush(qRgb(255, 255, 255), output::bsClear);
    const double left = at.X(0);
    const double right = at.X(Width());
    const auto bands = PrintedLineBands(static_cast<int>(lines.size()), at.Y(0), at.Y(Height()), report.LineHeight());
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const QString& line = lines.at(static_cast<qsizetype>(i));
        if (line.isEmpty())
            continue;
        // Measuring a line costs a text layout; left-aligned lines need none.
        const double x = Alignment() == TAlignment::taLeftJustify
                             ? left
                             : left + PrintedLineOffset(Alignment(), right - left, report.TextWidth(line), onePixel);
        report.TextInBox(left, bands[i].Top, right, bands[i].Bottom, x, bands[i].Top, line);
    }
}

} // namespace design
