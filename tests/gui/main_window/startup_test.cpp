// The first start on an empty home folder and what the window shows.
#include "main_window_fixture.h"

#include "store/settings.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace quorvel::testing {
namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, FirstStartCreatesAndOpensAdd0001WithDefaultWidths)
{
    start();
    const QString path = dataFile(QStringLiteral("add0001.DBF"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(main().currentPath(), path);
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Quorvel - ") + path);
    EXPECT_TRUE(table().Active());
    for (const auto& [field, width] : {std::pair{"LNAME", 30}, {"PREFIX", 12}, {"STREET", 40}, {"ZIP", 10},
                                       {"MIDDLE", 1}, {"DATE", 15}, {"FAX", 40}})
        EXPECT_EQ(table().FieldWidth(QString::fromLatin1(field)), width) << field;
    EXPECT_EQ(control<QLabel>(QStringLiteral("SortStatus"))->text(), QStringLiteral("Sorted by Last Name"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("FilterStatus"))->text(), QStringLiteral("No records"));
    EXPECT_FALSE(visible("NoDataPanel"));
    EXPECT_EQ(TSettings(home() + QStringLiteral("QUORVL.ini")).mru().entries(), QStringList{path});
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << lastText().toStdString();
}

TEST_F(StartupTest, EmptyFileOffersOnlyAdding)
{
    start();
    EXPECT_TRUE(enabled("AddButton"));
    EXPECT_FALSE(enabled("EditButton"));
    EXPECT_FALSE(enabled("DeleteButton"));
    EXPECT_FALSE(visible("NextButton"));
    EXPECT_FALSE(visible("SaveButton"));
    EXPECT_FALSE(control<QAction>(QStringLiteral("mnuClone"))->isEnabled());
    // Tool bar commands whose windows do not exist stay off.
    EXPECT_FALSE(enabled("LabelsButton"));
    EXPECT_EQ(control<QWidget>(QStringLiteral("LabelsButton"))->toolTip(),
              QStringLiteral("Click here or press CTRL+L to print/design labels"));
}

TEST_F(StartupTest, GettingStartedShowsUnlessSwitchedOff)
{
    writeIni({}, true);
    bool shown = false;
    whenModal([&shown](QWidget* modal) {
        shown = modal->objectName() == QStringLiteral("GettingStarted");
        qobject_cast<QDialog*>(modal)->reject();
    });
    start();
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown; }, 5000));
}

TEST_F(StartupTest, OpensTheMostRecentFile)
{
    start();
    addRecord({{QStringLiteral("LNAME"), QStringLiteral("Jones")}});
    window->close();
    window.reset();
    start();
    EXPECT_EQ(value("LNAME"), QStringLiteral("Jones"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("FilterStatus"))->text(), QStringLiteral("1 records (no filter)"));
}

} // namespace
} // namespace quorvel::testing
