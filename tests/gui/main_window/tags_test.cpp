// Tags in the main window: the "Tagged" box, "Clear Tags" and tagging all
// filter matches.
#include "direct_records.h"
#include "main_window_fixture.h"

#include "store/filter_state.h"
#include "ui/data_check_box.h"
#include "ui/tag_all_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quorvel::testing {
namespace {

class TagsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        for (const char* name : {"Jones", "Baker", "Johanesson", "Adams", "Clark"})
            addDirectly(table(), {{QStringLiteral("LNAME"), QString::fromLatin1(name)}});
        main().SetOrderTo(QStringLiteral("Last Name"));
        table().First();
        ui.messages.clear();
    }

    QString tagId() { return main().dataset().globalTagId(); }
    TDataCheckBox* taggedBox() const { return control<TDataCheckBox>(QStringLiteral("TaggedCheck")); }
    void clickTagged() { QTest::mouseClick(taggedBox(), Qt::LeftButton); }

    // The last names of the records carrying the tag id in force, in name
    // order, whatever the filter.
    QStringList taggedNames()
    {
        const QString query = table().Query();
        const std::uint32_t recno = table().RecNo();
        table().SetQuery(QString());
        QStringList names;
        for (bool more = table().First(); more; more = table().Next()) {
            if (table().FieldAsBoolean(u"Tagged"))
                names << value("LNAME");
        }
        table().SetQuery(query);
        table().GoTo(recno);
        return names;
    }

    void setFilter(const char* lastName, bool taggedOnly = false)
    {
        TFilterState& state = main().filterState();
        state.ClearQueryVars();
        state.value(TFilterBox::fbLName) = QString::fromLatin1(lastName);
        state.taggedOnly = taggedOnly;
        state.BuildQueryString(tagId());
        main().ApplyFilter();
        main().SetButtons();
    }

    // Lets "Tagging" run to its end, notes its end text and closes it with Ok.
    void closeTaggingWhenDone(QString* endText)
    {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, endText] {
            auto* dialog = qobject_cast<TTagAllRecords*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->finished())
                return;
            timer->stop();
            timer->deleteLater();
            *endText = dialog->findChild<QLabel*>(QStringLiteral("StatusLabel"))->text();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
        });
        timer->start();
    }
};

TEST_F(TagsTest, ClickingTaggedTogglesTheRecordAndTheTagStaysInTheFile)
{
    ASSERT_EQ(value("LNAME"), QStringLiteral("Adams"));
    ASSERT_FALSE(tagId().isEmpty());
    clickTagged();
    EXPECT_TRUE(taggedBox()->isChecked());
    EXPECT_EQ(value("TAG"), tagId());
    EXPECT_FALSE(table().isEditing());
    EXPECT_TRUE(visible("EditButton"));

    click("NextButton");
    EXPECT_FALSE(taggedBox()->isChecked());
    click("PriorButton");
    EXPECT_TRUE(taggedBox()->isChecked());

    ASSERT_TRUE(main().OpenQVWDBF(main().currentPath()));
    table().First();
    EXPECT_EQ(value("LNAME"), QStringLiteral("Adams"));
    EXPECT_TRUE(taggedBox()->isChecked());
    EXPECT_EQ(taggedNames(), QStringList{QStringLiteral("Adams")});

    clickTagged();
    EXPECT_FALSE(taggedBox()->isChecked());
    EXPECT_EQ(value("TAG"), QString());
    EXPECT_TRUE(ui.messages.shown().isEmpty());
}

TEST_F(TagsTest, WhileEditingTheTagGoesWithTheEditAndCancelDropsIt)
{
    click("EditButton");
    clickTagged();
    EXPECT_TRUE(table().isEditing());
    EXPECT_TRUE(taggedBox()->isChecked());
    click("CancelButton");
    EXPECT_FALSE(taggedBox()->isChecked());
    EXPECT_TRUE(taggedNames().isEmpty());

    click("EditButton");
    clickTagged();
    click("SaveButton");
    EXPECT_EQ(taggedNames(), QStringList{QStringLiteral("Adams")});
}

TEST_F(TagsTest, UntaggingTheLastRecordOfATaggedOnlyFilterDropsIt)
{
    clickTagged();
    setFilter("", true);
    ASSERT_TRUE(main().filterSet());
    clickTagged();
    EXPECT_FALSE(main().filterSet());
    EXPECT_FALSE(visible("ClearFilterButton"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("FilterStatus"))->text(), QStringLiteral("5 records (no filter)"));
}

TEST_F(TagsTest, ClearTagsUntagsEveryRecordAndATaggedOnlyFilterIsDropped)
{
    clickTagged();
    click("NextButton");
    clickTagged();
    setFilter("", true);
    ASSERT_EQ(control<QLabel>(QStringLiteral("FilterStatus"))->text(), QStringLiteral("2 filter matches"));
    const QString before = tagId();

    main().ClearTagsClick();
    EXPECT_NE(tagId(), before);
    EXPECT_EQ(main().settings().globalTagId(), tagId());
    EXPECT_FALSE(main().filterSet());
    EXPECT_FALSE(taggedBox()->isChecked());
    EXPECT_TRUE(taggedNames().isEmpty());
    EXPECT_TRUE(ui.messages.shown().isEmpty());

    // The new id tags as the old one did.
    clickTagged();
    EXPECT_EQ(taggedNames(), QStringList{value("LNAME")});
}

TEST_F(TagsTest, TagAllTagsTheFilterMatchesAndShowsTheFirstRecord)
{
    setFilter("jo");
    click("NextButton");
    QString endText;
    closeTaggingWhenDone(&endText);
    main().TagAllClick();
    ASSERT_EQ(ui.messages.shown().size(), 1);
    EXPECT_EQ(ui.messages.shown().first().text, QStringLiteral("Tag all records matching filter?"));
    EXPECT_EQ(ui.messages.shown().first().caption, QStringLiteral("TAG ALL"));
    EXPECT_EQ(endText, QStringLiteral("Complete"));
    EXPECT_EQ(taggedNames(), (QStringList{QStringLiteral("Johanesson"), QStringLiteral("Jones")}));
    EXPECT_EQ(value("LNAME"), QStringLiteral("Johanesson"));
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Johanesson"));
    EXPECT_TRUE(taggedBox()->isChecked());
    EXPECT_FALSE(table().ControlsDisabled());
    // The window follows the records again.
    click("NextButton");
    EXPECT_EQ(box("LNAME")->text(), QStringLiteral("Jones"));
}

TEST_F(TagsTest, TagAllAnsweredNoOrWithoutAFilterTagsNothing)
{
    main().TagAllClick(); // no filter: not even the question
    EXPECT_TRUE(ui.messages.shown().isEmpty());

    setFilter("jo");
    ui.messages.setNextAnswer(TAnswer::No);
    main().TagAllClick();
    EXPECT_EQ(lastCaption(), QStringLiteral("TAG ALL"));
    EXPECT_TRUE(taggedNames().isEmpty());
}

} // namespace
} // namespace quorvel::testing
