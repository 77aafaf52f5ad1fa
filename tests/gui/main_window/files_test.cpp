// Opening, creating and choosing address files; damaged and foreign files.
#include "main_window_fixture.h"

#include "store/address_file.h"
#include "store/address_names.h"
#include "store/dataset_names.h"
#include "store/field_lengths.h"
#include "store/settings.h"
#include "xbase/apollo.h"
#include "xbase/dbf/field_codec.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel::testing {
namespace {

class FilesTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Keeper")}});
        ui.messages.clear();
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = home() + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // A good address file elsewhere, with one record.
    QString otherAddressFile(const QString& name)
    {
        const QString path = home() + name;
        xbase::TApollo engine;
        TAddressDataset dataset(engine);
        EXPECT_TRUE(CreateAddressFile(path, dataset, TNewFileFieldLengths()).ok);
        EXPECT_TRUE(OpenTableFile(path, dataset).ok);
        EXPECT_TRUE(dataset.Insert() && dataset.SetFieldAsString(u"LNAME", QStringLiteral("Other")) && dataset.Post());
        dataset.Close();
        return path;
    }

    QString unableToOpen(const QString& path) const
    {
        return QStringLiteral("Unable to open ") + path
               + QStringLiteral("\r\n\r\n * May not be a Quorvel file.\r\n * May be in use by another program or user");
    }

    void openThroughDialog(const QString& path)
    {
        ui.dialogs.setNextFileName(path);
        trigger("mnuOpenFile");
    }

    QStringList recentMenu() const
    {
        QStringList captions;
        for (int i = 1; i <= 4; ++i) {
            if (auto* item = window->findChild<QAction*>(QStringLiteral("mnuRecent%1").arg(i)))
                captions << item->text();
        }
        return captions;
    }
};

