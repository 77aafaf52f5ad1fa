// Round trips of generated documents: every attribute the writer knows
// survives being written and read back, to the twip, and reading our own
// text back writes the same bytes again.
#include "rtf_test_support.h"

#include "letters/rtf_reader.h"
#include "letters/rtf_writer.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace letters;

namespace {

int Twips(qreal units)
{
    return int(std::lround(units * 15));
}

class TGenerator {
public:
    explicit TGenerator(quint32 seed) : random_(seed) {}

    std::unique_ptr<QTextDocument> Document();
    TLetterPage Page();

private:
    int Between(int low, int high) { return int(random_.bounded(low, high + 1)); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    QTextBlockFormat BlockFormat();
    QTextCharFormat CharFormat();
    QString Text();
    void Picture(QTextCursor& cursor, QTextDocument& document);

    QRandomGenerator random_;
};

TLetterPage TGenerator::Page()
{
    TLetterPage page;
    page.paperWidth = Between(4000, 20000);
    page.paperHeight = Between(4000, 20000);
    page.marginLeft = Between(0, 1500);
    page.marginRight = Between(0, 1500);
    page.marginTop = Between(0, 1500);
    page.marginBottom = Between(0, 1500);
    page.landscape = Chance(50);
    return page;
}

QTextBlockFormat TGenerator::BlockFormat()
{
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify};
    QTextBlockFormat format;
    format.setAlignment(alignments[Between(0, 3)]);
    format.setTextIndent(Between(-720, 1440) / 15.0);
    format.setLeftMargin(Between(0, 2880) / 15.0);
    format.setRightMargin(Between(0, 2880) / 15.0);
    format.setTopMargin(Between(0, 720) / 15.0);
    format.setBottomMargin(Between(0, 720) / 15.0);
    switch (Between(0, 3)) {
    case 1: format.setLineHeight(Between(120, 720) / 2.4, QTextBlockFormat::ProportionalHeight); break;
    case 2: format.setLineHeight(Between(1, 720) / 15.0, QTextBlockFormat::FixedHeight); break;
    case 3: format.setLineHeight(Between(1, 720) / 15.0, QTextBlockFormat::MinimumHeight); break;
    default: break;
    }
    static const QTextOption::TabType types[] = {QTextOption::LeftTab, QTextOption::RightTab, QTextOption::CenterTab,
                                                 QTextOption::DelimiterTab};
    QList<QTextOption::Tab> tabs;
    for (int i = Between(0, 3); i > 0; --i) {
        const QTextOption::TabType type = types[Between(0, 3)];
        tabs.append(QTextOption::Tab(Between(1, 9000) / 15.0, type,
                                     type == QTextOption::DelimiterTab ? QLatin1Char('.') : QChar()));
    }
    format.setTabPositions(tabs);
    if (Chance(20))
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

QTextCharFormat TGenerator::CharFormat()
{
    static const char* families[] = {"Arial", "Times New Roman", "Courier New", "Caf\xc3\xa9 {Sans}", "\xce\xa9\xc2\xa0Sans"};
    static const QColor colors[] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(10, 20, 30)};
    QTextCharFormat format;
    if (Chance(80))
        format.setFontFamilies(QStringList{QString::fromUtf8(families[Between(0, 4)])});
    if (Chance(80))
        format.setFontPointSize(Between(8, 80) / 2.0);
    format.setFontWeight(Chance(30) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(Chance(30));
    format.setFontUnderline(Chance(30));
    format.setFontStrikeOut(Chance(10));
    if (Chance(30))
        format.setForeground(colors[Between(0, 2)]);
    if (Chance(20))
        format.setBackground(colors[Between(0, 2)]);
    if (Chance(10))
        format.setVerticalAlignment(Chance(50) ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    return format;
}

QString TGenerator::Text()
{
    static const QString pieces[] = {
        QStringLiteral("Dear"), QStringLiteral(" "), QStringLiteral("9"), QStringLiteral("{"), QStringLiteral("}"),
        QStringLiteral("\\"), QStringLiteral("\t"), QStringLiteral("\u00e9"), QStringLiteral("\u20ac"),
        QStringLiteral("\u03a9"), QStringLiteral("\u00a0"), QStringLiteral("\u00ad"), QStringLiteral("\u2011"),
        QStringLiteral("\u2028"), QString::fromUtf8("\xF0\x9F\x98\x80"), QStringLiteral("[First]"), QStringLiteral(";"),
    };
    QString text;
    for (int i = Between(1, 6); i > 0; --i)
        text += pieces[Between(0, int(std::size(pieces)) - 1)];
    return text;
}

void TGenerator::Picture(QTextCursor& cursor, QTextDocument& document)
{
    const bool png = Chance(50);
    const QString name = png ? QStringLiteral("png") : QStringLiteral("jpeg");
    document.addResource(QTextDocument::ImageResource, QUrl(name), rtf_test::SmallPicture(png ? "PNG" : "JPEG"));
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(Between(20, 2000) / 15.0);
    format.setHeight(Between(20, 2000) / 15.0);
    cursor.insertImage(format);
}

std::unique_ptr<QTextDocument> TGenerator::Document()
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    QTextCursor cursor(document.get());
    for (int paragraph = Between(1, 5); paragraph > 0; --paragraph) {
        if (cursor.position() == 0) {
            cursor.setBlockFormat(BlockFormat());
            cursor.setBlockCharFormat(CharFormat());
        } else {
            cursor.insertBlock(BlockFormat(), CharFormat());
        }
        for (int run = Between(0, 4); run > 0; --run) {
            if (Chance(10))
                Picture(cursor, *document);
            else
                cursor.insertText(Text(), CharFormat());
        }
    }
    return document;
}

// Everything the writer keeps of a character format, resolved against the
// document's default font.
QString Look(const QTextDocument& document, const QTextCharFormat& format)
{
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        const QByteArray bytes = document.resource(QTextDocument::ImageResource, QUrl(image.name())).toByteArray();
        return QStringLiteral("picture %1 %2x%3")
            .arg(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()))
            .arg(Twips(image.width()))
            .arg(Twips(image.height()));
    }
    const QString family = format.fontFamilies().toStringList().value(0);
    const qreal size = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : document.defaultFont().pointSizeF();
    return QStringLiteral("%1 %2pt b%3 i%4 u%5 s%6 fg%7 bg%8 v%9")
        .arg(family.isEmpty() ? document.defaultFont().family() : family)
        .arg(size)
        .arg(format.fontWeight() >= QFont::DemiBold)
        .arg(format.fontItalic())
        .arg(format.fontUnderline())
        .arg(format.fontStrikeOut())
        .arg(format.foreground().style() == Qt::NoBrush ? QStringLiteral("-") : format.foreground().color().name())
        .arg(format.background().style() == Qt::NoBrush ? QStringLiteral("-") : format.background().color().name())
        .arg(int(format.verticalAlignment()));
}

