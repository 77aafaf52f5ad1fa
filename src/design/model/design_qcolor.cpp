#include "design/model/design_qcolor.h"

#include <array>
#include <cstdint>

namespace design {

namespace {

// The classic Windows defaults of the 25 system colour indexes, as RGB.
constexpr std::array<QRgb, 25> kSystemColors = {
    0xFFC0C0C0, // scroll bar
    0xFF008080, // background
    0xFF000080, // active caption
    0xFF808080, // inactive caption
    0xFFC0C0C0, // menu
    0xFFFFFFFF, // window
    0xFF000000, // window frame
    0xFF000000, // menu text
    0xFF000000, // window text
    0xFFFFFFFF, // caption text
    0xFFC0C0C0, // active border
    0xFFC0C0C0, // inactive border
    0xFF808080, // application workspace
    0xFF000080, // highlight
    0xFFFFFFFF, // highlight text
    0xFFC0C0C0, // button face
    0xFF808080, // button shadow
    0xFF808080, // grey text
    0xFF000000, // button text
    0xFFC0C0C0, // inactive caption text
    0xFFFFFFFF, // button highlight
    0xFF000000, // 3D dark shadow
    0xFFDFDFDF, // 3D light
    0xFF000000, // tooltip text
    0xFFFFFFE1, // tooltip background
};

} // namespace

QRgb ToQRgb(TColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0x80000000u) {
        const std::uint32_t index = bits & 0xFFu;
        return index < kSystemColors.size() ? kSystemColors[index] : qRgb(0, 0, 0);
    }
    return qRgb(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                static_cast<int>((bits >> 16) & 0xFFu));
}

QColor ToQColor(TColor color) { return QColor::fromRgb(ToQRgb(color)); }

TColor FromQColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return ColorValue(static_cast<std::uint32_t>(qRed(rgb)) | (static_cast<std::uint32_t>(qGreen(rgb)) << 8) |
                      (static_cast<std::uint32_t>(qBlue(rgb)) << 16));
}

} // namespace design
