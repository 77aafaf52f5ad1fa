// "Select Label Template" with its filters and search, and "User Defined
// Label Layout" with its units, presets and checks.
#include "label_windows_fixture.h"
#include "labels/label_layout_table.h"
#include "labels/windows/label_edit.h"
#include "labels/windows/select_label.h"
#include "store/dataset.h"
#include "xbase/apollo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

namespace labels_gui {
namespace {

using labels::TLabelStock;
using labels::TSelectLabel;

class SelectLabelTest : public LabelWindowsTest {
protected:
    SelectLabelTest() { EXPECT_TRUE(labels::OpenLabelTemplateTable(catalogue, sysdata()).ok); }

    static QStringList Shown(const TSelectLabel& dialog)
    {
        QStringList names;
        for (const TLabelStock& stock : dialog.ShownStocks())
            names.append(stock.templateDescription);
        return names;
    }

    static TLabelStock Stock(const char* description, const char* manufacturer, const char* printer)
    {
        TLabelStock stock;
        stock.templateDescription = QString::fromLatin1(description);
        stock.manufacturer = QString::fromLatin1(manufacturer);
        stock.printer = QString::fromLatin1(printer);
        stock.productType = QStringLiteral("ADDRESS/SHIPPING LABELS");
        return stock;
    }

    static QString CurrentDescription(TSelectLabel& dialog)
    {
        auto* grid = child<QTableWidget>(&dialog, "LabelGrid");
        return grid->currentRow() < 0 ? QString() : grid->item(grid->currentRow(), 0)->text();
    }

