// Layout and catalogue rows: the check that refuses a row the program could
// not use, the texts a save writes, and what a layout takes over from a
// catalogue row or a geometry typed by hand.
#include "labels/label_rows.h"
#include "labels/label_stock.h"

#include <gtest/gtest.h>

#include <map>

using labels::TLabelLayout;

namespace {

using TRow = std::map<QString, QString>;

// A layout row as LABEL.DBF gives it for a sound 3 x 10 layout.
TRow GoodRow()
{
    const std::pair<const char*, const char*> columns[] = {
        {"DESCRIPT", "Office"},    {"PRINTER", "LJ"},          {"LBLHEIGHT", "1.000"},  {"LBLWIDTH", "2.625"},
        {"NBRACROSS", " 3"},       {"NBRDOWN", "10"},          {"TOPMARG", "0.500"},    {"LEFTMARG", "0.188"},
        {"HORIZPITCH", "2.765"},   {"VERTPITCH", "1.010"},     {"SHEETWIDTH", "8.500"}, {"SHEETDEPTH", "11.000"},
        {"PAPERSIZE", "LTR"},      {"LBLSHAPE", "RR"},         {"TPLDESCRIP", "Avery 5160  Address"},
        {"MANUFAC", "AVERY"},      {"PRODTYPE", "ADDRESS/SHIPPING LABELS"},
        {"MIDEXTRAX", "0.125"},    {"MIDEXTRAY", ""},          {"ART", "AV5160"},       {"BINARY", "BIN00007.L"}};
    TRow row;
    for (const auto& [column, text] : columns)
        row[QString::fromLatin1(column)] = QString::fromLatin1(text);
    return row;
}

labels::TRowField FieldsOf(const TRow& row)
{
    return [row](const QString& column) {
        const auto found = row.find(column);
        return found == row.end() ? QString() : found->second;
    };
}

labels::TLayoutRead Read(const TRow& row) { return labels::ReadLayoutRow(FieldsOf(row)); }

TRow With(const char* column, const char* text)
{
    TRow row = GoodRow();
    row[QString::fromLatin1(column)] = QString::fromLatin1(text);
    return row;
}

TRow Written(const TLabelLayout& layout)
{
    TRow row;
    for (const labels::TColumnText& text : labels::LayoutRowTexts(layout))
        row[text.column] = text.text;
    return row;
}

} // namespace

TEST(LayoutRow, ReadsEveryColumn)
{
    const labels::TLayoutRead read = Read(GoodRow());
    ASSERT_TRUE(read.layout) << read.message.toStdString();
    const TLabelLayout& layout = *read.layout;
    EXPECT_EQ(layout.description, QStringLiteral("Office"));
    EXPECT_EQ(layout.designFile, QStringLiteral("BIN00007.L"));
    EXPECT_EQ(layout.stock.templateDescription, QStringLiteral("Avery 5160  Address"));
    EXPECT_EQ(layout.stock.art, QStringLiteral("AV5160"));
    EXPECT_EQ(layout.stock.geometry.across, 3);
    EXPECT_EQ(layout.stock.geometry.down, 10);
    EXPECT_DOUBLE_EQ(layout.stock.geometry.horizPitch, 2.765);
    EXPECT_DOUBLE_EQ(layout.stock.geometry.midExtraX, 0.125);
    // A blank number is zero.
    EXPECT_DOUBLE_EQ(layout.stock.geometry.midExtraY, 0.0);
    EXPECT_EQ(layout.stock.geometry.shape, QStringLiteral("RR"));
}

TEST(LayoutRow, RefusesRowsTheProgramCannotUseNamingTheLayout)
{
    const struct {
        TRow row;
        const char* message;
    } cases[] = {
        {With("NBRACROSS", "0"),
         "The label layout \"Office\" cannot be used: its number of labels across (NBRACROSS) is \"0\"; a sheet has 1 "
         "to 10."},
        {With("NBRACROSS", "11"),
         "The label layout \"Office\" cannot be used: its number of labels across (NBRACROSS) is \"11\"; a sheet has "
         "1 to 10."},
        {With("NBRDOWN", "31"),
         "The label layout \"Office\" cannot be used: its number of labels down (NBRDOWN) is \"31\"; a sheet has 1 to "
         "30."},
        {With("NBRDOWN", ""),
         "The label layout \"Office\" cannot be used: its number of labels down (NBRDOWN) is \"\"; a sheet has 1 to "
         "30."},
        {With("NBRDOWN", "2.5"),
         "The label layout \"Office\" cannot be used: its number of labels down (NBRDOWN) is \"2.5\"; a sheet has 1 to "
         "30."},
        {With("LBLHEIGHT", "-1.000"),
         "The label layout \"Office\" cannot be used: its label height (LBLHEIGHT) is -1.000 inches; lengths cannot "
         "be negative."},
        {With("TOPMARG", "-0.001"),
         "The label layout \"Office\" cannot be used: its top margin (TOPMARG) is -0.001 inches; lengths cannot be "
         "negative."},
        {With("MIDEXTRAY", "-0.5"),
         "The label layout \"Office\" cannot be used: its middle row gap (MIDEXTRAY) is -0.500 inches; lengths cannot "
         "be negative."},
        {With("SHEETWIDTH", "150.25"),
         "The label layout \"Office\" cannot be used: its paper width (SHEETWIDTH) is 150.250 inches; a layout holds "
         "at most 99.999."},
        {With("HORIZPITCH", "******"),
         "The label layout \"Office\" cannot be used: its horizontal pitch (HORIZPITCH) \"******\" is not a number."},
        {With("LBLWIDTH", "1e3"),
         "The label layout \"Office\" cannot be used: its label width (LBLWIDTH) \"1e3\" is not a number."},
    };
    for (const auto& c : cases) {
        const labels::TLayoutRead read = Read(c.row);
        EXPECT_FALSE(read.layout) << c.message;
        EXPECT_EQ(read.message, QString::fromLatin1(c.message));
    }
}

