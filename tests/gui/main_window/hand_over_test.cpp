// Handing the address file to another window and taking it back, with a
// stand-in window that does what the real ones may do to the file.
#include "app/hand_over.h"
#include "app/hand_over_printer.h"
#include "city_filter.h"
#include "main_window_fixture.h"
#include "store/address_dataset.h"
#include "store/system_tables.h"
#include "xbase/apollo.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace quorvel::testing {
namespace {

// Records what the hand-over asks of the printer.
class FakePrinter : public THandOverPrinter {
public:
    bool present = true;
    QString current = QStringLiteral("Office laser");
    QStringList calls;

    bool check(QWidget*) override
    {
        calls.append(QStringLiteral("check"));
        return present;
    }
    QString selection() const override { return current; }
    void release() override
    {
        calls.append(QStringLiteral("release"));
        current.clear();
    }
    void select(const QString& printer) override
    {
        calls.append(QStringLiteral("select ") + printer);
        current = printer;
    }
};

// What the window saw while it was open.
struct TSeen {
    bool shown = false;
    bool filterChoice = true;
    bool controlsSuspended = false;
    bool reactions = true;
    bool extraFields = false;
    bool addressesOpen = false;
    QString query;
    QString systemTable;
    QString systemQuery;
    QString ownTablePath;
    QString phone;
    int importMode = -1;
};

class HandOverTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        QDir().mkpath(main().home().sysdataFolder());
        const std::pair<const char*, const char*> people[]
            = { { "Baker", "Boston" }, { "Clark", "Albany" }, { "Adams", "Boston" }, { "Evans", "Boston" } };
        for (const auto& [name, city] : people)
            addRecord({ { QStringLiteral("LNAME"), QString::fromLatin1(name) },
                { QStringLiteral("CITY"), QString::fromLatin1(city) },
                { QStringLiteral("PHONE"), QStringLiteral("555-") + QString::fromLatin1(name) } });
        ui.messages.clear();
    }

    void setCityFilter(const QString& city) { testing::setCityFilter(main(), city); }

    void goToName(const QString& name)
    {
        ASSERT_TRUE(table().First());
        while (value("LNAME") != name)
            ASSERT_TRUE(table().Next()) << name.toStdString();
    }

    // A stand-in for the command's window: notes what it was given, does
    // `meddle` to the address file, and closes.
    THandOverDialogFactory standIn(std::function<void(THandOverContext&)> meddle = {})
    {
        return [this, meddle](THandOverContext& context) {
            auto dialog = std::make_unique<QDialog>(&context.window);
            QDialog* shown = dialog.get();
            QTimer::singleShot(0, shown, [this, shown, &context, meddle] {
                note(context);
                if (meddle)
                    meddle(context);
                shown->accept();
            });
            return dialog;
        };
    }

    void note(THandOverContext& context)
    {
        seen.shown = true;
        seen.filterChoice = context.filterChoiceEnabled;
        seen.controlsSuspended = context.addresses.ControlsDisabled();
        seen.reactions = main().eventReactions();
        seen.extraFields = context.addresses.extraFieldsVisible();
        seen.addressesOpen = context.addresses.Active();
        seen.query = context.addresses.Active() ? context.addresses.Query() : QString();
        if (context.systemTable) {
            seen.systemTable = context.systemTable->tableName();
            seen.systemQuery = context.systemTable->Query();
        }
        if (context.ownTable)
            seen.ownTablePath = context.ownTable->filePath();
        seen.phone = context.phoneNumber;
        seen.importMode = context.importMode;
    }

    bool handOver(THandOverCommand command, const THandOverDialogFactory& dialog)
    {
        return THandOver(main(), printer).run(command, dialog);
    }

    // Moves, reorders and requeries the address file as a window may.
    static void meddle(THandOverContext& context)
    {
        context.addresses.SetOrder(QStringLiteral("ZIP"));
        context.addresses.SetQuery(QStringLiteral("CITY = \"Albany\""));
        context.addresses.First();
    }

    FakePrinter printer;
    TSeen seen;
};

