// The letter print run on recorded pages of a small address file: pages
// and copies, the status line, the record choices and where the run
// starts, Cancel answered No and Yes, and a printer that fails.
#include "letters/letter_print.h"
#include "output/scripted_output_dialogs.h"
#include "recording_sink.h"
#include "store/address_test_file.h"
#include "xbase/apollo_env.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>

namespace {

using letters::TLetterPrintOptions;
using letters::TLetterPrintResult;
using letters_testing::TRecordingSink;
using output::TPrintOutcome;

class TScriptedMonitor : public letters::TLetterPrintMonitor {
public:
    void ShowStatus(const QString& text) override { statuses << text; }
    void ProcessEvents() override
    {
        if (onEvents)
            onEvents();
    }

    QStringList statuses;
    std::function<void()> onEvents;
};

class LetterPrintTest : public quorvel::store_tests::AddressFileTest {
protected:
    void SetUp() override
    {
        AddressFileTest::SetUp();
        add({{"LNAME", "Adams"}});
        add({{"LNAME", "Baker"}, {"ISDEL", "T"}});
        add({{"LNAME", "Clark"}});
        add({{"LNAME", "Davis"}});
        ASSERT_TRUE(dataset.SetQuery(QStringLiteral("!ISDEL")));
        // Two pages: the name, then a page break before the closing.
        QTextCursor cursor(&letter);
        cursor.insertText(QStringLiteral("Dear [Last]"));
        QTextBlockFormat breakBefore;
        breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.insertBlock(breakBefore);
        cursor.insertText(QStringLiteral("Regards"));
    }

    TLetterPrintResult Run(const TLetterPrintOptions& options)
    {
        queryBefore = dataset.Query();
        recordBefore = dataset.RecNo();
        const letters::TLetterRunContext context{dataset, xbase::TApolloEnv::global(), dialogs};
        letters::TLetterPrint print(context, sink, monitor);
        if (cancelAfterFirst)
            monitor.onEvents = [&print, this] {
                if (monitor.statuses.size() == 1)
                    print.RequestCancel();
            };
        return print.Run(letter, letters::TLetterPage(), options);
    }

    void ExpectRestored() const
    {
        EXPECT_EQ(dataset.Query(), queryBefore);
        EXPECT_EQ(dataset.RecNo(), recordBefore);
    }

    static TLetterPrintOptions Options(labels::TRecordChoice records, int copies = 1, bool fromCurrent = false)
    {
        TLetterPrintOptions options;
        options.records = records;
        options.copies = copies;
        options.startFromCurrent = fromCurrent;
        return options;
    }

    static QStringList Letters(std::initializer_list<const char*> names, int copies = 1)
    {
        QStringList pages;
        for (const char* name : names)
            for (int copy = 0; copy < copies; ++copy)
                pages << QStringLiteral("Dear ") + QString::fromLatin1(name) << QStringLiteral("Regards");
        return pages;
    }

    QTextDocument letter;
    TRecordingSink sink;
    TScriptedMonitor monitor;
    output::TScriptedOutputDialogs dialogs;
    bool cancelAfterFirst = false;
    QString queryBefore;
    std::uint32_t recordBefore = 0;
};

TEST_F(LetterPrintTest, CopiesOfEveryPageForEachRecord)
{
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("(LNAME = 'Adams' .or. LNAME = 'Davis') .and. !ISDEL")));
    const TLetterPrintResult result = Run(Options(labels::rcMatchingFilter, 3));
    EXPECT_EQ(result.outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(result.pages, 12);
    EXPECT_EQ(result.letters, 6);
    EXPECT_EQ(sink.PageTexts(), Letters({"Adams", "Davis"}, 3));
    EXPECT_EQ(monitor.statuses, QStringList({QStringLiteral("Printing page 6"), QStringLiteral("Printing page 12"),
                                             QStringLiteral("Letter Print Completed!")}));
    EXPECT_EQ(sink.calls, QStringList({QStringLiteral("Begin"), QStringLiteral("End")}));
    ExpectRestored();
}

TEST_F(LetterPrintTest, AllRecordsIgnoresTheFilterButNotDeletion)
{
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("LNAME = 'Clark' .and. !ISDEL")));
    ASSERT_TRUE(dataset.First());
    EXPECT_EQ(Run(Options(labels::rcAllRecords)).outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(sink.PageTexts(), Letters({"Adams", "Clark", "Davis"}));
    ExpectRestored();
}

