// The system tables: the common open, creation of the user's own tables and
// the tables built from the supplied comma-separated files.
#include "store/dataset.h"
#include "store/supplied_tables.h"
#include "store/supplied_tables_csv.h"
#include "store/system_tables.h"
#include "support/temp_dir.h"
#include "xbase/apollo.h"
#include "xbase/dbf/field_codec.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace quorvel;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

QString suppliedFolder() { return qs(testing_support::sourceDir()) + QStringLiteral("/data"); }

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SystemTables : public ::testing::Test {
protected:
    QString sysdata() const { return qs(dir.path()) + QStringLiteral("/sysdata/"); }

    testing_support::TempDir dir;
    xbase::TApollo engine;
    TDataset dataset{engine};
};

} // namespace

TEST_F(SystemTables, TheSuppliedTablesHoldEveryRowOfTheirFiles)
{
    QDir().mkpath(sysdata());
    const TTableResult built = BuildMissingSuppliedTables(sysdata(), suppliedFolder());
    ASSERT_TRUE(built.ok) << built.detail.toStdString();
    for (const auto& [table, csvName] : {std::pair{TSystemTable::stLabelTemplates, "lbltpl.csv"},
                                         std::pair{TSystemTable::stCsz, "csz.csv"}}) {
        TCsvTable csv;
        ASSERT_EQ(readCsvTable(suppliedFolder() + u'/' + QString::fromLatin1(csvName), &csv), std::nullopt);
        const TTableResult opened = OpenSystemTable(table, dataset, sysdata());
        ASSERT_TRUE(opened.ok) << opened.detail.toStdString();
        ASSERT_EQ(engine.sx_RecCount(), csv.rows.size()) << csvName;
        EXPECT_NE(engine.sx_TagArea(QString(systemTableInfo(table).tagName).toStdString()), 0);
        for (std::size_t r = 0; r < csv.rows.size(); ++r) {
            ASSERT_TRUE(dataset.GoTo(static_cast<std::uint32_t>(r + 1)));
            for (qsizetype c = 0; c < csv.header.size(); ++c) {
                const QString stored = dataset.FieldAsString(csv.header[c]).trimmed();
                const QString expected = csv.rows[r].values[c];
                if (engine.sx_FieldType(csv.header[c].toStdString()) == 'N')
                    EXPECT_DOUBLE_EQ(stored.toDouble(), expected.toDouble()) << csvName << " line " << csv.rows[r].line;
                else
                    EXPECT_EQ(stored, expected) << csvName << " line " << csv.rows[r].line;
            }
        }
    }
}

TEST_F(SystemTables, ATableAlreadyThereIsNeverRebuilt)
{
    QDir().mkpath(sysdata());
    ASSERT_TRUE(BuildMissingSuppliedTables(sysdata(), suppliedFolder()).ok);
    ASSERT_TRUE(OpenSystemTable(TSystemTable::stCsz, dataset, sysdata()).ok);
    ASSERT_TRUE(dataset.Edit());
    ASSERT_TRUE(dataset.SetFieldAsString(u"HIGH_ZIP", QStringLiteral("12345")));
    ASSERT_TRUE(dataset.Post());
    dataset.Close();
    ASSERT_TRUE(BuildMissingSuppliedTables(sysdata(), suppliedFolder()).ok);
    ASSERT_TRUE(OpenSystemTable(TSystemTable::stCsz, dataset, sysdata()).ok);
    EXPECT_EQ(dataset.FieldAsString(u"HIGH_ZIP"), QStringLiteral("12345"));
}

TEST_F(SystemTables, ABadFileBuildsNothingAndNamesTheLine)
{
    QDir().mkpath(sysdata());
    const struct {
        const char* csv;
        const char* expected;
    } cases[] = {
        {"NAME,STATE,LOW_ZIP,HIGH_ZIP\nAlabama,AL,35000\n", "line 2"},
        {"NAME,STATE,LOW_ZIP,HIGH_ZIP\nAlabama,AL,35000,36999\nA name far too long to fit,XX,1,2\n", "line 3"},
        {"NAME,STATE,LOW_ZIP,HIGH_ZIP\nAla\xc4\x81ma,AL,35000,36999\n", "cannot be stored"},
        {"NAME,STATE,LOW_ZIP,HIGH_ZIP\n\"Alabama,AL,35000,36999\n", "line 2"},
        {"NAME,NOSUCH\nAlabama,AL\n", "NOSUCH"},
        {"", "empty"},
    };
    for (const auto& c : cases) {
        const QString csv = qs(dir.file("bad.csv"));
        writeFile(csv, QByteArray(c.csv));
        const TTableResult built = BuildTableFromCsv(TSystemTable::stCsz, csv, sysdata() + QStringLiteral("CSZ.DBF"));
        EXPECT_FALSE(built.ok) << c.csv;
        EXPECT_TRUE(built.detail.contains(QString::fromLatin1(c.expected))) << built.detail.toStdString();
        EXPECT_EQ(QDir(sysdata()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
                  QStringList()) << c.csv;
    }
}

TEST_F(SystemTables, TheUsersTablesAreCreatedWithTheirColumnsWhenMissing)
{
    for (const TSystemTable table :
         {TSystemTable::stLetter, TSystemTable::stReport, TSystemTable::stEnvelope, TSystemTable::stLabel}) {
        const TTableResult opened = OpenSystemTable(table, dataset, sysdata());
        ASSERT_TRUE(opened.ok) << opened.detail.toStdString();
        const std::vector<TFieldDef> fields = systemTableFields(table);
        ASSERT_EQ(engine.sx_FieldCount(), static_cast<int>(fields.size()));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string name = engine.sx_FieldName(static_cast<int>(i) + 1);
            EXPECT_EQ(qs(name), fields[i].name);
            EXPECT_EQ(engine.sx_FieldType(name), fields[i].type) << name;
            EXPECT_EQ(engine.sx_FieldWidth(name), fields[i].width) << name;
            EXPECT_EQ(engine.sx_FieldDecimals(name), fields[i].decimals) << name;
        }
        EXPECT_EQ(engine.sx_TagName(1), QString(systemTableInfo(table).tagName).toStdString());
        dataset.Close();
    }
}

