// The keys the main window handles before the focused box, and aggressive
// saving.
#include "main_window_fixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace quorvel::testing {
namespace {

class KeyboardTest : public MainWindowTest {
protected:
    void startWithRecords(int aggressiveSave = 0)
    {
        writeIni({}, false, aggressiveSave);
        start();
        for (const char* name : {"Adams", "Baker", "Clark", "Dunn"})
            addRecord({{QStringLiteral("LNAME"), QString::fromLatin1(name)}});
        click("FirstButton");
        ui.messages.clear();
    }
    TDataFieldBox* last() { return box("LNAME"); }
};

TEST_F(KeyboardTest, PageKeysMoveWhileBrowsing)
{
    startWithRecords();
    key(last(), Qt::Key_PageDown);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
    key(last(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Dunn"));
    key(last(), Qt::Key_PageUp);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
    key(last(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    key(last(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
}

TEST_F(KeyboardTest, PageDownWhileEditingAsksToSave)
{
    startWithRecords();
    type("CITY", QStringLiteral("Reno"));
    ui.messages.setNextAnswer(TAnswer::No);
    key(box("CITY"), Qt::Key_PageDown);
    EXPECT_EQ(lastText(), QStringLiteral("Save changes?"));
    EXPECT_EQ(lastCaption(), QStringLiteral("Save"));
    EXPECT_TRUE(table().isEditing());
    ui.messages.setNextAnswer(TAnswer::Yes);
    key(box("CITY"), Qt::Key_PageDown);
    EXPECT_FALSE(table().isEditing());
    EXPECT_EQ(value("CITY"), QStringLiteral("Reno"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
}

TEST_F(KeyboardTest, PageUpWhileEditingDoesNothing)
{
    startWithRecords();
    click("LastButton");
    click("EditButton");
    key(last(), Qt::Key_PageUp);
    EXPECT_TRUE(table().isEditing());
    EXPECT_EQ(value("LNAME"), QStringLiteral("Dunn"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
}

TEST_F(KeyboardTest, EscapeAsksAndCancelsOnlyOnYes)
{
    startWithRecords();
    type("LNAME", QStringLiteral("Zorn"));
    ui.messages.setNextAnswer(TAnswer::No);
    key(last(), Qt::Key_Escape);
    EXPECT_EQ(lastText(), QStringLiteral("Cancel changes?"));
    EXPECT_EQ(lastCaption(), QStringLiteral("Cancel"));
    EXPECT_TRUE(table().isEditing());
    EXPECT_EQ(last()->text(), QStringLiteral("Zorn"));
    ui.messages.setNextAnswer(TAnswer::Yes);
    key(last(), Qt::Key_Escape);
    EXPECT_FALSE(table().isEditing());
    EXPECT_EQ(last()->text(), QStringLiteral("Adams"));
}

TEST_F(KeyboardTest, EscapeInTheMemoAnsweredNoKeepsTheNotes)
{
    startWithRecords();
    control<QTabWidget>(QStringLiteral("PageControl"))->setCurrentIndex(1);
    auto* memo = control<QPlainTextEdit>(QStringLiteral("MemoBox"));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("call back"));
    ASSERT_TRUE(table().isEditing());
    ui.messages.setNextAnswer(TAnswer::No);
    key(memo, Qt::Key_Escape);
    EXPECT_TRUE(table().isEditing());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("call back"));
}

TEST_F(KeyboardTest, CtrlEnterSavesAndAltEnterOffersAnother)
{
    startWithRecords();
    type("CITY", QStringLiteral("Ames"));
    key(box("CITY"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(table().isEditing());
    EXPECT_EQ(value("CITY"), QStringLiteral("Ames"));

    type("CITY", QStringLiteral("Bath"));
    ui.messages.setNextAnswer(TAnswer::Yes);
    key(box("CITY"), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(lastText(), QStringLiteral("Add another record?"));
    EXPECT_EQ(lastCaption(), QStringLiteral("Add"));
    EXPECT_EQ(table().State(), TDataSetState::dsInsert);
    click("CancelButton");
    EXPECT_EQ(value("CITY"), QStringLiteral("Bath"));
}

TEST_F(KeyboardTest, EnterMovesToTheNextBox)
{
    startWithRecords();
    last()->setFocus();
    key(last(), Qt::Key_Return);
    EXPECT_TRUE(box("FNAME")->hasFocus());
}

TEST_F(KeyboardTest, TypingOvertypesUntilInsertIsPressed)
{
    startWithRecords();
    click("EditButton");
    last()->setFocus();
    last()->setCursorPosition(0);
    QTest::keyClicks(last(), QStringLiteral("E"));
    EXPECT_EQ(last()->text(), QStringLiteral("Edams"));
    key(last(), Qt::Key_Insert);
    QTest::keyClicks(last(), QStringLiteral("x"));
    EXPECT_EQ(last()->text(), QStringLiteral("Exdams"));
}

TEST_F(KeyboardTest, AggressiveSavingReopensEveryFifthSaveOnTheSameRecord)
{
    startWithRecords(1); // four saves so far
    int opens = 0;
    QObject::connect(&table(), &TDataset::afterOpen, [&opens] { ++opens; });
    click("NextButton");
    click("NextButton"); // Clark
    const auto recNo = table().RecNo();
    type("CITY", QStringLiteral("Troy"));
    click("SaveButton"); // the fifth
    EXPECT_EQ(opens, 1);
    EXPECT_TRUE(table().Active());
    EXPECT_EQ(table().RecNo(), recNo);
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Clark"));
    EXPECT_EQ(box("CITY")->text(), QStringLiteral("Troy"));
    type("CITY", QStringLiteral("Rome"));
    click("SaveButton");
    EXPECT_EQ(opens, 1);
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << lastText().toStdString();
}

TEST_F(KeyboardTest, HighAggressiveSavingReopensOnEverySaveKeepingTheOrder)
{
    startWithRecords(2);
    trigger("mnuSortCITY");
    int opens = 0;
    QObject::connect(&table(), &TDataset::afterOpen, [&opens] { ++opens; });
    click("LastButton");
    const QString name = value("LNAME");
    type("PHONE", QStringLiteral("555"));
    click("SaveButton");
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(value("LNAME"), name);
    EXPECT_EQ(main().currentOrderName(), QStringLiteral("CITY"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("SortStatus"))->text(), QStringLiteral("Sorted by City"));
}

} // namespace
} // namespace quorvel::testing
