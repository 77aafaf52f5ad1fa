// "Tagging" on a table of its own: the run, its count, and stopping it.
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "ui/scripted_services.h"
#include "ui/tag_all_dialog.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

const QString kTagId = QStringLiteral("VK0GYQV");

class TagAllRecordsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = QString::fromStdString(dir.file("add0001.DBF"));
        ASSERT_TRUE(CreateAddressFile(path, dataset, TNewFileFieldLengths()).ok);
        ASSERT_TRUE(OpenTableFile(path, dataset).ok);
        // Record number order differs from name order, so the run is seen
        // to follow the order in force.
        for (const char* name : {"Evans", "Baker", "Davis", "Adams", "Clark", "Jones"})
            add(name);
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
        ASSERT_TRUE(dataset.SetQuery(QStringLiteral("UPPER(LNAME)<\"J\" .and. !ISDEL")));
    }

    void add(const char* lastName)
    {
        ASSERT_TRUE(dataset.Insert());
        ASSERT_TRUE(dataset.SetFieldAsString(u"LNAME", QString::fromLatin1(lastName)));
        ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
    }

    // The last names of every record carrying the tag id, in name order.
    QStringList tagged()
    {
        dataset.SetQuery(QString());
        QStringList names;
        for (bool more = dataset.First(); more; more = dataset.Next()) {
            if (dataset.FieldAsString(u"TAG") == kTagId)
                names << dataset.FieldAsString(u"LNAME");
        }
        return names;
    }

    // Shows the dialog and waits for its run to end; `duringRun` is called
    // after each record with the dialog and the running count.
    void runToEnd(TTagAllRecords& dialog, const std::function<void(TTagAllRecords&, quint32)>& duringRun = {})
    {
        if (duringRun)
            QObject::connect(&dialog, &TTagAllRecords::recordTagged, &dialog,
                             [&dialog, duringRun](quint32 n) { duringRun(dialog, n); });
        dialog.show();
        ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.finished(); }, 10000));
    }

    static QString label(const QDialog& dialog, const char* name)
    {
        return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    static QPushButton* button(const QDialog& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    testing_support::TempDir dir;
    TScriptedServices ui;
    xbase::TApollo engine;
    TAddressDataset dataset{engine};
};

TEST_F(TagAllRecordsTest, TagsEveryRecordTheQuerySelectsAndEndsOnTheFirst)
{
    TTagAllRecords dialog(dataset, kTagId);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tagging"));
    EXPECT_EQ(label(dialog, "TitleLabel"), QStringLiteral("Tagging Records"));
    QStringList counts;
    runToEnd(dialog, [&counts](TTagAllRecords& running, quint32) {
        counts << running.findChild<QLabel*>(QStringLiteral("CountLabel"))->text();
        EXPECT_TRUE(running.findChild<QPushButton*>(QStringLiteral("CancelButton"))->isVisible());
        EXPECT_FALSE(running.findChild<QPushButton*>(QStringLiteral("OkButton"))->isVisible());
    });
    EXPECT_EQ(counts, (QStringList{QStringLiteral("1 tagged"), QStringLiteral("2 tagged"), QStringLiteral("3 tagged"),
                                   QStringLiteral("4 tagged"), QStringLiteral("5 tagged")}));
    EXPECT_EQ(label(dialog, "StatusLabel"), QStringLiteral("Complete"));
    EXPECT_EQ(label(dialog, "CountLabel"), QString());
    EXPECT_FALSE(button(dialog, "CancelButton")->isVisible());
    EXPECT_TRUE(button(dialog, "OkButton")->isVisible());
    EXPECT_FALSE(dataset.ControlsDisabled());
    EXPECT_EQ(dataset.FieldAsString(u"LNAME"), QStringLiteral("Adams"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
    QTest::mouseClick(button(dialog, "OkButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(tagged(), (QStringList{QStringLiteral("Adams"), QStringLiteral("Baker"), QStringLiteral("Clark"),
                                     QStringLiteral("Davis"), QStringLiteral("Evans")}));
}

// Cancel is asked about; Yes stops after the record being tagged, No goes on.
struct CancelCase {
    const char* name;
    TAnswer answer;
    QStringList tagged;
    const char* endText;
};

class TagAllCancelTest : public TagAllRecordsTest, public ::testing::WithParamInterface<CancelCase> { };

TEST_P(TagAllCancelTest, CancelAfterTheSecondRecord)
{
    const CancelCase& c = GetParam();
    ui.messages.setNextAnswer(c.answer);
    TTagAllRecords dialog(dataset, kTagId);
    runToEnd(dialog, [](TTagAllRecords& running, quint32 n) {
        if (n == 2)
            QTest::mouseClick(running.findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    });
    ASSERT_EQ(ui.messages.shown().size(), 1);
    EXPECT_EQ(ui.messages.shown().first().text, QStringLiteral("Cancel Tagging?"));
    EXPECT_EQ(ui.messages.shown().first().caption, QStringLiteral("CANCEL"));
    EXPECT_EQ(label(dialog, "StatusLabel"), QString::fromLatin1(c.endText));
    EXPECT_TRUE(button(dialog, "OkButton")->isVisible());
    EXPECT_EQ(tagged(), c.tagged);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TagAllCancelTest,
    ::testing::Values(CancelCase{"Yes", TAnswer::Yes, {QStringLiteral("Adams"), QStringLiteral("Baker")},
                                 "Cancelled before completion"},
                      CancelCase{"No", TAnswer::No,
                                 {QStringLiteral("Adams"), QStringLiteral("Baker"), QStringLiteral("Clark"),
                                  QStringLiteral("Davis"), QStringLiteral("Evans")},
                                 "Complete"}),
    [](const ::testing::TestParamInfo<CancelCase>& param) { return std::string(param.param.name); });

TEST_F(TagAllRecordsTest, EscapeWhileRunningAsksToCancelAndTheWindowStaysUntilOk)
{
    TTagAllRecords dialog(dataset, kTagId);
    runToEnd(dialog, [](TTagAllRecords& running, quint32 n) {
        if (n == 1)
            QTest::keyClick(&running, Qt::Key_Escape);
    });
    EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Cancel Tagging?"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.cancelled());
    EXPECT_EQ(tagged(), QStringList{QStringLiteral("Adams")});
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

// The duplicate and state/ZIP checks hand over a bare engine table.
TEST_F(TagAllRecordsTest, TagsABareTable)
{
    dataset.Close();
    xbase::TApollo bare;
    ASSERT_TRUE(bare.sx_Use(dir.file("add0001.DBF")));
    ASSERT_TRUE(bare.sx_Query("UPPER(LNAME)=\"J\""));
    TTagAllRecords dialog(bare, kTagId);
    runToEnd(dialog);
    EXPECT_EQ(label(dialog, "StatusLabel"), QStringLiteral("Complete"));
    EXPECT_EQ(dialog.taggedCount(), 1u);
    EXPECT_EQ(bare.sx_GetString("TAG"), kTagId.toStdString());
}

} // namespace
} // namespace quorvel