TEST(LayoutRow, WritesThreeDecimalsAndFiftyCharactersAndReadsBackTheSame)
{
    TLabelLayout layout = *Read(GoodRow()).layout;
    layout.description = QString(60, QLatin1Char('x'));
    layout.stock.geometry.height = 1.0 / 3.0;
    layout.stock.geometry.leftMargin = -0.0;
    const TRow written = Written(layout);
    EXPECT_EQ(written.at(QStringLiteral("DESCRIPT")), QString(50, QLatin1Char('x')));
    EXPECT_EQ(written.at(QStringLiteral("LBLHEIGHT")), QStringLiteral("0.333"));
    EXPECT_EQ(written.at(QStringLiteral("LEFTMARG")), QStringLiteral("0.000"));
    EXPECT_EQ(written.at(QStringLiteral("NBRACROSS")), QStringLiteral("3"));
    EXPECT_EQ(written.at(QStringLiteral("BINARY")), QStringLiteral("BIN00007.L"));
    EXPECT_EQ(written.count(QStringLiteral("DELETED")), 0u);
    EXPECT_EQ(Written(*Read(written).layout), written);
}

TEST(TemplateRow, ItsDescriptionBecomesTheTemplateDescription)
{
    TRow row = GoodRow();
    row[QStringLiteral("DESCRIPT")] = QStringLiteral("Avery 5163  Shipping");
    const labels::TStockRead read = labels::ReadTemplateRow(FieldsOf(row));
    ASSERT_TRUE(read.stock);
    EXPECT_EQ(read.stock->templateDescription, QStringLiteral("Avery 5163  Shipping"));
    row[QStringLiteral("NBRDOWN")] = QStringLiteral("40");
    const labels::TStockRead bad = labels::ReadTemplateRow(FieldsOf(row));
    EXPECT_TRUE(bad.message.startsWith(QStringLiteral("The label stock \"Avery 5163  Shipping\" cannot be used")))
        << bad.message.toStdString();
}

TEST(LayoutStock, AHandEnteredGeometryDropsWhatCameFromATemplate)
{
    labels::TLabelStock fromTemplate = Read(GoodRow()).layout->stock;
    fromTemplate.geometry.midExtraY = 0.2;
    labels::TLabelGeometry typed = fromTemplate.geometry;
    typed.width = 4.0;
    typed.paperSize = QStringLiteral("A4");
    typed.shape = QStringLiteral("EL");
    const labels::TLabelStock user = labels::UserDefinedStock(typed);
    EXPECT_EQ(user.manufacturer, QStringLiteral("USER"));
    EXPECT_TRUE(user.IsUserDefined());
    EXPECT_TRUE(user.templateDescription.isEmpty());
    EXPECT_TRUE(user.printer.isEmpty());
    EXPECT_TRUE(user.productType.isEmpty());
    EXPECT_TRUE(user.art.isEmpty());
    EXPECT_DOUBLE_EQ(user.geometry.width, 4.0);
    EXPECT_DOUBLE_EQ(user.geometry.midExtraX, 0.0);
    EXPECT_DOUBLE_EQ(user.geometry.midExtraY, 0.0);
    EXPECT_EQ(user.geometry.paperSize, QStringLiteral("A4"));
    EXPECT_EQ(user.geometry.shape, QStringLiteral("EL"));
    EXPECT_EQ(labels::LayoutCaption(user), QStringLiteral("User Defined Label Layout"));
    EXPECT_EQ(labels::SheetName(user), QStringLiteral("[User Defined]"));
    EXPECT_EQ(labels::LayoutCaption(fromTemplate), QStringLiteral("Avery 5160  Address"));
}

TEST(LayoutDefaults, NewDiffersFromWhatAnEmptyTableShows)
{
    const TLabelLayout created = labels::NewLabelLayout();
    const TLabelLayout shown = labels::DefaultLabelSetup();
    EXPECT_EQ(created.description, QStringLiteral("<New Label>"));
    EXPECT_EQ(shown.description, QStringLiteral("Default Label Setup"));
    EXPECT_DOUBLE_EQ(created.stock.geometry.horizPitch, 2.765);
    EXPECT_DOUBLE_EQ(created.stock.geometry.vertPitch, 1.01);
    EXPECT_DOUBLE_EQ(shown.stock.geometry.horizPitch, 2.75);
    EXPECT_DOUBLE_EQ(shown.stock.geometry.vertPitch, 1.0);
    EXPECT_EQ(created.stock.productType, QStringLiteral("ADDRESS/SHIPPING LABELS"));
    EXPECT_EQ(shown.stock.productType, QStringLiteral("ADDRESS LABELS"));
    EXPECT_EQ(created.stock.templateDescription, QStringLiteral("Avery 5160  Address"));
    EXPECT_EQ(Written(created).at(QStringLiteral("LEFTMARG")), QStringLiteral("0.188"));
}
