// REPORT.DBF and its BIN#####.R design files: New, Modify, Delete and Clone
// keep rows and files in step; a name is free only when neither a file nor
// a row has it; a row naming anything but a plain name in sysdata never
// reaches a file.
#include "design/file/design_file_io.h"
#include "labels/label_fixture.h"
#include "reports/report_store.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using labels::TLayoutSave;
using labels_tests::ExpectOk;
using reports::TReportDefinition;

namespace {

class ReportStore : public labels_tests::LabelFolder {
protected:
    void SetUp() override { ExpectOk(reports::OpenReportTable(dataset, Sysdata())); }

    // A writer putting these bytes into the design file.
    static labels::TDesignWriter Writer(const QByteArray& bytes)
    {
        return [bytes](const QString& path) { return design::WriteDesignFileBytes(path, bytes); };
    }

    TReportDefinition SaveNew(const QString& description, const QByteArray& bytes = "design")
    {
        TReportDefinition report = reports::NewReportDefinition();
        report.description = description;
        ExpectOk(reports::SaveReport(dataset, Sysdata(), report, TLayoutSave::lsNew, Writer(bytes)));
        return report;
    }

    // A row as a table copied from elsewhere could have it.
    void AppendRow(const QString& description, const QString& designFile)
    {
        ASSERT_TRUE(dataset.Insert());
        ASSERT_TRUE(dataset.SetFieldAsString(u"DESCRIPT", description));
        ASSERT_TRUE(dataset.SetFieldAsString(u"LAYOUT", QStringLiteral("A4 Size, Portrait")));
        ASSERT_TRUE(dataset.SetFieldAsString(u"BINARY", designFile));
        ASSERT_TRUE(dataset.Post()) << dataset.lastError().toStdString();
    }

    // The rows as "DESCRIPT=LAYOUT=BINARY", in description order.
    QStringList Rows()
    {
        QStringList rows;
        labels::VisitRows(dataset, [&] {
            const TReportDefinition report = reports::ReadCurrentReport(dataset);
            rows << report.description + u'=' + report.layout + u'=' + report.designFile;
            return true;
        });
        return rows;
    }

    void Find(const QString& description)
    {
        ASSERT_TRUE(reports::FindReport(dataset, description)) << description.toStdString();
    }

    QByteArray Bytes(const QString& name) const
    {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList DesignFiles() const
    {
        return QDir(Sysdata()).entryList({QStringLiteral("*.R")}, QDir::Files, QDir::Name);
    }
};

TEST_F(ReportStore, NewAndModifyWriteTheRowAndItsFile)
{
    EXPECT_TRUE(Exists(QStringLiteral("REPORT.DBF")));
    EXPECT_TRUE(Rows().isEmpty());
    const TReportDefinition fresh = reports::NewReportDefinition();
    EXPECT_EQ(fresh.description, QStringLiteral("<new report>"));
    EXPECT_EQ(fresh.layout, QStringLiteral("Letter Size, Portrait"));
    EXPECT_TRUE(fresh.designFile.isEmpty());

    TReportDefinition report = SaveNew(QStringLiteral("Members"), "first");
    EXPECT_EQ(report.designFile, QStringLiteral("BIN00001.R"));
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Members=Letter Size, Portrait=BIN00001.R")});
    EXPECT_EQ(Bytes(QStringLiteral("BIN00001.R")), QByteArray("first"));

    Find(QStringLiteral("MEMBERS"));
    report.description = QString(70, QLatin1Char('m'));
    report.layout = QStringLiteral("A4 Size, Landscape");
    ExpectOk(reports::SaveReport(dataset, Sysdata(), report, TLayoutSave::lsExisting, Writer("second")));
    // DESCRIPT keeps 60 characters, and the report is found by them.
    EXPECT_EQ(report.description, QString(60, QLatin1Char('m')));
    EXPECT_EQ(Rows(), QStringList{QString(60, QLatin1Char('m')) + QStringLiteral("=A4 Size, Landscape=BIN00001.R")});
    EXPECT_EQ(Bytes(QStringLiteral("BIN00001.R")), QByteArray("second"));
    EXPECT_TRUE(reports::FindReport(dataset, QString(65, QLatin1Char('M'))));
    EXPECT_FALSE(reports::FindReport(dataset, QStringLiteral("Nobody")));
}

TEST_F(ReportStore, AFailedDesignWriteAddsNoRow)
{
    TReportDefinition report = reports::NewReportDefinition();
    const auto failing = [](const QString&) { return design::TGFilerStatus::Error(QStringLiteral("disk full")); };
    const quorvel::TTableResult saved = reports::SaveReport(dataset, Sysdata(), report, TLayoutSave::lsNew, failing);
    EXPECT_EQ(saved.messages, QStringList{QStringLiteral("The report could not be saved: disk full")});
    EXPECT_TRUE(Rows().isEmpty());
}

TEST_F(ReportStore, DeleteRemovesTheRowAndOnlyItsFile)
{
    SaveNew(QStringLiteral("Board"), "board");
    SaveNew(QStringLiteral("Volunteers"), "volunteers");
    Find(QStringLiteral("Board"));
    EXPECT_EQ(reports::DeleteReportQuestion(reports::ReadCurrentReport(dataset).description),
              QStringLiteral("Delete \"Board\"?"));
    ExpectOk(reports::DeleteReport(dataset, Sysdata()));
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Volunteers=Letter Size, Portrait=BIN00002.R")});
    EXPECT_EQ(DesignFiles(), QStringList{QStringLiteral("BIN00002.R")});
    EXPECT_EQ(Bytes(QStringLiteral("BIN00002.R")), QByteArray("volunteers"));
}

TEST_F(ReportStore, CloneCopiesTheDesignFileByteForByte)
{
    // Bytes no reader would accept: the clone copies, it does not re-save.
    const QByteArray odd("\x00\x01odd\xff design", 13);
    SaveNew(QStringLiteral("Board"), odd);
    Find(QStringLiteral("Board"));
    EXPECT_EQ(reports::CloneReportQuestion(QStringLiteral("Board")), QStringLiteral("Clone \"Board\"?"));
    ExpectOk(reports::CloneReport(dataset, Sysdata()));
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Board=Letter Size, Portrait=BIN00001.R"),
                                   QStringLiteral("Clone of Board=Letter Size, Portrait=BIN00002.R")}));
    EXPECT_EQ(Bytes(QStringLiteral("BIN00002.R")), odd);
}

