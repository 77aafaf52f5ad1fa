// Adding with the "New Record" questions, the duplicate warning, the ZIP
// look-up, carried and default values, and skipping.
#include "main_window_fixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>

namespace quorvel::testing {
namespace {

class AddingTest : public MainWindowTest {
protected:
    // Three records made with the standard settings, then the window
    // started again with `adding` in force.
    void startWith(const QByteArray& adding)
    {
        start();
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Smith")}, {QStringLiteral("FNAME"), QStringLiteral("Johnny")},
                   {QStringLiteral("ZIP"), QStringLiteral("12399")}, {QStringLiteral("CITY"), QStringLiteral("Later")},
                   {QStringLiteral("STATE"), QStringLiteral("NY")}});
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Smith")}, {QStringLiteral("FNAME"), QStringLiteral("John")},
                   {QStringLiteral("STREET"), QStringLiteral("1 Elm St")}, {QStringLiteral("ZIP"), QStringLiteral("12345")},
                   {QStringLiteral("CITY"), QStringLiteral("Springfield")}, {QStringLiteral("STATE"), QStringLiteral("IL")},
                   {QStringLiteral("COUNTRY"), QStringLiteral("USA")}, {QStringLiteral("ORG"), QStringLiteral("Acme")}});
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Tremblay")}, {QStringLiteral("ZIP"), QStringLiteral("K1A 0B1")},
                   {QStringLiteral("CITY"), QStringLiteral("Ottawa")}, {QStringLiteral("STATE"), QStringLiteral("ON")}});
        window->close();
        window.reset();
        writeIni("[Adding]\r\n" + adding);
        start();
        ui.messages.clear();
    }

    // Answers "New Record" with the values given for its visible boxes.
    void answerNewRecord(const QString& last, const QString& first, const QString& zip, bool confirm = true)
    {
        whenModal([=](QWidget* modal) {
            const auto fill = [modal](const char* name, const QString& text) {
                auto* edit = modal->findChild<QLineEdit*>(QString::fromLatin1(name));
                if (edit && edit->isVisible())
                    QTest::keyClicks(edit, text);
            };
            fill("LastNameEdit", last);
            fill("FirstNameEdit", first);
            fill("ZipEdit", zip);
            if (confirm)
                QTest::keyClick(modal, Qt::Key_PageDown);
            else
                qobject_cast<QDialog*>(modal)->reject();
        });
    }

    void goToSmithJohn()
    {
        click("LastButton");
        while (value("FNAME") != QStringLiteral("John"))
            click("PriorButton");
    }
};

TEST_F(AddingTest, DuplicateNameInAnyCaseAsksAndNoLeavesTheFoundRecord)
{
    startWith("AutoDupCheck=1\r\n");
    click("FirstButton");
    answerNewRecord(QStringLiteral("SMITH"), QStringLiteral("john"), {});
    click("AddButton");
    ASSERT_EQ(ui.messages.shown().size(), 1);
    const TMessage& asked = ui.messages.shown().at(0);
    EXPECT_EQ(asked.caption, QStringLiteral("Possible Duplicate"));
    EXPECT_EQ(asked.defaultAnswer, TAnswer::No);
    EXPECT_EQ(asked.text, QStringLiteral("Possible duplicate: \r\n\r\nJohn Smith\r\n1 Elm St\r\nSpringfield,IL "
                                         "12345\r\n\r\nContinue adding?"));
    EXPECT_FALSE(table().isEditing());
    EXPECT_EQ(value("FNAME"), QStringLiteral("John"));
    EXPECT_EQ(table().QueryRecCount(), 3u);
}

TEST_F(AddingTest, DuplicateAnsweredYesAddsWithTheNames)
{
    startWith("AutoDupCheck=1\r\n");
    ui.messages.setNextAnswer(TAnswer::Yes);
    answerNewRecord(QStringLiteral("Smith"), QStringLiteral("John"), {});
    click("AddButton");
    ASSERT_TRUE(table().isEditing());
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Smith"));
    EXPECT_EQ(box("FNAME")->text(), QStringLiteral("John"));
}

TEST_F(AddingTest, AShorterFirstNameIsNoDuplicateOfALongerOne)
{
    startWith("AutoDupCheck=1\r\n");
    answerNewRecord(QStringLiteral("Tremblay"), QStringLiteral("Jo"), {});
    click("AddButton");
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << lastText().toStdString();
    EXPECT_TRUE(table().isEditing());
}