TEST_F(FilesTest, OpenDialogAsksForDbfFilesInTheDataFolder)
{
    const QString other = otherAddressFile(QStringLiteral("other.dbf"));
    openThroughDialog(other);
    ASSERT_EQ(ui.dialogs.requests().size(), 1);
    const TFileRequest& asked = ui.dialogs.requests().at(0).file;
    EXPECT_EQ(asked.filter, QStringLiteral("DBF Files|*.dbf"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("DBF"));
    EXPECT_EQ(QDir(asked.folder).canonicalPath(), QDir(home() + QStringLiteral("DATA")).canonicalPath());
    EXPECT_EQ(value("LNAME"), QStringLiteral("Other"));
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Quorvel - ") + other);
    EXPECT_EQ(recentMenu(), (QStringList{other, dataFile(QStringLiteral("add0001.DBF"))}));
}

TEST_F(FilesTest, AFileThatIsNotDbfIsRefused)
{
    openThroughDialog(writeFile(QStringLiteral("notes.txt"), "hello"));
    EXPECT_EQ(lastText(), QStringLiteral("Must be a DBF file"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Keeper"));
}

TEST_F(FilesTest, DamagedOrForeignFilesGiveTheMessageAndNoFile)
{
    xbase::TApollo engine;
    const QString foreign = home() + QStringLiteral("foreign.dbf");
    ASSERT_TRUE(engine.sx_CreateNew(enginePath(foreign), 1));
    ASSERT_TRUE(engine.sx_CreateField("NAME", 'C', 20, 0));
    ASSERT_TRUE(engine.sx_CreateExec());
    const QString cases[] = {
        writeFile(QStringLiteral("garbage.dbf"), QByteArray(700, '\x5a')),
        writeFile(QStringLiteral("empty.dbf"), QByteArray()),
        writeFile(QStringLiteral("short.dbf"), QByteArray("\x03\x7c\x01\x01", 4)),
        foreign,
    };
    for (const QString& path : cases) {
        ui.messages.clear();
        openThroughDialog(path);
        EXPECT_EQ(lastText(), unableToOpen(path)) << path.toStdString();
        EXPECT_FALSE(table().Active());
        EXPECT_TRUE(visible("NoDataPanel"));
        EXPECT_EQ(main().windowTitle(), QStringLiteral("Quorvel"));
        EXPECT_TRUE(main().currentPath().isEmpty());
        EXPECT_FALSE(enabled("AddButton"));
    }
}

TEST_F(FilesTest, MissingIndexAnsweredNoLeavesNoFileAndYesRebuildsIt)
{
    const QString other = otherAddressFile(QStringLiteral("noindex.dbf"));
    ASSERT_TRUE(QFile::remove(home() + QStringLiteral("noindex.cdx")));
    ui.messages.setNextAnswer(TAnswer::No);
    openThroughDialog(other);
    EXPECT_EQ(lastText(),
              QStringLiteral("The index file for ") + other + QStringLiteral("\r\nis missing or invalid. Rebuild now?"));
    EXPECT_EQ(lastCaption(), QStringLiteral("Warning"));
    EXPECT_FALSE(table().Active());

    // Yes shows the rebuild window; leaving it without rebuilding opens
    // nothing, rebuilding opens the file.
    ui.messages.setNextAnswer(TAnswer::Yes);
    whenModal([](QWidget* modal) { modal->findChild<QAbstractButton*>(QStringLiteral("CancelButton"))->click(); });
    openThroughDialog(other);
    EXPECT_FALSE(table().Active());
    EXPECT_FALSE(QFileInfo::exists(home() + QStringLiteral("noindex.cdx")));

    ui.messages.setNextAnswer(TAnswer::Yes);
    whenModal([](QWidget* modal) { modal->findChild<QAbstractButton*>(QStringLiteral("ReindexButton"))->click(); });
    openThroughDialog(other);
    EXPECT_TRUE(table().Active());
    EXPECT_EQ(value("LNAME"), QStringLiteral("Other"));
    EXPECT_TRUE(QFileInfo::exists(home() + QStringLiteral("noindex.cdx")));
    EXPECT_TRUE(CheckValidIndex(table()));
}

// What a session killed half way through an add leaves: the record in the
// table, its keys not in the tags, and the mark in the index header.
void leaveAsCrashed(const QString& path, const QString& lname)
{
    std::unique_ptr<xbase::DbfTable> table;
    ASSERT_TRUE(xbase::DbfTable::open(enginePath(path), xbase::OpenMode::Exclusive, &table).isOk());
    std::vector<unsigned char> record(static_cast<std::size_t>(table->recordLength()));
    table->blankRecord(record.data());
    const xbase::Schema& fields = table->schema();
    ASSERT_TRUE(xbase::putFieldText(record.data(), fields[static_cast<std::size_t>(xbase::findField(fields, "LNAME"))],
                                    enginePath(lname))
                    .isOk());
    std::uint32_t recno = 0;
    ASSERT_TRUE(table->appendRecord(record.data(), &recno).isOk());
    table.reset();
    std::unique_ptr<xbase::IndexFile> index;
    const QString cdx = QFileInfo(path).absolutePath() + QStringLiteral("/") + QFileInfo(path).completeBaseName() +
                        QStringLiteral(".cdx");
    ASSERT_TRUE(xbase::IndexFile::open(enginePath(cdx), xbase::OpenMode::Exclusive, &index).isOk());
    ASSERT_TRUE(index->setStaleMark(true, true).isOk());
}

TEST_F(FilesTest, AFileNotClosedProperlyOpensThroughTheRebuildWindow)
{
    const QString crashed = otherAddressFile(QStringLiteral("crashed.dbf"));
    leaveAsCrashed(crashed, QStringLiteral("Lost"));
    ui.messages.clear();

    // No question first: the window itself says why, and leaving it opens
    // nothing, as for a damaged index.
    QString explanation;
    whenModal([&explanation](QWidget* modal) {
        explanation = modal->findChild<QLabel*>(QStringLiteral("ExplanationLabel"))->text();
        modal->findChild<QAbstractButton*>(QStringLiteral("CancelButton"))->click();
    });
    openThroughDialog(crashed);
    EXPECT_TRUE(explanation.startsWith(notClosedProperlyText(crashed) + QStringLiteral(" Its indexes are being rebuilt.")))
        << explanation.toStdString();
    EXPECT_TRUE(ui.messages.shown().isEmpty());
    EXPECT_FALSE(table().Active());
    EXPECT_TRUE(visible("NoDataPanel"));
    EXPECT_TRUE(main().currentPath().isEmpty());

    // Rebuilding opens the file with the record the tags had missed first
    // in "Last Name" order.
    whenModal([](QWidget* modal) { modal->findChild<QAbstractButton*>(QStringLiteral("ReindexButton"))->click(); });
    openThroughDialog(crashed);
    ASSERT_TRUE(table().Active());
    EXPECT_EQ(value("LNAME"), QStringLiteral("Lost"));
    EXPECT_TRUE(CheckValidIndex(table()));
    EXPECT_FALSE(table().engine().workArea()->indexesSuspect());
}

TEST_F(FilesTest, AMissingRecentFileFallsBackToTheOpenOne)
{
    const QString gone = otherAddressFile(QStringLiteral("gone.dbf"));
    openThroughDialog(gone);
    openThroughDialog(dataFile(QStringLiteral("add0001.DBF")));
    ASSERT_TRUE(QFile::remove(gone));
    ui.messages.clear();
    control<QAction>(QStringLiteral("mnuRecent2"))->trigger();
    ASSERT_EQ(ui.messages.shown().size(), 2);
    EXPECT_EQ(ui.messages.shown().at(0).text, QStringLiteral("File ") + gone + QStringLiteral(" not found"));
    EXPECT_EQ(ui.messages.shown().at(1).text, unableToOpen(gone));
    EXPECT_TRUE(table().Active());
    EXPECT_EQ(value("LNAME"), QStringLiteral("Keeper"));
}

TEST_F(FilesTest, NewDatabaseIsCreatedInTheDataFolderAndOpened)
{
    whenModal([](QWidget* modal) {
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("NameEdit"));
        EXPECT_EQ(name->text(), QStringLiteral("ADD0002"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Members"));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    });
    trigger("mnuNewFile");
    const QString path = dataFile(QStringLiteral("Members.DBF"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(main().currentPath(), path);
    EXPECT_EQ(table().QueryRecCount(), 0u);
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << lastText().toStdString();
}

TEST_F(FilesTest, NewDatabaseNeverReplacesAnExistingFile)
{
    whenModal([](QWidget* modal) {
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("NameEdit"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("ADD0001"));
        QTest::keyClick(modal, Qt::Key_PageDown);
    });
    trigger("mnuNewFile");
    EXPECT_EQ(lastText(), QStringLiteral("That file already exists.Please select another name"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Keeper"));
    EXPECT_EQ(table().QueryRecCount(), 1u);
}

TEST_F(FilesTest, ClosingCancelsAPendingEditAndSavesThePlacement)
{
    type("LNAME", QStringLiteral("Unsaved"));
    window->close();
    window.reset();
    TSettings settings(home() + QStringLiteral("QUORVL.ini"));
    EXPECT_NE(settings.ini().readInteger(QStringLiteral("TAddressMain_Placement"), QStringLiteral("Right"), 0), 0);
    start();
    EXPECT_EQ(value("LNAME"), QStringLiteral("Keeper"));
}

} // namespace
} // namespace quorvel::testing