TEST_F(LetterPrintTest, OnlyCurrentRecordPrintsItAlone)
{
    ASSERT_TRUE(dataset.GoTo(3));
    EXPECT_EQ(Run(Options(labels::rcOnlyCurrent, 2)).pages, 4);
    EXPECT_EQ(sink.PageTexts(), Letters({"Clark"}, 2));
    ExpectRestored();
}

TEST_F(LetterPrintTest, StartFromCurrentRecord)
{
    ASSERT_TRUE(dataset.GoTo(3));
    Run(Options(labels::rcMatchingFilter, 1, true));
    EXPECT_EQ(sink.PageTexts(), Letters({"Clark", "Davis"}));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    ExpectRestored();
}

TEST_F(LetterPrintTest, StartFromACurrentRecordOutsideTheSelectionStartsAtTheFirst)
{
    ASSERT_TRUE(dataset.GoTo(1));
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("LNAME > 'B' .and. !ISDEL")));
    ASSERT_TRUE(dataset.GoTo(1)); // Adams, not selected by the filter
    Run(Options(labels::rcMatchingFilter, 1, true));
    EXPECT_EQ(dialogs.notices, QStringList({labels::messages::recordOutOfRange()}));
    EXPECT_EQ(sink.PageTexts(), Letters({"Clark", "Davis"}));
}

TEST_F(LetterPrintTest, CancelAnsweredNoGoesOn)
{
    cancelAfterFirst = true;
    dialogs.questionAnswers = {false};
    const TLetterPrintResult result = Run(Options(labels::rcAllRecords));
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Cancel print job?")}));
    EXPECT_EQ(result.outcome, TPrintOutcome::poCompleted);
    EXPECT_EQ(sink.PageTexts(), Letters({"Adams", "Clark", "Davis"}));
}

TEST_F(LetterPrintTest, CancelAnsweredYesAbortsTheDocument)
{
    cancelAfterFirst = true;
    dialogs.questionAnswers = {true};
    const TLetterPrintResult result = Run(Options(labels::rcAllRecords));
    EXPECT_EQ(result.outcome, TPrintOutcome::poCanceled);
    EXPECT_EQ(result.pages, 2);
    EXPECT_EQ(monitor.statuses.back(), QStringLiteral("Letter Print Canceled!"));
    EXPECT_EQ(sink.calls, QStringList({QStringLiteral("Begin"), QStringLiteral("Abort")}));
    ExpectRestored();
}

TEST_F(LetterPrintTest, FailingPrinterEndsTheRunAsFailed)
{
    struct Case {
        const char* what;
        int failAtPage;
        bool failEnd;
        QString reason;
    };
    const std::vector<Case> cases = {
        {"a page that cannot be started", 3, false, QStringLiteral("No more paper.")},
        {"a document that cannot be finished", 0, true, QStringLiteral("The disk is full.")},
    };
    for (const Case& c : cases) {
        TRecordingSink failing;
        failing.failAtPage = c.failAtPage;
        failing.failEnd = c.failEnd;
        output::TScriptedOutputDialogs told;
        TScriptedMonitor watched;
        const letters::TLetterRunContext context{dataset, xbase::TApolloEnv::global(), told};
        letters::TLetterPrint print(context, failing, watched);
        const TLetterPrintResult result = print.Run(letter, letters::TLetterPage(), Options(labels::rcAllRecords));
        EXPECT_EQ(result.outcome, TPrintOutcome::poFailed) << c.what;
        EXPECT_EQ(watched.statuses.back(), QStringLiteral("Letter Print Failed!")) << c.what;
        EXPECT_EQ(told.notices, QStringList({c.reason})) << c.what;
        EXPECT_EQ(failing.calls.back(), QStringLiteral("Abort")) << c.what;
    }
}

TEST_F(LetterPrintTest, DeclinedFileQuestionPrintsNothing)
{
    sink.declineBegin = true;
    const TLetterPrintResult result = Run(Options(labels::rcAllRecords));
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    EXPECT_TRUE(monitor.statuses.isEmpty());
    EXPECT_TRUE(dialogs.notices.isEmpty());
    ExpectRestored();
}

TEST_F(LetterPrintTest, NothingSelectedIsRefusedBeforeTheDocumentStarts)
{
    ASSERT_TRUE(dataset.SetQuery(QStringLiteral("LNAME = 'Nobody'")));
    const TLetterPrintResult result = Run(Options(labels::rcMatchingFilter));
    EXPECT_EQ(result.outcome, TPrintOutcome::poNotRun);
    EXPECT_EQ(result.message, labels::messages::noRecordsSelected());
    EXPECT_TRUE(sink.calls.isEmpty());
}

} // namespace
