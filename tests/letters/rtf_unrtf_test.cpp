// Our RTF as another reader sees it: unrtf turns it into HTML, which Qt
// reads back; the words and their bold, italic and underline must be ours.
#include "letters/rtf_writer.h"

#include "support/run_command.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace letters;

namespace {

bool HaveUnrtf()
{
    return !testing_support::runCommand("command -v unrtf").empty();
}

struct Piece {
    const char* text;
    bool bold, italic, underline;
};

// Each word with its look, in reading order.
QStringList Words(const QTextDocument& document)
{
    QStringList words;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString look = QStringLiteral(" b%1 i%2 u%3")
                                     .arg(format.fontWeight() >= QFont::DemiBold)
                                     .arg(format.fontItalic())
                                     .arg(format.fontUnderline());
            QString text = it.fragment().text();
            text.replace(QChar::Nbsp, QLatin1Char(' '));
            text.replace(QChar::LineSeparator, QLatin1Char(' '));
            for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                words.append(word + look);
        }
    }
    return words;
}

TEST(RtfUnrtf, ReadsOurTextWithItsBoldItalicAndUnderline)
{
    if (!HaveUnrtf())
        GTEST_SKIP() << "unrtf is not installed (scripts/setup-debian.sh installs it)";
    const Piece pieces[] = {
        {"Dear Anna Smith, ", false, false, false},
        {"bold words ", true, false, false},
        {"in italics ", false, true, false},
        {"underlined ", false, false, true},
        {"all three ", true, true, true},
        {"caf\xc3\xa9 \xe2\x82\xac" "5 \xce\xa9mega \xce\xa9 \xf0\x9f\x98\x80x \xe2\x80\x9cquoted\xe2\x80\x9d {braces} back\\slash", false, false, false},
    };
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    QTextCursor cursor(&document);
    for (const Piece& piece : pieces) {
        QTextCharFormat format;
        format.setFontWeight(piece.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(piece.italic);
        format.setFontUnderline(piece.underline);
        cursor.insertText(QString::fromUtf8(piece.text), format);
        if (piece.underline) {
            QTextBlockFormat centred;
            centred.setAlignment(Qt::AlignHCenter);
            cursor.insertBlock(centred, QTextCharFormat());
        }
    }

    testing_support::TempDir folder;
    const std::string path = folder.file("letter.rtf");
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WriteRtf(document, TLetterPage{}));
    file.close();
    const std::string html = testing_support::runCommand("unrtf --html '" + path + "' 2>/dev/null");
    ASSERT_FALSE(html.empty());

    QTextDocument seen;
    seen.setHtml(QString::fromStdString(html));
    EXPECT_EQ(Words(seen).join(QLatin1Char('\n')).toStdString(), Words(document).join(QLatin1Char('\n')).toStdString());
}

} // namespace
