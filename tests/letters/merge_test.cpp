// Merging a letter with one record: the token values (the name line, the
// address block and its city line), the one pass that never searches a
// value again, tokens in any letter case, and what the letter's formatting
// becomes around a value.
#include "design/model/text_test_support.h"
#include "letters/letter_merge.h"
#include "store/address_display_date.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <vector>

namespace {

using design_testing::TMemoryRecord;

const QDate kToday(2026, 12, 11);

using TFields = std::vector<std::pair<const char*, const char*>>;

TMemoryRecord Record(const TFields& fields)
{
    TMemoryRecord record;
    for (const auto& [name, value] : fields)
        record.Set(QString::fromLatin1(name), QString::fromUtf8(value));
    return record;
}

QString Merged(const QString& text, const TMemoryRecord& record)
{
    QTextDocument document;
    document.setPlainText(text);
    letters::MergeLetter(document, record, kToday);
    return document.toPlainText();
}

struct MergeCase {
    const char* what;
    const char* letter;
    TFields fields;
    const char* merged;
};

TEST(LetterMerge, TokenValues)
{
    const std::vector<MergeCase> cases = {
        {"no tokens: unchanged", "Dear friend,\nthank you.", {{"LNAME", "Cole"}}, "Dear friend,\nthank you."},
        {"every occurrence", "[Last], [Last]!", {{"LNAME", "Cole"}}, "Cole, Cole!"},
        {"a bracketed word that is no token stays", "[Salutation] [First]", {{"FNAME", "Ann"}},
         "[Salutation] Ann"},
        {"full name without prefix and middle", "<[Full Name]>", {{"FNAME", "Ann"}, {"LNAME", "Cole"}},
         "<Ann Cole >"},
        {"full name: middle initial with a period, leading blanks dropped", "<[Full Name]>",
         {{"PREFIX", "Dr"}, {"FNAME", "  Ann"}, {"MIDDLE", "B"}, {"LNAME", "Cole"}}, "<Dr Ann B. Cole >"},
        {"middle without a period", "[Middle]", {{"MIDDLE", "B"}}, "B"},
        {"city, state and zip: one blank before the zip", "[City+State+Zip]",
         {{"CITY", "Springfield"}, {"STATE", "IL"}, {"ZIP", "62701"}}, "Springfield IL 62701"},
        {"province and postal code are state and zip", "[Province] [Postal Code]", {{"STATE", "ON"}, {"ZIP", "K1A"}},
         "ON K1A"},
        {"an empty value removes the token", "A[Fax]B", {{"LNAME", "Cole"}}, "AB"},
        {"tokens match in any letter case", "[FULL NAME]/[first]/[e-mail]",
         {{"FNAME", "Ann"}, {"LNAME", "Cole"}, {"EMAIL", "ann@example.com"}}, "Ann Cole /Ann/ann@example.com"},
        {"a value holding a token is not merged again", "[Organization] [Phone]",
         {{"ORG", "Acme [Phone] Corp"}, {"PHONE", "555-0100"}}, "Acme [Phone] Corp 555-0100"},
        {"a token split by a bracket inside", "[[First]]", {{"FNAME", "Ann"}}, "[Ann]"},
        {"long date", "[Long Date]", {}, "Dec 11, 2026"},
        {"comments", "[Comment 1]|[Comment 2]", {{"USER1", "one"}, {"USER2", "two"}}, "one|two"},
        {"block: title and organization on one line, no city line", "[Name and Address]End",
         {{"FNAME", "Ann"}, {"LNAME", "Cole"}, {"TITLE", "Manager"}, {"ORG", "Acme"}, {"STREET", "1 Main St"}},
         "Ann Cole \nManager,  Acme\n1 Main St\nEnd"},
        {"block: two blanks before the zip", "[Name and Address]",
         {{"LNAME", "Cole"}, {"CITY", "Springfield"}, {"STATE", "IL"}, {"ZIP", "62701"}, {"COUNTRY", "USA"}},
         "Cole \nSpringfield IL  62701\nUSA\n"},
        {"block: city and zip without a state", "[Name and Address]", {{"CITY", "Springfield"}, {"ZIP", "62701"}},
         "Springfield  62701\n"},
        {"block: title alone", "[Name and Address]", {{"TITLE", "Manager"}, {"STREET2", "Suite 4"}},
         "Manager\nSuite 4\n"},
    };
    for (const MergeCase& c : cases)
        EXPECT_EQ(Merged(QString::fromUtf8(c.letter), Record(c.fields)), QString::fromUtf8(c.merged)) << c.what;
}

// The system's short date, with its month and not minutes.
TEST(LetterMerge, TodaysDateUsesTheSystemShortDate)
{
    EXPECT_EQ(Merged(QStringLiteral("[Today's Date]"), TMemoryRecord()),
              QLocale::c().toString(kToday, QLocale::system().dateFormat(QLocale::ShortFormat)));
}

TEST(LetterMerge, TokenNamesInInsertFieldOrder)
{
    const QStringList& names = letters::MergeTokenNames();
    ASSERT_EQ(names.size(), 25);
    EXPECT_EQ(names.front(), QStringLiteral("Full Name"));
    EXPECT_EQ(names.at(1), QStringLiteral("Name and Address"));
    EXPECT_EQ(names.back(), QStringLiteral("Comment 2"));
    for (const QString& name : names)
        EXPECT_TRUE(letters::MergeTokenValue(name, TMemoryRecord(), kToday).has_value()) << name.toStdString();
}

class LetterMergeFormat : public ::testing::Test {
protected:
    void Merge(const char* html, const TMemoryRecord& record)
    {
        document.setHtml(QString::fromUtf8(html));
        letters::MergeLetter(document, record, kToday);
    }

    QTextCharFormat FormatOf(const QString& text) const
    {
        const QTextCursor found = document.find(text);
        EXPECT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor inside(const_cast<QTextDocument*>(&document));
        inside.setPosition(found.selectionStart() + 1);
        return inside.charFormat();
    }

    QTextDocument document;
};

TEST_F(LetterMergeFormat, ValueTakesTheTokensCharacterFormat)
{
    Merge("<p>Dear <b><i>[First]</i></b>, hello</p>", Record({{"FNAME", "Annabel"}}));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Dear Annabel, hello"));
    EXPECT_EQ(FormatOf(QStringLiteral("Annabel")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(QStringLiteral("Annabel")).fontItalic());
    EXPECT_NE(FormatOf(QStringLiteral("hello")).fontWeight(), QFont::Bold);
}

TEST_F(LetterMergeFormat, BlockLinesAreParagraphsOfTheTokensParagraph)
{
    Merge("<p align=\"center\" style=\"page-break-before:always\"><u>[Name and Address]</u></p><p>Dear</p>",
          Record({{"FNAME", "Ann"}, {"LNAME", "Cole"}, {"STREET", "1 Main St"}}));
    ASSERT_EQ(document.blockCount(), 4);
    const QStringList lines = {QStringLiteral("Ann Cole "), QStringLiteral("1 Main St"), QString()};
    for (int i = 0; i < 3; ++i) {
        const QTextBlock block = document.findBlockByNumber(i);
        EXPECT_EQ(block.text(), lines.at(i));
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << i;
        // The letter's page break stays before its first line only.
        EXPECT_EQ(bool(block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore), i == 0) << i;
    }
    EXPECT_TRUE(FormatOf(QStringLiteral("1 Main St")).fontUnderline());
    EXPECT_EQ(document.findBlockByNumber(3).text(), QStringLiteral("Dear"));
}

} // namespace
