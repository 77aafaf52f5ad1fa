#include "output_bench_pages.h"

#include "output/base_report.h"

#include <QFont>
#include <QPainter>

namespace output_bench {

std::vector<DenseLine> DenseLines(int page)
{
    std::vector<DenseLine> lines;
    for (int i = 0; i < 56; ++i) {
        const int record = page * 56 + i;
        lines.push_back({0.75 + i * 0.18,
                         {QStringLiteral("Smith-%1, Ann").arg(record), QStringLiteral("%1 Main Street").arg(record % 997),
                          QStringLiteral("Springfield, IL"), QStringLiteral("%1").arg(60000 + record % 9999, 5, 10, QLatin1Char('0'))}});
    }
    return lines;
}

void DrawDensePage(output::TBaseReport& report, int page)
{
    report.SelectFont(QStringLiteral("Arial"), kFontPoints);
    report.SelectPen(qRgb(0, 0, 0), output::psSolid, 1, output::pmCopy);
    for (const DenseLine& line : DenseLines(page)) {
        report.SelectBrush(qRgb(235, 235, 235), output::bsSolid);
        report.DrawRectangle(0.45, line.baseline - 0.14, 8.05, line.baseline + 0.03);
        report.MovePenTo(0.45, line.baseline + 0.035);
        report.LineToPoint(8.05, line.baseline + 0.035);
        report.MoveCursor(0.5, line.baseline);
        for (int c = 0; c < 4; ++c)
            report.TextLeftAt(line.cells[c], kColumnLeft[c]);
    }
}

void PaintDensePage(QPainter& painter, double dpi, int page)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kFontPoints * dpi / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 1));
    for (const DenseLine& line : DenseLines(page)) {
        painter.setBrush(QColor(235, 235, 235));
        painter.drawRect(QRectF(QPointF(0.45 * dpi, (line.baseline - 0.14) * dpi),
                                QPointF(8.05 * dpi, (line.baseline + 0.03) * dpi)));
        painter.drawLine(QPointF(0.45 * dpi, (line.baseline + 0.035) * dpi),
                         QPointF(8.05 * dpi, (line.baseline + 0.035) * dpi));
        for (int c = 0; c < 4; ++c)
            painter.drawText(QPointF(kColumnLeft[c] * dpi, line.baseline * dpi), line.cells[c]);
    }
}

} // namespace output_bench
