// Fonts that designs name resolve to installed faces with the same metrics,
// and measured widths do not depend on the device or zoom.
#include "output/font_measure.h"
#include "output/font_setup.h"
#include "output/preview_renderer.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

using namespace output;

namespace {

QImage deviceAt(double dpi)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

TFontSpec font(const char* name, double size = 10)
{
    TFontSpec spec;
    spec.name = QLatin1String(name);
    spec.size = size;
    return spec;
}

} // namespace

TEST(FontTest, DesignFontsResolveToMetricCompatibleFaces)
{
    const QImage device = deviceAt(96);
    const struct {
        const char* asked;
        const char* family;
    } cases[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        {"WingDings", "Wingdings"},
        {"Symbol", "Symbol"},
    };
    for (const auto& c : cases) {
        const QFontInfo info(MakeQFont(font(c.asked), 20, device));
        EXPECT_EQ(info.family(), QLatin1String(c.family)) << c.asked;
    }
}

// The right end of the ink of a long line, in inches from the sheet edge.
double inkRightEdge(const TPage& page, double zoom)
{
    TPreviewLook look;
    look.zoom = zoom;
    const QImage image = RenderPreviewPage(page, look);
    const double inch = 96.0 * zoom / 100.0;
    const int row = qRound(1.0 * inch) - 2;
    for (int x = image.width() - 1; x >= 0; --x)
        if (qGray(image.pixel(x, row)) < 160)
            return x / inch;
    return 0.0;
}

TEST(FontTest, TextKeepsItsMeasuredWidthAtEveryZoom)
{
    TPage page;
    page.size = QSizeF(8.5, 2);
    TTextOp text;
    text.position = QPointF(0.5, 1.0);
    text.text = QStringLiteral("HHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH");
    text.font = font("Arial", 9);
    page.ops.emplace_back(text);
    const double measured = TFontMeasure().width(text.font, text.text);
    ASSERT_GT(measured, 5.0);
    // The ink ends a side bearing short of the advance; compare zooms with
    // each other and with the measure.
    const double atFullSize = inkRightEdge(page, 100);
    EXPECT_NEAR(atFullSize, 0.5 + measured, 0.03);
    for (double zoom : {50.0, 75.0, 150.0, 200.0})
        EXPECT_NEAR(inkRightEdge(page, zoom), atFullSize, 0.015) << zoom;
}
