// The RTF writer's exact text.
#include "letters/rtf_writer.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace letters;

namespace {

QTextDocument* NewDocument()
{
    auto* document = new QTextDocument;
    document->setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    return document;
}

TEST(RtfWriter, PlainParagraphWithBold)
{
    std::unique_ptr<QTextDocument> document(NewDocument());
    QTextCursor cursor(document.get());
    cursor.insertText(QStringLiteral("Dear "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Anna"), bold);
    const QByteArray expected = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\r\n"
                                "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                                "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\r\n"
                                "\\pard\\ql\\plain\\f0\\fs24 Dear {\\b Anna}\\par\r\n"
                                "}";
    EXPECT_EQ(WriteRtf(*document, TLetterPage{}), expected);
}

} // namespace
