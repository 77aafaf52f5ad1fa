// The small dialogs of the record workflow, opened from the main window.
#include "main_window_fixture.h"

#include "app/field_lengths_dialog.h"
#include "app/new_database_dialog.h"
#include "store/settings.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel::testing {
namespace {

void clickIn(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

class DialogsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Lee")}, {QStringLiteral("FNAME"), QStringLiteral("Ann")},
                   {QStringLiteral("CITY"), QStringLiteral("Troy")}, {QStringLiteral("STATE"), QStringLiteral("NY")},
                   {QStringLiteral("ZIP"), QStringLiteral("12180")}, {QStringLiteral("PHONE"), QStringLiteral("555")}});
        ui.messages.clear();
    }

    // Opens "Select a Date", steps with the named buttons and closes it.
    void chooseDate(std::initializer_list<const char*> steps, const char* closing)
    {
        std::vector<const char*> clicks(steps);
        whenModal([clicks, closing](QWidget* modal) {
            for (const char* step : clicks)
                clickIn(modal, step);
            clickIn(modal, closing);
        });
        click("DateButton");
    }
};

TEST_F(DialogsTest, DateSelectorSetsClearsOrLeavesTheDate)
{
    chooseDate({"TodayButton", "MonthForwardButton", "YearBackButton"}, "OKButton");
    EXPECT_TRUE(table().isEditing()); // the date put the record in edit state
    EXPECT_EQ(value("DATE"), QStringLiteral("20230329"));
    EXPECT_FALSE(control<QLineEdit>(QStringLiteral("DisplayDateEdit"))->text().isEmpty());
    click("SaveButton");

    chooseDate({"YearForwardButton"}, "CancelButton");
    EXPECT_EQ(value("DATE"), QStringLiteral("20230329"));
    EXPECT_FALSE(table().isEditing());

    chooseDate({}, "NoDateButton");
    EXPECT_EQ(value("DATE"), QString());
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("DisplayDateEdit"))->text(), QString());
}

TEST_F(DialogsTest, DateSelectorOpensOnTheRecordsDate)
{
    ASSERT_TRUE(table().Edit() && table().SetFieldAsString(u"DATE", QStringLiteral("19991231")) && table().Post());
    QDate shown;
    whenModal([&shown](QWidget* modal) {
        shown = modal->findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->selectedDate();
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Select a Date"));
        clickIn(modal, "CancelButton");
    });
    click("DateButton");
    EXPECT_EQ(shown, QDate(1999, 12, 31));
}

TEST_F(DialogsTest, CopyToClipboardPutsTheChosenPartsOnTheClipboard)
{
    whenModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Copy Record To Clipboard"));
        QTest::mouseClick(modal->findChild<QCheckBox*>(QStringLiteral("PhonesCheck")), Qt::LeftButton, {},
                          QPoint(8, 8));
        clickIn(modal, "OKButton");
    });
    trigger("mnuCopyToClipboard");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Ann Lee \r\nTroy  NY 12180\r\n"));
    EXPECT_EQ(lastText(), QStringLiteral("Record copied to Windows Clipboard"));
}

TEST(NewDatabaseDialogTest, OkOnlyForValidNames)
{
    testing_support::TempDir dir;
    TSettings settings(QString::fromStdString(dir.file("QUORVL.ini")));
    TNewDataBaseName dialog(settings, QStringLiteral("ADD0001"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("NameEdit"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OKButton"));
    auto* invalid = dialog.findChild<QLabel*>(QStringLiteral("InvalidNameLabel"));
    const struct {
        QString typed;
        bool valid;
    } cases[] = {{QStringLiteral("ADD0001"), true}, {QStringLiteral("_club"), true}, {QStringLiteral("1club"), false},
                 {QStringLiteral("my list"), false}, {QString(), false}, {QStringLiteral("Members9"), true}};
    for (const auto& c : cases) {
        name->setText(c.typed);
        EXPECT_EQ(ok->isEnabled(), c.valid) << c.typed.toStdString();
        EXPECT_EQ(invalid->isHidden(), c.valid) << c.typed.toStdString();
    }
    EXPECT_EQ(name->maxLength(), 8);
    EXPECT_EQ(invalid->text(),
              QStringLiteral("Invalid name. Must start with A..Z, followed by A..Z,0..9 or \"_\" (underscore)"));
}

TEST(FieldLengthsDialogTest, BadWidthsRevertAndTheRestAreTakenAndKept)
{
    testing_support::TempDir dir;
    TSettings settings(QString::fromStdString(dir.file("QUORVL.ini")));
    TSpecifyFieldLengths dialog(TNewFileFieldLengths(), settings);
    const auto edit = [&dialog](const char* field) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("Field") + QString::fromLatin1(field) + QStringLiteral("Edit"));
    };
    edit("LNAME")->setText(QStringLiteral("9"));
    edit("FNAME")->setText(QStringLiteral("abc"));
    edit("CITY")->setText(QStringLiteral("45"));
    edit("ZIP")->setText(QStringLiteral("80"));
    dialog.findChild<QCheckBox*>(QStringLiteral("SaveAsDefaultCheck"))->setChecked(true);
    dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(edit("LNAME")->text(), QStringLiteral("30"));
    EXPECT_EQ(dialog.lengths().width(u"LNAME"), 30);
    EXPECT_EQ(dialog.lengths().width(u"FNAME"), 30);
    EXPECT_EQ(dialog.lengths().width(u"CITY"), 45);
    EXPECT_EQ(dialog.lengths().width(u"ZIP"), 80);
    EXPECT_EQ(settings.newFileFieldLengths(), dialog.lengths());
}

TEST(FieldLengthsDialogTest, DefaultsPutBackTheStandardWidthsWithAShorterFax)
{
    testing_support::TempDir dir;
    TSettings settings(QString::fromStdString(dir.file("QUORVL.ini")));
    TNewFileFieldLengths lengths;
    lengths.setWidth(u"CITY", 60);
    TSpecifyFieldLengths dialog(lengths, settings);
    dialog.findChild<QPushButton*>(QStringLiteral("DefaultsButton"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_EQ(dialog.lengths(), TNewFileFieldLengths::buttonDefaults());
    EXPECT_EQ(dialog.lengths().width(u"FAX"), 30);
    // Not asked to keep them: the settings are untouched.
    EXPECT_EQ(settings.newFileFieldLengths(), TNewFileFieldLengths());
}

} // namespace
} // namespace quorvel::testing