// A record that reached the table but not its tag, and the mark a session
// that never closed the table leaves in the index header.
void leaveAsCrashed(const QString& table, const QString& index)
{
    std::unique_ptr<xbase::DbfTable> dbf;
    ASSERT_TRUE(xbase::DbfTable::open(table.toStdString(), xbase::OpenMode::Exclusive, &dbf).isOk());
    std::vector<unsigned char> record(static_cast<std::size_t>(dbf->recordLength()));
    dbf->blankRecord(record.data());
    const xbase::Schema& fields = dbf->schema();
    ASSERT_TRUE(xbase::putFieldText(record.data(), fields[static_cast<std::size_t>(xbase::findField(fields, "DESCRIPT"))],
                                    "Gamma")
                    .isOk());
    std::uint32_t recno = 0;
    ASSERT_TRUE(dbf->appendRecord(record.data(), &recno).isOk());
    std::unique_ptr<xbase::IndexFile> cdx;
    ASSERT_TRUE(xbase::IndexFile::open(index.toStdString(), xbase::OpenMode::Exclusive, &cdx).isOk());
    ASSERT_TRUE(cdx->setStaleMark(true, true).isOk());
}

TEST_F(SystemTables, AMissingOrPossiblyStaleIndexIsRebuiltQuietlyWithItsTag)
{
    struct Damage {
        const char* name;
        std::function<void(const QString& table, const QString& index)> apply;
        QStringList expected;
    };
    const Damage damages[] = {
        {"missing", [](const QString&, const QString& index) { ASSERT_TRUE(QFile::remove(index)); },
         {QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("zeta")}},
        {"not closed properly", leaveAsCrashed,
         {QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("Gamma"), QStringLiteral("zeta")}},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        QDir(sysdata()).removeRecursively();
        ASSERT_TRUE(OpenSystemTable(TSystemTable::stLetter, dataset, sysdata()).ok);
        for (const char* description : {"zeta", "Alpha", "beta"}) {
            ASSERT_TRUE(dataset.Insert());
            ASSERT_TRUE(dataset.SetFieldAsString(u"DESCRIPT", QString::fromLatin1(description)));
            ASSERT_TRUE(dataset.Post());
        }
        dataset.Close();
        damage.apply(sysdata() + QStringLiteral("LETTER.DBF"), sysdata() + QStringLiteral("LETTER.CDX"));
        const TTableResult opened = OpenSystemTable(TSystemTable::stLetter, dataset, sysdata());
        ASSERT_TRUE(opened.ok);
        EXPECT_TRUE(opened.messages.isEmpty());
        EXPECT_TRUE(QFile::exists(sysdata() + QStringLiteral("LETTER.CDX")));
        EXPECT_FALSE(engine.workArea()->indexesSuspect());
        ASSERT_TRUE(dataset.SetOrder(QStringLiteral("DESCRIPT")));
        QStringList order;
        for (bool more = dataset.First(); more; more = dataset.Next())
            order << dataset.FieldAsString(u"DESCRIPT");
        EXPECT_EQ(order, damage.expected);
        dataset.Close();
    }
}

TEST_F(SystemTables, ATableThatCannotBeOpenedIsReportedAndKept)
{
    QDir().mkpath(sysdata());
    const QByteArray damaged("not a table at all");
    writeFile(sysdata() + QStringLiteral("letter.dbf"), damaged);
    const TTableResult opened = OpenSystemTable(TSystemTable::stLetter, dataset, sysdata());
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.messages, QStringList{QStringLiteral("Unable to Open or Create LETTER.DBF")});
    EXPECT_EQ(readAll(sysdata() + QStringLiteral("letter.dbf")), damaged);
    EXPECT_FALSE(dataset.Active());
}

TEST_F(SystemTables, TheSuppliedTablesAreNeverCreatedEmpty)
{
    const struct {
        TSystemTable table;
        const char* message;
    } cases[] = {{TSystemTable::stLabelTemplates, "Unable to Open LBLTPL.DBF"},
                 {TSystemTable::stCsz, "Unable to Open or Create CSZ.DBF"}};
    for (const auto& c : cases) {
        const TTableResult opened = OpenSystemTable(c.table, dataset, sysdata());
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.messages, QStringList{QString::fromLatin1(c.message)});
    }
    EXPECT_FALSE(QFile::exists(sysdata() + QStringLiteral("CSZ.DBF")));
}
