#include "design/model/postnet_sample.h"

#include "design/model/postnet_code.h"

#include <QPainter>

#include <cmath>

namespace design {

namespace {

QImage DrawSample()
{
    QImage image(kPostnetSampleWidth, kPostnetSampleHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::optional<QString> digits =
        postnet::EncodedDigits(QStringLiteral("12345-6789"), QStringLiteral("123 MAIN ST"),
                               TPostNetBarCodeType::pnbc11Digit);
    const std::vector<bool> pattern = postnet::BarPattern(digits.value_or(QString()));
    // The printed proportions, scaled so that the bars fill the picture.
    const double scale = kPostnetSampleWidth / (static_cast<double>(pattern.size() - 1) * postnet::kBarPitch +
                                                postnet::kBarWidth);
    const std::vector<QRectF> bars = postnet::BarRectangles(pattern, 0.0, 0.0);
    const double heightScale = kPostnetSampleHeight / postnet::kFullBarHeight;
    QPainter painter(&image);
    for (const QRectF& bar : bars) {
        const QRectF pixels(bar.left() * scale, bar.top() * heightScale, std::max(1.0, bar.width() * scale),
                            bar.height() * heightScale);
        painter.fillRect(pixels.toAlignedRect().intersected(image.rect()), Qt::black);
    }
    return image;
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

} // namespace

const QImage& PostnetSampleImage()
{
    static const QImage sample = DrawSample();
    return sample;
}

QSize PostnetSampleSizeAtZoom(float zoom)
{
    if (zoom == 1.0f)
        return {kPostnetSampleWidth, kPostnetSampleHeight};
    return {RoundHalfEven(kPostnetSampleWidth * static_cast<double>(zoom)),
            RoundHalfEven(kPostnetSampleHeight * static_cast<double>(zoom))};
}

} // namespace design
