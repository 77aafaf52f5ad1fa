#include "reports/windows/report_band_sizer.h"

#include <QMouseEvent>
#include <QPainter>

namespace reports {

TReportBandSizer::TReportBandSizer(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::SizeVerCursor);
}

void TReportBandSizer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(isEnabled() ? QPalette::Mid : QPalette::Midlight));
}

void TReportBandSizer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    // Screen coordinates: the sizer itself moves while the band grows.
    pressY_ = event->globalPosition().toPoint().y();
    emit DragStarted();
}

void TReportBandSizer::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        emit Dragged(event->globalPosition().toPoint().y() - pressY_);
}

void TReportBandSizer::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    emit Dragged(event->globalPosition().toPoint().y() - pressY_);
    dragging_ = false;
    emit DragEnded();
}

} // namespace reports
