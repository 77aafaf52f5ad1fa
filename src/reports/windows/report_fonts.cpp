#include "reports/windows/report_fonts.h"

#include <algorithm>

namespace reports {

namespace {

QFont FontOf(const QString& name, int size, bool bold, bool italic)
{
    QFont font(name);
    font.setPointSize(std::max(1, size));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

QFont DefaultBandFont(const TReportSettings& settings)
{
    return FontOf(settings.defaultFontName, settings.defaultFontSize, settings.defaultBold, settings.defaultItalic);
}

QFont MemoBandFont(const TReportSettings& settings)
{
    return FontOf(settings.memoFontName, settings.memoFontSize, settings.memoBold, settings.memoItalic);
}

void KeepDefaultBandFont(TReportSettings& settings, const QFont& font)
{
    settings.defaultFontName = font.family();
    if (font.pointSize() > 0) // a font chosen by pixel height keeps the old size
        settings.defaultFontSize = font.pointSize();
    settings.defaultBold = font.bold();
    settings.defaultItalic = font.italic();
}

void KeepMemoBandFont(TReportSettings& settings, const QFont& font)
{
    settings.memoFontName = font.family();
    if (font.pointSize() > 0)
        settings.memoFontSize = font.pointSize();
    settings.memoBold = font.bold();
    settings.memoItalic = font.italic();
}

} // namespace reports
