// The filter as a user drives it: the "Address Filter" window, the filter
// status, "Clear Filter", and filters saved to and restored from files.
#include "main_window_fixture.h"

#include "store/filter_apply.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace quorvel::testing {
namespace {

template <typename T> T* in(QWidget* dialog, const char* name)
{
    T* found = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void clickIn(QWidget* dialog, const char* name) { QTest::mouseClick(in<QPushButton>(dialog, name), Qt::LeftButton); }

// Types into the query box of a field ("LNAME"), replacing what it held.
void typeQuery(QWidget* dialog, const char* field, const QString& text)
{
    auto* box = in<QLineEdit>(dialog, (QByteArray(field) + "Query").constData());
    box->setFocus();
    box->selectAll();
    if (!box->text().isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// A character as a keyboard layout of its own would send it, which the
// test library's key table cannot name.
void typeCharacter(QWidget* target, const QString& character)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(target, &press);
}

QString matches(QWidget* dialog) { return in<QLabel>(dialog, "MatchesLabel")->text(); }

class FilterTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        addPerson("Jones", "Ann", "AC", "19961231");
        addPerson("Johanesson", "Bob", "B", "19970315");
        addPerson("Baker", "Cy", "C", "");
        addPerson("O\"Neil", "Dee", "", "");
        main().dataset().setGlobalTagId(QStringLiteral("T1"));
        ui.messages.clear();
    }

    void addPerson(const char* last, const char* first, const char* codes, const char* date)
    {
        addRecord({{QStringLiteral("LNAME"), QString::fromLatin1(last)},
                   {QStringLiteral("FNAME"), QString::fromLatin1(first)},
                   {QStringLiteral("CODES"), QString::fromLatin1(codes)}});
        ASSERT_TRUE(table().Edit() && table().SetFieldAsString(u"DATE", QString::fromLatin1(date)) && table().Post());
    }

    // Opens "Address Filter" with the tool-bar button and lets `steps` work
    // the open window; they must close it.
    void withFilterWindow(std::function<void(QWidget*)> steps)
    {
        bool ran = false;
        whenModal([&ran, steps](QWidget* modal) {
            ran = true;
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Address Filter"));
            steps(modal);
        });
        click("FilterButton");
        EXPECT_TRUE(ran);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    void setFilter(const char* field, const QString& text)
    {
        withFilterWindow([field, text](QWidget* modal) {
            typeQuery(modal, field, text);
            clickIn(modal, "OKButton");
        });
    }

    QString status() const { return control<QLabel>(QStringLiteral("FilterStatus"))->text(); }

    // The last names of the records the main window steps through.
    QStringList shownLastNames()
    {
        QStringList names;
        table().First();
        do
            names << value("LNAME");
        while (table().Next());
        return names;
    }

    void tag(const char* lastName)
    {
        table().First();
        while (value("LNAME") != QLatin1String(lastName))
            ASSERT_TRUE(table().Next()) << lastName;
        ASSERT_TRUE(table().Edit() && table().SetFieldAsString(u"TAG", QStringLiteral("T1")) && table().Post());
    }

    QByteArray fileBytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

TEST_F(FilterTest, TestCountsThenOkShowsOnlyTheMatchingRecords)
{
    EXPECT_EQ(status(), QStringLiteral("4 records (no filter)"));
    EXPECT_FALSE(visible("ClearFilterButton"));
    withFilterWindow([](QWidget* modal) {
        typeQuery(modal, "LNAME", QStringLiteral("jo"));
        clickIn(modal, "TestButton");
        EXPECT_EQ(matches(modal), QStringLiteral("2 matches"));
        clickIn(modal, "OKButton");
    });
    EXPECT_TRUE(main().filterSet());
    EXPECT_EQ(status(), QStringLiteral("2 filter matches"));
    EXPECT_TRUE(visible("ClearFilterButton") && enabled("ClearFilterButton"));
    EXPECT_EQ(table().Query(), QStringLiteral("UPPER(LNAME)=\"JO\" .and. !ISDEL"));
    QStringList shown = shownLastNames();
    shown.sort();
    EXPECT_EQ(shown, QStringList({QStringLiteral("Johanesson"), QStringLiteral("Jones")}));
    // The window opens again on the filter in force.
    withFilterWindow([](QWidget* modal) {
        EXPECT_EQ(in<QLineEdit>(modal, "LNAMEQuery")->text(), QStringLiteral("jo"));
        clickIn(modal, "CancelButton");
    });
}

TEST_F(FilterTest, WhatEachKindOfValueSelects)
{
    struct Case {
        const char* field;
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {"LNAME", QStringLiteral("jo"), QStringLiteral("2 matches")},           // a prefix, any letter case
        {"CODES", QStringLiteral("$c"), QStringLiteral("2 matches")},           // anywhere in the field
        {"LNAME", QStringLiteral("JONES;BAKER"), QStringLiteral("2 matches")},  // alternatives
        {"LNAME", QStringLiteral("jo^jones"), QStringLiteral("1 matches")},     // and not
        {"LNAME", QStringLiteral("jo;"), QStringLiteral("4 matches")},          // an empty alternative matches all
        {"DATE", QStringLiteral(">19970101"), QStringLiteral("1 matches")},     // after a day
        {"LNAME", QStringLiteral("o\"n"), QStringLiteral("1 matches")},         // a double quote as typed
        {"FNAME", QStringLiteral("   "), QStringLiteral("No filter set")},      // blanks are no condition
    };
    withFilterWindow([&cases](QWidget* modal) {
        for (const Case& c : cases) {
            clickIn(modal, "ClearButton");
            typeQuery(modal, c.field, c.text);
            clickIn(modal, "TestButton");
            EXPECT_EQ(matches(modal), c.expected) << c.field << " " << c.text.toStdString();
        }
        clickIn(modal, "CancelButton");
    });
}

TEST_F(FilterTest, CancelPutsTheFilterBeforeBack)
{
    setFilter("LNAME", QStringLiteral("Baker"));
    withFilterWindow([this](QWidget* modal) {
        typeQuery(modal, "LNAME", QStringLiteral("jo"));
        in<QCheckBox>(modal, "ReverseCheck")->setChecked(true);
        clickIn(modal, "TestButton");
        EXPECT_EQ(matches(modal), QStringLiteral("2 matches"));
        EXPECT_EQ(status(), QStringLiteral("2 filter matches")); // the test shows in the window behind
        clickIn(modal, "CancelButton");
    });
    EXPECT_EQ(main().filterState().value(TFilterBox::fbLName), QStringLiteral("Baker"));
    EXPECT_FALSE(main().filterState().reverse);
    EXPECT_EQ(status(), QStringLiteral("1 filter matches"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
}

TEST_F(FilterTest, TaggedOnlyAndReverse)
{
    tag("Baker");
    struct Case {
        bool tagged;
        bool reverse;
        QString lastName;
        QString expected;
    };
    const Case cases[] = {
        {true, false, QString(), QStringLiteral("1 matches")},
        {true, true, QString(), QStringLiteral("3 matches")}, // the untagged records
        {false, true, QStringLiteral("jo"), QStringLiteral("2 matches")},
        {true, false, QStringLiteral("jo"), QStringLiteral("No filter set")}, // nothing left: dropped
    };
    withFilterWindow([&cases](QWidget* modal) {
        for (const Case& c : cases) {
            clickIn(modal, "ClearButton");
            typeQuery(modal, "LNAME", c.lastName);
            in<QCheckBox>(modal, "TaggedCheck")->setChecked(c.tagged);
            in<QCheckBox>(modal, "ReverseCheck")->setChecked(c.reverse);
            clickIn(modal, "TestButton");
            EXPECT_EQ(matches(modal), c.expected) << c.tagged << c.reverse << c.lastName.toStdString();
        }
        clickIn(modal, "CancelButton");
    });
}

TEST_F(FilterTest, AFilterThatSelectsNothingIsDroppedAndOkCloses)
{
    withFilterWindow([this](QWidget* modal) {
        typeQuery(modal, "LNAME", QStringLiteral("Zz"));
        clickIn(modal, "TestButton");
        EXPECT_EQ(matches(modal), QStringLiteral("No filter set"));
        EXPECT_EQ(status(), QStringLiteral("4 records (no filter)"));
        clickIn(modal, "OKButton");
    });
    EXPECT_FALSE(main().filterSet());
    EXPECT_FALSE(visible("ClearFilterButton"));
    EXPECT_EQ(table().Query(), QStringLiteral("!ISDEL"));
    EXPECT_TRUE(ui.messages.shown().isEmpty()); // dropped without a word
}

TEST_F(FilterTest, ATooComplexFilterIsRefusedAndTheTypingKept)
{
    const QString longValue(70, QLatin1Char('A'));
    withFilterWindow([this, &longValue](QWidget* modal) {
        for (const char* field : {"LNAME", "FNAME", "ORG", "STREET"})
            typeQuery(modal, field, longValue);
        clickIn(modal, "OKButton");
        EXPECT_TRUE(modal->isVisible()); // stays, to be simplified
        EXPECT_EQ(lastText(), QLatin1String(kFilterTooComplex));
        EXPECT_EQ(lastCaption(), QStringLiteral("Information"));
        EXPECT_EQ(matches(modal), QStringLiteral("No filter set"));
        EXPECT_EQ(in<QLineEdit>(modal, "STREETQuery")->text(), longValue);
        typeQuery(modal, "STREET", QString());
        typeQuery(modal, "ORG", QString());
        typeQuery(modal, "FNAME", QString());
        typeQuery(modal, "LNAME", QStringLiteral("B"));
        clickIn(modal, "OKButton");
    });
    EXPECT_EQ(status(), QStringLiteral("1 filter matches"));
}

TEST_F(FilterTest, ClearEmptiesTheWindowAndClearFilterShowsEveryRecord)
{
    tag("Jones");
    withFilterWindow([](QWidget* modal) {
        typeQuery(modal, "CODES", QStringLiteral("$C"));
        in<QCheckBox>(modal, "TaggedCheck")->setChecked(true);
        clickIn(modal, "TestButton");
        EXPECT_EQ(matches(modal), QStringLiteral("1 matches"));
        clickIn(modal, "ClearButton");
        EXPECT_EQ(in<QLineEdit>(modal, "CODESQuery")->text(), QString());
        EXPECT_FALSE(in<QCheckBox>(modal, "TaggedCheck")->isChecked());
        EXPECT_EQ(matches(modal), QStringLiteral("No filter set"));
        typeQuery(modal, "CODES", QStringLiteral("$C"));
        clickIn(modal, "OKButton");
    });
    EXPECT_EQ(status(), QStringLiteral("2 filter matches"));
    table().Last();
    click("ClearFilterButton");
    EXPECT_FALSE(main().filterSet());
    EXPECT_EQ(status(), QStringLiteral("4 records (no filter)"));
    EXPECT_FALSE(visible("ClearFilterButton"));
    EXPECT_TRUE(table().Bof()); // on the first record
}

TEST_F(FilterTest, NotWhileEditing)
{
    setFilter("LNAME", QStringLiteral("jo"));
    click("EditButton");
    ASSERT_TRUE(enabled("FilterButton")); // a filter is set, so the button stays
    bool opened = false;
    QTimer::singleShot(300, window.get(), [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    click("FilterButton");
    QTest::qWait(400);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(table().isEditing());
}

TEST_F(FilterTest, TheWindowFollowsTheMainWindowsLayout)
{
    const QWidget* namePanel = control<QWidget>(QStringLiteral("NamePanel"));
    const QRect lastName = box("LNAME")->geometry();
    const QRect street = box("STREET")->geometry();
    const QRect streetLabel = control<QLabel>(QStringLiteral("STREETLabel"))->geometry();
    withFilterWindow([&](QWidget* modal) {
        EXPECT_EQ(in<QLineEdit>(modal, "LNAMEQuery")->geometry(), lastName.translated(0, 25));
        EXPECT_EQ(in<QLineEdit>(modal, "STREETQuery")->geometry(), street.translated(0, 25 + namePanel->height()));
        auto* label = in<QLabel>(modal, "STREETQueryLabel");
        EXPECT_EQ(label->geometry(), streetLabel.translated(0, 25 + namePanel->height()));
        EXPECT_EQ(label->text(), QStringLiteral("Address 1"));
        const QRect tagged = in<QCheckBox>(modal, "TaggedCheck")->geometry();
        EXPECT_EQ(in<QCheckBox>(modal, "ReverseCheck")->geometry().left(), tagged.right() + 1 + 10);

        auto* dateHint = in<QLabel>(modal, "DateFormatLabel");
        EXPECT_EQ(dateHint->text(), QStringLiteral("(YYYYMMDD)"));
        // The focus is handed over as the window system would: which window
        // is active on the offscreen platform depends on timing.
        const auto moveFocus = [](QWidget* box, QEvent::Type type) {
            QFocusEvent event(type, Qt::TabFocusReason);
            QApplication::sendEvent(box, &event);
        };
        moveFocus(in<QLineEdit>(modal, "DATEQuery"), QEvent::FocusIn);
        EXPECT_TRUE(dateHint->isVisible());
        moveFocus(in<QLineEdit>(modal, "DATEQuery"), QEvent::FocusOut);
        EXPECT_FALSE(dateHint->isVisible());
        EXPECT_TRUE(in<QLineEdit>(modal, "DATEQuery")->toolTip().startsWith(QStringLiteral("Note: enter dates")));
        EXPECT_TRUE(in<QLabel>(modal, "HintLabel")->text().startsWith(QStringLiteral("Hint: to look for only part")));
        clickIn(modal, "CancelButton");
    });
}

TEST_F(FilterTest, ACharacterTheFileCannotHoldIsRefusedAsTyped)
{
    withFilterWindow([this](QWidget* modal) {
        typeQuery(modal, "LNAME", QStringLiteral("jo"));
        typeCharacter(in<QLineEdit>(modal, "LNAMEQuery"), QStringLiteral("\u0101"));
        EXPECT_EQ(in<QLineEdit>(modal, "LNAMEQuery")->text(), QStringLiteral("jo"));
        EXPECT_TRUE(lastText().contains(QStringLiteral("\u0101"))) << lastText().toStdString();
        typeCharacter(in<QLineEdit>(modal, "LNAMEQuery"), QStringLiteral("n"));
        typeCharacter(in<QLineEdit>(modal, "LNAMEQuery"), QStringLiteral("\u00e9"));
        EXPECT_EQ(in<QLineEdit>(modal, "LNAMEQuery")->text(), QStringLiteral("jon\u00e9")); // Windows-1252 has é
        clickIn(modal, "CancelButton");
    });
}

class FilterFileTest : public FilterTest {
protected:
    void save(const QString& chosen)
    {
        ui.dialogs.setNextFileName(chosen);
        trigger("mnuSaveFilter");
    }
    void restore(const QString& chosen)
    {
        ui.dialogs.setNextFileName(chosen);
        trigger("mnuRestoreFilter");
    }
};

TEST_F(FilterFileTest, SavedFilterComesBack)
{
    withFilterWindow([](QWidget* modal) {
        typeQuery(modal, "LNAME", QStringLiteral("jo;baker"));
        in<QCheckBox>(modal, "ReverseCheck")->setChecked(true);
        clickIn(modal, "OKButton");
    });
    save(home() + QStringLiteral("mine"));
    const TScriptedDialogs::TRequest request = ui.dialogs.requests().last();
    EXPECT_EQ(request.file.filter, QStringLiteral("Filter files|*.FLT"));
    EXPECT_EQ(request.file.defaultSuffix, QStringLiteral("FLT"));
    EXPECT_EQ(request.file.proposedName, QStringLiteral("*.FLT"));
    EXPECT_EQ(request.file.folder, home());
    EXPECT_EQ(fileBytes(home() + QStringLiteral("mine.FLT")),
              QByteArray("jo;baker\r\n") + QByteArray(17, 'x').replace('x', "\r\n") + "F\r\nT\r\n");

    trigger("mnuClearFilter");
    EXPECT_FALSE(main().filterSet());
    restore(home() + QStringLiteral("mine.FLT"));
    EXPECT_EQ(ui.dialogs.requests().last().file.filter, QStringLiteral("Filter Files|*.flt"));
    EXPECT_EQ(main().filterState().value(TFilterBox::fbLName), QStringLiteral("jo;baker"));
    EXPECT_TRUE(main().filterState().reverse);
    EXPECT_EQ(status(), QStringLiteral("1 filter matches"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("O\"Neil"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
}

TEST_F(FilterFileTest, NamesAndOverwriting)
{
    setFilter("LNAME", QStringLiteral("jo"));
    save(home() + QStringLiteral("plain.txt"));
    EXPECT_EQ(lastText(), QStringLiteral("Must have a .FLT extension"));
    EXPECT_FALSE(QFile::exists(home() + QStringLiteral("plain.txt")));
    save(home() + QStringLiteral("kept.flt"));
    const QByteArray first = fileBytes(home() + QStringLiteral("kept.flt"));
    ASSERT_TRUE(first.startsWith("jo\r\n"));

    setFilter("LNAME", QStringLiteral("Baker"));
    ui.messages.clear();
    ui.messages.setNextAnswer(TAnswer::No);
    save(home() + QStringLiteral("kept.flt"));
    ASSERT_EQ(ui.messages.shown().size(), 1);
    const TMessage asked = ui.messages.shown().first();
    EXPECT_EQ(asked.caption, QStringLiteral("Warning!"));
    EXPECT_EQ(asked.defaultAnswer, TAnswer::No);
    EXPECT_EQ(asked.text, home() + QStringLiteral("kept.flt already exists.\r\nDo you want to overwrite it?"));
    EXPECT_EQ(fileBytes(home() + QStringLiteral("kept.flt")), first);

    ui.messages.setNextAnswer(TAnswer::Yes);
    save(home() + QStringLiteral("kept.flt"));
    EXPECT_TRUE(fileBytes(home() + QStringLiteral("kept.flt")).startsWith("Baker\r\n"));
}

TEST_F(FilterFileTest, RestoreRefusesWhatIsNoFilterFile)
{
    setFilter("LNAME", QStringLiteral("jo"));
    QFile text(home() + QStringLiteral("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Baker\r\n");
    text.close();
    restore(text.fileName());
    EXPECT_EQ(lastText(), QStringLiteral("Must be a Filter (.FLT) file"));

    QFile damaged(home() + QStringLiteral("damaged.FLT"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("Baker\r\n\0\0\x01\x02", 11));
    damaged.close();
    ui.messages.clear();
    restore(damaged.fileName());
    EXPECT_EQ(ui.messages.shown().size(), 1);
    // Either way the filter in force is untouched.
    EXPECT_EQ(main().filterState().value(TFilterBox::fbLName), QStringLiteral("jo"));
    EXPECT_EQ(status(), QStringLiteral("2 filter matches"));
}

} // namespace
} // namespace quorvel::testing
