#include "design/model/text_metrics.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace design {

namespace {

// Fonts can only be measured inside a GUI application. Without one (the
// command-line tool, model tests) sizes are estimated from the pixel height,
// so that placing and loading objects works anywhere.
bool FontsAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

int EstimatedHeight(const QFont& font) { return font.pixelSize() + font.pixelSize() / 4; }

class TScreenTextMetrics : public TTextMetrics {
public:
    int LineHeight(const QFont& font) const override
    {
        if (!FontsAvailable())
            return EstimatedHeight(font) + font.pixelSize() / 4;
        const QFontMetrics metrics(font);
        const int internalLeading = std::max(0, metrics.height() - font.pixelSize());
        return metrics.leading() + internalLeading + metrics.height();
    }
    int TextWidth(const QFont& font, const QString& text) const override
    {
        if (!FontsAvailable())
            return static_cast<int>(text.size()) * font.pixelSize() / 2;
        return QFontMetrics(font).horizontalAdvance(text);
    }
    int TextHeight(const QFont& font) const override
    {
        return FontsAvailable() ? QFontMetrics(font).height() : EstimatedHeight(font);
    }
};

QRgb SystemColor(int index)
{
    switch (index) {
    case 0x05: // clWindow
    case 0x0E: // clHighlightText
    case 0x14: // clBtnHighlight
        return qRgb(255, 255, 255);
    case 0x0D: return qRgb(0, 120, 215);   // clHighlight
    case 0x0F: return qRgb(240, 240, 240); // clBtnFace
    case 0x10: return qRgb(160, 160, 160); // clBtnShadow
    case 0x11: return qRgb(109, 109, 109); // clGrayText
    case 0x18: return qRgb(255, 255, 225); // clInfoBk
    default: return qRgb(0, 0, 0);         // the text colours and the rest
    }
}

} // namespace

QFont ScreenFont(const TGFont& font, int pixelsPerInch, float zoom)
{
    int pixels = std::abs(font.Height);
    if (zoom != 1.0f) {
        const int points = font.PointSize(pixelsPerInch);
        const int zoomedPoints = static_cast<int>(std::trunc(static_cast<double>(points) * static_cast<double>(zoom)));
        pixels = std::abs(TGFont::HeightForPoints(zoomedPoints, pixelsPerInch));
    }
    QFont screen(font.Name);
    screen.setPixelSize(std::max(1, pixels));
    screen.setBold(font.Style.Has(TFontStyle::fsBold));
    screen.setItalic(font.Style.Has(TFontStyle::fsItalic));
    screen.setUnderline(font.Style.Has(TFontStyle::fsUnderline));
    screen.setStrikeOut(font.Style.Has(TFontStyle::fsStrikeOut));
    if (font.Pitch == TFontPitch::fpFixed)
        screen.setFixedPitch(true);
    return screen;
}

QRgb ColorToRgb(TColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0x80000000u)
        return SystemColor(static_cast<int>(bits & 0xFFu));
    return qRgb(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                static_cast<int>((bits >> 16) & 0xFFu));
}

const TTextMetrics& ScreenTextMetrics()
{
    static const TScreenTextMetrics metrics;
    return metrics;
}

} // namespace design
