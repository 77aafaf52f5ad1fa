// The RTF writer's exact text: the header, the font and colour tables of
// what is used, escapes, paragraph properties and pictures.
#include "letters/rtf_writer.h"
#include "rtf_test_support.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace letters;

namespace {

const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\r\n";
const QByteArray kArialTable = "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n";
const QByteArray kLetterPage = "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\r\n";

// As a string, so a failure shows the text.
std::string Rtf(const QTextDocument& document, const TLetterPage& page = TLetterPage {})
{
    return WriteRtf(document, page).toStdString();
}

std::string Text(const QByteArray& rtf)
{
    return rtf.toStdString();
}

std::unique_ptr<QTextDocument> NewDocument()
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    return document;
}

TEST(RtfWriter, WritesAnEmptyDocument)
{
    const auto document = NewDocument();
    EXPECT_EQ(Rtf(*document), Text(kHeader + kArialTable + kLetterPage + "\\pard\\ql\\plain\\f0\\fs24\\par\r\n}"));
}

TEST(RtfWriter, GroupsRunsThatDifferFromTheParagraphMark)
{
    const auto document = NewDocument();
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("Dear "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Anna"), bold);
    cursor.insertText(QStringLiteral(","), QTextCharFormat());
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("9 lives"));
    EXPECT_EQ(Rtf(*document),
        Text(kHeader + kArialTable + kLetterPage
            + "\\pard\\ql\\plain\\f0\\fs24 Dear {\\b Anna},\\par\r\n"
              "\\pard\\ql\\plain\\f0\\fs24 9 lives\\par\r\n}"));
}

TEST(RtfWriter, EscapesEverythingBeyondPrintableAscii)
{
    const auto document = NewDocument();
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("a{b}\\c\td\u00e9\u20ac\u03a9\u00a0\u00ad\u2011\u2028x")
        + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("y"));
    EXPECT_EQ(Rtf(*document),
        Text(kHeader + kArialTable + kLetterPage
            + "\\pard\\ql\\plain\\f0\\fs24 a\\{b\\}\\\\c\\tab d\\'e9\\'80\\u937?\\~\\-\\_\\line "
              "x\\u-10179?\\u-8704?{}y\\par\r\n}"));
}

TEST(RtfWriter, ListsTheFontsAndColoursUsedInOrderOfUse)
{
    const auto document = NewDocument();
    QTextCursor cursor(document.get());
    QTextCharFormat times;
    times.setFontFamilies(QStringList { QStringLiteral("Times New Roman") });
    times.setFontPointSize(10.5);
    times.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("a"), times);
    QTextCharFormat courier;
    courier.setFontFamilies(QStringList { QStringLiteral("Courier {New}") });
    courier.setBackground(QColor(0, 0, 255));
    courier.setFontItalic(true);
    courier.setFontUnderline(true);
    courier.setFontStrikeOut(true);
    courier.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText(QStringLiteral("b"), courier);
    courier.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    courier.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("c"), courier);
    EXPECT_EQ(Rtf(*document),
        Text(kHeader
            + "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Times New Roman;}"
              "{\\f2\\fnil\\fcharset0 Courier \\{New\\};}}\r\n"
              "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
            + kLetterPage
            + "\\pard\\ql\\plain\\f0\\fs24{\\f1\\fs21\\cf1 a}{\\f2\\i\\ul\\strike\\highlight2\\super b}"
              "{\\f2\\i\\ul\\strike\\cf1\\highlight2\\sub c}\\par\r\n}"));
}

TEST(RtfWriter, WritesEveryParagraphProperty)
{
    const auto document = NewDocument();
    QTextCursor cursor(document.get());
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    format.setTextIndent(-24);
    format.setLeftMargin(48);
    format.setRightMargin(24);
    format.setTopMargin(8);
    format.setBottomMargin(16.07);
    format.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    format.setTabPositions({ QTextOption::Tab(96, QTextOption::LeftTab),
        QTextOption::Tab(5000 / 15.0, QTextOption::RightTab), QTextOption::Tab(200, QTextOption::CenterTab),
        QTextOption::Tab(4000 / 15.0, QTextOption::DelimiterTab, QLatin1Char('.')) });
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
    cursor.insertText(QStringLiteral("x"));
    QTextBlockFormat exactly;
    exactly.setAlignment(Qt::AlignRight);
    exactly.setLineHeight(20, QTextBlockFormat::FixedHeight);
    cursor.insertBlock(exactly);
    QTextBlockFormat atLeast;
    atLeast.setAlignment(Qt::AlignJustify);
    atLeast.setLineHeight(20, QTextBlockFormat::MinimumHeight);
    cursor.insertBlock(atLeast);
    EXPECT_EQ(Rtf(*document),
        Text(kHeader + kArialTable + kLetterPage
            + "\\pard\\qc\\fi-360\\li720\\ri360\\sb120\\sa241\\sl360\\slmult1\\tx1440\\tqr\\tx5000\\tqc\\tx3000"
              "\\tqdec\\tx4000\\pagebb\\plain\\f0\\fs24 x\\par\r\n"
              "\\pard\\qr\\sl-300\\slmult0\\plain\\f0\\fs24\\par\r\n"
              "\\pard\\qj\\sl300\\slmult0\\plain\\f0\\fs24\\par\r\n}"));
}

TEST(RtfWriter, WritesThePageAlways)
{
    const auto document = NewDocument();
    const TLetterPage page { 15840, 12240, 720, 730, 740, 750, true };
    EXPECT_EQ(Rtf(*document, page),
        Text(kHeader + kArialTable + "\\paperw15840\\paperh12240\\margl720\\margr730\\margt740\\margb750\\landscape\r\n"
            + "\\pard\\ql\\plain\\f0\\fs24\\par\r\n}"));
}

TEST(RtfWriter, WritesPicturesBackAsTheyCame)
{
    for (const char* kind : { "PNG", "JPEG" }) {
        const QByteArray bytes = rtf_test::SmallPicture(kind);
        const auto document = NewDocument();
        document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pic")), bytes);
        QTextImageFormat picture;
        picture.setName(QStringLiteral("pic"));
        picture.setWidth(40);
        picture.setHeight(20);
        QTextCursor cursor(document.get());
        cursor.insertImage(picture);
        const QByteArray blip = qstrcmp(kind, "PNG") == 0 ? "\\pngblip" : "\\jpegblip";
        QByteArray hex;
        for (qsizetype at = 0; at < bytes.size(); at += 64)
            hex += "\r\n" + bytes.mid(at, 64).toHex();
        EXPECT_EQ(Rtf(*document),
            Text(kHeader + kArialTable + kLetterPage + "\\pard\\ql\\plain\\f0\\fs24{\\pict" + blip
                + "\\picw2\\pich1\\picwgoal600\\pichgoal300" + hex + "}\\par\r\n}"))
            << kind;
    }
}

TEST(RtfWriter, StoresAPictureHeldAsAnImageAsPng)
{
    const auto document = NewDocument();
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pic")), image);
    QTextCursor cursor(document.get());
    cursor.insertImage(QStringLiteral("pic"));
    const QByteArray rtf = WriteRtf(*document, TLetterPage {});
    EXPECT_TRUE(rtf.contains("{\\pict\\pngblip\\picw3\\pich2\\picwgoal45\\pichgoal30\r\n89504e47")) << rtf.constData();
}

} // namespace
