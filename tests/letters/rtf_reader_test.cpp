// The RTF reader on small fixtures, one per feature: text and its escapes,
// destinations read or passed over, character and paragraph formats,
// pictures, page settings, and damaged or hostile input.
#include "letters/rtf_reader.h"
#include "rtf_test_support.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

using namespace letters;
using rtf_test::BlockOf;
using rtf_test::FormatOf;
using rtf_test::Read;

namespace {

// The paragraphs' texts joined by "|", every character kept as read.
QString Paragraphs(const QTextDocument& document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts.join(QLatin1Char('|'));
}

struct TextCase {
    const char* name;
    QByteArray rtf;
    QString text;
};

const TextCase kTextCases[] = {
    { "escaped braces and backslash", R"({\rtf1 a\{b\}c\\d})", QStringLiteral("a{b}c\\d") },
    { "hex bytes in Windows-1252", R"({\rtf1\ansi caf\'e9 \'80})", QStringLiteral("café €") },
    { "the file's code page", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", QStringLiteral("При") },
    { "a font's character set", R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1 \'b9\'e6\f0 \'e6})",
        QStringLiteral("ąćæ") },
    { "Macintosh text", R"({\rtf1\mac caf\'8e})", QStringLiteral("café") },
    { "unicode with one fallback character", R"({\rtf1 x\u8364?y})", QStringLiteral("x€y") },
    { "unicode with two fallback bytes", R"({\rtf1\uc2 \u8364\'80\'80z})", QStringLiteral("€z") },
    { "unicode without fallback", R"({\rtf1\uc0\u8364 z})", QStringLiteral("€z") },
    { "negative unicode numbers", R"({\rtf1\u-3913?})", QString(QChar(0xF0B7)) },
    { "surrogate pairs", R"({\rtf1\u-10179?\u-8704?})", QString::fromUtf8("\xF0\x9F\x98\x80") },
    { "\\uc belongs to its group", R"({\rtf1{\uc2\u8364 ab}\u8364?c})", QStringLiteral("€€c") },
    { "a fallback cut short by a group", R"({\rtf1\uc3\u8364{x}y})", QStringLiteral("€xy") },
    { "symbols", R"({\rtf1 a\~b\-c\_d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
        QStringLiteral("a\u00a0b\u00adc\u2011d\u2014\u2013\u2022\u2018\u2019\u201c\u201d") },
    { "spaces spelt as words", R"({\rtf1 a\emspace\enspace\qmspace b})", QStringLiteral("a\u2003\u2002\u2005b") },
    { "tab and line break", R"({\rtf1 a\tab b\line c})", QStringLiteral("a\tb\u2028c") },
    { "paragraphs", R"({\rtf1 one\par two\par\par three})", QStringLiteral("one|two||three") },
    { "a last \\par adds no paragraph", R"({\rtf1 one\par})", QStringLiteral("one") },
    { "page break ends the paragraph", R"({\rtf1 one\page two})", QStringLiteral("one|two") },
    { "backslash before a line end", "{\\rtf1 ab\\\ncd}", QStringLiteral("ab|cd") },
    { "line ends are no text", "{\\rtf1 ab\r\ncd\nef}", QStringLiteral("abcdef") },
    { "unknown words", R"({\rtf1 a\foo12 b\bar-3 c})", QStringLiteral("abc") },
    { "ignorable destinations", R"({\rtf1 a{\*\generator Foo 1.0;}b{\*\unknown{x}y}c})", QStringLiteral("abc") },
    { "style sheet, info, headers and footers",
        R"({\rtf1{\stylesheet{\s0 Normal;}{\s1 heading 1;}}{\info{\title T}{\author A}}{\header H}{\footer F}{\headerl L}{\footerr R}body})",
        QStringLiteral("body") },
    { "binary data in a skipped destination", R"({\rtf1 a{\*\data\bin4 {}\}}b})", QStringLiteral("ab") },
    { "binary data in the text", R"({\rtf1 a\bin2 xyb})", QStringLiteral("ab") },
    { "field results", R"({\rtf1 see {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt here}} now})",
        QStringLiteral("see here now") },
    { "field instructions without \\*", R"({\rtf1 page {\field{\fldinst PAGE}{\fldrslt 1}}})",
        QStringLiteral("page 1") },
    { "table rows",
        R"({\rtf1\trowd\cellx1000\cellx2000\cellx3000\pard\intbl a\cell b\cell c\cell\row)"
        R"(\trowd\cellx1000\cellx2000\pard\intbl\cell d\cell\row\pard after\par})",
        QStringLiteral("a\tb\tc|\td|after") },
    { "two paragraphs in one cell", R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl a\par b\cell c\cell\row})",
        QStringLiteral("a b\tc") },
    { "\\upr reads its unicode part", R"({\rtf1 a{\upr{b\'e9}{\*\ud{c\u233?}}}d})", QStringLiteral("acéd") },
    { "list numbers", R"({\rtf1{\*\listtable{\list{\listlevel{\leveltext \'02\'00.;}}}}{\listtext 1.\tab}Item\par})",
        QStringLiteral("1.\tItem") },
    { "old list numbers", R"({\rtf1{\pntext\'b7\tab}{\*\pn\pnlvlblt{\pntxtb \'b7}}Item\par})",
        QStringLiteral("\u00b7\tItem") },
    { "control characters spelt in unicode", R"({\rtf1 a\u10?b\u8233?c})", QStringLiteral("ab\u2028c") },
    { "delete and C1 control characters", R"({\rtf1 a\'7fb\'81c\u157?d})", QStringLiteral("abcd") },
    { "raw tab and control bytes",
        "{\\rtf1 a\tb\x01"
        "c}",
        QStringLiteral("a\tbc") },
    { "text after the last brace", R"({\rtf1 a}b)", QStringLiteral("a") },
    { "broken hex escape", R"({\rtf1 a\'zzb})", QStringLiteral("azzb") },
};

