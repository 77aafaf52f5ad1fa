#include "output/preview_renderer.h"

#include "output/page_painter.h"

#include <QPainter>

#include <cmath>

namespace output {

QImage RenderPreviewPage(const TPage& page, const TPreviewLook& look)
{
    const double factor = look.zoom / 100.0;
    const int sheetWidth = std::max(1, static_cast<int>(std::lround(page.size.width() * look.pixelsPerInchX * factor)));
    const int sheetHeight = std::max(1, static_cast<int>(std::lround(page.size.height() * look.pixelsPerInchY * factor)));
    const int border = static_cast<int>(std::lround(look.border));
    QImage image(sheetWidth + 2 * border + look.shadowDepth, sheetHeight + 2 * border + look.shadowDepth,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(static_cast<int>(std::lround(look.pixelsPerInchX / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(look.pixelsPerInchY / 0.0254)));
    image.fill(QColor(128, 128, 128));

    QPainter painter(&image);
    const QRect sheet(border, border, sheetWidth, sheetHeight);
    if (look.shadowDepth > 0)
        painter.fillRect(sheet.translated(look.shadowDepth, look.shadowDepth), Qt::black);
    painter.fillRect(sheet, Qt::white);
    painter.setClipRect(sheet);
    painter.translate(border, border);

    TDeviceMapping mapping;
    mapping.pixelsPerInchX = look.pixelsPerInchX;
    mapping.pixelsPerInchY = look.pixelsPerInchY;
    mapping.zoom = look.zoom;
    TPagePainter(painter, mapping).drawPage(page);
    painter.end();
    return look.monochrome ? image.convertToFormat(QImage::Format_Grayscale8) : image;
}

} // namespace output
