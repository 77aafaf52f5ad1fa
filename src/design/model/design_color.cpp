#include "design/model/design_color.h"

#include <array>

namespace design {

namespace {

struct NamedColor {
    const char* name;
    std::uint32_t value;
};

constexpr std::array<NamedColor, 42> kNamedColors = {{
    {"clBlack", 0x00000000}, {"clMaroon", 0x00000080}, {"clGreen", 0x00008000}, {"clOlive", 0x00008080},
    {"clNavy", 0x00800000}, {"clPurple", 0x00800080}, {"clTeal", 0x00808000}, {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0}, {"clRed", 0x000000FF}, {"clLime", 0x0000FF00}, {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000}, {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00}, {"clWhite", 0x00FFFFFF},
    {"clScrollBar", 0x80000000}, {"clBackground", 0x80000001}, {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003}, {"clMenu", 0x80000004}, {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006}, {"clMenuText", 0x80000007}, {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009}, {"clActiveBorder", 0x8000000A}, {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C}, {"clHighlight", 0x8000000D}, {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F}, {"clBtnShadow", 0x80000010}, {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012}, {"clInactiveCaptionText", 0x80000013}, {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015}, {"cl3DLight", 0x80000016}, {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018}, {"clNone", 0x1FFFFFFF},
}};

} // namespace

std::optional<QByteArray> ColorName(TColor color)
{
    for (const NamedColor& named : kNamedColors) {
        if (ColorValue(named.value) == color)
            return QByteArray(named.name);
    }
    return std::nullopt;
}

std::optional<TColor> ColorFromName(const QByteArray& name)
{
    for (const NamedColor& named : kNamedColors) {
        if (name.compare(named.name, Qt::CaseInsensitive) == 0)
            return ColorValue(named.value);
    }
    return std::nullopt;
}

} // namespace design
