// The two rebuild commands of the "&File" menu, run from the main window.
#include "city_filter.h"
#include "main_window_fixture.h"
#include "store/system_tables.h"
#include "xbase/apollo.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace quorvel::testing {
namespace {

class MaintenanceTest : public MainWindowTest {
protected:
    // Four records, one of them deleted in the window.
    void SetUp() override
    {
        start();
        const std::pair<const char*, const char*> people[]
            = { { "Baker", "Boston" }, { "Clark", "Albany" }, { "Adams", "Boston" }, { "Drake", "Boston" } };
        for (const auto& [name, city] : people)
            addRecord({ { QStringLiteral("LNAME"), QString::fromLatin1(name) },
                { QStringLiteral("CITY"), QString::fromLatin1(city) } });
        ASSERT_TRUE(table().First());
        while (value("LNAME") != QStringLiteral("Drake"))
            ASSERT_TRUE(table().Next());
        ui.messages.setNextAnswer(TAnswer::Yes);
        click("DeleteButton");
        ui.messages.clear();
    }

    void setCityFilter(const QString& city) { testing::setCityFilter(main(), city); }

    void pressInModal(const char* button)
    {
        whenModal([button](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        });
    }
};

TEST_F(MaintenanceTest, RebuildPacksDeletedRecordsAndKeepsOrderAndFilter)
{
    trigger("mnuSortCITY");
    setCityFilter(QStringLiteral("Boston"));
    ASSERT_EQ(table().engine().sx_RecCount(), 4u);

    pressInModal("ReindexButton");
    trigger("mnuRebuildIndexes");

    EXPECT_EQ(table().engine().sx_RecCount(), 3u) << "the deleted record is packed away";
    EXPECT_EQ(main().currentOrderName(), QStringLiteral("CITY"));
    EXPECT_EQ(table().Order().toUpper(), QStringLiteral("CITY"));
    EXPECT_TRUE(control<QAction>(QStringLiteral("mnuSortCITY"))->isChecked());
    EXPECT_TRUE(main().filterSet());
    EXPECT_EQ(table().QueryRecCount(), 2u);
    EXPECT_EQ(control<QLabel>(QStringLiteral("FilterStatus"))->text(), QStringLiteral("2 filter matches"));
    EXPECT_EQ(box("LNAME")->text(), value("LNAME"));
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << lastText().toStdString();
}

TEST_F(MaintenanceTest, CancelledRebuildChangesNothing)
{
    pressInModal("CancelButton");
    trigger("mnuRebuildIndexes");
    EXPECT_EQ(table().engine().sx_RecCount(), 4u);
    EXPECT_TRUE(table().Active());
    EXPECT_TRUE(enabled("EditButton"));
}

TEST_F(MaintenanceTest, RebuildWithoutAFileSaysSo)
{
    table().Close();
    main().RebuildIndexesClick();
    EXPECT_EQ(lastText(), QStringLiteral("You need to have a database file open first"));
}

TEST_F(MaintenanceTest, SystemRebuildPacksTheTablesOfTheHomeFolder)
{
    const QString sysdata = main().home().sysdataFolder();
    QDir().mkpath(sysdata);
    const auto letterCount = [&sysdata] {
        xbase::TApollo engine;
        TDataset letters(engine);
        EXPECT_TRUE(OpenSystemTable(TSystemTable::stLetter, letters, sysdata).ok);
        const std::uint32_t count = engine.sx_RecCount();
        letters.Close();
        return count;
    };
    {
        xbase::TApollo engine;
        TDataset letters(engine);
        ASSERT_TRUE(OpenSystemTable(TSystemTable::stLetter, letters, sysdata).ok);
        ASSERT_TRUE(letters.Insert());
        ASSERT_TRUE(letters.SetFieldAsString(u"DESCRIPT", QStringLiteral("Old letter")));
        ASSERT_TRUE(letters.Post());
        ASSERT_TRUE(letters.Delete());
        letters.Close();
    }
    ASSERT_EQ(letterCount(), 1u);
    QString title;
    whenModal([&title](QWidget* modal) {
        title = modal->windowTitle();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("ReindexButton")), Qt::LeftButton);
    });
    trigger("mnuRebuildSystemIndexes");
    EXPECT_EQ(title, QStringLiteral("Rebuild System Indexes"));
    EXPECT_EQ(letterCount(), 0u);
    EXPECT_TRUE(table().Active()) << "the address file is not touched";
    EXPECT_EQ(table().engine().sx_RecCount(), 4u);
}

} // namespace
} // namespace quorvel::testing
