// quorvel-cli label-stocks and label-layouts: the stock catalogue and the
// label layouts as CSV, read through the same code as the label windows.
#include "cli/command.h"
#include "cli/csv_writer.h"
#include "cli/label_tables.h"
#include "cli/usage_text.h"
#include "labels/label_layout_table.h"
#include "labels/label_stock_search.h"
#include "store/dataset.h"
#include "store/system_tables.h"
#include "xbase/apollo.h"

#include <QStringList>

#include <cstdio>
#include <functional>
#include <optional>

namespace quorvel::cli {

namespace {

const char* const kStocksUsage = "label-stocks [--search TEXT]";
const char* const kLayoutsUsage = "label-layouts";

// The layout columns listed: name, template, geometry, codes, design file.
const char* const kLayoutColumns[] = {"DESCRIPT",   "TPLDESCRIP", "LBLHEIGHT",  "LBLWIDTH",  "NBRACROSS", "NBRDOWN",
                                      "TOPMARG",    "LEFTMARG",   "HORIZPITCH", "VERTPITCH", "SHEETWIDTH",
                                      "SHEETDEPTH", "MIDEXTRAX",  "MIDEXTRAY",  "PAPERSIZE", "LBLSHAPE",  "PRINTER",
                                      "MANUFAC",    "PRODTYPE",   "ART",        "BINARY"};

QString TemplateColumnText(const labels::TLabelStock& stock, const QString& column)
{
    return column == u"DESCRIPT" ? stock.templateDescription : labels::StockColumnText(stock, column);
}

// The header, then a CSV row for each row of the table that `listed` takes,
// giving the text of each column.
using ColumnTexts = std::function<QString(const QString& column)>;
void ListRows(TDataset& table, const QStringList& columns, const std::function<std::optional<ColumnTexts>()>& listed)
{
    CsvWriter csv(stdout);
    csv.writeRow(utf8Values(columns));
    labels::VisitRows(table, [&] {
        if (const std::optional<ColumnTexts> texts = listed())
            csv.writeRow(utf8Values(columns, *texts));
        return true;
    });
}

int runStocks(const Invocation& inv)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openLabelTable(table, inv.home, labels::OpenLabelTemplateTable))
        return kFailed;
    const labels::TLabelStockSearch search(QString::fromStdString(inv.args.value("--search")));
    QStringList columns;
    for (const TFieldDef& field : systemTableFields(TSystemTable::stLabelTemplates))
        columns << field.name;
    ListRows(table, columns, [&]() -> std::optional<ColumnTexts> {
        const labels::TStockRead read = labels::ReadCurrentTemplate(table);
        if (!read.stock)
            warn(read.message);
        if (!read.stock || !search.Matches(*read.stock))
            return std::nullopt;
        return [stock = *read.stock](const QString& column) { return TemplateColumnText(stock, column); };
    });
    return kOk;
}

// Every row as the table holds it, so that a row the program refuses is
// still shown (with a warning saying why).
int runLayouts(const Invocation& inv)
{
    xbase::TApollo engine;
    TDataset table(engine);
    if (!openLabelTable(table, inv.home, labels::OpenLabelLayoutTable))
        return kFailed;
    QStringList columns;
    for (const char* column : kLayoutColumns)
        columns << QString::fromLatin1(column);
    ListRows(table, columns, [&]() -> std::optional<ColumnTexts> {
        if (const labels::TLayoutRead read = labels::ReadCurrentLayout(table); !read.layout)
            warn(read.message);
        return [&table](const QString& column) { return table.FieldAsString(column).trimmed(); };
    });
    return kOk;
}

const CommandRegistrar stocksCommand(
    {"label-stocks", kStocksUsage,
     "The label stock catalogue (sysdata/LBLTPL.DBF) as CSV, in description order.\n"
     "--search TEXT keeps the stocks that every word of TEXT matches: the word occurs\n"
     "(any case) in the description, maker or product type, or it is a number equal to\n"
     "the label's width or height within 0.01 inch (\"66.7mm\" or \"66.7 mm\": within\n"
     "0.5 mm).",
     {.withValue = {"--search"}, .positionalCount = 0}, runStocks});
const CommandRegistrar layoutsCommand(
    {"label-layouts", kLayoutsUsage,
     "The label layouts (sysdata/LABEL.DBF) as CSV, in description order: name,\n"
     "template, sheet geometry in inches, codes and the design file.",
     {.positionalCount = 0}, runLayouts});

} // namespace
} // namespace quorvel::cli