TEST_F(HandOverTest, PrintWindowsGiveBackRecordOrderAndFilter)
{
    const THandOverCommand commands[] = { THandOverCommand::hoLabels, THandOverCommand::hoReports,
        THandOverCommand::hoEnvelopes, THandOverCommand::hoLetters };
    trigger("mnuSortLNAME");
    setCityFilter(QStringLiteral("Boston"));
    for (THandOverCommand command : commands) {
        SCOPED_TRACE(static_cast<int>(command));
        goToName(QStringLiteral("Baker"));
        const QString query = table().Query();
        printer.current = QStringLiteral("Office laser");
        seen = {};
        EXPECT_TRUE(handOver(command, standIn(&HandOverTest::meddle)));
        EXPECT_TRUE(seen.shown);
        EXPECT_FALSE(seen.reactions);
        EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
        EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Baker"));
        EXPECT_EQ(table().Order().toUpper(), QStringLiteral("LNAME"));
        EXPECT_EQ(table().Query(), query);
        EXPECT_TRUE(main().filterSet());
        EXPECT_EQ(control<QLabel>(QStringLiteral("FilterStatus"))->text(), QStringLiteral("3 filter matches"));
        EXPECT_FALSE(table().ControlsDisabled());
        EXPECT_TRUE(main().eventReactions());
        EXPECT_FALSE(main().dataset().extraFieldsVisible());
        EXPECT_EQ(printer.current, QStringLiteral("Office laser")) << "the printer chosen before is chosen again";
        EXPECT_TRUE(enabled("EditButton"));
    }
}

TEST_F(HandOverTest, LabelWindowGetsItsTableAndComputedLines)
{
    EXPECT_TRUE(handOver(THandOverCommand::hoLabels, standIn()));
    EXPECT_EQ(seen.systemTable.toUpper(), QStringLiteral("LABEL.DBF"));
    EXPECT_EQ(seen.systemQuery, QStringLiteral("not DELETED()"));
    EXPECT_TRUE(seen.controlsSuspended);
    EXPECT_TRUE(seen.extraFields);
    EXPECT_EQ(printer.calls,
        (QStringList { QStringLiteral("check"), QStringLiteral("release"), QStringLiteral("select Office laser") }));
    // The window's table is closed again: the file opens exclusively.
    xbase::TApollo engine;
    TDataset label(engine);
    EXPECT_TRUE(OpenSystemTable(TSystemTable::stLabel, label, main().home().sysdataFolder()).ok);
}

TEST_F(HandOverTest, FilterChoiceIsOfferedOnlyWithAFilter)
{
    const THandOverCommand commands[] = { THandOverCommand::hoLabels, THandOverCommand::hoReports,
        THandOverCommand::hoLetters, THandOverCommand::hoDeleteRecords, THandOverCommand::hoSearchReplace };
    for (THandOverCommand command : commands) {
        SCOPED_TRACE(static_cast<int>(command));
        setCityFilter(QString());
        ASSERT_TRUE(handOver(command, standIn()));
        EXPECT_FALSE(seen.filterChoice) << "no filter, so all records only";
        setCityFilter(QStringLiteral("Boston"));
        ASSERT_TRUE(handOver(command, standIn()));
        EXPECT_TRUE(seen.filterChoice);
    }
}

TEST_F(HandOverTest, FilterThatSelectsNothingIsNoFilterForLabels)
{
    setCityFilter(QStringLiteral("Nowhere"));
    ASSERT_FALSE(main().filterSet());
    EXPECT_TRUE(handOver(THandOverCommand::hoLabels, standIn()));
    EXPECT_FALSE(seen.filterChoice);
}

TEST_F(HandOverTest, UtilitiesSeeTheQueryTheyNeed)
{
    setCityFilter(QStringLiteral("Boston"));
    const QString filtered = table().Query();
    const QString filterAlone = main().filterState().expression;
    ASSERT_FALSE(filterAlone.isEmpty());
    const std::pair<THandOverCommand, QString> cases[] = {
        { THandOverCommand::hoDeleteRecords, filterAlone },
        { THandOverCommand::hoSearchReplace, filterAlone },
        { THandOverCommand::hoDuplicates, QStringLiteral("!ISDEL") },
        { THandOverCommand::hoImportOlder1, QString() },
    };
    for (const auto& [command, query] : cases) {
        SCOPED_TRACE(static_cast<int>(command));
        ASSERT_TRUE(handOver(command, standIn()));
        EXPECT_EQ(seen.query, query);
        EXPECT_EQ(table().Query(), filtered) << "the filter is in force again";
    }
}

TEST_F(HandOverTest, ExportOfAnEmptySelectionSaysSoAndOpensNothing)
{
    goToName(QStringLiteral("Clark"));
    // Empty the file through the window, as a user would.
    for (int i = 0; i < 4; ++i) {
        ui.messages.setNextAnswer(TAnswer::Yes);
        main().DeleteButtonClick();
    }
    ASSERT_TRUE(table().IsEmpty());
    ui.messages.clear();
    EXPECT_FALSE(handOver(THandOverCommand::hoExport, standIn()));
    EXPECT_FALSE(seen.shown);
    EXPECT_EQ(lastText(), QStringLiteral("No active records for current filter. Nothing to copy"));
    EXPECT_TRUE(main().eventReactions());
    EXPECT_FALSE(table().ControlsDisabled());
}

