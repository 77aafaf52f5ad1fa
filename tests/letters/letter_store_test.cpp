// LETTER.DBF: opening it, the rows in description order, finding a letter
// by name, storing the writer's RTF through the memo rule, New, Modify,
// Clone and Delete, a stored page that cannot be printed on, and RTF that
// moves between memo and document without any file.
#include "letters/letter_store.h"
#include "store/dataset.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using letters::TLetterSave;

class LetterStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sysdata = QString::fromStdString(dir.file("sysdata"));
        ASSERT_TRUE(QDir().mkpath(sysdata));
        const quorvel::TTableResult opened = letters::OpenLetterTable(table, sysdata);
        ASSERT_TRUE(opened.ok) << opened.messages.join(u' ').toStdString();
    }

    void Add(const char* description, const QString& memo = QStringLiteral("{\\rtf1 x}"))
    {
        ASSERT_TRUE(letters::SaveLetterRow(table, TLetterSave::lsNew, QString::fromUtf8(description), memo).ok);
    }

    QStringList Descriptions()
    {
        QStringList names;
        for (bool more = table.First(); more; more = table.Next())
            names << table.FieldAsString(u"DESCRIPT");
        return names;
    }

    testing_support::TempDir dir;
    QString sysdata;
    xbase::TApollo engine;
    quorvel::TDataset table{engine};
};

TEST_F(LetterStoreTest, MemoRuleOnTheStoredRtf)
{
    struct Case {
        int length;
        int stored;
    };
    for (const Case c : {Case{400, 401}, Case{401, 401}}) {
        const QByteArray rtf = "{\\rtf1 " + QByteArray(c.length - 8, 'x') + "}";
        ASSERT_EQ(rtf.size(), c.length);
        Add("Length", letters::LetterMemo(rtf));
        const QByteArray stored = letters::LetterRtf(table);
        EXPECT_EQ(stored.size(), c.stored) << c.length;
        EXPECT_TRUE(stored.startsWith(rtf)) << c.length;
        if (c.stored > c.length) {
            EXPECT_TRUE(stored.endsWith("} ")) << c.length;
        }
    }
}

TEST_F(LetterStoreTest, LineEndsAreStoredAsCrLf)
{
    EXPECT_EQ(letters::LetterMemo(QByteArray("{\\rtf1\n\\par x\r\n}")), QStringLiteral("{\\rtf1\r\n\\par x\r\n}"));
}

TEST_F(LetterStoreTest, RowsInDescriptionOrderAndFoundByNameInAnyCase)
{
    Add("Welcome", QStringLiteral("{\\rtf1 first}"));
    Add("Reminder");
    Add("welcome", QStringLiteral("{\\rtf1 second}"));
    EXPECT_EQ(Descriptions(),
              QStringList({QStringLiteral("Reminder"), QStringLiteral("Welcome"), QStringLiteral("welcome")}));
    ASSERT_TRUE(letters::FindLetterNamed(table, QStringLiteral("  WELCOME ")));
    EXPECT_EQ(letters::LetterRtf(table), QByteArray("{\\rtf1 first}"));
    EXPECT_FALSE(letters::FindLetterNamed(table, QStringLiteral("Welcome back")));
}

TEST_F(LetterStoreTest, ModifyCloneAndDelete)
{
    const QString longName = QStringLiteral("Annual meeting invitation for every member, 2027");
    ASSERT_EQ(longName.size(), 48);
    Add(longName.toUtf8().constData(), QStringLiteral("{\\rtf1 invitation}"));

    ASSERT_TRUE(letters::FindLetterNamed(table, longName));
    ASSERT_TRUE(letters::CloneLetterRow(table).ok);
    const QString cloneName = (QStringLiteral("Clone of ") + longName).left(50);
    ASSERT_TRUE(letters::FindLetterNamed(table, cloneName));
    EXPECT_EQ(letters::LetterRtf(table), QByteArray("{\\rtf1 invitation}"));

    ASSERT_TRUE(letters::SaveLetterRow(table, TLetterSave::lsExisting, QStringLiteral("Changed"),
                                       QStringLiteral("{\\rtf1 changed}"))
                    .ok);
    ASSERT_TRUE(letters::FindLetterNamed(table, QStringLiteral("changed")));
    EXPECT_EQ(letters::LetterRtf(table), QByteArray("{\\rtf1 changed}"));

    ASSERT_TRUE(letters::DeleteLetterRow(table).ok);
    EXPECT_EQ(Descriptions(), QStringList({longName}));
}

TEST_F(LetterStoreTest, StoredPageThatCannotBePrintedOnOpensWithTheDefaultPage)
{
    struct Case {
        const char* what;
        const char* rtf;
        bool usable;
    };
    const std::vector<Case> cases = {
        {"A4 with small margins", "{\\rtf1\\paperw11906\\paperh16838\\margl720\\margr720 Text}", true},
        {"paper width 0", "{\\rtf1\\paperw0\\paperh15840 Text}", false},
        {"margins wider than the paper", "{\\rtf1\\margl7000\\margr7000 Text}", false},
    };
    for (const Case& c : cases) {
        QTextDocument document;
        const letters::TLetterLoad load = letters::LoadLetter(QByteArray(c.rtf), document);
        ASSERT_TRUE(load.ok) << c.what;
        EXPECT_EQ(document.toPlainText(), QStringLiteral("Text")) << c.what;
        EXPECT_EQ(load.page == letters::TLetterPage(), !c.usable) << c.what;
    }
}

TEST_F(LetterStoreTest, NotRtfIsRefused)
{
    QTextDocument document;
    const letters::TLetterLoad load = letters::LoadLetter(QByteArray("Dear friend"), document);
    EXPECT_FALSE(load.ok);
    EXPECT_FALSE(load.error.isEmpty());
}

// A user's own "eraseme.rtf" in the current folder stays as it is, and no
// file appears there while letters are loaded and stored.
TEST_F(LetterStoreTest, NoFileInTheCurrentFolder)
{
    const QString work = QString::fromStdString(dir.file("work"));
    ASSERT_TRUE(QDir().mkpath(work));
    QFile users(work + QStringLiteral("/eraseme.rtf"));
    ASSERT_TRUE(users.open(QIODevice::WriteOnly));
    users.write("mine");
    users.close();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work));

    QTextDocument document;
    const letters::TLetterLoad load = letters::LoadLetter(QByteArray("{\\rtf1 Dear [First]\\par}"), document);
    Add("Dear", letters::LetterMemo(document, load.page));
    ASSERT_TRUE(letters::FindLetterNamed(table, QStringLiteral("Dear")));
    QTextDocument reloaded;
    EXPECT_TRUE(letters::LoadLetter(letters::LetterRtf(table), reloaded).ok);
    EXPECT_EQ(reloaded.toPlainText(), QStringLiteral("Dear [First]"));

    QDir::setCurrent(before);
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList({QStringLiteral("eraseme.rtf")}));
    ASSERT_TRUE(users.open(QIODevice::ReadOnly));
    EXPECT_EQ(users.readAll(), QByteArray("mine"));
}

TEST(LetterStoreOpen, UnopenableTableIsReported)
{
    testing_support::TempDir dir;
    const QString notAFolder = QString::fromStdString(dir.file("file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    xbase::TApollo engine;
    quorvel::TDataset table(engine);
    const quorvel::TTableResult opened = letters::OpenLetterTable(table, notAFolder + QStringLiteral("/sysdata"));
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.messages.value(0), QStringLiteral("Unable to Open or Create LETTER.DBF"));
}

} // namespace
