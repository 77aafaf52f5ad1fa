// The RTF reader on small fixtures, one per feature.
#include "letters/rtf_reader.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace letters;

namespace {

TEST(RtfReader, PlainParagraphsWithBoldAndItalic)
{
    QTextDocument document;
    const TRtfReadResult result = ReadRtf("{\\rtf1\\ansi Hello {\\b bold} and {\\i italic}\\par Second\\par}", document);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Hello bold and italic\nSecond"));
    const QTextBlock first = document.firstBlock();
    QList<QPair<QString, QTextCharFormat>> runs;
    for (auto it = first.begin(); !it.atEnd(); ++it)
        runs.append({it.fragment().text(), it.fragment().charFormat()});
    ASSERT_EQ(runs.size(), 4);
    EXPECT_EQ(runs[1].first, QStringLiteral("bold"));
    EXPECT_EQ(runs[1].second.fontWeight(), QFont::Bold);
    EXPECT_EQ(runs[3].first, QStringLiteral("italic"));
    EXPECT_TRUE(runs[3].second.fontItalic());
    EXPECT_FALSE(runs[2].second.fontItalic());
}

TEST(RtfReader, PageSettings)
{
    QTextDocument document;
    const TRtfReadResult result
        = ReadRtf("{\\rtf1\\paperw11906\\paperh16838\\margl1134\\margr1000\\margt900\\margb800\\landscape x}", document);
    const TLetterPage expected{11906, 16838, 1134, 1000, 900, 800, true};
    EXPECT_EQ(result.page, expected);
}

TEST(RtfReader, RefusesTextThatIsNotRtf)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept"));
    const TRtfReadResult result = ReadRtf("Hello {\\rtf1 x}", document);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, QStringLiteral("The file is not an RTF file."));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("kept"));
}

} // namespace