TEST(RtfReader, ReadsTheText)
{
    for (const TextCase& c : kTextCases) {
        const auto document = Read(c.rtf);
        EXPECT_EQ(Paragraphs(*document), c.text) << c.name;
    }
}

struct CharCase {
    const char* name;
    QByteArray rtf; // the text "x" carries the format under test
    std::function<bool(const QTextCharFormat&)> holds;
};

const QByteArray kColors = R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})";

const CharCase kCharCases[] = {
    { "font from the table", R"({\rtf1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;}}\f1 x})",
        [](const QTextCharFormat& f) {
            return f.fontFamilies().toStringList() == QStringList { QStringLiteral("Arial") };
        } },
    { "font name in unicode and its own code page", R"({\rtf1{\fonttbl{\f0\fcharset238 \u23435?\u20307? \'8e;}}\f0 x})",
        [](const QTextCharFormat& f) { return f.fontFamilies().toStringList() == QStringList { QStringLiteral("\u5b8b\u4f53 \u017d") }; } },
    { "default font", R"({\rtf1\deff1{\fonttbl{\f0 Times;}{\f1 Courier;}} x})",
        [](const QTextCharFormat& f) {
            return f.fontFamilies().toStringList() == QStringList { QStringLiteral("Courier") };
        } },
    { "\\plain returns to the defaults",
        R"({\rtf1\deff1{\fonttbl{\f0 Times;}{\f1 Courier;}}\f0\b\i\ul\fs40 a\plain x})",
        [](const QTextCharFormat& f) {
            return f.fontFamilies().toStringList() == QStringList { QStringLiteral("Courier") }
            && f.fontPointSize() == 12 && f.fontWeight() == QFont::Normal && !f.fontItalic() && !f.fontUnderline();
        } },
    { "half point size", R"({\rtf1\fs21 x})", [](const QTextCharFormat& f) { return f.fontPointSize() == 10.5; } },
    { "bold", R"({\rtf1\b x})", [](const QTextCharFormat& f) { return f.fontWeight() == QFont::Bold; } },
    { "bold off", R"({\rtf1\b a\b0 x})", [](const QTextCharFormat& f) { return f.fontWeight() == QFont::Normal; } },
    { "italic", R"({\rtf1\i x})", [](const QTextCharFormat& f) { return f.fontItalic(); } },
    { "underline", R"({\rtf1\ul x})", [](const QTextCharFormat& f) { return f.fontUnderline(); } },
    { "double underline", R"({\rtf1\uldb x})", [](const QTextCharFormat& f) { return f.fontUnderline(); } },
    { "underline off", R"({\rtf1\ul a\ulnone x})", [](const QTextCharFormat& f) { return !f.fontUnderline(); } },
    { "strike", R"({\rtf1\strike x})", [](const QTextCharFormat& f) { return f.fontStrikeOut(); } },
    { "colour", R"({\rtf1)" + kColors + R"(\cf2 x})",
        [](const QTextCharFormat& f) { return f.foreground().color() == QColor(0, 128, 0); } },
    { "automatic colour", R"({\rtf1)" + kColors + R"(\cf1 a\cf0 x})",
        [](const QTextCharFormat& f) { return f.foreground().style() == Qt::NoBrush; } },
    { "colour beyond the table", R"({\rtf1)" + kColors + R"(\cf9 x})",
        [](const QTextCharFormat& f) { return f.foreground().style() == Qt::NoBrush; } },
    { "highlight", R"({\rtf1)" + kColors + R"(\highlight1 x})",
        [](const QTextCharFormat& f) { return f.background().color() == QColor(255, 0, 0); } },
    { "\\cb background", R"({\rtf1)" + kColors + R"(\cb2 x})",
        [](const QTextCharFormat& f) { return f.background().color() == QColor(0, 128, 0); } },
    { "\\chcbpat background", R"({\rtf1)" + kColors + R"(\chcbpat1 x})",
        [](const QTextCharFormat& f) { return f.background().color() == QColor(255, 0, 0); } },
    { "superscript", R"({\rtf1\super x})",
        [](const QTextCharFormat& f) { return f.verticalAlignment() == QTextCharFormat::AlignSuperScript; } },
    { "subscript", R"({\rtf1\sub x})",
        [](const QTextCharFormat& f) { return f.verticalAlignment() == QTextCharFormat::AlignSubScript; } },
    { "neither", R"({\rtf1\sub a\nosupersub x})",
        [](const QTextCharFormat& f) { return f.verticalAlignment() == QTextCharFormat::AlignNormal; } },
    { "a group restores the format", R"({\rtf1{\b\i a}x})",
        [](const QTextCharFormat& f) { return f.fontWeight() == QFont::Normal && !f.fontItalic(); } },
    { "size clamped", R"({\rtf1\fs99999999999999999999 x})",
        [](const QTextCharFormat& f) { return f.fontPointSize() == 1638; } },
};

