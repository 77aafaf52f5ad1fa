#include "reports/windows/h_ruler.h"

#include <QFontDatabase>
#include <QPainter>

namespace reports {

namespace {

constexpr int kTicksPerInch = 16;

// The numbers are meant to be tiny: the bitmap "SmallFonts" where the
// system has it, else any small sans-serif face.
QFont NumberFont()
{
    QFont font;
    if (QFontDatabase::hasFamily(QStringLiteral("SmallFonts"))) {
        font.setFamily(QStringLiteral("SmallFonts"));
    } else {
        font.setFamily(QStringLiteral("Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(7);
    return font;
}

} // namespace

std::vector<TRulerTick> RulerTicks(int width, int height, int pixelsPerInch, int startPixels)
{
    std::vector<TRulerTick> ticks;
    const int step = pixelsPerInch / kTicksPerInch;
    if (step <= 0 || width <= 0)
        return ticks;
    // The first graduation at or right of the ruler's left end.
    int index = startPixels > 0 ? (startPixels + step - 1) / step : 0;
    for (int x = index * step - startPixels; x < width; x += step, ++index) {
        TRulerTick tick { x, height / 4, 0 };
        if (index % kTicksPerInch == 0) {
            tick.height = height;
            tick.inch = index / kTicksPerInch;
        } else if (index % (kTicksPerInch / 2) == 0) {
            tick.height = height / 2;
        }
        ticks.push_back(tick);
    }
    return ticks;
}

THRuler::THRuler(int pixelsPerInch, QWidget* parent) : QWidget(parent), pixelsPerInch_(pixelsPerInch)
{
    setObjectName(QStringLiteral("HRuler"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void THRuler::SetStart(int startPixels)
{
    startPixels_ = startPixels;
    update();
}

void THRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(NumberFont());
    const int bottom = height() - 1;
    for (const TRulerTick& tick : RulerTicks(width(), height(), pixelsPerInch_, startPixels_)) {
        painter.setPen(Qt::black);
        painter.drawLine(tick.x, bottom, tick.x, bottom - tick.height + 1);
        if (tick.inch > 0) {
            painter.setPen(Qt::gray);
            painter.drawText(tick.x + 2, painter.fontMetrics().ascent(), QString::number(tick.inch));
        }
    }
    painter.setPen(Qt::black);
    painter.drawLine(0, bottom, width(), bottom);
}

} // namespace reports
