#include "design/model/dialog_font.h"

#include <algorithm>

namespace design {

QFont DialogFont(const TGFont& font, int pixelsPerInch)
{
    QFont result(font.Name);
    result.setPointSize(std::max(1, font.PointSize(pixelsPerInch)));
    result.setBold(font.Style.Has(TFontStyle::fsBold));
    result.setItalic(font.Style.Has(TFontStyle::fsItalic));
    result.setUnderline(font.Style.Has(TFontStyle::fsUnderline));
    result.setStrikeOut(font.Style.Has(TFontStyle::fsStrikeOut));
    return result;
}

TGFont DesignFontFrom(const QFont& chosen, int pixelsPerInch, const TGFont& previous)
{
    TGFont result = previous;
    result.Name = chosen.family();
    if (chosen.pointSize() > 0)
        result.Height = TGFont::HeightForPoints(chosen.pointSize(), pixelsPerInch);
    else if (chosen.pixelSize() > 0)
        result.Height = -chosen.pixelSize();
    TFontStyles styles;
    if (chosen.bold())
        styles = styles.With(TFontStyle::fsBold);
    if (chosen.italic())
        styles = styles.With(TFontStyle::fsItalic);
    if (chosen.underline())
        styles = styles.With(TFontStyle::fsUnderline);
    if (chosen.strikeOut())
        styles = styles.With(TFontStyle::fsStrikeOut);
    result.Style = styles;
    return result;
}

} // namespace design