TEST(RtfReader, ReadsCharacterFormats)
{
    for (const CharCase& c : kCharCases) {
        const auto document = Read(c.rtf);
        const QTextCharFormat format = FormatOf(*document, QStringLiteral("x"));
        ASSERT_TRUE(format.isValid()) << c.name;
        EXPECT_TRUE(c.holds(format)) << c.name;
    }
}

struct ParagraphCase {
    const char* name;
    QByteArray rtf; // the paragraph holding "x" is under test
    std::function<bool(const QTextBlockFormat&)> holds;
};

bool SameTabs(const QList<QTextOption::Tab>& actual, const QList<QTextOption::Tab>& expected)
{
    return actual == expected;
}

const ParagraphCase kParagraphCases[] = {
    { "left", R"({\rtf1\ql x})", [](const QTextBlockFormat& f) { return f.alignment() == Qt::AlignLeft; } },
    { "centred", R"({\rtf1\qc x})", [](const QTextBlockFormat& f) { return f.alignment() == Qt::AlignHCenter; } },
    { "right", R"({\rtf1\qr x})", [](const QTextBlockFormat& f) { return f.alignment() == Qt::AlignRight; } },
    { "justified", R"({\rtf1\qj x})", [](const QTextBlockFormat& f) { return f.alignment() == Qt::AlignJustify; } },
    { "indents and spacing in 96ths of an inch", R"({\rtf1\fi-360\li720\ri360\sb120\sa240 x})",
        [](const QTextBlockFormat& f) {
            return f.textIndent() == -24 && f.leftMargin() == 48 && f.rightMargin() == 24 && f.topMargin() == 8
                && f.bottomMargin() == 16;
        } },
    { "line spacing as a multiple", R"({\rtf1\sl360\slmult1 x})",
        [](const QTextBlockFormat& f) {
            return f.lineHeightType() == QTextBlockFormat::ProportionalHeight && f.lineHeight() == 150;
        } },
    { "line spacing at least", R"({\rtf1\sl300\slmult0 x})",
        [](const QTextBlockFormat& f) {
            return f.lineHeightType() == QTextBlockFormat::MinimumHeight && f.lineHeight() == 20;
        } },
    { "line spacing exactly", R"({\rtf1\sl-300 x})",
        [](const QTextBlockFormat& f) {
            return f.lineHeightType() == QTextBlockFormat::FixedHeight && f.lineHeight() == 20;
        } },
    { "tab stops of each kind", R"({\rtf1\tx1440\tqr\tx5000\tqc\tx3000\tqdec\tx4000 x})",
        [](const QTextBlockFormat& f) {
            QTextOption::Tab decimal(4000 / 15.0, QTextOption::DelimiterTab, QLatin1Char('.'));
            return SameTabs(f.tabPositions(),
                { QTextOption::Tab(96, QTextOption::LeftTab), QTextOption::Tab(5000 / 15.0, QTextOption::RightTab),
                    QTextOption::Tab(200, QTextOption::CenterTab), decimal });
        } },
    { "page break before", R"({\rtf1\pagebb x})",
        [](const QTextBlockFormat& f) { return f.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore; } },
    { "\\page breaks before the next paragraph", R"({\rtf1 a\page x})",
        [](const QTextBlockFormat& f) { return f.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore; } },
    { "\\pard resets", R"({\rtf1\qc\li720\pagebb a\par\pard x})",
        [](const QTextBlockFormat& f) {
            return f.alignment() == Qt::AlignLeft && f.leftMargin() == 0
                && f.pageBreakPolicy() == QTextFormat::PageBreak_Auto;
        } },
    { "properties in force at \\par count", R"({\rtf1 x\qc\par})",
        [](const QTextBlockFormat& f) { return f.alignment() == Qt::AlignHCenter; } },
    { "without \\pard properties carry on", R"({\rtf1\qr a\par x})",
        [](const QTextBlockFormat& f) { return f.alignment() == Qt::AlignRight; } },
    { "indent clamped to 32 bits", R"({\rtf1\li-99999999999 x})",
        [](const QTextBlockFormat& f) { return f.leftMargin() == -2147483648.0 / 15; } },
};