// A clone of a report whose file is gone is still made, without a file;
// its name stays its own, so the next new report does not share it.
TEST_F(ReportStore, CloneOfAMissingFileMakesTheRowAndKeepsItsName)
{
    SaveNew(QStringLiteral("Board"));
    ASSERT_TRUE(QFile::remove(PathOf("BIN00001.R")));
    Find(QStringLiteral("Board"));
    ExpectOk(reports::CloneReport(dataset, Sysdata()));
    EXPECT_EQ(Rows(), (QStringList{QStringLiteral("Board=Letter Size, Portrait=BIN00001.R"),
                                   QStringLiteral("Clone of Board=Letter Size, Portrait=BIN00002.R")}));
    EXPECT_TRUE(DesignFiles().isEmpty());

    const TReportDefinition next = SaveNew(QStringLiteral("Next"));
    EXPECT_EQ(next.designFile, QStringLiteral("BIN00003.R"));
    EXPECT_EQ(DesignFiles(), QStringList{QStringLiteral("BIN00003.R")});
}

TEST_F(ReportStore, ANameIsFreeOnlyWithoutFileAndRow)
{
    AppendRow(QStringLiteral("Gone"), QStringLiteral("BIN00001.R"));
    WriteFile(QStringLiteral("BIN00002.R"), "a file without a row");
    EXPECT_EQ(SaveNew(QStringLiteral("New")).designFile, QStringLiteral("BIN00003.R"));
    EXPECT_EQ(Bytes(QStringLiteral("BIN00002.R")), QByteArray("a file without a row"));
}

// A row from a table copied from anywhere may name any file; only a plain
// BIN#####.R in sysdata is ever read, written or deleted.
TEST_F(ReportStore, ARowNamingAnotherFileCountsAsMissing)
{
    const QString outside = QString::fromStdString(dir.file("x"));
    {
        QFile file(outside);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("outside");
    }
    const struct {
        const char* name;
        bool plain;
    } names[] = {{"../x", false},       {"sub/BIN00001.R", false}, {"BIN1.R", false},    {"BIN00001.L", false},
                 {"/tmp/BIN00001.R", false}, {"bin00001.r", true},    {"BIN99999.R", true}};
    for (const auto& n : names)
        EXPECT_EQ(!reports::ReportDesignPath(Sysdata(), QString::fromLatin1(n.name)).isEmpty(), n.plain) << n.name;

    AppendRow(QStringLiteral("Foreign"), QStringLiteral("../x"));
    Find(QStringLiteral("Foreign"));
    ExpectOk(reports::CloneReport(dataset, Sysdata()));
    EXPECT_TRUE(DesignFiles().isEmpty()) << "the outside file is not copied";
    Find(QStringLiteral("Foreign"));
    TReportDefinition foreign = reports::ReadCurrentReport(dataset);
    ExpectOk(reports::SaveReport(dataset, Sysdata(), foreign, TLayoutSave::lsExisting, Writer("saved")));
    EXPECT_EQ(foreign.designFile, QStringLiteral("BIN00002.R")) << "a name of its own, past the clone's";
    EXPECT_EQ(Bytes(QStringLiteral("BIN00002.R")), QByteArray("saved"));

    AppendRow(QStringLiteral("Other"), QStringLiteral("../x"));
    Find(QStringLiteral("Other"));
    ExpectOk(reports::DeleteReport(dataset, Sysdata()));
    QFile file(outside);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("outside"));
}

TEST_F(ReportStore, AnUnopenableTableIsReported)
{
    dataset.Close();
    QFile::remove(PathOf("REPORT.DBF"));
    QFile::remove(PathOf("REPORT.CDX"));
    QDir().mkpath(PathOf("REPORT.DBF"));
    EXPECT_EQ(reports::OpenReportTable(dataset, Sysdata()).messages,
              QStringList{QStringLiteral("Unable to Open or Create REPORT.DBF")});
}

} // namespace