    xbase::TApollo engine;
    quorvel::TDataset catalogue { engine };
};

TEST_F(SelectLabelTest, StartsOnTheLayoutsStockWithinItsMakerAndPrinterKind)
{
    TSelectLabel dialog(catalogue, Stock("Avery 5163  Shipping", "AVERY", "LJ"), false);
    EXPECT_EQ(Shown(dialog),
        QStringList({ QStringLiteral("Avery 5160  Address"), QStringLiteral("Avery 5163  Shipping"),
            QStringLiteral("Avery 5267  Return"), QStringLiteral("Avery L7159  Landscape") }));
    EXPECT_EQ(CurrentDescription(dialog), QStringLiteral("Avery 5163  Shipping"));
    EXPECT_EQ(child<QLabel>(&dialog, "WidthDisplay")->text(), QStringLiteral("4.000"));
    EXPECT_EQ(child<QLabel>(&dialog, "AcrossDisplay")->text(), QStringLiteral("2"));

    // A hand-entered geometry starts from the defaults, on the first row.
    TSelectLabel user(catalogue, Stock("", "USER", ""), false);
    EXPECT_EQ(child<QComboBox>(&user, "eManuFac")->currentText(), QStringLiteral("Avery Laserjet"));
    EXPECT_EQ(CurrentDescription(user), QStringLiteral("Avery 5160  Address"));
}

TEST_F(SelectLabelTest, EuropeanPaperKeepsLandscapeA4)
{
    TSelectLabel dialog(catalogue, Stock("Avery 5160  Address", "AVERY", "LJ"), false);
    child<QCheckBox>(&dialog, "EuropeanPaper")->setChecked(true);
    EXPECT_EQ(Shown(dialog), QStringList({ QStringLiteral("Avery L7159  Landscape") }));
}

TEST_F(SelectLabelTest, SearchLooksThroughTheWholeCatalogueWhileItHoldsText)
{
    TSelectLabel dialog(catalogue, Stock("Avery 5160  Address", "AVERY", "LJ"), false);
    auto* search = child<QLineEdit>(&dialog, "SearchEdit");
    QTest::keyClicks(search, QStringLiteral("2.625 address"));
    // The inkjet stock of the same size is found although the filter is
    // set to laser printers, and the filters are greyed.
    EXPECT_EQ(
        Shown(dialog), QStringList({ QStringLiteral("Avery 5160  Address"), QStringLiteral("Avery 8160  Address") }));
    for (const char* filter : { "eManuFac", "eProdType", "EuropeanPaper" })
        EXPECT_FALSE(child<QWidget>(&dialog, filter)->isEnabled()) << filter;

    search->clear();
    EXPECT_EQ(Shown(dialog).size(), 4);
    EXPECT_TRUE(child<QWidget>(&dialog, "eManuFac")->isEnabled());

    // Every word must match.
    QTest::keyClicks(search, QStringLiteral("costar 5160"));
    EXPECT_TRUE(Shown(dialog).isEmpty());
    EXPECT_FALSE(child<QPushButton>(&dialog, "OKButton")->isEnabled());
}

TEST_F(SelectLabelTest, OkNeedsARowAndInsertAddsNone)
{
    TSelectLabel dialog(catalogue, Stock("Avery 5160  Address", "AVERY", "LJ"), false);
    auto* grid = child<QTableWidget>(&dialog, "LabelGrid");
    QTest::keyClick(grid, Qt::Key_Insert);
    EXPECT_EQ(grid->rowCount(), 4);

    child<QComboBox>(&dialog, "eManuFac")->setCurrentText(QStringLiteral("Costar LabelPrinter"));
    child<QComboBox>(&dialog, "eProdType")->setCurrentText(QStringLiteral("Card Products"));
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_FALSE(child<QPushButton>(&dialog, "OKButton")->isEnabled());
    EXPECT_FALSE(grid->isEnabled());

    child<QComboBox>(&dialog, "eProdType")->setCurrentText(QStringLiteral("All"));
    ASSERT_EQ(Shown(dialog), QStringList({ QStringLiteral("Costar 30252  Address") }));
    dialog.show();
    clickButton(&dialog, "OKButton");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.SelectedStock().geometry.width, 3.5);
    EXPECT_EQ(dialog.SelectedStock().printer, QStringLiteral("LP"));
}

class LabelEditTest : public LabelWindowsTest {
protected:
    void Show()
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    void Type(const char* field, const QString& text)
    {
        auto* edit = child<QLineEdit>(&dialog, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    QString Shown(const char* field) { return child<QLineEdit>(&dialog, field)->text(); }

    labels::TLabelEdit dialog { labels::TLabelGeometry {} };
};

TEST_F(LabelEditTest, MillimetresConvertFromTheHeldValues)
{
    Show();
    EXPECT_EQ(Shown("elblwidth"), QStringLiteral("2.625"));
    clickToggle(child<QRadioButton>(&dialog, "MMButton"));
    EXPECT_EQ(Shown("elblwidth"), QStringLiteral("66.7"));
    clickToggle(child<QRadioButton>(&dialog, "Inchesbutton"));
    EXPECT_EQ(Shown("elblwidth"), QStringLiteral("2.625"));

    clickToggle(child<QRadioButton>(&dialog, "MMButton"));
    Type("elblHeight", QStringLiteral("25.4"));
    Type("eleftmarg", QStringLiteral("10"));
    clickButton(&dialog, "OKButton");
    ASSERT_EQ(dialog.result(), 1) << ui.messages.lastText().toStdString();
    EXPECT_EQ(dialog.Geometry().height, 1.0);
    EXPECT_EQ(dialog.Geometry().leftMargin, 0.394);
    EXPECT_EQ(dialog.Geometry().width, 2.625);
}

TEST_F(LabelEditTest, PresetsPitchesAndChecks)
{
    Show();
    auto* paper = child<QComboBox>(&dialog, "epapersize");
    EXPECT_EQ(paper->currentIndex(), -1);
    paper->setCurrentIndex(3); // A4 landscape
    emit paper->activated(3);
    EXPECT_EQ(Shown("esheetwidth"), QStringLiteral("11.690"));

    // A label wider than its pitch takes the pitch with it.
    Type("elblwidth", QStringLiteral("3"));
    EXPECT_EQ(Shown("eHorizPitch"), QStringLiteral("3.000"));

    Type("elblHeight", QStringLiteral("0.2"));
    clickButton(&dialog, "OKButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(ui.messages.lastText().isEmpty());

    Type("elblHeight", QStringLiteral("abc"));
    clickButton(&dialog, "OKButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.messages.lastText(), QStringLiteral("Label Height is not a number"));

    Type("elblHeight", QStringLiteral("1"));
    child<QSpinBox>(&dialog, "enbracross")->setValue(2);
    child<QComboBox>(&dialog, "eLabelShape")->setCurrentIndex(2);
    clickButton(&dialog, "OKButton");
    ASSERT_EQ(dialog.result(), 1) << ui.messages.lastText().toStdString();
    EXPECT_EQ(dialog.Geometry().paperSize, QStringLiteral("A4L"));
    EXPECT_EQ(dialog.Geometry().shape, QStringLiteral("EL"));
    EXPECT_EQ(dialog.Geometry().across, 2);
}

} // namespace
} // namespace labels_gui
