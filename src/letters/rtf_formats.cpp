#include "letters/rtf_formats.h"

#include <QFont>

namespace letters::rtf {

namespace {

// An index beyond the table, or an entry without components, is automatic.
bool ColorAt(const std::vector<QColor>& colors, int index, QColor& color)
{
    if (index <= 0 || std::size_t(index) >= colors.size() || !colors[std::size_t(index)].isValid())
        return false;
    color = colors[std::size_t(index)];
    return true;
}

} // namespace

QTextCharFormat CharFormatOf(
    const CharState& chars, const TFontTable& fonts, int defaultFont, const std::vector<QColor>& colors)
{
    QTextCharFormat format;
    const auto font = fonts.find(chars.font < 0 ? defaultFont : chars.font);
    if (font != fonts.end() && !font->second.name.isEmpty())
        format.setFontFamilies(QStringList { font->second.name });
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    QColor color;
    if (ColorAt(colors, chars.color, color))
        format.setForeground(color);
    if (ColorAt(colors, chars.background, color))
        format.setBackground(color);
    if (chars.vertical == Vertical::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical == Vertical::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat BlockFormatOf(const ParagraphState& paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    format.setTextIndent(Units(paragraph.firstIndent));
    format.setLeftMargin(Units(paragraph.leftIndent));
    format.setRightMargin(Units(paragraph.rightIndent));
    format.setTopMargin(Units(paragraph.spaceBefore));
    format.setBottomMargin(Units(paragraph.spaceAfter));
    // \sl: positive is "at least", negative "exactly"; with \slmult1 a
    // multiple of single spacing.
    if (paragraph.lineSpacing != 0) {
        if (paragraph.lineMultiple && paragraph.lineSpacing > 0)
            format.setLineHeight(
                paragraph.lineSpacing * 100.0 / kSingleLineSpacing, QTextBlockFormat::ProportionalHeight);
        else if (paragraph.lineSpacing > 0)
            format.setLineHeight(Units(paragraph.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(Units(-std::int64_t(paragraph.lineSpacing)), QTextBlockFormat::FixedHeight);
    }
    if (!paragraph.tabs.empty()) {
        QList<QTextOption::Tab> tabs;
        for (const TabStop& stop : paragraph.tabs) {
            QTextOption::Tab tab(Units(stop.position), stop.type);
            if (stop.type == QTextOption::DelimiterTab)
                tab.delimiter = QLatin1Char('.');
            tabs.append(tab);
        }
        format.setTabPositions(tabs);
    }
    if (paragraph.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

} // namespace letters::rtf
