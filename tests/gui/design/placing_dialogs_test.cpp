// Drawing an object that shows a choice (text, symbol, field, lines) opens
// the same dialog its menu opens; the field dialog lists a real address
// file's fields.

#include "design/model/address_record.h"
#include "design/model/data_label.h"
#include "object_menu_fixture.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "store/field_lengths.h"
#include "xbase/apollo.h"

#include <QDialog>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace design;

namespace object_menu_test {

namespace {

class PlacingDialogsTest : public ObjectMenuTest {
protected:
    // Draws with the tool, answering the dialog that must open; its title.
    QString DrawWith(TLPanelState tool, const std::function<void(QDialog&)>& answer)
    {
        QString title;
        WhenModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            answer(dialog);
        });
        panel.SetPanelState(tool);
        mouse.Press(QPoint(40, 40));
        mouse.Move(QPoint(160, 80));
        mouse.Release(QPoint(160, 80));
        panel.SetPanelState(TLPanelState::psPointing);
        return title;
    }

    TGGraphicControl* Drawn() { return panel.Objects().At(panel.Objects().Count() - 1); }
};

TEST_F(PlacingDialogsTest, ToolsThatNeedAChoiceOpenTheirDialog)
{
    struct Case {
        TLPanelState tool;
        const char* title;
    };
    const Case cases[] = {
        {TLPanelState::psLabel, "Text"},
        {TLPanelState::psSymbolLabel, "Symbol Selector"},
        {TLPanelState::psDataLabel, "Select Field"},
        {TLPanelState::psMultiLineLabel, "Multi-line Text Editor"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawWith(c.tool, [](QDialog& dialog) { dialog.reject(); }), QString::fromLatin1(c.title));
        EXPECT_EQ(panel.Objects().Count(), 1) << c.title << ": cancelling keeps the object drawn";
        panel.ClearObjects();
    }
}

TEST_F(PlacingDialogsTest, DrawnFieldBindsToTheChosenFieldOfTheAddressFile)
{
    testing_support::TempDir folder;
    const QString path = QString::fromStdString(folder.file("add0001.DBF"));
    xbase::TApollo engine;
    quorvel::TAddressDataset dataset(engine);
    ASSERT_TRUE(quorvel::CreateAddressFile(path, dataset, quorvel::TNewFileFieldLengths()).ok);
    ASSERT_TRUE(quorvel::OpenTableFile(path, dataset).ok);
    ASSERT_TRUE(dataset.Insert());
    ASSERT_TRUE(dataset.SetFieldAsString(u"CITY", QStringLiteral("Springfield")));
    ASSERT_TRUE(dataset.Post());
    TGAddressRecord address(dataset);
    panel.SetRecordSource(&address);
    panel.SetDisplayDataValues(true);

    QStringList offered;
    DrawWith(TLPanelState::psDataLabel, [&](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("FieldList"));
        ASSERT_NE(list, nullptr);
        for (int row = 0; row < list->count(); ++row)
            offered.append(list->item(row)->text());
        list->setCurrentRow(static_cast<int>(offered.indexOf(QStringLiteral("City"))));
        dialog.accept();
    });
    EXPECT_EQ(offered.value(0), QStringLiteral("Last Name"));
    EXPECT_TRUE(offered.contains(QStringLiteral("Zip/Postal Code")));
    auto* field = dynamic_cast<TGPDLabel*>(Drawn());
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->DataFieldName(), QStringLiteral("CITY"));
    EXPECT_EQ(field->Caption(), QStringLiteral("Springfield"));
}

} // namespace

} // namespace object_menu_test
