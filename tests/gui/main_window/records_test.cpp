// Adding, editing, saving, cancelling, deleting, cloning and moving.
#include "main_window_fixture.h"

#include "store/address_records.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace quorvel::testing {
namespace {

class RecordsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Baker")}, {QStringLiteral("FNAME"), QStringLiteral("Ann")}});
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Clark")}, {QStringLiteral("FNAME"), QStringLiteral("Bob")}});
        addRecord({{QStringLiteral("LNAME"), QStringLiteral("Adams")}, {QStringLiteral("FNAME"), QStringLiteral("Cy")}});
        ui.messages.clear();
    }

    QString filterStatus() const { return control<QLabel>(QStringLiteral("FilterStatus"))->text(); }

    void typeMemo(const QString& text)
    {
        control<QTabWidget>(QStringLiteral("PageControl"))->setCurrentIndex(1);
        auto* memo = control<QPlainTextEdit>(QStringLiteral("MemoBox"));
        memo->setFocus();
        QTest::keyClicks(memo, text);
    }
};

TEST_F(RecordsTest, SavedRecordShowsAndCountsAndSaveCancelGoAway)
{
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Adams"));
    EXPECT_EQ(filterStatus(), QStringLiteral("3 records (no filter)"));
    EXPECT_FALSE(visible("SaveButton"));
    EXPECT_FALSE(visible("CancelButton"));
    EXPECT_TRUE(visible("AddButton"));
    EXPECT_TRUE(visible("NextButton"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
}

TEST_F(RecordsTest, MiddleInitialIsTypedInCapitals)
{
    click("EditButton");
    type("MIDDLE", QStringLiteral("q"));
    EXPECT_EQ(box("MIDDLE")->text(), QStringLiteral("Q"));
    click("SaveButton");
    EXPECT_EQ(value("MIDDLE"), QStringLiteral("Q"));
}

TEST_F(RecordsTest, BoxesTakeNoMoreThanTheFieldWidth)
{
    click("EditButton");
    type("ZIP", QStringLiteral("123456789012345"));
    EXPECT_EQ(box("ZIP")->text(), QStringLiteral("1234567890"));
}

TEST_F(RecordsTest, ACharacterTheFileCannotHoldIsRefusedWithAMessage)
{
    click("EditButton");
    type("CITY", QStringLiteral("Zu"));
    // Typed as a keyboard would (keyClicks knows only ASCII).
    QTest::sendKeyEvent(QTest::Click, box("CITY"), Qt::Key_unknown, QString(QChar(0x0101)), Qt::NoModifier);
    EXPECT_FALSE(lastText().isEmpty());
    EXPECT_EQ(box("CITY")->text(), QStringLiteral("Zu"));
    QTest::sendKeyEvent(QTest::Click, box("CITY"), Qt::Key_unknown, QString(QChar(0x00e9)), Qt::NoModifier);
    click("SaveButton");
    EXPECT_EQ(value("CITY"), QStringLiteral("Zu\u00e9"));
}

TEST_F(RecordsTest, EditThenSaveKeepsTheChange)
{
    click("EditButton");
    EXPECT_TRUE(visible("SaveButton"));
    EXPECT_FALSE(visible("EditButton"));
    EXPECT_FALSE(control<QAction>(QStringLiteral("mnuExit"))->isEnabled());
    type("CITY", QStringLiteral("Dayton"));
    click("SaveButton");
    EXPECT_EQ(value("CITY"), QStringLiteral("Dayton"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
}

TEST_F(RecordsTest, TypingIntoABoxWhileBrowsingStartsAnEdit)
{
    type("CITY", QStringLiteral("Erie"));
    EXPECT_TRUE(table().isEditing());
    EXPECT_TRUE(visible("SaveButton"));
}

TEST_F(RecordsTest, DoubleClickStartsAnEdit)
{
    QTest::mouseDClick(box("STREET"), Qt::LeftButton);
    EXPECT_TRUE(table().isEditing());
    EXPECT_TRUE(visible("CancelButton"));
}

TEST_F(RecordsTest, CancelPutsTheRecordBack)
{
    click("EditButton");
    type("LNAME", QStringLiteral("Zed"));
    typeMemo(QStringLiteral("note"));
    click("CancelButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Adams"));
    EXPECT_EQ(control<QPlainTextEdit>(QStringLiteral("MemoBox"))->toPlainText(), QString());
}

TEST_F(RecordsTest, TypingInTheMemoStartsAnEditAndSaveAppliesTheLengthRule)
{
    const struct {
        QString typed;
        QString stored;
    } cases[] = {{QStringLiteral("12345678"), QStringLiteral("12345678 ")},
                 {QStringLiteral("1234567"), QStringLiteral("1234567")}};
    for (const auto& c : cases) {
        auto* memo = control<QPlainTextEdit>(QStringLiteral("MemoBox"));
        memo->clear();
        typeMemo(c.typed);
        ASSERT_TRUE(table().isEditing());
        memo->setPlainText(c.typed);
        click("SaveButton");
        EXPECT_EQ(table().MemoText(u"MEMO"), c.stored) << c.typed.toStdString();
    }
}

TEST_F(RecordsTest, MovingBeepsAtTheEndsAndStays)
{
    click("FirstButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    click("PriorButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    click("NextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
    click("LastButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
    click("NextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Clark"));
    trigger("mnuFirst");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
}

TEST_F(RecordsTest, DeleteAsksAndRemovesOnlyOnYes)
{
    click("NextButton"); // Baker
    ui.messages.setNextAnswer(TAnswer::No);
    click("DeleteButton");
    EXPECT_EQ(lastText(), QStringLiteral("Delete this record?"));
    EXPECT_EQ(lastCaption(), QStringLiteral("DELETE"));
    EXPECT_EQ(filterStatus(), QStringLiteral("3 records (no filter)"));

    ui.messages.setNextAnswer(TAnswer::Yes);
    click("DeleteButton");
    EXPECT_EQ(filterStatus(), QStringLiteral("2 records (no filter)"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams")); // the previous record
    click("NextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
}

TEST_F(RecordsTest, DeletingTheFirstRecordShowsTheNextOne)
{
    ui.messages.setNextAnswer(TAnswer::Yes);
    click("DeleteButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Baker"));
}

TEST_F(RecordsTest, DeletingTheLastRecordLeavesAnEmptyFile)
{
    for (int i = 0; i < 3; ++i) {
        ui.messages.setNextAnswer(TAnswer::Yes);
        click("DeleteButton");
    }
    EXPECT_EQ(filterStatus(), QStringLiteral("No records"));
    EXPECT_FALSE(enabled("EditButton"));
    EXPECT_TRUE(enabled("AddButton"));
    EXPECT_EQ(box("LNAME")->text(), QString());
}

TEST_F(RecordsTest, CloneOfATaggedRecordIsAnUntaggedCopy)
{
    // Tag the current record the way tagging does: its TAG holds the id.
    const QString tagId = table().FieldAsString(u"TAG");
    ASSERT_TRUE(table().Edit());
    ASSERT_TRUE(table().SetFieldAsString(u"TAG", main().dataset().globalTagId()));
    ASSERT_TRUE(table().SetMemoText(u"MEMO", QStringLiteral("a note")));
    ASSERT_TRUE(table().Post());
    ASSERT_TRUE(control<QCheckBox>(QStringLiteral("TaggedCheck"))->isChecked());
    const auto original = table().RecNo();

    ui.messages.setNextAnswer(TAnswer::Yes);
    trigger("mnuClone");
    EXPECT_EQ(ui.messages.shown().at(0).text, QStringLiteral("Clone this record?"));
    EXPECT_EQ(ui.messages.shown().at(0).caption, QStringLiteral("Clone"));
    EXPECT_EQ(lastText(), QStringLiteral("Clone completed. Current record is an exact copy"));
    EXPECT_NE(table().RecNo(), original);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    EXPECT_EQ(value("FNAME"), QStringLiteral("Cy"));
    EXPECT_EQ(table().MemoText(u"MEMO"), QStringLiteral("a note"));
    EXPECT_EQ(value("TAG"), tagId);
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("TaggedCheck"))->isChecked());
    EXPECT_EQ(filterStatus(), QStringLiteral("4 records (no filter)"));
}

TEST_F(RecordsTest, CloneAnsweredNoAddsNothing)
{
    ui.messages.setNextAnswer(TAnswer::No);
    trigger("mnuClone");
    EXPECT_EQ(ui.messages.shown().size(), 1);
    EXPECT_EQ(filterStatus(), QStringLiteral("3 records (no filter)"));
}

TEST_F(RecordsTest, SortMenuOrdersRecordsAndNamesTheOrder)
{
    click("EditButton");
    type("CITY", QStringLiteral("Austin"));
    click("SaveButton"); // Adams in Austin
    click("LastButton");
    click("EditButton");
    type("CITY", QStringLiteral("Albany"));
    click("SaveButton"); // Clark in Albany
    trigger("mnuSortCITY");
    EXPECT_EQ(control<QLabel>(QStringLiteral("SortStatus"))->text(), QStringLiteral("Sorted by City"));
    EXPECT_TRUE(control<QAction>(QStringLiteral("mnuSortCITY"))->isChecked());
    EXPECT_FALSE(control<QAction>(QStringLiteral("mnuSortLNAME"))->isChecked());
    EXPECT_EQ(main().currentOrderName(), QStringLiteral("CITY"));
    click("FirstButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker")); // no city sorts first
    click("NextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
    click("NextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
}

TEST_F(RecordsTest, AnUnknownOrderNameLeavesTheOrder)
{
    main().SetOrderTo(QStringLiteral("Shoe size"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("SortStatus"))->text(), QStringLiteral("Sorted by Last Name"));
    main().SetOrderTo(QStringLiteral("e-mail"));
    EXPECT_EQ(main().currentOrderName(), QStringLiteral("EMAIL"));
    EXPECT_TRUE(control<QAction>(QStringLiteral("mnuSortEMAIL"))->isChecked());
}

} // namespace
} // namespace quorvel::testing