QString BlockLook(const QTextBlockFormat& format)
{
    QStringList tabs;
    for (const QTextOption::Tab& tab : format.tabPositions())
        tabs.append(QStringLiteral("%1@%2").arg(int(tab.type)).arg(Twips(tab.position)));
    int lineType = format.lineHeightType();
    const int lineHeight = lineType == QTextBlockFormat::ProportionalHeight ? int(std::lround(format.lineHeight() * 2.4))
                                                                           : Twips(format.lineHeight());
    // Single spacing written as a multiple is single spacing.
    if (lineType == QTextBlockFormat::ProportionalHeight && lineHeight == 240)
        lineType = QTextBlockFormat::SingleHeight;
    return QStringLiteral("align%1 fi%2 li%3 ri%4 sb%5 sa%6 line%7:%8 tabs[%9] break%10")
        .arg(int(format.alignment()))
        .arg(Twips(format.textIndent()))
        .arg(Twips(format.leftMargin()))
        .arg(Twips(format.rightMargin()))
        .arg(Twips(format.topMargin()))
        .arg(Twips(format.bottomMargin()))
        .arg(lineType)
        .arg(lineType == QTextBlockFormat::SingleHeight ? 0 : lineHeight)
        .arg(tabs.join(QLatin1Char(' ')))
        .arg(int(format.pageBreakPolicy()));
}

// A line per paragraph and per run of equal look, runs of the same look
// joined (how the text is cut into fragments is no attribute).
QStringList Describe(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lines.append(QStringLiteral("paragraph ") + BlockLook(block.blockFormat()));
        if (block.length() == 1)
            lines.append(QStringLiteral("  mark ") + Look(document, block.charFormat()));
        QString look, text;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString next = Look(document, it.fragment().charFormat());
            if (next != look && !text.isEmpty()) {
                lines.append(QStringLiteral("  ") + look + QStringLiteral(": ") + text);
                text.clear();
            }
            look = next;
            text += it.fragment().text();
        }
        if (!text.isEmpty())
            lines.append(QStringLiteral("  ") + look + QStringLiteral(": ") + text);
    }
    return lines;
}

TEST(RtfRoundTrip, GeneratedDocumentsSurviveWithEveryAttribute)
{
    for (quint32 seed = 1; seed <= 300; ++seed) {
        TGenerator generator(seed);
        const auto original = generator.Document();
        const TLetterPage page = generator.Page();
        const QByteArray written = WriteRtf(*original, page);

        QTextDocument reread;
        const TRtfReadResult result = ReadRtf(written, reread);
        ASSERT_TRUE(result.ok) << "seed " << seed;
        EXPECT_TRUE(result.error.isEmpty()) << "seed " << seed << ": " << result.error.toStdString();
        EXPECT_EQ(result.page, page) << "seed " << seed;
        EXPECT_EQ(Describe(reread).join(QLatin1Char('\n')).toStdString(), Describe(*original).join(QLatin1Char('\n')).toStdString())
            << "seed " << seed;
        EXPECT_EQ(WriteRtf(reread, result.page).toStdString(), written.toStdString()) << "seed " << seed;
    }
}

TEST(RtfRoundTrip, OurTextIsSevenBitWithTheClosingBraceLast)
{
    for (quint32 seed = 1; seed <= 50; ++seed) {
        TGenerator generator(seed);
        const QByteArray written = WriteRtf(*generator.Document(), generator.Page());
        EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](char c) { return c > 0 && c < 0x7F; })) << "seed " << seed;
        EXPECT_TRUE(written.endsWith("\\par\r\n}")) << "seed " << seed;
    }
}

} // namespace