TEST(RtfReader, ReadsParagraphFormats)
{
    for (const ParagraphCase& c : kParagraphCases) {
        const auto document = Read(c.rtf);
        const QTextBlock block = BlockOf(*document, QStringLiteral("x"));
        ASSERT_TRUE(block.isValid()) << c.name;
        EXPECT_TRUE(c.holds(block.blockFormat())) << c.name;
    }
}

TEST(RtfReader, ReadsAParagraphMarkFormatForEmptyParagraphs)
{
    const auto document = Read(R"({\rtf1 a\par\fs40\b\par b})");
    const QTextBlock empty = document->firstBlock().next();
    ASSERT_TRUE(empty.text().isEmpty());
    EXPECT_EQ(empty.charFormat().fontPointSize(), 20);
    EXPECT_EQ(empty.charFormat().fontWeight(), QFont::Bold);
}

QTextImageFormat OnlyPicture(const QTextDocument& document)
{
    QTextImageFormat found;
    int pictures = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                pictures += int(it.fragment().length());
                found = it.fragment().charFormat().toImageFormat();
            }
        }
    }
    EXPECT_EQ(pictures, 1);
    return found;
}

TEST(RtfReader, KeepsPngAndJpegPictures)
{
    for (const char* kind : { "PNG", "JPEG" }) {
        const QByteArray bytes = rtf_test::SmallPicture(kind);
        const QByteArray blip = qstrcmp(kind, "PNG") == 0 ? "\\pngblip" : "\\jpegblip";
        const auto document = Read("{\\rtf1 a{\\pict" + blip + "\\picw2\\pich1\\picwgoal600\\pichgoal300\\picscalex50 "
            + bytes.toHex() + "}b}");
        EXPECT_EQ(document->firstBlock().text(), QStringLiteral("a\uFFFCb")) << kind;
        const QTextImageFormat picture = OnlyPicture(*document);
        EXPECT_EQ(picture.width(), 20) << kind;
        EXPECT_EQ(picture.height(), 20) << kind;
        EXPECT_EQ(document->resource(QTextDocument::ImageResource, QUrl(picture.name())).toByteArray(), bytes) << kind;
    }
}

TEST(RtfReader, TakesTheShapePictureAndNotItsFallback)
{
    const QByteArray png = rtf_test::SmallPicture("PNG").toHex();
    const auto document = Read("{\\rtf1{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn a}{\\sv 1}}}\\pngblip " + png
        + "}}{\\nonshppict{\\pict\\wmetafile8 0100}}x}");
    OnlyPicture(*document);
    EXPECT_EQ(document->firstBlock().text(), QStringLiteral("\uFFFCx"));
}

TEST(RtfReader, ReadsPictureBytesAfterBin)
{
    const QByteArray png = rtf_test::SmallPicture("PNG");
    const auto document = Read("{\\rtf1{\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + " " + png + "}}");
    OnlyPicture(*document);
}

TEST(RtfReader, PassesOverOtherOrBrokenPictures)
{
    for (const QByteArray& rtf : { QByteArray(R"({\rtf1 a{\pict\wmetafile8\picw10 0100090000}b})"),
             QByteArray(R"({\rtf1 a{\pict\pngblip 89504e470d0a1a}b})"),
             QByteArray(R"({\rtf1 a{\pict\emfblip\bin3 xyz}b})") }) {
        const auto document = Read(rtf);
        EXPECT_EQ(document->toPlainText(), QStringLiteral("ab")) << rtf.constData();
    }
}

