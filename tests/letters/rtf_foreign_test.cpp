// Letters written by other word processors, in their own style: style
// sheets, document info, headers and footers, fields, lists, pictures with
// fallbacks, tables, \upr, code pages of other fonts, line ends as
// paragraph marks. Every word of the body must arrive, and nothing else.
#include "rtf_test_support.h"

#include "letters/rtf_reader.h"

#include "support/temp_dir.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace letters;
using rtf_test::BlockOf;
using rtf_test::FormatOf;

namespace {

QByteArray Fixture(const char* name)
{
    QFile file(QString::fromStdString(testing_support::sourceDir()) + QStringLiteral("/tests/letters/fixtures/")
               + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QStringList Paragraphs(const QTextDocument& document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

struct ForeignCase {
    const char* file;
    QStringList paragraphs;
    TLetterPage page;
};

const ForeignCase kForeign[] = {
    {"word_letter.rtf",
     {QStringLiteral("Annual Letter"), QStringLiteral("Dear [First], see our site\u2013 it\u2019s new."),
      QStringLiteral("\u00b7\tFirst point"), QStringLiteral("Name\tAmount"), QStringLiteral("Paper\t12,50 \u20ac"),
      QStringLiteral("Pozdrav z \u017datce: \u0161\u010d\u0159\u017e\u00fd\u00e1\u00ed\u00e9"),
      QStringLiteral("\uFFFC Signature")},
     {11906, 16838, 1417, 1417, 1134, 1134, false}},
    {"wordpad_letter.rtf",
     {QStringLiteral("Dear customer,"), QStringLiteral("We are pleased to send this letter."),
      QStringLiteral("\u00b7\tFirst"), QStringLiteral("\u00b7\tSecond"),
      QStringLiteral("Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144"),
      QStringLiteral("\u20ac100 \u2013 done")},
     TLetterPage{}},
    {"writer_letter.rtf",
     {QStringLiteral("10 May 2024"), QStringLiteral("Hello world, from a letter with a link: example.org"),
      QStringLiteral("\u2022\tOne"), QStringLiteral("P\u0159li\u0161 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148"),
      QStringLiteral("Item\tPrice"), QStringLiteral("Regards")},
     {12240, 15840, 1134, 1134, 1134, 1134, false}},
    {"textedit_letter.rtf",
     {QStringLiteral("Dear friend,"), QString(), QStringLiteral("Bold and na\u00efve text"),
      QStringLiteral("caf\u00e9 \u20ac 2024")},
     {11900, 16840, 1440, 1440, 1440, 1440, false}},
};

TEST(RtfForeign, ReadsEveryWordOfTheBodyAndNothingElse)
{
    for (const ForeignCase& c : kForeign) {
        QTextDocument document;
        const TRtfReadResult result = ReadRtf(Fixture(c.file), document);
        EXPECT_TRUE(result.ok) << c.file;
        EXPECT_TRUE(result.error.isEmpty()) << c.file << ": " << result.error.toStdString();
        EXPECT_EQ(Paragraphs(document).join(QLatin1Char('\n')).toStdString(), c.paragraphs.join(QLatin1Char('\n')).toStdString())
            << c.file;
        EXPECT_EQ(result.page, c.page) << c.file;
    }
}

TEST(RtfForeign, KeepsTheFormatsOfAWordLetter)
{
    QTextDocument document;
    ReadRtf(Fixture("word_letter.rtf"), document);
    const QTextCharFormat title = FormatOf(document, QStringLiteral("Annual Letter"));
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(title.fontPointSize(), 14);
    EXPECT_EQ(BlockOf(document, QStringLiteral("Annual Letter")).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_TRUE(FormatOf(document, QStringLiteral("[First]")).fontItalic());
    EXPECT_EQ(FormatOf(document, QStringLiteral("our site")).foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(FormatOf(document, QStringLiteral("Dear")).fontFamilies().toStringList(), QStringList{QStringLiteral("Calibri")});
    const QTextBlockFormat list = BlockOf(document, QStringLiteral("First point")).blockFormat();
    EXPECT_EQ(list.textIndent(), -24);
    EXPECT_EQ(list.leftMargin(), 48);
    EXPECT_DOUBLE_EQ(list.bottomMargin(), 160 / 15.0);
    EXPECT_EQ(list.lineHeightType(), QTextBlockFormat::ProportionalHeight);
}

TEST(RtfForeign, KeepsTheFormatsOfATextEditLetter)
{
    QTextDocument document;
    ReadRtf(Fixture("textedit_letter.rtf"), document);
    EXPECT_EQ(FormatOf(document, QStringLiteral("Bold")).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, QStringLiteral("Bold")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("Helvetica-Bold")});
    EXPECT_EQ(FormatOf(document, QStringLiteral("naïve")).fontWeight(), QFont::Normal);
    EXPECT_EQ(document.firstBlock().blockFormat().tabPositions().size(), 12);
}

} // namespace
