// The template dialog's filter text, where its lists start, which row the
// grid starts on, and the filter applied to a small catalogue.
#include "labels/label_codes.h"
#include "labels/label_fixture.h"
#include "labels/label_layout_table.h"
#include "labels/label_template_query.h"

#include <gtest/gtest.h>

using labels::BuildLabelQuery;
using labels::TLabelStock;

namespace {

QString Entry(int index) { return labels::ManufacturerEntries()[static_cast<std::size_t>(index)].listEntry; }

TLabelStock Stock(const char* manufacturer, const char* printer, const char* productType)
{
    TLabelStock stock;
    stock.manufacturer = QString::fromLatin1(manufacturer);
    stock.printer = QString::fromLatin1(printer);
    stock.productType = QString::fromLatin1(productType);
    stock.templateDescription = QStringLiteral("Avery 5161  Address");
    return stock;
}

} // namespace

TEST(BuildLabelQuery, EachChoiceGivesItsExactText)
{
    const struct {
        int manufacturer;
        int productType;
        bool european;
        const char* query;
    } cases[] = {
        {0, 0, false,
         R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="LJ"  and  UPPER(PRODTYPE)="ADDRESS/SHIPPING LABELS" )"},
        {1, 1, false, R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="IJ"  and  UPPER(PRODTYPE)="CARD PRODUCTS" )"},
        {2, 2, false, R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="DM"  and  UPPER(PRODTYPE)="DISKETTE LABELS" )"},
        {3, 3, false,
         R"( UPPER(manufac)="COSTAR"  and  UPPER(printer)="LP"  and  UPPER(PRODTYPE)="FILE FOLDER LABELS" )"},
        {0, 4, false, R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="LJ"  and  UPPER(PRODTYPE)="INDEX PRODUCTS" )"},
        {0, 5, false, R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="LJ"  and  UPPER(PRODTYPE)="MISCELLANEOUS" )"},
        {0, 6, false, R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="LJ" )"},
        {3, 6, true,
         R"( UPPER(manufac)="COSTAR"  and  UPPER(printer)="LP"  and  ("A4"$UPPER(PAPERSIZE) OR "A5"$UPPER(PAPERSIZE)))"},
        {0, 0, true,
         R"( UPPER(manufac)="AVERY"  and  UPPER(printer)="LJ"  and  UPPER(PRODTYPE)="ADDRESS/SHIPPING LABELS"  and  ("A4"$UPPER(PAPERSIZE) OR "A5"$UPPER(PAPERSIZE)))"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildLabelQuery(Entry(c.manufacturer), c.productType, c.european), QString::fromLatin1(c.query))
            << c.manufacturer << "/" << c.productType << "/" << c.european;
}

TEST(PositionLabelCombos, StartsFromTheLayoutsStockOrTheDefaults)
{
    const struct {
        const char* what;
        TLabelStock stock;
        bool defaults;
        int manufacturer;
        int productType;
        bool findRow;
    } cases[] = {
        {"user layout", Stock("USER", "", ""), false, 0, 0, false},
        {"defaults flag", Stock("COSTAR", "LP", "CARD PRODUCTS"), true, 0, 0, false},
        {"inkjet card", Stock("AVERY", "IJ", "CARD PRODUCTS"), false, 1, 1, true},
        {"dot matrix", Stock("AVERY", "DM", "MISCELLANEOUS"), false, 2, 5, true},
        {"costar, any printer", Stock("COSTAR", "LJ", "INDEX PRODUCTS"), false, 3, 4, true},
        {"unknown maker", Stock("ACME", "IJ", "DISKETTE LABELS"), false, 0, 2, true},
        {"unknown product type", Stock("AVERY", "LJ", "ADDRESS LABELS"), false, 0, 6, true},
    };
    for (const auto& c : cases) {
        const labels::TLabelComboPosition position = labels::PositionLabelCombos(c.stock, c.defaults);
        EXPECT_EQ(position.manufacturerIndex, c.manufacturer) << c.what;
        EXPECT_EQ(position.productTypeIndex, c.productType) << c.what;
        EXPECT_EQ(position.findTemplateRow, c.findRow) << c.what;
    }
    // An unknown product type selects "All": the filter has no product clause.
    const auto unknown = labels::PositionLabelCombos(Stock("AVERY", "LJ", "ADDRESS LABELS"), false);
    EXPECT_FALSE(BuildLabelQuery(Entry(unknown.manufacturerIndex), unknown.productTypeIndex, false)
                     .contains(QLatin1String("PRODTYPE")));
}

TEST(PositionLabelCombos, TheGridStartsOnTheTemplateOrTheLastRealRow)
{
    const QStringList rows = {QStringLiteral("Avery 5160  Address"), QStringLiteral("Avery 5161  Address"),
                              QStringLiteral("Avery 5162  Address")};
    EXPECT_EQ(labels::TemplateRowToShow(rows, QStringLiteral("Avery 5161  Address"), true), 1);
    EXPECT_EQ(labels::TemplateRowToShow(rows, QStringLiteral("Avery 5161  Address"), false), 0);
    // Compared exactly: one blank less is another description.
    EXPECT_EQ(labels::TemplateRowToShow(rows, QStringLiteral("Avery 5161 Address"), true), 2);
    EXPECT_EQ(labels::TemplateRowToShow(rows, QStringLiteral("Gone"), true), 2);
    EXPECT_EQ(labels::TemplateRowToShow({}, QStringLiteral("Gone"), true), -1);
}

class CatalogueFilter : public labels_tests::LabelFolder {};

TEST_F(CatalogueFilter, SelectsTheRowsOfEachChoice)
{
    BuildCatalogue({
        "A4 Portrait,1.5,2.5,3,7,0.5,0.2,2.6,1.5,8.27,11.69,LJ,A4,RR,AVERY,ADDRESS/SHIPPING LABELS,0,0,",
        "A4 Sideways,1.5,2.5,4,5,0.5,0.2,2.6,1.5,11.69,8.27,LJ,A4L,RR,AVERY,ADDRESS/SHIPPING LABELS,0,0,",
        "Letter Laser,1,2.625,3,10,0.5,0.156,2.781,1,8.5,11,LJ,LTR,RR,AVERY,ADDRESS/SHIPPING LABELS,0,0,",
        "Letter Inkjet,1,2.625,3,10,0.5,0.156,2.781,1,8.5,11,IJ,LTR,RR,AVERY,ADDRESS/SHIPPING LABELS,0,0,",
        "Roll,1,3.5,1,1,0,0,3.5,1.1,3.5,1.1,LP,USERP,RR,COSTAR,MISCELLANEOUS,0,0,",
        "A5 Cards,2,3,1,3,0.5,0.5,3,2.5,5.82,8.27,LJ,A5,SR,avery,CARD PRODUCTS,0,0,",
    });
    labels_tests::ExpectOk(labels::OpenLabelTemplateTable(dataset, Sysdata()));
    const struct {
        int manufacturer;
        int productType;
        bool european;
        const char* rows; // separated by "|"
    } cases[] = {
        {0, 0, false, "A4 Portrait|A4 Sideways|Letter Laser"},
        {0, 0, true, "A4 Portrait|A4 Sideways"},
        {1, 6, false, "Letter Inkjet"},
        {3, 6, false, "Roll"},
        {0, 6, true, "A4 Portrait|A4 Sideways|A5 Cards"},
        {2, 6, false, ""},
    };
    for (const auto& c : cases) {
        const QString query = BuildLabelQuery(Entry(c.manufacturer), c.productType, c.european);
        ASSERT_TRUE(dataset.SetQuery(query)) << query.toStdString() << ": " << dataset.lastError().toStdString();
        EXPECT_EQ(Descriptions().join(QLatin1Char('|')), QString::fromLatin1(c.rows)) << query.toStdString();
    }
}

TEST_F(CatalogueFilter, ATemplateHandsTheLayoutEveryColumnOfItsRow)
{
    BuildCatalogue({
        "Avery 5160  Address,1,2.625,3,10,0.5,0.156,2.781,1,8.5,11,LJ,LTR,RR,AVERY,ADDRESS/SHIPPING LABELS,0,0,",
        "Avery L7651  Mini,0.835,1.496,5,13,0.429,0.183,1.508,0.835,8.268,11.693,LJ,A4,SR,AVERY,MISCELLANEOUS,"
        "0.125,0.25,AVL7651",
    });
    labels_tests::ExpectOk(labels::OpenLabelTemplateTable(dataset, Sysdata()));
    ASSERT_TRUE(labels::FindLabelTemplate(dataset, QStringLiteral("avery l7651 mini")));
    const labels::TStockRead read = labels::ReadCurrentTemplate(dataset);
    ASSERT_TRUE(read.stock) << read.message.toStdString();
    TLabelStock expected;
    expected.templateDescription = QStringLiteral("Avery L7651  Mini");
    expected.printer = QStringLiteral("LJ");
    expected.manufacturer = QStringLiteral("AVERY");
    expected.productType = QStringLiteral("MISCELLANEOUS");
    expected.art = QStringLiteral("AVL7651");
    expected.geometry = {0.835, 1.496, 5, 13, 0.429, 0.183, 1.508, 0.835, 8.268, 11.693, 0.125, 0.25,
                         QStringLiteral("A4"), QStringLiteral("SR")};
    const TLabelStock& stock = *read.stock;
    EXPECT_EQ(stock.templateDescription, expected.templateDescription);
    EXPECT_EQ(stock.printer, expected.printer);
    EXPECT_EQ(stock.manufacturer, expected.manufacturer);
    EXPECT_EQ(stock.productType, expected.productType);
    EXPECT_EQ(stock.art, expected.art);
    EXPECT_FALSE(stock.IsUserDefined());
    const labels::TLabelGeometry& g = stock.geometry;
    const labels::TLabelGeometry& e = expected.geometry;
    for (const auto& [got, want] : {std::pair{g.height, e.height}, {g.width, e.width}, {g.topMargin, e.topMargin},
                                    {g.leftMargin, e.leftMargin}, {g.horizPitch, e.horizPitch},
                                    {g.vertPitch, e.vertPitch}, {g.sheetWidth, e.sheetWidth},
                                    {g.sheetDepth, e.sheetDepth}, {g.midExtraX, e.midExtraX}, {g.midExtraY, e.midExtraY}})
        EXPECT_DOUBLE_EQ(got, want);
    EXPECT_EQ(g.across, 5);
    EXPECT_EQ(g.down, 13);
    EXPECT_EQ(g.paperSize, QStringLiteral("A4"));
    EXPECT_EQ(g.shape, QStringLiteral("SR"));
    EXPECT_FALSE(labels::FindLabelTemplate(dataset, QStringLiteral("Avery L7651")));
}