TEST(RtfReader, ReadsPageSettings)
{
    struct PageCase {
        const char* name;
        QByteArray rtf;
        TLetterPage page;
    };
    const PageCase cases[] = {
        { "document settings", R"({\rtf1\paperw11906\paperh16838\margl1134\margr1000\margt900\margb800\landscape x})",
            { 11906, 16838, 1134, 1000, 900, 800, true } },
        { "section settings",
            R"({\rtf1\sectd\pgwsxn16838\pghsxn11906\marglsxn700\margrsxn710\margtsxn720\margbsxn730\lndscpsxn x})",
            { 16838, 11906, 700, 710, 720, 730, true } },
        { "none given", R"({\rtf1 x})", TLetterPage {} },
        { "no paper", R"({\rtf1\paperw0 x})", TLetterPage {} },
        { "margins wider than the paper", R"({\rtf1\paperw12240\margl6000\margr6000 x})", TLetterPage {} },
        { "negative margin", R"({\rtf1\margt-100 x})", TLetterPage {} },
    };
    for (const PageCase& c : cases) {
        QTextDocument document;
        EXPECT_EQ(ReadRtf(c.rtf, document).page, c.page) << c.name;
    }
}

TEST(RtfReader, RefusesTextThatIsNotRtf)
{
    for (const QByteArray& text : { QByteArray(), QByteArray("Hello"), QByteArray(" {\\rtf1 x}"),
             QByteArray("{\\rtx1 x}"), QByteArray("{\\RTF1 x}") }) {
        QTextDocument document;
        document.setPlainText(QStringLiteral("kept"));
        const TRtfReadResult result = ReadRtf(text, document);
        EXPECT_FALSE(result.ok) << text.constData();
        EXPECT_EQ(result.error, QStringLiteral("The file is not an RTF file.")) << text.constData();
        EXPECT_EQ(document.toPlainText(), QStringLiteral("kept")) << text.constData();
    }
}

TEST(RtfReader, ReadsWhatItCanOfDamagedText)
{
    struct DamageCase {
        const char* name;
        QByteArray rtf;
        QString text;
        bool reported;
    };
    const QByteArray deep = QByteArray(100000, '{') + "x" + QByteArray(100000, '}');
    const DamageCase cases[] = {
        { "cut off", R"({\rtf1 abc\par de)", QStringLiteral("abc|de"), true },
        { "cut off inside a group", R"({\rtf1 abc{\b de)", QStringLiteral("abcde"), true },
        { "groups nested far too deep", "{\\rtf1 a" + deep + "b}", QStringLiteral("ab"), true },
        { "\\bin longer than the file", R"({\rtf1 a\bin999999 xyz)", QStringLiteral("a"), true },
        { "\\bin with a huge number", R"({\rtf1 a\bin99999999999999999999 xyz)", QStringLiteral("a"), true },
        { "a lone backslash at the end", "{\\rtf1 a\\", QStringLiteral("a"), true },
        { "huge \\uc", R"({\rtf1\uc99999999999\u8364 abcdefghijklmnopqrstuvwxyz})", QStringLiteral("€qrstuvwxyz"),
            false },
        { "unicode number out of range", R"({\rtf1 a\u99999999?b})", QStringLiteral("ab"), false },
        { "a word of many letters", "{\\rtf1 a\\" + QByteArray(1000, 'q') + " b}", QStringLiteral("ab"), false },
        { "closing braces too many", R"({\rtf1 a}}}b)", QStringLiteral("a"), false },
    };
    for (const DamageCase& c : cases) {
        QTextDocument document;
        const TRtfReadResult result = ReadRtf(c.rtf, document);
        EXPECT_TRUE(result.ok) << c.name;
        EXPECT_EQ(Paragraphs(document), c.text) << c.name;
        EXPECT_EQ(!result.error.isEmpty(), c.reported) << c.name << ": " << result.error.toStdString();
    }
}

TEST(RtfReader, ReplacesTheDocument)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("old\nlines"));
    ReadRtf(R"({\rtf1\qc new})", document);
    EXPECT_EQ(Paragraphs(document), QStringLiteral("new"));
    EXPECT_EQ(document.firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
}

TEST(RtfReader, InsertsAtTheCursor)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("XY"));
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    const TRtfReadResult result = InsertRtf(R"({\rtf1 a\par {\b b}})", cursor);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(Paragraphs(document), QStringLiteral("Xa|bY"));
    EXPECT_EQ(FormatOf(document, QStringLiteral("b")).fontWeight(), QFont::Bold);

    const TRtfReadResult refused = InsertRtf("plain", cursor);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(Paragraphs(document), QStringLiteral("Xa|bY"));
}

} // namespace
