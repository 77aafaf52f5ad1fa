// "Rebuild Indexes" and "Rebuild System Indexes" driven as a user drives
// them: the window shows, "Reindex" is pressed, and the files are checked.
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "store/supplied_tables.h"
#include "store/system_tables.h"
#include "support/temp_dir.h"
#include "ui/rebuild_indexes_dialog.h"
#include "ui/rebuild_system_dialog.h"
#include "ui/scripted_services.h"
#include "xbase/apollo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace quorvel;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

template <typename T> T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// What the window looked like each time its gauge moved.
struct TGaugeView {
    int value;
    bool gaugeVisible;
    bool reindexEnabled;
    bool cancelHidden;
    bool helpHidden;
    QString status;
};

// Once the modal window is up, runs `act` on it.
void whenModalShows(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        act(window);
    });
}

// Watches the gauge, then presses "Reindex".
void pressReindex(QWidget* window, std::vector<TGaugeView>* views)
{
    auto* gauge = control<QProgressBar>(window, "Gauge");
    auto* status = control<QLabel>(window, "StatusLabel");
    auto* reindex = control<QPushButton>(window, "ReindexButton");
    auto* cancel = control<QPushButton>(window, "CancelButton");
    auto* help = control<QPushButton>(window, "HelpButton");
    EXPECT_TRUE(gauge->isHidden());
    EXPECT_TRUE(status->isHidden());
    QObject::connect(gauge, &QProgressBar::valueChanged, window, [=](int value) {
        // The user trying to close the window half way changes nothing.
        if (views->empty()) {
            window->close();
            QTest::keyClick(window, Qt::Key_Escape);
        }
        views->push_back({value, gauge->isVisible(), reindex->isEnabled(), cancel->isHidden(), help->isHidden(),
                          status->text()});
    });
    QTest::mouseClick(reindex, Qt::LeftButton);
}

class AddressRebuildWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateAddressFile(path, dataset, TNewFileFieldLengths()).ok);
        ASSERT_TRUE(OpenTableFile(path, dataset).ok);
        for (const char* name : {"Adams", "Baker", "Carter", "Dunn"}) {
            ASSERT_TRUE(dataset.Insert());
            ASSERT_TRUE(dataset.SetFieldAsString(u"LNAME", QString::fromLatin1(name)));
            ASSERT_TRUE(dataset.Post());
        }
        // Baker deleted as the main window deletes.
        ASSERT_TRUE(dataset.GoTo(2));
        ASSERT_TRUE(dataset.Edit());
        ASSERT_TRUE(dataset.SetFieldAsBoolean(u"ISDEL", true));
        ASSERT_TRUE(dataset.Post());
        ASSERT_TRUE(dataset.Delete());
    }

    QStringList namesOnDisk()
    {
        const TAddressOpenResult opened = OpenQVWFile(path, dataset);
        EXPECT_TRUE(opened.indexValid);
        QStringList names;
        EXPECT_TRUE(dataset.SetOrder(QStringLiteral("LNAME")));
        for (bool more = dataset.First(); more; more = dataset.Next())
            names << dataset.FieldAsString(u"LNAME");
        return names;
    }

    TScriptedServices ui;
    testing_support::TempDir dir;
    QString path = qs(dir.file("add0001.DBF"));
    xbase::TApollo engine;
    TAddressDataset dataset{engine};
};

} // namespace

TEST_F(AddressRebuildWindow, ReindexPacksTheFileAndClosesTheWindow)
{
    std::vector<TGaugeView> views;
    QString caption;
    bool controlsSuspended = false;
    whenModalShows([&](QWidget* window) {
        caption = window->windowTitle();
        controlsSuspended = dataset.ControlsDisabled();
        pressReindex(window, &views);
    });
    EXPECT_TRUE(RebuildOpenAddressFile(nullptr, dataset));

    EXPECT_EQ(caption, QStringLiteral("Rebuild indexes for add0001.DBF"));
    EXPECT_TRUE(controlsSuspended);
    EXPECT_FALSE(dataset.ControlsDisabled());
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << ui.messages.lastText().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // While working: gauge shown, "Reindex" off, "Cancel" and "Help" gone.
    ASSERT_FALSE(views.empty());
    bool sawIndexing = false;
    for (const TGaugeView& view : views) {
        if (!view.gaugeVisible)
            continue; // the reset to zero after the work
        EXPECT_FALSE(view.reindexEnabled);
        EXPECT_TRUE(view.cancelHidden);
        EXPECT_TRUE(view.helpHidden);
        sawIndexing = sawIndexing || view.status == QStringLiteral("Rebuilding indexes");
    }
    EXPECT_TRUE(sawIndexing);
    EXPECT_EQ(views.back().value, 0) << "the gauge is zeroed when the work ends";

    EXPECT_EQ(namesOnDisk(), (QStringList{QStringLiteral("Adams"), QStringLiteral("Carter"), QStringLiteral("Dunn")}));
    EXPECT_EQ(engine.sx_RecCount(), 3u);
}

