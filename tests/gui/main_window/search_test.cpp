// "Search" by the start of a key, and the memo search with "Find Next".
#include "direct_records.h"
#include "main_window_fixture.h"

#include "app/searching_window.h"
#include "store/search_memo.h"
#include "ui/help.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace quorvel::testing {
namespace {

class SearchTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        add("Jones", "Springfield", "Likes CATS and dogs");
        add("Johanesson", "Albany", "");
        add("Baker", "Shelbyville", "no pets");
        add("Adams", "Boston", "a cat called Tom");
        add("Clark", "Springdale", "dog");
        main().SetOrderTo(QStringLiteral("Last Name"));
        goTo("Baker");
        control<QTabWidget>(QStringLiteral("PageControl"))->setCurrentIndex(1); // the memo page
        ui.messages.clear();
    }

    void add(const char* last, const char* city, const char* memo)
    {
        addDirectly(table(), {{QStringLiteral("LNAME"), QString::fromLatin1(last)},
                              {QStringLiteral("CITY"), QString::fromLatin1(city)}},
                    QString::fromLatin1(memo));
    }

    void goTo(const char* last)
    {
        for (bool more = table().First(); more; more = table().Next()) {
            if (value("LNAME") == QString::fromLatin1(last))
                return;
        }
        FAIL() << last;
    }

    // Answers "Search" with an order and a text; `seen` gets the label
    // shown for the order chosen.
    void search(const char* orderName, const char* text, QString* seen = nullptr, bool confirm = true)
    {
        bool ran = false;
        whenModal([&](QWidget* modal) {
            ran = true;
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Search"));
            auto* orders = modal->findChild<QComboBox*>(QStringLiteral("OrderList"));
            orders->setCurrentText(QString::fromLatin1(orderName));
            if (seen)
                *seen = modal->findChild<QLabel*>(QStringLiteral("SearchForLabel"))->text();
            auto* box = modal->findChild<QLineEdit*>(QStringLiteral("SearchForEdit"));
            EXPECT_EQ(modal->focusWidget(), box);
            QTest::keyClicks(box, QString::fromLatin1(text));
            const char* button = confirm ? "OkButton" : "CancelButton";
            QTest::mouseClick(modal->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        });
        click("SearchButton");
        EXPECT_TRUE(ran);
    }

    QString sortStatus() const { return control<QLabel>(QStringLiteral("SortStatus"))->text(); }
    QString memoShown() const { return control<QPlainTextEdit>(QStringLiteral("MemoBox"))->toPlainText(); }

    // "Search Memo" answered with `text`, or cancelled without one.
    void searchMemo(const std::optional<QString>& text)
    {
        ui.dialogs.setNextInputText(text);
        click("SearchMemoButton");
    }
};

TEST_F(SearchTest, TheDialogOffersEveryOrderPresetToTheCurrentOneAndItsHelp)
{
    QStringList offered;
    QString preset;
    whenModal([&](QWidget* modal) {
        auto* orders = modal->findChild<QComboBox*>(QStringLiteral("OrderList"));
        for (int i = 0; i < orders->count(); ++i)
            offered << orders->itemText(i);
        preset = orders->currentText();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("HelpButton")), Qt::LeftButton);
        modal->close();
    });
    click("SearchButton");
    EXPECT_EQ(ui.help.opened(), QList<int>{help_context::kSearch});
    EXPECT_EQ(offered.size(), 14);
    EXPECT_EQ(offered.first(), QStringLiteral("Last Name"));
    EXPECT_EQ(offered.last(), QStringLiteral("Codes"));
    EXPECT_EQ(preset, QStringLiteral("Last Name"));
}

struct SeekCase {
    const char* order;
    const char* text;
    const char* expectedRecord; // the current record afterwards
    const char* expectedOrder;  // the order in force afterwards
};

class SeekTest : public SearchTest, public ::testing::WithParamInterface<SeekCase> { };

