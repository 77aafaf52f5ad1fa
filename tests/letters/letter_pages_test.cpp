// A letter's pages on a device: the printable rectangle's integer
// arithmetic, pagination at the device (page breaks kept, long letters
// running on), and each page drawn at the rectangle and only its own text.
#include "letters/letter_pages.h"
#include "recording_sink.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using letters::PrintableRect;
using letters::TLetterPage;
using letters::TLetterPages;
using letters_testing::TRecordingSink;

TEST(PrintableRect, MarginsAtTheDevicesResolutionLessTheBorder)
{
    struct Case {
        const char* what;
        TLetterPage page;
        int dpiX, dpiY;
        QPoint border;
        QRect expected;
    };
    TLetterPage odd;
    odd.marginLeft = 1000;  // 66.67 pixels at 96
    odd.marginTop = 700;    // 46.67
    odd.marginRight = 1001; // 66.73
    odd.marginBottom = 1439;
    TLetterPage a4;
    a4.paperWidth = 11906;
    a4.paperHeight = 16838;
    const std::vector<Case> cases = {
        {"letter at 600 with a border", TLetterPage(), 600, 600, {25, 30},
         QRect(575, 570, 5100 - 600 - 575, 6600 - 600 - 570)},
        {"each length truncated on its own", odd, 96, 96, {0, 0}, QRect(66, 46, 816 - 66 - 66, 1056 - 95 - 46)},
        {"resolutions differing across and down", a4, 300, 600, {0, 0},
         QRect(300, 600, 2480 - 300 - 300, 7015 - 600 - 600)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintableRect(c.page, c.dpiX, c.dpiY, c.border), c.expected) << c.what;
}

class LetterPagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sink.Begin(page)); }

    void AddParagraph(const QString& text, bool breakBefore = false)
    {
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat format;
        if (breakBefore)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (!document.isEmpty())
            cursor.insertBlock(format);
        else
            cursor.setBlockFormat(format);
        cursor.insertText(text);
    }

    // Draws every page, a page of the sink each.
    void DrawAll(const TLetterPages& pages)
    {
        for (int i = 0; i < pages.PageCount(); ++i) {
            if (i > 0) {
                ASSERT_TRUE(sink.NewPage());
            }
            pages.DrawPage(sink.Painter(), i);
        }
    }

    TLetterPage page;
    QTextDocument document;
    TRecordingSink sink{300, {30, 30}};
};

TEST_F(LetterPagesTest, PageBreakBeforeStartsANewPage)
{
    AddParagraph(QStringLiteral("First"));
    AddParagraph(QStringLiteral("Second"), true);
    const TLetterPages pages(document, page, sink.Device(), sink.UnprintableOffset());
    ASSERT_EQ(pages.PageCount(), 2);
    DrawAll(pages);
    EXPECT_EQ(sink.PageTexts(), QStringList({QStringLiteral("First"), QStringLiteral("Second")}));
    // The first line starts at the margins, less the border.
    ASSERT_FALSE(sink.Pages().at(1).empty());
    const QPointF at = sink.Pages().at(1).front().at;
    EXPECT_EQ(at.x(), 300 - 30);
    EXPECT_GE(at.y(), 300 - 30);
    EXPECT_LT(at.y(), 300 - 30 + 60); // the baseline, within the first line
}

// A letter keeps its indents and spacing in 96ths of an inch; on a device
// of another resolution they must keep their length in inches, across and
// down alike.
TEST_F(LetterPagesTest, IndentsAndSpacingKeepTheirLengthOnTheDevice)
{
    AddParagraph(QStringLiteral("First"));
    AddParagraph(QStringLiteral("Second"));
    QTextBlockFormat indented;
    indented.setLeftMargin(96); // an inch
    indented.setTopMargin(48);  // half an inch
    QTextCursor(document.lastBlock()).setBlockFormat(indented);
    AddParagraph(QStringLiteral("Third"));
    const TLetterPages pages(document, page, sink.Device(), sink.UnprintableOffset());
    DrawAll(pages);
    ASSERT_EQ(sink.Pages().at(0).size(), 3u);
    const QPointF first = sink.Pages().at(0).at(0).at;
    const QPointF second = sink.Pages().at(0).at(1).at;
    const QPointF third = sink.Pages().at(0).at(2).at;
    EXPECT_NEAR(second.x() - first.x(), 300, 1);
    const double lineHeight = third.y() - second.y();
    EXPECT_NEAR(second.y() - first.y() - lineHeight, 150, 1);
}

TEST_F(LetterPagesTest, LongLetterRunsOnWithoutLosingOrRepeatingLines)
{
    for (int i = 1; i <= 120; ++i)
        AddParagraph(QStringLiteral("Line%1").arg(i));
    const TLetterPages pages(document, page, sink.Device(), sink.UnprintableOffset());
    ASSERT_GE(pages.PageCount(), 2);
    DrawAll(pages);
    QStringList drawn;
    for (const QString& text : sink.PageTexts())
        drawn << text.split(u' ', Qt::SkipEmptyParts);
    ASSERT_EQ(drawn.size(), 120);
    for (int i = 1; i <= 120; ++i)
        EXPECT_EQ(drawn.at(i - 1), QStringLiteral("Line%1").arg(i));
    // Nothing is drawn below the bottom margin: every baseline leaves room
    // for the line's descent (about 10 pixels of 12-point text at 300 dpi).
    for (const auto& onPage : sink.Pages())
        for (const auto& text : onPage)
            EXPECT_LE(text.at.y(), 11 * 300 - 300 - 10);
}

TEST_F(LetterPagesTest, MarginsLeavingNoRoomGiveNoPages)
{
    AddParagraph(QStringLiteral("Text"));
    page.marginLeft = 7000;
    page.marginRight = 7000;
    const TLetterPages pages(document, page, sink.Device(), sink.UnprintableOffset());
    EXPECT_FALSE(pages.Usable());
    EXPECT_EQ(pages.PageCount(), 0);
}

} // namespace