TEST_F(HandOverTest, StateZipCheckNeedsTheStateTable)
{
    const QString csz = main().home().sysdataFolder() + QStringLiteral("CSZ.DBF");
    QDir().mkpath(main().home().sysdataFolder());
    QFile::remove(csz);
    EXPECT_FALSE(handOver(THandOverCommand::hoStateZip, standIn()));
    EXPECT_FALSE(seen.shown);
    EXPECT_EQ(lastText(),
        QStringLiteral("The file CSZ.DBF has been removed from the SYSDATA directory. Unable to continue."));
    EXPECT_TRUE(main().eventReactions());
    EXPECT_FALSE(table().ControlsDisabled());
}

TEST_F(HandOverTest, NoPrinterEndsAPrintCommandBeforeAnythingChanges)
{
    printer.present = false;
    goToName(QStringLiteral("Adams"));
    EXPECT_FALSE(handOver(THandOverCommand::hoLabels, standIn()));
    EXPECT_FALSE(seen.shown);
    EXPECT_EQ(printer.calls, QStringList { QStringLiteral("check") });
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    EXPECT_FALSE(table().ControlsDisabled());
}

TEST_F(HandOverTest, UnreadableSystemTableRestoresAllButThePrinter)
{
    QDir().mkpath(main().home().sysdataFolder());
    QFile damaged(main().home().sysdataFolder() + QStringLiteral("REPORT.DBF"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray(300, '\x7f'));
    damaged.close();
    goToName(QStringLiteral("Evans"));
    EXPECT_FALSE(handOver(THandOverCommand::hoReports, standIn()));
    EXPECT_FALSE(seen.shown);
    EXPECT_TRUE(lastText().contains(QStringLiteral("REPORT.DBF"))) << lastText().toStdString();
    EXPECT_EQ(printer.calls, QStringList { QStringLiteral("check") });
    EXPECT_FALSE(table().ControlsDisabled());
    EXPECT_TRUE(main().eventReactions());
    EXPECT_EQ(value("LNAME"), QStringLiteral("Evans"));
    QFile kept(damaged.fileName());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(300, '\x7f')) << "the user's file is not replaced";
}

TEST_F(HandOverTest, WindowThatCannotBeMadeStillGetsEverythingBack)
{
    goToName(QStringLiteral("Clark"));
    EXPECT_TRUE(handOver(THandOverCommand::hoLabels, [](THandOverContext&) { return nullptr; }));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
    EXPECT_FALSE(table().ControlsDisabled());
    EXPECT_TRUE(main().eventReactions());
    EXPECT_EQ(printer.calls.last(), QStringLiteral("select Office laser"));
}

TEST_F(HandOverTest, ImportGetsTheFileOnItsOwnTableAndTheWindowReopensIt)
{
    trigger("mnuSortCITY");
    setCityFilter(QStringLiteral("Boston"));
    const QString path = main().currentPath();
    for (THandOverCommand command : { THandOverCommand::hoAsciiImport, THandOverCommand::hoDbfImport }) {
        SCOPED_TRACE(static_cast<int>(command));
        seen = {};
        EXPECT_TRUE(handOver(command, standIn()));
        EXPECT_FALSE(seen.addressesOpen);
        EXPECT_EQ(QFileInfo(seen.ownTablePath).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
        EXPECT_TRUE(table().Active());
        EXPECT_EQ(main().currentPath(), path);
        EXPECT_EQ(table().Order().toUpper(), QStringLiteral("CITY"));
        EXPECT_EQ(table().QueryRecCount(), 3u);
        EXPECT_TRUE(main().filterSet());
    }
}

TEST_F(HandOverTest, OlderImportAndDialerGetTheirDetails)
{
    const std::pair<THandOverCommand, int> imports[]
        = { { THandOverCommand::hoImportOlder1, 0 }, { THandOverCommand::hoImportOlder2, 1 } };
    for (const auto& [command, mode] : imports) {
        ASSERT_TRUE(handOver(command, standIn()));
        EXPECT_EQ(seen.importMode, mode);
    }
    goToName(QStringLiteral("Adams"));
    ASSERT_TRUE(handOver(THandOverCommand::hoDialPhone1, standIn()));
    EXPECT_EQ(seen.phone, QStringLiteral("555-Adams"));
}

TEST_F(HandOverTest, FolderIsRestoredAfterExport)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(handOver(THandOverCommand::hoExport, standIn([this](THandOverContext&) { QDir::setCurrent(home()); })));
    EXPECT_EQ(QDir::currentPath(), before);
}

} // namespace
} // namespace quorvel::testing