TEST_F(AddingTest, CancellingNewRecordAddsNothing)
{
    startWith("AutoDupCheck=1\r\nPlugCityState=1\r\n");
    answerNewRecord({}, {}, {}, false);
    click("AddButton");
    EXPECT_FALSE(table().isEditing());
    EXPECT_EQ(table().QueryRecCount(), 3u);
}

TEST_F(AddingTest, ZipFillsCityAndStateFromTheFirstMatchInZipOrder)
{
    const struct {
        QString typed;
        QString city;
        QString state;
    } cases[] = {{QStringLiteral("123"), QStringLiteral("Springfield"), QStringLiteral("IL")},
                 {QStringLiteral("12399"), QStringLiteral("Later"), QStringLiteral("NY")},
                 {QStringLiteral("k1a 0b1"), QStringLiteral("Ottawa"), QStringLiteral("ON")},
                 {QStringLiteral("999"), QString(), QString()}};
    startWith("PlugCityState=1\r\n");
    for (const auto& c : cases) {
        answerNewRecord({}, {}, c.typed);
        click("AddButton");
        ASSERT_TRUE(table().isEditing());
        EXPECT_EQ(box("ZIP")->text(), c.typed);
        EXPECT_EQ(box("CITY")->text(), c.city) << c.typed.toStdString();
        EXPECT_EQ(box("STATE")->text(), c.state) << c.typed.toStdString();
        click("CancelButton");
    }
}

TEST_F(AddingTest, LookedUpCityWinsOverTheCarriedOne)
{
    startWith("PlugCityState=1\r\nCarryCity=1\r\nCarryState=1\r\nCarryZip=1\r\n");
    goToSmithJohn();
    answerNewRecord({}, {}, QStringLiteral("K1A"));
    click("AddButton");
    EXPECT_EQ(box("CITY")->text(), QStringLiteral("Ottawa"));
    EXPECT_EQ(box("STATE")->text(), QStringLiteral("ON"));
    EXPECT_EQ(box("ZIP")->text(), QStringLiteral("K1A"));
}

TEST_F(AddingTest, CarriedAndDefaultValues)
{
    startWith("CarryOrg=1\r\nCarrySA1=1\r\nCarryCity=1\r\nCarryZip=1\r\nPlugDate=1\r\nDefaultCountry=Canada\r\n");
    goToSmithJohn();
    click("AddButton");
    EXPECT_EQ(box("ORG")->text(), QStringLiteral("Acme"));
    EXPECT_EQ(box("STREET")->text(), QStringLiteral("1 Elm St"));
    EXPECT_EQ(box("CITY")->text(), QStringLiteral("Springfield"));
    EXPECT_EQ(box("ZIP")->text(), QStringLiteral("12345"));
    EXPECT_EQ(box("STATE")->text(), QString());
    EXPECT_EQ(box("COUNTRY")->text(), QStringLiteral("Canada")); // nothing carried: the default
    EXPECT_EQ(value("DATE"), QStringLiteral("20240229"));
    EXPECT_FALSE(control<QLineEdit>(QStringLiteral("DisplayDateEdit"))->text().isEmpty());
}

TEST_F(AddingTest, CarriedCountryBeatsTheDefault)
{
    startWith("CarryCountry=1\r\nDefaultCountry=Canada\r\n");
    goToSmithJohn();
    click("AddButton");
    EXPECT_EQ(box("COUNTRY")->text(), QStringLiteral("USA"));
}

TEST_F(AddingTest, AddSelectsTheAddressPageAndFocusesTheFirstBoxNotSkipped)
{
    startWith("SkipLastName=1\r\nSkipfirstName=1\r\nSkipMiddleInitial=1\r\n");
    control<QTabWidget>(QStringLiteral("PageControl"))->setCurrentIndex(1);
    click("AddButton");
    EXPECT_EQ(control<QTabWidget>(QStringLiteral("PageControl"))->currentIndex(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return box("PREFIX")->hasFocus(); }, 1000));
}

TEST_F(AddingTest, SkippedBoxesLeaveTheTabOrderUntilSaved)
{
    startWith("SkipfirstName=1\r\nSkipMiddleInitial=1\r\n");
    click("AddButton");
    ASSERT_TRUE(QTest::qWaitFor([this] { return box("LNAME")->hasFocus(); }, 1000));
    QTest::keyClick(box("LNAME"), Qt::Key_Tab);
    EXPECT_TRUE(box("PREFIX")->hasFocus());
    type("LNAME", QStringLiteral("Young"));
    click("SaveButton");
    box("LNAME")->setFocus();
    QTest::keyClick(box("LNAME"), Qt::Key_Tab);
    EXPECT_TRUE(box("FNAME")->hasFocus());
}

} // namespace
} // namespace quorvel::testing