TEST_P(SeekTest, GoesToTheFirstKeyStartingWithTheTextOrStaysPut)
{
    const SeekCase& c = GetParam();
    QString label;
    search(c.order, c.text, &label);
    EXPECT_EQ(label, QStringLiteral("Search ") + QString::fromLatin1(c.order) + QStringLiteral(" starting with..."));
    EXPECT_EQ(value("LNAME"), QString::fromLatin1(c.expectedRecord));
    EXPECT_EQ(box("LNAME")->text(), QString::fromLatin1(c.expectedRecord));
    EXPECT_EQ(sortStatus(), QStringLiteral("Sorted by ") + QString::fromLatin1(c.expectedOrder));
    EXPECT_TRUE(ui.messages.shown().isEmpty()) << lastText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeekTest,
    ::testing::Values(SeekCase{"Last Name", "jo", "Johanesson", "Last Name"},
                      SeekCase{"Last Name", "JONES", "Jones", "Last Name"},
                      SeekCase{"City", "spring", "Clark", "City"},
                      SeekCase{"City", "Springf", "Jones", "City"},
                      // No key starts with the text: the order changes, the record stays.
                      SeekCase{"City", "Zurich", "Baker", "City"},
                      SeekCase{"Last Name", "Bz", "Baker", "Last Name"},
                      // Nothing typed: nothing changes at all.
                      SeekCase{"City", "", "Baker", "Last Name"}));

TEST_F(SearchTest, CancelChangesNothing)
{
    search("City", "Albany", nullptr, false);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
    EXPECT_EQ(sortStatus(), QStringLiteral("Sorted by Last Name"));
}

TEST_F(SearchTest, MemoSearchFindsThenFindNextGoesOnUntilItRunsOut)
{
    searchMemo(QStringLiteral("cat"));
    ASSERT_FALSE(ui.dialogs.requests().isEmpty());
    const TInputRequest asked = ui.dialogs.requests().last().input;
    EXPECT_EQ(asked.caption, QStringLiteral("Memo Search"));
    EXPECT_EQ(asked.prompt, QStringLiteral("Search For"));
    // In name order: Adams, Baker, Clark, Johanesson, Jones.
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    EXPECT_EQ(memoShown(), QStringLiteral("a cat called Tom"));
    EXPECT_TRUE(visible("FindNextButton"));

    click("FindNextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Jones"));
    EXPECT_EQ(memoShown(), QStringLiteral("Likes CATS and dogs"));
    EXPECT_TRUE(visible("FindNextButton"));

    // Nothing after Jones: back to Jones, and no more Find Next.
    click("FindNextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Jones"));
    EXPECT_FALSE(visible("FindNextButton"));
    EXPECT_TRUE(ui.messages.shown().isEmpty());
}

TEST_F(SearchTest, AMissOrACancelledQuestionLeavesTheRecordAndHidesFindNext)
{
    searchMemo(QStringLiteral("dog"));
    ASSERT_EQ(value("LNAME"), QStringLiteral("Clark"));
    ASSERT_TRUE(visible("FindNextButton"));

    searchMemo(QStringLiteral("parrot"));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
    EXPECT_FALSE(visible("FindNextButton"));
    // The box offers the text searched for last.
    EXPECT_EQ(ui.dialogs.requests().last().input.initial, QStringLiteral("dog"));

    searchMemo(std::nullopt);
    EXPECT_EQ(value("LNAME"), QStringLiteral("Clark"));
    EXPECT_EQ(ui.dialogs.requests().last().input.initial, QStringLiteral("parrot"));
}

TEST_F(SearchTest, FindNextHidesWhileEditingAndComesBackAfter)
{
    searchMemo(QStringLiteral("DOG"));
    ASSERT_EQ(value("LNAME"), QStringLiteral("Clark"));
    click("EditButton");
    EXPECT_FALSE(visible("FindNextButton"));
    click("CancelButton");
    EXPECT_TRUE(visible("FindNextButton"));
    click("FindNextButton");
    EXPECT_EQ(value("LNAME"), QStringLiteral("Jones"));
}

TEST_F(SearchTest, CancellingTheSearchGoesBackToTheRecordItStartedFrom)
{
    // From Baker the search passes Clark before it could reach Jones.
    TQVWSearching searching(table(), QStringLiteral("cats"), TMemoSearchStart::msNextRecord, &main());
    EXPECT_EQ(searching.windowTitle(), QStringLiteral("Searching"));
    EXPECT_EQ(searching.findChild<QLabel*>(QStringLiteral("SearchingLabel"))->text(),
              QStringLiteral("Searching for: cats"));
    QObject::connect(&searching, &TQVWSearching::recordPassed, &searching, [&searching] {
        QTest::mouseClick(searching.findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    });
    EXPECT_EQ(searching.exec(), QDialog::Rejected);
    EXPECT_TRUE(searching.cancelled());
    EXPECT_FALSE(searching.found());
    EXPECT_EQ(value("LNAME"), QStringLiteral("Baker"));
    EXPECT_FALSE(table().ControlsDisabled());
}

} // namespace
} // namespace quorvel::testing
