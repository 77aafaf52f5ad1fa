#include "labels/label_stock_art.h"

#include <algorithm>

namespace labels {

namespace {

// Black ink of the stock picture, as the background shows it.
constexpr QRgb kArtInk = qRgb(192, 192, 192);

} // namespace

QString StockArtFileName(const QString& art)
{
    const QString name = art.section(u'.', 0, 0).trimmed().toUpper();
    return name.isEmpty() ? QString() : name + QStringLiteral(".BMP");
}

QImage StockArtBackground(const QImage& stockPicture, QSize labelSize)
{
    if (labelSize.isEmpty())
        return {};
    QImage background(labelSize, QImage::Format_RGB32);
    background.fill(Qt::white);
    // One bit per pixel: whatever is darker than mid-grey is ink.
    const QImage stock = stockPicture.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(stock.width(), labelSize.width());
    const int height = std::min(stock.height(), labelSize.height());
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(stock.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(background.scanLine(y));
        for (int x = 0; x < width; ++x)
            if (qGray(from[x]) < 128)
                to[x] = kArtInk;
    }
    return background;
}

} // namespace labels
