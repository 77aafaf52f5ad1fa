// "Address Browse" as a user drives it from the main window: the columns
// and their order file, the record buttons, tagging from the grid, and the
// record the main window is left on.
#include "main_window_fixture.h"

#include "app/address_browse_form.h"
#include "app/address_browse_form_size.h"
#include "store/browse_model.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace quorvel::testing {
namespace {

class BrowseTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        for (const char* name : {"Baker", "Clark", "Adams", "Dunn", "Evans"})
            addRecord({{QStringLiteral("LNAME"), QString::fromLatin1(name)}});
        ui.messages.clear();
    }

    QString columnsFile() const { return home() + QStringLiteral("sysdata/FIELDS.LST"); }
    void writeColumnsFile(const QByteArray& lines)
    {
        ASSERT_TRUE(QDir().mkpath(home() + QStringLiteral("sysdata")));
        QFile file(columnsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines);
    }
    QStringList columnsFileLines() const
    {
        QFile file(columnsFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    // Opens the window with "Browse", runs the steps on it, closes it with "Ok".
    void browse(const std::function<void(TAddressBrowseForm&)>& steps)
    {
        bool ran = false;
        whenModal([&](QWidget* modal) {
            auto* form = qobject_cast<TAddressBrowseForm*>(modal);
            if (!form) {
                modal->close();
                return;
            }
            ran = true;
            steps(*form);
            QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        });
        click("BrowseButton");
        EXPECT_TRUE(ran);
    }

    static QTableView* grid(TAddressBrowseForm& form) { return form.findChild<QTableView*>(QStringLiteral("BrowseGrid")); }
    static int row(TAddressBrowseForm& form) { return grid(form)->currentIndex().row(); }
    static int columnOf(TAddressBrowseForm& form, const QString& field)
    {
        for (int column = 0; column < form.model().columnCount(); ++column) {
            if (form.model().columnName(column) == field)
                return column;
        }
        return -1;
    }
    static QString cell(TAddressBrowseForm& form, int atRow, const char* field)
    {
        return form.model().data(form.model().index(atRow, columnOf(form, QString::fromLatin1(field)))).toString();
    }
    static QPoint cellCentre(TAddressBrowseForm& form, int atRow, const char* field)
    {
        return grid(form)->visualRect(form.model().index(atRow, columnOf(form, QString::fromLatin1(field)))).center();
    }
    static void press(TAddressBrowseForm& form, const char* button)
    {
        QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
};

TEST_F(BrowseTest, ShowsTheRecordsInOrderWithTheDefaultColumnsAndLabels)
{
    QStringList titles;
    QStringList order;
    QString firstNames;
    browse([&](TAddressBrowseForm& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Address Browse"));
        EXPECT_EQ(form.font().family(), QStringLiteral("Arial"));
        order = form.columnOrder();
        QHeaderView* header = grid(form)->horizontalHeader();
        for (int visual = 0; visual < 3; ++visual)
            titles << form.model().headerData(header->logicalIndex(visual), Qt::Horizontal).toString();
        for (int r = 0; r < form.model().rowCount(); ++r)
            firstNames += cell(form, r, "LNAME") + QLatin1Char(' ');
    });
    EXPECT_EQ(order.size(), 21);
    EXPECT_EQ(order.first(), QStringLiteral("Tagged"));
    EXPECT_EQ(order.last(), QStringLiteral("DisplayDate"));
    for (const char* hidden : {"MEMO", "ISDEL", "DATE", "TAG", "FullName"})
        EXPECT_FALSE(order.contains(QString::fromLatin1(hidden))) << hidden;
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Tagged"), QStringLiteral("Last Name"), QStringLiteral("First Name")}));
    EXPECT_EQ(firstNames, QStringLiteral("Adams Baker Clark Dunn Evans "));
    // Every field is written, hidden ones included, so the file can put them back.
    const QStringList written = columnsFileLines();
    EXPECT_EQ(written.size(), 28);
    EXPECT_EQ(written.mid(0, 2), (QStringList{QStringLiteral("Tagged"), QStringLiteral("LNAME")}));
    EXPECT_TRUE(written.contains(QStringLiteral("MEMO")));
}

TEST_F(BrowseTest, OpensWithTheColumnsOfTheOrderFileAndSkipsUnknownNames)
{
    writeColumnsFile("LNAME\r\nNOSUCH\r\nFNAME\r\nTagged\r\n");
    QStringList order;
    browse([&](TAddressBrowseForm& form) { order = form.columnOrder(); });
    // LNAME to the first place; the unknown line is passed over but counts
    // as a place; FNAME is third already; Tagged moves to the fourth.
    EXPECT_EQ(order.mid(0, 5), (QStringList{QStringLiteral("LNAME"), QStringLiteral("FNAME"), QStringLiteral("MIDDLE"),
                                            QStringLiteral("Tagged"), QStringLiteral("PREFIX")}));
    EXPECT_EQ(order.size(), 21);
}

TEST_F(BrowseTest, AMovedColumnIsWrittenBackAndComesBackNextTime)
{
    browse([&](TAddressBrowseForm& form) {
        QHeaderView* header = grid(form)->horizontalHeader();
        header->moveSection(header->visualIndex(columnOf(form, QStringLiteral("LNAME"))), 5);
    });
    const QStringList expected{QStringLiteral("Tagged"), QStringLiteral("FNAME"), QStringLiteral("MIDDLE"),
                               QStringLiteral("PREFIX"), QStringLiteral("TITLE"), QStringLiteral("LNAME")};
    EXPECT_EQ(columnsFileLines().mid(0, 6), expected);
    QStringList reopened;
    browse([&](TAddressBrowseForm& form) { reopened = form.columnOrder(); });
    EXPECT_EQ(reopened.mid(0, 6), expected);
}

TEST_F(BrowseTest, RecordButtonsMoveTheGridAndTheRecordAndStopAtTheEnds)
{
    browse([&](TAddressBrowseForm& form) {
        press(form, "FirstButton");
        EXPECT_EQ(row(form), 0);
        EXPECT_FALSE(form.PriorButtonClick());
        EXPECT_EQ(row(form), 0);
        press(form, "NextButton");
        press(form, "NextButton");
        EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
        press(form, "LastButton");
        EXPECT_EQ(row(form), 4);
        EXPECT_EQ(value("LNAME"), QStringLiteral("Evans"));
        EXPECT_EQ(form.model().indicatorRow(), 4);
        EXPECT_FALSE(form.model().headerData(4, Qt::Vertical).toString().isEmpty());
        EXPECT_TRUE(form.model().headerData(3, Qt::Vertical).toString().isEmpty());
        EXPECT_FALSE(form.NextButtonClick());
        EXPECT_EQ(row(form), 4);
        press(form, "PriorButton");
        EXPECT_EQ(value("LNAME"), QStringLiteral("Dunn"));
    });
}

TEST_F(BrowseTest, TagButtonAndDoubleClickToggleTheTagOfTheRowsRecord)
{
    browse([&](TAddressBrowseForm& form) {
        press(form, "FirstButton");
        press(form, "NextButton");
        press(form, "TagButton");
        EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
        EXPECT_EQ(value("Tagged"), QStringLiteral("Yes"));
        EXPECT_EQ(cell(form, 1, "Tagged"), QStringLiteral("Yes"));

        QWidget* cells = grid(form)->viewport();
        QTest::mouseClick(cells, Qt::LeftButton, {}, cellCentre(form, 3, "LNAME"));
        QTest::mouseDClick(cells, Qt::LeftButton, {}, cellCentre(form, 3, "LNAME"));
        EXPECT_EQ(value("LNAME"), QStringLiteral("Dunn"));
        EXPECT_EQ(cell(form, 3, "Tagged"), QStringLiteral("Yes"));
        QTest::mouseDClick(cells, Qt::LeftButton, {}, cellCentre(form, 3, "LNAME"));
        EXPECT_EQ(cell(form, 3, "Tagged"), QStringLiteral("No"));
        EXPECT_EQ(cell(form, 1, "Tagged"), QStringLiteral("Yes"));
        EXPECT_EQ(row(form), 3);
    });
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << lastText().toStdString();
}

TEST_F(BrowseTest, OpensOnTheMainWindowsRecordAndClosingLeavesItOnTheGridsRecord)
{
    click("FirstButton");
    click("NextButton");
    ASSERT_EQ(value("LNAME"), QStringLiteral("Baker"));
    int opened = -1;
    browse([&](TAddressBrowseForm& form) {
        opened = row(form);
        QTest::mouseClick(grid(form)->viewport(), Qt::LeftButton, {}, cellCentre(form, 3, "FNAME"));
    });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Dunn"));
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Dunn"));
    click("NextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Evans"));
}

TEST_F(BrowseTest, WhileEditingBrowseOnlyBeeps)
{
    click("EditButton");
    main().BrowseClick();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(QFile::exists(columnsFile()));
    EXPECT_TRUE(table().isEditing());
}

// The order file is only a preference: when it cannot be written the user
// is told, and the record chosen in the grid is still the current one.
TEST_F(BrowseTest, AnUnwritableOrderFileIsReportedAndLosesNothingElse)
{
    ASSERT_TRUE(QDir().mkpath(home() + QStringLiteral("sysdata/FIELDS.LST")));
    browse([&](TAddressBrowseForm& form) {
        QHeaderView* header = grid(form)->horizontalHeader();
        header->moveSection(header->visualIndex(columnOf(form, QStringLiteral("FNAME"))), 0);
        press(form, "LastButton");
    });
    EXPECT_EQ(ui.messages.shown().size(), 1);
    EXPECT_TRUE(lastText().contains(QStringLiteral("FIELDS.LST"))) << lastText().toStdString();
    EXPECT_EQ(value("LNAME"), QStringLiteral("Evans"));
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Evans"));
    EXPECT_TRUE(main().isEnabled());
}

TEST_F(BrowseTest, ThePlacementIsSavedOnClosingAndRestoredOnOpening)
{
    QRect left;
    browse([&](TAddressBrowseForm& form) {
        form.setGeometry(40, 50, 500, 300);
        left = form.geometry();
    });
    QRect restored;
    browse([&](TAddressBrowseForm& form) { restored = form.geometry(); });
    EXPECT_EQ(restored, left);
    QFile ini(home() + QStringLiteral("QUORVL.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[TAddressBrowseForm_Placement"));
}

TEST(BrowseFormSize, GrowsAboveNinetySixPixelsPerInch)
{
    struct Case {
        int dpi;
        QSize size;
    };
    for (const Case& c : {Case{72, QSize(680, 420)}, Case{96, QSize(680, 420)}, Case{120, QSize(808, 499)},
                          Case{144, QSize(969, 599)}}) {
        EXPECT_EQ(browseFormSize(c.dpi), c.size) << c.dpi;
    }
}

} // namespace
} // namespace quorvel::testing