TEST_F(AddressRebuildWindow, CancelLeavesTheFileAsItWas)
{
    whenModalShows([](QWidget* window) { QTest::mouseClick(control<QPushButton>(window, "CancelButton"), Qt::LeftButton); });
    EXPECT_FALSE(RebuildOpenAddressFile(nullptr, dataset));
    EXPECT_FALSE(dataset.ControlsDisabled());
    EXPECT_EQ(engine.sx_RecCount(), 4u);
    EXPECT_EQ(namesOnDisk(), (QStringList{QStringLiteral("Adams"), QStringLiteral("Carter"), QStringLiteral("Dunn")}))
        << "the deleted record is still hidden";
    EXPECT_EQ(engine.sx_RecCount(), 4u);
}

TEST_F(AddressRebuildWindow, WithNoFileOpenTheUserIsToldAndNoWindowShows)
{
    dataset.Close();
    EXPECT_FALSE(RebuildOpenAddressFile(nullptr, dataset));
    ASSERT_EQ(ui.messages.shown().size(), 1);
    EXPECT_EQ(ui.messages.lastText(), QStringLiteral("You need to have a database file open first"));
    EXPECT_EQ(ui.messages.shown().front().caption, QStringLiteral("Information"));
}

TEST_F(AddressRebuildWindow, HelpOpensTheWindowsTopic)
{
    TQVReindex dialog(dataset);
    dialog.show();
    QTest::mouseClick(control<QPushButton>(&dialog, "HelpButton"), Qt::LeftButton);
    EXPECT_EQ(ui.help.opened(), QList<int>{rebuild_help::kRebuildIndexes});
    EXPECT_TRUE(dialog.isVisible());
}

TEST(SystemRebuildWindow, RebuildsThePresentTablesAndNamesOneThatFailed)
{
    TScriptedServices ui;
    testing_support::TempDir dir;
    const QString sysdata = qs(dir.path()) + QStringLiteral("/sysdata/");
    QDir().mkpath(sysdata);
    ASSERT_TRUE(BuildMissingSuppliedTables(sysdata, qs(testing_support::sourceDir()) + QStringLiteral("/data")).ok);
    {
        xbase::TApollo engine;
        TDataset dataset(engine);
        for (TSystemTable table : {TSystemTable::stLabel, TSystemTable::stReport})
            ASSERT_TRUE(OpenSystemTable(table, dataset, sysdata).ok);
    }
    QFile::remove(sysdata + QStringLiteral("LABEL.CDX"));
    {
        QFile report(sysdata + QStringLiteral("REPORT.DBF"));
        ASSERT_TRUE(report.open(QIODevice::WriteOnly | QIODevice::Truncate));
        report.write("damaged");
    }

    std::vector<TGaugeView> views;
    QString caption;
    whenModalShows([&](QWidget* window) {
        caption = window->windowTitle();
        pressReindex(window, &views);
    });
    EXPECT_FALSE(RebuildSystemFileIndexes(nullptr, sysdata));

    EXPECT_EQ(caption, QStringLiteral("Rebuild System Indexes"));
    ASSERT_EQ(ui.messages.shown().size(), 1);
    EXPECT_TRUE(ui.messages.lastText().startsWith(QStringLiteral("These files could not be rebuilt:\r\nREPORT.DBF: ")))
        << ui.messages.lastText().toStdString();
    xbase::TApollo label;
    ASSERT_TRUE(label.sx_Use((sysdata + QStringLiteral("LABEL.DBF")).toStdString()));
    EXPECT_NE(label.sx_TagArea("DESCRIPT"), 0);
    EXPECT_TRUE(QFile::exists(sysdata + QStringLiteral("LABEL.CDX")));
}
